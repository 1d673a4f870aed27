#include "ui/roll/RollWindow.h"

#include "roll/RollHistory.h"
#include "roll/RollSequencer.h"
#include "services/RulesDocument.h"
#include "ui/Appearance.h"
#include "ui/WindowContext.h"
#include "ui/roll/FramePacer.h"
#include "ui/roll/RollBinding.h"
#include "ui/roll/RollHistoryPanel.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

RollWindow::RollWindow(WindowContext &context, const QString &objectName, const QString &caption, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    giveProgramIconWhenPainted(this);
    // Each window is made afresh when shown and goes with all its contents when closed.
    setAttribute(Qt::WA_DeleteOnClose);
    // During a shuffle the dice change faster than a screen refreshes: paint what it shows.
    m_pacer = new FramePacer(this);
}

RollWindow::~RollWindow() = default;

QWidget *RollWindow::makeClientArea(QSize minimum)
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setMinimumSize(minimum);
    QPalette paper = client->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base})
        paper.setColor(role, Qt::white);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        paper.setColor(role, Qt::black);
    client->setPalette(paper);
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    return client;
}

QMenu *RollWindow::addMenu(const QString &objectName, const QString &title)
{
    QMenu *menu = menuBar()->addMenu(title);
    menu->setObjectName(objectName);
    return menu;
}

void RollWindow::addRollPanel(RollPanel::Variant variant, QWidget *parent)
{
    m_panel = std::make_unique<RollPanel>(variant, parent);
}

void RollWindow::addSoundMenu(RollHistory &history)
{
    // Docked at the side, so the history never covers the dice; closed until asked for.
    m_historyPanel = new RollHistoryPanel(history, m_context.prompter, this);
    addDockWidget(Qt::RightDockWidgetArea, m_historyPanel);
    m_historyPanel->hide();
    QAction *show = m_historyPanel->toggleViewAction();
    show->setText(tr("Roll &History"));
    show->setObjectName(QStringLiteral("mnuHistory"));
    show->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    addMenu(QStringLiteral("mnuView"), tr("&View"))->addAction(show);

    m_roll = std::make_unique<RollBinding>(m_context, *m_panel, history,
                                           addMenu(QStringLiteral("mnuSound"), tr("&Sound")), this);
    // Paced while a shuffle runs (the press is handled by now); the final roll ends it.
    connect(m_panel->cmdRoll(), &QPushButton::clicked, this,
            [this] { m_pacer->setActive(m_roll->sequencer().isShuffling()); });
    connect(&history, &RollHistory::added, this, [this] { m_pacer->setActive(false); });
}

void RollWindow::openRules()
{
    viewRules(this, m_context.documents, m_context.prompter, m_context.dataFolders);
}

void RollWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT closed();
}
