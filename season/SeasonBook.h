#pragma once

#include "season/SeasonCalculator.h"
#include "season/SeasonFigures.h"
#include "season/SeasonReader.h"

#include <QFileSystemWatcher>
#include <QFutureWatcher>
#include <QObject>
#include <QSet>
#include <QThreadPool>
#include <QTimer>

#include <memory>
#include <optional>

// A season's folder of saved games as one book of standings and statistics, always
// computed afresh from the files. Reading happens on worker threads, every core reading
// files at once; the figures are published on the book's own thread. The folders (not
// the files, so that a folder of 20,000 games leaves the system's watches alone) are
// watched: a game saved, added, renamed or deleted anywhere in the season shows within
// a second, and only the files that changed are read again.
//
//   SeasonBook book;
//   connect(&book, &SeasonBook::figuresChanged, view, [&] { model->setRows(book.figures()->batting); });
//   book.open(folder);
class SeasonBook : public QObject
{
    Q_OBJECT

public:
    explicit SeasonBook(QObject *parent = nullptr);
    ~SeasonBook() override; // waits for a read under way

    // Reads folder and watches it from now on; figuresChanged follows when it is read.
    void open(const QString &folder);
    QString folder() const { return m_folder; }
    // Looks at the whole folder again now (also at files rewritten in place, which no watcher sees).
    void refresh();
    // Looks again at one folder of the season now, as the watcher does when it changes: a
    // window that has just saved a game there can say so and spare the user the watcher's wait.
    void noteChange(const QString &folder);

    // Whether changes on disk are followed by themselves (the default); without, only refresh() reads.
    void setWatching(bool watching);
    bool isWatching() const { return m_watching; }

    // The kind of game counted (empty: every kind); regular games when not chosen.
    void setGameType(std::optional<GameType> type);
    std::optional<GameType> gameType() const { return m_type; }

    // The last figures read; never null, empty before the first read. A set never changes:
    // a later read replaces it.
    std::shared_ptr<const SeasonFigures> figures() const { return m_figures; }
    // One sentence when the folder cannot be read (missing, deleted while watched); empty otherwise.
    QString problem() const { return m_state.problem; }
    bool isReading() const { return m_running; }
    // How many game files the last read read: the ones that were new or had changed.
    int filesReadLast() const { return m_state.filesRead; }

    // Writes the suggested merge into season.json (atomically) and reads the season again.
    // Returns the sentence that says why it could not, empty when written.
    QString acceptSuggestion(const MergeSuggestion &suggestion);
    // Takes a merged name's alias out of season.json again; empty when written.
    QString splitName(const MergedName &merged);

signals:
    // New figures are ready in figures().
    void figuresChanged();
    // problem() changed.
    void problemChanged(const QString &problem);

private:
    struct Reading
    {
        SeasonState state;
        std::shared_ptr<const SeasonFigures> figures;
        std::optional<GameType> type;
        std::shared_ptr<SeasonCalculator> calculator;
    };

    void start();
    void finished();
    void watch(const SeasonState &state);
    QString editConfig(const std::function<void(SeasonConfig &)> &edit);

    QString m_folder;
    std::optional<GameType> m_type = GameType::Regular;
    SeasonState m_state;
    std::shared_ptr<SeasonCalculator> m_calculator; // used by one reading at a time
    std::shared_ptr<const SeasonFigures> m_figures;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;       // a save is several events: one read after the last
    QThreadPool m_readers; // one reading at a time, off the global pool that reads the files
    QFutureWatcher<Reading> m_reading;
    bool m_watching = true;
    bool m_lookAtAll = true;        // at the next reading: every folder
    QSet<QString> m_changedFolders; // at the next reading: these folders
    bool m_running = false;
    bool m_again = false;
};
