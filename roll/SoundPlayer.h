#pragma once

#include <QString>

// Plays a wave file in the background. Implementations never play a default sound:
// a missing or unplayable file plays nothing, and nothing is reported.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;

    // Loads the file ahead of time so that the first play() starts at once.
    virtual void preload(const QString &file) = 0;

    // Starts the file from its beginning and returns at once; a sound still
    // playing from an earlier call is cut short.
    virtual void play(const QString &file) = 0;
};
