#include "ui/roll/Dice.h"

#include <QCoreApplication>

namespace {
using P = Art::Picture;

const QColor Red(255, 0, 0);
const QColor Navy(0, 0, 128);
const QColor Green(0, 128, 0);
const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);

constexpr double Large = 12.0; // twenty-sided values on hexagons
constexpr double Small = 9.75; // ten-sided values on diamonds

// clang-format off
const std::array<Die, Roll::FieldCount> Dice = {{
    {"Who1",    QT_TRANSLATE_NOOP("Dice", "WHO"),   QT_TRANSLATE_NOOP("Dice", "WHO, first die"),                    P::HexRed,      Red,   White, Large},
    {"Who2",    QT_TRANSLATE_NOOP("Dice", "WHO"),   QT_TRANSLATE_NOOP("Dice", "WHO, second die"),                   P::DiamondRed,  Red,   White, Small},
    {"Score",   QT_TRANSLATE_NOOP("Dice", "SCORE"), QT_TRANSLATE_NOOP("Dice", "SCORE"),                             P::HexWhite,    White, Black, Large},
    {"Where1",  QT_TRANSLATE_NOOP("Dice", "WHERE"), QT_TRANSLATE_NOOP("Dice", "WHERE, first die"),                  P::HexNavy,     Navy,  White, Large},
    {"Where2",  QT_TRANSLATE_NOOP("Dice", "WHERE"), QT_TRANSLATE_NOOP("Dice", "WHERE, second die"),                 P::DiamondNavy, Navy,  White, Small},
    {"Hits",    QT_TRANSLATE_NOOP("Dice", "HITS"),  QT_TRANSLATE_NOOP("Dice", "HITS"),                              P::HexWhite,    White, Black, Large},
    {"K",       QT_TRANSLATE_NOOP("Dice", "K"),     QT_TRANSLATE_NOOP("Dice", "K"),                                 P::HexGreen,    Green, White, Large},
    {"W",       QT_TRANSLATE_NOOP("Dice", "W"),     QT_TRANSLATE_NOOP("Dice", "W"),                                 P::HexWhite,    White, Black, Large},
    {"Runs1st", QT_TRANSLATE_NOOP("Dice", "R 1st"), QT_TRANSLATE_NOOP("Dice", "RUNS 1st roll / reliever, red die"),  P::DiamondRed,  Red,   White, Small},
    {"RunsRel", QT_TRANSLATE_NOOP("Dice", "R Rel"), QT_TRANSLATE_NOOP("Dice", "RUNS 1st roll / reliever, blue die"), P::DiamondNavy, Navy,  White, Small},
    {"RunsA1",  QT_TRANSLATE_NOOP("Dice", "R A1"),  QT_TRANSLATE_NOOP("Dice", "RUNS Roll Again, red die"),           P::DiamondRed,  Red,   White, Small},
    {"RunsA2",  QT_TRANSLATE_NOOP("Dice", "R A2"),  QT_TRANSLATE_NOOP("Dice", "RUNS Roll Again, blue die"),          P::DiamondNavy, Navy,  White, Small},
    {"RunsUE1", QT_TRANSLATE_NOOP("Dice", "R UE1"), QT_TRANSLATE_NOOP("Dice", "RUNS unearned, red die"),             P::DiamondRed,  Red,   White, Small},
    {"RunsUE2", QT_TRANSLATE_NOOP("Dice", "R UE2"), QT_TRANSLATE_NOOP("Dice", "RUNS unearned, blue die"),            P::DiamondNavy, Navy,  White, Small},
}};
// clang-format on
} // namespace

const std::array<Die, Roll::FieldCount> &dice()
{
    return Dice;
}

const Die &die(int index)
{
    return Dice.at(std::size_t(index));
}

QString Die::labelName() const
{
    return QStringLiteral("lbl") + QLatin1StringView(name);
}

QString Die::spokenName() const
{
    return QCoreApplication::translate("Dice", spoken);
}

QString Die::historyHeader() const
{
    return QCoreApplication::translate("Dice", header);
}

QString diePictureName(int index)
{
    return QStringLiteral("imgDice_%1").arg(index + 1);
}
