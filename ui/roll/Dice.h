#pragma once

#include "roll/Roll.h"
#include "ui/art/Art.h"

#include <QColor>
#include <QString>

#include <array>

// The one table of the fourteen dice, in the order of Roll::values(): what each is called,
// what it looks like and what a screen reader calls it. The roll
// panel, its layouts and the roll history all read it.
struct Die
{
    const char *name;     // "Who1": the result label is "lblWho1"
    const char *header;   // its column in the roll history: "WHO", "R 1st"
    const char *spoken;   // what a screen reader calls it: "WHO, first die"
    Art::Picture picture; // the die under the value
    QColor background;    // the value's label: the die's colour...
    QColor text;          // ...and the value's
    double points;        // twenty-sided values are larger than ten-sided ones

    // "lblWho1", the result label's object name.
    QString labelName() const;
    QString spokenName() const;
    QString historyHeader() const;
};

const std::array<Die, Roll::FieldCount> &dice();
const Die &die(int index);

// "imgDice_3": the picture of the die with index 2 (the pictures count from 1).
QString diePictureName(int index);
