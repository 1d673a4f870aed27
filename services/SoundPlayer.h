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

// The file a sound path names: blanks at its end are not part of the name.
inline QString soundFileName(const QString &path)
{
    qsizetype end = path.size();
    while (end > 0 && path.at(end - 1) == QLatin1Char(' '))
        --end;
    return path.left(end);
}

// Plays a wave file asynchronously without a default sound. The path may carry
// trailing blanks (the dice sound's name is built with one); they are not part of
// the file name that is looked up.
inline void PlaySoundFile(SoundPlayer &player, const QString &path)
{
    player.play(soundFileName(path));
}
