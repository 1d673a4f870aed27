#pragma once

// Test doubles of what the dice need: the random source, the clock, timers and the sound
// player. Qt Core only, so that the roll library's tests need nothing more.

#include "roll/Clock.h"
#include "roll/RandomSource.h"
#include "roll/SoundPlayer.h"
#include "roll/Timer.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <deque>
#include <memory>
#include <utility>
#include <vector>

// Hands out the draws it was given, in order; reseed only counts.
class ScriptedRandomSource final : public RandomSource
{
public:
    ScriptedRandomSource() = default;
    explicit ScriptedRandomSource(std::vector<float> draws) { feed(std::move(draws)); }

    void feed(std::vector<float> draws) { m_draws.insert(m_draws.end(), draws.begin(), draws.end()); }
    void reseed() override { ++reseeds; }
    float nextDraw() override
    {
        ++draws;
        if (m_draws.empty())
            return fallback;
        const float u = m_draws.front();
        m_draws.pop_front();
        return u;
    }
    size_t remaining() const { return m_draws.size(); }

    int reseeds = 0;
    int draws = 0;
    float fallback = 0.5f; // drawn once the script has run out

private:
    std::deque<float> m_draws;
};

// Time stands still until the test moves it.
class FakeClock final : public Clock
{
public:
    std::uint64_t nanoseconds() override { return ticks; }
    QDateTime now() override { return wallClock; }
    std::uint64_t ticks = 1'000'000'000ULL;
    QDateTime wallClock{QDate(2024, 6, 11), QTime(19, 5, 0)};
};

// A timer that ticks only when the test says so.
class FakeTimer final : public Timer
{
public:
    FakeTimer(QString name, int intervalMs)
        : objectName(std::move(name))
        , m_interval(intervalMs)
    {
    }
    void setEnabled(bool enabled) override
    {
        if (enabled)
            ++enables;
        m_enabled = enabled;
    }
    bool isEnabled() const override { return m_enabled; }
    int interval() const override { return m_interval; }

    // Delivers one tick if the timer is enabled, as the event loop would; returns whether it did.
    bool fire()
    {
        if (!m_enabled)
            return false;
        tick();
        return true;
    }

    QString objectName;
    int enables = 0;

private:
    int m_interval;
    bool m_enabled = false;
};

// Keeps every timer it made, so a test can reach a window's Timer1 and Timer2.
class FakeTimerFactory final : public TimerFactory
{
public:
    std::unique_ptr<Timer> create(QObject *, const QString &objectName, int intervalMs) override
    {
        auto timer = std::make_unique<FakeTimer>(objectName, intervalMs);
        made.push_back(timer.get());
        return timer;
    }
    // The most recently made timer of that name (a window made afresh makes new ones).
    FakeTimer *latest(const QString &objectName) const
    {
        for (auto it = made.rbegin(); it != made.rend(); ++it)
            if ((*it)->objectName == objectName)
                return *it;
        return nullptr;
    }
    // Pointers stay valid only while the window that owns the timers is alive.
    std::vector<FakeTimer *> made;
};

class FakeSoundPlayer final : public SoundPlayer
{
public:
    void preload(const QString &file) override { preloaded << file; }
    void play(const QString &file) override { played << file; }
    QStringList preloaded;
    QStringList played;
};
