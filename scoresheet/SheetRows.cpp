#include "scoresheet/SheetRows.h"

#include <array>

namespace {
struct Swapped
{
    int element;
    int row;
};

constexpr std::array<Swapped, 3> AwayHits = {{{7, 5}, {5, 6}, {6, 7}}};
} // namespace

int sheetRow(QStringView arrayName, int element)
{
    if (arrayName == u"txtHitA")
        for (const Swapped &s : AwayHits)
            if (s.element == element)
                return s.row;
    return element;
}
