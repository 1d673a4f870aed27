#include "app/Navigator.h"
#include "app/PaintTrace.h"
#include "scoresheet/GameFile.h"
#include "scoresheet/Scoresheet.h"
#include "services/AtomicFile.h"
#include "support/TestContext.h"
#include "ui/Appearance.h"
#include "ui/roll/RollerWindow.h"
#include "ui/scoresheet/ScoresheetWindow.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <chrono>
#include <cstdio>
#include <memory>

class TestNavigation : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestContext> m_ctx;
    std::unique_ptr<Navigator> m_nav;
    int m_ends = 0;

    QWidget *current() const { return m_nav->current(); }
    void press(const char *button)
    {
        auto *b = current()->findChild<QPushButton *>(QString::fromLatin1(button));
        QVERIFY(b);
        QTest::mouseClick(b, Qt::LeftButton);
        flushDeletes();
    }
    void trigger(const char *action)
    {
        auto *a = current()->findChild<QAction *>(QString::fromLatin1(action));
        QVERIFY(a);
        a->trigger();
        flushDeletes();
    }
    void closeBox()
    {
        current()->close();
        flushDeletes();
    }

private Q_SLOTS:
    void initTestCase() { applyAppearance(*qApp); }

    void init()
    {
        m_ctx = std::make_unique<TestContext>();
        m_ends = 0;
        m_nav = std::make_unique<Navigator>(m_ctx->context, [this] { ++m_ends; });
        m_nav->start();
        flushDeletes();
    }

    void cleanup()
    {
        m_nav.reset();
        flushDeletes();
        QVERIFY(loadedWindows().isEmpty());
    }

    // Every move between the windows leaves exactly the expected one loaded and shown.
    void transitions_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("loaded");
        QTest::newRow("start") << QStringList{} << "frmMain";
        QTest::newRow("roller") << QStringList{"press:cmdRoller"} << "frmRoller";
        QTest::newRow("scoresheet") << QStringList{"press:cmdHelper"} << "frmScoresheet";
        QTest::newRow("roller, File Exit") << QStringList{"press:cmdRoller", "menu:mnuExit"} << "frmMain";
        QTest::newRow("roller, close box") << QStringList{"press:cmdRoller", "close"} << "frmMain";
        QTest::newRow("scoresheet, close box") << QStringList{"press:cmdHelper", "close"} << "frmMain";
        QTest::newRow("round trips") << QStringList{"press:cmdRoller", "close", "press:cmdHelper", "close",
                                                    "press:cmdRoller"}
                                     << "frmRoller";
    }
    void transitions()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, loaded);
        for (const QString &step : steps) {
            const QByteArray what = step.section(':', 1).toLatin1();
            if (step.startsWith("press:"))
                press(what.constData());
            else if (step.startsWith("menu:"))
                trigger(what.constData());
            else
                closeBox();
        }
        QCOMPARE(loadedWindows(), QStringList{loaded});
        QCOMPARE(current()->objectName(), loaded);
        QVERIFY(current()->isVisible());
        QCOMPARE(m_ends, 0);
    }

    // "Exit" on the launcher ends the program at once, without unloading anything first.
    void exitEndsTheProgram()
    {
        QWidget *launcher = current();
        press("cmdExit");
        QCOMPARE(m_ends, 1);
        QCOMPARE(current(), launcher);
    }

    // Closing the launcher with its close box ends the program.
    void launcherCloseBoxEnds()
    {
        closeBox();
        QCOMPARE(m_ends, 1);
    }

    // A reopened roller starts afresh: blank dice, sound on, whatever the last one was left at.
    void reopenedRollerStartsAfresh()
    {
        press("cmdRoller");
        trigger("mnuOff");
        press("cmdRoll");
        QVERIFY(!current()->findChild<QLabel *>("lblWho1")->text().isEmpty());
        QVERIFY(!m_ctx->soundSetting.isOn());
        closeBox();
        press("cmdRoller");
        QVERIFY(current()->findChild<QLabel *>("lblWho1")->text().isEmpty());
        QVERIFY(m_ctx->soundSetting.isOn());
        QVERIFY(current()->findChild<QAction *>("mnuOn")->isChecked());
        QVERIFY(!current()->findChild<QAction *>("mnuOff")->isChecked());
    }

    // A game named at start opens in the scoresheet, and closing it leads to the launcher;
    // a file that is no game is explained and the launcher comes instead.
    void startWithGame()
    {
        QTemporaryDir dir;
        Scoresheet sheet;
        sheet.field("txtTeamA").write(QStringLiteral("Owls"));
        const QString game = dir.filePath(QStringLiteral("owls.quorvel"));
        QVERIFY(writeFileAtomically(game,
                                    GameFile::serialize(GameSnapshot::capture(sheet), {}, QDateTime::currentDateTime()),
                                    nullptr));
        m_nav.reset();
        flushDeletes();

        m_nav = std::make_unique<Navigator>(m_ctx->context, [this] { ++m_ends; });
        m_nav->start(game);
        QCOMPARE(loadedWindows(), QStringList{"frmScoresheet"});
        QCOMPARE(current()->findChild<QLineEdit *>("txtTeamA3")->text(), QStringLiteral("Owls"));
        closeBox();
        QCOMPARE(loadedWindows(), QStringList{"frmMain"});

        m_nav = std::make_unique<Navigator>(m_ctx->context, [this] { ++m_ends; });
        flushDeletes();
        m_nav->start(dir.filePath(QStringLiteral("missing.quorvel")));
        flushDeletes();
        QCOMPARE(loadedWindows(), QStringList{"frmMain"});
        QCOMPARE(m_ctx->prompter.messages.size(), 1);
        QVERIFY(m_ctx->prompter.messages.first().contains(QStringLiteral("missing.quorvel")));
    }

    // The start-up trace names each window once, at its first paint, with a moment of the
    // system's monotonic clock that lies between its showing and the end of that paint;
    // a window made later at the same address is traced again.
    void paintTraceTellsFirstPaints()
    {
        std::unique_ptr<std::FILE, int (*)(std::FILE *)> stream(std::tmpfile(), &std::fclose);
        QVERIFY(stream);
        PaintTrace trace(stream.get());
        qApp->installEventFilter(&trace);
        const auto now = [] {
            return qint64(std::chrono::duration_cast<std::chrono::nanoseconds>(
                              std::chrono::steady_clock::now().time_since_epoch())
                              .count());
        };
        const qint64 before = now();
        QWidget *launcher = current();
        launcher->repaint();
        launcher->repaint(); // the same window's second paint: not traced
        QTRY_VERIFY(std::ftell(stream.get()) > 0);
        QCoreApplication::processEvents();
        press("cmdHelper");
        QTRY_VERIFY(QTest::qWaitForWindowExposed(current()));
        QTest::qWait(0);
        QCoreApplication::processEvents();
        const qint64 after = now();
        qApp->removeEventFilter(&trace);

        std::rewind(stream.get());
        QByteArray written(4096, '\0');
        written.truncate(qsizetype(std::fread(written.data(), 1, size_t(written.size()), stream.get())));
        const QList<QByteArray> lines = written.trimmed().split('\n');
        QCOMPARE(lines.size(), 2);
        QStringList names;
        for (const QByteArray &line : lines) {
            const QList<QByteArray> words = line.split(' ');
            QCOMPARE(words.size(), 4);
            QCOMPARE(words.at(0), QByteArray("quorvel:"));
            QCOMPARE(words.at(1), QByteArray("painted"));
            names << QString::fromLatin1(words.at(2));
            bool number = false;
            const qint64 at = words.at(3).toLongLong(&number);
            QVERIFY(number && at >= before && at <= after);
        }
        QCOMPARE(names, (QStringList{"frmMain", "frmScoresheet"}));
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
