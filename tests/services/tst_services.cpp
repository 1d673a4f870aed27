#include "services/DataFiles.h"
#include "services/DeferredSoundPlayer.h"
#include "services/PageRenderer.h"
#include "services/QtPrinter.h"
#include "services/QtPrompter.h"
#include "services/QtSoundPlayer.h"
#include "services/RulesDocument.h"
#include "support/Fakes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <cmath>
#include <functional>

namespace {
// A folder under the temporary folder whose name has blanks in it.
QString blankyTemplate()
{
    return QDir::tempPath() + QStringLiteral("/Quorvel Companion XXXXXX");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Answers the next modal message box once the event loop runs: looks at it, then clicks.
void answerNextBox(std::function<void(QMessageBox *)> inspect, QMessageBox::StandardButton answer)
{
    QTimer::singleShot(0, qApp, [inspect = std::move(inspect), answer] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            // Nothing to answer: fail loudly rather than leave a box waiting.
            qFatal("no message box is open");
        }
        inspect(box);
        box->button(answer)->click();
    });
}

// The parts of a RIFF/WAVE file the player cares about.
struct WaveInfo
{
    bool riff = false;
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    QByteArray data;
};

WaveInfo readWave(const QByteArray &file)
{
    WaveInfo w;
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return w;
    w.riff = true;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const auto size = static_cast<qsizetype>(qFromLittleEndian<quint32>(file.constData() + at + 4));
        const char *body = file.constData() + at + 8;
        if (id == "fmt " && size >= 16) {
            w.format = qFromLittleEndian<quint16>(body);
            w.channels = qFromLittleEndian<quint16>(body + 2);
            w.rate = static_cast<int>(qFromLittleEndian<quint32>(body + 4));
            w.bits = qFromLittleEndian<quint16>(body + 14);
        } else if (id == "data") {
            w.data = file.mid(at + 8, size);
        }
        at += 8 + size + (size & 1);
    }
    return w;
}

// A sheet-sized page of lines and one navy block.
class TestPage final : public PrintPage
{
public:
    QSize size() const override { return {734, 711}; }
    void paint(QPainter &p) const override
    {
        p.setPen(Qt::black);
        for (int x = 0; x < size().width(); x += 40)
            p.drawLine(x, 0, x, size().height());
        p.fillRect(20, 600, 300, 80, QColor(0, 0, 128));
        p.drawText(QPoint(30, 30), QStringLiteral("Quorvel"));
    }
};
} // namespace

class TestServices : public QObject
{
    Q_OBJECT

private slots:
    // Files are looked for in the program's folder, then the user's, then the installed one: the first wins.
    void dataFileLookupOrder_data();
    void dataFileLookupOrder();
    // View Rules opens the document there with the folder as working directory, or says it is missing.
    void viewRules_data();
    void viewRules();
    // When the desktop will not open the document, the user hears about it; startDocument says false.
    void viewRulesOpenerFails();
    // A page is as large as the printable area allows, its proportions kept, centred.
    void fitRect_data();
    void fitRect();
    // The page turns the way the drawing comes out largest.
    void bestOrientation_data();
    void bestOrientation();
    // A PDF of a page is a real PDF whose lines and text are vectors, not a picture.
    void writePdf();
    // A PDF that cannot be written fails with a sentence naming the file and the reason.
    void writePdfFailure();
    // Without an installed printer, printing fails with a sentence instead of printing nothing silently.
    void printWithoutPrinter();
    // Questions are titled "Quorvel", have no icon and Yes as default; only Yes says yes.
    void prompterAsks_data();
    void prompterAsks();
    // Messages are titled "Quorvel" with an OK button.
    void prompterInforms();
    // A missing dice sound is never handed to the player; a present one is decoded ahead of the press; a broken one
    // stays silent.
    void soundPlayerLoadsOnlyExistingFiles();
    void deferredSoundPlayerMadeAtFirstPlay();
    // The build puts a two-second 16-bit mono PCM dice.wav beside the program, sounding from the start.
    void diceWaveBesideProgram();
};

void TestServices::dataFileLookupOrder_data()
{
    QTest::addColumn<QList<int>>("holding"); // which of the three folders hold the file
    QTest::addColumn<int>("found");          // the folder it is found in, -1 for none
    QTest::newRow("everywhere") << QList<int>{0, 1, 2} << 0;
    QTest::newRow("user and installed") << QList<int>{1, 2} << 1;
    QTest::newRow("installed only") << QList<int>{2} << 2;
    QTest::newRow("program and installed") << QList<int>{0, 2} << 0;
    QTest::newRow("nowhere") << QList<int>{} << -1;
}

