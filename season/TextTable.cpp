#include "season/TextTable.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

constexpr char16_t FirstStrongIsolate = u'\u2068';
constexpr char16_t PopDirectionalIsolate = u'\u2069';

} // namespace

TextTable::TextTable(std::vector<Align> columns)
    : m_align(std::move(columns))
{
}

void TextTable::addRow(const QStringList &cells)
{
    QStringList row = cells.mid(0, qsizetype(m_align.size()));
    while (row.size() < qsizetype(m_align.size()))
        row << QString();
    m_rows.push_back(row);
}

QStringList TextTable::lines() const
{
    std::vector<int> widths(m_align.size(), 0);
    for (const QStringList &row : m_rows)
        for (std::size_t column = 0; column < m_align.size(); ++column)
            widths[column] = std::max(widths[column], width(row[qsizetype(column)]));
    QStringList lines;
    for (const QStringList &row : m_rows) {
        QString line;
        for (std::size_t column = 0; column < m_align.size(); ++column) {
            const QString &cell = row[qsizetype(column)];
            const QString padding(widths[column] - width(cell), u' ');
            if (column > 0)
                line += u' ';
            line += m_align[column] == Align::Left ? cell + padding : padding + cell;
        }
        while (line.endsWith(u' '))
            line.chop(1);
        lines << line;
    }
    return lines;
}

int TextTable::width(QStringView text)
{
    // Plain ASCII, the usual case, is one character a letter.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f; }))
        return int(text.size());
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text.data(), text.size());
    int count = 0;
    qsizetype start = 0;
    for (qsizetype next = graphemes.toNextBoundary(); next >= 0; next = graphemes.toNextBoundary()) {
        const QStringView cluster = text.mid(start, next - start);
        if (cluster != QStringView(&FirstStrongIsolate, 1) && cluster != QStringView(&PopDirectionalIsolate, 1))
            ++count;
        start = next;
    }
    return count;
}

QString TextTable::fitted(const QString &text, int most)
{
    if (text.size() <= most || width(text) <= most)
        return text;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    qsizetype end = 0;
    for (int kept = 0; kept < most - 1; ++kept)
        end = graphemes.toNextBoundary();
    return text.left(end) + u'…';
}

QString TextTable::isolated(const QString &text)
{
    const bool rightToLeft = std::any_of(text.begin(), text.end(), [](QChar c) {
        const QChar::Direction direction = c.direction();
        return direction == QChar::DirR || direction == QChar::DirAL;
    });
    return rightToLeft ? FirstStrongIsolate + text + PopDirectionalIsolate : text;
}
