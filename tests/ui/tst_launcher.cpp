#include "support/TestContext.h"
#include "ui/Appearance.h"
#include "ui/LauncherWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestLauncher : public QObject
{
    Q_OBJECT

private:
    QPointer<LauncherWindow> m_window;

    template <typename T> T *find(const char *name) const
    {
        return m_window->findChild<T *>(QString::fromLatin1(name));
    }

private Q_SLOTS:
    void initTestCase() { applyAppearance(*qApp); }

    void init()
    {
        m_window = new LauncherWindow;
        m_window->show();
        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }

    void cleanup() { delete m_window.data(); }

    // Caption, size, texts and fonts of the launcher as designed.
    void looksAsDesigned()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Quorvel"));
        QCOMPARE(m_window->size(), QSize(485, 299));
        QVERIFY(isCentredOnScreen(m_window));
        QTRY_VERIFY(!m_window->windowIcon().isNull()); // handed over once the window is painted
        QCOMPARE(find<QLabel>("Label1_1")->text(), QStringLiteral("TALLOWMERE - Quorvel"));
        QCOMPARE(find<QLabel>("Label1_0")->text(), QStringLiteral("MAKE YOUR CHOICE"));
        QCOMPARE(find<QLabel>("Label1_1")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QFont heading = find<QLabel>("Label1_0")->font();
        QVERIFY(heading.bold() && heading.underline());
        QCOMPARE(heading.pixelSize(), 16);
        QCOMPARE(find<QPushButton>("cmdRoller")->text(), QStringLiteral("Quorvel Dice Roller"));
        QCOMPARE(find<QPushButton>("cmdHelper")->text(), QStringLiteral("Quorvel Helper"));
        QCOMPARE(find<QPushButton>("cmdExit")->text(), QStringLiteral("Exit"));
        QVERIFY(find<QPushButton>("cmdExit")->font().bold());
        QCOMPARE(find<QPushButton>("cmdRoller")->geometry(), toPixels({2310, 1680, 2655, 495}));
        QCOMPARE(find<QPushButton>("cmdHelper")->geometry(), toPixels({2310, 2400, 2655, 495}));
        QCOMPARE(find<QPushButton>("cmdExit")->geometry(), toPixels({2310, 3120, 2655, 495}));
        // The season book's button stands under the three, inside the window.
        QCOMPARE(find<QPushButton>("cmdSeason")->text(), QStringLiteral("Quorvel Season Book"));
        QVERIFY(find<QPushButton>("cmdSeason")->geometry().top() > find<QPushButton>("cmdExit")->geometry().bottom());
        QVERIFY(m_window->rect().contains(find<QPushButton>("cmdSeason")->geometry()));
        // Everything is centred on the window's vertical centre line.
        for (const char *name : {"cmdRoller", "cmdHelper", "cmdExit", "Label1_0", "Label1_1"})
            QVERIFY(qAbs(find<QWidget>(name)->geometry().center().x() - 242) <= 1);
    }

    // The launcher's texts show in the bundled face, which the appearance installed at start-up.
    void textsInBundledFace()
    {
        for (const char *name : {"Label1_0", "Label1_1"})
            QCOMPARE(QFontInfo(find<QLabel>(name)->font()).family(), QStringLiteral("Liberation Sans"));
    }

    // The title is drawn in red, the prompt in the system's text colour.
    void headingColours()
    {
        const QImage shot = m_window->grab().toImage();
        const auto countRed = [&](const char *name) {
            const QRect r = find<QWidget>(name)->geometry();
            int red = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    red += QColor(shot.pixel(x, y)) == QColor(255, 0, 0);
            return red;
        };
        QVERIFY(countRed("Label1_1") > 50);
        QCOMPARE(countRed("Label1_0"), 0);
    }

    // The focus starts on "Quorvel Dice Roller" and Tab cycles the buttons in the order they stand.
    void focusAndTabOrder()
    {
        QCOMPARE(QApplication::focusWidget(), find<QWidget>("cmdRoller"));
        const char *expected[] = {"cmdHelper", "cmdExit", "cmdSeason", "cmdRoller"};
        for (const char *name : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), find<QWidget>(name));
        }
    }

    // Enter or the space bar on the focused button opens the roller.
    void keyboardPressesTheFocusedButton()
    {
        QSignalSpy roller(m_window.data(), &LauncherWindow::rollerRequested);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(roller.size(), 2);
    }

    // Resizing moves nothing: the controls keep their places at the top left.
    void resizingMovesNothing()
    {
        QVERIFY(m_window->maximumWidth() > 485);
        const QRect before = find<QWidget>("cmdExit")->geometry();
        m_window->resize(300, 200);
        QCOMPARE(find<QWidget>("cmdExit")->geometry(), before);
        m_window->resize(900, 700);
        QCOMPARE(find<QWidget>("cmdExit")->geometry(), before);
    }
};

QTEST_MAIN(TestLauncher)
#include "tst_launcher.moc"
