#pragma once

#include "services/Prompter.h"

// Message boxes titled "Quorvel" through QMessageBox.
class QtPrompter final : public Prompter
{
public:
    bool askYesNo(QWidget *parent, const QString &text) override;
    void inform(QWidget *parent, const QString &text) override;
};
