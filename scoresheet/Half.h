#pragma once

#include "scoresheet/Field.h"
#include "scoresheet/FieldArray.h"
#include "scoresheet/SheetState.h"

#include <QString>

#include <deque>

// One half of the sheet: a team at bat with its twelve batting rows, its four
// counters, the fourteen inning rows of the pitchers facing it, and its name and
// line on the linescore. The sheet holds two, away (A) and home (H); the change
// handlers below are written once and run in both. A field's name is its stem and
// the half's letter (txtHitA, txtHitH), a digit after the letter for the copies
// (txtTeamA2); the accessors are named by the stem.
class Half
{
public:
    static constexpr qint16 BattingRows = 12;
    static constexpr qint16 InningRows = 14;

    // The columns and single fields, in the order fields are listed.
    enum Column { Hitter, Hit, RBI, Doubles, Triples, HomeRuns, Steals, Pitcher, R, ER, HitP, K, BB, Pull, Inn };
    enum Single { NeedHRBI, NeedH, Runs, Hits, Team, Team2, Team3, Runs2, Hits2 };

    // side names the half in messages ("away"); suffix is its letter ('A');
    // pitchHits is this half's inning hits total in state (pitchHitsA or pitchHitsH).
    Half(const QString &side, QChar suffix, SheetState &state, qint16 &pitchHits);

    Half(const Half &) = delete;
    Half &operator=(const Half &) = delete;

    // Batting rows, 1..12; txtRBI(0) is the hidden RBI total.
    FieldArray &txtHitter() { return m_arrays[Hitter]; }
    FieldArray &txtHit() { return m_arrays[Hit]; }
    FieldArray &txtRBI() { return m_arrays[RBI]; }
    FieldArray &txt2b() { return m_arrays[Doubles]; }
    FieldArray &txt3b() { return m_arrays[Triples]; }
    FieldArray &txtHR() { return m_arrays[HomeRuns]; }
    FieldArray &txtSB() { return m_arrays[Steals]; }
    // Counters: NEED H+RBI, NEED H, RUNS, HITS.
    Field &txtNeedHRBI() { return m_singles[NeedHRBI]; }
    Field &txtNeedH() { return m_singles[NeedH]; }
    Field &txtRuns() { return m_singles[Runs]; }
    Field &txtHits() { return m_singles[Hits]; }
    // Inning rows, 1..14; txtHitP(0) is hidden and belongs to no row.
    FieldArray &txtPitcher() { return m_arrays[Pitcher]; }
    FieldArray &txtR() { return m_arrays[R]; }
    FieldArray &txtER() { return m_arrays[ER]; }
    FieldArray &txtHitP() { return m_arrays[HitP]; }
    FieldArray &txtK() { return m_arrays[K]; }
    FieldArray &txtBB() { return m_arrays[BB]; }
    FieldArray &txtPull() { return m_arrays[Pull]; }
    // The team's name, its copies and its linescore line (inning cells 1..14, R, H).
    Field &txtTeam() { return m_singles[Team]; }
    Field &txtTeam2() { return m_singles[Team2]; }
    Field &txtTeam3() { return m_singles[Team3]; }
    FieldArray &txtInn() { return m_arrays[Inn]; }
    Field &txtRuns2() { return m_singles[Runs2]; }
    Field &txtHits2() { return m_singles[Hits2]; }

    // Every array and single field of the half, in the order of Column and Single.
    std::deque<FieldArray> &arrays() { return m_arrays; }
    std::deque<Field> &singles() { return m_singles; }

    // Change handlers, run by the fields' change notification.
    void battingHitsChanged(qint16 index);
    void rbiChanged(qint16 index);
    void inningHitsChanged(qint16 index);
    void hitsCounterChanged();
    void inningRunsChanged(qint16 index);
    void inningWalksChanged(qint16 index);
    void teamNameChanged();

    // Recomputes the pull counter "*" of the inning row last asked for (currentRow).
    void updatePullCounter();

private:
    QString m_side;
    SheetState &m_state;
    qint16 &m_pitchHits;
    std::deque<FieldArray> m_arrays; // never grows after construction: elements stay put
    std::deque<Field> m_singles;
};
