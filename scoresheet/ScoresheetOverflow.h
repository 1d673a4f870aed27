#pragma once

#include <QString>

#include <stdexcept>

// A total left the 16-bit range, or a number was too large to count with at all.
// The handler that raised it stops at that step; what it wrote before stays.
class ScoresheetOverflow : public std::runtime_error
{
public:
    // fieldName is the field or array that overflowed ("txtHitA"), empty when the
    // number rules raise it on their own; index is -1 when no element is concerned.
    ScoresheetOverflow(const QString &message, const QString &fieldName = {}, int index = -1);

    // A plain sentence for the user, naming what overflowed.
    QString message() const { return m_message; }
    const QString &fieldName() const { return m_fieldName; }
    int index() const { return m_index; }

private:
    QString m_message;
    QString m_fieldName;
    int m_index;
};
