#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

struct SeasonFigures;

// The season as a folder of web pages for a league: index.html (standings, the race as a
// chart, runs scored and allowed, leaders, links to every team and game), games.html (every
// game), a page a team (teams/team-N.html), a page a game with its box score
// (games/game-NNNN.html) and one stylesheet (style.css). The pages read from the disk as
// they are: no script, nothing fetched from a network, links relative to the folder. Each
// page is HTML5 that is also well-formed XML, every name escaped and shown as typed, in its
// own direction. Files of an earlier report that this one does not write are left alone.
class SeasonReport
{
public:
    explicit SeasonReport(const SeasonFigures &figures);

    // Every file of the report: its path within the folder ("teams/team-3.html") and its bytes.
    QList<std::pair<QString, QByteArray>> files() const;
    // Writes every file into folder (made when missing). Returns the sentence that says why
    // it could not, empty when all were written.
    QString write(const QString &folder) const;

    // The paths of every file the report writes, as files() gives them.
    QStringList fileNames() const;
    // The files of the report that folder already holds and that are no season report's
    // (a page of the user's own named index.html, say): writing would replace them.
    QStringList othersIn(const QString &folder) const;

    // What every page and the stylesheet hold near their top: a report's own files.
    static constexpr const char *Marker = "Quorvel Companion season report";

private:
    QByteArray index() const;
    QByteArray gameList() const;
    QByteArray teamPage(int team) const;
    QByteArray gamePage(std::size_t game) const;

    const SeasonFigures &m_figures;
};
