#pragma once

#include "services/SheetStore.h"

#include <QThreadPool>

#include <memory>

class Clock;
class QLockFile;

// The sheets kept in the user's data folder. A running program takes one slot there,
// guarded by a lock file, so two running copies never write over each other's open
// sheet; the kept sheets (kept/) are shared by all of them. An open sheet found in a slot
// when the slot is taken was left by a run that ended with its window open.
class AutosaveStore final : public SheetStore
{
public:
    static constexpr int MaxSlots = 16;

    // Takes the first slot of folder (made when needed) that no other running copy holds,
    // and keeps the open sheets that ended runs left in the slots nobody holds. Without a
    // slot the store keeps nothing, and says why at the first thing it is asked to do.
    AutosaveStore(QString folder, Clock &clock);
    ~AutosaveStore() override;

    // The user's autosave folder of this program (QStandardPaths::AppDataLocation).
    static QString defaultFolder();

    // 1 to MaxSlots; 0 when no slot could be taken.
    int slot() const { return m_slot; }
    // Returns once every background write has ended.
    void waitForWrites();

    std::optional<KeptSheet> takeUnfinishedSheet() override;
    void keepOpenSheet(const QByteArray &game, const QString &boundFile) override;
    void closeCleanly(const std::optional<QByteArray> &unsaved, const QString &boundFile,
                      const QString &replacing) override;
    QString keep(const QByteArray &game, const QString &boundFile, const QString &replacing) override;
    QList<KeptSheet> keptSheets() const override;
    void forget(const QString &id) override;
    QString folder() const override { return m_folder; }

private:
    bool claim();
    // The slot's files: "open.quorvel" and the "open.json" that says which file it belongs to.
    QString slotFile(int slot, const QString &name) const;
    QString keptFolder() const;
    // Moves a slot's open sheet (or an older program's last sheet) among the kept sheets.
    std::optional<KeptSheet> adopt(const QString &game, const QString &binding);
    bool writeKept(const QString &id, const QByteArray &game, const QString &boundFile, const QDateTime &at);
    void prune();
    // Tells a failure once for each different reason.
    void fail(const QString &reason);

    QString m_folder;
    Clock &m_clock;
    int m_slot = 0;
    QString m_problem; // why no slot could be taken
    QString m_lastFailure;
    std::unique_ptr<QLockFile> m_lock;
    QThreadPool m_writer;
};
