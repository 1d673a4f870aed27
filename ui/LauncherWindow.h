#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// The launcher: a title, "MAKE YOUR CHOICE" and the buttons of the dice roller, the
// scoresheet, Exit and the season book. What the buttons lead to is the navigation's
// business; the launcher only reports the clicks.
class LauncherWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit LauncherWindow(QWidget *parent = nullptr);

Q_SIGNALS:
    void rollerRequested();
    void scoresheetRequested();
    void seasonRequested();
    void exitRequested();
    // The close box was used.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
};
