#include "roll/ClockRandomSource.h"
#include "roll/Roll.h"
#include "support/RollFakes.h"

#include <QTest>

#include <array>
#include <cmath>
#include <limits>

namespace {
// The largest single-precision draw a source may return.
const float JustBelowOne = std::nextafter(1.0f, 0.0f);

// Keeps the last caption of every result label and counts the writes.
class RecordingLabels final : public RollLabels
{
public:
    void setCaption(int label, const QString &text) override
    {
        captions[static_cast<size_t>(label)] = text;
        ++writes[static_cast<size_t>(label)];
    }
    std::array<QString, Roll::FieldCount> captions;
    std::array<int, Roll::FieldCount> writes{};
};

using Values = std::array<qint16, Roll::FieldCount>;

// Which field each of the twelve draws reaches, as an index into Roll::values().
constexpr std::array<int, 12> FieldOfDraw = {0, 1, 2, 3, 4, 6, 8, 9, 10, 11, 12, 13};
constexpr std::array<bool, 12> DrawIsD20 = {true,  false, true,  true,  false, true,
                                            false, false, false, false, false, false};

QString valuesText(const Values &v)
{
    QStringList parts;
    for (const qint16 x : v)
        parts << QString::number(x);
    return parts.join(QLatin1Char(' '));
}

// Pearson's statistic of counts against a flat distribution over the given faces.
double chiSquare(const std::vector<int> &counts)
{
    double total = 0;
    for (const int c : counts)
        total += c;
    const double expected = total / static_cast<double>(counts.size());
    double chi = 0;
    for (const int c : counts)
        chi += (c - expected) * (c - expected) / expected;
    return chi;
}
} // namespace

class TestRoll : public QObject
{
    Q_OBJECT

private slots:
    // The worked example: twelve draws in order give these fourteen values, Hits and W copying Score.
    void twelveDrawExample();
    // Both ends of the draw range give the lowest and highest face of every die, never 0 or 21 or 10.
    void boundaryDraws_data();
    void boundaryDraws();
    // A roll reseeds once and consumes exactly twelve draws: the second roll starts at the 13th.
    void twoRollsUseConsecutiveDraws();
    // Labels get bare decimal digits, Hits and W the Score's text, every label exactly once per roll.
    void showRollTexts_data();
    void showRollTexts();
    // The clock-seeded source stays within [0, 1).
    void clockSourceDrawsInRange();
    // Two reseeds within one clock reading still lead to different rolls.
    void clockSourceSameReadingDiffers();
    // The clock reading is folded into the state: equal histories agree, one nanosecond apart they part.
    void clockSourceFoldsTheClock();
    // Many real rolls: every face of both dice comes up about equally often, copies always agree.
    void clockSourceRollsAreUniform();
};

void TestRoll::twelveDrawExample()
{
    ScriptedRandomSource source({0.0f, 0.95f, 0.5f, 0.999f, 0.42f, 0.26f, 0.12f, 0.27f, 0.33f, 0.41f, 0.58f, 0.97f});
    const Roll r = drawRoll(source);
    const Values expected = {1, 9, 11, 20, 4, 11, 6, 11, 1, 2, 3, 4, 5, 9};
    QCOMPARE(valuesText(r.values()), valuesText(expected));
    QCOMPARE(r.Who1, 1);
    QCOMPARE(r.Hits, r.Score);
    QCOMPARE(r.W, r.Score);
    QCOMPARE(r.RunsUE2, 9);

    RecordingLabels labels;
    showRoll(r, labels);
    const QStringList shown(labels.captions.begin(), labels.captions.end());
    QCOMPARE(shown.join(QLatin1Char(' ')), QStringLiteral("1 9 11 20 4 11 6 11 1 2 3 4 5 9"));
}

void TestRoll::boundaryDraws_data()
{
    QTest::addColumn<int>("draw");
    QTest::addColumn<float>("u");
    QTest::addColumn<int>("expected");
    for (int d = 0; d < 12; ++d) {
        const bool d20 = DrawIsD20[static_cast<size_t>(d)];
        static const char *const names[] = {"Who1", "Who2",    "Score",   "Where1", "Where2", "Hits",    "K",
                                            "W",    "Runs1st", "RunsRel", "RunsA1", "RunsA2", "RunsUE1", "RunsUE2"};
        const QByteArray name(names[FieldOfDraw[static_cast<size_t>(d)]]);
        QTest::addRow("%s u=0", name.constData()) << d << 0.0f << (d20 ? 1 : 0);
        QTest::addRow("%s u=max", name.constData()) << d << JustBelowOne << (d20 ? 20 : 9);
    }
}

void TestRoll::boundaryDraws()
{
    QFETCH(int, draw);
    QFETCH(float, u);
    QFETCH(int, expected);

    std::vector<float> draws(12, 0.5f);
    draws[static_cast<size_t>(draw)] = u;
    ScriptedRandomSource source(draws);
    const Values v = drawRoll(source).values();
    QCOMPARE(v[static_cast<size_t>(FieldOfDraw[static_cast<size_t>(draw)])], expected);
    // The other draws (0.5) stay where they were: 11 on a d20, 5 on a d10.
    for (int d = 0; d < 12; ++d) {
        if (d != draw)
            QCOMPARE(v[static_cast<size_t>(FieldOfDraw[static_cast<size_t>(d)])],
                     DrawIsD20[static_cast<size_t>(d)] ? 11 : 5);
    }
    QCOMPARE(v[5], v[2]);
    QCOMPARE(v[7], v[2]);
}

