#include "services/PrinterReadiness.h"

#include <QCoreApplication>
#include <QLibrary>
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

#ifdef QUORVEL_HAVE_CUPS
// The print server's client library, loaded when a sheet is about to be printed rather
// than with the program: linking it would load it and a score of libraries it needs
// (encryption, Kerberos, service discovery) at every start. By the time a sheet is
// printed, Qt's own print support has usually loaded it already.
struct CupsClient
{
    decltype(&cupsGetDests) getDests = nullptr;
    decltype(&cupsGetDest) getDest = nullptr;
    decltype(&cupsGetOption) getOption = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;

    bool load()
    {
        QLibrary library(QStringLiteral("cups"), 2);
        if (!library.load())
            return false;
        getDests = reinterpret_cast<decltype(getDests)>(library.resolve("cupsGetDests"));
        getDest = reinterpret_cast<decltype(getDest)>(library.resolve("cupsGetDest"));
        getOption = reinterpret_cast<decltype(getOption)>(library.resolve("cupsGetOption"));
        freeDests = reinterpret_cast<decltype(freeDests)>(library.resolve("cupsFreeDests"));
        // The library stays loaded for the rest of the program: QLibrary does not unload
        // what it loaded unless asked to.
        return getDests && getDest && getOption && freeDests;
    }
};

// What the print server says of the printer, or an empty text.
QString serverRefusal(const QString &name)
{
    static CupsClient cups;
    static const bool loaded = cups.load();
    if (!loaded)
        return {};
    cups_dest_t *dests = nullptr;
    const int count = cups.getDests(&dests);
    QString refusal;
    if (const cups_dest_t *dest = cups.getDest(name.toUtf8().constData(), nullptr, count, dests)) {
        const auto option = [dest](const char *key) {
            return QString::fromUtf8(cups.getOption(key, dest->num_options, dest->options));
        };
        // IPP printer-state 5 is "stopped".
        if (option("printer-is-accepting-jobs") == QLatin1String("false"))
            refusal = notAccepting(name);
        else if (option("printer-state") == QLatin1String("5"))
            refusal = stopped(name, option("printer-state-message"));
    }
    cups.freeDests(count, dests);
    return refusal;
}
#endif
} // namespace

QString printerRefusal(const QPrinterInfo &printer)
{
    const QString name = printer.printerName();
#ifdef QUORVEL_HAVE_CUPS
    if (QString refusal = serverRefusal(name); !refusal.isEmpty())
        return refusal;
#endif
    if (printer.state() == QPrinter::Aborted || printer.state() == QPrinter::Error)
        return stopped(name, QString());
    return {};
}
