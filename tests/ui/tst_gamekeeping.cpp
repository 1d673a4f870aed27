#include "roll/RollHistory.h"
#include "scoresheet/GameFile.h"
#include "scoresheet/Scoresheet.h"
#include "services/AutosaveStore.h"
#include "support/SheetTexts.h"
#include "support/TestContext.h"
#include "ui/Appearance.h"
#include "ui/scoresheet/GameDetailsDialog.h"
#include "ui/scoresheet/GameKeeper.h"
#include "ui/scoresheet/KeptSheetsDialog.h"
#include "ui/scoresheet/ScoresheetWindow.h"
#include "ui/scoresheet/SheetHistory.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDateEdit>
#include <QDirIterator>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTableWidget>
#include <QUndoStack>
#include <QtTest>

#include <memory>
#include <optional>

namespace {
// A run of the program on a folder of kept sheets: its own store, the other services shared.
struct Run
{
    Run(TestContext &base, const QString &folder)
        : store(folder, base.clock)
        , context(base.with(base.printer, base.sound, &store))
    {
    }
    AutosaveStore store;
    WindowContext context;
};

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a game file holds, as the texts of a sheet; empty when it is no game.
QStringList gameTexts(const QByteArray &bytes)
{
    static QHash<QByteArray, QStringList> known;
    const QByteArray key = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
    if (auto it = known.constFind(key); it != known.constEnd())
        return *it;
    Scoresheet sheet;
    const OpenedGame game = GameFile::parse(bytes, sheet);
    QStringList texts;
    if (game.ok()) {
        game.snapshot->restore(sheet);
        texts = textsOf(sheet);
    }
    known.insert(key, texts);
    return texts;
}

// The kept sheets by id, as the texts they hold.
QMap<QString, QStringList> keptTexts(const SheetStore &store)
{
    QMap<QString, QStringList> kept;
    for (const KeptSheet &sheet : store.keptSheets())
        kept.insert(sheet.id, gameTexts(bytesOf(sheet.path)));
    return kept;
}
} // namespace

class TestGameKeeping : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestContext> m_ctx;
    QTemporaryDir m_files;

    std::unique_ptr<ScoresheetWindow> open(WindowContext &context)
    {
        auto window = std::make_unique<ScoresheetWindow>(context);
        window->show();
        QApplication::setActiveWindow(window.get());
        [&] { QVERIFY(QTest::qWaitForWindowActive(window.get())); }();
        QCoreApplication::processEvents(); // the first-show handling is queued
        return window;
    }
    std::unique_ptr<ScoresheetWindow> open() { return open(m_ctx->context); }
    // The close box, then a new scoresheet from the launcher. A closed window deletes itself
    // later: it goes now, before the next one's events run.
    static void close(std::unique_ptr<ScoresheetWindow> &window)
    {
        window->close();
        window.reset();
    }
    static QLineEdit *edit(ScoresheetWindow &window, const QString &name)
    {
        return window.findChild<QLineEdit *>(name);
    }
    static void type(ScoresheetWindow &window, const QString &name, const QString &keys)
    {
        QLineEdit *e = edit(window, name);
        e->setFocus();
        e->end(false);
        QTest::keyClicks(e, keys);
    }
    static void trigger(ScoresheetWindow &window, const char *action)
    {
        window.findChild<QAction *>(QString::fromLatin1(action))->trigger();
    }
    static QString field(ScoresheetWindow &window, const char *name)
    {
        return window.sheet().findControl(QString::fromLatin1(name))->text();
    }
    QString saveAs(ScoresheetWindow &window, const QString &name)
    {
        m_ctx->dialogs.saveAnswer = m_files.filePath(name);
        trigger(window, "mnuSaveAs");
        return m_ctx->dialogs.saveAnswer;
    }
    FakeTimer *autosaveTimer() const { return m_ctx->timers.latest(QStringLiteral("autosaveTimer")); }
    KeptSheetsDialog *keptSheetsDialog(ScoresheetWindow &window)
    {
        trigger(window, "mnuRecoverUnsaved");
        return window.findChild<KeptSheetsDialog *>();
    }

