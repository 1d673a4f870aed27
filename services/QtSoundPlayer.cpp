#include "services/QtSoundPlayer.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtSoundPlayer::QtSoundPlayer()
    : m_effect(std::make_unique<QSoundEffect>())
{
}

QtSoundPlayer::~QtSoundPlayer() = default;

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
    if (file == m_file && !m_file.isEmpty())
        return m_effect->status() != QSoundEffect::Error;

    // A file that is not there is never handed to the player: no default sound, no
    // warning, and it is looked for again on the next press.
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        if (!m_file.isEmpty()) {
            m_effect->stop();
            m_effect->setSource(QUrl());
            m_file.clear();
        }
        return false;
    }
    m_file = file;
    m_effect->setSource(QUrl::fromLocalFile(file));
    return true;
}
