#include "app/Navigator.h"
#include "season/GameBuilder.h"
#include "season/SeasonBook.h"
#include "support/TestContext.h"
#include "ui/Appearance.h"
#include "ui/scoresheet/GameKeeper.h"
#include "ui/scoresheet/ScoresheetWindow.h"
#include "ui/season/BoxScoreWindow.h"
#include "ui/season/PlayerLogDialog.h"
#include "ui/season/ReportTableView.h"
#include "ui/season/SeasonTableModel.h"
#include "ui/season/SeasonWindow.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

// The season book as a user meets it: from the launcher, beside a scoresheet, its tables
// following the files as games are saved.
class TestSeasonWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestContext> m_ctx;
    std::unique_ptr<Navigator> m_nav;
    QTemporaryDir m_folder;
    int m_ends = 0;

    QString season() const { return m_folder.filePath(QStringLiteral("1977")); }
    SeasonWindow *window() const { return m_nav->season(); }
    template <typename T = QWidget> T *find(QWidget *in, const char *name) const
    {
        return in->findChild<T *>(QString::fromLatin1(name));
    }
    QTableView *table(const char *name) const { return find<QTableView>(window(), name); }
    // The text of a table's cell as the user sees it, by the header of its column.
    static QString cell(QTableView *view, int row, const QString &header)
    {
        QAbstractItemModel *model = view->model();
        for (int column = 0; column < model->columnCount(); ++column)
            if (model->headerData(column, Qt::Horizontal).toString() == header)
                return model->index(row, column).data().toString();
        return QStringLiteral("(no column %1)").arg(header);
    }
    // Waits for the season book to publish the figures of the reading under way, if any: its
    // end is told in the event loop, which the spy runs, so it cannot be missed.
    bool waitForFigures() const
    {
        if (!window()->book().isReading())
            return true;
        QSignalSpy read(&window()->book(), &SeasonBook::figuresChanged);
        return read.wait(10000);
    }
    // A season of three games among three teams.
    void writeSeason() const
    {
        GameBuilder(QStringLiteral("Owls"), QStringLiteral("Bats"), QDate(2024, 4, 1))
            .hitter(Side::Away, 1, QStringLiteral("Avery"), 2, 1)
            .hitter(Side::Home, 1, QStringLiteral("Blake"), 1)
            .inning(Side::Away, 1, QStringLiteral("Casey"), 1, 1, 2)
            .inning(Side::Home, 1, QStringLiteral("Drew"), 0, 0, 1)
            .final(true)
            .save(season(), QStringLiteral("g1.quorvel"));
        GameBuilder(QStringLiteral("Bats"), QStringLiteral("Cats"), QDate(2024, 4, 2))
            .inning(Side::Away, 1, QStringLiteral("Evan"), 3, 3, 3)
            .final(true)
            .save(season(), QStringLiteral("g2.quorvel"));
        GameBuilder(QStringLiteral("Cats"), QStringLiteral("Owls"), QDate(2024, 4, 3))
            .hitter(Side::Home, 2, QStringLiteral("Avry"), 1)
            .inning(Side::Home, 1, QStringLiteral("Finn"), 2, 2, 1)
            .final(true)
            .save(season(), QStringLiteral("g3.quorvel"));
    }

