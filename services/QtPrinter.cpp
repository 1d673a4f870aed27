#include "services/QtPrinter.h"

#include "services/PageRenderer.h"
#include "services/PrinterReadiness.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("QtPrinter", text);
}

bool fail(QString *error, const QString &sentence)
{
    if (error)
        *error = sentence;
    return false;
}

const QString DocumentName = QStringLiteral("Quorvel scoresheet");

// The paper a PDF is laid out on: the default printer's, else the one usual where the user lives.
QPageSize pdfPaper()
{
    const QPageSize printers = QPrinterInfo::defaultPrinter().defaultPageSize();
    if (printers.isValid())
        return printers;
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}
} // namespace

bool QtPrinter::print(const PrintPage &page, QString *error)
{
    return printPages({&page}, DocumentName, error);
}

bool QtPrinter::writePdf(const PrintPage &page, const QString &file, QString *error)
{
    return writePdfPages({&page}, file, DocumentName, error);
}

bool QtPrinter::printPages(const QList<const PrintPage *> &pages, const QString &title, QString *error)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return fail(error, tr("No printer is installed. Install a printer and make it the default printer, "
                              "then print again."));
    const QString refusal = printerRefusal(info);
    if (!refusal.isEmpty())
        return fail(error, refusal);

    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(title);
    // The red counters stay red on a queue whose own default is greyscale.
    printer.setColorMode(QPrinter::Color);
    if (!PageRenderer::renderPages(pages, printer) || printer.printerState() == QPrinter::Error)
        return fail(error, title == DocumentName
                               ? tr("The scoresheet could not be printed. Check that the printer is switched on "
                                    "and ready, then print again.")
                               : tr("\"%1\" could not be printed. Check that the printer is switched on and ready, "
                                    "then print again.")
                                     .arg(title));
    return true;
}

bool QtPrinter::writePdfPages(const QList<const PrintPage *> &pages, const QString &file, const QString &title,
                              QString *error)
{
    QFile out(file);
    const auto unwritable = [&] {
        return fail(error, tr("The PDF file %1 could not be written: %2.")
                               .arg(QDir::toNativeSeparators(file), out.errorString()));
    };
    if (!out.open(QIODevice::WriteOnly))
        return unwritable();
    QPdfWriter writer(&out);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Quorvel Companion"));
    writer.setResolution(600);
    writer.setPageSize(pdfPaper());
    writer.setPageMargins(QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter);
    if (!PageRenderer::renderPages(pages, writer))
        return fail(error, tr("The PDF file %1 could not be written.").arg(QDir::toNativeSeparators(file)));
    // A full disk shows only once the last bytes are flushed.
    if (!out.flush() || out.error() != QFileDevice::NoError)
        return unwritable();
    return true;
}
