#include "ui/roll/RollerWindow.h"

#include "roll/RollHistory.h"
#include "ui/Appearance.h"
#include "ui/WindowContext.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QPushButton>

namespace {
constexpr TwipRect ClientArea{0, 0, 5145, 5325};
}

RollerWindow::RollerWindow(WindowContext &context, QWidget *parent)
    : RollWindow(context, QStringLiteral("frmRoller"), tr("Quorvel Roller"), parent)
{
    setFixedFrame(this);
    QWidget *client = makeClientArea(toPixels(ClientArea).size());
    client->setMaximumSize(client->minimumSize());
    addRollPanel(RollPanel::Variant::Roller, client);

    QMenu *file = addMenu(QStringLiteral("mnuFile"), tr("&File"));
    QAction *exitItem = file->addAction(tr("E&xit"));
    exitItem->setObjectName(QStringLiteral("mnuExit"));
    connect(exitItem, &QAction::triggered, this, &QWidget::close);

    // The program's roller history outlives this window; without one the window keeps its own.
    RollHistory *history = context.rollerHistory;
    if (!history)
        history = new RollHistory(this);
    addSoundMenu(*history);

    QAction *rules = addMenu(QStringLiteral("mnuHelp"), tr("&Help"))->addAction(tr("&View Rules"));
    rules->setObjectName(QStringLiteral("mnuRules"));
    connect(rules, &QAction::triggered, this, &RollerWindow::openRules);

    // The menu bar and the fixed client area decide the window's size; nobody resizes it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    panel().cmdRoll()->setFocus();
    adjustSize();
    centreOnScreen(this);
}
