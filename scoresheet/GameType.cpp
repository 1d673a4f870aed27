#include "scoresheet/GameType.h"

#include <array>

namespace {
constexpr std::array<std::pair<GameType, const char16_t *>, 3> Names = {{
    {GameType::Regular, u"regular"},
    {GameType::Postseason, u"postseason"},
    {GameType::Exhibition, u"exhibition"},
}};
} // namespace

QString gameTypeName(GameType type)
{
    for (const auto &[known, name] : Names)
        if (known == type)
            return QString::fromUtf16(name);
    return {};
}

std::optional<GameType> gameTypeFromName(QStringView name)
{
    for (const auto &[known, word] : Names)
        if (name == QStringView(word))
            return known;
    return std::nullopt;
}
