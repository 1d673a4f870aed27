#include "ui/roll/RollWindow.h"

#include "roll/RollHistory.h"
#include "roll/RollSequencer.h"
#include "services/RulesDocument.h"
#include "ui/Appearance.h"
#include "ui/ScreenFit.h"
#include "ui/WindowContext.h"
#include "ui/roll/FramePacer.h"
#include "ui/roll/RollBinding.h"
#include "ui/roll/RollHistoryPanel.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>

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
    connect(m_historyPanel->toggleViewAction(), &QAction::triggered, this, [this](bool shown) {
        if (shown)
            placeHistory();
    });
    connect(m_historyPanel, &QDockWidget::visibilityChanged, this, [this] {
        if (m_historyPanel->isHidden())
            historyHidden();
    });

    m_exit->setObjectName(QStringLiteral("mnuExit"));
    m_rules->setObjectName(QStringLiteral("mnuRules"));
    connect(m_exit, &QAction::triggered, this, &RollWindow::exitChosen);
    connect(m_rules, &QAction::triggered, this, &RollWindow::openRules);

    RollSequencer &sequencer = m_roll->sequencer();
    connect(&sequencer, &RollSequencer::shuffleStarted, this, [this] { m_pacer->setActive(true); });
    connect(&sequencer, &RollSequencer::shuffleEnded, this, [this] { m_pacer->setActive(false); });
}

RollWindow::~RollWindow()
{
    // The panel is hidden while the window's children go; by then this is no RollWindow.
    m_historyPanel->disconnect(this);
}

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
    QMenu *view = addMenu("mnuView", tr("&View"));
    view->addAction(showHistory);
    view->addActions(own.view);

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

void RollWindow::placeHistory()
{
    // Docked beside the window while the screen has room for both; where it has not, the
    // window's own area is narrowed as far as it may be, and failing that the history
    // stands in a window of its own.
    constexpr int LeastOwnWidth = 300;
    const int full = m_historyPanel->fullWidth();
    const int least = m_historyPanel->leastWidth();
    const int room = ScreenFit::room(this).width();
    m_sizeBeforeHistory = size();
    const int own = canNarrow() ? width() : (m_naturalSize.isValid() ? m_naturalSize.width() : width());
    QWidget *body = m_historyPanel->widget();
    int docked = 0;
    // The splitter between the window's area and the panel takes a few pixels of its own.
    const int splitter = style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
    if (own + splitter + full <= room)
        docked = full;
    else if (canNarrow() && room - splitter - least >= LeastOwnWidth)
        docked = qMin(full, room - splitter - LeastOwnWidth);
    if (docked > 0) {
        body->setMinimumWidth(docked);
        m_historyPanel->setFloating(false);
        resize(qMin(own + splitter + docked, room), height());
        resizeDocks({m_historyPanel}, {docked}, Qt::Horizontal);
    } else {
        body->setMinimumWidth(least);
        m_historyPanel->setFloating(true);
        const QRect available = ScreenFit::availableArea(this);
        m_historyPanel->resize(qMin(full, available.width()), qMin(height(), available.height()));
        m_historyPanel->move(available.right() - m_historyPanel->width() + 1, y());
        ScreenFit::keepInside(m_historyPanel);
    }
    ScreenFit::keepInside(this);
}

void RollWindow::historyHidden()
{
    // The room the history took goes back to the window.
    if (m_sizeBeforeHistory.isValid())
        resize(m_sizeBeforeHistory.boundedTo(ScreenFit::room(this)));
    ScreenFit::keepInside(this);
}

void RollWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous() && !m_naturalSize.isValid())
        m_naturalSize = size();
    m_awaitingFrame = !ScreenFit::frameKnown(this);
}

bool RollWindow::event(QEvent *event)
{
    // Placed before the window manager drew its frame, the window is placed again once the
    // frame is known: a frame thicker than guessed must not push it off the screen. (Looked
    // at before the event is handled: a deferred delete ends the window there.)
    if (m_awaitingFrame && (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        && ScreenFit::frameKnown(this)) {
        m_awaitingFrame = false;
        ScreenFit::keepInside(this);
    }
    return QMainWindow::event(event);
}

void RollWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT closed();
}
