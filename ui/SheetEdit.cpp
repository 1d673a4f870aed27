#include "ui/SheetEdit.h"

#include "scoresheet/Field.h"
#include "scoresheet/Scoresheet.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

SheetChangeRecorder::SheetChangeRecorder(const Scoresheet &sheet)
    : m_sheet(sheet)
    , m_state(sheet.state())
{
    m_texts.reserve(sheet.fields().size());
    for (const Field *field : sheet.fields())
        m_texts.push_back(field->text());
}

std::vector<SheetChangeRecorder::Change> SheetChangeRecorder::changes() const
{
    std::vector<Change> changed;
    const std::vector<Field *> &fields = m_sheet.fields();
    for (size_t i = 0; i < fields.size(); ++i) {
        if (fields[i]->text() != m_texts[i])
            changed.push_back({fields[i], m_texts[i], fields[i]->text()});
    }
    return changed;
}

SheetEdit::SheetEdit(Scoresheet &sheet, const QString &text, const SheetChangeRecorder &recorder, Field *typedInto,
                     quint64 typingRun)
    : QUndoCommand(text)
    , m_sheet(sheet)
    , m_changes(recorder.changes())
    , m_before(recorder.stateBefore())
    , m_after(sheet.state())
    , m_typedInto(typedInto)
    , m_typingRun(typingRun)
{
}

void SheetEdit::undo()
{
    for (const auto &change : m_changes)
        change.field->restoreText(change.before);
    m_sheet.state() = m_before;
    m_done = false;
}

void SheetEdit::redo()
{
    if (m_done)
        return;
    for (const auto &change : m_changes)
        change.field->restoreText(change.after);
    m_sheet.state() = m_after;
    m_done = true;
}

int SheetEdit::id() const
{
    // Only typing merges; every other step stands alone.
    return m_typedInto ? 1 : -1;
}

bool SheetEdit::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const SheetEdit *>(other);
    if (next->m_typedInto != m_typedInto || next->m_typingRun != m_typingRun)
        return false;
    for (const auto &change : next->m_changes) {
        const auto known = std::find_if(m_changes.begin(), m_changes.end(),
                                        [&](const auto &mine) { return mine.field == change.field; });
        if (known == m_changes.end())
            m_changes.push_back(change);
        else
            known->after = change.after;
    }
    m_after = next->m_after;
    return true;
}

namespace {
struct ColumnLabel
{
    const char *stem;
    const char *label;
};

const ColumnLabel ColumnLabels[] = {
    {"txtHitter", "hitter"}, {"txtHit", "H"},         {"txtRBI", "RBI"},        {"txt2b", "2B"},
    {"txt3b", "3B"},         {"txtHR", "HR"},         {"txtSB", "SB"},          {"txtPitcher", "pitcher"},
    {"txtR", "inning R"},    {"txtER", "inning ER"},  {"txtHitP", "inning H"},  {"txtK", "inning K"},
    {"txtBB", "inning BB"},  {"txtPull", "inning *"}, {"txtTeam", "team name"},
};
} // namespace

QString describeField(const Field &field)
{
    const QString &name = field.name();
    const bool home = name.endsWith(u'H');
    const QString side = home ? QCoreApplication::translate("SheetEdit", "Home")
                              : QCoreApplication::translate("SheetEdit", "Away");
    const QStringView stem = QStringView(name).chopped(1);
    QString label = stem.toString();
    for (const ColumnLabel &column : ColumnLabels) {
        if (stem == QLatin1StringView(column.stem))
            label = QLatin1StringView(column.label);
    }
    if (!field.isArrayElement())
        return QStringLiteral("%1 %2").arg(side, label);
    return QCoreApplication::translate("SheetEdit", "%1 %2, row %3").arg(side, label).arg(field.index());
}

QString spokenFieldName(const Field &field)
{
    static const QRegularExpression parts(QStringLiteral("^txt(\\w+?)([AH])(\\d?)(?:_(\\d+))?$"));
    const QRegularExpressionMatch m = parts.match(field.objectName());
    if (!m.hasMatch())
        return field.objectName();
    const auto tr = [](const char *text) { return QCoreApplication::translate("SheetEdit", text); };
    const QString side = m.captured(2) == u'H' ? tr("Home") : tr("Away");
    const QString stem = m.captured(1) + m.captured(3);
    const QString row = m.captured(4);
    struct Spoken
    {
        const char *stem;
        const char *words;
    };
    // Batting rows, then the inning rows (the opposing pitcher's line), then the rest.
    static const Spoken batting[] = {{"Hitter", "hitter"}, {"Hit", "H"}, {"RBI", "RBI"}, {"2b", "2B"},
                                     {"3b", "3B"},         {"HR", "HR"}, {"SB", "SB"}};
    static const Spoken inning[] =
        {{"Pitcher", "pitcher"},    {"R", "R"}, {"ER", "ER"}, {"HitP", "H"}, {"K", "K"}, {"BB", "BB"},
         {"Pull", "pitcher load *"}};
    static const Spoken single[] = {
        {"NeedHRBI", "NEED H+RBI"},
        {"NeedH", "NEED H"},
        {"Runs", "RUNS"},
        {"Hits", "HITS"},
        {"Team", "team name"},
        {"Team2", "team name above the other half's innings"},
        {"Team3", "linescore team name"},
        {"Runs2", "linescore R"},
        {"Hits2", "linescore H"},
    };
    for (const Spoken &s : batting)
        if (stem == QLatin1String(s.stem))
            return tr("%1 batting, row %2, %3").arg(side, row, tr(s.words));
    for (const Spoken &s : inning)
        if (stem == QLatin1String(s.stem))
            return tr("%1 inning %2, %3").arg(side, row, tr(s.words));
    if (stem == QLatin1String("Inn"))
        return tr("%1 linescore, inning %2 runs").arg(side, row);
    for (const Spoken &s : single)
        if (stem == QLatin1String(s.stem))
            return row.isEmpty() ? tr("%1 %2").arg(side, tr(s.words)) : tr("%1 %2, %3").arg(side, tr(s.words), row);
    return field.objectName();
}
