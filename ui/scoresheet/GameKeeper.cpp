#include "ui/scoresheet/GameKeeper.h"

#include "roll/RollHistory.h"
#include "roll/Timer.h"
#include "scoresheet/GameFile.h"
#include "scoresheet/Scoresheet.h"
#include "scoresheet/TextRules.h"
#include "services/AtomicFile.h"
#include "services/AutosaveStore.h"
#include "services/FileDialogs.h"
#include "services/Prompter.h"
#include "ui/WindowContext.h"
#include "ui/scoresheet/SheetEdit.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPointer>
#include <QStandardPaths>
#include <QUndoStack>
#include <QWidget>

#ifndef QUORVEL_VERSION
#define QUORVEL_VERSION "unknown"
#endif

namespace {
// Where a new game is saved and opened from: the documents folder, or home where a
// desktop has none.
QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}
} // namespace

GameKeeper::GameKeeper(WindowContext &context, Scoresheet &sheet, QUndoStack &history, RollHistory &rolls,
                       QWidget *window)
    : QObject(window)
    , m_context(context)
    , m_sheet(sheet)
    , m_history(history)
    , m_rolls(rolls)
    , m_window(window)
    , m_autosaveTimer(context.timers.create(window, QStringLiteral("autosaveTimer"), AutosaveDelayMs))
{
    m_autosaveTimer->setTickHandler([this] {
        m_autosaveTimer->setEnabled(false);
        autosave();
    });
    // A roll is part of the game: it is kept safe like an edit, without being one.
    connect(&m_rolls, &RollHistory::added, this, &GameKeeper::sheetChanged);
    connect(&m_rolls, &RollHistory::reset, this, &GameKeeper::sheetChanged);
}

GameKeeper::~GameKeeper() = default;

QByteArray GameKeeper::currentGame() const
{
    return GameFile::serialize(GameSnapshot::capture(m_sheet), QStringLiteral(QUORVEL_VERSION),
                               QDateTime::currentDateTime(), m_rolls.toJson());
}

void GameKeeper::sheetChanged()
{
    // One restarted single-shot timer: typing saves once, a second after it pauses.
    m_autosaveTimer->setEnabled(false);
    m_autosaveTimer->setEnabled(true);
}

void GameKeeper::autosave()
{
    AutosaveStore *store = m_context.autosave;
    if (!store)
        return;
    // The sheet is taken here, in a fraction of a millisecond; the disk has it later.
    store->writeOpenInBackground(currentGame(), [keeper = QPointer<GameKeeper>(this)](const QString &error) {
        if (keeper)
            keeper->tellAutosaveFailure(error);
    });
}

void GameKeeper::tellAutosaveFailure(const QString &reason)
{
    if (m_autosaveFailureTold)
        return;
    m_autosaveFailureTold = true;
    const QString folder = m_context.autosave ? QDir::toNativeSeparators(m_context.autosave->folder()) : QString();
    m_context.prompter.inform(m_window, tr("The scoresheet cannot be kept safe in the folder\n%1\n(%2).\n"
                                           "You can go on; save the game with File, Save Game.")
                                            .arg(folder, reason));
}

void GameKeeper::windowClosing()
{
    m_autosaveTimer->setEnabled(false);
    AutosaveStore *store = m_context.autosave;
    if (!m_shown || !store || !store->isClaimed())
        return;
    QString error;
    if (store->writeLast(currentGame(), &error))
        store->markClosed();
    // A sheet that could not be kept stays where the last autosave put it, marked open,
    // so that the next scoresheet offers it back.
}

void GameKeeper::windowShown()
{
    AutosaveStore *store = m_context.autosave;
    if (m_shown || !store)
        return;
    m_shown = true;
    QString error;
    if (!store->isClaimed() && !store->claim(&error)) {
        tellAutosaveFailure(error);
        return;
    }
    if (store->hasUnfinishedSheet())
        offerUnfinishedSheet(*store);
    if (!store->markOpen(&error))
        tellAutosaveFailure(error);
}

OpenedGame GameKeeper::load(const QString &path) const
{
    OpenedGame opened = GameFile::load(path, m_sheet);
    if (opened.ok() && !RollHistory::isValid(opened.rolls)) {
        opened = OpenedGame();
        opened.error = tr("The file's rolls are not rolls of the game's dice.");
    }
    return opened;
}

