#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// The optional season.json in a season's folder: the season's name, the other spellings
// of team and player names, and the divisions. Checked as strictly as a game file.
//   {"format": "quorvel-season", "version": 1, "name": "1977 replay",
//    "teams": {"variant": "Canonical"},
//    "players": {"Canonical team": {"variant": "Canonical"}},
//    "divisions": {"East": ["Team", ...]}}
struct SeasonConfig
{
    static constexpr int Version = 1;
    static constexpr qsizetype MaxBytes = 1024 * 1024;
    static QString fileName(); // "season.json"

    QString name;
    QMap<QString, QString> teamAliases;                  // variant to canonical, as written
    QMap<QString, QMap<QString, QString>> playerAliases; // team, then variant to canonical
    QMap<QString, QStringList> divisions;                // division to its teams

    bool operator==(const SeasonConfig &) const = default;

    // Makes variant another spelling of canonical on team (teams and names matched as a
    // season matches them); the variants that pointed at variant follow it to canonical.
    void addPlayerAlias(const QString &team, const QString &variant, const QString &canonical);
    // Takes variant's alias off team again; false when there was none.
    bool removePlayerAlias(const QString &team, const QString &variant);

    // Reads a whole file; returns the sentence that says why it was refused, empty when read.
    static QString parse(const QByteArray &bytes, SeasonConfig &config);
    QByteArray serialize() const;

    // The folder's season.json: an absent file is an empty config, not a problem.
    static QString load(const QString &folder, SeasonConfig &config);
    // Writes the folder's season.json atomically (a crash leaves the old file or the new
    // one, never half of one). Returns the sentence that says why it failed, empty when written.
    QString save(const QString &folder) const;
};
