#pragma once

#include "roll/Roll.h"
#include "ui/Twips.h"
#include "ui/art/Art.h"

#include <array>

// Where the pieces of a roll panel stand, in twips from the panel's origin.
// Two variants: the roller window's full panel, and the band in the scoresheet's Frame2.

// Where one die stands and where its value's label stands on it, in the order of the dice
// table (dice()).
struct DieLayout
{
    TwipRect dieRect;
    TwipRect labelRect;
};

struct BoxPictureLayout
{
    const char *objectName;
    Art::Picture picture;
    int left; // twips
    int top;
};

struct RollPanelLayout
{
    std::array<DieLayout, Roll::FieldCount> dice;
    std::array<BoxPictureLayout, 3> pictures; // back to front; unused entries have no objectName
    TwipRect cmdRoll;
    TwipRect cmdLinescore; // width 0 where the variant has none
};

const RollPanelLayout &rollerPanelLayout();
const RollPanelLayout &scoresheetPanelLayout();
