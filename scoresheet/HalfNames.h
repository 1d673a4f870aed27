#pragma once

#include <QStringView>

// The field names of one half of the sheet. The away half (suffix A) records the
// away team at bat, the home half (suffix H) the home team; the same bookkeeping
// runs on both with these tables.
struct HalfNames
{
    QStringView side; // "away" or "home", for messages

    // batting rows, 1..12 (txtRBI also has the hidden total at 0)
    QStringView txtHitter, txtHit, txtRBI, txt2b, txt3b, txtHR, txtSB;
    // counter column
    QStringView txtNeedHRBI, txtNeedH, txtRuns, txtHits;
    // inning rows, 1..14 (txtHitP also has a hidden element 0)
    QStringView txtPitcher, txtR, txtER, txtHitP, txtK, txtBB, txtPull;
    // the team's name, its two copies and its line of the linescore
    QStringView txtTeam, txtTeam2, txtTeam3, txtInn, txtRuns2, txtHits2;

    static const HalfNames Away;
    static const HalfNames Home;
};

inline constexpr HalfNames HalfNames::Away = {
    u"away",
    u"txtHitterA", u"txtHitA", u"txtRBIA", u"txt2bA", u"txt3bA", u"txtHRA", u"txtSBA",
    u"txtNeedHRBIA", u"txtNeedHA", u"txtRunsA", u"txtHitsA",
    u"txtPitcherA", u"txtRA", u"txtERA", u"txtHitPA", u"txtKA", u"txtBBA", u"txtPullA",
    u"txtTeamA", u"txtTeamA2", u"txtTeamA3", u"txtInnA", u"txtRunsA2", u"txtHitsA2",
};

inline constexpr HalfNames HalfNames::Home = {
    u"home",
    u"txtHitterH", u"txtHitH", u"txtRBIH", u"txt2bH", u"txt3bH", u"txtHRH", u"txtSBH",
    u"txtNeedHRBIH", u"txtNeedHH", u"txtRunsH", u"txtHitsH",
    u"txtPitcherH", u"txtRH", u"txtERH", u"txtHitPH", u"txtKH", u"txtBBH", u"txtPullH",
    u"txtTeamH", u"txtTeamH2", u"txtTeamH3", u"txtInnH", u"txtRunsH2", u"txtHitsH2",
};
