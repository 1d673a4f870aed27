#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <optional>

// The season book on the command line, without a window or a display:
//   quorvel --season DIR [--export-csv OUTDIR] [--export-html OUTDIR] [--export-pdf FILE]
//           [--type regular|postseason|exhibition|all]
// at least one export given. The PDF book needs fonts, and so a graphical platform: without
// a display the program runs itself again on the offscreen platform to write it.
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
    QCommandLineOption m_html;
    QCommandLineOption m_pdf;
    QCommandLineOption m_type;
};
