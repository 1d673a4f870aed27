#include "ui/season/SeasonExports.h"

#include "scoresheet/TextRules.h"
#include "season/SeasonBook.h"
#include "season/SeasonReport.h"
#include "services/DocumentOpener.h"
#include "services/FileDialogs.h"
#include "services/Prompter.h"
#include "ui/WindowContext.h"
#include "ui/season/print/SeasonPrintBook.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QWidget>

namespace {
// A wait cursor while the program works out something large (a report of a whole season).
class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    Q_DISABLE_COPY_MOVE(BusyCursor)
};
} // namespace

SeasonExports::SeasonExports(WindowContext &context, SeasonBook &book, QWidget *window)
    : QObject(window)
    , m_context(context)
    , m_book(book)
    , m_window(window)
{
}

void SeasonExports::tell(const QString &problem)
{
    if (!problem.isEmpty())
        m_context.prompter.inform(m_window, problem);
}

QString SeasonExports::besideSeason(const QString &name) const
{
    const QFileInfo folder(m_book.folder());
    return folder.dir().filePath(name);
}

QString SeasonExports::seasonName() const
{
    const std::shared_ptr<const SeasonFigures> figures = m_book.figures();
    return figures->seasonName.isEmpty() ? QFileInfo(m_book.folder()).fileName() : figures->seasonName;
}

bool SeasonExports::hasSeason()
{
    if (!m_book.folder().isEmpty())
        return true;
    tell(tr("There is no season yet: choose the folder of its games with File, Open Season Folder."));
    return false;
}

void SeasonExports::writeReport()
{
    if (!hasSeason())
        return;
    const QString folder = m_context.dialogs.chooseFolder(m_window, tr("Export Season Report"), besideSeason({}));
    if (folder.isEmpty())
        return;
    const SeasonReport report(*m_book.figures());
    const QStringList others = report.othersIn(folder);
    if (!others.isEmpty()
        && !m_context.prompter.askYesNo(m_window,
                                        tr("%1 already holds %2, which is no season report's. Replace it, and "
                                           "any other file of the report's names there?")
                                            .arg(QDir::toNativeSeparators(folder), others.first())))
        return;
    QString problem;
    {
        const BusyCursor busy;
        problem = report.write(folder);
    }
    if (!problem.isEmpty()) {
        tell(problem);
        return;
    }
    const QString index = QDir(folder).filePath(QStringLiteral("index.html"));
    if (m_context.prompter.askYesNo(m_window, tr("The season's report is written: %1\n\nOpen it now?")
                                                  .arg(QDir::toNativeSeparators(index))))
        m_context.documents.open(index, folder);
}

void SeasonExports::writeBook()
{
    if (!hasSeason())
        return;
    const QString file = m_context.dialogs.exportPdf(m_window,
                                                     besideSeason(suggestedFileName(seasonName(), tr(" book.pdf"))));
    if (file.isEmpty())
        return;
    QString error;
    bool written = false;
    {
        const BusyCursor busy;
        written = SeasonPrintBook(*m_book.figures()).writePdf(m_context.printer, file, &error);
    }
    if (!written)
        tell(error.isEmpty() ? tr("The season's book could not be written.") : error);
}

void SeasonExports::printBook()
{
    if (!hasSeason())
        return;
    QString error;
    bool printed = false;
    {
        const BusyCursor busy;
        printed = SeasonPrintBook(*m_book.figures()).print(m_context.printer, &error);
    }
    if (!printed)
        tell(error.isEmpty() ? tr("The season's book could not be printed.") : error);
}
