#pragma once

#include <QString>

class QImage;

// Prints one image on the default printer, without a dialog, scaled to fit the
// page with its proportions kept.
class Printer
{
public:
    virtual ~Printer() = default;

    // Returns false and sets *error to a sentence for the user when nothing was printed.
    virtual bool printImage(const QImage &image, QString *error) = 0;
};
