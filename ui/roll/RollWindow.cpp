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

RollWindow::RollWindow(WindowContext &context, const QString &objectName, const QString &caption,
                       RollPanel::Variant variant, RollHistory *shared, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_history(shared ? shared : new RollHistory(this))
    , m_rollArea(new QWidget(this))
    , m_panel(std::make_unique<RollPanel>(variant, m_rollArea))
    , m_roll(std::make_unique<RollBinding>(context, *m_panel, *m_history, this))
    // Docked at the side, so the history never covers the dice; closed until asked for.
    , m_historyPanel(new RollHistoryPanel(*m_history, context.prompter, this))
    // During a shuffle the dice change faster than a screen refreshes: paint what it shows.
    , m_pacer(new FramePacer(this))
    , m_exit(new QAction(tr("E&xit"), this))
    , m_rules(new QAction(tr("&View Rules"), this))
{
    setObjectName(objectName);
    setWindowTitle(caption);
    giveProgramIconWhenPainted(this);
    // Each window is made afresh when shown and goes with all its contents when closed.
    setAttribute(Qt::WA_DeleteOnClose);

    addDockWidget(Qt::RightDockWidgetArea, m_historyPanel);
    m_historyPanel->hide();

    m_exit->setObjectName(QStringLiteral("mnuExit"));
    m_rules->setObjectName(QStringLiteral("mnuRules"));
    connect(m_exit, &QAction::triggered, this, &RollWindow::exitChosen);
    connect(m_rules, &QAction::triggered, this, &RollWindow::openRules);

    RollSequencer &sequencer = m_roll->sequencer();
    connect(&sequencer, &RollSequencer::shuffleStarted, this, [this] { m_pacer->setActive(true); });
    connect(&sequencer, &RollSequencer::shuffleEnded, this, [this] { m_pacer->setActive(false); });
}

RollWindow::~RollWindow() = default;

void RollWindow::makeClientArea(QWidget *client, QSize minimum)
{
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
}

QAction *RollWindow::separator()
{
    auto *line = new QAction(this);
    line->setSeparator(true);
    return line;
}

void RollWindow::buildMenuBar(const OwnMenus &own)
{
    const auto addMenu = [this](const char *objectName, const QString &title) {
        QMenu *menu = menuBar()->addMenu(title);
        menu->setObjectName(QLatin1String(objectName));
        return menu;
    };
    QMenu *file = addMenu("mnuFile", tr("&File"));
    file->addActions(own.file);
    if (!own.file.isEmpty())
        file->addSeparator();
    file->addAction(m_exit);

    if (!own.edit.isEmpty())
        addMenu("mnuEdit", tr("&Edit"))->addActions(own.edit);

    QAction *showHistory = m_historyPanel->toggleViewAction();
    showHistory->setText(tr("Roll &History"));
    showHistory->setObjectName(QStringLiteral("mnuHistory"));
    showHistory->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    addMenu("mnuView", tr("&View"))->addAction(showHistory);

    addMenu("mnuSound", tr("&Sound"))->addActions({m_roll->mnuOn(), m_roll->mnuOff()});
    addMenu("mnuHelp", tr("&Help"))->addAction(m_rules);
}

void RollWindow::exitChosen()
{
    close();
}

void RollWindow::openRules()
{
    viewRules(this, m_context.documents, m_context.prompter, m_context.places.dataFolders);
}

void RollWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT closed();
}
