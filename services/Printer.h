#pragma once

#include <QList>
#include <QSize>
#include <QString>

class QPainter;

// One page of the program's own drawing. It paints in logical pixels (96 per inch)
// onto whatever device the painter stands on, so that a printer or a PDF file gets
// lines and text as vector graphics at its own resolution.
class PrintPage
{
public:
    virtual ~PrintPage() = default;

    // The drawing's size in logical pixels.
    virtual QSize size() const = 0;
    // Draws the page with its top-left corner at 0,0 of the painter.
    virtual void paint(QPainter &painter) const = 0;
};

// Puts a page on paper or into a PDF file, without a dialog, scaled to fit the page
// with its proportions kept.
class Printer
{
public:
    virtual ~Printer() = default;

    // Prints on the default printer. Returns false and sets *error to a sentence for
    // the user when nothing was printed (no printer, a printer that refuses jobs).
    virtual bool print(const PrintPage &page, QString *error) = 0;

    // Writes the page to a PDF file. Returns false and sets *error to a sentence naming
    // the file and the reason when it could not be written.
    virtual bool writePdf(const PrintPage &page, const QString &file, QString *error) = 0;

    // The same for several pages in order, as one job or one file named title (a printed
    // book, a season's box scores); each page is fitted to the paper on its own.
    virtual bool printPages(const QList<const PrintPage *> &pages, const QString &title, QString *error) = 0;
    virtual bool writePdfPages(const QList<const PrintPage *> &pages, const QString &file, const QString &title,
                               QString *error) = 0;
};
