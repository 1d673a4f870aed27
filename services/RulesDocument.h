#pragma once

#include <QString>

class DocumentOpener;
class Prompter;
class QWidget;

// The game's rules document, which lies in the program's folder. Both windows that
// roll offer "View Rules" and share this code.

// The rules document's file name.
QString rulesDocumentName();

// Hands the document to the desktop's associated application, with the program's
// folder as working directory, and returns at once: whether it was handed over.
bool startDocument(DocumentOpener &opener, const QString &document, const QString &programDir);

// The whole "View Rules" command: opens the document in the first of the data folders
// that holds it. Tells the user, in a box titled "Quorvel", when no folder holds it
// (naming them all) or when no application would open it.
void viewRules(QWidget *parent, DocumentOpener &opener, Prompter &prompter, const QStringList &folders);