void TestServices::dataFileLookupOrder()
{
    QFETCH(QList<int>, holding);
    QFETCH(int, found);
    QTemporaryDir dirs[3];
    QStringList folders;
    for (const QTemporaryDir &dir : dirs)
        folders << dir.path();
    for (int i : holding)
        writeFile(folders[i] + QStringLiteral("/dice.wav"), "RIFF");
    QCOMPARE(findDataFile(folders, QStringLiteral("dice.wav")),
             found < 0 ? QString() : folders[found] + QStringLiteral("/dice.wav"));

    // The program's own folder leads, the installed folder beside it follows the user's.
    const QStringList standard = dataFolders(QStringLiteral("/opt/quorvel/bin"));
    QCOMPARE(standard.value(0), QStringLiteral("/opt/quorvel/bin"));
    QCOMPARE(standard.value(1), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QCOMPARE(standard.value(2), QStringLiteral("/opt/quorvel/share/quorvel"));
}

void TestServices::viewRules_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<bool>("blanks");
    QTest::newRow("present") << true << false;
    QTest::newRow("present, folder with blanks") << true << true;
    QTest::newRow("missing") << false << false;
    QTest::newRow("missing, folder with blanks") << false << true;
}

void TestServices::viewRules()
{
    QFETCH(bool, present);
    QFETCH(bool, blanks);
    QTemporaryDir dir = blanks ? QTemporaryDir(blankyTemplate()) : QTemporaryDir();
    QVERIFY(dir.isValid());
    const QString programDir = dir.path();
    QCOMPARE(programDir.contains(QLatin1Char(' ')), blanks);
    const QString rules = programDir + QStringLiteral("/QUORVEL rules.pdf");
    if (present)
        writeFile(rules, "%PDF-1.4\n");

    FakeDocumentOpener opener;
    FakePrompter prompter;
    QTemporaryDir elsewhere;
    ::viewRules(nullptr, opener, prompter, {programDir, elsewhere.path()});

    if (present) {
        QCOMPARE(opener.opened, QStringList{rules});
        QCOMPARE(opener.workingDirectories, QStringList{programDir});
        QVERIFY(prompter.messages.isEmpty());
    } else {
        QVERIFY(opener.opened.isEmpty());
        QCOMPARE(prompter.messages.size(), 1);
        QVERIFY(prompter.messages[0].contains(QStringLiteral("\"QUORVEL rules.pdf\"")));
        QVERIFY(prompter.messages[0].contains(QDir::toNativeSeparators(programDir)));
        QVERIFY(prompter.messages[0].contains(QDir::toNativeSeparators(elsewhere.path())));
    }
    QVERIFY(prompter.questions.isEmpty());
}

void TestServices::viewRulesOpenerFails()
{
    QTemporaryDir dir(blankyTemplate());
    QVERIFY(dir.isValid());
    const QString rules = dir.filePath(rulesDocumentName());
    writeFile(rules, "%PDF-1.4\n");

    FakeDocumentOpener opener;
    QVERIFY(startDocument(opener, rules, dir.path()));
    opener.result = false;
    QVERIFY(!startDocument(opener, rules, dir.path()));

    FakePrompter prompter;
    ::viewRules(nullptr, opener, prompter, {dir.path()});
    QCOMPARE(opener.opened.size(), 3);
    QCOMPARE(prompter.messages.size(), 1);
    QVERIFY(prompter.messages[0].contains(QStringLiteral("could not be opened")));
    QVERIFY(prompter.messages[0].contains(QDir::toNativeSeparators(dir.path())));
}

void TestServices::fitRect_data()
{
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QRect>("page");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("sheet on a portrait page")
        << QSize(734, 711) << QRect(0, 0, 4800, 6600) << QRect(0, 975, 4800, 4649);
    QTest::newRow("sheet on a landscape page")
        << QSize(734, 711) << QRect(0, 0, 6600, 4800) << QRect(822, 0, 4955, 4800);
    QTest::newRow("page with an offset") << QSize(100, 50) << QRect(10, 20, 300, 300) << QRect(10, 95, 300, 150);
    QTest::newRow("same shape") << QSize(100, 200) << QRect(0, 0, 50, 100) << QRect(0, 0, 50, 100);
    QTest::newRow("small page shrinks") << QSize(734, 711) << QRect(0, 0, 367, 500) << QRect(0, 72, 367, 355);
    QTest::newRow("empty image") << QSize(0, 0) << QRect(0, 0, 100, 100) << QRect();
    QTest::newRow("empty page") << QSize(10, 10) << QRect() << QRect();
}

