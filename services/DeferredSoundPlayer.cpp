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

DeferredSoundPlayer::~DeferredSoundPlayer()
{
    // A load still running finishes before the program goes on to end.
    if (m_loading.valid())
        m_loading.wait();
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

void DeferredSoundPlayer::startLoading()
{
    if (m_loading.valid() || m_made)
        return;
    const QString path = modulePath();
    if (path.isEmpty())
        return;
    // Only the loading runs on the worker thread: the player itself is made on the
    // thread that plays, when it is first needed.
    m_loading = std::async(std::launch::async, [path] { return QLibrary(path).load(); });
}

SoundPlayer *DeferredSoundPlayer::player()
{
    if (m_made)
        return m_player.get();
    m_made = true;
    if (m_loading.valid())
        m_loading.get();
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
    if (m_player) {
        m_player->preload(file);
        return;
    }
    // The file is read by the player, at its first play; the module is brought in now.
    startLoading();
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
