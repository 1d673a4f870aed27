#include "services/QtPrinter.h"
#include "support/TestContext.h"
#include "ui/Appearance.h"
#include "ui/ScoresheetWindow.h"

#include <QLineEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// Print Scoresheet through a real print server: a private cupsd in a temporary folder, listening on its own
// socket only, whose default printer is a queue that writes each job to a file.
class TestPrintServer : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QProcess m_cupsd;
    std::unique_ptr<TestContext> m_ctx;
    QtPrinter m_printer;
    std::unique_ptr<WindowContext> m_printing;
    QPointer<ScoresheetWindow> m_window;

    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QString output() const { return path("out/page.pdf"); }

    // Runs a CUPS command against the private server; true when it succeeded.
    bool cups(const QString &program, const QStringList &arguments)
    {
        QProcess p;
        p.start(program, arguments);
        return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    bool writeConfig(const char *name, const QString &text)
    {
        QFile f(path(name));
        return f.open(QIODevice::WriteOnly) && f.write(text.toUtf8()) == text.toUtf8().size();
    }

    QString startServer()
    {
        const QString cupsd = QStandardPaths::findExecutable(QStringLiteral("cupsd"), {"/usr/sbin", "/usr/local/sbin"});
        for (const char *tool : {"lpadmin", "cupsreject", "cupsaccept", "pdftoppm"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                return QStringLiteral("%1 is not installed").arg(QString::fromLatin1(tool));
        if (cupsd.isEmpty())
            return QStringLiteral("cupsd (cups-daemon) is not installed");
        if (!m_dir.isValid())
            return QStringLiteral("no temporary folder");
        // The server runs its backends as an unprivileged user, who must reach these folders.
        const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::WriteGroup
                          | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QFile::setPermissions(m_dir.path(), open);
        for (const char *sub : {"spool", "cache", "state", "log", "tmp", "out"}) {
            QDir(m_dir.path()).mkdir(QString::fromLatin1(sub));
            QFile::setPermissions(path(sub), open);
        }
        const QString socket = path("cups.sock");
        if (!writeConfig("cupsd.conf", QStringLiteral("Listen %1\nLogLevel warn\nWebInterface No\nBrowsing No\n"
                                                      "DefaultAuthType None\n<Location />\n  Order allow,deny\n"
                                                      "  Allow all\n</Location>\n")
                                           .arg(socket))
            || !writeConfig("cups-files.conf",
                            QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                                           "TempDir %1/tmp\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                                           "PageLog %1/log/page_log\nFileDevice Yes\n")
                                .arg(m_dir.path())))
            return QStringLiteral("the server's configuration could not be written");
        m_cupsd.start(cupsd, {"-f", "-c", path("cupsd.conf"), "-s", path("cups-files.conf")});
        if (!m_cupsd.waitForStarted(10000))
            return QStringLiteral("cupsd would not start");
        qputenv("CUPS_SERVER", socket.toLocal8Bit());
        // The server is up once it answers; a queue is made through it.
        for (int tries = 0; tries < 100 && !QFile::exists(socket); ++tries)
            QTest::qWait(100);
        if (!cups(QStringLiteral("lpadmin"), {"-p", "quorvel", "-E", "-v", "file://" + output(), "-m", "raw"})
            || !cups(QStringLiteral("lpadmin"), {"-d", "quorvel"}))
            return QStringLiteral("cupsd did not take a queue: %1").arg(QString::fromLocal8Bit(m_cupsd.readAll()));
        return {};
    }

private Q_SLOTS:
    void initTestCase()
    {
        applyAppearance(*qApp);
        const QString problem = startServer();
        if (!problem.isEmpty())
            QSKIP(qPrintable(QStringLiteral("no private print server here: ") + problem));
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), QStringLiteral("quorvel"));
    }

    void cleanupTestCase()
    {
        if (m_cupsd.state() != QProcess::NotRunning) {
            m_cupsd.terminate();
            if (!m_cupsd.waitForFinished(10000))
                m_cupsd.kill();
        }
    }

    void init()
    {
        m_ctx = std::make_unique<TestContext>();
        m_printing = std::make_unique<WindowContext>(m_ctx->withPrinter(m_printer));
        m_window = new ScoresheetWindow(*m_printing);
        m_window->show();
        QApplication::setActiveWindow(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }

    void cleanup()
    {
        delete m_window.data();
        m_printing.reset();
        m_ctx.reset();
    }

    // A default printer that rejects jobs is told in the "Quorvel" box, and the window comes back to the rolls view.
    void rejectingQueueIsTold()
    {
        QVERIFY(cups(QStringLiteral("cupsreject"), {"quorvel"}));
        m_window->findChild<QAction *>(QStringLiteral("mnuPrint"))->trigger();
        QVERIFY(cups(QStringLiteral("cupsaccept"), {"quorvel"}));
        QCOMPARE(m_ctx->prompter.messages.size(), 1);
        QVERIFY2(m_ctx->prompter.messages.first().contains(QStringLiteral("not accepting jobs")),
                 qPrintable(m_ctx->prompter.messages.first()));
        QVERIFY(m_window->findChild<QWidget *>(QStringLiteral("Frame2"))->isVisible());
    }
};

QTEST_MAIN(TestPrintServer)
#include "tst_printserver.moc"
