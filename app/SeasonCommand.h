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

    // The exit code when the command line asks for a season to be written out, nothing otherwise.
    std::optional<int> runIfAsked(const QCommandLineParser &options) const;
    // The season folder to show in the season book: --season DIR without anything to write.
    QString folderToShow(const QCommandLineParser &options) const;

private:
    QCommandLineOption m_season;
    QCommandLineOption m_export;
    QCommandLineOption m_type;
};
