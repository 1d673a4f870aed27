#pragma once

#include <QtGlobal>

// The five small integers that belong to the application rather than to a window.
// They start at 0 and keep their values while windows come and go; the application
// owns one instance and hands it to every window (tests make their own).
struct ModGeneral
{
    qint16 CurrentRow = 0; // inning row whose pull counter was last asked for
    qint16 PitchHitsA = 0; // inning hits total of the away half, as last computed
    qint16 PitchHitsH = 0; // inning hits total of the home half, as last computed
    qint16 Resetting = 0;  // 1 while a reset clears the sheet
    qint16 SoundOn = 0;    // 1: rolls shuffle behind the dice sound; 0: rolls show at once
};
