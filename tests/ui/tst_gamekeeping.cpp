#include "roll/RollHistory.h"
#include "scoresheet/GameFile.h"
#include "scoresheet/Scoresheet.h"
#include "services/AutosaveStore.h"
#include "support/SheetTexts.h"
#include "support/TestContext.h"
#include "ui/Appearance.h"
#include "ui/scoresheet/GameKeeper.h"
#include "ui/scoresheet/ScoresheetWindow.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QUndoStack>
#include <QtTest>

#include <memory>
#include <optional>

namespace {
// A second run of the program on the same folder: its own store and context.
struct Run
{
    explicit Run(TestContext &base, const QString &folder)
        : store(folder)
        , context{base.soundSetting, base.random,  base.sound,  base.documents,           base.prompter,
                  base.printer,      base.dialogs, base.timers, base.context.dataFolders, &store}
    {
        store.claim(nullptr);
    }
    AutosaveStore store;
    WindowContext context;
};
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
    FakeTimer *autosaveTimer() const { return m_ctx->timers.latest(QStringLiteral("autosaveTimer")); }

private Q_SLOTS:
    void initTestCase() { applyAppearance(*qApp); }
    void init() { m_ctx = std::make_unique<TestContext>(); }
    void cleanup() { m_ctx.reset(); }

