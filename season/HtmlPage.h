#pragma once

#include "season/ReportTable.h"

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

// One page of the season's report as it is written: HTML5 that is also well-formed XML
// (void elements closed, only the entities XML knows), every text escaped, names in
// their own direction (dir="auto"), links relative to the page. No script, nothing
// from a network: the page reads from the disk as it is.
class HtmlPage
{
public:
    // depth: how many folders below the report's folder the page stands (0 for index.html).
    HtmlPage(const QString &title, int depth);

    // A link to a file of the report, given from the report's folder, as this page reaches it.
    QString link(const QString &path) const;

    void heading(int level, const QString &text, const QString &id = {});
    void paragraph(const QString &text, const QString &className = {});
    // A list of links; an empty path is a text without a link.
    void links(const std::vector<std::pair<QString, QString>> &items, const QString &className);
    void table(const ReportTable &table);
    // An inline SVG chart with its table as the text alternative (folded away under it).
    void chart(const QString &svg, const ReportTable &alternative);
    // Text kept as it is, in a monospaced font, folded away under summary.
    void preformatted(const QString &summary, const QString &text);
    void beginSection(const QString &className);
    void endSection();

    // The whole page, UTF-8.
    QByteArray finish();

private:
    QString cellText(const ReportTable::Cell &cell) const;

    QString m_html;
    QString m_prefix;
};