void TestServices::fitRect()
{
    QFETCH(QSize, image);
    QFETCH(QRect, page);
    QFETCH(QRect, expected);
    const QRect r = PageRenderer::fitRect(image, page);
    QCOMPARE(r, expected);
    if (!r.isEmpty()) {
        QVERIFY(page.contains(r));
        // Proportions kept to within one device pixel of rounding.
        const double want = double(image.width()) / image.height();
        QVERIFY(std::abs(r.width() - r.height() * want) <= 1.0);
        // As large as fits: one side fills the page.
        QVERIFY(r.width() == page.width() || r.height() == page.height());
    }
}

void TestServices::bestOrientation_data()
{
    QTest::addColumn<QSize>("drawing");
    QTest::addColumn<int>("paper");
    QTest::addColumn<double>("topMargin");
    QTest::addColumn<int>("expected");
    // The sheet is a little wider than high: on A4 with even margins landscape holds it larger.
    QTest::newRow("sheet on A4") << QSize(734, 711) << int(QPageSize::A4) << 12.7 << int(QPageLayout::Landscape);
    QTest::newRow("sheet on Letter") << QSize(734, 711) << int(QPageSize::Letter) << 12.7
                                     << int(QPageLayout::Landscape);
    QTest::newRow("tall drawing") << QSize(300, 700) << int(QPageSize::A4) << 12.7 << int(QPageLayout::Portrait);
    // A deep top margin leaves a landscape page less height than a portrait page width.
    QTest::newRow("square, deep top margin")
        << QSize(500, 500) << int(QPageSize::A4) << 80.0 << int(QPageLayout::Portrait);
}

void TestServices::bestOrientation()
{
    QFETCH(QSize, drawing);
    QFETCH(int, paper);
    QFETCH(double, topMargin);
    QFETCH(int, expected);
    const QPageLayout layout(QPageSize(QPageSize::PageSizeId(paper)), QPageLayout::Portrait,
                             QMarginsF(12.7, topMargin, 12.7, 12.7), QPageLayout::Millimeter);
    QCOMPARE(int(PageRenderer::bestOrientation(drawing, layout)), expected);
}

void TestServices::writePdf()
{
    QTemporaryDir dir(blankyTemplate());
    QVERIFY(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("scoresheet.pdf"));
    QtPrinter printer;
    QString error = QStringLiteral("untouched");
    QVERIFY(printer.writePdf(TestPage(), pdf, &error));
    QCOMPARE(error, QStringLiteral("untouched"));

    QFile f(pdf);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.startsWith("%PDF"));
    QVERIFY(bytes.trimmed().endsWith("%%EOF"));
    QVERIFY(bytes.contains("/FontFile"));
    QVERIFY(!bytes.contains("/Subtype /Image"));
}

void TestServices::writePdfFailure()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("no such folder/sheet.pdf"));
    QtPrinter printer;
    QString error;
    QVERIFY(!printer.writePdf(TestPage(), pdf, &error));
    QVERIFY2(error.contains(QDir::toNativeSeparators(pdf)), qPrintable(error));
    QVERIFY2(error.contains(QStringLiteral("No such file or directory")), qPrintable(error));
    QVERIFY(error.endsWith(QLatin1Char('.')));
    QVERIFY(!printer.writePdf(TestPage(), pdf, nullptr));
}

void TestServices::printWithoutPrinter()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("a printer is installed here; this test would print a real page");
    QtPrinter printer;
    QString error;
    QVERIFY(!printer.print(TestPage(), &error));
    QVERIFY(error.contains(QStringLiteral("No printer is installed")));
}

void TestServices::prompterAsks_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("result");
    QTest::newRow("Yes") << int(QMessageBox::Yes) << true;
    QTest::newRow("No") << int(QMessageBox::No) << false;
}

void TestServices::prompterAsks()
{
    QFETCH(int, answer);
    QFETCH(bool, result);
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Critical;
    QMessageBox::StandardButtons buttons;
    QPushButton *defaultButton = nullptr;
    QAbstractButton *yes = nullptr;
    answerNextBox(
        [&](QMessageBox *box) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->standardButtons();
            defaultButton = box->defaultButton();
            yes = box->button(QMessageBox::Yes);
        },
        QMessageBox::StandardButton(answer));

    QtPrompter prompter;
    QCOMPARE(prompter.askYesNo(nullptr, QStringLiteral("Exit the scoresheet?")), result);
    QCOMPARE(title, QStringLiteral("Quorvel"));
    QCOMPARE(text, QStringLiteral("Exit the scoresheet?"));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(yes);
    QCOMPARE(static_cast<QAbstractButton *>(defaultButton), yes);
}

