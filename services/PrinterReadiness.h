#pragma once

#include <QString>

class QPrinterInfo;

// Why a printer would not take a job right now (it rejects jobs, it is stopped), as a
// sentence for the user; empty when it would. Asks the print server itself where the
// program was built with CUPS, otherwise what Qt knows of the printer's state.
QString printerRefusal(const QPrinterInfo &printer);
