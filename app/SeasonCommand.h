#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <optional>

// The season book on the command line, without a window or a display:
//   quorvel --season DIR --export-csv OUTDIR [--type regular|postseason|exhibition|all]
class SeasonCommand
{
public:
    explicit SeasonCommand(QCommandLineParser &options);

    // The exit code when the command line asks for a season, nothing otherwise.
    std::optional<int> runIfAsked(const QCommandLineParser &options) const;

private:
    QCommandLineOption m_season;
    QCommandLineOption m_export;
    QCommandLineOption m_type;
};
