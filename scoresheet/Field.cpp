#include "scoresheet/Field.h"

#include <QtGlobal>

#include <cstring>

Field::Field(const QString &name, qint16 index, bool arrayElement, Entry entry, QStringView initialText)
    : m_name(name)
    , m_text(initialText.isNull() ? QString() : QString::fromRawData(initialText.data(), initialText.size()))
    , m_initialText(initialText)
    , m_index(index)
    , m_arrayElement(arrayElement)
    , m_entry(entry)
{
}

QString Field::objectName() const
{
    if (!m_arrayElement)
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
