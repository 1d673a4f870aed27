#include "ui/season/print/BookLayout.h"

#include "ui/art/Fonts.h"
#include "ui/season/print/PrintTable.h"
#include "ui/season/print/TextMeasure.h"

#include <QCoreApplication>
#include <QFontMetricsF>

#include <algorithm>

namespace {

constexpr double Bottom = BookPage::Height - 20; // the footer's room below
constexpr double Gap = 8;                        // between blocks
constexpr double Beside = 16;                    // between tables side by side
constexpr qsizetype LongestText = 1000;          // a paragraph's characters on paper

QString shortened(const QString &text)
{
    return text.size() > LongestText ? text.left(LongestText) + u'…' : text;
}

} // namespace

BookLayout::BookLayout(const QString &footer)
    : m_footer(footer)
    , m_measure(std::make_unique<TextMeasure>(Fonts::font(7.5), Fonts::font(7.5, true)))
{
}

BookLayout::~BookLayout() = default;

BookPage &BookLayout::page()
{
    if (m_pages.empty())
        newPage();
    return *m_pages.back();
}

double BookLayout::room() const
{
    return m_pages.empty() ? Bottom : Bottom - m_y;
}

void BookLayout::newPage()
{
    m_pages.push_back(std::make_unique<BookPage>());
    m_y = 0;
}

void BookLayout::heading(const QString &text, int level)
{
    add({shortened(text), Fonts::font(level <= 1 ? 13 : 10, true), true, {}, {}});
}

void BookLayout::paragraph(const QString &text)
{
    add({shortened(text), Fonts::font(8), false, {}, {}});
}

void BookLayout::table(const ReportTable &table)
{
    add({{}, {}, false, std::make_shared<const PrintTable>(table, BookPage::Width, *m_measure), {}});
}

void BookLayout::tablesSideBySide(const ReportTable &left, const ReportTable &right)
{
    const double half = (BookPage::Width - Beside) / 2;
    add({{},
         {},
         false,
         std::make_shared<const PrintTable>(left, half, *m_measure),
         std::make_shared<const PrintTable>(right, half, *m_measure)});
}

void BookLayout::beginGroup()
{
    m_grouping = true;
}

void BookLayout::endGroup()
{
    m_grouping = false;
    double height = 0;
    for (const Block &block : m_group)
        height += heightOf(block) + Gap;
    if (height > room() && height <= Bottom)
        newPage();
    for (const Block &block : std::exchange(m_group, {}))
        place(block);
}

void BookLayout::add(Block block)
{
    if (m_grouping)
        m_group.push_back(std::move(block));
    else
        place(block);
}

double BookLayout::heightOf(const Block &block) const
{
    if (block.table) {
        const auto whole = [](const PrintTable &table) { return table.height(0, table.rowCount(), true); };
        return block.right ? std::max(whole(*block.table), whole(*block.right)) : whole(*block.table);
    }
    return QFontMetricsF(block.font)
        .boundingRect(QRectF(0, 0, BookPage::Width, 1e6), Qt::TextWordWrap, block.text)
        .height();
}

void BookLayout::place(const Block &block)
{
    if (block.table && !block.right) {
        placeTable(block.table);
    } else if (block.table) {
        const double height = heightOf(block);
        if (height > room() && m_y > 0)
            newPage();
        page().addTable({block.table, {0, m_y}, 0, block.table->rowCount(), true, false});
        page().addTable({block.right, {(BookPage::Width + Beside) / 2, m_y}, 0, block.right->rowCount(), true, false});
        m_y += height + Gap;
    } else {
        placeText(block);
    }
}

void BookLayout::placeText(const Block &block)
{
    const double height = heightOf(block);
    // A heading keeps the start of what follows it on its page.
    const double needed = block.heading ? height + 80 : height;
    if (needed > room() && m_y > 0)
        newPage();
    page().addText({QRectF(0, m_y, BookPage::Width, height), block.text, block.font});
    m_y += height + (block.heading ? Gap / 2 : Gap);
}

void BookLayout::placeTable(const std::shared_ptr<const PrintTable> &table)
{
    const int rows = table->rowCount();
    int first = 0;
    bool continued = false;
    while (true) {
        // The most rows that fit here; the last row goes on with the totals.
        int last = first;
        while (last < rows && table->height(first, last + 1, false) <= room())
            ++last;
        bool done = last == rows && table->height(first, rows, true) <= room();
        if (!done && last == rows && last > first)
            --last;
        if (!done && last == first) {
            if (m_y > 0) {
                newPage();
                continue;
            }
            // Taller than a whole page as it stands: a row at a time.
            last = std::min(first + 1, rows);
            done = last == rows;
        }
        page().addTable({table, {0, m_y}, first, last, done, continued});
        m_y += table->height(first, last, done) + Gap;
        if (done)
            break;
        first = last;
        continued = true;
        newPage();
    }
}

std::vector<std::unique_ptr<BookPage>> BookLayout::takePages()
{
    if (m_grouping)
        endGroup();
    const int count = int(m_pages.size());
    for (int i = 0; i < count; ++i)
        m_pages[std::size_t(i)]->setFooter(m_footer, QCoreApplication::translate("BookLayout", "page %1 of %2")
                                                         .arg(QString::number(i + 1), QString::number(count)));
    m_y = 0;
    return std::exchange(m_pages, {});
}
