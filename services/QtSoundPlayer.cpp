#include "services/QtSoundPlayer.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer()
    : m_effect(std::make_unique<QSoundEffect>())
{
}

QtSoundPlayer::~QtSoundPlayer()
{
    // Qt's sample cache can hang the program's exit when a sample is still being decoded
    // then (its loader thread is joined under a lock the loader needs). Decoding takes
    // milliseconds; let it finish first, but never wait long.
    if (m_effect->status() == QSoundEffect::Loading) {
        QEventLoop loop;
        QObject::connect(m_effect.get(), &QSoundEffect::statusChanged, &loop, &QEventLoop::quit);
        QTimer::singleShot(LoadWaitMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

QString QtSoundPlayer::loadedFile() const
{
    return m_file;
}

void QtSoundPlayer::preload(const QString &file)
{
    load(file);
}

void QtSoundPlayer::play(const QString &file)
{
    if (!load(file))
        return;
    // Stopping first makes a second press start the rattle again from its beginning.
    // While the sample is still being decoded, play() is held until it is ready.
    m_effect->stop();
    m_effect->play();
}

bool QtSoundPlayer::load(const QString &file)
{
    // A file that is not there is never handed to the player: no default sound, no
    // warning, and it is looked for again on the next press.
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return false;
    if (file != m_file) {
        m_file = file;
        m_effect->setSource(QUrl::fromLocalFile(file));
    }
    // A file that could not be decoded stays silent.
    return m_effect->status() != QSoundEffect::Error;
}
