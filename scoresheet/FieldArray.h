#pragma once

#include "scoresheet/Field.h"

#include <QString>
#include <QStringView>

#include <vector>

// A column of fields under one name, told apart by a 16-bit index from first to last.
// An element 0, where a column has one, is the column's hidden slot: it is never
// shown and never summed.
class FieldArray
{
public:
    // caption says in plain words what the column is ("away team's batting H column"),
    // for messages.
    FieldArray(const QString &name, const QString &caption, qint16 first, qint16 last, Entry entry);

    FieldArray(const FieldArray &) = delete;
    FieldArray &operator=(const FieldArray &) = delete;

    const QString &name() const { return m_name; }
    const QString &caption() const { return m_caption; }
    qint16 first() const { return m_first; }
    qint16 last() const { return m_last; }
    bool contains(int index) const { return index >= m_first && index <= m_last; }
    // The row of the sheet where the element stands (sheetRow), for messages.
    int row(int index) const;

    // Unchecked: the index must lie in first..last.
    Field &operator[](int index) { return m_fields[size_t(index - m_first)]; }
    const Field &operator[](int index) const { return m_fields[size_t(index - m_first)]; }

    // Every element gets the same handler, called with the element's index.
    void setHandler(const Field::Handler &handler);

    std::vector<Field>::iterator begin() { return m_fields.begin(); }
    std::vector<Field>::iterator end() { return m_fields.end(); }

private:
    QString m_name;
    QString m_caption;
    std::vector<Field> m_fields; // built once; elements never move afterwards
    qint16 m_first;
    qint16 m_last;
};
