#include "ui/roll/RollerWindow.h"

#include "ui/Appearance.h"
#include "ui/WindowContext.h"

#include <QLayout>
#include <QPushButton>

namespace {
constexpr TwipRect ClientArea{0, 0, 5145, 5325};
}

// The program's roller history outlives this window.
RollerWindow::RollerWindow(WindowContext &context, QWidget *parent)
    : RollWindow(context, QStringLiteral("frmRoller"), tr("Quorvel Roller"), RollPanel::Variant::Roller,
                 context.rollerHistory, parent)
{
    setFixedFrame(this);
    makeClientArea(rollArea(), toPixels(ClientArea).size());
    rollArea()->setMaximumSize(rollArea()->minimumSize());
    buildMenuBar({});

    // The menu bar and the fixed client area decide the window's size; nobody resizes it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    panel().cmdRoll()->setFocus();
    adjustSize();
    centreOnScreen(this);
}
