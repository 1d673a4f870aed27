#pragma once

#include "services/SoundPlayer.h"

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

    // The file currently loaded, empty when none is (a missing file is never loaded).
    QString loadedFile() const;

private:
    bool load(const QString &file);

    std::unique_ptr<QSoundEffect> m_effect;
    QString m_file;
};
