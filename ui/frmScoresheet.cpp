#include "ui/frmScoresheet.h"

#include "ui/Appearance.h"
#include "ui/art/Art.h"

#include <QCloseEvent>

frmScoresheet::frmScoresheet(WindowContext &, QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmScoresheet"));
    setWindowTitle(tr("Scoresheet"));
    setWindowIcon(Art::programIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    auto *client = new QWidget(this);
    client->setFixedSize(toPixels({0, 0, 11010, 10665}).size());
    setCentralWidget(client);
    centreOnScreen(this);
}

void frmScoresheet::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT Form_Unload();
}
