#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The launcher: a title, "MAKE YOUR CHOICE" and three buttons. What the buttons lead
// to is the navigation's business; the launcher only reports the clicks.
class frmMain final : public QWidget
{
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr);

Q_SIGNALS:
    void cmdRoller_Click();
    void cmdHelper_Click();
    void cmdExit_Click();
    // The close box was used.
    void closedByUser();

protected:
    void closeEvent(QCloseEvent *event) override;
};
