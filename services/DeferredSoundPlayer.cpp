#include "services/DeferredSoundPlayer.h"

#ifdef QUORVEL_SOUND_MODULE_FILE

#include "services/SoundModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <cstdio>

DeferredSoundPlayer::DeferredSoundPlayer(QStringList moduleFolders)
    : m_folders(std::move(moduleFolders))
{
}

QStringList DeferredSoundPlayer::defaultModuleFolders()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {program, QDir::cleanPath(program + QStringLiteral("/../") + QLatin1String(SoundModule::InstalledFolder))};
}

QString DeferredSoundPlayer::modulePath() const
{
    for (const QString &folder : m_folders) {
        const QString path = QDir(folder).filePath(QLatin1String(SoundModule::FileName));
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

SoundPlayer *DeferredSoundPlayer::player()
{
    if (m_made)
        return m_player.get();
    m_made = true;
    const QString path = modulePath();
    QLibrary module(path);
    const auto create = reinterpret_cast<SoundModule::CreatePlayer>(
        path.isEmpty() ? nullptr : module.resolve(SoundModule::CreatePlayerSymbol));
    if (!create) {
        const QString why = path.isEmpty()
                                ? QStringLiteral("%1 was not found in %2")
                                      .arg(QLatin1String(SoundModule::FileName), m_folders.join(QStringLiteral(", ")))
                                : module.errorString();
        std::fprintf(stderr, "quorvel: the dice sound is off: %s\n", qPrintable(why));
        return nullptr;
    }
    m_player.reset(create());
    return m_player.get();
}

void DeferredSoundPlayer::preload(const QString &file)
{
    // Before the first play there is no player to read the file: it reads it at that play.
    if (m_player)
        m_player->preload(file);
}

void DeferredSoundPlayer::play(const QString &file)
{
    if (SoundPlayer *real = player())
        real->play(file);
}

std::unique_ptr<SoundPlayer> createProgramSoundPlayer()
{
    return std::make_unique<DeferredSoundPlayer>();
}

QString soundPlayerLocation()
{
    return DeferredSoundPlayer().modulePath();
}

#else

#include "services/QtSoundPlayer.h"

// Where the program is deployed with Qt's deployment tools (Windows, macOS), the player is
// linked in: those tools bring along only the libraries the program itself links.
std::unique_ptr<SoundPlayer> createProgramSoundPlayer()
{
    return std::make_unique<QtSoundPlayer>();
}

QString soundPlayerLocation()
{
    return QStringLiteral("(part of the program)");
}

#endif
