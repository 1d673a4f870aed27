#include "ui/scoresheet/GameKeeper.h"

#include "roll/Clock.h"
#include "roll/RollHistory.h"
#include "roll/Timer.h"
#include "scoresheet/GameFile.h"
#include "scoresheet/Scoresheet.h"
#include "scoresheet/TextRules.h"
#include "services/AtomicFile.h"
#include "services/FileDialogs.h"
#include "services/Preferences.h"
#include "services/Prompter.h"
#include "services/SheetStore.h"
#include "ui/WindowContext.h"
#include "ui/scoresheet/SheetEdit.h"
#include "ui/scoresheet/SheetHistory.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QWidget>

#ifndef QUORVEL_VERSION
#define QUORVEL_VERSION "unknown"
#endif

namespace {
const QString GamesFolderKey = QStringLiteral("games/folder");
}

GameKeeper::GameKeeper(WindowContext &context, Scoresheet &sheet, SheetHistory &history, RollHistory &rolls,
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
    connect(&m_history, &SheetHistory::changed, this, &GameKeeper::sheetChanged);
    // A roll is part of the game: it is kept safe like an edit, without being one.
    const auto rolled = [this] {
        m_rollsChanged = true;
        sheetChanged();
    };
    connect(&m_rolls, &RollHistory::added, this, rolled);
    connect(&m_rolls, &RollHistory::reset, this, rolled);
    connect(&m_context.sheets, &SheetStore::failed, this, &GameKeeper::tellKeepingFailure);
}

GameKeeper::~GameKeeper() = default;

QString GameKeeper::gamesFolder() const
{
    const QString remembered = m_context.preferences.text(GamesFolderKey);
    return !remembered.isEmpty() && QFileInfo(remembered).isDir() ? remembered : m_context.places.documents;
}

void GameKeeper::rememberFolder(const QString &path)
{
    m_context.preferences.setText(GamesFolderKey, QFileInfo(path).absolutePath());
}

QByteArray GameKeeper::currentGame() const
{
    return GameFile::serialize(GameSnapshot::capture(m_sheet), QStringLiteral(QUORVEL_VERSION), m_context.clock.now(),
                               m_rolls.toJson(), m_details);
}

bool GameKeeper::hasUnsavedChanges() const
{
    return !m_history.isClean() || m_rollsChanged;
}

void GameKeeper::sheetChanged()
{
    // One restarted single-shot timer: typing keeps the sheet once, a second after it pauses.
    m_autosaveTimer->setEnabled(false);
    m_autosaveTimer->setEnabled(true);
}

void GameKeeper::autosave()
{
    m_context.sheets.keepOpenSheet(currentGame(), m_binding.file);
}

void GameKeeper::tellKeepingFailure(const QString &reason)
{
    if (m_keepingFailureTold)
        return;
    m_keepingFailureTold = true;
    m_context.prompter.inform(m_window, tr("The scoresheet cannot be kept safe in the folder\n%1\n(%2).\n"
                                           "You can go on; save the game with File, Save Game.")
                                            .arg(QDir::toNativeSeparators(m_context.sheets.folder()), reason));
}

void GameKeeper::keepLeavingSheet()
{
    if (!hasUnsavedChanges())
        return;
    const QString id = m_context.sheets.keep(currentGame(), m_binding.file, m_binding.keptId);
    if (!id.isEmpty())
        m_binding.keptId = id;
}

void GameKeeper::windowShown()
{
    if (m_shown)
        return;
    m_shown = true;
    const std::optional<KeptSheet> unfinished = m_context.sheets.takeUnfinishedSheet();
    if (!unfinished)
        return;
    const OpenedGame found = load(unfinished->path);
    if (!found.ok())
        return; // it stays among the kept sheets, where the user can see what is wrong with it
    // A team not named yet is called by its side, so that the question never reads "( at )".
    const auto team = [&](Side side) {
        const QString named = found.snapshot->texts.value(sheetColumn(ColumnId::Team).objectName(side, 0)).trimmed();
        return named.isEmpty() ? sideName(side) : named;
    };
    const QString when = QLocale().toString(found.saved.toLocalTime(), QLocale::ShortFormat);
    const QString question = tr("A scoresheet from %1 (%2 at %3) was not closed properly. Restore it?")
                                 .arg(when, team(Side::Away), team(Side::Home));
    // No leaves it among the kept sheets, for File, Recover.
    if (m_context.prompter.askYesNo(m_window, question))
        apply(*found.snapshot, found.rolls, datedDetails(found), tr("Restore Sheet"),
              {unfinished->boundFile, unfinished->id});
}

