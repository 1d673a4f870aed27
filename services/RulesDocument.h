#pragma once

#include <QString>

class DocumentOpener;
class Prompter;
class QWidget;

// The game's rules document, which lies in the program's folder. Both windows that
// roll offer "View Rules" and share this code.

// The full name of the rules document for a program's folder (no separator at its end).
QString rulesDocumentPath(const QString &programDir);

// Hands the document to the desktop's associated application, with the program's
// folder as working directory, and returns at once: whether it was handed over.
bool startDocument(DocumentOpener &opener, const QString &document, const QString &programDir);

// The whole "View Rules" command. Tells the user, in a box titled "Quorvel", when the
// document is not where it is looked for or when no application would open it.
void viewRules(QWidget *parent, DocumentOpener &opener, Prompter &prompter, const QString &programDir);
