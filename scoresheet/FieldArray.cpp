#include "scoresheet/FieldArray.h"

FieldArray::FieldArray(const SheetColumn &column, Side side)
    : m_column(column)
    , m_side(side)
    , m_name(column.name(side))
{
    m_fields.reserve(size_t(column.last - column.first + 1));
    for (int i = column.first; i <= column.last; ++i)
        m_fields.emplace_back(column, side, m_name, qint16(i));
}

QString FieldArray::caption() const
{
    return QStringLiteral("%1 team's %2").arg(sideWord(m_side), QLatin1StringView(m_column.caption));
}

void FieldArray::setHandler(const Field::Handler &handler)
{
    for (Field &field : m_fields)
        field.setHandler(handler);
}
