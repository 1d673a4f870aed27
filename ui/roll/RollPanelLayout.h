#pragma once

#include "roll/Roll.h"
#include "ui/Twips.h"
#include "ui/art/Art.h"

#include <QColor>

#include <array>

// Where the pieces of a roll panel stand, in twips from the panel's origin.
// Two variants: the roller window's full panel, and the band in the scoresheet's Frame2.

// One result label and the die under it. Labels are in the order of RollLabelNames;
// die is the element of the imgDice array.
struct DieLayout
{
    int die;
    Art::Picture picture;
    TwipRect dieRect;
    TwipRect labelRect;
};

// Colours and sizes that are the same in both variants.
struct ResultLabelLook
{
    QColor background;
    QColor text;
    double points;
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

const ResultLabelLook &resultLabelLook(int label);
const RollPanelLayout &rollerPanelLayout();
const RollPanelLayout &scoresheetPanelLayout();
