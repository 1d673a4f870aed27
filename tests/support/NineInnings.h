#pragma once

// One game of nine innings in both halves, the same on every run, and its typing into
// a sheet one keystroke at a time, as a scorer would: team and hitter names, the
// pitchers, every inning's line and the hits, RBIs and doubles credited to the
// hitters. Tests check the sheet against it, benchmarks and screenshots fill with it.

#include "scoresheet/Scoresheet.h"

#include <QString>

#include <array>
#include <functional>
#include <numeric>

// One team at bat and the pitchers facing it, as the game goes.
struct TeamAtBat
{
    QChar side; // 'A' away, 'H' home
    QString team;
    std::array<QString, 13> hitters; // batting slots 1..12
    std::array<QString, 15> pitcher; // who starts an inning; empty while the same arm goes on
    std::array<int, 15> runs{}, earned{}, hits{}, strikeouts{}, walks{};
    // Kept up while the game is typed: what each slot has been credited with so far,
    // and each inning's pull counter worked out without the sheet's help.
    std::array<int, 13> battingHits{}, rbi{}, doubles{};
    std::array<int, 15> pull{};
    int cursor = 0; // the slot that bats next, less one

    QString name(const char *stem) const { return QLatin1StringView(stem) + side; }
    // The column's total over the innings played so far.
    static int sum(const std::array<int, 15> &column, int innings)
    {
        return std::accumulate(column.begin() + 1, column.begin() + 1 + innings, 0);
    }
    int rbiTotal() const { return std::accumulate(rbi.begin(), rbi.end(), 0); }
    int creditedHits() const { return std::accumulate(battingHits.begin(), battingHits.end(), 0); }
};

class NineInnings
{
public:
    enum class Moment {
        LineEntered,    // an even inning's line is in, its hits not yet credited
        HalfInningDone, // the half-inning is complete
    };
    using Observer = std::function<void(const TeamAtBat &team, int inning, Moment moment)>;

    explicit NineInnings(const QString &awayTeam = QStringLiteral("Harbor Cats"),
                         const QString &homeTeam = QStringLiteral("Mill Creek"))
    {
        away.side = u'A';
        home.side = u'H';
        away.team = awayTeam;
        home.team = homeTeam;
        static const char *const awayHitters[] = {"Alvarez", "Brooks", "Chen", "Dubois", "Eriksen",
                                                  "Fuller",  "Garza",  "Hale", "Ito"};
        static const char *const homeHitters[] = {"Kowal", "Lindqvist", "Mendes", "Novak", "Okafor",
                                                  "Price", "Quinn",     "Reyes",  "Sato"};
        for (int slot = 1; slot <= 9; ++slot) {
            away.hitters[slot] = QString::fromLatin1(awayHitters[slot - 1]);
            home.hitters[slot] = QString::fromLatin1(homeHitters[slot - 1]);
        }
        // The pitchers each half faces: a starter, a reliever from the 6th, a closer in the 9th.
        for (TeamAtBat *team : {&away, &home}) {
            team->pitcher[1] = team == &away ? QStringLiteral("Varga") : QStringLiteral("Thornton");
            team->pitcher[6] = QStringLiteral("Webb");
            team->pitcher[9] = QStringLiteral("Okoye");
            for (int inning = 1; inning <= 9; ++inning) {
                team->hits[inning] = upTo(3);
                team->walks[inning] = upTo(2);
                team->strikeouts[inning] = upTo(3);
                team->runs[inning] = upTo(qMin(team->hits[inning] + team->walks[inning], 3));
                team->earned[inning] = team->hits[inning] ? team->runs[inning] - upTo(team->runs[inning] ? 1 : 0) : 0;
            }
        }
    }

    // Types the whole game; the observer is told of every half-inning's progress.
    void type(Scoresheet &sheet, const Observer &observe = {})
    {
        m_sheet = &sheet;
        for (TeamAtBat *team : {&away, &home}) {
            sheet.field(team->name("txtTeam")).write(team->team);
            for (int slot = 1; slot <= 12; ++slot)
                if (!team->hitters[slot].isEmpty())
                    sheet.field(team->name("txtHitter"), slot).write(team->hitters[slot]);
        }
        for (int inning = 1; inning <= 9; ++inning) {
            for (TeamAtBat *team : {&away, &home}) {
                if (inning % 2) {
                    // Hitters credited as the inning goes, the pitcher's line at its end.
                    creditHits(*team, inning);
                    enterLine(*team, inning);
                } else {
                    // The line first: NEED H shows the hits still to credit.
                    enterLine(*team, inning);
                    if (observe)
                        observe(*team, inning, Moment::LineEntered);
                    creditHits(*team, inning);
                }
                if (observe)
                    observe(*team, inning, Moment::HalfInningDone);
            }
        }
        m_sheet = nullptr;
    }

    TeamAtBat away;
    TeamAtBat home;

private:
    // A small fixed generator, so the game is the same on every run: 0..most.
    int upTo(int most)
    {
        m_state = m_state * 1103515245u + 12345u;
        return int((m_state >> 16) % unsigned(most + 1));
    }

    // The user selects the old text and types the new number, one write per keystroke.
    void typeOver(const QString &name, int index, int value)
    {
        const QString text = QString::number(value);
        for (int length = 1; length <= text.size(); ++length)
            m_sheet->field(name, index).write(text.left(length));
    }

    void creditHits(TeamAtBat &team, int inning)
    {
        for (int hit = 0; hit < team.hits[inning]; ++hit) {
            const int slot = team.cursor % 12 + 1;
            team.cursor += 1 + upTo(2);
            typeOver(team.name("txtHit"), slot, ++team.battingHits[slot]);
            if (upTo(3) == 0)
                typeOver(team.name("txt2b"), slot, ++team.doubles[slot]);
            // The hit that drove in the inning's earned runs is credited with them.
            if (hit == team.hits[inning] - 1 && team.earned[inning] > 0) {
                team.rbi[slot] += team.earned[inning];
                typeOver(team.name("txtRBI"), slot, team.rbi[slot]);
            }
        }
    }

    void enterLine(TeamAtBat &team, int inning)
    {
        if (!team.pitcher[inning].isEmpty())
            m_sheet->field(team.name("txtPitcher"), inning).write(team.pitcher[inning]);
        typeOver(team.name("txtR"), inning, team.runs[inning]);
        typeOver(team.name("txtER"), inning, team.earned[inning]);
        typeOver(team.name("txtHitP"), inning, team.hits[inning]);
        typeOver(team.name("txtK"), inning, team.strikeouts[inning]);
        typeOver(team.name("txtBB"), inning, team.walks[inning]);
        const int base = team.runs[inning] + 1 + team.hits[inning] + team.walks[inning];
        const bool sameArm = inning > 1 && team.pitcher[inning].isEmpty();
        team.pull[inning] = base + (sameArm ? team.pull[inning - 1] : 0);
    }

    quint32 m_state = 20240611u;
    Scoresheet *m_sheet = nullptr;
};
