#include "GameBuilder.h"
#include "SeasonRead.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

bool hasCheck(const SeasonFigures &figures, const QString &file, const QString &problem)
{
    return std::any_of(figures.checks.begin(), figures.checks.end(),
                       [&](const CheckRow &row) { return row.file == file && row.problem.contains(problem); });
}

QStringList gameFiles(const SeasonFigures &figures)
{
    QStringList files;
    for (const GameRow &row : figures.games)
        files << row.file;
    return files;
}

} // namespace

class TestSeasonFolder : public QObject
{
    Q_OBJECT

private slots:
    // A folder of everything that can go wrong reads to the end: broken, too large,
    // half-written and unreadable files become checks; pipes, links (also a loop of
    // them), hidden names and files more than eight folders down are passed over;
    // 20,000 games read in seconds, not minutes.
    void hostileFolder();
    // A folder that is not there is one sentence and no games.
    void missingFolder();
    // Looking again only at the folders the watcher names finds what a look at everything
    // finds: files added, rewritten, moved and deleted, folders made and deleted with what is in them.
    void changedFoldersOnly();
};

void TestSeasonFolder::hostileFolder()
{
    QTemporaryDir season;
    const QString root = season.path();
    const QByteArray good = GameBuilder("Owls", "Bats").hitter(Side::Away, 1, "Ito", 1).bytes();
    GameBuilder::saveFile(season.filePath("good.quorvel"), good);
    GameBuilder::saveFile(season.filePath("a/b/c/d/e/f/g/h/deep8.quorvel"), GameBuilder("Deep", "Eight").bytes());
    GameBuilder::saveFile(season.filePath("a/b/c/d/e/f/g/h/i/deep9.quorvel"), GameBuilder("Deep", "Nine").bytes());
    GameBuilder::saveFile(season.filePath(".hidden.quorvel"), GameBuilder("Hidden", "File").bytes());
    GameBuilder::saveFile(season.filePath(".sync/kept.quorvel"), GameBuilder("Hidden", "Folder").bytes());
    GameBuilder::saveFile(season.filePath("broken.quorvel"), QByteArray(3000, '\x07'));
    GameBuilder::saveFile(season.filePath("huge.quorvel"), good + QByteArray(GameFile::MaxBytes, ' '));
    GameBuilder::saveFile(season.filePath("half.quorvel"), good.left(good.size() / 2));
    GameBuilder::saveFile(season.filePath("notes.txt"), "not a game");
    QVERIFY(QDir(root).mkpath("folder.quorvel"));
    GameBuilder::saveFile(season.filePath("locked.quorvel"), GameBuilder("Locked", "Out").bytes());
    QFile::setPermissions(season.filePath("locked.quorvel"), QFileDevice::Permissions());
    QVERIFY(QFile::link(root, season.filePath("loop")));
    QVERIFY(QFile::link(season.filePath("good.quorvel"), season.filePath("link.quorvel")));
    QVERIFY(QFile::link(season.filePath("nowhere.quorvel"), season.filePath("dangling.quorvel")));
#ifdef Q_OS_UNIX
    QCOMPARE(::mkfifo(QFile::encodeName(season.filePath("pipe.quorvel")).constData(), 0600), 0);
#endif
    QElapsedTimer writing;
    writing.start();
    // 20,000 small games, each its own, in twenty folders.
    const QByteArray template_ = GameBuilder("XXXXXXXX", "YYYYYYYY").bytes();
    for (int i = 0; i < 20000; ++i) {
        QByteArray bytes = template_;
        bytes.replace("XXXXXXXX", QByteArray::number(100000000 + i)).replace("YYYYYYYY", "Visitors");
        const QString path = QStringLiteral("%1/many/%2/%3.quorvel").arg(root).arg(i % 20).arg(i);
        if (i < 20)
            QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    qInfo("wrote 20,000 files in %lld ms", writing.elapsed());
    QElapsedTimer clock;
    clock.start();
    SeasonState state;
    const SeasonFigures figures = readSeason(root, std::nullopt, &state);
    qInfo("read %lld files in %lld ms", qint64(state.games.size()), clock.elapsed());
    QVERIFY(state.problem.isEmpty());

    const QStringList files = gameFiles(figures);
    const bool lockedRead = QFileInfo(season.filePath("locked.quorvel")).isReadable();
    QCOMPARE(files.size(), 20002 + (lockedRead ? 1 : 0));
    QVERIFY(files.contains("good.quorvel"));
    QVERIFY(files.contains("a/b/c/d/e/f/g/h/deep8.quorvel"));
    QVERIFY(files.contains("many/7/1007.quorvel"));
    for (const char *passedOver : {"a/b/c/d/e/f/g/h/i/deep9.quorvel", ".hidden.quorvel", ".sync/kept.quorvel",
                                   "link.quorvel", "dangling.quorvel", "pipe.quorvel", "loop/good.quorvel"})
        QVERIFY2(!files.contains(passedOver) && !state.games.contains(passedOver), passedOver);
    QVERIFY(hasCheck(figures, "broken.quorvel", "not valid JSON"));
    QVERIFY(hasCheck(figures, "huge.quorvel", "larger than 1 MiB"));
    QVERIFY(hasCheck(figures, "half.quorvel", "not valid JSON"));
    if (!lockedRead) // not for root, who reads everything
        QVERIFY(hasCheck(figures, "locked.quorvel", "could not be read"));
    // The numbered teams, their visitors, Owls, Bats, Deep and Eight, and Locked and Out where read.
    QCOMPARE(figures.standings.size(), 20005u + (lockedRead ? 2 : 0));
}

void TestSeasonFolder::missingFolder()
{
    QTemporaryDir parent;
    SeasonState state;
    const SeasonFigures figures = readSeason(parent.filePath("gone"), GameType::Regular, &state);
    QVERIFY(state.problem.contains("cannot be read"));
    QVERIFY(state.games.isEmpty());
    QVERIFY(figures.games.empty() && figures.standings.empty());
}

void TestSeasonFolder::changedFoldersOnly()
{
    QTemporaryDir season;
    const QString root = QFileInfo(season.path()).absoluteFilePath();
    const auto save = [&](const QString &file, const char *team) { GameBuilder(team, "Bats").save(root, file); };
    save("a.quorvel", "Owls");
    save("may/b.quorvel", "Hawks");
    save("may/week/c.quorvel", "Cats");
    save("june/d.quorvel", "Rams");
    SeasonState start;
    start.folder = root;
    const SeasonState before = SeasonState::update(start);
    QCOMPARE(before.games.size(), 4);

    save("may/e.quorvel", "Elks");                                             // added
    save("a.quorvel", "Owls and more");                                        // rewritten
    QVERIFY(QFile::rename(root + "/june/d.quorvel", root + "/may/d.quorvel")); // moved
    QVERIFY(QDir(root + "/may/week").removeRecursively());                     // a folder deleted
    save("june/new/deeper/f.quorvel", "Foxes");                                // folders made
    // The deleted folder is named only by the folder that held it.
    const QStringList changed = {root, root + "/may", root + "/june"};
    const SeasonState partly = SeasonState::update(before, changed);
    const SeasonState wholly = SeasonState::update(before);
    QStringList files = partly.games.keys();
    files.sort();
    QCOMPARE(files, (QStringList{"a.quorvel", "june/new/deeper/f.quorvel", "may/b.quorvel", "may/d.quorvel",
                                 "may/e.quorvel"}));
    QStringList all = wholly.games.keys();
    all.sort();
    QCOMPARE(files, all);
    for (const QString &file : files)
        QVERIFY2(partly.games.value(file).stamp == wholly.games.value(file).stamp, qPrintable(file));
    QStringList folders = partly.folders, allFolders = wholly.folders;
    folders.sort();
    allFolders.sort();
    QCOMPARE(folders, allFolders);
    QCOMPARE(partly.filesRead, 4); // a, d where it is now, e, f; b was not read again
}

QTEST_GUILESS_MAIN(TestSeasonFolder)
#include "TestSeasonFolder.moc"
