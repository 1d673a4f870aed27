#pragma once

#include "services/Printer.h"

#include <QRect>
#include <QSize>
#include <QString>

// Prints an image on the default printer without a dialog, scaled to the printable
// area of the page with its proportions kept. Made with a file name, it writes a
// PDF file instead and needs no printer at all.
class QtPrinter final : public Printer
{
public:
    QtPrinter() = default;
    explicit QtPrinter(QString pdfFile);

    bool printImage(const QImage &image, QString *error) override;

    // Where an image of the given size lands on a page: as large as fits, proportions
    // kept, centred across the page and at its top. Empty for an empty image or page.
    static QRect fitRect(QSize image, QRect page);

private:
    QString m_pdfFile;
};
