#include "roll/RollHistory.h"
#include "support/TestContext.h"
#include "ui/Appearance.h"
#include "ui/roll/Dice.h"
#include "ui/roll/RollBinding.h"
#include "ui/roll/RollHistoryPanel.h"
#include "ui/roll/RollPanelLayout.h"
#include "ui/roll/RollerWindow.h"
#include "ui/scoresheet/ScoresheetWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace {
// Every value-change event the program raises, by the object it names.
QList<QObject *> valueChanges;

void recordUpdate(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::ValueChanged)
        valueChanges << event->object();
}

// The controls a user meets: buttons, fields, the dice values and the history's table.
QList<QWidget *> visibleControls(QWidget *window)
{
    QList<QWidget *> controls;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        const bool control = qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w)
                             || qobject_cast<QTableWidget *>(w)
                             || (qobject_cast<QLabel *>(w) && w->objectName().startsWith(QLatin1String("lbl")));
        if (control && w->isVisibleTo(window))
            controls << w;
    }
    return controls;
}
} // namespace

// The roll history's panel in both windows that roll, and what a screen reader hears of them.
class TestRollAccess : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestContext> m_ctx;

    template <typename Window> std::unique_ptr<Window> open()
    {
        auto window = std::make_unique<Window>(m_ctx->context);
        window->show();
        [&] { QVERIFY(QTest::qWaitForWindowExposed(window.get())); }();
        return window;
    }
    static QAction *action(QWidget *window, const char *name)
    {
        return window->findChild<QAction *>(QString::fromLatin1(name));
    }
    // A press with sound on, its shuffle and its stop, on the test's timers.
    void rollToRest(int frames)
    {
        QPushButton *roll = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (!roll && w->isVisible())
                roll = w->findChild<QPushButton *>(QStringLiteral("cmdRoll"));
        QVERIFY(roll);
        roll->click();
        for (int i = 0; i < frames; ++i)
            QVERIFY(m_ctx->timers.latest(QStringLiteral("Timer2"))->fire());
        QVERIFY(m_ctx->timers.latest(QStringLiteral("Timer1"))->fire());
    }

