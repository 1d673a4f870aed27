#include "season/SeasonCsv.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <cmath>

namespace {

// One table: its header and its rows, each field already as text.
class Table
{
public:
    explicit Table(const char *header)
        : m_text(QString::fromLatin1(header) + QStringLiteral("\r\n"))
    {
    }

    Table &operator<<(const QString &field)
    {
        if (!m_lineStart)
            m_text += u',';
        m_text += SeasonCsv::field(field);
        m_lineStart = false;
        return *this;
    }
    Table &operator<<(qint64 number) { return *this << QString::number(number); }
    Table &operator<<(int number) { return *this << QString::number(number); }
    Table &operator<<(bool flag) { return *this << QString(flag ? u'1' : u'0'); }
    void endRow()
    {
        m_text += QStringLiteral("\r\n");
        m_lineStart = true;
    }
    QByteArray bytes() const { return m_text.toUtf8(); }

private:
    QString m_text;
    bool m_lineStart = true;
};

QString date(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

// A blank team has no number.
QString teamName(const SeasonFigures &figures, int team)
{
    return team < 0 ? QString() : figures.teamNames[std::size_t(team)];
}

QString rate(qint64 num, qint64 innings)
{
    return innings > 0 ? SeasonCsv::ratio(num, innings, 2) : QString();
}

QString resultWord(GameResult result)
{
    switch (result) {
    case GameResult::Away:
        return QStringLiteral("away");
    case GameResult::Home:
        return QStringLiteral("home");
    case GameResult::Tie:
        return QStringLiteral("tie");
    case GameResult::None:
        break;
    }
    return {};
}

QByteArray standings(const SeasonFigures &figures)
{
    Table table("division,team,G,W,L,T,PCT,GB,homeW,homeL,roadW,roadL,L10W,L10L,STRK,RS,RA,DIFF,pythW,pythL");
    for (const StandingRow &row : figures.standings) {
        const qint64 decided = row.wins + row.losses;
        table << row.division << row.team << row.games << row.wins << row.losses << row.ties
              << SeasonCsv::ratio(decided ? row.wins : 0, decided ? decided : 1, 3)
              << SeasonCsv::ratio(qint64(std::lround(row.gamesBehind * 2)), 2, 1) << row.homeWins << row.homeLosses
              << row.roadWins << row.roadLosses << row.lastTenWins << row.lastTenLosses << row.streak << row.runsScored
              << row.runsAllowed << row.difference() << row.pythagoreanWins << row.pythagoreanLosses;
        table.endRow();
    }
    return table.bytes();
}

QByteArray batting(const SeasonFigures &figures)
{
    Table table("player,team,G,H,1B,2B,3B,HR,TB,XBH,RBI,SB");
    for (const BattingRow &row : figures.batting) {
        table << row.player << row.team << row.games << row.hits << row.singles() << row.doubles << row.triples
              << row.homeRuns << row.totalBases() << row.extraBaseHits() << row.rbi << row.steals;
        table.endRow();
    }
    return table.bytes();
}

QByteArray pitching(const SeasonFigures &figures)
{
    Table table("player,team,G,GS,CG,SHO,W,L,SV,IPouts,IP,H,R,ER,BB,SO,ERA,WHIP,K9");
    for (const PitchingRow &row : figures.pitching) {
        table << row.player << row.team << row.games << row.starts << row.completeGames << row.shutouts << row.wins
              << row.losses << row.saves << row.outs() << row.innings << row.hits << row.runs << row.earned << row.walks
              << row.strikeouts << rate(9 * row.earned, row.innings) << rate(row.hits + row.walks, row.innings)
              << rate(9 * row.strikeouts, row.innings);
        table.endRow();
    }
    return table.bytes();
}

QByteArray games(const SeasonFigures &figures)
{
    Table table("file,date,number,type,final,away,home,awayR,homeR,awayH,homeH,awayInnings,homeInnings,result");
    for (const GameRow &row : figures.games) {
        table << row.file << date(row.date) << (row.number ? QString::number(*row.number) : QString())
              << gameTypeName(row.type) << row.final << row.away << row.home << row.awayRuns << row.homeRuns
              << row.awayHits << row.homeHits << row.awayInnings << row.homeInnings << resultWord(row.result);
        table.endRow();
    }
    return table.bytes();
}

QByteArray battingLog(const SeasonFigures &figures)
{
    Table table("file,date,player,team,opponent,home,H,2B,3B,HR,RBI,SB");
    for (const BattingLogRow &row : figures.battingLog) {
        const GameRow &game = figures.games[std::size_t(row.game)];
        table << game.file << date(game.date) << figures.playerNames[std::size_t(row.player)]
              << teamName(figures, row.team) << teamName(figures, row.opponent) << row.home << row.hits << row.doubles
              << row.triples << row.homeRuns << row.rbi << row.steals;
        table.endRow();
    }
    return table.bytes();
}

QByteArray pitchingLog(const SeasonFigures &figures)
{
    Table table("file,date,player,team,opponent,home,GS,IPouts,H,R,ER,BB,SO");
    for (const PitchingLogRow &row : figures.pitchingLog) {
        const GameRow &game = figures.games[std::size_t(row.game)];
        table << game.file << date(game.date) << figures.playerNames[std::size_t(row.player)]
              << teamName(figures, row.team) << teamName(figures, row.opponent) << row.home << row.started << row.outs
              << row.hits << row.runs << row.earned << row.walks << row.strikeouts;
        table.endRow();
    }
    return table.bytes();
}

QByteArray checks(const SeasonFigures &figures)
{
    Table table("file,row,problem");
    for (const CheckRow &row : figures.checks) {
        table << row.file << row.row << row.problem;
        table.endRow();
    }
    return table.bytes();
}

} // namespace

QString SeasonCsv::ratio(qint64 num, qint64 den, int decimals)
{
    qint64 scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const bool negative = (num < 0) != (den < 0) && num != 0;
    const qint64 n = num < 0 ? -num : num;
    const qint64 d = den < 0 ? -den : den;
    // n * scale stays far inside 64 bits for any figure a season can reach.
    qint64 scaled = n * scale / d;
    const qint64 rest = n * scale % d;
    if (2 * rest >= d)
        ++scaled;
    QString text = QString::number(scaled / scale);
    if (decimals > 0)
        text += u'.' + QString::number(scaled % scale).rightJustified(decimals, u'0');
    return negative && scaled != 0 ? u'-' + text : text;
}

QString SeasonCsv::field(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QList<std::pair<QString, QByteArray>> SeasonCsv::files(const SeasonFigures &figures)
{
    return {
        {QStringLiteral("standings.csv"), standings(figures)},
        {QStringLiteral("batting.csv"), batting(figures)},
        {QStringLiteral("pitching.csv"), pitching(figures)},
        {QStringLiteral("games.csv"), games(figures)},
        {QStringLiteral("battinglog.csv"), battingLog(figures)},
        {QStringLiteral("pitchinglog.csv"), pitchingLog(figures)},
        {QStringLiteral("checks.csv"), checks(figures)},
    };
}

QString SeasonCsv::write(const SeasonFigures &figures, const QString &folder)
{
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        return QCoreApplication::translate("SeasonCsv", "The folder %1 could not be made.")
            .arg(QDir::toNativeSeparators(folder));
    for (const auto &[name, bytes] : files(figures)) {
        QSaveFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            return QCoreApplication::translate("SeasonCsv", "The file %1 could not be written: %2.")
                .arg(QDir::toNativeSeparators(dir.filePath(name)), file.errorString());
    }
    return {};
}