void GameKeeper::windowClosing()
{
    m_autosaveTimer->setEnabled(false);
    const bool unsaved = hasUnsavedChanges();
    m_context.sheets.closeCleanly(unsaved ? std::optional<QByteArray>(currentGame()) : std::nullopt, m_binding.file,
                                  m_binding.keptId);
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

void GameKeeper::bind(const Binding &binding)
{
    const bool fileChanged = binding.file != m_binding.file;
    m_binding = binding;
    if (fileChanged)
        Q_EMIT filePathChanged(binding.file);
}

void GameKeeper::apply(const GameSnapshot &snapshot, const QJsonArray &rolls, const GameDetails &details,
                       const QString &text, const Binding &binding)
{
    const Binding before = m_binding;
    const QJsonArray rollsBefore = m_rolls.toJson();
    const GameDetails detailsBefore = m_details;
    m_history.record(
        text, [&] { snapshot.restore(m_sheet); },
        [&](SheetEdit &step) {
            step.alsoChange(
                [this, before, rollsBefore, detailsBefore] {
                    bind(before);
                    m_details = detailsBefore;
                    m_rolls.restore(rollsBefore);
                },
                [this, binding, rolls, details] {
                    bind(binding);
                    m_details = details;
                    m_rolls.restore(rolls);
                });
        });
    bind(binding);
    m_details = details;
    // The rolls are part of the game that came: they stay as the game brought them.
    m_rolls.restore(rolls);
    m_rollsChanged = false;
}

void GameKeeper::openGame()
{
    const QString folder = m_binding.file.isEmpty() ? gamesFolder() : QFileInfo(m_binding.file).absolutePath();
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
    keepLeavingSheet();
    apply(*opened.snapshot, opened.rolls, datedDetails(opened), tr("Open %1").arg(QFileInfo(path).fileName()),
          {path, {}});
    m_history.setClean();
    rememberFolder(path);
    return true;
}

void GameKeeper::recoverLastSheet()
{
    for (const KeptSheet &kept : m_context.sheets.keptSheets()) {
        // The window's own sheet, kept earlier, is not the last one to come back.
        if (kept.id != m_binding.keptId) {
            recoverSheet(kept);
            return;
        }
    }
    m_context.prompter.inform(m_window, tr("There is no earlier scoresheet to recover."));
}

void GameKeeper::recoverSheet(const KeptSheet &kept)
{
    const OpenedGame opened = load(kept.path);
    if (!opened.ok()) {
        m_context.prompter.inform(m_window, tr("The kept scoresheet \"%1\" could not be recovered.\n%2")
                                                .arg(QDir::toNativeSeparators(kept.path), opened.error));
        return;
    }
    keepLeavingSheet();
    apply(*opened.snapshot, opened.rolls, datedDetails(opened), tr("Recover Sheet"), {kept.boundFile, kept.id});
}

void GameKeeper::resetSheet()
{
    if (!m_context.prompter.askYesNo(m_window, Scoresheet::resetQuestion()))
        return;
    keepLeavingSheet();
    // A reset sheet is a new game: it belongs to no file and has no details yet.
    const Binding before = m_binding;
    const GameDetails detailsBefore = m_details;
    m_history.record(
        tr("Reset Scoresheet"), [this] { m_sheet.reset([] { return true; }); },
        [&](SheetEdit &step) {
            step.alsoChange(
                [this, before, detailsBefore] {
                    bind(before);
                    m_details = detailsBefore;
                },
                [this] {
                    bind({});
                    m_details = {};
                });
        });
    bind({});
    m_details = {};
}

void GameKeeper::startAfresh(const GameSnapshot &snapshot)
{
    keepLeavingSheet();
    m_autosaveTimer->setEnabled(false);
    snapshot.restore(m_sheet);
    m_rolls.restore({});
    m_history.stack().clear();
    m_history.setClean();
    m_rollsChanged = false;
    m_details = {};
    bind({});
}

void GameKeeper::setDetails(const GameDetails &details)
{
    if (details == m_details)
        return;
    const GameDetails before = m_details;
    m_history.record(
        tr("Game Details"), [] {},
        [&](SheetEdit &step) {
            step.alsoChange([this, before] { m_details = before; }, [this, details] { m_details = details; });
        });
    m_details = details;
}

QStringList GameKeeper::pitcherNames() const
{
    QStringList names;
    for (Side side : Sides) {
        for (int row = 1; row <= SheetColumn::InningRows; ++row) {
            const QString name = m_sheet.field(ColumnId::Pitcher, side, row).text().simplified();
            if (!name.isEmpty() && !names.contains(name, Qt::CaseInsensitive))
                names << name;
        }
    }
    return names;
}

void GameKeeper::newGame()
{
    startAfresh(GameSnapshot());
}

void GameKeeper::newGameWithLineups()
{
    // The names are written as the user would type them, so that their copies follow.
    QList<std::pair<Field *, QString>> names;
    for (Side side : Sides) {
        names.append({&m_sheet.field(ColumnId::Team, side), m_sheet.field(ColumnId::Team, side).text()});
        for (int row = 1; row <= SheetColumn::BattingRows; ++row) {
            Field &hitter = m_sheet.field(ColumnId::Hitter, side, row);
            names.append({&hitter, hitter.text()});
        }
    }
    startAfresh(GameSnapshot());
    for (const auto &[field, text] : names)
        field->write(text);
}

bool GameKeeper::save()
{
    if (m_binding.file.isEmpty())
        return saveAs();
    return writeTo(m_binding.file);
}

bool GameKeeper::saveAs()
{
    const QString suggested = m_binding.file.isEmpty() ? suggestedPath(GameFile::extension()) : m_binding.file;
    const QString path = m_context.dialogs.saveGame(m_window, suggested);
    if (path.isEmpty())
        return false;
    return writeTo(path);
}

QString GameKeeper::suggestedPath(const QString &extension) const
{
    // Named for the day the game was played, where the details know it.
    const QDate day = m_details.date.isValid() ? m_details.date : m_context.clock.now().date();
    return QDir(gamesFolder())
        .filePath(suggestedFileName(m_sheet.field(ColumnId::Team, Side::Away).text(),
                                    m_sheet.field(ColumnId::Team, Side::Home).text(), day, extension));
}

GameDetails GameKeeper::datedDetails(const OpenedGame &game)
{
    // A game without a date of its own was played the day it was first saved: saved again
    // later (a correction), it keeps that day, and its place in a season.
    GameDetails details = game.details;
    if (!details.date.isValid() && game.saved.isValid())
        details.date = game.saved.toLocalTime().date();
    return details;
}

bool GameKeeper::writeTo(const QString &path)
{
    // A game is dated the day it is first saved, unless its details say otherwise.
    if (!m_details.date.isValid())
        m_details.date = m_context.clock.now().date();
    QString error;
    if (!writeFileAtomically(path, currentGame(), &error)) {
        m_context.prompter.inform(m_window, tr("The game could not be saved as \"%1\".\n%2")
                                                .arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    // A kept sheet saved to a file is kept no longer: the file has it.
    if (!m_binding.keptId.isEmpty())
        m_context.sheets.forget(m_binding.keptId);
    m_history.setClean();
    m_rollsChanged = false;
    bind({path, {}});
    rememberFolder(path);
    Q_EMIT gameSaved(path);
    return true;
}
