#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Writes a season of made-up games as the scoresheet itself would save them: every game
// is typed into a real Scoresheet (so totals, need and pull counters are the sheet's own),
// then captured and serialized with its details. The same seed gives the same bytes.
// The games vary as real ones do: pitchers changing mid-game, extra innings, ties, games
// not finished, a few names spelled two ways, batting rows left blank.
class SeasonGenerator
{
public:
    SeasonGenerator(int games, int teams, quint64 seed);

    int gameCount() const { return m_games; }
    // The game's file, within the season's folder ("2025-04/0001 Owls at Bats 2025-04-01.quorvel").
    QString fileName(int game) const;
    QByteArray gameFile(int game) const;
    // Writes every game into folder; returns the sentence that says why it could not.
    QString write(const QString &folder) const;

private:
    struct Pairing
    {
        int away;
        int home;
        int day;
    };
    Pairing pairing(int game) const;

    int m_games;
    int m_teams;
    quint64 m_seed;
    QStringList m_teamNames;
};
