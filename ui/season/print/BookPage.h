#pragma once

#include "services/Printer.h"

#include <QFont>
#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

class PrintTable;

// One page of the season's printed book or of a box score on paper: texts and slices of
// tables placed by BookLayout, and a footer. Drawn in logical pixels at the size of a
// letter page's printable area; the page renderer scales it to the paper, as vectors.
class BookPage final : public PrintPage
{
public:
    static constexpr int Width = 720;
    static constexpr int Height = 960;

    struct Text
    {
        QRectF rect;
        QString text;
        QFont font;
    };
    struct TableSlice
    {
        std::shared_ptr<const PrintTable> table;
        QPointF at;
        int first = 0, last = 0;
        bool totals = false;
        bool continued = false;
    };

    void addText(Text text) { m_texts.push_back(std::move(text)); }
    void addTable(TableSlice slice) { m_tables.push_back(std::move(slice)); }
    void setFooter(const QString &left, const QString &right);

    const std::vector<Text> &texts() const { return m_texts; }
    const std::vector<TableSlice> &tables() const { return m_tables; }

    QSize size() const override { return {Width, Height}; }
    void paint(QPainter &painter) const override;

private:
    std::vector<Text> m_texts;
    std::vector<TableSlice> m_tables;
    QString m_footerLeft, m_footerRight;
};
