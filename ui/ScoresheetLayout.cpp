#include "ui/ScoresheetLayout.h"

#include <array>

namespace {
struct Column
{
    const char *away;
    const char *home;
    int leftAway;
    int leftHome;
    int width;
    Qt::Alignment alignment;
};

constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment Centre = Qt::AlignHCenter | Qt::AlignVCenter;

const std::array<Column, 7> BattingColumns = {{
    {"txtHitterA", "txtHitterH", 830, 6210, 1760, Left},
    {"txtHitA", "txtHitH", 2600, 7980, 460, Centre},
    {"txtRBIA", "txtRBIH", 3070, 8460, 480, Centre},
    {"txt2bA", "txt2bH", 3570, 8960, 470, Centre},
    {"txt3bA", "txt3bH", 4050, 9440, 470, Centre},
    {"txtHRA", "txtHRH", 4530, 9920, 480, Centre},
    {"txtSBA", "txtSBH", 5030, 10410, 470, Centre},
}};

const std::array<Column, 7> PitchingColumns = {{
    {"txtPitcherA", "txtPitcherH", 830, 6210, 1760, Left},
    {"txtRA", "txtRH", 2600, 7980, 460, Centre},
    {"txtERA", "txtERH", 3070, 8460, 480, Centre},
    {"txtHitPA", "txtHitPH", 3570, 8960, 470, Centre},
    {"txtKA", "txtKH", 4050, 9440, 470, Centre},
    {"txtBBA", "txtBBH", 4530, 9920, 480, Centre},
    {"txtPullA", "txtPullH", 5030, 10410, 470, Centre},
}};

const std::array<int, 12> BattingTops = {550, 810, 1070, 1320, 1570, 1830, 2090, 2340, 2590, 2850, 3110, 3350};
const std::array<int, 14> PitchingTops = {4110, 4360, 4600, 4860, 5110, 5370, 5630,
                                          5880, 6130, 6390, 6640, 6900, 7160, 7410};

int battingHeight(int row) { return row == 11 ? 230 : 240; }
int pitchingHeight(int row) { return row == 2 ? 230 : 240; }

// The away hits column was laid out with three of its cells swapped: the fifth row
// holds element 7, the sixth element 5, the seventh element 6.
int battingRow(QStringView name, int index)
{
    if (name == u"txtHitA") {
        switch (index) {
        case 7: return 5;
        case 5: return 6;
        case 6: return 7;
        default: break;
        }
    }
    return index;
}

struct Single
{
    const char *name;
    FieldPlacement placement;
};

const QColor Red(255, 0, 0);

FieldPlacement sheet(TwipRect r, double points = 8.25, bool bold = false, QColor colour = Qt::black)
{
    return {FieldPlacement::Panel::Sheet, r, Centre, points, bold, colour};
}

FieldPlacement linescore(TwipRect r, Qt::Alignment alignment = Centre)
{
    return {FieldPlacement::Panel::Linescore, r, alignment, 9.75, false, Qt::black};
}

const std::array<Single, 18> Singles = {{
    {"txtTeamA", sheet({830, 160, 1760, 285})},
    {"txtTeamH", sheet({6210, 160, 1760, 285})},
    {"txtTeamH2", sheet({830, 3810, 1760, 285})},
    {"txtTeamA2", sheet({6210, 3810, 1760, 285})},
    {"txtNeedHRBIA", sheet({120, 600, 690, 240}, 9.75, false, Red)},
    {"txtNeedHRBIH", sheet({5510, 600, 690, 240}, 9.75, false, Red)},
    {"txtNeedHA", sheet({120, 1600, 690, 240}, 9.75, false, Red)},
    {"txtNeedHH", sheet({5510, 1600, 690, 240}, 9.75, false, Red)},
    {"txtRunsA", sheet({120, 2590, 690, 240}, 9.75, true, Red)},
    {"txtRunsH", sheet({5510, 2590, 690, 240}, 9.75, true, Red)},
    {"txtHitsA", sheet({120, 3350, 690, 240}, 9.75)},
    {"txtHitsH", sheet({5505, 3350, 690, 240}, 9.75)},
    {"txtTeamA3", linescore({130, 520, 1900, 250}, Left)},
    {"txtTeamH3", linescore({130, 800, 1900, 250}, Left)},
    {"txtRunsA2", linescore({8770, 520, 460, 250})},
    {"txtRunsH2", linescore({8770, 800, 460, 250})},
    {"txtHitsA2", linescore({9250, 520, 460, 250})},
    {"txtHitsH2", linescore({9250, 800, 460, 250})},
}};

std::optional<FieldPlacement> gridPlacement(const std::array<Column, 7> &columns, QStringView name, int index,
                                            bool batting)
{
    for (const Column &c : columns) {
        const bool away = name == QLatin1String(c.away);
        if (!away && name != QLatin1String(c.home))
            continue;
        const int rows = batting ? 12 : 14;
        if (index < 1 || index > rows)
            return std::nullopt;
        const int row = batting ? battingRow(name, index) : index;
        const int top = batting ? BattingTops.at(size_t(row - 1)) : PitchingTops.at(size_t(row - 1));
        const int height = batting ? battingHeight(row) : pitchingHeight(row);
        FieldPlacement p;
        p.rect = {away ? c.leftAway : c.leftHome, top, c.width, height};
        p.alignment = c.alignment;
        return p;
    }
    return std::nullopt;
}

std::optional<FieldPlacement> inningCellPlacement(QStringView name, int index)
{
    const bool away = name == u"txtInnA";
    if ((!away && name != u"txtInnH") || index < 1 || index > 14)
        return std::nullopt;
    int width = 465;
    if (index == 14)
        width = 450;
    else if (away && index == 7)
        width = 460;
    return linescore({2050 + 480 * (index - 1), away ? 520 : 800, width, 250});
}
} // namespace

