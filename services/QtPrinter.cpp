#include "services/QtPrinter.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <memory>

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
} // namespace

QtPrinter::QtPrinter(QString pdfFile)
    : m_pdfFile(std::move(pdfFile))
{
}

QRect QtPrinter::fitRect(QSize image, QRect page)
{
    if (image.isEmpty() || page.isEmpty())
        return {};
    const QSize size = image.scaled(page.size(), Qt::KeepAspectRatio);
    return {QPoint(page.left() + (page.width() - size.width()) / 2, page.top()), size};
}

bool QtPrinter::printImage(const QImage &image, QString *error)
{
    if (image.isNull())
        return fail(error, tr("There is nothing to print."));

    std::unique_ptr<QPrinter> printer;
    if (m_pdfFile.isEmpty()) {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return fail(error, tr("No printer is installed. Install a printer and make it the default printer, "
                                  "then print again."));
        printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    } else {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(m_pdfFile);
    }
    printer->setDocName(QStringLiteral("Quorvel scoresheet"));

    QPainter painter;
    if (!painter.begin(printer.get()))
        return fail(error, tr("The printer could not be started. Check that it is switched on and ready, "
                              "then print again."));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // With the page's margins kept, the painter's origin is the printable area's corner.
    const QRect page(0, 0, printer->width(), printer->height());
    painter.drawImage(fitRect(image.size(), page), image);
    const bool ended = painter.end();
    if (!ended || printer->printerState() == QPrinter::Error)
        return fail(error, tr("The scoresheet could not be printed. Check the printer, then print again."));
    return true;
}
