#include "GameBuilder.h"
#include "SeasonRead.h"
#include "season/SeasonBook.h"

#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

// A generous limit: the book answers within a second, a loaded test machine may be slower.
constexpr int Patience = 15000;

// Waits on the book's signals until done() holds; false when it never did.
bool waitFor(SeasonBook &book, const std::function<bool()> &done)
{
    QSignalSpy changed(&book, &SeasonBook::figuresChanged);
    const QDeadlineTimer deadline(Patience);
    while (!done()) {
        if (deadline.hasExpired() || !changed.wait(int(qMax<qint64>(1, deadline.remainingTime()))))
            return done();
    }
    return true;
}

int runsOf(const SeasonBook &book, const QString &file)
{
    for (const GameRow &row : book.figures()->games)
        if (row.file == file)
            return row.awayRuns;
    return -1;
}

QByteArray game(int awayRuns, const QString &hitter = QStringLiteral("Ito"))
{
    GameBuilder builder(QStringLiteral("Owls"), QStringLiteral("Bats"));
    builder.hitter(Side::Away, 1, hitter, awayRuns, awayRuns).inning(Side::Away, 1, "Reed", awayRuns, 0, awayRuns);
    return builder.final(true).bytes();
}

} // namespace

class TestSeasonBook : public QObject
{
    Q_OBJECT

private slots:
    // A game saved, added in a new folder, renamed or deleted shows in the figures by
    // itself, and only the files that changed are read again.
    void followsTheFolder();
    // Accepting a merge writes the alias into season.json and the names count as one;
    // splitting it takes the alias out again.
    void mergesAndSplits();
    // A folder deleted while watched is one sentence and empty tables; made again, it is read again.
    void folderThatDisappears();
    // The kind of game chosen filters what is counted.
    void gameType();
};

void TestSeasonBook::followsTheFolder()
{
    QTemporaryDir season;
    GameBuilder::saveFile(season.filePath("a.quorvel"), game(1));
    GameBuilder::saveFile(season.filePath("b.quorvel"), game(2));
    SeasonBook book;
    QVERIFY(book.figures() && book.figures()->games.empty());
    book.open(season.path());
    QVERIFY(book.isReading());
    QVERIFY(waitFor(book, [&] { return book.figures()->games.size() == 2; }));
    QCOMPARE(book.filesReadLast(), 2);

    GameBuilder::saveFile(season.filePath("a.quorvel"), game(5));
    QVERIFY(waitFor(book, [&] { return runsOf(book, "a.quorvel") == 5; }));
    QCOMPARE(book.filesReadLast(), 1);

    GameBuilder::saveFile(season.filePath("later/c.quorvel"), game(3));
    QVERIFY(waitFor(book, [&] { return runsOf(book, "later/c.quorvel") == 3; }));

    QVERIFY(QFile::rename(season.filePath("b.quorvel"), season.filePath("later/b2.quorvel")));
    QVERIFY(waitFor(book, [&] { return runsOf(book, "later/b2.quorvel") == 2 && runsOf(book, "b.quorvel") < 0; }));
    QCOMPARE(book.figures()->games.size(), 3u);

    QVERIFY(QFile::remove(season.filePath("later/c.quorvel")));
    QVERIFY(waitFor(book, [&] { return book.figures()->games.size() == 2; }));
    QCOMPARE(book.filesReadLast(), 0);
    QVERIFY(book.problem().isEmpty());
}

void TestSeasonBook::mergesAndSplits()
{
    QTemporaryDir season;
    GameBuilder::saveFile(season.filePath("a.quorvel"), game(1, "Ito"));
    GameBuilder::saveFile(season.filePath("b.quorvel"), game(2, "Itoh"));
    SeasonBook book;
    book.setWatching(false); // season.json is written through the book, which reads again by itself
    book.open(season.path());
    QVERIFY(waitFor(book, [&] { return book.figures()->suggestions.size() == 1; }));
    const MergeSuggestion suggestion = book.figures()->suggestions.front();
    QCOMPARE(suggestion, (MergeSuggestion{"Owls", "Ito", "Itoh"})); // a tie: the first name in key order kept

    QCOMPARE(book.acceptSuggestion(suggestion), QString());
    QVERIFY(waitFor(book, [&] { return book.figures()->batting.size() == 1; }));
    QCOMPARE(book.figures()->batting.front().hits, 3);
    QCOMPARE(book.figures()->merged, (std::vector<MergedName>{{"Owls", "Itoh", "Ito"}}));
    SeasonConfig written;
    QCOMPARE(SeasonConfig::load(season.path(), written), QString());
    QCOMPARE(written.playerAliases.value("Owls").value("Itoh"), "Ito");

    QCOMPARE(book.splitName(book.figures()->merged.front()), QString());
    QVERIFY(waitFor(book, [&] { return book.figures()->batting.size() == 2; }));
    QVERIFY(book.figures()->merged.empty());

    // A season.json that cannot be read is left alone.
    GameBuilder::saveFile(season.filePath("season.json"), "{ broken");
    QVERIFY(book.acceptSuggestion(suggestion).contains("season.json"));
    QFile kept(season.filePath("season.json"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), "{ broken");
}

void TestSeasonBook::folderThatDisappears()
{
    QTemporaryDir parent;
    const QString folder = parent.filePath("season");
    GameBuilder::saveFile(QDir(folder).filePath("deep/a.quorvel"), game(1));
    SeasonBook book;
    QSignalSpy problems(&book, &SeasonBook::problemChanged);
    book.open(folder);
    QVERIFY(waitFor(book, [&] { return book.figures()->games.size() == 1; }));

    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(waitFor(book, [&] { return !book.problem().isEmpty(); }));
    QVERIFY(book.problem().contains("cannot be read"));
    QVERIFY(book.figures()->games.empty() && book.figures()->standings.empty());
    QCOMPARE(problems.size(), 1);

    GameBuilder::saveFile(QDir(folder).filePath("a.quorvel"), game(4));
    QVERIFY(waitFor(book, [&] { return runsOf(book, "a.quorvel") == 4; }));
    QVERIFY(book.problem().isEmpty());
}

void TestSeasonBook::gameType()
{
    QTemporaryDir season;
    GameBuilder::saveFile(season.filePath("a.quorvel"), game(1));
    GameBuilder exhibition(QStringLiteral("Owls"), QStringLiteral("Cats"));
    exhibition.inning(Side::Away, 1, "Reed", 7).type(GameType::Exhibition).save(season.path(), "b.quorvel");
    SeasonBook book;
    book.open(season.path());
    QVERIFY(waitFor(book, [&] { return book.figures()->games.size() == 1; }));
    QCOMPARE(book.gameType(), GameType::Regular);
    book.setGameType(std::nullopt);
    QVERIFY(waitFor(book, [&] { return book.figures()->games.size() == 2; }));
    QVERIFY(!book.figures()->type.has_value());
    book.setGameType(GameType::Exhibition);
    QVERIFY(waitFor(book, [&] { return book.figures()->games.size() == 1 && book.figures()->type; }));
    QCOMPARE(book.figures()->games.front().awayRuns, 7);
}

QTEST_GUILESS_MAIN(TestSeasonBook)
#include "TestSeasonBook.moc"
