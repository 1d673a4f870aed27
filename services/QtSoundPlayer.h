#pragma once

#include "roll/SoundPlayer.h"

#include <QString>

#include <memory>

class QSoundEffect;

// The dice sound through Qt Multimedia. One instance serves the whole application
// (main owns it), so a press in either window cuts short a sound that still plays.
// A missing or unplayable file plays nothing and says nothing. Make it after the
// QApplication: the audio backend is reached through it.
class QtSoundPlayer final : public SoundPlayer
{
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;

    QtSoundPlayer(const QtSoundPlayer &) = delete;
    QtSoundPlayer &operator=(const QtSoundPlayer &) = delete;

    void preload(const QString &file) override;
    void play(const QString &file) override;

    // The file last handed to the player, empty before the first one that exists.
    QString loadedFile() const;

    // The longest the destructor lets a sample that is still loading finish.
    static constexpr int LoadWaitMs = 2000;

private:
    bool load(const QString &file);

    std::unique_ptr<QSoundEffect> m_effect;
    QString m_file;
};