void GameKeeper::offerUnfinishedSheet(AutosaveStore &store)
{
    const OpenedGame found = load(store.unfinishedPath());
    if (!found.ok()) {
        store.keepUnfinishedAsLast();
        return;
    }
    // A team not named yet is called by its side, so that the question never reads "( at )".
    const auto team = [&](const char *name, const QString &side) {
        const QString named = found.snapshot->texts.value(QLatin1String(name)).trimmed();
        return named.isEmpty() ? side : named;
    };
    const QString when = QLocale().toString(found.saved.toLocalTime(), QLocale::ShortFormat);
    const QString question = tr("A scoresheet from %1 (%2 at %3) was not closed properly. Restore it?")
                                 .arg(when, team("txtTeamA", tr("Away")), team("txtTeamH", tr("Home")));
    if (m_context.prompter.askYesNo(m_window, question))
        apply(found, tr("Restore Sheet"));
    else
        store.keepUnfinishedAsLast();
}

bool GameKeeper::unsavedEditsMayGo(const QString &question)
{
    if (m_history.isClean())
        return true;
    return m_context.prompter.askYesNo(m_window, question);
}

void GameKeeper::apply(const OpenedGame &game, const QString &text)
{
    SheetChangeRecorder recorder(m_sheet);
    game.snapshot->restore(m_sheet);
    m_history.push(new SheetEdit(m_sheet, text, recorder));
    // The rolls are not a step of the sheet's history: they stay as the game brought them.
    m_rolls.restore(game.rolls);
}

void GameKeeper::openGame()
{
    if (!unsavedEditsMayGo(tr("The scoresheet has changes that are not saved. Open another game instead?")))
        return;
    const QString folder = m_filePath.isEmpty() ? documentsFolder() : QFileInfo(m_filePath).absolutePath();
    const QString path = m_context.dialogs.openGame(m_window, folder);
    if (!path.isEmpty())
        openFile(path);
}

bool GameKeeper::openFile(const QString &path)
{
    const OpenedGame opened = load(path);
    if (!opened.ok()) {
        m_context.prompter.inform(m_window, tr("The game \"%1\" could not be opened.\n%2")
                                                .arg(QDir::toNativeSeparators(path), opened.error));
        return false;
    }
    apply(opened, tr("Open %1").arg(QFileInfo(path).fileName()));
    m_history.setClean();
    setFilePath(path);
    return true;
}

void GameKeeper::recoverLastSheet()
{
    AutosaveStore *store = m_context.autosave;
    const QString path = store && store->isClaimed() ? store->lastPath() : QString();
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        m_context.prompter.inform(m_window, tr("There is no earlier scoresheet to recover."));
        return;
    }
    if (!unsavedEditsMayGo(tr("The scoresheet has changes that are not saved. Recover the last sheet instead?")))
        return;
    const OpenedGame opened = load(path);
    if (!opened.ok()) {
        m_context.prompter.inform(m_window, tr("The last scoresheet \"%1\" could not be recovered.\n%2")
                                                .arg(QDir::toNativeSeparators(path), opened.error));
        return;
    }
    apply(opened, tr("Recover Last Sheet"));
}

bool GameKeeper::save()
{
    if (m_filePath.isEmpty())
        return saveAs();
    return writeTo(m_filePath);
}

bool GameKeeper::saveAs()
{
    QString suggested = m_filePath;
    if (suggested.isEmpty()) {
        const QString name = suggestedFileName(m_sheet.field(ColumnId::Team, Side::Away).text(),
                                               m_sheet.field(ColumnId::Team, Side::Home).text(), QDate::currentDate(),
                                               GameFile::extension());
        suggested = documentsFolder() + u'/' + name;
    }
    const QString path = m_context.dialogs.saveGame(m_window, suggested);
    if (path.isEmpty())
        return false;
    return writeTo(path);
}

bool GameKeeper::writeTo(const QString &path)
{
    QString error;
    if (!writeFileAtomically(path, currentGame(), &error)) {
        m_context.prompter.inform(m_window, tr("The game could not be saved as \"%1\".\n%2")
                                                .arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    m_history.setClean();
    setFilePath(path);
    return true;
}

void GameKeeper::setFilePath(const QString &path)
{
    if (m_filePath == path)
        return;
    m_filePath = path;
    Q_EMIT filePathChanged(path);
}
