#pragma once

#include <QtGlobal>

// What the sheet's arithmetic carries from one keystroke to the next besides the
// fields' texts. A new sheet starts from zero.
struct SheetState
{
    qint16 pitchHitsA = 0;  // inning hits total of the away half, as last computed
    qint16 pitchHitsH = 0;  // inning hits total of the home half, as last computed
    qint16 currentRow = 0;  // inning row whose pull counter was last asked for
    bool resetting = false; // while a reset clears the sheet: the pull counters stand still

    bool operator==(const SheetState &) const = default;
};
