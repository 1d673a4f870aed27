#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <functional>
#include <memory>

class QLockFile;

// Where the scoresheet keeps its sheet between saves, in the user's data folder. A
// running program takes one slot, guarded by a lock file, so two running copies never
// write over each other. A slot holds the sheet of the window that is open (written
// about a second after every change), a marker that stays while that window is open,
// and the sheet of the last window that closed. A marker found when a slot is taken
// means the program that had the slot ended with a sheet open: it crashed or was killed.
class AutosaveStore
{
public:
    static constexpr int MaxSlots = 16;

    // folder is made when needed; nothing is taken until claim().
    explicit AutosaveStore(QString folder);
    ~AutosaveStore();

    AutosaveStore(const AutosaveStore &) = delete;
    AutosaveStore &operator=(const AutosaveStore &) = delete;

    // The user's autosave folder of this program (QStandardPaths::AppDataLocation).
    static QString defaultFolder();

    // Takes the first slot no other running copy holds. False, with the reason, when
    // the folder cannot be made or every slot is taken.
    bool claim(QString *error);
    bool isClaimed() const { return m_slot > 0; }
    int slot() const { return m_slot; }
    const QString &folder() const { return m_folder; }

    // A sheet of an earlier run that was open when that run ended, still to be dealt with.
    bool hasUnfinishedSheet() const;
    QString unfinishedPath() const { return path(QStringLiteral("open.quorvel")); }
    // Keeps the unfinished sheet as the last closed one (the user did not want it back now).
    void keepUnfinishedAsLast();

    // A window opens its sheet / closes it cleanly (having written it with writeLast).
    bool markOpen(QString *error);
    void markClosed();

    // The open window's sheet, and the sheet of the last window that closed. Both wait
    // for the writes still under way in the background first.
    bool writeOpen(const QByteArray &bytes, QString *error);
    bool writeLast(const QByteArray &bytes, QString *error);
    // Writes the open window's sheet on a thread of the store's own, in the order given,
    // so that the disk never holds up typing; a failure reaches failed on this thread.
    void writeOpenInBackground(const QByteArray &bytes, std::function<void(const QString &error)> failed);
    // Returns once every background write has ended.
    void waitForWrites();
    QString lastPath() const { return path(QStringLiteral("last.quorvel")); }

private:
    QString path(const QString &name) const;
    // Writes one of the slot's files once the background writes are done.
    bool writeNow(const QString &file, const QByteArray &bytes, QString *error);

    QString m_folder;
    int m_slot = 0;
    std::unique_ptr<QLockFile> m_lock;
    QObject m_replies; // where a background write's failure is delivered, on the store's thread
    QThreadPool m_writer;
};