    // A saved game opens in a new window exactly as it was, title and all, and the next
    // keystrokes give the same results as on the sheet that never closed.
    void saveAndOpen()
    {
        auto first = open(m_ctx->context);
        type(*first, "txtTeamA", "Owls");
        type(*first, "txtHitPA_1", "3");
        type(*first, "txtRA_1", "2");
        type(*first, "txtHitA_2", "1");
        m_ctx->dialogs.saveAnswer = m_files.filePath(QStringLiteral("owls.quorvel"));
        trigger(*first, "mnuSave"); // no file yet: Save asks where
        QCOMPARE(m_ctx->dialogs.suggestedPaths.size(), 1);
        QVERIFY(m_ctx->dialogs.suggestedPaths.first().endsWith(
            QStringLiteral("/Owls at Home %1.quorvel").arg(QDate::currentDate().toString(Qt::ISODate))));
        QCOMPARE(first->windowTitle(), QStringLiteral("owls.quorvel[*]"));
        QVERIFY(!first->isWindowModified());
        type(*first, "txtBBA_1", "1");
        QVERIFY(first->isWindowModified());
        trigger(*first, "mnuUndo");
        QVERIFY(!first->isWindowModified());

        auto second = open(m_ctx->context);
        QCOMPARE(second->windowTitle(), QStringLiteral("Scoresheet"));
        m_ctx->dialogs.openAnswer = m_ctx->dialogs.saveAnswer;
        trigger(*second, "mnuOpen");
        QVERIFY(m_ctx->prompter.messages.isEmpty());
        QCOMPARE(textsOf(second->sheet()), textsOf(first->sheet()));
        QVERIFY(second->sheet().state() == first->sheet().state());
        QCOMPARE(second->windowTitle(), QStringLiteral("owls.quorvel[*]"));

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
        auto window = open(m_ctx->context);
        type(*window, "txtTeamA", "Owls");
        const QStringList before = textsOf(window->sheet());
        QFile broken(m_files.filePath(QStringLiteral("broken.quorvel")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("{\"format\": \"quorvel-game\", \"version\": 1, \"fields\": {\"txtHitA_99\": \"1\"");
        broken.close();
        m_ctx->dialogs.openAnswer = broken.fileName();
        m_ctx->prompter.answers = {true}; // the unsaved edits may go
        trigger(*window, "mnuOpen");
        QCOMPARE(m_ctx->prompter.questions.size(), 1);
        QCOMPARE(m_ctx->prompter.messages.size(), 1);
        QVERIFY(m_ctx->prompter.messages.first().contains(QStringLiteral("broken.quorvel")));
        QCOMPARE(textsOf(window->sheet()), before);
        QCOMPARE(window->windowTitle(), QStringLiteral("Scoresheet"));
        // No to the question opens nothing at all.
        m_ctx->prompter.answers = {false};
        trigger(*window, "mnuOpen");
        QCOMPARE(m_ctx->dialogs.openFolders.size(), 1);
    }

    // A save that cannot be written says which file and why, and the sheet keeps no file name.
    void failedSaveIsTold()
    {
        auto window = open(m_ctx->context);
        type(*window, "txtTeamA", "Owls");
        m_ctx->dialogs.saveAnswer = m_files.filePath(QStringLiteral("gone/owls.quorvel"));
        trigger(*window, "mnuSaveAs");
        QCOMPARE(m_ctx->prompter.messages.size(), 1);
        QVERIFY(m_ctx->prompter.messages.first().contains(QStringLiteral("owls.quorvel")));
        QCOMPARE(window->windowTitle(), QStringLiteral("Scoresheet"));
        QVERIFY(window->gameKeeper().filePath().isEmpty());
    }

    // A pasted line break does not reach the sheet: what the sheet holds can always be saved and opened.
    void pastedLinesStayOneLine()
    {
        auto window = open(m_ctx->context);
        QApplication::clipboard()->setText(QStringLiteral("Owls\nof\rthe\u2028North"));
        QLineEdit *team = edit(*window, "txtTeamA");
        team->setFocus();
        QTest::keyClick(team, Qt::Key_V, Qt::ControlModifier);
        const QString name = window->sheet().field("txtTeamA").text();
        QVERIFY2(name.startsWith(QStringLiteral("Owls")) && !name.contains(u'\n') && !name.contains(u'\r')
                     && !name.contains(QChar::LineSeparator),
                 qPrintable(name));
        QCOMPARE(team->text(), name);
        const QString path = m_files.filePath(QStringLiteral("pasted.quorvel"));
        m_ctx->dialogs.saveAnswer = path;
        trigger(*window, "mnuSaveAs");
        QVERIFY(GameFile::load(path, window->sheet()).ok());
    }

    // Typing restarts one autosave timer; its tick writes the sheet, which a crash leaves
    // behind: the next run asks, and Yes brings the sheet back as one undoable step.
    void crashedSheetComesBack()
    {
        const QString folder = m_files.filePath(QStringLiteral("crash"));
        QStringList typed;
        {
            Run before(*m_ctx, folder);
            auto window = open(before.context);
            type(*window, "txtTeamA", "Owls");
            FakeTimer *timer = autosaveTimer();
            QVERIFY(timer && timer->isEnabled());
            QCOMPARE(timer->interval(), GameKeeper::AutosaveDelayMs);
            const int enables = timer->enables;
            type(*window, "txtRA_1", "12");
            QCOMPARE(timer->enables, enables + 2); // restarted by each keystroke, not a save each
            QVERIFY(timer->fire());
            QVERIFY(!timer->isEnabled());
            before.store.waitForWrites();
            typed = textsOf(window->sheet());
            window.release()->deleteLater(); // the program dies: no close
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        Run after(*m_ctx, folder);
        QCOMPARE(after.store.slot(), 1);
        m_ctx->prompter.answers = {true};
        auto window = open(after.context);
        QCOMPARE(m_ctx->prompter.questions.size(), 1);
        QVERIFY(m_ctx->prompter.questions.first().contains(QStringLiteral("(Owls at Home) was not closed properly")));
        QCOMPARE(textsOf(window->sheet()), typed);
        trigger(*window, "mnuUndo");
        QCOMPARE(textsOf(window->sheet()), textsOf(Scoresheet()));
    }

    // A clean close asks nothing next time; Recover Last Sheet brings the closed sheet back,
    // and No to the crash question keeps that sheet for Recover Last Sheet.
    void cleanCloseAndRecover()
    {
        auto window = open(m_ctx->context);
        type(*window, "txtTeamA", "Owls");
        type(*window, "txtHitPA_2", "4");
        const QStringList closed = textsOf(window->sheet());
        window->close();
        window.reset();

        window = open(m_ctx->context);
        QVERIFY(m_ctx->prompter.questions.isEmpty());
        QCOMPARE(textsOf(window->sheet()), textsOf(Scoresheet()));
        trigger(*window, "mnuRecover");
        QCOMPARE(textsOf(window->sheet()), closed);
        QCOMPARE(window->history().undoText(), QStringLiteral("Recover Last Sheet"));
        QVERIFY(m_ctx->prompter.messages.isEmpty());
    }

    // The sheet's rolls go into its game file and come back with it, on Open and on Recover; a
    // new sheet starts with none, and a file whose rolls are broken is refused as a whole.
    void rollsTravelWithTheGame()
    {
        auto window = open(m_ctx->context);
        m_ctx->soundSetting.setOn(false);
        auto *roll = window->findChild<QPushButton *>(QStringLiteral("cmdRoll"));
        for (int i = 0; i < 3; ++i)
            roll->click();
        QCOMPARE(window->rolls().size(), 3);
        const QString rolled = window->rolls().text();
        m_ctx->dialogs.saveAnswer = m_files.filePath(QStringLiteral("rolls.quorvel"));
        trigger(*window, "mnuSave");
        window->close();
        window.reset();

        window = open(m_ctx->context);
        QVERIFY(window->rolls().isEmpty());
        trigger(*window, "mnuRecover");
        QCOMPARE(window->rolls().text(), rolled);
        window->rolls().clear();
        m_ctx->dialogs.openAnswer = m_ctx->dialogs.saveAnswer;
        trigger(*window, "mnuOpen");
        QCOMPARE(window->rolls().text(), rolled);

        QFile file(m_ctx->dialogs.saveAnswer);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        file.close();
        const qsizetype dice = bytes.indexOf("\"dice\": \"") + 9;
        QVERIFY(dice > 9);
        bytes.replace(dice, 2, "99");
        const QString broken = m_files.filePath(QStringLiteral("broken rolls.quorvel"));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        QVERIFY(!window->gameKeeper().openFile(broken));
        QVERIFY(m_ctx->prompter.messages.last().contains(QStringLiteral("rolls")));
        QCOMPARE(window->rolls().text(), rolled);
    }

    // Two running copies take two slots and never write each other's sheet.
    void twoCopiesKeepApart()
    {
        const QString folder = m_files.filePath(QStringLiteral("two"));
        Run one(*m_ctx, folder);
        Run two(*m_ctx, folder);
        QCOMPARE(one.store.slot(), 1);
        QCOMPARE(two.store.slot(), 2);
        QString error;
        QVERIFY(one.store.writeOpen("one", &error));
        QVERIFY(two.store.writeOpen("two", &error));
        QFile first(one.store.unfinishedPath());
        QVERIFY(first.open(QIODevice::ReadOnly));
        QCOMPARE(first.readAll(), QByteArray("one"));
    }

    // An autosave that cannot be written is told once per window; typing goes on.
    void autosaveFailureToldOnce()
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
        QCOMPARE(m_ctx->prompter.messages.size(), 1);
        QCOMPARE(edit(*window, "txtRunsA")->text(), QStringLiteral("3"));
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

    // Steps name what they undo; keystrokes in one field are one step; Ctrl+Z in a field
    // undoes the sheet's step, totals included, not just the field's text.
    void undoSteps()
    {
        auto window = open(m_ctx->context);
        QAction *undo = window->findChild<QAction *>(QStringLiteral("mnuUndo"));
        type(*window, "txtHitA_3", "12");
        QCOMPARE(undo->text().remove(u'&'), QStringLiteral("Undo Typing in Away H, row 3"));
        QCOMPARE(window->history().count(), 1);
        type(*window, "txtRA_1", "5");
        QCOMPARE(window->history().count(), 2);
        QCOMPARE(edit(*window, "txtRunsA")->text(), QStringLiteral("5"));

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
        auto window = open(m_ctx->context);
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
        QVERIFY(window->history().count() > 20);
        while (window->history().canUndo())
            window->history().undo();
        QCOMPARE(textsOf(window->sheet()), textsOf(Scoresheet()));
        QVERIFY(window->sheet().state() == SheetState{});
        while (window->history().canRedo())
            window->history().redo();
        QCOMPARE(textsOf(window->sheet()), final);
        QVERIFY(window->sheet().state() == finalState);
    }
};

QTEST_MAIN(TestGameKeeping)
#include "tst_gamekeeping.moc"
