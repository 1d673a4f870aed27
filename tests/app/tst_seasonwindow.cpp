#include "app/Navigator.h"
#include "season/GameBuilder.h"
#include "season/SeasonBook.h"
#include "support/TestContext.h"
#include "ui/Appearance.h"
#include "ui/scoresheet/GameKeeper.h"
#include "ui/scoresheet/ScoresheetWindow.h"
#include "ui/season/PlayerLogDialog.h"
#include "ui/season/SeasonTableModel.h"
#include "ui/season/SeasonWindow.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
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

    // A game double-clicked in Games opens in the scoresheet beside the book; saved there, it
    // shows in the book's tables; closing one window leaves the other, closing both brings
    // the launcher.
    void followsAGameSavedFromTheScoresheet()
    {
        m_nav->start({}, season());
        QVERIFY(waitForFigures());
        QTableView *games = table("tblGames");
        QCOMPARE(cell(games, 1, QStringLiteral("Score")), QStringLiteral("3-0"));
        games->setCurrentIndex(games->model()->index(1, 0));
        emit games->activated(games->currentIndex());
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
