#include "scoresheet/FieldArray.h"

#include "scoresheet/SheetRows.h"

FieldArray::FieldArray(const QString &name, const QString &caption, qint16 first, qint16 last, Entry entry)
    : m_name(name)
    , m_caption(caption)
    , m_first(first)
    , m_last(last)
{
    m_fields.reserve(size_t(last - first + 1));
    for (int i = first; i <= last; ++i)
        m_fields.emplace_back(m_name, qint16(i), true, i == 0 ? Entry::Hidden : entry);
}

int FieldArray::row(int index) const
{
    return sheetRow(m_name, index);
}

void FieldArray::setHandler(const Field::Handler &handler)
{
    for (Field &field : m_fields)
        field.setHandler(handler);
}
