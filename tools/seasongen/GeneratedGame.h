#pragma once

#include "scoresheet/GameDetails.h"
#include "scoresheet/Scoresheet.h"

#include <QStringList>

// One made-up game typed into a sheet: both halves inning by inning, the hitters credited
// as the innings go, and the details a scorer would give it.
class GeneratedGame
{
public:
    struct Team
    {
        QString name;
        QStringList hitters;  // thirteen, the first nine start
        QStringList pitchers; // a starter first, then relievers
    };

    GeneratedGame(quint64 seed, const Team &away, const Team &home);

    // Types the game into sheet and returns its details (without date, number and type).
    GameDetails play(Scoresheet &sheet);

private:
    struct Half;
    int below(int bound);
    int weighted(std::initializer_list<int> weights);
    void playInning(Scoresheet &sheet, Half &half, int inning);
    void creditHitters(Scoresheet &sheet, Half &half, int hits, int runs);
    QString spelling(const QString &name);

    quint64 m_state;
    const Team &m_away;
    const Team &m_home;
};