private Q_SLOTS:
    void initTestCase()
    {
        applyAppearance(*qApp);
        QAccessible::installUpdateHandler(recordUpdate);
        QAccessible::setActive(true);
    }
    void init() { m_ctx = std::make_unique<TestContext>(); }
    void cleanup()
    {
        flushDeletes();
        m_ctx.reset();
    }

    // Roll History (Ctrl+H) opens the panel beside the dice, never over them, in the roller and the sheet.
    void panelBesideTheDice()
    {
        auto roller = open<RollerWindow>();
        auto sheet = open<ScoresheetWindow>();
        for (RollWindow *window : {static_cast<RollWindow *>(roller.get()), static_cast<RollWindow *>(sheet.get())}) {
            RollHistoryPanel &panel = window->historyPanel();
            QVERIFY(!panel.isVisible());
            QAction *item = action(window, "mnuHistory");
            QCOMPARE(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
            item->trigger();
            QVERIFY(panel.isVisible());
            QVERIFY(!panel.geometry().intersects(window->centralWidget()->geometry()));
            QVERIFY(panel.table()->minimumWidth() <= panel.width());
            item->trigger();
            QVERIFY(!panel.isVisible());
        }
    }

    // The roller's rolls stay while the program runs, across closing and opening the roller;
    // each value shows in its die's colours, newest roll at the top.
    void rollerHistorySurvivesClosing()
    {
        auto roller = open<RollerWindow>();
        rollToRest(3);
        roller->close();
        roller.reset();
        roller = open<RollerWindow>();
        rollToRest(3);
        QCOMPARE(m_ctx->rollerHistory.size(), 2);
        QTableWidget *table = roller->historyPanel().table();
        QCOMPARE(table->rowCount(), 2);
        const auto values = m_ctx->rollerHistory.at(0).roll.values();
        for (int i = 0; i < Roll::FieldCount; ++i) {
            QTableWidgetItem *cell = table->item(0, 1 + i);
            QCOMPARE(cell->text(), QString::number(values.at(size_t(i))));
            QCOMPARE(cell->background().color(), die(i).background);
            QCOMPARE(cell->foreground().color(), die(i).text);
        }
        QCOMPARE(table->item(0, 0)->text(), m_ctx->rollerHistory.at(0).at.toString(QStringLiteral("HH:mm:ss")));
    }

    // Copy takes the selected rolls or all of them as plain text; Clear asks, and No keeps them.
    void copyAndClear()
    {
        auto roller = open<RollerWindow>();
        m_ctx->soundSetting.setOn(false);
        auto *roll = roller->findChild<QPushButton *>(QStringLiteral("cmdRoll"));
        for (int i = 0; i < 3; ++i) {
            m_ctx->random.feed(std::vector<float>(12, 0.1f * float(i)));
            roll->click();
        }
        RollHistoryPanel &panel = roller->historyPanel();
        panel.table()->selectRow(1);
        roller->findChild<QPushButton *>(QStringLiteral("cmdCopyRolls"))->click();
        QCOMPARE(QApplication::clipboard()->text(), m_ctx->rollerHistory.text({1}));
        QCOMPARE(QApplication::clipboard()->text().count(u'\n'), 1);
        roller->findChild<QPushButton *>(QStringLiteral("cmdCopyAllRolls"))->click();
        QCOMPARE(QApplication::clipboard()->text(), m_ctx->rollerHistory.text());
        QCOMPARE(QApplication::clipboard()->text().count(u'\n'), 3);

        m_ctx->prompter.answers = {false, true};
        auto *clear = roller->findChild<QPushButton *>(QStringLiteral("cmdClearRolls"));
        clear->click();
        QCOMPARE(m_ctx->rollerHistory.size(), 3);
        clear->click();
        QVERIFY(m_ctx->rollerHistory.isEmpty());
        QCOMPARE(panel.table()->rowCount(), 0);
        QCOMPARE(m_ctx->prompter.questions.size(), 2);
    }

    // Tab enters the history table once and leaves it for the commands under it, in the order
    // they stand; the arrows move from roll to roll inside the table.
    void keyboardThroughTheHistory()
    {
        auto roller = open<RollerWindow>();
        m_ctx->soundSetting.setOn(false);
        auto *roll = roller->findChild<QPushButton *>(QStringLiteral("cmdRoll"));
        for (int i = 0; i < 3; ++i)
            roll->click();
        action(roller.get(), "mnuHistory")->trigger();
        QTableWidget *table = roller->historyPanel().table();
        table->setFocus();
        table->setCurrentCell(0, 1);
        QTest::keyClick(table, Qt::Key_Down);
        QCOMPARE(table->currentRow(), 1);
        QCOMPARE(QApplication::focusWidget(), table);
        QStringList visited;
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, (QStringList{"cmdCopyRolls", "cmdCopyAllRolls", "cmdClearRolls"}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), table);
    }

    // Every visible control of both windows has a name a screen reader can say, unique in its window,
    // and the sheet's computed fields say so.
    void everyControlIsNamed()
    {
        auto roller = open<RollerWindow>();
        auto sheet = open<ScoresheetWindow>();
        for (QWidget *window : {static_cast<QWidget *>(roller.get()), static_cast<QWidget *>(sheet.get())}) {
            action(window, "mnuHistory")->trigger();
            QSet<QString> names;
            const QList<QWidget *> controls = visibleControls(window);
            QVERIFY(controls.size() > 10);
            for (QWidget *control : controls) {
                QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
                QVERIFY(face);
                const QString name = face->text(QAccessible::Name);
                QVERIFY2(!name.isEmpty(), qPrintable(control->objectName()));
                QVERIFY2(!names.contains(name), qPrintable(name));
                names.insert(name);
            }
        }
        const auto nameOf = [&](const char *objectName) {
            QWidget *w = sheet->findChild<QWidget *>(QString::fromLatin1(objectName));
            return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        };
        QVERIFY(visibleControls(sheet.get()).size() > 350);
        QCOMPARE(nameOf("txtHitA_3"), QStringLiteral("Away batting, row 3, H"));
        QCOMPARE(nameOf("txtPitcherH_7"), QStringLiteral("Home inning 7, pitcher"));
        QCOMPARE(nameOf("txtNeedHA"), QStringLiteral("Away NEED H"));
        QCOMPARE(nameOf("lblWho1"), QStringLiteral("WHO, first die"));
        QCOMPARE(nameOf("cmdRoll"), QStringLiteral("Roll the dice"));
        QAccessibleInterface *counter = QAccessible::queryAccessibleInterface(sheet->findChild<QWidget *>("txtRunsA"));
        QVERIFY(counter->text(QAccessible::Description).contains(QStringLiteral("Computed")));
        QAccessibleInterface *typed = QAccessible::queryAccessibleInterface(sheet->findChild<QWidget *>("txtRA_1"));
        QVERIFY(typed->text(QAccessible::Description).isEmpty());
    }

    // A roll coming to rest tells a screen reader the fourteen values, each die by name and value;
    // the shuffle frames before it tell nothing.
    void finalRollIsAnnounced()
    {
        auto roller = open<RollerWindow>();
        auto *who = roller->findChild<QLabel *>(QStringLiteral("lblWho1"));
        valueChanges.clear();
        roller->findChild<QPushButton *>(QStringLiteral("cmdRoll"))->click();
        for (int i = 0; i < 20; ++i)
            QVERIFY(m_ctx->timers.latest(QStringLiteral("Timer2"))->fire());
        QVERIFY(valueChanges.isEmpty());
        QVERIFY(!who->text().isEmpty());
        QCOMPARE(QAccessible::queryAccessibleInterface(who)->text(QAccessible::Name), QStringLiteral("WHO, first die"));
        m_ctx->random.feed({0.8f});
        QVERIFY(m_ctx->timers.latest(QStringLiteral("Timer1"))->fire());
        // Qt hands the events on only where a platform's accessibility is active (not offscreen);
        // there they are counted too.
        if (QAccessible::isActive()) {
            QCOMPARE(valueChanges.size(), Roll::FieldCount);
            QVERIFY(valueChanges.contains(who));
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(who)->text(QAccessible::Name),
                 QStringLiteral("WHO, first die, 17"));
    }
};

QTEST_MAIN(TestRollAccess)
#include "tst_rollaccess.moc"
