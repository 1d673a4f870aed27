#include "support/TestContext.h"
#include "ui/Appearance.h"
#include "ui/scoresheet/ScoresheetWindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QtTest>

// Runs on a screen smaller than the sheet (a laptop, or a large scale factor): the
// scoresheet must still open with everything reachable.
class TestSmallScreen : public QObject
{
    Q_OBJECT

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
        QVERIFY(window.y() - available.y() >= window.style()->pixelMetric(QStyle::PM_TitleBarHeight));

        auto *scroll = qobject_cast<QScrollArea *>(window.centralWidget());
        QVERIFY(scroll);
        QCOMPARE(scroll->widget()->objectName(), QStringLiteral("clientArea"));
        QCOMPARE(scroll->widget()->size(), QSize(734, 711).expandedTo(scroll->viewport()->size()));

        auto *roll = window.findChild<QPushButton *>(QStringLiteral("cmdRoll"));
        scroll->ensureWidgetVisible(roll);
        const QRect shown(roll->mapTo(scroll->viewport(), QPoint(0, 0)), roll->size());
        QVERIFY(scroll->viewport()->rect().contains(shown));
        // The sheet is taller than the room; scrolled to the end, its last row of pixels shows.
        QScrollBar *vertical = scroll->verticalScrollBar();
        QVERIFY(vertical->maximum() > 0);
        vertical->setValue(vertical->maximum());
        const QPoint bottom = scroll->widget()->mapTo(scroll->viewport(), QPoint(0, 710));
        QVERIFY(scroll->viewport()->rect().contains(QPoint(0, bottom.y())));
    }
};

QTEST_MAIN(TestSmallScreen)
#include "tst_smallscreen.moc"
