#include "scoresheet/TextRules.h"

#include "scoresheet/SheetColumns.h"

#include <algorithm>

namespace {
// Room for both teams, " at ", the date and an extension within 255 bytes, even in
// characters that take four bytes each.
constexpr qsizetype MaxTeamLength = 28;

QString fileNamePart(const QString &name, const QString &blank)
{
    QString part = name.simplified();
    if (part.isEmpty())
        return blank;
    for (QChar &c : part) {
        if (c.category() == QChar::Other_Control || QStringView(u"/\\:*?\"<>|").contains(c))
            c = u'-';
    }
    if (part.size() > MaxTeamLength) {
        qsizetype cut = MaxTeamLength;
        if (part.at(cut - 1).isHighSurrogate())
            --cut; // never half a character
        part = part.left(cut).trimmed();
    }
    // Windows takes no name that ends in a dot; a name that starts with one is hidden elsewhere.
    while (part.endsWith(u'.'))
        part.chop(1);
    while (part.startsWith(u'.'))
        part.remove(0, 1);
    return part.isEmpty() ? blank : part;
}
} // namespace

bool breaksTheLine(QChar c)
{
    if (c == u'\t')
        return false;
    const QChar::Category category = c.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line
           || category == QChar::Separator_Paragraph;
}

bool isOneLine(QStringView text)
{
    return std::none_of(text.begin(), text.end(), breaksTheLine);
}

QString asOneLine(QString text)
{
    if (isOneLine(text))
        return text;
    for (QChar &c : text) {
        if (breaksTheLine(c))
            c = u' ';
    }
    return text;
}

QString suggestedFileName(const QString &away, const QString &home, QDate date, const QString &extension)
{
    return QStringLiteral("%1 at %2 %3%4")
        .arg(fileNamePart(away, sideName(Side::Away)), fileNamePart(home, sideName(Side::Home)),
             date.toString(Qt::ISODate), extension);
}

QString suggestedFileName(const QString &title, const QString &extension)
{
    return fileNamePart(title, QStringLiteral("Chart")) + extension;
}
