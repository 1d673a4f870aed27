#include "ui/scoresheet/ScoresheetWindow.h"

#include "roll/Clock.h"
#include "scoresheet/Scoresheet.h"
#include "services/FileDialogs.h"
#include "services/Printer.h"
#include "services/Prompter.h"
#include "ui/Appearance.h"
#include "ui/ScreenFit.h"
#include "ui/WindowContext.h"
#include "ui/scoresheet/GameDetailsDialog.h"
#include "ui/scoresheet/GameKeeper.h"
#include "ui/scoresheet/KeptSheetsDialog.h"
#include "ui/scoresheet/ScoresheetLayout.h"
#include "ui/scoresheet/SheetCell.h"
#include "ui/scoresheet/SheetHistory.h"
#include "ui/scoresheet/SheetView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>

ScoresheetWindow::ScoresheetWindow(WindowContext &context, QWidget *parent)
    : RollWindow(context, QStringLiteral("frmScoresheet"), tr("Scoresheet"), RollPanel::Variant::Scoresheet, nullptr,
                 parent)
    , m_sheet(std::make_unique<Scoresheet>())
    , m_history(new SheetHistory(*m_sheet, context.prompter, this))
    , m_view(new SheetView(*m_sheet, panel(), rollArea(), this))
    , m_keeper(new GameKeeper(context, *m_sheet, *m_history, rollHistory(), this))
{
    // A maximized window only shows more of the white paper; the sheet stays at the top left.
    makeClientArea(m_view, toPixels(ScoresheetGeometry::ClientArea).size());
    QPalette paper = m_view->palette();
    paper.setColor(QPalette::Button, Qt::white);
    paper.setColor(QPalette::ButtonText, Qt::black);
    m_view->setPalette(paper);
    buildMenus();

    connect(m_view, &SheetView::typed, m_history, &SheetHistory::type);
    connect(m_view->resetButton(), &QPushButton::clicked, this, &ScoresheetWindow::resetSheet);
    connect(m_view->printButton(), &QPushButton::clicked, this, &ScoresheetWindow::printSheet);
    connect(m_view->rulesButton(), &QPushButton::clicked, this, &ScoresheetWindow::openRules);
    connect(m_history, &SheetHistory::cleanChanged, this, &ScoresheetWindow::showTitle);
    connect(m_keeper, &GameKeeper::filePathChanged, this, &ScoresheetWindow::showTitle);
    showTitle();

    fitIntoScreen();
    m_view->cell(m_sheet->field(ColumnId::Team, Side::Away))->setFocus();
}

ScoresheetWindow::~ScoresheetWindow() = default;

template <typename Slot>
QAction *ScoresheetWindow::command(const char *objectName, const QString &text, Slot slot,
                                   const QList<QKeySequence> &keys)
{
    auto *action = new QAction(text, this);
    action->setObjectName(QLatin1String(objectName));
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void ScoresheetWindow::buildMenus()
{
    GameKeeper *keeper = m_keeper;
    OwnMenus own;
    own.file = {
        command("mnuNew", tr("&New Game"), [keeper] { keeper->newGame(); }, {QKeySequence::New}),
        command("mnuNewSameLineups", tr("New Game with These &Lineups"), [keeper] { keeper->newGameWithLineups(); },
                {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N)}),
        command("mnuOpen", tr("&Open Game..."), [keeper] { keeper->openGame(); }, {QKeySequence::Open}),
        command("mnuSave", tr("&Save Game"), [keeper] { keeper->save(); }, {QKeySequence(Qt::CTRL | Qt::Key_S)}),
        command("mnuSaveAs", tr("Save Game &As..."), [keeper] { keeper->saveAs(); },
                {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}),
        separator(),
        command("mnuReset", tr("&Reset Scoresheet"), &ScoresheetWindow::resetSheet),
        command("mnuPrint", tr("&Print Scoresheet"), &ScoresheetWindow::printSheet),
        command("mnuExportPdf", tr("Export P&DF..."), &ScoresheetWindow::exportPdf),
        separator(),
        command("mnuGameDetails", tr("Game &Details..."), &ScoresheetWindow::showGameDetails),
        command("mnuSeason", tr("Season &Book..."), &ScoresheetWindow::seasonRequested),
        separator(),
        command("mnuRecover", tr("Re&cover Last Sheet"), [keeper] { keeper->recoverLastSheet(); }),
        command("mnuRecoverUnsaved", tr("Recover &Unsaved Games..."), &ScoresheetWindow::showKeptSheets),
    };
    own.edit = {m_history->undoAction(), m_history->redoAction()};
    own.view = {command("mnuBoxScore", tr("&Box Score"), &ScoresheetWindow::boxScoreRequested,
                        {QKeySequence(Qt::CTRL | Qt::Key_B)})};
    buildMenuBar(own);
}

