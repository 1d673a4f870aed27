#include "services/QtPrinter.h"
#include "support/PrintingWindow.h"
#include "ui/Appearance.h"
#include "ui/scoresheet/ScoresheetWindow.h"

#include <QLineEdit>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// Print Scoresheet through a real print server: a private cupsd in a temporary folder, listening on its own
// socket only, whose default printer is a queue that keeps each job as a file, through a backend of the
// test's own.
class TestPrintServer : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QProcess m_cupsd;
    QtPrinter m_printer;
    PrintingWindow m_open;

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
        // The server's programs: the system's filters, and one backend that keeps the job in the file its
        // device names. The server runs only backends nobody else may change.
        const auto kept = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                          | QFile::ReadOther | QFile::ExeOther;
        if (!QDir().mkpath(path("bin/backend")))
            return QStringLiteral("no folder for the server's programs");
        for (const char *part : {"bin", "bin/backend"})
            QFile::setPermissions(path(part), kept);
        for (const char *shared : {"filter", "daemon", "notifier", "monitor"})
            QFile::link(QStringLiteral("/usr/lib/cups/%1").arg(QString::fromLatin1(shared)),
                        path("bin/") + QString::fromLatin1(shared));
        if (!writeConfig("bin/backend/capture",
                         QStringLiteral(
                             "#!/bin/sh\n"
                             "if [ $# -eq 0 ]; then echo 'file capture \"Unknown\" \"Job capture\"'; exit 0; fi\n"
                             "out=${DEVICE_URI#capture:}\n"
                             "if [ $# -ge 6 ]; then cat \"$6\" > \"$out.part\"; else cat > \"$out.part\"; fi\n"
                             "mv \"$out.part\" \"$out\"\n"))
            || !QFile::setPermissions(path("bin/backend/capture"), kept))
            return QStringLiteral("the capturing backend could not be written");
        const QString socket = path("cups.sock");
        if (!writeConfig("cupsd.conf", QStringLiteral("Listen %1\nLogLevel warn\nWebInterface No\nBrowsing No\n"
                                                      "DefaultAuthType None\n<Location />\n  Order allow,deny\n"
                                                      "  Allow all\n</Location>\n")
                                           .arg(socket))
            || !writeConfig(
                "cups-files.conf",
                QStringLiteral(
                    "ServerRoot %1\nServerBin %1/bin\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                    "TempDir %1/tmp\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                    "PageLog %1/log/page_log\n")
                    .arg(m_dir.path())))
            return QStringLiteral("the server's configuration could not be written");
        m_cupsd.start(cupsd, {"-f", "-c", path("cupsd.conf"), "-s", path("cups-files.conf")});
        if (!m_cupsd.waitForStarted(10000))
            return QStringLiteral("cupsd would not start");
        qputenv("CUPS_SERVER", socket.toLocal8Bit());
        // The server is up once it answers; a queue is made through it.
        for (int tries = 0; tries < 100 && !QFile::exists(socket); ++tries)
            QTest::qWait(100);
        if (!cups(QStringLiteral("lpadmin"), {"-p", "quorvel", "-E", "-v", "capture:" + output(), "-m", "raw"})
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

    void init() { QVERIFY(m_open.open(m_printer)); }
    void cleanup() { m_open.close(); }

    // A printed sheet reaches the queue as a page of at least 300 dpi, in colour (the NEED counters print red),
    // with the names typed on it and no caret in the field that had the focus.
    void printedPageReachesTheQueue()
    {
        QLineEdit *hitter = m_open.window->findChild<QLineEdit *>(QStringLiteral("txtHitterA_1"));
        hitter->setFocus();
        QTest::keyClicks(hitter, QStringLiteral("Alvarez"));
        QFile::remove(output());
        m_open.window->findChild<QAction *>(QStringLiteral("mnuPrint"))->trigger();
        QVERIFY2(m_open.ctx->prompter.messages.isEmpty(), qPrintable(m_open.ctx->prompter.messages.join(u' ')));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(output()), 30000);

        QProcess render;
        render.start(QStringLiteral("pdftoppm"),
                     {"-r", "300", "-f", "1", "-l", "1", "-png", output(), path("out/page")});
        QVERIFY(render.waitForFinished(60000) && render.exitCode() == 0);
        QImage page(path("out/page-1.png"));
        if (page.isNull())
            page.load(path("out/page-01.png"));
        QVERIFY2(!page.isNull(), "the printed job is no PDF that poppler can read");
        QVERIFY2(page.width() >= 8 * 300, qPrintable(QStringLiteral("%1 px wide").arg(page.width())));
        int red = 0;
        for (int y = 0; y < page.height(); y += 2)
            for (int x = 0; x < page.width(); x += 2) {
                const QRgb p = page.pixel(x, y);
                if (qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80)
                    ++red;
            }
        QVERIFY2(red > 20, "no red NEED counter on the printed page");
        // Drawn, not a picture of the window: the job holds no image at all.
        QProcess images;
        images.start(QStringLiteral("pdfimages"), {"-list", output()});
        QVERIFY(images.waitForFinished(30000) && images.exitCode() == 0);
        const QList<QByteArray> listed = images.readAllStandardOutput().trimmed().split('\n');
        QVERIFY2(listed.size() <= 2, listed.join('\n').constData()); // the two heading lines only
        QVERIFY(m_open.window->findChild<QWidget *>(QStringLiteral("Frame2"))->isVisible());
    }

    // A default printer that rejects jobs is told in the "Quorvel" box, and the window comes back to the rolls view.
    void rejectingQueueIsTold()
    {
        QVERIFY(cups(QStringLiteral("cupsreject"), {"quorvel"}));
        m_open.window->findChild<QAction *>(QStringLiteral("mnuPrint"))->trigger();
        QVERIFY(cups(QStringLiteral("cupsaccept"), {"quorvel"}));
        QCOMPARE(m_open.ctx->prompter.messages.size(), 1);
        QVERIFY2(m_open.ctx->prompter.messages.first().contains(QStringLiteral("not accepting jobs")),
                 qPrintable(m_open.ctx->prompter.messages.first()));
        QVERIFY(m_open.window->findChild<QWidget *>(QStringLiteral("Frame2"))->isVisible());
    }
};

QTEST_MAIN(TestPrintServer)
#include "tst_printserver.moc"
