#include "ui/LauncherWindow.h"

#include "ui/Appearance.h"
#include "ui/art/Fonts.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace {
// Client area 7275 x 4485 twips.
constexpr TwipRect ClientArea{0, 0, 7275, 4485};

QLabel *makeHeading(QWidget *parent, int element, const QString &text, const TwipRect &rect, const QColor &colour)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("Label1_%1").arg(element));
    label->setGeometry(toPixels(rect));
    label->setFont(Fonts::font(12, true, true));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    if (colour.isValid()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
    }
    return label;
}
} // namespace

LauncherWindow::LauncherWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Quorvel"));
    giveProgramIconWhenPainted(this);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(toPixels(ClientArea).size());
    // The launcher wears the button-face colour. Changing the window colour, not the
    // background role, keeps the labels' text roles (and so the red title) as they are.
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);

    // Made back to front; the controls keep their places whatever the window's size.
    makeHeading(this, 0, tr("MAKE YOUR CHOICE"), {1770, 1200, 3735, 375}, QColor());
    makeHeading(this, 1, tr("TALLOWMERE - Quorvel"), {90, 360, 7095, 375}, QColor(255, 0, 0));
    QPushButton *roller = makeButton(this, QStringLiteral("cmdRoller"), tr("Quorvel Dice Roller"),
                                     {2310, 1680, 2655, 495}, QColor(), 8.25);
    QPushButton *helper = makeButton(this, QStringLiteral("cmdHelper"), tr("Quorvel Helper"), {2310, 2400, 2655, 495},
                                     QColor(), 8.25);
    QPushButton *exitButton = makeButton(this, QStringLiteral("cmdExit"), tr("Exit"), {2310, 3120, 2655, 495}, QColor(),
                                         8.25);
    // The season book came later than the other three: it stands under them.
    QPushButton *season = makeButton(this, QStringLiteral("cmdSeason"), tr("Quorvel Season Book"),
                                     {2310, 3840, 2655, 495}, QColor(), 8.25);
    season->setAccessibleDescription(tr("Standings and statistics of a folder of saved games"));

    setTabOrder(roller, helper);
    setTabOrder(helper, exitButton);
    setTabOrder(exitButton, season);
    roller->setFocus();
    centreOnScreen(this);

    connect(roller, &QPushButton::clicked, this, &LauncherWindow::rollerRequested);
    connect(helper, &QPushButton::clicked, this, &LauncherWindow::scoresheetRequested);
    connect(exitButton, &QPushButton::clicked, this, &LauncherWindow::exitRequested);
    connect(season, &QPushButton::clicked, this, &LauncherWindow::seasonRequested);
}

void LauncherWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT closed();
}
