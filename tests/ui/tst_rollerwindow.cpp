#include "roll/RollSequencer.h"
#include "support/TestContext.h"
#include "ui/Appearance.h"
#include "ui/art/Art.h"
#include "ui/roll/Dice.h"
#include "ui/roll/RollBinding.h"
#include "ui/roll/RollPanel.h"
#include "ui/roll/RollPanelLayout.h"
#include "ui/roll/RollerWindow.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
// The twelve draws that give 1, 9, 11, 20, 4, 11, 6, 11, 1, 2, 3, 4, 5, 9.
const std::vector<float> ExampleDraws = {0.0f,  0.95f, 0.5f,  0.999f, 0.42f, 0.26f,
                                         0.12f, 0.27f, 0.33f, 0.41f,  0.58f, 0.97f};
const QStringList ExampleTexts = {"1", "9", "11", "20", "4", "11", "6", "11", "1", "2", "3", "4", "5", "9"};
} // namespace

namespace {
// Keeps the text a label shows at each of its paints.
class PaintRecorder final : public QObject
{
public:
    PaintRecorder(QLabel *label, QStringList &texts)
        : m_label(label)
        , m_texts(texts)
    {
        label->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_label && event->type() == QEvent::Paint)
            m_texts << m_label->text();
        return false;
    }

private:
    QLabel *m_label;
    QStringList &m_texts;
};
} // namespace

class TestRollerWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestContext> m_ctx;
    QPointer<RollerWindow> m_window;

    template <typename T> T *find(const QString &name) const
    {
        T *child = m_window->findChild<T *>(name);
        if (!child)
            qWarning("no control named %s", qPrintable(name));
        return child;
    }
    QStringList captions() const
    {
        QStringList texts;
        for (const Die &d : dice())
            texts << find<QLabel>(d.labelName())->text();
        return texts;
    }
    FakeTimer *timer(const char *name) const { return m_ctx->timers.latest(QString::fromLatin1(name)); }

