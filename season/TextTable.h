#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// Rows of text in aligned columns, for a monospaced font: a box score pasted into a
// message or a forum post. A column is as wide as its widest cell, counted in characters
// as the reader sees them (an accented letter written with a combining mark is one);
// cells are left- or right-aligned and one blank apart; no line ends in blanks.
class TextTable
{
public:
    enum class Align { Left, Right };

    explicit TextTable(std::vector<Align> columns);

    // One row; missing cells are blank, extra ones are dropped.
    void addRow(const QStringList &cells);
    QStringList lines() const;

    // The characters a reader sees in text: grapheme clusters, bidirectional isolates left out.
    static int width(QStringView text);
    // text, cut to at most most characters ("…" last) so that one long name cannot widen
    // every line of a table.
    static QString fitted(const QString &text, int most);
    // text set apart from the line's left-to-right columns when it holds right-to-left
    // letters (between the isolates U+2068 and U+2069), so that a Hebrew or Arabic name
    // does not pull the figures beside it out of place.
    static QString isolated(const QString &text);

private:
    std::vector<Align> m_align;
    std::vector<QStringList> m_rows;
};
