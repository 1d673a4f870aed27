#include "services/AutosaveStore.h"

#include "services/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

AutosaveStore::AutosaveStore(QString folder)
    : m_folder(std::move(folder))
{
    // One writer: the sheets reach the disk in the order they were taken.
    m_writer.setMaxThreadCount(1);
}

AutosaveStore::~AutosaveStore()
{
    waitForWrites();
}

void AutosaveStore::waitForWrites()
{
    m_writer.waitForDone();
}

void AutosaveStore::writeOpenInBackground(const QByteArray &bytes, std::function<void(const QString &)> failed)
{
    if (!isClaimed()) {
        failed(QStringLiteral("no autosave slot could be taken"));
        return;
    }
    const QString path = unfinishedPath();
    m_writer.start([this, path, bytes, failed = std::move(failed)] {
        QString error;
        if (!writeFileAtomically(path, bytes, &error))
            QMetaObject::invokeMethod(
                &m_replies, [failed, error] { failed(error); }, Qt::QueuedConnection);
    });
}

QString AutosaveStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/autosave");
}

QString AutosaveStore::path(const QString &name) const
{
    return QStringLiteral("%1/sheet-%2-%3").arg(m_folder).arg(m_slot).arg(name);
}

bool AutosaveStore::claim(QString *error)
{
    if (isClaimed())
        return true;
    if (!QDir().mkpath(m_folder)) {
        if (error)
            *error = QStringLiteral("the folder could not be made");
        return false;
    }
    for (int slot = 1; slot <= MaxSlots; ++slot) {
        auto lock = std::make_unique<QLockFile>(QStringLiteral("%1/sheet-%2.lock").arg(m_folder).arg(slot));
        // A lock whose program is gone is taken over at once.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            m_slot = slot;
            m_lock = std::move(lock);
            return true;
        }
        if (lock->error() == QLockFile::PermissionError) {
            if (error)
                *error = QStringLiteral("the folder is not writable");
            return false;
        }
    }
    if (error)
        *error = QStringLiteral("%1 other copies of the program hold every autosave slot").arg(MaxSlots);
    return false;
}

bool AutosaveStore::hasUnfinishedSheet() const
{
    return isClaimed() && QFile::exists(path(QStringLiteral("open.marker"))) && QFile::exists(unfinishedPath());
}

void AutosaveStore::keepUnfinishedAsLast()
{
    waitForWrites();
    if (!hasUnfinishedSheet())
        return;
    QFile::remove(lastPath());
    QFile::rename(unfinishedPath(), lastPath());
    QFile::remove(path(QStringLiteral("open.marker")));
}

bool AutosaveStore::markOpen(QString *error)
{
    if (!isClaimed())
        return false;
    QFile marker(path(QStringLiteral("open.marker")));
    if (!marker.open(QIODevice::WriteOnly)) {
        if (error)
            *error = marker.errorString();
        return false;
    }
    return true;
}

void AutosaveStore::markClosed()
{
    if (!isClaimed())
        return;
    waitForWrites();
    QFile::remove(unfinishedPath());
    QFile::remove(path(QStringLiteral("open.marker")));
}

bool AutosaveStore::writeNow(const QString &file, const QByteArray &bytes, QString *error)
{
    waitForWrites();
    if (!isClaimed()) {
        if (error)
            *error = QStringLiteral("no autosave slot could be taken");
        return false;
    }
    return writeFileAtomically(file, bytes, error);
}

bool AutosaveStore::writeOpen(const QByteArray &bytes, QString *error)
{
    return writeNow(unfinishedPath(), bytes, error);
}

bool AutosaveStore::writeLast(const QByteArray &bytes, QString *error)
{
    return writeNow(lastPath(), bytes, error);
}
