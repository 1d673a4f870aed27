#include "scoresheet/Field.h"

#include <QtGlobal>

#include <cstring>

Field::Field(const SheetColumn &column, Side side, const QString &name, qint16 index)
    : m_column(&column)
    , m_name(name)
    , m_index(index)
    , m_side(side)
{
    // The column's table holds the initial text for good: the field shares it until written.
    const QStringView initial(column.initialText);
    if (!initial.isEmpty())
        m_text = QString::fromRawData(initial.data(), initial.size());
}

QString Field::objectName() const
{
    if (!m_column->array)
        return m_name;
    return m_name + u'_' + QString::number(m_index);
}

void Field::write(QStringView text)
{
    if (QStringView(m_text) == text)
        return;
    replace(text);
    if (m_handler)
        m_handler(m_index);
}

void Field::restoreText(QStringView text)
{
    if (QStringView(m_text) != text)
        replace(text);
}

void Field::replace(QStringView text)
{
    assign(text);
    if (m_view)
        m_view(m_text);
}

// Copies into the field's own buffer when it is big enough, so that the totals
// rewritten on every keystroke cost no allocation once a field has held a text.
void Field::assign(QStringView text)
{
    const qsizetype size = text.size();
    if (m_text.isDetached() && m_text.capacity() >= size) {
        m_text.resize(size); // keeps the buffer: it is ours and large enough
        if (size > 0)
            std::memmove(m_text.data(), text.data(), size_t(size) * sizeof(QChar));
        return;
    }
    QString fresh;
    fresh.reserve(qMax<qsizetype>(size, 8));
    fresh.append(text);
    m_text = std::move(fresh);
}