std::optional<FieldPlacement> scoresheetFieldPlacement(QStringView name, int index)
{
    if (auto p = gridPlacement(BattingColumns, name, index, true))
        return p;
    if (auto p = gridPlacement(PitchingColumns, name, index, false))
        return p;
    if (auto p = inningCellPlacement(name, index))
        return p;
    for (const Single &s : Singles)
        if (name == QLatin1String(s.name))
            return s.placement;
    return std::nullopt;
}

const QStringList &scoresheetTabOrder()
{
    static const QStringList order = [] {
        QStringList o;
        const auto single = [&](std::initializer_list<const char *> names) {
            for (const char *n : names)
                o << QString::fromLatin1(n);
        };
        const auto element = [&](const char *name, int i) { o << QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i); };
        const auto column = [&](const char *name, int first, int last) {
            for (int i = first; i <= last; ++i)
                element(name, i);
        };

        single({"txtTeamA", "txtTeamH", "txtRunsA", "txtRunsH", "txtHitsA", "txtHitsH"});
        column("txtHitterA", 1, 12);
        column("txtHitterH", 1, 12);
        column("txtPitcherA", 1, 14);
        column("txtPitcherH", 1, 14);
        for (int i : {2, 3, 1, 4, 5, 6, 7, 8, 9, 10, 11, 12})
            element("txtHitA", i);
        column("txtHitH", 1, 12);
        static const std::array<std::array<const char *, 6>, 2> pitching = {{
            {"txtRA", "txtERA", "txtHitPA", "txtKA", "txtBBA", "txtPullA"},
            {"txtRH", "txtERH", "txtHitPH", "txtKH", "txtBBH", "txtPullH"},
        }};
        for (const auto &half : pitching)
            for (int row = 1; row <= 14; ++row)
                for (const char *name : half)
                    element(name, row);
        for (const char *name : {"txtRBIA", "txtRBIH", "txt2bA", "txt2bH", "txt3bA", "txt3bH", "txtHRA", "txtHRH",
                                 "txtSBA", "txtSBH"})
            column(name, 1, 12);
        single({"txtNeedHRBIA", "txtNeedHRBIH", "txtNeedHA", "txtNeedHH", "txtTeamH2", "txtTeamA2"});
        single({"txtHitsH2", "txtHitsA2", "txtRunsH2", "txtRunsA2"});
        for (int i = 14; i >= 1; --i)
            element("txtInnH", i);
        for (int i = 14; i >= 1; --i)
            element("txtInnA", i);
        single({"txtTeamH3", "txtTeamA3", "cmdRoll", "cmdLinescore", "cmdViewRolls"});
        return o;
    }();
    return order;
}
