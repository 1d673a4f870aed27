#include "services/RulesDocument.h"

#include "services/DocumentOpener.h"
#include "services/Prompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
const QString DocumentName = QStringLiteral("QUORVEL rules.pdf");

QString tr(const char *text)
{
    return QCoreApplication::translate("RulesDocument", text);
}
} // namespace

QString rulesDocumentPath(const QString &programDir)
{
    return programDir + QLatin1Char('/') + DocumentName;
}

bool startDocument(DocumentOpener &opener, const QString &document, const QString &programDir)
{
    return opener.open(document, programDir);
}

void viewRules(QWidget *parent, DocumentOpener &opener, Prompter &prompter, const QString &programDir)
{
    const QString path = rulesDocumentPath(programDir);
    const QString folder = QDir::toNativeSeparators(programDir);
    // Opening a file that is not there fails silently on some desktops; say so instead.
    if (!QFileInfo(path).isFile()) {
        prompter.inform(parent,
                        tr("The rules document \"%1\" was not found in the folder\n%2").arg(DocumentName, folder));
        return;
    }
    if (!startDocument(opener, path, programDir))
        prompter.inform(parent, tr("The rules document \"%1\" in the folder\n%2\ncould not be opened. "
                                   "Is there an application for PDF documents?")
                                    .arg(DocumentName, folder));
}