OpenedGame ScoresheetWindow::currentGame() const
{
    OpenedGame game;
    game.snapshot = GameSnapshot::capture(*m_sheet);
    game.details = m_keeper->details();
    game.saved = context().clock.now();
    return game;
}

QString ScoresheetWindow::filePath() const
{
    return m_keeper->filePath();
}

void ScoresheetWindow::fitIntoScreen()
{
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("sheetScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    // The keyboard goes from field to field; the sheet scrolls to show the one it reaches.
    scroll->setFocusPolicy(Qt::NoFocus);
    connect(qApp, &QApplication::focusChanged, scroll, [scroll](QWidget *, QWidget *now) {
        if (now && scroll->widget()->isAncestorOf(now))
            scroll->ensureWidgetVisible(now);
    });
    // A larger window only shows more of the white paper; the sheet stays at the top left.
    scroll->setWidgetResizable(true);
    scroll->setWidget(takeCentralWidget());
    setCentralWidget(scroll);
    const QSize sheet = m_view->minimumSize();
    const QSize natural(sheet.width(), sheet.height() + menuBar()->sizeHint().height());
    setNaturalSize(natural);
    resize(natural.boundedTo(ScreenFit::room(this)));
    centreOnScreen(this);
    ScreenFit::keepInside(this);
}

void ScoresheetWindow::showTitle()
{
    const QString path = m_keeper->filePath();
    setWindowFilePath(path);
    setWindowTitle((path.isEmpty() ? tr("Scoresheet") : QFileInfo(path).fileName()) + QStringLiteral("[*]"));
    setWindowModified(!m_history->isClean());
}

void ScoresheetWindow::showEvent(QShowEvent *event)
{
    RollWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        // After the window is up, so that a question stands in front of it.
        QMetaObject::invokeMethod(m_keeper, &GameKeeper::windowShown, Qt::QueuedConnection);
    }
}

void ScoresheetWindow::closeEvent(QCloseEvent *event)
{
    m_keeper->windowClosing();
    RollWindow::closeEvent(event);
}

void ScoresheetWindow::resetSheet()
{
    m_keeper->resetSheet();
}

void ScoresheetWindow::printSheet()
{
    // The page is printed with the linescore under the sheet, as the window shows it then.
    m_view->showPrintView();
    QString error;
    const bool printed = context().printer.print(m_view->page(), &error);
    m_view->showRolls();
    if (!printed)
        context().prompter.inform(this, error.isEmpty() ? tr("The scoresheet could not be printed.") : error);
}

void ScoresheetWindow::exportPdf()
{
    const QString file = context().dialogs.exportPdf(this, m_keeper->suggestedPath(QStringLiteral(".pdf")));
    if (file.isEmpty())
        return;
    QString error;
    if (!context().printer.writePdf(m_view->page(), file, &error))
        context().prompter.inform(this, error.isEmpty() ? tr("The PDF file could not be written.") : error);
}

void ScoresheetWindow::showKeptSheets()
{
    auto *dialog = new KeptSheetsDialog(context().sheets, context().prompter, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &KeptSheetsDialog::chosen, m_keeper, &GameKeeper::recoverSheet);
    dialog->open();
}

void ScoresheetWindow::showGameDetails()
{
    auto *dialog = new GameDetailsDialog(m_keeper->details(), m_keeper->pitcherNames(), context().clock.now().date(),
                                         this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { m_keeper->setDetails(dialog->details()); });
    dialog->open();
}

void ScoresheetWindow::exitChosen()
{
    if (context().prompter.askYesNo(this, tr("Are you sure you want to Exit?")))
        close();
}
