#include "services/PrinterReadiness.h"

#include <QCoreApplication>
#include <QPrinterInfo>

#ifdef QUORVEL_HAVE_CUPS
#include <cups/cups.h>
#endif

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("PrinterReadiness", text);
}

QString notAccepting(const QString &name)
{
    return tr("The printer \"%1\" is not accepting jobs. Let it accept jobs again, or make another printer the "
              "default printer, then print again.")
        .arg(name);
}

QString stopped(const QString &name, const QString &reason)
{
    const QString why = reason.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(reason);
    return tr("The printer \"%1\" is stopped%2. Start it again, then print again.").arg(name, why);
}
} // namespace

QString printerRefusal(const QPrinterInfo &printer)
{
    const QString name = printer.printerName();
#ifdef QUORVEL_HAVE_CUPS
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests(&dests);
    QString refusal;
    if (const cups_dest_t *dest = cupsGetDest(name.toUtf8().constData(), nullptr, count, dests)) {
        const auto option = [dest](const char *key) {
            return QString::fromUtf8(cupsGetOption(key, dest->num_options, dest->options));
        };
        // IPP printer-state 5 is "stopped".
        if (option("printer-is-accepting-jobs") == QLatin1String("false"))
            refusal = notAccepting(name);
        else if (option("printer-state") == QLatin1String("5"))
            refusal = stopped(name, option("printer-state-message"));
    }
    cupsFreeDests(count, dests);
    if (!refusal.isEmpty())
        return refusal;
#endif
    if (printer.state() == QPrinter::Aborted || printer.state() == QPrinter::Error)
        return stopped(name, QString());
    return {};
}
