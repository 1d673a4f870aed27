#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

class RandomSource;

// The fourteen values of one throw of all the game's dice. Hits and W are copies
// of Score: twelve values are drawn, fourteen are shown.
struct Roll
{
    qint16 Who1 = 0;    // d20
    qint16 Who2 = 0;    // d10
    qint16 Score = 0;   // d20
    qint16 Where1 = 0;  // d20
    qint16 Where2 = 0;  // d10
    qint16 Hits = 0;    // = Score
    qint16 K = 0;       // d20
    qint16 W = 0;       // = Score
    qint16 Runs1st = 0; // d10
    qint16 RunsRel = 0; // d10
    qint16 RunsA1 = 0;  // d10
    qint16 RunsA2 = 0;  // d10
    qint16 RunsUE1 = 0; // d10
    qint16 RunsUE2 = 0; // d10

    static constexpr int FieldCount = 14;

    // The values in the order of the dice: WHO, SCORE, WHERE, HITS, K, W and the six RUNS dice.
    std::array<qint16, FieldCount> values() const;
};

// Where a roll is shown: the fourteen result labels of one roll panel.
class RollLabels
{
public:
    virtual ~RollLabels() = default;
    // label is the index of a die in the order of values().
    virtual void setCaption(int label, const QString &text) = 0;
};

// Reseeds the source once, then makes exactly twelve draws in the game's order.
Roll drawRoll(RandomSource &source);

// Writes the text of every value into its result label, replacing the old captions.
void showRoll(const Roll &roll, RollLabels &labels);