private Q_SLOTS:
    void initTestCase() { applyAppearance(*qApp); }

    void init()
    {
        m_ctx = std::make_unique<TestContext>();
        m_ends = 0;
        m_nav = std::make_unique<Navigator>(m_ctx->context, [this] { ++m_ends; });
        writeSeason();
    }
    void cleanup()
    {
        m_nav.reset();
        flushDeletes();
        m_ctx.reset();
        QDir(season()).removeRecursively();
    }

    // The launcher's fourth button opens the season book; the first time it asks for the
    // folder, the next time it opens the one it remembers; closing it brings the launcher back.
    void fromTheLauncher()
    {
        m_nav->start();
        m_ctx->dialogs.folderAnswer = season();
        QTest::mouseClick(find<QPushButton>(m_nav->current(), "cmdSeason"), Qt::LeftButton);
        flushDeletes();
        QVERIFY(window());
        QCOMPARE(m_ctx->dialogs.folderTitles.size(), 1);
        QVERIFY(waitForFigures());
        QCOMPARE(table("tblGames")->model()->rowCount(), 3);
        QCOMPARE(loadedWindows(), QStringList{QStringLiteral("frmSeason")});
        window()->close();
        flushDeletes();
        QCOMPARE(loadedWindows(), QStringList{QStringLiteral("frmMain")});

        QTest::mouseClick(find<QPushButton>(m_nav->current(), "cmdSeason"), Qt::LeftButton);
        flushDeletes();
        QCOMPARE(m_ctx->dialogs.folderTitles.size(), 1); // remembered: not asked again
        QVERIFY(waitForFigures());
        QCOMPARE(window()->book().folder(), season());
    }

    // A game double-clicked in Games shows its box score, from which it opens in the
    // scoresheet beside the book; saved there, it shows in the book's tables; closing one
    // window leaves the other, closing both brings the launcher.
    void followsAGameSavedFromTheScoresheet()
    {
        m_nav->start({}, season());
        QVERIFY(waitForFigures());
        QTableView *games = table("tblGames");
        QCOMPARE(cell(games, 1, QStringLiteral("Score")), QStringLiteral("3-0"));
        games->setCurrentIndex(games->model()->index(1, 0));
        emit games->activated(games->currentIndex());
        QVERIFY(!m_nav->scoresheet());
        auto *box = window()->findChild<BoxScoreWindow *>();
        QVERIFY(box && box->isVisible());
        QVERIFY(find<QPlainTextEdit>(box, "txtBoxScore")->toPlainText().startsWith(QStringLiteral("Bats 3, Cats 0\n")));
        QTest::mouseClick(find<QPushButton>(box, "cmdOpenGame"), Qt::LeftButton);
        box->close();
        ScoresheetWindow *sheet = m_nav->scoresheet();
        QVERIFY(sheet);
        QCOMPARE(sheet->gameKeeper().filePath(), QDir(season()).filePath(QStringLiteral("g2.quorvel")));
        QCOMPARE(sheet->sheet().field(ColumnId::Team, Side::Away).text(), QStringLiteral("Bats"));

        auto *runs = find<QLineEdit>(sheet, "txtRA_2");
        runs->setFocus();
        QTest::keyClicks(runs, "4");
        QSignalSpy read(&window()->book(), &SeasonBook::figuresChanged);
        find<QAction>(sheet, "mnuSave")->trigger();
        QVERIFY(read.wait(10000));
        QCOMPARE(cell(games, 1, QStringLiteral("Score")), QStringLiteral("7-0"));

        QCOMPARE(loadedWindows().size(), 2);
        sheet->close();
        flushDeletes();
        QCOMPARE(loadedWindows(), QStringList{QStringLiteral("frmSeason")});
        find<QAction>(window(), "mnuClose")->trigger();
        flushDeletes();
        QCOMPARE(loadedWindows(), QStringList{QStringLiteral("frmMain")});
        QCOMPARE(m_ends, 0);
    }

    // The team chosen narrows every table to that team's rows; the kind of game chosen is
    // the kind the book counts.
    void filters()
    {
        m_nav->start({}, season());
        QVERIFY(waitForFigures());
        auto *team = find<QComboBox>(window(), "cboTeam");
        QCOMPARE(team->count(), 4); // every team, then the three
        team->setCurrentIndex(team->findText(QStringLiteral("Bats")));
        QCOMPARE(table("tblGames")->model()->rowCount(), 2);
        QCOMPARE(table("tblStandings")->model()->rowCount(), 1);
        for (int row = 0; row < table("tblBatting")->model()->rowCount(); ++row)
            QCOMPARE(cell(table("tblBatting"), row, QStringLiteral("Team")), QStringLiteral("Bats"));
        auto *type = find<QComboBox>(window(), "cboGameType");
        type->setCurrentIndex(type->findData(int(GameType::Postseason)));
        QVERIFY(window()->book().isReading());
        QVERIFY(waitForFigures());
        QCOMPARE(window()->book().gameType(), std::optional<GameType>(GameType::Postseason));
        QCOMPARE(table("tblGames")->model()->rowCount(), 0);
        // The team stays chosen while the season knows it.
        QCOMPARE(team->currentText(), QStringLiteral("Bats"));
    }

    // Sorting by a column of numbers sorts by the numbers, not their texts.
    void sortsNumbersAsNumbers()
    {
        for (int i = 0; i < 10; ++i)
            GameBuilder(QStringLiteral("Owls"), QStringLiteral("Bats"), QDate(2024, 5, 1 + i))
                .hitter(Side::Away, 1, QStringLiteral("Avery"), 1)
                .final(true)
                .save(season(), QStringLiteral("extra%1.quorvel").arg(i));
        m_nav->start({}, season());
        QVERIFY(waitForFigures());
        QTableView *batting = table("tblBatting");
        int hits = 0;
        for (int column = 0; column < batting->model()->columnCount(); ++column)
            if (batting->model()->headerData(column, Qt::Horizontal).toString() == QStringLiteral("H"))
                hits = column;
        batting->sortByColumn(hits, Qt::DescendingOrder);
        QCOMPARE(cell(batting, 0, QStringLiteral("Player")), QStringLiteral("Avery"));
        QCOMPARE(cell(batting, 0, QStringLiteral("H")), QStringLiteral("12"));
        QCOMPARE(cell(batting, 1, QStringLiteral("H")), QStringLiteral("1"));
    }

    // A merge suggestion accepted counts both spellings as one player and writes season.json;
    // split again, they are two.
    void mergeAndSplit()
    {
        m_nav->start({}, season());
        QVERIFY(waitForFigures());
        QTableView *suggestions = table("tblSuggestions");
        QVERIFY(suggestions->model()->rowCount() >= 1);
        suggestions->setCurrentIndex(suggestions->model()->index(0, 0));
        QSignalSpy read(&window()->book(), &SeasonBook::figuresChanged);
        find<QPushButton>(window(), "cmdMerge")->click();
        QVERIFY(read.wait(10000));
        QVERIFY(QFile::exists(QDir(season()).filePath(QStringLiteral("season.json"))));
        QTableView *merged = table("tblMerged");
        QCOMPARE(merged->model()->rowCount(), 1);
        int averys = 0;
        for (int row = 0; row < table("tblBatting")->model()->rowCount(); ++row)
            averys += cell(table("tblBatting"), row, QStringLiteral("Player")).startsWith(QStringLiteral("Av"));
        QCOMPARE(averys, 1);
        merged->setCurrentIndex(merged->model()->index(0, 0));
        find<QPushButton>(window(), "cmdSplit")->click();
        QVERIFY(read.wait(10000));
        QCOMPARE(merged->model()->rowCount(), 0);
        QVERIFY(m_ctx->prompter.messages.isEmpty());
    }

    // A player's line opens his games one by one with their totals, and a game opens in the scoresheet.
    void playerLog()
    {
        m_nav->start({}, season());
        QVERIFY(waitForFigures());
        QTableView *batting = table("tblBatting");
        int avery = -1;
        for (int row = 0; row < batting->model()->rowCount(); ++row)
            if (cell(batting, row, QStringLiteral("Player")) == QStringLiteral("Avery"))
                avery = row;
        QVERIFY(avery >= 0);
        batting->setCurrentIndex(batting->model()->index(avery, 0));
        emit batting->activated(batting->currentIndex());
        auto *log = window()->findChild<PlayerLogDialog *>();
        QVERIFY(log);
        QCOMPARE(log->table()->model()->rowCount(), 1);
        QCOMPARE(cell(log->table(), 0, QStringLiteral("Opponent")), QStringLiteral("Bats"));
        QCOMPARE(cell(log->table(), 0, QStringLiteral("H")), QStringLiteral("2"));
        QVERIFY(log->totals().contains(QStringLiteral("H 2")) && log->totals().contains(QStringLiteral("RBI 1")));
        emit log->table()->activated(log->table()->model()->index(0, 0));
        QVERIFY(m_nav->scoresheet());
        QCOMPARE(m_nav->scoresheet()->gameKeeper().filePath(), QDir(season()).filePath(QStringLiteral("g1.quorvel")));
    }

    // A box score copies as the text it shows, writes its page as a PDF beside the game's
    // file, and says why when the printer refuses. From the scoresheet it shows the sheet as
    // it stands, typed but not saved, and offers no scoresheet to open.
    void boxScore()
    {
        m_nav->start({}, season());
        QVERIFY(waitForFigures());
        QTableView *games = table("tblGames");
        emit games->activated(games->model()->index(0, 0));
        auto *box = window()->findChild<BoxScoreWindow *>();
        QVERIFY(box);
        const QString shown = find<QPlainTextEdit>(box, "txtBoxScore")->toPlainText();
        QVERIFY(shown.contains(QStringLiteral("Avery")) && shown.contains(QStringLiteral("Casey")));
        QTest::mouseClick(find<QPushButton>(box, "cmdCopy"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), shown);

        m_ctx->dialogs.pdfAnswer = m_folder.filePath(QStringLiteral("box.pdf"));
        QTest::mouseClick(find<QPushButton>(box, "cmdExportPdf"), Qt::LeftButton);
        QCOMPARE(m_ctx->printer.pdfFiles, QStringList{m_ctx->dialogs.pdfAnswer});
        QCOMPARE(QFileInfo(m_ctx->dialogs.suggestedPdfPaths.value(0)).absolutePath(), season());
        m_ctx->printer.fail = true;
        QTest::mouseClick(find<QPushButton>(box, "cmdPrint"), Qt::LeftButton);
        QCOMPARE(m_ctx->prompter.messages, QStringList{m_ctx->printer.failure});
        box->close();
        flushDeletes();

        emit games->activated(games->model()->index(2, 0));
        QTest::mouseClick(find<QPushButton>(window()->findChild<BoxScoreWindow *>(), "cmdOpenGame"), Qt::LeftButton);
        ScoresheetWindow *sheet = m_nav->scoresheet();
        QVERIFY(sheet);
        auto *runs = find<QLineEdit>(sheet, "txtRA_3");
        runs->setFocus();
        QTest::keyClicks(runs, "5");
        find<QAction>(sheet, "mnuBoxScore")->trigger();
        auto *fromSheet = sheet->findChild<BoxScoreWindow *>();
        QVERIFY(fromSheet);
        QVERIFY2(fromSheet->box().headline() == QStringLiteral("Cats 5, Owls 2"),
                 qPrintable(fromSheet->box().headline()));
        QVERIFY(!find<QPushButton>(fromSheet, "cmdOpenGame"));
        // Ctrl+Enter in Games opens the game itself.
        games->setCurrentIndex(games->model()->index(1, 0));
        find<QTabWidget>(window(), "tabSeason")->setCurrentWidget(games);
        QApplication::setActiveWindow(window());
        games->setFocus();
        QTest::keyClick(games, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(sheet->filePath(), QDir(season()).filePath(QStringLiteral("g2.quorvel")));
        fromSheet->close();
        flushDeletes();

        // A blank sheet has a box score too, its teams called by their sides.
        find<QAction>(sheet, "mnuNew")->trigger();
        find<QAction>(sheet, "mnuBoxScore")->trigger();
        auto *blank = sheet->findChild<BoxScoreWindow *>();
        QVERIFY(blank);
        QCOMPARE(blank->box().headline(), QStringLiteral("Away 0, Home 0"));
        QVERIFY(blank->box().toText().contains(QStringLiteral("Home pitching")));
    }

    // The leader boards rank with shared places; a leader opens his games. The team page
    // waits for a team to be chosen, then shows its games, and a game its box score.
    void leadersAndTeamPage()
    {
        m_nav->start({}, season());
        QVERIFY(waitForFigures());
        auto *tabs = find<QTabWidget>(window(), "tabSeason");
        tabs->setCurrentWidget(find<QWidget>(window(), "pageLeaders"));
        auto *boards = find<QListWidget>(window(), "lstLeaders");
        const QList<QListWidgetItem *> hits = boards->findItems(QStringLiteral("Hits"), Qt::MatchExactly);
        QCOMPARE(hits.size(), 1);
        boards->setCurrentItem(hits.first());
        auto *leaders = find<ReportTableView>(window(), "tblLeaders");
        QCOMPARE(leaders->model()->rowCount(), 3);
        QCOMPARE(cell(leaders, 0, QStringLiteral("Player")), QStringLiteral("Avery"));
        QCOMPARE(cell(leaders, 1, QStringLiteral("#")), QStringLiteral("2"));
        QCOMPARE(cell(leaders, 2, QStringLiteral("#")), QStringLiteral("2"));
        leaders->setCurrentIndex(leaders->model()->index(0, 1));
        emit leaders->activated(leaders->currentIndex());
        QVERIFY(window()->findChild<PlayerLogDialog *>());

        tabs->setCurrentWidget(find<QWidget>(window(), "pageTeam"));
        QVERIFY(!find<QWidget>(window(), "tabTeam")->isVisible());
        QVERIFY(find<QLabel>(window(), "lblTeam")->text().contains(QStringLiteral("Choose a team")));
        auto *team = find<QComboBox>(window(), "cboTeam");
        team->setCurrentIndex(team->findText(QStringLiteral("Owls")));
        QVERIFY(find<QWidget>(window(), "tabTeam")->isVisible());
        auto *results = find<ReportTableView>(window(), "tblTeamResults");
        QCOMPARE(results->model()->rowCount(), 2);
        QCOMPARE(cell(results, 1, QStringLiteral("Opponent")), QStringLiteral("Cats"));
        QCOMPARE(cell(results, 1, QStringLiteral("Streak")), QStringLiteral("W2"));
        results->setCurrentIndex(results->model()->index(1, 0));
        emit results->activated(results->currentIndex());
        auto *box = window()->findChild<BoxScoreWindow *>();
        QVERIFY(box);
        QCOMPARE(box->box().headline(), QStringLiteral("Cats 0, Owls 2"));
    }

    // The race is drawn a line a team, ending at the standings' games behind, and follows a
    // saved game; the chart reads as its table, and writes as SVG and as a PDF page.
    void charts()
    {
        m_nav->start({}, season());
        QVERIFY(waitForFigures());
        find<QTabWidget>(window(), "tabSeason")->setCurrentWidget(find<QWidget>(window(), "slotCharts"));
        auto *view = find<QChartView>(window(), "chtSeason");
        QVERIFY2(view, "the charts module was not loaded");
        const auto lastPoints = [view] {
            QMap<QString, double> last;
            for (QAbstractSeries *series : view->chart()->series())
                if (auto *line = qobject_cast<QLineSeries *>(series); line && line->count() > 0)
                    last[line->name()] = line->at(line->count() - 1).y();
            return last;
        };
        QCOMPARE(lastPoints(), (QMap<QString, double>{{QStringLiteral("Owls"), 0},
                                                      {QStringLiteral("Bats"), 1},
                                                      {QStringLiteral("Cats"), 2}}));
        // A fourth game: the Cats beat the Bats, and the race changes at once.
        QSignalSpy read(&window()->book(), &SeasonBook::figuresChanged);
        GameBuilder(QStringLiteral("Bats"), QStringLiteral("Cats"), QDate(2024, 4, 4))
            .inning(Side::Home, 1, QStringLiteral("Evan"), 4, 4, 4)
            .final(true)
            .save(season(), QStringLiteral("g4.quorvel"));
        window()->book().noteChange(season());
        QVERIFY(read.wait(10000));
        QCOMPARE(lastPoints(), (QMap<QString, double>{{QStringLiteral("Owls"), 0},
                                                      {QStringLiteral("Bats"), 1.5},
                                                      {QStringLiteral("Cats"), 1.5}}));
        find<QCheckBox>(window(), "chkChartTable")->setChecked(true);
        QTableView *figures = table("tblChart");
        QVERIFY(figures->isVisible());
        QCOMPARE(figures->model()->rowCount(), 4); // a row a date

        m_ctx->dialogs.svgAnswer = m_folder.filePath(QStringLiteral("race.svg"));
        find<QPushButton>(window(), "cmdExportSvg")->click();
        QFile svg(m_ctx->dialogs.svgAnswer);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&svg);
        while (!xml.atEnd())
            xml.readNext();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        m_ctx->dialogs.pdfAnswer = m_folder.filePath(QStringLiteral("race.pdf"));
        find<QPushButton>(window(), "cmdExportChartPdf")->click();
        QCOMPARE(m_ctx->printer.pdfFiles, QStringList{m_ctx->dialogs.pdfAnswer});
        QCOMPARE(m_ctx->printer.images.size(), std::size_t(1));
    }

    // File, Export Season Report... writes the folder and offers to open its index; the
    // printed book goes to the printer as pages; without a season both say so.
    void exportsTheSeason()
    {
        m_nav->start();
        m_ctx->dialogs.folderAnswer = QString();
        find<QPushButton>(m_nav->current(), "cmdSeason")->click();
        flushDeletes();
        QVERIFY(window());
        find<QAction>(window(), "mnuExportReport")->trigger();
        QCOMPARE(m_ctx->prompter.messages.size(), 1);

        window()->openFolder(season());
        QVERIFY(waitForFigures());
        const QString out = m_folder.filePath(QStringLiteral("report"));
        QVERIFY(QDir().mkpath(out));
        m_ctx->dialogs.folderAnswer = out;
        m_ctx->prompter.answers = {true};
        find<QAction>(window(), "mnuExportReport")->trigger();
        QVERIFY(QFile::exists(QDir(out).filePath(QStringLiteral("index.html"))));
        QCOMPARE(QDir(out + QStringLiteral("/games")).entryList(QDir::Files).size(), 3);
        QCOMPARE(m_ctx->documents.opened, QStringList{QDir(out).filePath(QStringLiteral("index.html"))});

        // A folder with a page of the user's own: asked first, and No keeps it.
        const QString mine = m_folder.filePath(QStringLiteral("mine"));
        QVERIFY(QDir().mkpath(mine));
        QFile own(QDir(mine).filePath(QStringLiteral("index.html")));
        QVERIFY(own.open(QIODevice::WriteOnly) && own.write("<p>mine</p>") > 0);
        own.close();
        m_ctx->dialogs.folderAnswer = mine;
        m_ctx->prompter.answers = {false};
        const qsizetype asked = m_ctx->prompter.questions.size();
        find<QAction>(window(), "mnuExportReport")->trigger();
        QCOMPARE(m_ctx->prompter.questions.size(), asked + 1);
        QVERIFY(own.open(QIODevice::ReadOnly));
        QCOMPARE(own.readAll(), QByteArray("<p>mine</p>"));

        m_ctx->dialogs.pdfAnswer = m_folder.filePath(QStringLiteral("book.pdf"));
        find<QAction>(window(), "mnuExportBook")->trigger();
        QCOMPARE(m_ctx->printer.pdfFiles, QStringList{m_ctx->dialogs.pdfAnswer});
        QVERIFY(m_ctx->printer.images.size() >= 2);
        QCOMPARE(m_ctx->prompter.messages.size(), 1);
        // A printer that refuses the book is told, not passed over.
        m_ctx->printer.fail = true;
        find<QAction>(window(), "mnuPrintBook")->trigger();
        QCOMPARE(m_ctx->prompter.messages.value(1), m_ctx->printer.failure);
    }

    // Every page, board, chart and team of a season without a final game, of one team, and of
    // no folder at all shows an empty state and nothing breaks.
    void emptySeasons()
    {
        const QString unfinished = m_folder.filePath(QStringLiteral("unfinished"));
        GameBuilder(QStringLiteral("Owls"), QStringLiteral("Bats"), QDate(2024, 4, 1))
            .hitter(Side::Away, 1, QStringLiteral("Avery"), 2, 1)
            .final(false)
            .save(unfinished, QStringLiteral("g1.quorvel"));
        const QString lonely = m_folder.filePath(QStringLiteral("lonely"));
        GameBuilder(QStringLiteral("Owls"), QStringLiteral("Owls"), {})
            .inning(Side::Away, 1, QStringLiteral("Casey"), 1, 1, 2)
            .final(true)
            .save(lonely, QStringLiteral("g1.quorvel"));
        m_nav->start();
        m_ctx->dialogs.folderAnswer = QString();
        find<QPushButton>(m_nav->current(), "cmdSeason")->click();
        flushDeletes();
        for (const QString &folder : {QString(), unfinished, lonely}) {
            if (!folder.isEmpty()) {
                window()->openFolder(folder);
                QVERIFY(waitForFigures());
            }
            auto *tabs = find<QTabWidget>(window(), "tabSeason");
            auto *team = find<QComboBox>(window(), "cboTeam");
            for (int t = 0; t < team->count(); ++t) {
                team->setCurrentIndex(t);
                for (int tab = 0; tab < tabs->count(); ++tab)
                    tabs->setCurrentIndex(tab);
                auto *boards = find<QListWidget>(window(), "lstLeaders");
                tabs->setCurrentWidget(find<QWidget>(window(), "pageLeaders"));
                for (int b = 0; b < boards->count(); ++b)
                    boards->setCurrentRow(b);
                tabs->setCurrentWidget(find<QWidget>(window(), "slotCharts"));
                auto *charts = find<QComboBox>(window(), "cboChart");
                QVERIFY(charts->count() >= 2);
                for (int c = 0; c < charts->count(); ++c) {
                    charts->setCurrentIndex(c);
                    QVERIFY(!find<QChartView>(window(), "chtSeason")->chart()->title().isEmpty());
                    window()->grab();
                }
            }
        }
        QVERIFY(m_ctx->prompter.messages.isEmpty());
    }

    // On every page, the Alt+letter of each visible tab, menu, label and button is its own:
    // two controls sharing a letter make the keyboard cycle between them instead of choosing.
    void mnemonicsAreUnique()
    {
        m_nav->start({}, season());
        QVERIFY(waitForFigures());
        const auto letter = [](const QString &text) {
            for (qsizetype i = text.indexOf(u'&'); i >= 0 && i + 1 < text.size(); i = text.indexOf(u'&', i + 2))
                if (text.at(i + 1) != u'&')
                    return text.at(i + 1).toLower();
            return QChar();
        };
        auto *tabs = find<QTabWidget>(window(), "tabSeason");
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            QMap<QChar, QString> taken;
            const auto take = [&](const QString &text) {
                const QChar key = letter(text);
                if (key.isNull())
                    return;
                QVERIFY2(!taken.contains(key),
                         qPrintable(QStringLiteral("Alt+%1: %2 and %3").arg(key, taken.value(key), text)));
                taken[key] = text;
            };
            for (int i = 0; i < tabs->count(); ++i)
                take(tabs->tabText(i));
            for (QAction *menu : window()->menuBar()->actions())
                take(menu->text());
            for (QAbstractButton *button : window()->findChildren<QAbstractButton *>())
                if (button->isVisible())
                    take(button->text());
            for (QLabel *label : window()->findChildren<QLabel *>())
                if (label->isVisible() && label->buddy())
                    take(label->text());
        }
    }

    // A season folder that goes away while the book shows it is told in one line; nothing breaks.
    void folderGoesAway()
    {
        m_nav->start({}, season());
        QVERIFY(waitForFigures());
        QSignalSpy problem(&window()->book(), &SeasonBook::problemChanged);
        QVERIFY(QDir(season()).removeRecursively());
        QVERIFY(problem.wait(10000));
        QVERIFY(find<QWidget>(window(), "lblProblem")->isVisible());
        QCOMPARE(table("tblGames")->model()->rowCount(), 0);
    }
};

QTEST_MAIN(TestSeasonWindow)
#include "tst_seasonwindow.moc"
