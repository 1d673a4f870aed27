#pragma once

#include "services/Printer.h"

// Prints a page on the default printer without a dialog, in colour, on its default
// paper size, or writes it to a PDF file; both through the PageRenderer, as vectors.
class QtPrinter final : public Printer
{
public:
    bool print(const PrintPage &page, QString *error) override;
    bool writePdf(const PrintPage &page, const QString &file, QString *error) override;
    bool printPages(const QList<const PrintPage *> &pages, const QString &title, QString *error) override;
    bool writePdfPages(const QList<const PrintPage *> &pages, const QString &file, const QString &title,
                       QString *error) override;
};
