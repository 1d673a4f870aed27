#include "roll/Roll.h"

#include "roll/RandomSource.h"

#include <cmath>

namespace {
// Both formulas stay in single precision, as the game's dice were always computed.
qint16 d20(RandomSource &source)
{
    const float u = source.nextDraw();
    return static_cast<qint16>(std::floor(u * 20.0f + 1.0f));
}

qint16 d10(RandomSource &source)
{
    const float u = source.nextDraw();
    return static_cast<qint16>(std::floor(u * 10.0f));
}
} // namespace

std::array<qint16, Roll::FieldCount> Roll::values() const
{
    return {Who1, Who2, Score, Where1, Where2, Hits, K, W, Runs1st, RunsRel, RunsA1, RunsA2, RunsUE1, RunsUE2};
}

Roll drawRoll(RandomSource &source)
{
    source.reseed();
    Roll r;
    // The order of the draws decides which draw reaches which field.
    r.Who1 = d20(source);
    r.Who2 = d10(source);
    r.Score = d20(source);
    r.Where1 = d20(source);
    r.Where2 = d10(source);
    r.Hits = r.Score;
    r.K = d20(source);
    r.W = r.Score;
    r.Runs1st = d10(source);
    r.RunsRel = d10(source);
    r.RunsA1 = d10(source);
    r.RunsA2 = d10(source);
    r.RunsUE1 = d10(source);
    r.RunsUE2 = d10(source);
    return r;
}

void showRoll(const Roll &roll, RollLabels &labels)
{
    const auto values = roll.values();
    for (int i = 0; i < Roll::FieldCount; ++i)
        labels.setCaption(i, QString::number(values[static_cast<size_t>(i)]));
}
