#pragma once

#include <QString>

#include <optional>
#include <stdexcept>

// A field was asked for by a name or index that the sheet does not have.
class FieldLookupError : public std::out_of_range
{
public:
    // No index when a single field was asked for.
    FieldLookupError(const QString &name, std::optional<int> index, const QString &reason);

    const QString &name() const { return m_name; }
    std::optional<int> index() const { return m_index; }

private:
    QString m_name;
    std::optional<int> m_index;
};