private Q_SLOTS:
    void initTestCase() { applyAppearance(*qApp); }
    void init() { m_ctx = std::make_unique<TestContext>(); }
    void cleanup() { m_ctx.reset(); }

    // A saved game opens in a new window exactly as it was, title and all, and the next
    // keystrokes give the same results as on the sheet that never closed.
    void saveAndOpen()
    {
        auto first = open();
        QCOMPARE(shownTitle(first.get()), QStringLiteral("Scoresheet"));
        type(*first, "txtTeamA", "Owls");
        QCOMPARE(shownTitle(first.get()), QStringLiteral("Scoresheet*"));
        type(*first, "txtHitPA_1", "3");
        type(*first, "txtRA_1", "2");
        type(*first, "txtHitA_2", "1");
        m_ctx->dialogs.saveAnswer = m_files.filePath(QStringLiteral("owls.quorvel"));
        trigger(*first, "mnuSave"); // no file yet: Save asks where, in the documents folder, dated by the clock
        QCOMPARE(m_ctx->dialogs.suggestedPaths,
                 QStringList{m_ctx->context.places.documents + QStringLiteral("/Owls at Home 2024-06-11.quorvel")});
        QCOMPARE(shownTitle(first.get()), QStringLiteral("owls.quorvel"));
        type(*first, "txtBBA_1", "1");
        QCOMPARE(shownTitle(first.get()), QStringLiteral("owls.quorvel*"));
        trigger(*first, "mnuUndo");
        QVERIFY(!first->isWindowModified());

        auto second = open();
        type(*second, "txtTeamH", "Bats"); // nothing to ask about: it is kept
        m_ctx->dialogs.openAnswer = m_ctx->dialogs.saveAnswer;
        trigger(*second, "mnuOpen");
        QVERIFY(m_ctx->prompter.questions.isEmpty());
        QVERIFY(m_ctx->prompter.messages.isEmpty());
        QCOMPARE(m_ctx->dialogs.openFolders, QStringList{m_files.path()}); // where the last game was saved
        QCOMPARE(textsOf(second->sheet()), textsOf(first->sheet()));
        QVERIFY(second->sheet().state() == first->sheet().state());
        QCOMPARE(shownTitle(second.get()), QStringLiteral("owls.quorvel"));
        QCOMPARE(m_ctx->sheets.keptSheets().size(), 1);

        for (ScoresheetWindow *window : {first.get(), second.get()}) {
            type(*window, "txtBBA_1", "1");
            type(*window, "txtHitA_3", "2");
            type(*window, "txtRA_2", "1");
        }
        QCOMPARE(textsOf(second->sheet()), textsOf(first->sheet()));
        QCOMPARE(edit(*second, "txtPullA_2")->text(), edit(*first, "txtPullA_2")->text());
        QVERIFY(second->sheet().state() == first->sheet().state());
    }

    // A file that is not a game is refused with a message naming it; the sheet and its title stay.
    void openRefusesBrokenFile()
    {
        auto window = open();
        type(*window, "txtTeamA", "Owls");
        const QStringList before = textsOf(window->sheet());
        QFile broken(m_files.filePath(QStringLiteral("broken.quorvel")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("{\"format\": \"quorvel-game\", \"version\": 1, \"fields\": {\"txtHitA_99\": \"1\"");
        broken.close();
        m_ctx->dialogs.openAnswer = broken.fileName();
        trigger(*window, "mnuOpen");
        QCOMPARE(m_ctx->prompter.messages.size(), 1);
        QVERIFY(m_ctx->prompter.messages.first().contains(QStringLiteral("broken.quorvel")));
        QCOMPARE(textsOf(window->sheet()), before);
        QCOMPARE(shownTitle(window.get()), QStringLiteral("Scoresheet*"));
        QVERIFY(m_ctx->sheets.keptSheets().isEmpty()); // nothing left the window
    }

    // A save that cannot be written says which file and why, and the sheet keeps no file name.
    void failedSaveIsTold()
    {
        auto window = open();
        type(*window, "txtTeamA", "Owls");
        saveAs(*window, QStringLiteral("gone/owls.quorvel"));
        QCOMPARE(m_ctx->prompter.messages.size(), 1);
        QVERIFY(m_ctx->prompter.messages.first().contains(QStringLiteral("owls.quorvel")));
        QCOMPARE(shownTitle(window.get()), QStringLiteral("Scoresheet*"));
        QVERIFY(window->gameKeeper().filePath().isEmpty());
    }

    // A pasted line break does not reach the sheet: what the sheet holds can always be saved and opened.
    void pastedLinesStayOneLine()
    {
        auto window = open();
        QApplication::clipboard()->setText(QStringLiteral("Owls\nof\rthe\u2028North"));
        QLineEdit *team = edit(*window, "txtTeamA");
        team->setFocus();
        QTest::keyClick(team, Qt::Key_V, Qt::ControlModifier);
        const QString name = field(*window, "txtTeamA");
        QVERIFY2(name.startsWith(QStringLiteral("Owls")) && !name.contains(u'\n') && !name.contains(u'\r')
                     && !name.contains(QChar::LineSeparator),
                 qPrintable(name));
        QCOMPARE(team->text(), name);
        const QString path = saveAs(*window, QStringLiteral("pasted.quorvel"));
        QVERIFY(GameFile::load(path, window->sheet()).ok());
    }

    // Typing restarts one autosave timer; its tick keeps the sheet, which a crash leaves
    // behind: the next run asks, and Yes brings the sheet back, with the file it belongs
    // to, as one undoable step. No keeps it for File, Recover.
    void crashedSheetComesBack()
    {
        const QString folder = m_files.filePath(QStringLiteral("crash"));
        const QString game = m_files.filePath(QStringLiteral("g001.quorvel"));
        QStringList typed;
        {
            Run before(*m_ctx, folder);
            auto window = open(before.context);
            type(*window, "txtTeamA", "Owls");
            m_ctx->dialogs.saveAnswer = game;
            trigger(*window, "mnuSave");
            FakeTimer *timer = autosaveTimer();
            const int enables = timer->enables;
            type(*window, "txtRA_1", "12");
            QCOMPARE(timer->enables, enables + 2); // restarted by each keystroke, not a save each
            QCOMPARE(timer->interval(), GameKeeper::AutosaveDelayMs);
            QVERIFY(timer->fire());
            QVERIFY(!timer->isEnabled());
            before.store.waitForWrites();
            typed = textsOf(window->sheet());
            window.release()->deleteLater(); // the program dies: no close
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QByteArray saved = bytesOf(game);

        auto after = std::make_unique<Run>(*m_ctx, folder);
        QCOMPARE(after->store.slot(), 1);
        m_ctx->prompter.answers = {true};
        auto window = open(after->context);
        QCOMPARE(m_ctx->prompter.questions.size(), 1);
        QVERIFY(m_ctx->prompter.questions.first().contains(QStringLiteral("(Owls at Home) was not closed properly")));
        QCOMPARE(textsOf(window->sheet()), typed);
        QCOMPARE(shownTitle(window.get()), QStringLiteral("g001.quorvel*"));
        QCOMPARE(bytesOf(game), saved);
        trigger(*window, "mnuSave");
        QCOMPARE(gameTexts(bytesOf(game)), typed);
        QVERIFY(after->store.keptSheets().isEmpty()); // saved to its file: kept no longer
        trigger(*window, "mnuUndo");
        trigger(*window, "mnuUndo");
        QCOMPARE(textsOf(window->sheet()), textsOf(Scoresheet()));

        // Declined, the crashed sheet waits among the kept sheets.
        type(*window, "txtTeamH", "Bats");
        QVERIFY(autosaveTimer()->fire());
        after->store.waitForWrites();
        const QStringList crashed = textsOf(window->sheet());
        window.release()->deleteLater();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        after.reset();
        Run third(*m_ctx, folder);
        m_ctx->prompter.answers = {false};
        window = open(third.context);
        QCOMPARE(textsOf(window->sheet()), textsOf(Scoresheet()));
        trigger(*window, "mnuRecover");
        QCOMPARE(textsOf(window->sheet()), crashed);
    }

    // Every sheet with unsaved changes that leaves the window is kept, across runs, and
    // listed newest first; Recover Last Sheet brings back the newest without a question;
    // a saved sheet that closes is not kept, its file has it.
    void everyUnsavedSheetIsKept()
    {
        auto window = open();
        type(*window, "txtTeamA", "Ants");
        close(window);
        window = open();
        type(*window, "txtTeamA", "Bees");
        m_ctx->clock.wallClock = m_ctx->clock.wallClock.addSecs(60);
        trigger(*window, "mnuNew");
        QCOMPARE(textsOf(window->sheet()), textsOf(Scoresheet()));
        QCOMPARE(shownTitle(window.get()), QStringLiteral("Scoresheet"));
        QVERIFY(!window->history().stack().canUndo());
        type(*window, "txtTeamA", "Cats");
        m_ctx->clock.wallClock = m_ctx->clock.wallClock.addSecs(60);
        close(window);
        window = open();
        saveAs(*window, QStringLiteral("saved.quorvel"));
        close(window);
        QCOMPARE(m_ctx->sheets.keptSheets().size(), 3);

        window = open();
        KeptSheetsDialog *dialog = keptSheetsDialog(*window);
        QVERIFY(dialog && dialog->isVisible());
        QTableWidget *table = dialog->table();
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Cats at Home"));
        QCOMPARE(table->item(2, 0)->text(), QStringLiteral("Ants at Home"));
        table->selectRow(2);
        dialog->findChild<QPushButton *>(QStringLiteral("cmdOpenKept"))->click();
        QCOMPARE(field(*window, "txtTeamA"), QStringLiteral("Ants"));

        trigger(*window, "mnuRecover");
        QVERIFY(m_ctx->prompter.questions.isEmpty());
        QCOMPARE(field(*window, "txtTeamA"), QStringLiteral("Cats"));

        // Deleting asks, and the sheet is gone for good.
        dialog = keptSheetsDialog(*window);
        table = dialog->table();
        table->selectRow(table->rowCount() - 1);
        m_ctx->prompter.answers = {true};
        dialog->findChild<QPushButton *>(QStringLiteral("cmdDeleteKept"))->click();
        QCOMPARE(m_ctx->prompter.questions.size(), 1);
        QCOMPARE(table->rowCount(), 2);
    }

    // A reset sheet belongs to no file: Save asks for a name and the finished game's file
    // stays as it was; undoing the reset brings back the sheet, its file and its state.
    void resetLeavesTheFile()
    {
        auto window = open();
        type(*window, "txtTeamA", "Owls");
        type(*window, "txtRA_1", "3");
        const QString game = saveAs(*window, QStringLiteral("g001.quorvel"));
        const QByteArray finished = bytesOf(game);
        m_ctx->prompter.answers = {true};
        trigger(*window, "mnuReset");
        QCOMPARE(shownTitle(window.get()), QStringLiteral("Scoresheet*"));
        type(*window, "txtTeamH", "Bats");
        m_ctx->dialogs.saveAnswer.clear(); // the user cancels the question for a name
        trigger(*window, "mnuSave");
        QCOMPARE(m_ctx->dialogs.suggestedPaths.size(), 2);
        QCOMPARE(bytesOf(game), finished);

        trigger(*window, "mnuUndo");
        trigger(*window, "mnuUndo");
        QCOMPARE(shownTitle(window.get()), QStringLiteral("g001.quorvel"));
        QCOMPARE(field(*window, "txtRunsA"), QStringLiteral("3"));
        trigger(*window, "mnuRedo");
        QCOMPARE(shownTitle(window.get()), QStringLiteral("Scoresheet*"));

        // No to the question leaves everything as it is.
        m_ctx->prompter.answers = {false};
        trigger(*window, "mnuUndo");
        trigger(*window, "mnuReset");
        QCOMPARE(shownTitle(window.get()), QStringLiteral("g001.quorvel"));
    }

    // A recovered sheet comes back with the file it belonged to when it was kept, never
    // with the window's; an opened one takes its own, and undoing the open gives it back.
    void recoveredSheetKeepsItsOwnFile()
    {
        auto window = open();
        type(*window, "txtTeamA", "Untitled");
        close(window);
        window = open();
        type(*window, "txtTeamA", "Second");
        const QString second = saveAs(*window, QStringLiteral("second.quorvel"));
        type(*window, "txtTeamH", "More");
        m_ctx->clock.wallClock = m_ctx->clock.wallClock.addSecs(60);
        trigger(*window, "mnuNew"); // kept, belonging to second.quorvel
        const QString first = saveAs(*window, QStringLiteral("first.quorvel"));
        const QByteArray firstBytes = bytesOf(first);

        trigger(*window, "mnuRecover");
        QCOMPARE(field(*window, "txtTeamH"), QStringLiteral("More"));
        QCOMPARE(window->gameKeeper().filePath(), second);
        KeptSheetsDialog *dialog = keptSheetsDialog(*window);
        dialog->table()->selectRow(dialog->table()->rowCount() - 1);
        dialog->findChild<QPushButton *>(QStringLiteral("cmdOpenKept"))->click();
        QCOMPARE(field(*window, "txtTeamA"), QStringLiteral("Untitled"));
        QVERIFY(window->gameKeeper().filePath().isEmpty());
        trigger(*window, "mnuUndo");
        QCOMPARE(window->gameKeeper().filePath(), second);
        QCOMPARE(bytesOf(first), firstBytes);

        m_ctx->dialogs.openAnswer = first;
        trigger(*window, "mnuOpen");
        QCOMPARE(window->gameKeeper().filePath(), first);
        trigger(*window, "mnuUndo");
        QCOMPARE(window->gameKeeper().filePath(), second);
        QCOMPARE(field(*window, "txtTeamH"), QStringLiteral("More"));
    }

    // A new game with these lineups keeps the team names and the hitters, and nothing else.
    void newGameWithLineups()
    {
        auto window = open();
        type(*window, "txtTeamA", "Owls");
        type(*window, "txtTeamH", "Bats");
        type(*window, "txtHitterA_1", "Avery");
        type(*window, "txtHitterH_12", "Blake");
        type(*window, "txtHitA_1", "2");
        type(*window, "txtPitcherA_1", "Casey");
        type(*window, "txtRA_1", "4");
        saveAs(*window, QStringLiteral("g1.quorvel"));
        trigger(*window, "mnuNewSameLineups");
        QCOMPARE(shownTitle(window.get()), QStringLiteral("Scoresheet"));
        QCOMPARE(field(*window, "txtTeamA"), QStringLiteral("Owls"));
        QCOMPARE(field(*window, "txtTeamA3"), QStringLiteral("Owls"));
        QCOMPARE(field(*window, "txtTeamH2"), QStringLiteral("Bats"));
        QCOMPARE(field(*window, "txtHitterA_1"), QStringLiteral("Avery"));
        QCOMPARE(field(*window, "txtHitterH_12"), QStringLiteral("Blake"));
        for (const char *cleared : {"txtHitA_1", "txtPitcherA_1", "txtRA_1", "txtInnA_1"})
            QVERIFY2(field(*window, cleared).isEmpty(), cleared);
        QCOMPARE(field(*window, "txtRunsA"), QStringLiteral("0"));
        QVERIFY(m_ctx->sheets.keptSheets().isEmpty()); // the game left was saved
        QVERIFY(window->rollHistory().isEmpty());
    }

    // The game's details are one undoable step, travel in its file and come back with it; the
    // dialog offers today's date for a new sheet and the sheet's pitchers for the decisions.
    void gameDetailsTravelWithTheGame()
    {
        auto window = open();
        type(*window, "txtTeamA", "Owls");
        type(*window, "txtPitcherA_1", "Casey");
        type(*window, "txtPitcherH_3", "Drew");
        trigger(*window, "mnuGameDetails");
        auto *dialog = window->findChild<GameDetailsDialog *>();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->findChild<QDateEdit *>(QStringLiteral("dtpDate"))->date(), QDate(2024, 6, 11));
        auto *win = dialog->findChild<QComboBox *>(QStringLiteral("cboWin"));
        QVERIFY(win->findText(QStringLiteral("Casey")) > 0 && win->findText(QStringLiteral("Drew")) > 0);
        dialog->findChild<QDateEdit *>(QStringLiteral("dtpDate"))->setDate(QDate(2024, 5, 1));
        dialog->findChild<QSpinBox *>(QStringLiteral("spnNumber"))->setValue(2);
        auto *kind = dialog->findChild<QComboBox *>(QStringLiteral("cboType"));
        kind->setCurrentIndex(kind->findData(int(GameType::Postseason)));
        dialog->findChild<QCheckBox *>(QStringLiteral("chkFinal"))->setCheckState(Qt::Checked);
        win->setCurrentText(QStringLiteral("Drew"));
        dialog->findChild<QLineEdit *>(QStringLiteral("txtNotes"))->setText(QStringLiteral("Rain delay"));
        dialog->accept();
        GameDetails expected;
        expected.date = QDate(2024, 5, 1);
        expected.number = 2;
        expected.type = GameType::Postseason;
        expected.final = true;
        expected.win = QStringLiteral("Drew");
        expected.notes = QStringLiteral("Rain delay");
        QCOMPARE(window->gameKeeper().details(), expected);
        QCOMPARE(window->findChild<QAction *>(QStringLiteral("mnuUndo"))->text().remove(u'&'),
                 QStringLiteral("Undo Game Details"));
        trigger(*window, "mnuUndo");
        QVERIFY(window->gameKeeper().details().isEmpty());
        trigger(*window, "mnuRedo");
        QCOMPARE(window->gameKeeper().details(), expected);

        m_ctx->dialogs.saveAnswer.clear();
        trigger(*window, "mnuSave"); // offered under the game's own date
        QVERIFY(m_ctx->dialogs.suggestedPaths.last().endsWith(QStringLiteral("Owls at Home 2024-05-01.quorvel")));
        const QString path = saveAs(*window, QStringLiteral("details.quorvel"));
        const OpenedGame read = GameFile::load(path, window->sheet());
        QVERIFY(read.ok());
        QCOMPARE(read.details, expected);
        auto second = open();
        m_ctx->dialogs.openAnswer = path;
        trigger(*second, "mnuOpen");
        QCOMPARE(second->gameKeeper().details(), expected);
        // A new game starts without details.
        trigger(*second, "mnuNew");
        QVERIFY(second->gameKeeper().details().isEmpty());
    }

    // Kept sheets give way only past 100 sheets or 90 days, the oldest first.
    void keptSheetsHaveLimits()
    {
        const QString folder = m_files.filePath(QStringLiteral("limits"));
        AutosaveStore store(folder, m_ctx->clock);
        const QDateTime start = m_ctx->clock.wallClock;
        for (int i = 0; i < SheetStore::MaxKept + 5; ++i) {
            m_ctx->clock.wallClock = start.addSecs(i);
            QVERIFY(!store.keep(QByteArray::number(i), {}, {}).isEmpty());
        }
        QList<KeptSheet> kept = store.keptSheets();
        QCOMPARE(kept.size(), SheetStore::MaxKept);
        QCOMPARE(bytesOf(kept.first().path), QByteArray::number(SheetStore::MaxKept + 4));
        QCOMPARE(bytesOf(kept.last().path), QByteArray::number(5));

        m_ctx->clock.wallClock = start.addDays(SheetStore::MaxKeptDays).addSecs(50);
        store.keep("new", {}, {});
        kept = store.keptSheets();
        QCOMPARE(bytesOf(kept.first().path), QByteArray("new"));
        QCOMPARE(bytesOf(kept.last().path), QByteArray::number(50));
        // A sheet kept again in place of itself stays one sheet.
        const QString id = kept.first().id;
        QCOMPARE(store.keep("newer", {}, id), id);
        QCOMPARE(store.keptSheets().size(), kept.size());
    }

    // Two running copies take two slots and never write each other's open sheet; when both
    // end without closing, the next run offers its own slot's sheet and keeps the other.
    void twoCopiesKeepApart()
    {
        const QString folder = m_files.filePath(QStringLiteral("two"));
        {
            AutosaveStore one(folder, m_ctx->clock);
            AutosaveStore two(folder, m_ctx->clock);
            QCOMPARE(one.slot(), 1);
            QCOMPARE(two.slot(), 2);
            one.keepOpenSheet("one", {});
            two.keepOpenSheet("two", QStringLiteral("/games/two.quorvel"));
        }
        AutosaveStore next(folder, m_ctx->clock);
        QCOMPARE(next.slot(), 1);
        const QList<KeptSheet> others = next.keptSheets();
        QCOMPARE(others.size(), 1);
        QCOMPARE(bytesOf(others.first().path), QByteArray("two"));
        QCOMPARE(others.first().boundFile, QStringLiteral("/games/two.quorvel"));
        const std::optional<KeptSheet> unfinished = next.takeUnfinishedSheet();
        QVERIFY(unfinished);
        QCOMPARE(bytesOf(unfinished->path), QByteArray("one"));
        QVERIFY(!next.takeUnfinishedSheet()); // handed over once
        QCOMPARE(next.keptSheets().size(), 2);
    }

    // A folder where nothing can be kept is told once per window; typing goes on.
    void keepingFailureToldOnce()
    {
        QFile blocker(m_files.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Run run(*m_ctx, blocker.fileName() + QStringLiteral("/autosave"));
        auto window = open(run.context);
        QCOMPARE(m_ctx->prompter.messages.size(), 1);
        QVERIFY(m_ctx->prompter.messages.first().contains(QStringLiteral("blocker")));
        type(*window, "txtRA_1", "3");
        QVERIFY(autosaveTimer()->fire());
        run.store.waitForWrites();
        QCoreApplication::processEvents(); // a failure is told on the window's thread
        trigger(*window, "mnuNew");
        QCOMPARE(m_ctx->prompter.messages.size(), 1);
        QCOMPARE(edit(*window, "txtRunsA")->text(), QStringLiteral("0"));
    }

    // A folder that goes away under a running program: the background write fails, the
    // user hears of it once, and typing goes on.
    void autosaveFolderGone()
    {
        const QString folder = m_files.filePath(QStringLiteral("vanishing"));
        Run run(*m_ctx, folder);
        auto window = open(run.context);
        QVERIFY(m_ctx->prompter.messages.isEmpty());
        QVERIFY(QDir(folder).removeRecursively());
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        for (const char *keys : {"3", "4"}) {
            type(*window, "txtRA_1", QString::fromLatin1(keys));
            QVERIFY(autosaveTimer()->fire());
            run.store.waitForWrites();
            QCoreApplication::processEvents();
        }
        QCOMPARE(m_ctx->prompter.messages.size(), 1);
        QVERIFY(m_ctx->prompter.messages.first().contains(QStringLiteral("vanishing")));
        QCOMPARE(edit(*window, "txtRunsA")->text(), QStringLiteral("34"));
        window->close(); // the closing write fails too, and nothing breaks
    }

    // The folder of the last game opened or saved is remembered across runs for Open and Save.
    void gamesFolderRemembered()
    {
        auto window = open();
        QVERIFY(QDir(m_files.path()).mkpath(QStringLiteral("season")));
        saveAs(*window, QStringLiteral("season/g1.quorvel"));
        close(window);
        window = open();
        type(*window, "txtTeamA", "Owls");
        m_ctx->dialogs.saveAnswer.clear();
        trigger(*window, "mnuSave");
        QCOMPARE(QFileInfo(m_ctx->dialogs.suggestedPaths.last()).absolutePath(), m_files.filePath("season"));
        // A remembered folder that is gone: the documents folder again.
        QVERIFY(QDir(m_files.filePath("season")).removeRecursively());
        trigger(*window, "mnuSave");
        QCOMPARE(QFileInfo(m_ctx->dialogs.suggestedPaths.last()).absolutePath(), m_ctx->context.places.documents);
    }

    // The sheet's rolls go into its game file and come back with it, on Open and on Recover; a
    // new sheet starts with none, and a file whose rolls are broken is refused as a whole.
    void rollsTravelWithTheGame()
    {
        auto window = open();
        m_ctx->soundSetting.setOn(false);
        auto *roll = window->findChild<QPushButton *>(QStringLiteral("cmdRoll"));
        for (int i = 0; i < 3; ++i)
            roll->click();
        QCOMPARE(window->rollHistory().size(), 3);
        const QString rolled = window->rollHistory().text();
        close(window); // rolls alone are worth keeping
        window = open();
        QVERIFY(window->rollHistory().isEmpty());
        trigger(*window, "mnuRecover");
        QCOMPARE(window->rollHistory().text(), rolled);
        const QString path = saveAs(*window, QStringLiteral("rolls.quorvel"));
        window->rollHistory().clear();
        m_ctx->dialogs.openAnswer = path;
        trigger(*window, "mnuOpen");
        QCOMPARE(window->rollHistory().text(), rolled);

        QByteArray bytes = bytesOf(path);
        const qsizetype dice = bytes.indexOf("\"dice\": \"") + 9;
        QVERIFY(dice > 9);
        bytes.replace(dice, 2, "99");
        QFile file(m_files.filePath(QStringLiteral("broken rolls.quorvel")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        QVERIFY(!window->gameKeeper().openFile(file.fileName()));
        QVERIFY(m_ctx->prompter.messages.last().contains(QStringLiteral("rolls")));
        QCOMPARE(window->rollHistory().text(), rolled);
    }

    // Steps name what they undo; keystrokes in one field are one step; Ctrl+Z in a field
    // undoes the sheet's step, totals included, not just the field's text.
    void undoSteps()
    {
        auto window = open();
        QUndoStack &stack = window->history().stack();
        QAction *undo = window->findChild<QAction *>(QStringLiteral("mnuUndo"));
        type(*window, "txtHitA_3", "12");
        QCOMPARE(undo->text().remove(u'&'), QStringLiteral("Undo Typing in Away H, row 3"));
        QCOMPARE(stack.count(), 1);
        type(*window, "txtRA_1", "5");
        QCOMPARE(stack.count(), 2);
        QCOMPARE(edit(*window, "txtRunsA")->text(), QStringLiteral("5"));
        // The row is the one the user sees: the away H column's element 7 stands in row 5.
        type(*window, "txtHitA_7", "1");
        QCOMPARE(undo->text().remove(u'&'), QStringLiteral("Undo Typing in Away H, row 5"));
        trigger(*window, "mnuUndo");

        QTest::keyClick(edit(*window, "txtRA_1"), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(edit(*window, "txtRA_1")->text().isEmpty());
        QCOMPARE(edit(*window, "txtRunsA")->text(), QStringLiteral("0"));
        QCOMPARE(edit(*window, "txtHitA_3")->text(), QStringLiteral("12"));
        QTest::keyClick(edit(*window, "txtRA_1"), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(edit(*window, "txtRunsA")->text(), QStringLiteral("5"));

        m_ctx->prompter.answers = {true};
        trigger(*window, "mnuReset");
        QCOMPARE(undo->text().remove(u'&'), QStringLiteral("Undo Reset Scoresheet"));
        trigger(*window, "mnuUndo");
        QCOMPARE(edit(*window, "txtHitsA")->text(), QStringLiteral("12"));
        QCOMPARE(edit(*window, "txtRA_1")->text(), QStringLiteral("5"));
    }

    // Random edits and resets, undone all the way, give the new sheet exactly; redone,
    // the final sheet exactly.
    void undoEverything()
    {
        auto window = open();
        QUndoStack &stack = window->history().stack();
        QRandomGenerator random(20261209);
        const QStringList names = {"txtHitA_1", "txtRBIA_2", "txtRA_1", "txtHitPA_1", "txtBBA_2", "txtPitcherA_2",
                                   "txtERH_3",  "txtHitH_5", "txtRH_4", "txtHitPH_4", "txtKH_4",  "txtTeamH"};
        for (int step = 0; step < 60; ++step) {
            if (random.bounded(15) == 0) {
                m_ctx->prompter.answers = {true};
                trigger(*window, "mnuReset");
                continue;
            }
            const QString name = names.at(random.bounded(int(names.size())));
            QLineEdit *e = edit(*window, name);
            e->setFocus();
            e->selectAll();
            QTest::keyClicks(e, QString::number(random.bounded(20)));
        }
        const QStringList final = textsOf(window->sheet());
        const SheetState finalState = window->sheet().state();
        QVERIFY(stack.count() > 20);
        while (stack.canUndo())
            stack.undo();
        QCOMPARE(textsOf(window->sheet()), textsOf(Scoresheet()));
        QVERIFY(window->sheet().state() == SheetState{});
        while (stack.canRedo())
            stack.redo();
        QCOMPARE(textsOf(window->sheet()), final);
        QVERIFY(window->sheet().state() == finalState);
    }

    // Several games' worth of seeded actions through the real window, checked after each
    // one: no file changes but by Save or Save As of the sheet bound to it, no sheet with
    // unsaved changes that leaves the window is lost, and a kept sheet stays kept until it
    // is saved to a file or deleted.
    void nothingIsEverLost_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u})
            QTest::addRow("seed %u", seed) << seed;
    }
    void nothingIsEverLost();
};

void TestGameKeeping::nothingIsEverLost()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    const QString folder = m_files.filePath(QStringLiteral("kept-%1").arg(seed));
    const QString games = m_files.filePath(QStringLiteral("games-%1").arg(seed));
    QVERIFY(QDir().mkpath(games));
    auto run = std::make_unique<Run>(*m_ctx, folder);
    auto window = open(run->context);
    m_ctx->prompter.fallback = true;

    enum Action {
        Type,
        Undo,
        Redo,
        New,
        NewLineups,
        Open,
        Save,
        SaveAs,
        ResetYes,
        ResetNo,
        RecoverLast,
        RecoverPick,
        Delete,
        Close,
        Crash
    };
    const QList<std::pair<Action, int>> weights = {{Type, 40},      {Undo, 6},    {Redo, 3},        {New, 4},
                                                   {NewLineups, 3}, {Open, 5},    {Save, 6},        {SaveAs, 5},
                                                   {ResetYes, 3},   {ResetNo, 2}, {RecoverLast, 4}, {RecoverPick, 3},
                                                   {Delete, 1},     {Close, 4},   {Crash, 3}};
    int total = 0;
    for (const auto &w : weights)
        total += w.second;
    const QStringList typedFields = {"txtTeamA",  "txtTeamH", "txtHitterA_1", "txtHitA_2",
                                     "txtRBIA_3", "txtRA_1",  "txtHitPA_1",   "txtPitcherH_1",
                                     "txtRH_2",   "txtBBH_2", "txtHitH_7",    "txtSBH_4"};
    const auto filesNow = [&] {
        QMap<QString, QByteArray> files;
        QDirIterator it(games, {QStringLiteral("*.quorvel")}, QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            files.insert(path, bytesOf(path));
        }
        return files;
    };
    const auto allGameTexts = [&](const QMap<QString, QByteArray> &files) {
        QList<QStringList> texts;
        for (const QByteArray &bytes : files)
            texts << gameTexts(bytes);
        return texts;
    };

    for (int step = 0; step < 250; ++step) {
        int pick = random.bounded(total);
        Action action = Type;
        for (const auto &[kind, weight] : weights) {
            if (pick < weight) {
                action = kind;
                break;
            }
            pick -= weight;
        }
        const QMap<QString, QByteArray> filesBefore = filesNow();
        const QMap<QString, QStringList> keptBefore = keptTexts(run->store);
        const QStringList sheetBefore = textsOf(window->sheet());
        const bool unsavedBefore = window->gameKeeper().hasUnsavedChanges();
        const QString boundBefore = window->gameKeeper().filePath();
        const QString keptIdBefore = window->gameKeeper().keptId();
        QString savedTo;   // the file a Save or Save As may change
        QString deletedId; // the kept sheet a Delete may remove
        bool leaves = false;
        // The file the sheet must belong to after the action, where the action decides it.
        std::optional<QString> boundAfter;

        switch (action) {
        case Type: {
            QLineEdit *e = edit(*window, typedFields.at(random.bounded(int(typedFields.size()))));
            e->setFocus();
            e->selectAll();
            QTest::keyClicks(e, random.bounded(3) ? QString::number(random.bounded(12)) : QStringLiteral("Lee"));
            break;
        }
        case Undo:
            trigger(*window, "mnuUndo");
            break;
        case Redo:
            trigger(*window, "mnuRedo");
            break;
        case New:
        case NewLineups:
            trigger(*window, action == New ? "mnuNew" : "mnuNewSameLineups");
            leaves = true;
            boundAfter = QString();
            break;
        case Open: {
            if (filesBefore.isEmpty())
                continue;
            m_ctx->dialogs.openAnswer = filesBefore.keys().at(random.bounded(int(filesBefore.size())));
            trigger(*window, "mnuOpen");
            leaves = true;
            boundAfter = m_ctx->dialogs.openAnswer;
            break;
        }
        case Save:
        case SaveAs: {
            const bool existing = !filesBefore.isEmpty() && random.bounded(3) == 0;
            m_ctx->dialogs.saveAnswer = existing ? filesBefore.keys().at(random.bounded(int(filesBefore.size())))
                                                 : games + QStringLiteral("/g%1.quorvel").arg(step);
            savedTo = action == Save && !boundBefore.isEmpty() ? boundBefore : m_ctx->dialogs.saveAnswer;
            trigger(*window, action == Save ? "mnuSave" : "mnuSaveAs");
            boundAfter = savedTo;
            break;
        }
        case ResetYes:
        case ResetNo:
            m_ctx->prompter.answers = {action == ResetYes};
            trigger(*window, "mnuReset");
            leaves = action == ResetYes;
            if (leaves)
                boundAfter = QString();
            break;
        case RecoverLast:
            // The newest kept sheet but the window's own comes back, with its own file.
            for (const KeptSheet &kept : run->store.keptSheets()) {
                if (kept.id != keptIdBefore) {
                    boundAfter = kept.boundFile;
                    break;
                }
            }
            trigger(*window, "mnuRecover");
            leaves = true;
            break;
        case RecoverPick:
        case Delete: {
            KeptSheetsDialog *dialog = keptSheetsDialog(*window);
            QVERIFY(dialog);
            const int rows = dialog->table()->rowCount();
            if (rows > 0) {
                const int row = random.bounded(rows);
                dialog->table()->selectRow(row);
                const KeptSheet chosen = run->store.keptSheets().at(row);
                if (action == Delete)
                    deletedId = chosen.id;
                else
                    boundAfter = chosen.boundFile;
                m_ctx->prompter.answers = {true};
                dialog
                    ->findChild<QPushButton *>(action == Delete ? QStringLiteral("cmdDeleteKept")
                                                                : QStringLiteral("cmdOpenKept"))
                    ->click();
            }
            dialog->close();
            leaves = action == RecoverPick;
            break;
        }
        case Close:
            close(window);
            window = open(run->context);
            leaves = true;
            break;
        case Crash: {
            // What the last keeping of the open sheet holds is what a crash can save.
            FakeTimer *timer = autosaveTimer();
            if (timer->isEnabled())
                QVERIFY(timer->fire());
            run->store.waitForWrites();
            window.release()->deleteLater();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            run.reset();
            run = std::make_unique<Run>(*m_ctx, folder);
            m_ctx->prompter.answers = {random.bounded(2) == 0};
            window = open(run->context);
            leaves = true;
            break;
        }
        }
        QCoreApplication::processEvents();
        const QString where = QStringLiteral("seed %1, step %2, action %3").arg(seed).arg(step).arg(int(action));

        // Files change only by Save or Save As, and only the file saved to.
        const QMap<QString, QByteArray> filesAfter = filesNow();
        for (const QString &path : filesBefore.keys())
            QVERIFY2(filesAfter.contains(path), qPrintable(where + QStringLiteral(": a file went away")));
        for (auto it = filesAfter.begin(); it != filesAfter.end(); ++it) {
            if (filesBefore.value(it.key()) != it.value())
                QVERIFY2(it.key() == savedTo, qPrintable(where + QStringLiteral(": changed ") + it.key()));
        }
        // An unsaved sheet that leaves the window is in the window, a file or the kept sheets.
        const QMap<QString, QStringList> keptAfter = keptTexts(run->store);
        if (leaves && unsavedBefore) {
            const bool found = textsOf(window->sheet()) == sheetBefore || keptAfter.values().contains(sheetBefore)
                               || allGameTexts(filesAfter).contains(sheetBefore);
            QVERIFY2(found, qPrintable(where + QStringLiteral(": an unsaved sheet was lost")));
        }
        // Kept sheets stay, but for the window's own once it is saved, and a deleted one;
        // only the window's own is kept again in place of itself.
        for (auto it = keptBefore.begin(); it != keptBefore.end(); ++it) {
            const bool ownSheet = it.key() == keptIdBefore;
            if (!keptAfter.contains(it.key())) {
                QVERIFY2(it.key() == deletedId || (ownSheet && !savedTo.isEmpty()),
                         qPrintable(where + QStringLiteral(": a kept sheet went away")));
                continue;
            }
            if (keptAfter.value(it.key()) != it.value())
                QVERIFY2(ownSheet && leaves, qPrintable(where + QStringLiteral(": a kept sheet changed")));
        }
        QVERIFY(keptAfter.size() <= SheetStore::MaxKept);
        // A sheet belongs to a file by Open, Save and Save As only; a new, reset or recovered
        // sheet never takes over the file of the sheet it replaced.
        if (boundAfter)
            QVERIFY2(window->gameKeeper().filePath() == *boundAfter,
                     qPrintable(where + QStringLiteral(": belongs to ") + window->gameKeeper().filePath()));
        m_ctx->clock.wallClock = m_ctx->clock.wallClock.addSecs(7);
    }
    window->close();
}

QTEST_MAIN(TestGameKeeping)
#include "tst_gamekeeping.moc"
