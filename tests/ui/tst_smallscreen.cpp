#include "support/TestContext.h"
#include "ui/Appearance.h"
#include "ui/ScreenFit.h"
#include "ui/roll/RollHistoryPanel.h"
#include "ui/roll/RollerWindow.h"
#include "ui/scoresheet/ScoresheetWindow.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QtTest>

// Runs on screens that a desktop, a laptop and a large scale factor give: the windows must
// open with everything reachable, and stay on the screen with the roll history beside them.
class TestSmallScreen : public QObject
{
    Q_OBJECT

    // The window with its frame as the window manager draws it, or as the program expects
    // it to be drawn where there is no window manager.
    static QRect framed(const QWidget *window)
    {
        return QRect(window->pos(), window->size().grownBy(ScreenFit::frameMargins(window)));
    }
    static QString describe(const QRect &r)
    {
        return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    template <typename Window> void historyStaysOnScreen()
    {
        TestContext ctx;
        Window window(ctx.context);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect available = window.screen()->availableGeometry();
        const QSize before = window.size();
        QAction *history = window.template findChild<QAction *>(QStringLiteral("mnuHistory"));
        for (int round = 0; round < 2; ++round) {
            history->trigger();
            QCoreApplication::processEvents();
            RollHistoryPanel &panel = window.historyPanel();
            QVERIFY(panel.isVisible());
            QVERIFY2(available.contains(framed(&window)),
                     qPrintable(describe(framed(&window)) + QStringLiteral(" on ") + describe(available)));
            if (panel.isFloating()) {
                QVERIFY2(available.contains(framed(&panel)), qPrintable(describe(framed(&panel))));
            } else {
                QVERIFY(!panel.geometry().intersects(window.centralWidget()->geometry()));
                // No view of the dice or the sheet narrower than 300 px, and the history's time
                // and first dice always in view.
                QVERIFY2(window.centralWidget()->width() >= qMin(300, before.width()),
                         qPrintable(QString::number(window.centralWidget()->width())));
                QVERIFY(panel.table()->viewport()->width() >= panel.table()->columnWidth(0));
            }
            history->trigger();
            QCoreApplication::processEvents();
            QVERIFY(!panel.isVisible());
            // Hidden, the panel gives its room back.
            QCOMPARE(window.size(), before);
            QVERIFY(available.contains(framed(&window)));
        }
    }

private Q_SLOTS:
    void initTestCase() { applyAppearance(*qApp); }

    // The window stands inside the available area, title bar included, and the sheet scrolls
    // inside it so that the lowest controls can be brought into view.
    void sheetScrollsInsideTheScreen()
    {
        TestContext ctx;
        ScoresheetWindow window(ctx.context);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect available = window.screen()->availableGeometry();
        QVERIFY2(available.contains(window.geometry()),
                 qPrintable(QStringLiteral("window %1,%2 %3x%4 on a screen of %5x%6")
                                .arg(window.x())
                                .arg(window.y())
                                .arg(window.width())
                                .arg(window.height())
                                .arg(available.width())
                                .arg(available.height())));
        // Room is left for the frame the window manager will draw around it.
        const QMargins frame = ScreenFit::frameMargins(&window);
        QVERIFY(window.width() + frame.left() + frame.right() <= available.width());
        QVERIFY(window.height() + frame.top() + frame.bottom() <= available.height());

        auto *scroll = qobject_cast<QScrollArea *>(window.centralWidget());
        QVERIFY(scroll);
        QCOMPARE(scroll->widget()->objectName(), QStringLiteral("clientArea"));
        QCOMPARE(scroll->widget()->size(), QSize(734, 711).expandedTo(scroll->viewport()->size()));

        auto *roll = window.findChild<QPushButton *>(QStringLiteral("cmdRoll"));
        scroll->ensureWidgetVisible(roll);
        const QRect shown(roll->mapTo(scroll->viewport(), QPoint(0, 0)), roll->size());
        QVERIFY(scroll->viewport()->rect().contains(shown));
        // Where the sheet is taller than the room, scrolled to the end its last row of pixels shows.
        QScrollBar *vertical = scroll->verticalScrollBar();
        QCOMPARE(vertical->maximum() > 0, scroll->viewport()->height() < 711);
        vertical->setValue(vertical->maximum());
        const QPoint bottom = scroll->widget()->mapTo(scroll->viewport(), QPoint(0, 710));
        QVERIFY(scroll->viewport()->rect().contains(QPoint(0, bottom.y())));
    }

    // The roll history opens beside the sheet or the dice where the screen has room, else in
    // a window of its own: either way every window stays inside the screen, frame and all, and
    // closing the history gives the window its size back.
    void historyBesideTheSheet() { historyStaysOnScreen<ScoresheetWindow>(); }
    void historyBesideTheRoller() { historyStaysOnScreen<RollerWindow>(); }
};

QTEST_MAIN(TestSmallScreen)
#include "tst_smallscreen.moc"
