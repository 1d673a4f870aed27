#pragma once

#include "roll/SoundPlayer.h"

#include <QString>
#include <QStringList>

#include <memory>

// The program's sound player, kept out of start-up and out of memory until the dice
// sound is first played. The player that plays (QtSoundPlayer, with Qt Multimedia, the
// sound server's client and their codecs under it, a score of libraries in all) lives in
// a module of its own; the first play() loads it and makes the player, which then reads
// the sound file. A program whose dice roll in silence never loads it. Without the module
// (a broken installation) the dice roll in silence, as they do without the sound file,
// and the error stream says once why.
class DeferredSoundPlayer final : public SoundPlayer
{
public:
    // moduleFolders: where to look for the module, first match wins.
    explicit DeferredSoundPlayer(QStringList moduleFolders = defaultModuleFolders());

    DeferredSoundPlayer(const DeferredSoundPlayer &) = delete;
    DeferredSoundPlayer &operator=(const DeferredSoundPlayer &) = delete;

    void preload(const QString &file) override;
    void play(const QString &file) override;

    // Whether the module has been loaded and the player made (false before the first play).
    bool hasPlayer() const { return m_player != nullptr; }

    // The program's folder, then the module folder of an installed program.
    static QStringList defaultModuleFolders();

    // The module in the first folder that has it, or an empty text.
    QString modulePath() const;

private:
    SoundPlayer *player();

    QStringList m_folders;
    std::unique_ptr<SoundPlayer> m_player;
    bool m_made = false; // a player was asked for, whether or not one came
};

// The sound player the program uses: the deferred one where the build made the module,
// otherwise the Qt Multimedia player linked into the program.
std::unique_ptr<SoundPlayer> createProgramSoundPlayer();

// Where the program's sound player is, as quorvel --data-paths tells it: the module's
// path, an empty text where it is missing, or a note that it is part of the program.
QString soundPlayerLocation();
