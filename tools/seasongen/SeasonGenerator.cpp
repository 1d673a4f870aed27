#include "tools/seasongen/SeasonGenerator.h"

#include "scoresheet/GameFile.h"
#include "scoresheet/TextRules.h"
#include "tools/seasongen/GeneratedGame.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace {

const char *const TeamNames[] = {
    "Harbor Cats",   "Mill Creek",   "River Owls",   "Iron Bats",    "Coastal Gulls", "Prairie Dogs",
    "Granite Rams",  "Valley Hawks", "Lake Pike",    "Copper Foxes", "Desert Suns",   "Timber Wolves",
    "Bay Herons",    "Canyon Elks",  "Delta Cranes", "Forge Titans", "Glen Badgers",  "Hill Goats",
    "Isle Pelicans", "Jade Dragons", "Key Marlins",  "Loch Otters",  "Moor Stags",    "North Bears",
    "Orchard Bees",  "Pine Lynxes",  "Quarry Moles", "Ridge Eagles", "Salt Crabs",    "Tundra Yaks",
};
const char *const FirstNames[] = {"Al",   "Ben",  "Cal",  "Dan",   "Eli",  "Finn", "Gus", "Hal", "Ike", "Jon",
                                  "Kurt", "Lou",  "Max",  "Ned",   "Otis", "Pete", "Ray", "Sam", "Ted", "Vic",
                                  "Walt", "José", "Zeke", "Björn", "Andy", "Cole", "Dex", "Earl"};
const char *const LastNames[] = {"Alvarez", "Brooks", "Chen",   "Dubois", "Eriksen",   "Fuller",   "Garza",
                                 "Hale",    "Ito",    "Jensen", "Kowal",  "Lindqvist", "Mendes",   "Novak",
                                 "Okafor",  "Price",  "Quinn",  "Reyes",  "Sato",      "Thornton", "Ulrich",
                                 "Varga",   "Webb",   "Xu",     "Yates",  "Zamora",    "Okoye",    "Müller"};

quint64 mix(quint64 a, quint64 b)
{
    quint64 z = a * 0x9e3779b97f4a7c15ULL + b + 0x632be59bd9b4e019ULL;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

GeneratedGame::Team roster(const QString &name, quint64 seed, int team)
{
    GeneratedGame::Team roster;
    roster.name = name;
    const auto person = [&](int i) {
        const quint64 pick = mix(seed, quint64(team) * 1000 + quint64(i));
        return QString::fromUtf8(FirstNames[pick % std::size(FirstNames)]) + u' '
               + QString::fromUtf8(LastNames[(pick >> 20) % std::size(LastNames)]);
    };
    for (int i = 0; i < 13; ++i)
        roster.hitters << person(i);
    for (int i = 13; i < 21; ++i)
        roster.pitchers << person(i);
    return roster;
}

} // namespace

SeasonGenerator::SeasonGenerator(int games, int teams, quint64 seed)
    : m_games(std::max(games, 0))
    , m_teams(std::max(teams, 2))
    , m_seed(seed)
{
    for (int team = 0; team < m_teams; ++team)
        m_teamNames << (team < int(std::size(TeamNames)) ? QString::fromUtf8(TeamNames[team])
                                                         : QStringLiteral("Team %1").arg(team + 1));
}

// The circle method: every day each team meets another, and in a round of days each other once.
SeasonGenerator::Pairing SeasonGenerator::pairing(int game) const
{
    const int circle = m_teams % 2 ? m_teams + 1 : m_teams; // an odd number of teams: one rests each day
    const int perDay = m_teams / 2;
    const int day = game / perDay;
    const int round = day % (circle - 1);
    const auto at = [&](int position) { return position == 0 ? 0 : 1 + (position - 1 + round) % (circle - 1); };
    int found = -1;
    for (int pair = 0; pair < circle / 2; ++pair) {
        const int a = at(pair), b = at(circle - 1 - pair);
        if (a >= m_teams || b >= m_teams || ++found != game % perDay)
            continue;
        return day % 2 ? Pairing{a, b, day} : Pairing{b, a, day};
    }
    return {0, 1, day};
}

QString SeasonGenerator::fileName(int game) const
{
    const Pairing p = pairing(game);
    const QDate date = QDate(2025, 4, 1).addDays(p.day);
    return date.toString(QStringLiteral("yyyy-MM")) + u'/'
           + QStringLiteral("%1 ").arg(game + 1, 4, 10, QLatin1Char('0'))
           + suggestedFileName(m_teamNames.at(p.away), m_teamNames.at(p.home), date, GameFile::extension());
}

QByteArray SeasonGenerator::gameFile(int game) const
{
    const Pairing p = pairing(game);
    const GeneratedGame::Team away = roster(m_teamNames.at(p.away), m_seed, p.away);
    const GeneratedGame::Team home = roster(m_teamNames.at(p.home), m_seed, p.home);
    Scoresheet sheet;
    GameDetails details = GeneratedGame(mix(m_seed, quint64(game)), away, home).play(sheet);
    details.date = QDate(2025, 4, 1).addDays(p.day);
    details.number = 1;
    const int exhibition = m_games / 30;
    const int postseason = m_games - m_games / 20;
    details.type = game < exhibition    ? GameType::Exhibition
                   : game >= postseason ? GameType::Postseason
                                        : GameType::Regular;
    const QDateTime saved(details.date, QTime(21, 30), Qt::OffsetFromUTC, 0);
    return GameFile::serialize(GameSnapshot::capture(sheet), QStringLiteral("quorvel-seasongen"), saved, {}, details);
}

QString SeasonGenerator::write(const QString &folder) const
{
    const QDir dir(folder);
    for (int game = 0; game < m_games; ++game) {
        const QString path = dir.filePath(fileName(game));
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            return QStringLiteral("The folder for %1 could not be made.").arg(path);
        QSaveFile file(path);
        const QByteArray bytes = gameFile(game);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            return QStringLiteral("%1 could not be written: %2.").arg(path, file.errorString());
    }
    return {};
}
