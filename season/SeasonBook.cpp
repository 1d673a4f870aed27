#include "season/SeasonBook.h"

#include "season/SeasonCalculator.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QtConcurrent/QtConcurrentRun>

namespace {
// Changes come in bursts (a save writes and renames); this long after the last one the
// folder is read again, well within the second a user waits.
constexpr int SettleMs = 60;
// More folders than a season has: past these the folders are not watched.
constexpr qsizetype MostWatchedFolders = 2000;
} // namespace

SeasonBook::SeasonBook(QObject *parent)
    : QObject(parent)
    , m_figures(std::make_shared<const SeasonFigures>())
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleMs);
    m_readers.setMaxThreadCount(1);
    connect(&m_settle, &QTimer::timeout, this, &SeasonBook::start);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this](const QString &folder) {
        m_changedFolders.insert(folder);
        m_settle.start();
    });
    connect(&m_reading, &QFutureWatcherBase::finished, this, &SeasonBook::finished);
}

SeasonBook::~SeasonBook()
{
    m_reading.waitForFinished();
}

void SeasonBook::open(const QString &folder)
{
    m_folder = QFileInfo(folder).absoluteFilePath();
    m_state = SeasonState();
    m_state.folder = m_folder;
    m_lookAtAll = true;
    m_changedFolders.clear();
    m_calculator = nullptr;
    const QStringList watched = m_watcher.directories();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    start();
}

void SeasonBook::refresh()
{
    m_lookAtAll = true;
    if (!m_folder.isEmpty())
        start();
}

void SeasonBook::noteChange(const QString &folder)
{
    m_changedFolders.insert(QFileInfo(folder).absoluteFilePath());
    if (!m_folder.isEmpty())
        start();
}

void SeasonBook::setWatching(bool watching)
{
    m_watching = watching;
    m_settle.stop();
    watch(m_state);
}

void SeasonBook::setGameType(std::optional<GameType> type)
{
    if (type == m_type)
        return;
    m_type = type;
    if (!m_folder.isEmpty())
        start();
}

void SeasonBook::start()
{
    m_settle.stop();
    if (m_running) {
        m_again = true;
        return;
    }
    m_running = true;
    m_again = false;
    const SeasonState previous = m_state;
    const std::optional<GameType> type = m_type;
    std::shared_ptr<SeasonCalculator> calculator = m_calculator;
    const std::optional<QStringList> changed = m_lookAtAll ? std::nullopt
                                                           : std::optional<QStringList>(m_changedFolders.values());
    m_lookAtAll = false;
    m_changedFolders.clear();
    m_reading.setFuture(QtConcurrent::run(&m_readers, [previous, type, calculator, changed]() mutable {
        Reading reading{SeasonState::update(previous, changed), nullptr, type, nullptr};
        const SeasonCalculator::Games games = reading.state.records();
        if (!calculator || calculator->config() != reading.state.config)
            calculator = std::make_shared<SeasonCalculator>(reading.state.config);
        reading.figures = std::make_shared<const SeasonFigures>(
            calculator->recompute(games, reading.state.configProblem, type));
        reading.calculator = std::move(calculator);
        return reading;
    }));
}

void SeasonBook::finished()
{
    m_running = false;
    const Reading reading = m_reading.result();
    // Read for a folder or a kind of game that is no longer asked for: read again.
    if (reading.state.folder != m_folder) {
        start();
        return;
    }
    const QString oldProblem = m_state.problem;
    m_state = reading.state;
    m_figures = reading.figures;
    m_calculator = reading.calculator;
    watch(m_state);
    if (m_state.problem != oldProblem)
        emit problemChanged(m_state.problem);
    emit figuresChanged();
    if (m_again || reading.type != m_type)
        start();
}

void SeasonBook::watch(const SeasonState &state)
{
    QStringList wanted = m_watching ? state.folders.mid(0, MostWatchedFolders) : QStringList();
    // A folder that went away is waited for in the folder that held it.
    if (m_watching && !state.problem.isEmpty()) {
        const QString parent = QFileInfo(state.folder).absolutePath();
        if (QFileInfo(parent).isDir())
            wanted = {parent};
    }
    const QStringList watched = m_watcher.directories();
    const QSet<QString> wantedSet(wanted.begin(), wanted.end());
    const QSet<QString> watchedSet(watched.begin(), watched.end());
    QStringList gone;
    for (const QString &folder : watched)
        if (!wantedSet.contains(folder))
            gone << folder;
    QStringList added;
    for (const QString &folder : wanted)
        if (!watchedSet.contains(folder))
            added << folder;
    if (!gone.isEmpty())
        m_watcher.removePaths(gone);
    if (!added.isEmpty())
        m_watcher.addPaths(added);
    // A file saved into a new folder between its listing and its watch would be missed:
    // one more look at the folder once it is watched.
    if (!watched.isEmpty() && !added.isEmpty()) {
        for (const QString &folder : std::as_const(added))
            m_changedFolders.insert(folder);
        m_settle.start();
    }
}

QString SeasonBook::editConfig(const std::function<void(SeasonConfig &)> &edit)
{
    SeasonConfig config;
    const QString problem = SeasonConfig::load(m_folder, config);
    if (!problem.isEmpty())
        return tr("%1 is left as it is, because it could not be read: %2").arg(SeasonConfig::fileName(), problem);
    edit(config);
    const QString written = config.save(m_folder);
    if (written.isEmpty())
        refresh();
    return written;
}

QString SeasonBook::acceptSuggestion(const MergeSuggestion &suggestion)
{
    return editConfig(
        [&](SeasonConfig &config) { config.addPlayerAlias(suggestion.team, suggestion.other, suggestion.name); });
}

QString SeasonBook::splitName(const MergedName &merged)
{
    return editConfig([&](SeasonConfig &config) { config.removePlayerAlias(merged.team, merged.variant); });
}