void TestServices::prompterInforms()
{
    QString title;
    QMessageBox::StandardButtons buttons;
    answerNextBox(
        [&](QMessageBox *box) {
            title = box->windowTitle();
            buttons = box->standardButtons();
        },
        QMessageBox::Ok);
    QtPrompter prompter;
    prompter.inform(nullptr, QStringLiteral("No printer is installed."));
    QCOMPARE(title, QStringLiteral("Quorvel"));
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void TestServices::soundPlayerLoadsOnlyExistingFiles()
{
    QTemporaryDir dir(blankyTemplate());
    QVERIFY(dir.isValid());
    QtSoundPlayer player;
    const QString missing = dir.filePath(QStringLiteral("dice.wav"));
    player.preload(missing);
    QVERIFY(player.loadedFile().isEmpty());
    player.play(missing);
    QVERIFY(player.loadedFile().isEmpty());

    const QString present = QCoreApplication::applicationDirPath() + QStringLiteral("/dice.wav");
    QVERIFY(QFile::exists(present));
    player.preload(present);
    QCOMPARE(player.loadedFile(), present);
    player.play(present);
    player.play(present);
    QCOMPARE(player.loadedFile(), present);

    QVERIFY(player.hasSample());

    // A press naming a missing file plays nothing and keeps what was loaded.
    player.play(missing);
    QCOMPARE(player.loadedFile(), present);
    QVERIFY(player.hasSample());

    // A file that is not a wave (or a wave the player cannot play) decodes to nothing and plays nothing.
    for (const QByteArray &bytes : {QByteArray("not a sound at all"), QByteArray("RIFF\x10\0\0\0WAVEfmt ", 16)}) {
        const QString broken = dir.filePath(QStringLiteral("broken %1.wav").arg(bytes.size()));
        writeFile(broken, bytes);
        player.play(broken);
        QCOMPARE(player.loadedFile(), broken);
        QVERIFY(!player.hasSample());
    }
}

// The program's player loads its module (and Qt Multimedia) and makes the real player at
// the first sound, not before; without the module the dice roll in silence instead of
// failing.
void TestServices::deferredSoundPlayerMadeAtFirstPlay()
{
#ifdef QUORVEL_SOUND_MODULE_FILE
    const QString wave = QCoreApplication::applicationDirPath() + QStringLiteral("/dice.wav");
    {
        DeferredSoundPlayer player; // looks beside the program, where the build puts the module
        QVERIFY(!player.hasPlayer());
        player.preload(wave);
        QVERIFY(!player.hasPlayer());
        player.play(wave);
        QVERIFY(player.hasPlayer());
        player.play(wave); // the same player again
        QVERIFY(player.hasPlayer());
    }
    QTemporaryDir empty(blankyTemplate());
    QVERIFY(empty.isValid());
    DeferredSoundPlayer missing({empty.path()});
    missing.preload(wave);
    missing.play(wave);
    missing.play(wave);
    QVERIFY(!missing.hasPlayer());
#else
    QSKIP("this build links the sound player into the program");
#endif
}

void TestServices::diceWaveBesideProgram()
{
    QFile f(QCoreApplication::applicationDirPath() + QStringLiteral("/dice.wav"));
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
    const WaveInfo w = readWave(f.readAll());
    QVERIFY(w.riff);
    QCOMPARE(w.format, 1);
    QCOMPARE(w.channels, 1);
    QCOMPARE(w.rate, 44100);
    QCOMPARE(w.bits, 16);

    const qsizetype count = w.data.size() / 2;
    const double seconds = double(count) / w.rate;
    QVERIFY2(seconds >= 1.8 && seconds <= 2.3, qPrintable(QString::number(seconds)));

    auto sample = [&](qsizetype i) { return qFromLittleEndian<qint16>(w.data.constData() + 2 * i); };
    auto rms = [&](double from, double to) {
        const auto a = static_cast<qsizetype>(from * w.rate);
        const auto b = std::min(count, static_cast<qsizetype>(to * w.rate));
        double sum = 0;
        for (qsizetype i = a; i < b; ++i)
            sum += double(sample(i)) * sample(i);
        return std::sqrt(sum / double(b - a)) / 32768.0;
    };
    int peak = 0;
    for (qsizetype i = 0; i < count; ++i)
        peak = std::max(peak, std::abs(int(sample(i))));
    QVERIFY2(peak > 16000, qPrintable(QString::number(peak)));
    // The rattle starts at once (a press is heard right away), is loudest when the dice land,
    // and has died away at the end.
    QVERIFY(rms(0.0, 0.1) > 0.005);
    QVERIFY(rms(0.4, 0.7) > rms(0.0, 0.3));
    QVERIFY(rms(0.4, 0.7) > 10 * rms(1.4, 1.9));
    QVERIFY(rms(1.95, 2.0) < 0.001);
}

QTEST_MAIN(TestServices)
#include "tst_services.moc"
