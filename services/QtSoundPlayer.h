#pragma once

#include "roll/SoundPlayer.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class QAudioSink;
class QBuffer;

// The dice sound through Qt Multimedia's audio output. The wave file is decoded once
// into memory; every play opens a fresh output stream over those bytes, and the stream
// of the play before is closed once the new one runs, or as soon as its sound has ended.
// Nothing is kept open between plays, so a sound server that ages or drops an idle
// stream cannot silence the next roll. One instance serves the whole application
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
    // Whether that file decoded into a sound the player can play.
    bool hasSample() const { return !m_samples.isEmpty(); }

private:
    struct Voice;

    bool load(const QString &file);
    void retireLater(Voice *voice);

    QString m_file;
    QAudioFormat m_format;
    QByteArray m_samples;
    std::vector<std::unique_ptr<Voice>> m_retired; // ended plays, closed on the next turn of the event loop
    std::unique_ptr<Voice> m_voice;
    QObject m_anchor; // receives the streams' signals; goes first, so none arrives during destruction
};
