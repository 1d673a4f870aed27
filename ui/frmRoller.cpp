#include "ui/frmRoller.h"

#include "services/RulesDocument.h"
#include "ui/Appearance.h"
#include "ui/RollBinding.h"
#include "ui/RollPanel.h"
#include "ui/WindowContext.h"
#include "ui/art/Art.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

namespace {
constexpr TwipRect ClientArea{0, 0, 5145, 5325};
}

frmRoller::frmRoller(WindowContext &context, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("frmRoller"));
    setWindowTitle(tr("Quorvel Roller"));
    setWindowIcon(Art::programIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedFrame(this, false);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(toPixels(ClientArea).size());
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, Qt::white);
    client->setPalette(palette);
    setCentralWidget(client);

    m_panel = std::make_unique<RollPanel>(RollPanel::Variant::Roller, client);

    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *exitItem = file->addAction(tr("E&xit"));
    exitItem->setObjectName(QStringLiteral("mnuExit"));
    connect(exitItem, &QAction::triggered, this, &QWidget::close);

    QMenu *sound = menuBar()->addMenu(tr("&Sound"));
    sound->setObjectName(QStringLiteral("mnuSound"));
    m_roll = std::make_unique<RollBinding>(context, *m_panel, sound, this);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction *rules = help->addAction(tr("&View Rules"));
    rules->setObjectName(QStringLiteral("mnuRules"));
    connect(rules, &QAction::triggered, this, &frmRoller::mnuRules_Click);

    // The menu bar and the fixed client area decide the window's size; nobody resizes it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_panel->cmdRoll()->setFocus();
    adjustSize();
    centreOnScreen(this);
}

frmRoller::~frmRoller() = default;

void frmRoller::mnuRules_Click()
{
    viewRules(this, m_context.documents, m_context.prompter, m_context.programDir);
}

void frmRoller::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT Form_Unload();
}
