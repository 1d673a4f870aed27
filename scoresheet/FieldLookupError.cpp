#include "scoresheet/FieldLookupError.h"

namespace {

std::string describe(const QString &name, std::optional<int> index, const QString &reason)
{
    const QString what = index ? QStringLiteral("\"%1\" index %2").arg(name).arg(*index)
                               : QStringLiteral("\"%1\" (no index)").arg(name);
    return QStringLiteral("No scoresheet field %1: %2").arg(what, reason).toStdString();
}

} // namespace

FieldLookupError::FieldLookupError(const QString &name, std::optional<int> index, const QString &reason)
    : std::out_of_range(describe(name, index, reason))
    , m_name(name)
    , m_index(index)
{
}
