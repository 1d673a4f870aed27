#pragma once

#include <QList>
#include <QString>

#include <memory>
#include <vector>

class BookPage;
class Printer;
class PrintPage;
struct SeasonFigures;

// The season as a printable book, from the same tables as the HTML report: the standings,
// the leaders, a part a team (results, hitters, pitchers, runs by inning, opponents) and
// every game's box score, two or so to a page, each page numbered. Laid out once when
// made; printed or written to a PDF file through the Printer, page by page.
//
//   SeasonPrintBook book(*figures);
//   QString error;
//   if (!book.writePdf(printer, file, &error)) ...
class SeasonPrintBook
{
public:
    explicit SeasonPrintBook(const SeasonFigures &figures);
    ~SeasonPrintBook();

    QString title() const { return m_title; }
    QList<const PrintPage *> pages() const;

    bool print(Printer &printer, QString *error) const;
    bool writePdf(Printer &printer, const QString &file, QString *error) const;

private:
    QString m_title;
    std::vector<std::unique_ptr<BookPage>> m_pages;
};
