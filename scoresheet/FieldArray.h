#pragma once

#include "scoresheet/Field.h"

#include <QString>

#include <vector>

// A column of fields under one name, told apart by a 16-bit index from first to last.
// An element 0, where a column has one, is the column's hidden slot: it is never
// shown and never summed.
class FieldArray
{
public:
    FieldArray(const SheetColumn &column, Side side);

    FieldArray(const FieldArray &) = delete;
    FieldArray &operator=(const FieldArray &) = delete;

    const SheetColumn &column() const { return m_column; }
    Side side() const { return m_side; }
    const QString &name() const { return m_name; }
    // What the column is in plain words ("away team's batting H column"), for messages.
    QString caption() const;
    qint16 first() const { return m_column.first; }
    qint16 last() const { return m_column.last; }
    bool contains(int index) const { return m_column.contains(index); }
    // The row of the sheet where the element stands, for messages.
    int row(int index) const { return m_column.row(m_side, index); }

    // Unchecked: the index must lie in first..last.
    Field &operator[](int index) { return m_fields[size_t(index - first())]; }
    const Field &operator[](int index) const { return m_fields[size_t(index - first())]; }

    // Every element gets the same handler, called with the element's index.
    void setHandler(const Field::Handler &handler);

    std::vector<Field>::iterator begin() { return m_fields.begin(); }
    std::vector<Field>::iterator end() { return m_fields.end(); }

private:
    const SheetColumn &m_column;
    Side m_side;
    QString m_name;
    std::vector<Field> m_fields; // built once; elements never move afterwards
};
