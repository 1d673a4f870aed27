#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

#include <optional>

// A sheet kept safe outside its game file: one the user left with changes not saved to a
// file, or one a run left open when it ended without closing it.
struct KeptSheet
{
    QString id;        // stays the sheet's while it is kept
    QString path;      // the game file the store keeps it in
    QString boundFile; // the game file the sheet belonged to when it was kept; empty for a new sheet
    QDateTime keptAt;
};

// Where the scoresheet keeps what it must never lose: the sheet of the window that is open
// (kept a moment after every change, so that a crash loses nothing), and every sheet that
// left a window with changes not saved to a file. A kept sheet stays until it is saved to
// a file or deleted; the oldest give way only past MaxKept sheets or MaxKeptDays days.
// The window speaks to it in intents; what goes wrong is told through failed(), and the
// store goes on as well as it can.
class SheetStore : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxKept = 100;
    static constexpr int MaxKeptDays = 90;

    // The sheet this program left open when it last ended without closing it (a crash, a
    // power cut), or nothing. Taking it keeps it among the kept sheets, so that declining
    // to restore it loses nothing; it is handed over once.
    virtual std::optional<KeptSheet> takeUnfinishedSheet() = 0;
    // The open window's sheet as it is now, and the file it belongs to.
    virtual void keepOpenSheet(const QByteArray &game, const QString &boundFile) = 0;
    // The window closes, by any path. A sheet with changes not saved to a file is kept (in
    // place of the kept sheet it was restored from, when replacing names one); the open
    // sheet is then let go. Should keeping fail, the open sheet stays for the next run.
    virtual void closeCleanly(const std::optional<QByteArray> &unsaved, const QString &boundFile,
                              const QString &replacing) = 0;
    // A sheet leaves the window with changes not saved to a file (a new game, another game
    // opened over it): it is kept, in place of the kept sheet replacing when given. Returns
    // its id; empty when it could not be kept (and failed() has said why).
    virtual QString keep(const QByteArray &game, const QString &boundFile, const QString &replacing) = 0;
    // The kept sheets, newest first.
    virtual QList<KeptSheet> keptSheets() const = 0;
    // A kept sheet is saved to a file, or the user deletes it.
    virtual void forget(const QString &id) = 0;
    // Where the sheets are kept, for messages.
    virtual QString folder() const = 0;

Q_SIGNALS:
    // Something could not be kept; reason is a phrase for the user.
    void failed(const QString &reason);
};

// A store that keeps nothing: for a program that was told not to keep sheets.
class NullSheetStore final : public SheetStore
{
public:
    std::optional<KeptSheet> takeUnfinishedSheet() override { return std::nullopt; }
    void keepOpenSheet(const QByteArray &, const QString &) override {}
    void closeCleanly(const std::optional<QByteArray> &, const QString &, const QString &) override {}
    QString keep(const QByteArray &, const QString &, const QString &) override { return {}; }
    QList<KeptSheet> keptSheets() const override { return {}; }
    void forget(const QString &) override {}
    QString folder() const override { return {}; }
};