private Q_SLOTS:
    void initTestCase() { applyAppearance(*qApp); }

    void init()
    {
        m_ctx = std::make_unique<TestContext>();
        m_ctx->soundSetting.setOn(false); // whatever came before, a window opens with sound on
        m_window = new RollerWindow(m_ctx->context);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    void cleanup()
    {
        delete m_window.data();
        m_ctx.reset();
    }

    // The window opens with the given caption, a fixed 343 x 355 client area, blank dice,
    // idle timers, sound on and the focus on the roll button.
    void opensAsDesigned()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Quorvel Roller"));
        QCOMPARE(m_window->centralWidget()->size(), QSize(343, 355));
        QVERIFY(isCentredOnScreen(m_window));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(m_window->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(m_window->windowFlags() & Qt::WindowCloseButtonHint);
        QTRY_VERIFY(!m_window->windowIcon().isNull()); // handed over once the window is painted
        for (const QString &text : captions())
            QVERIFY(text.isEmpty());
        QVERIFY(!timer("Timer1")->isEnabled());
        QVERIFY(!timer("Timer2")->isEnabled());
        QCOMPARE(timer("Timer1")->interval(), 2000);
        QCOMPARE(timer("Timer2")->interval(), 5);
        QVERIFY(m_ctx->soundSetting.isOn());
        QVERIFY(find<QAction>("mnuOn")->isChecked());
        QVERIFY(!find<QAction>("mnuOff")->isChecked());
        QCOMPARE(m_window->focusWidget(), find<QPushButton>("cmdRoll"));
        QCOMPARE(m_ctx->sound.preloaded, QStringList{"/opt/quorvel/dice.wav"});
    }

    // Menus stand File, View, Sound, Help with their items in order; Ctrl+H is the one shortcut.
    void menusInOrder()
    {
        QStringList titles;
        for (QAction *a : m_window->menuBar()->actions())
            titles << a->text().remove(QLatin1Char('&'));
        QCOMPARE(titles, (QStringList{"File", "View", "Sound", "Help"}));
        QCOMPARE(find<QAction>("mnuHistory")->text().remove(QLatin1Char('&')), QStringLiteral("Roll History"));
        QCOMPARE(find<QAction>("mnuHistory")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
        QVERIFY(find<QMenu>("mnuFile"));
        QVERIFY(find<QMenu>("mnuSound"));
        QVERIFY(find<QMenu>("mnuHelp"));
        QCOMPARE(find<QAction>("mnuExit")->text().remove(QLatin1Char('&')), QStringLiteral("Exit"));
        QCOMPARE(find<QAction>("mnuRules")->text().remove(QLatin1Char('&')), QStringLiteral("View Rules"));
        for (const char *name : {"mnuExit", "mnuOn", "mnuOff", "mnuRules"})
            QVERIFY(find<QAction>(name)->shortcut().isEmpty());
    }

    // The keyboard reaches the menus: Alt+S opens Sound, and its underlined letter picks "Sound Off".
    void menusByKeyboard()
    {
        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        QTest::keyClick(m_window, Qt::Key_S, Qt::AltModifier);
        QMenu *sound = find<QMenu>("mnuSound");
        QVERIFY(sound->isVisible());
        QTest::keyClick(sound, Qt::Key_F);
        QVERIFY(!sound->isVisible());
        QVERIFY(!m_ctx->soundSetting.isOn());
        QVERIFY(find<QAction>("mnuOff")->isChecked());
    }

    // With sound off a click rolls at once and the labels show the drawn record; Enter on the focused button does the
    // same.
    void soundOffRollsAtOnce()
    {
        find<QAction>("mnuOff")->trigger();
        QVERIFY(!m_ctx->soundSetting.isOn());
        m_ctx->random.feed(ExampleDraws);
        QTest::mouseClick(find<QPushButton>("cmdRoll"), Qt::LeftButton);
        QCOMPARE(captions(), ExampleTexts);
        QVERIFY(m_ctx->sound.played.isEmpty());
        QVERIFY(!timer("Timer1")->isEnabled());
        QVERIFY(!timer("Timer2")->isEnabled());

        m_ctx->random.fallback = 0.0f;
        QTest::keyClick(find<QPushButton>("cmdRoll"), Qt::Key_Return);
        QCOMPARE(find<QLabel>("lblScore")->text(), QStringLiteral("1"));
        QTest::keyClick(find<QPushButton>("cmdRoll"), Qt::Key_Space);
        QCOMPARE(m_ctx->random.reseeds, 3);
    }

    // With sound on a click plays the dice sound and shuffles; the stop tick leaves the final roll.
    void soundOnShufflesThenStops()
    {
        QTest::mouseClick(find<QPushButton>("cmdRoll"), Qt::LeftButton);
        QCOMPARE(m_ctx->sound.played, QStringList{"/opt/quorvel/dice.wav"});
        QVERIFY(timer("Timer1")->isEnabled());
        QVERIFY(timer("Timer2")->isEnabled());
        QVERIFY(find<QLabel>("lblWho1")->text().isEmpty());

        m_ctx->random.fallback = 0.0f;
        QVERIFY(timer("Timer2")->fire());
        QCOMPARE(find<QLabel>("lblWho1")->text(), QStringLiteral("1"));
        m_ctx->random.feed(ExampleDraws);
        QVERIFY(timer("Timer1")->fire());
        QCOMPARE(captions(), ExampleTexts);
        QVERIFY(!timer("Timer2")->isEnabled());
        QVERIFY(!timer("Timer1")->isEnabled());
    }

    // Clicking the item that carries the check mark keeps it; the marks always agree with the flag.
    void soundMenuMarks()
    {
        QAction *on = find<QAction>("mnuOn");
        QAction *off = find<QAction>("mnuOff");
        on->trigger();
        QVERIFY(on->isChecked() && !off->isChecked());
        QVERIFY(m_ctx->soundSetting.isOn());
        off->trigger();
        off->trigger();
        QVERIFY(!on->isChecked() && off->isChecked());
        QVERIFY(!m_ctx->soundSetting.isOn());
    }

    // Every die, label, picture and the button stand at their rectangles from the layout table, in pixels.
    void controlsAtTheirRectangles()
    {
        const RollPanelLayout &table = rollerPanelLayout();
        for (int i = 0; i < Roll::FieldCount; ++i) {
            const DieLayout &d = table.dice.at(size_t(i));
            auto *label = find<QLabel>(die(i).labelName());
            QCOMPARE(label->geometry(), toPixels(d.labelRect));
            QCOMPARE(find<QWidget>(diePictureName(i))->geometry(), toPixels(d.dieRect));
        }
        QCOMPARE(find<QWidget>("Image1")->geometry(), QRect(0, 0, 343, 309));
        QCOMPARE(find<QPushButton>("cmdRoll")->geometry(), toPixels({1763, 4680, 1455, 495}));
        QCOMPARE(find<QPushButton>("cmdRoll")->text(), QStringLiteral("Click to Roll"));
    }

    // Labels stand in front of their dice, dice in front of the box picture.
    void stackingOrder()
    {
        const QObjectList &order = m_window->centralWidget()->children();
        const auto at = [&](const char *name) { return order.indexOf(find<QObject>(name)); };
        QVERIFY(at("Image1") < at("imgDice_1"));
        QVERIFY(at("imgDice_14") < at("lblWho1"));
        QVERIFY(at("lblRunsUE2") < at("cmdRoll"));
    }

    // On screen, a rolled number sits on its die's colour and the dice show through the box picture.
    void renderedColours()
    {
        find<QAction>("mnuOff")->trigger();
        m_ctx->random.feed(ExampleDraws);
        find<QPushButton>("cmdRoll")->click();
        const QImage shot = m_window->centralWidget()->grab().toImage();
        const auto colourAt = [&](const char *name, QPoint offset) {
            const QRect r = find<QWidget>(name)->geometry();
            return QColor(shot.pixel(r.topLeft() + offset)).rgb();
        };
        QCOMPARE(colourAt("lblWho1", {1, 1}), QColor(255, 0, 0).rgb());
        QCOMPARE(colourAt("lblWhere1", {1, 1}), QColor(0, 0, 128).rgb());
        QCOMPARE(colourAt("lblK", {1, 1}), QColor(0, 128, 0).rgb());
        QCOMPARE(colourAt("lblScore", {1, 1}), QColor(255, 255, 255).rgb());
        // Below the label, still on the die: the die's fill.
        const QRect die = find<QWidget>("imgDice_7")->geometry();
        QCOMPARE(QColor(shot.pixel(die.center().x(), die.bottom() - 8)).rgb(), QColor(0, 128, 0).rgb());
        // Each value is drawn in its text colour, centred on its label: the ink of "20" on
        // the navy die is white and sits in the middle.
        const auto ink = [&](const char *name, QColor colour) {
            const QRect r = find<QWidget>(name)->geometry();
            QRect box;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    if (QColor(shot.pixel(x, y)) == colour)
                        box |= QRect(x, y, 1, 1);
            return box;
        };
        const QRect where1Ink = ink("lblWhere1", Qt::white);
        QVERIFY(where1Ink.width() >= 6 && where1Ink.height() >= 6);
        QVERIFY(qAbs(where1Ink.center().x() - find<QWidget>("lblWhere1")->geometry().center().x()) <= 1);
        // A two-digit value fits its label: nothing of the text is cut at the label's edges.
        QLabel *where1 = find<QLabel>("lblWhere1");
        QCOMPARE(where1->text(), QStringLiteral("20"));
        QVERIFY(where1->fontMetrics().horizontalAdvance(where1->text()) <= where1->width());
    }

    // "View Rules" opens the rules beside the program; a missing document is reported, not ignored.
    void viewRules()
    {
        QAction *rules = find<QAction>("mnuRules");
        rules->trigger();
        QVERIFY(m_ctx->documents.opened.isEmpty());
        QCOMPARE(m_ctx->prompter.messages.size(), 1);
        QVERIFY(m_ctx->prompter.messages.first().contains(QStringLiteral("QUORVEL rules.pdf")));
        QVERIFY(m_ctx->prompter.messages.first().contains(QStringLiteral("/opt/quorvel")));

        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/quorvel dir XXXXXX"));
        QVERIFY(dir.isValid());
        QFile pdf(dir.filePath(QStringLiteral("QUORVEL rules.pdf")));
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.close();
        m_ctx->context.places.dataFolders = {QStringLiteral("/opt/quorvel"), dir.path()};
        rules->trigger();
        QCOMPARE(m_ctx->documents.opened, QStringList{dir.path() + QStringLiteral("/QUORVEL rules.pdf")});
        QCOMPARE(m_ctx->prompter.messages.size(), 1);
    }

    // A shuffle paints the dice at most once per refresh of the screen, however fast they change, and the
    // final roll is always painted.
    void shufflePaintsPerRefresh()
    {
        QLabel *who = find<QLabel>("lblWho1");
        QStringList painted; // the label's text at each of its paints
        PaintRecorder recorder(who, painted);
        find<QPushButton>("cmdRoll")->click();
        painted.clear();
        QElapsedTimer clock;
        clock.start();
        const int ticks = 30;
        for (int i = 0; i < ticks; ++i) {
            m_ctx->random.feed(std::vector<float>(12, (i % 10) / 10.0f));
            QVERIFY(timer("Timer2")->fire());
            QCoreApplication::processEvents();
        }
        const qint64 elapsed = clock.elapsed();
        const int interval = 1000 / qMax(1, int(m_window->screen()->refreshRate()));
        QVERIFY2(painted.size() <= elapsed / interval + 2,
                 qPrintable(
                     QStringLiteral("%1 paints for %2 ticks in %3 ms").arg(painted.size()).arg(ticks).arg(elapsed)));

        m_ctx->random.feed(std::vector<float>(12, 0.999f));
        QVERIFY(timer("Timer1")->fire());
        QCOMPARE(who->text(), QStringLiteral("20"));
        QTRY_COMPARE_WITH_TIMEOUT(painted.isEmpty() ? QString() : painted.last(), QStringLiteral("20"), 2000);
    }

    // Closing in the middle of a shuffle ends it: the timers go with the window and nothing ticks later.
    void closingDuringShuffle()
    {
        QSignalSpy unloaded(m_window.data(), &RollerWindow::closed);
        find<QPushButton>("cmdRoll")->click();
        QVERIFY(timer("Timer2")->isEnabled());
        const size_t made = m_ctx->timers.made.size();
        find<QAction>("mnuExit")->trigger();
        QCOMPARE(unloaded.size(), 1);
        flushDeletes();
        QVERIFY(m_window.isNull());
        QCOMPARE(m_ctx->timers.made.size(), made);
    }
};

QTEST_MAIN(TestRollerWindow)
#include "tst_rollerwindow.moc"
