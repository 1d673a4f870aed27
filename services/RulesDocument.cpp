#include "services/RulesDocument.h"

#include "services/DataFiles.h"
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

QString rulesDocumentName()
{
    return DocumentName;
}

bool startDocument(DocumentOpener &opener, const QString &document, const QString &programDir)
{
    return opener.open(document, programDir);
}

void viewRules(QWidget *parent, DocumentOpener &opener, Prompter &prompter, const QStringList &folders)
{
    const QString path = findDataFile(folders, DocumentName);
    // Opening a file that is not there fails silently on some desktops; say so instead.
    if (path.isEmpty()) {
        QStringList shown;
        for (const QString &folder : folders)
            shown << QDir::toNativeSeparators(folder);
        prompter.inform(parent, tr("The rules document \"%1\" was not found in any of the folders\n%2")
                                    .arg(DocumentName, shown.join(u'\n')));
        return;
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!startDocument(opener, path, folder))
        prompter.inform(parent, tr("The rules document \"%1\" in the folder\n%2\ncould not be opened. "
                                   "Is there an application for PDF documents?")
                                    .arg(DocumentName, QDir::toNativeSeparators(folder)));
}
