#pragma once

#include "season/ReportTable.h"
#include "ui/season/print/BookPage.h"

#include <QFont>
#include <QString>

#include <memory>
#include <vector>

class PrintTable;
class TextMeasure;

// Lays texts and tables out on book pages from the top down: a heading stays with what
// follows it, a long table runs on over pages with its caption and header again, two
// tables may stand side by side, and a group (a box score) moves to a new page whole when
// it would not fit on what is left of this one. Every page gets a footer with its number.
class BookLayout
{
public:
    explicit BookLayout(const QString &footer);
    ~BookLayout();

    void heading(const QString &text, int level = 1);
    void paragraph(const QString &text);
    void table(const ReportTable &table);
    void tablesSideBySide(const ReportTable &left, const ReportTable &right);
    void beginGroup();
    void endGroup();
    void newPage();

    // The pages laid out, each footer numbered "page N of M"; the layout is empty after.
    std::vector<std::unique_ptr<BookPage>> takePages();

private:
    struct Block
    {
        QString text;
        QFont font;
        bool heading = false;
        std::shared_ptr<const PrintTable> table;
        std::shared_ptr<const PrintTable> right; // beside table
    };

    void add(Block block);
    double heightOf(const Block &block) const;
    void place(const Block &block);
    void placeText(const Block &block);
    void placeTable(const std::shared_ptr<const PrintTable> &table);
    BookPage &page();
    double room() const;

    QString m_footer;
    std::unique_ptr<TextMeasure> m_measure;
    std::vector<std::unique_ptr<BookPage>> m_pages;
    double m_y = 0;
    bool m_grouping = false;
    std::vector<Block> m_group;
};
