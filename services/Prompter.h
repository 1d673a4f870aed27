#pragma once

#include <QString>

class QWidget;

// Modal message boxes titled "Quorvel". Windows ask through this so that tests can
// answer without a box ever blocking.
class Prompter
{
public:
    virtual ~Prompter() = default;

    // Yes/No question, Yes the default button, no icon. True only for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &text) = 0;

    // A message with an OK button, for failures the user must hear about.
    virtual void inform(QWidget *parent, const QString &text) = 0;
};
