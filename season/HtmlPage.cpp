#include "season/HtmlPage.h"

#include "season/MarkupText.h"

#include <QCoreApplication>

namespace {

QString esc(const QString &text)
{
    return MarkupText::escaped(text);
}

} // namespace

HtmlPage::HtmlPage(const QString &title, int depth)
    : m_prefix(QStringLiteral("../").repeated(depth))
{
    m_html.reserve(16 * 1024);
    m_html += QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\"/>\n"
                             "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"/>\n"
                             "<meta name=\"generator\" content=\"Quorvel Companion season report\"/>\n"
                             "<title>%1</title>\n<link rel=\"stylesheet\" href=\"%2\"/>\n</head>\n<body>\n")
                  .arg(esc(title), esc(link(QStringLiteral("style.css"))));
}

QString HtmlPage::link(const QString &path) const
{
    return m_prefix + path;
}

void HtmlPage::heading(int level, const QString &text, const QString &id)
{
    const QString attributes = id.isEmpty() ? QString() : QStringLiteral(" id=\"%1\"").arg(esc(id));
    m_html += QStringLiteral("<h%1%2 dir=\"auto\">%3</h%1>\n").arg(QString::number(level), attributes, esc(text));
}

void HtmlPage::paragraph(const QString &text, const QString &className)
{
    const QString attributes = className.isEmpty() ? QString() : QStringLiteral(" class=\"%1\"").arg(esc(className));
    m_html += QStringLiteral("<p%1 dir=\"auto\">%2</p>\n").arg(attributes, esc(text));
}

void HtmlPage::links(const std::vector<std::pair<QString, QString>> &items, const QString &className)
{
    if (items.empty())
        return;
    m_html += QStringLiteral("<ul class=\"%1\">\n").arg(esc(className));
    for (const auto &[text, path] : items)
        m_html += QStringLiteral("<li dir=\"auto\">%1</li>\n").arg(cellText({text, path}));
    m_html += QStringLiteral("</ul>\n");
}

QString HtmlPage::cellText(const ReportTable::Cell &cell) const
{
    if (cell.link.isEmpty())
        return esc(cell.text);
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(esc(link(cell.link)), esc(cell.text));
}

void HtmlPage::table(const ReportTable &table)
{
    m_html += QStringLiteral("<table class=\"%1\">\n").arg(esc(table.kind));
    if (!table.caption.isEmpty())
        m_html += QStringLiteral("<caption dir=\"auto\">%1</caption>\n").arg(esc(table.caption));
    m_html += QStringLiteral("<thead><tr>");
    for (const ReportTable::Column &column : table.columns)
        m_html += QStringLiteral("<th scope=\"col\"%1%2>%3</th>")
                      .arg(column.number ? QStringLiteral(" class=\"num\"") : QString(),
                           column.name ? QStringLiteral(" dir=\"auto\"") : QString(), esc(column.header));
    m_html += QStringLiteral("</tr></thead>\n");
    const auto row = [&](const ReportTable::Row &cells) {
        m_html += QStringLiteral("<tr>");
        for (std::size_t i = 0; i < table.columns.size(); ++i) {
            const ReportTable::Column &column = table.columns[i];
            const ReportTable::Cell cell = i < cells.size() ? cells[i] : ReportTable::Cell{};
            // The first column names the row: a header cell for those who hear the table.
            const QString element = i == 0 ? QStringLiteral("th") : QStringLiteral("td");
            m_html += QStringLiteral("<%1%2%3%4>%5</%1>")
                          .arg(element, i == 0 ? QStringLiteral(" scope=\"row\"") : QString(),
                               column.number ? QStringLiteral(" class=\"num\"") : QString(),
                               column.name ? QStringLiteral(" dir=\"auto\"") : QString(), cellText(cell));
        }
        m_html += QStringLiteral("</tr>\n");
    };
    m_html += QStringLiteral("<tbody>\n");
    for (const ReportTable::Row &cells : table.rows)
        row(cells);
    m_html += QStringLiteral("</tbody>\n");
    if (!table.totals.empty()) {
        m_html += QStringLiteral("<tfoot>\n");
        row(table.totals);
        m_html += QStringLiteral("</tfoot>\n");
    }
    m_html += QStringLiteral("</table>\n");
}

void HtmlPage::chart(const QString &svg, const ReportTable &alternative)
{
    m_html += QStringLiteral("<figure class=\"chart\">\n");
    m_html += svg;
    m_html += QStringLiteral("<details><summary>%1</summary>\n")
                  .arg(esc(QCoreApplication::translate("HtmlPage", "The chart as a table")));
    table(alternative);
    m_html += QStringLiteral("</details>\n</figure>\n");
}

void HtmlPage::preformatted(const QString &summary, const QString &text)
{
    m_html +=
        QStringLiteral("<details><summary>%1</summary>\n<pre>%2</pre>\n</details>\n").arg(esc(summary), esc(text));
}

void HtmlPage::beginSection(const QString &className)
{
    m_html += QStringLiteral("<section class=\"%1\">\n").arg(esc(className));
}

void HtmlPage::endSection()
{
    m_html += QStringLiteral("</section>\n");
}

QByteArray HtmlPage::finish()
{
    m_html += QStringLiteral("</body>\n</html>\n");
    return m_html.toUtf8();
}