void TestRoll::twoRollsUseConsecutiveDraws()
{
    std::vector<float> draws;
    for (int i = 0; i < 24; ++i)
        draws.push_back(static_cast<float>(i) / 24.0f);
    ScriptedRandomSource source(draws);

    const Roll first = drawRoll(source);
    QCOMPARE(source.reseeds, 1);
    QCOMPARE(source.draws, 12);
    const Roll second = drawRoll(source);
    QCOMPARE(source.reseeds, 2);
    QCOMPARE(source.draws, 24);
    QCOMPARE(source.remaining(), size_t(0));

    // Draw k is k/24; floor(k/24 * 20 + 1) and floor(k/24 * 10) by hand.
    QCOMPARE(valuesText(first.values()), QStringLiteral("1 0 2 3 1 2 5 2 2 2 3 3 4 4"));
    QCOMPARE(valuesText(second.values()), QStringLiteral("11 5 12 13 6 12 15 12 7 7 8 8 9 9"));
}

void TestRoll::showRollTexts_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "0";
    QTest::newRow("1") << 1 << "1";
    QTest::newRow("9") << 9 << "9";
    QTest::newRow("10") << 10 << "10";
    QTest::newRow("20") << 20 << "20";
}

void TestRoll::showRollTexts()
{
    QFETCH(int, value);
    QFETCH(QString, text);

    RecordingLabels labels;
    labels.captions.fill(QStringLiteral("old caption"));
    const auto v = static_cast<qint16>(value);
    Roll r;
    r.Who1 = r.Who2 = r.Score = r.Where1 = r.Where2 = r.Hits = r.K = r.W = v;
    r.Runs1st = r.RunsRel = r.RunsA1 = r.RunsA2 = r.RunsUE1 = r.RunsUE2 = v;
    showRoll(r, labels);
    for (int i = 0; i < Roll::FieldCount; ++i) {
        QCOMPARE(labels.captions[static_cast<size_t>(i)], text);
        QCOMPARE(labels.writes[static_cast<size_t>(i)], 1);
    }
}

void TestRoll::clockSourceDrawsInRange()
{
    FakeClock clock;
    ClockRandomSource source(clock);
    float lowest = 1.0f;
    float highest = 0.0f;
    for (int i = 0; i < 200000; ++i) {
        if (i % 12 == 0) {
            clock.ticks += 5'000'000;
            source.reseed();
        }
        const float u = source.nextDraw();
        QVERIFY2(u >= 0.0f && u < 1.0f, qPrintable(QString::number(double(u), 'g', 9)));
        lowest = std::min(lowest, u);
        highest = std::max(highest, u);
    }
    // Not stuck in a corner of the range.
    QVERIFY(lowest < 0.001f);
    QVERIFY(highest > 0.999f);
}

void TestRoll::clockSourceSameReadingDiffers()
{
    FakeClock clock; // never moves
    ClockRandomSource source(clock);
    const Roll a = drawRoll(source);
    const Roll b = drawRoll(source);
    const Roll c = drawRoll(source);
    QVERIFY(a.values() != b.values());
    QVERIFY(b.values() != c.values());
    QVERIFY(a.values() != c.values());
}

void TestRoll::clockSourceFoldsTheClock()
{
    FakeClock clockA;
    FakeClock clockB;
    ClockRandomSource a(clockA);
    ClockRandomSource b(clockB);

    // Same readings: the two sources walk in step.
    QCOMPARE(drawRoll(a).values(), drawRoll(b).values());
    QCOMPARE(drawRoll(a).values(), drawRoll(b).values());

    // One nanosecond apart at the next reseed: from then on they differ.
    clockA.ticks += 1'000'000;
    clockB.ticks += 1'000'001;
    QVERIFY(drawRoll(a).values() != drawRoll(b).values());
}

void TestRoll::clockSourceRollsAreUniform()
{
    FakeClock clock;
    ClockRandomSource source(clock);
    std::vector<int> d20(20, 0);
    std::vector<int> d10(10, 0);
    const int rolls = 20000;
    for (int i = 0; i < rolls; ++i) {
        clock.ticks += 5'000'000; // one shuffle tick later
        const Roll r = drawRoll(source);
        QCOMPARE(r.Hits, r.Score);
        QCOMPARE(r.W, r.Score);
        for (const qint16 v : {r.Who1, r.Score, r.Where1, r.K}) {
            QVERIFY(v >= 1 && v <= 20);
            ++d20[static_cast<size_t>(v - 1)];
        }
        for (const qint16 v : {r.Who2, r.Where2, r.Runs1st, r.RunsRel, r.RunsA1, r.RunsA2, r.RunsUE1, r.RunsUE2}) {
            QVERIFY(v >= 0 && v <= 9);
            ++d10[static_cast<size_t>(v)];
        }
    }
    // Critical values of chi-square at p = 0.001 for 19 and 9 degrees of freedom. The run
    // is repeatable (the fake clock), so this cannot fail by bad luck on another day.
    const double chi20 = chiSquare(d20);
    const double chi10 = chiSquare(d10);
    QVERIFY2(chi20 < 43.82, qPrintable(QStringLiteral("d20 chi-square %1").arg(chi20)));
    QVERIFY2(chi10 < 27.88, qPrintable(QStringLiteral("d10 chi-square %1").arg(chi10)));
}

QTEST_GUILESS_MAIN(TestRoll)
#include "tst_roll.moc"
