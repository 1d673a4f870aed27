#pragma once

#include "scoresheet/Field.h"
#include "scoresheet/FieldArray.h"
#include "scoresheet/HalfNames.h"
#include "scoresheet/SheetState.h"

#include <array>

// One half of the sheet: a team at bat with its twelve batting rows, its four
// counters, the fourteen inning rows of the pitchers facing it, and its name and
// line on the linescore. The sheet holds two, away (A) and home (H); the change
// handlers below are written once and run in both. Field and handler names are the
// away half's without the suffix: txtHit is txtHitA or txtHitH, battingHitsChanged is
// txtHitA_Change or txtHitH_Change.
class Half
{
public:
    static constexpr qint16 BattingRows = 12;
    static constexpr qint16 InningRows = 14;

    // pitchHits is this half's inning hits total in state (pitchHitsA or pitchHitsH).
    Half(const HalfNames &names, SheetState &state, qint16 &pitchHits);

    Half(const Half &) = delete;
    Half &operator=(const Half &) = delete;

    const HalfNames &names() const { return m_names; }

    // Batting rows, 1..12; txtRBI(0) is the hidden RBI total.
    FieldArray &txtHitter() { return m_txtHitter; }
    FieldArray &txtHit() { return m_txtHit; }
    FieldArray &txtRBI() { return m_txtRBI; }
    FieldArray &txt2b() { return m_txt2b; }
    FieldArray &txt3b() { return m_txt3b; }
    FieldArray &txtHR() { return m_txtHR; }
    FieldArray &txtSB() { return m_txtSB; }
    // Counters: NEED H+RBI, NEED H, RUNS, HITS.
    Field &txtNeedHRBI() { return m_txtNeedHRBI; }
    Field &txtNeedH() { return m_txtNeedH; }
    Field &txtRuns() { return m_txtRuns; }
    Field &txtHits() { return m_txtHits; }
    // Inning rows, 1..14; txtHitP(0) is hidden and belongs to no row.
    FieldArray &txtPitcher() { return m_txtPitcher; }
    FieldArray &txtR() { return m_txtR; }
    FieldArray &txtER() { return m_txtER; }
    FieldArray &txtHitP() { return m_txtHitP; }
    FieldArray &txtK() { return m_txtK; }
    FieldArray &txtBB() { return m_txtBB; }
    FieldArray &txtPull() { return m_txtPull; }
    // The team's name, its copies and its linescore line (inning cells 1..14, R, H).
    Field &txtTeam() { return m_txtTeam; }
    Field &txtTeam2() { return m_txtTeam2; }
    Field &txtTeam3() { return m_txtTeam3; }
    FieldArray &txtInn() { return m_txtInn; }
    Field &txtRuns2() { return m_txtRuns2; }
    Field &txtHits2() { return m_txtHits2; }

    // Every array and single field of the half, in a fixed order.
    std::array<FieldArray *, 15> arrays();
    std::array<Field *, 9> singles();

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
    QString caption(const char *column) const;

    const HalfNames &m_names;
    SheetState &m_state;
    qint16 &m_pitchHits;

    FieldArray m_txtHitter;
    FieldArray m_txtHit;
    FieldArray m_txtRBI;
    FieldArray m_txt2b;
    FieldArray m_txt3b;
    FieldArray m_txtHR;
    FieldArray m_txtSB;
    Field m_txtNeedHRBI;
    Field m_txtNeedH;
    Field m_txtRuns;
    Field m_txtHits;
    FieldArray m_txtPitcher;
    FieldArray m_txtR;
    FieldArray m_txtER;
    FieldArray m_txtHitP;
    FieldArray m_txtK;
    FieldArray m_txtBB;
    FieldArray m_txtPull;
    Field m_txtTeam;
    Field m_txtTeam2;
    Field m_txtTeam3;
    FieldArray m_txtInn;
    Field m_txtRuns2;
    Field m_txtHits2;
};
