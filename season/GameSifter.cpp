#include "season/GameSifter.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <tuple>

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("SeasonCalculator", text);
}
} // namespace

SiftedGames siftGames(const std::vector<std::shared_ptr<const GameRecord>> &games)
{
    SiftedGames sifted;
    struct Ordered
    {
        qint64 day;
        int number;
        const std::shared_ptr<const GameRecord> *game;
    };
    std::vector<Ordered> ordered;
    ordered.reserve(games.size());
    for (const auto &game : games) {
        if (game->refused())
            sifted.refused.push_back({game->file, {}, game->refusal});
        else
            ordered.push_back({game->date.toJulianDay(), game->details.number.value_or(0), &game});
    }
    std::sort(sifted.refused.begin(), sifted.refused.end(),
              [](const CheckRow &a, const CheckRow &b) { return a.file < b.file; });
    std::sort(ordered.begin(), ordered.end(), [](const Ordered &a, const Ordered &b) {
        if (a.day != b.day || a.number != b.number)
            return a.day != b.day ? a.day < b.day : a.number < b.number;
        return (*a.game)->file < (*b.game)->file;
    });
    QHash<std::pair<quint64, quint64>, const GameRecord *> byFields;
    byFields.reserve(qsizetype(ordered.size()));
    sifted.counted.reserve(ordered.size());
    // Games with a number, by day, number and a hash of their teams: equal teams are looked
    // for among the games alike in all three.
    std::vector<std::pair<std::tuple<qint64, int, size_t>, const GameRecord *>> numbered;
    for (const Ordered &entry : ordered) {
        const GameRecord &game = **entry.game;
        const auto first = byFields.constFind(game.fingerprint);
        if (first != byFields.constEnd()) {
            sifted.problems.push_back({&game, tr("The same game as %1: counted once.").arg((*first)->file)});
            continue;
        }
        byFields.insert(game.fingerprint, &game);
        sifted.counted.push_back(*entry.game);
        if (entry.number > 0) {
            const size_t teams = qHashMulti(0, game.half(Side::Away).teamKey, game.half(Side::Home).teamKey);
            numbered.push_back({{entry.day, entry.number, teams}, &game});
        }
    }
    std::sort(numbered.begin(), numbered.end());
    const auto sameTeams = [](const GameRecord *a, const GameRecord *b) {
        return a->half(Side::Away).teamKey == b->half(Side::Away).teamKey
               && a->half(Side::Home).teamKey == b->half(Side::Home).teamKey;
    };
    for (auto run = numbered.begin(); run != numbered.end();) {
        const auto end = std::find_if(run, numbered.end(),
                                      [&](const auto &entry) { return entry.first != run->first; });
        for (auto a = run; a != end; ++a)
            for (auto b = run; b != end; ++b)
                if (a != b && sameTeams(a->second, b->second))
                    sifted.problems.push_back(
                        {a->second, tr("Another game has the same teams, date and number but other figures: "
                                       "%1. Both count.")
                                        .arg(b->second->file)});
        run = end;
    }
    return sifted;
}
