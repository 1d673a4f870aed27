#include "ui/roll/RollerWindow.h"

#include "ui/Appearance.h"
#include "ui/ScreenFit.h"
#include "ui/WindowContext.h"

#include <QLayout>
#include <QPushButton>
#include <QScrollArea>

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
    adjustSize();
    const QSize room = ScreenFit::room(this);
    if (width() > room.width() || height() > room.height()) {
        // A screen smaller than the roller (a large scale factor): the window takes the room
        // there is, and the dice scroll inside it.
        auto *scroll = new QScrollArea(this);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setFocusPolicy(Qt::NoFocus);
        scroll->setWidget(takeCentralWidget());
        setCentralWidget(scroll);
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        setFixedSize(size().boundedTo(room));
    }
    panel().cmdRoll()->setFocus();
    centreOnScreen(this);
    ScreenFit::keepInside(this);
}
