#include "ui/season/SeasonWindow.h"

#include "season/SeasonBook.h"
#include "services/FileDialogs.h"
#include "services/Preferences.h"
#include "services/Prompter.h"
#include "ui/Appearance.h"
#include "ui/ScreenFit.h"
#include "ui/WindowContext.h"
#include "ui/season/BoxScoreWindow.h"
#include "ui/season/ChartsModule.h"
#include "ui/season/LeadersPage.h"
#include "ui/season/PlayerLogDialog.h"
#include "ui/season/ReportTableView.h"
#include "ui/season/SeasonExports.h"
#include "ui/season/SeasonModels.h"
#include "ui/season/TeamFilterModel.h"
#include "ui/season/TeamPage.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {
const QString SeasonFolderKey = QStringLiteral("season/folder");

// The row of a season's table the user has chosen; null when none is.
template <typename Row> const Row *chosenRow(const QTableView *view, const SeasonTableModel<Row> *model)
{
    const auto *filter = static_cast<const TeamFilterModel *>(view->model());
    return model->row(filter->mapToSource(view->currentIndex()).row());
}
} // namespace

SeasonWindow::SeasonWindow(WindowContext &context, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_book(new SeasonBook(this))
    , m_title(new QLabel(this))
    , m_problem(new QLabel(this))
    , m_teamChooser(new QComboBox(this))
    , m_type(new QComboBox(this))
    , m_tabs(new QTabWidget(this))
    , m_standings(SeasonModels::standings(this))
    , m_batting(SeasonModels::batting(this))
    , m_pitching(SeasonModels::pitching(this))
    , m_games(SeasonModels::games(this))
    , m_checks(SeasonModels::checks(this))
    , m_suggestions(SeasonModels::suggestions(this))
    , m_merged(SeasonModels::merged(this))
    , m_leaders(new LeadersPage(this))
    , m_team(new TeamPage(this))
    , m_charts(new ChartsSlot(context, this))
    , m_exports(new SeasonExports(context, *m_book, this))
{
    setObjectName(QStringLiteral("frmSeason"));
    setWindowTitle(tr("Season Book"));
    setAttribute(Qt::WA_DeleteOnClose);
    giveProgramIconWhenPainted(this);

    m_tabs->setObjectName(QStringLiteral("tabSeason"));
    addTable(QStringLiteral("tblStandings"), tr("&Standings"), m_standings);
    QTableView *batting = addTable(QStringLiteral("tblBatting"), tr("&Batting"), m_batting);
    QTableView *pitching = addTable(QStringLiteral("tblPitching"), tr("&Pitching"), m_pitching);
    m_tabs->addTab(m_leaders, tr("&Leaders"));
    m_gamesView = addTable(QStringLiteral("tblGames"), tr("&Games"), m_games);
    m_tabs->addTab(m_team, tr("T&eam"));
    m_tabs->addTab(m_charts, tr("Ch&arts"));
    m_checksPage = buildChecksPage();
    m_tabs->addTab(m_checksPage, tr("&Checks"));

    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->addWidget(buildFilters());
    column->addWidget(m_tabs, 1);
    m_problem->setObjectName(QStringLiteral("lblProblem"));
    m_problem->setWordWrap(true);
    QPalette warning = m_problem->palette();
    warning.setColor(QPalette::WindowText, QColor(170, 0, 0));
    m_problem->setPalette(warning);
    m_problem->hide();
    column->addWidget(m_problem);
    setCentralWidget(central);
    buildMenus();

    connect(m_book, &SeasonBook::figuresChanged, this, &SeasonWindow::showFigures);
    connect(m_book, &SeasonBook::problemChanged, this, &SeasonWindow::showProblem);
    connect(m_gamesView, &QTableView::activated, this, &SeasonWindow::showBoxScoreAt);
    // A game's box score comes first; the game itself is a right-click or Ctrl+Enter away.
    const auto gameAction = [this](const char *objectName, const QString &text, const QKeySequence &key, auto slot) {
        auto *action = new QAction(text, m_gamesView);
        action->setObjectName(QLatin1String(objectName));
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, slot);
        m_gamesView->addAction(action);
    };
    gameAction("actBoxScore", tr("Show &Box Score"), QKeySequence(),
               [this] { showBoxScoreAt(m_gamesView->currentIndex()); });
    gameAction("actOpenGame", tr("&Open in Scoresheet"), QKeySequence(Qt::CTRL | Qt::Key_Return), [this] {
        const QModelIndex index = m_gamesView->currentIndex();
        const auto *filter = static_cast<const TeamFilterModel *>(m_gamesView->model());
        if (const GameRow *game = m_games->row(filter->mapToSource(index).row()); game && index.isValid())
            Q_EMIT gameChosen(QDir(m_book->folder()).filePath(game->file));
    });
    m_gamesView->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(m_team, &TeamPage::gameChosen, this, &SeasonWindow::showBoxScore);
    connect(m_leaders, &LeadersPage::playerChosen, this, &SeasonWindow::showPlayerLog);
    connect(m_team, &TeamPage::playerChosen, this, &SeasonWindow::showPlayerLog);
    // A player's line opens his games, one by one.
    connect(batting, &QTableView::activated, this, [this, batting] {
        if (const BattingRow *row = chosenRow(batting, m_batting))
            showPlayerLog(PlayerLogDialog::Kind::Batting, row->id);
    });
    connect(pitching, &QTableView::activated, this, [this, pitching] {
        if (const PitchingRow *row = chosenRow(pitching, m_pitching))
            showPlayerLog(PlayerLogDialog::Kind::Pitching, row->id);
    });
    showFigures();

    resize(QSize(1000, 640).boundedTo(ScreenFit::room(this)));
    centreOnScreen(this);
    ScreenFit::keepInside(this);
}

SeasonWindow::~SeasonWindow()
{
    // The book may still be reading: it waits for its reading before the tables go.
    m_book->disconnect(this);
}

QTableView *SeasonWindow::addTable(const QString &objectName, const QString &title, QAbstractItemModel *model)
{
    auto *filter = new TeamFilterModel(this);
    filter->setSourceModel(model);
    m_filters << filter;
    auto *view = new QTableView(this);
    view->setObjectName(objectName);
    view->setAccessibleName(QString(title).remove(u'&'));
    view->setModel(filter);
    setUpSeasonTable(view);
    m_views << view;
    view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    // Unsorted, a table keeps the season's own order (standings by PCT, games in game order).
    view->setSortingEnabled(true);
    if (!title.isEmpty())
        m_tabs->addTab(view, title);
    return view;
}

QWidget *SeasonWindow::buildFilters()
{
    auto *bar = new QWidget(this);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    m_title->setObjectName(QStringLiteral("lblSeason"));
    m_title->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(m_title, 1);

    m_teamChooser->setObjectName(QStringLiteral("cboTeam"));
    m_teamChooser->setAccessibleName(tr("Team shown"));
    m_teamChooser->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto *teamLabel = new QLabel(tr("&Team:"), bar);
    teamLabel->setBuddy(m_teamChooser);
    row->addWidget(teamLabel);
    row->addWidget(m_teamChooser);

    m_type->setObjectName(QStringLiteral("cboGameType"));
    m_type->setAccessibleName(tr("Kind of game counted"));
    m_type->addItem(tr("Regular season"), int(GameType::Regular));
    m_type->addItem(tr("Postseason"), int(GameType::Postseason));
    m_type->addItem(tr("Exhibition"), int(GameType::Exhibition));
    m_type->addItem(tr("Every kind"), -1);
    auto *typeLabel = new QLabel(tr("&Kind of games:"), bar);
    typeLabel->setBuddy(m_type);
    row->addWidget(typeLabel);
    row->addWidget(m_type);

    connect(m_teamChooser, &QComboBox::currentIndexChanged, this, &SeasonWindow::chooseTeam);
    connect(m_type, &QComboBox::currentIndexChanged, this, &SeasonWindow::chooseGameType);
    return bar;
}

QWidget *SeasonWindow::buildChecksPage()
{
    auto *page = new QSplitter(Qt::Vertical, this);
    page->setObjectName(QStringLiteral("pageChecks"));
    page->setChildrenCollapsible(false);
    page->addWidget(addTable(QStringLiteral("tblChecks"), QString(), m_checks));

    // Two spellings that may be one player, and the names already merged.
    const auto namesBox = [&](const QString &title, QTableView *view, QPushButton *button) {
        auto *box = new QGroupBox(title, page);
        auto *layout = new QHBoxLayout(box);
        layout->addWidget(view, 1);
        layout->addWidget(button, 0, Qt::AlignTop);
        page->addWidget(box);
    };
    m_suggestionsView = addTable(QStringLiteral("tblSuggestions"), QString(), m_suggestions);
    auto *merge = new QPushButton(tr("&Merge"), page);
    merge->setObjectName(QStringLiteral("cmdMerge"));
    merge->setToolTip(tr("Counts both spellings as one player, and writes it into season.json"));
    namesBox(tr("Similar names on one team"), m_suggestionsView, merge);
    m_mergedView = addTable(QStringLiteral("tblMerged"), QString(), m_merged);
    auto *split = new QPushButton(tr("Spl&it"), page);
    split->setObjectName(QStringLiteral("cmdSplit"));
    split->setToolTip(tr("Counts the spellings as two players again"));
    namesBox(tr("Merged names"), m_mergedView, split);
    page->setStretchFactor(0, 4);
    page->setStretchFactor(1, 2);
    page->setStretchFactor(2, 1);

    connect(merge, &QPushButton::clicked, this, &SeasonWindow::mergeSuggestion);
    connect(split, &QPushButton::clicked, this, &SeasonWindow::splitName);
    return page;
}

void SeasonWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *open = file->addAction(tr("&Open Season Folder..."), this, &SeasonWindow::chooseFolder);
    open->setObjectName(QStringLiteral("mnuOpenSeason"));
    open->setShortcut(QKeySequence::Open);
    QAction *refresh = file->addAction(tr("&Read Again"), m_book, &SeasonBook::refresh);
    refresh->setObjectName(QStringLiteral("mnuRefresh"));
    refresh->setShortcut(QKeySequence::Refresh);
    file->addSeparator();
    QAction *report = file->addAction(tr("Export Season &Report..."), m_exports, &SeasonExports::writeReport);
    report->setObjectName(QStringLiteral("mnuExportReport"));
    QAction *book = file->addAction(tr("Export Season Book as P&DF..."), m_exports, &SeasonExports::writeBook);
    book->setObjectName(QStringLiteral("mnuExportBook"));
    QAction *print = file->addAction(tr("&Print Season Book..."), m_exports, &SeasonExports::printBook);
    print->setObjectName(QStringLiteral("mnuPrintBook"));
    file->addSeparator();
    QAction *close = file->addAction(tr("&Close"), this, &QWidget::close);
    close->setObjectName(QStringLiteral("mnuClose"));
    close->setShortcut(QKeySequence::Close);
}

void SeasonWindow::openFolder(const QString &folder)
{
    m_context.preferences.setText(SeasonFolderKey, folder);
    m_book->open(folder);
    showFigures();
}

void SeasonWindow::openRememberedFolder()
{
    const QString remembered = m_context.preferences.text(SeasonFolderKey);
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        openFolder(remembered);
    else
        chooseFolder();
}

void SeasonWindow::chooseFolder()
{
    const QString start = m_book->folder().isEmpty() ? m_context.preferences.text(SeasonFolderKey) : m_book->folder();
    const QString folder = m_context.dialogs.chooseFolder(this, tr("Open Season Folder"),
                                                          start.isEmpty() ? m_context.places.documents : start);
    if (!folder.isEmpty())
        openFolder(folder);
}

void SeasonWindow::showFigures()
{
    const std::shared_ptr<const SeasonFigures> figures = m_book->figures();
    m_standings->setFigures(figures);
    m_batting->setFigures(figures);
    m_pitching->setFigures(figures);
    m_games->setFigures(figures);
    m_checks->setFigures(figures);
    m_suggestions->setFigures(figures);
    m_merged->setFigures(figures);

    const QString folder = QDir::toNativeSeparators(m_book->folder());
    if (folder.isEmpty()) {
        m_title->setText(tr("No season yet: choose the folder of its games with File, Open Season Folder."));
        setWindowTitle(tr("Season Book"));
    } else {
        const QString name = figures->seasonName.isEmpty() ? QFileInfo(m_book->folder()).fileName()
                                                           : figures->seasonName;
        m_title->setText(tr("<b>%1</b> &mdash; %2 %3 in %4")
                             .arg(name.toHtmlEscaped())
                             .arg(figures->games.size())
                             .arg(m_type->currentIndex() == 0   ? tr("regular season games")
                                  : m_type->currentIndex() == 1 ? tr("postseason games")
                                  : m_type->currentIndex() == 2 ? tr("exhibition games")
                                                                : tr("games"))
                             .arg(folder.toHtmlEscaped()));
        setWindowTitle(tr("%1 - Season Book").arg(name));
    }
    m_tabs->setTabText(m_tabs->indexOf(m_checksPage),
                       figures->checks.empty() ? tr("&Checks") : tr("&Checks (%1)").arg(figures->checks.size()));
    // Columns fit what they show when a season first shows; later readings leave the user's widths.
    if (m_book->folder() != m_fittedFolder && !m_book->isReading()) {
        m_fittedFolder = m_book->folder();
        for (QTableView *view : std::as_const(m_views))
            view->resizeColumnsToContents();
    }
    // No column of divisions where the season has none.
    const bool divisions = std::any_of(figures->standings.begin(), figures->standings.end(),
                                       [](const StandingRow &row) { return !row.division.isEmpty(); });
    m_views.first()->setColumnHidden(0, !divisions);

    // The teams the season knows; the one chosen stays chosen while the season has it.
    const QString chosen = m_teamChooser->currentData().toString();
    const QSignalBlocker quiet(m_teamChooser);
    m_teamChooser->clear();
    m_teamChooser->addItem(tr("Every team"), QString());
    for (const QString &team : figures->teams)
        m_teamChooser->addItem(team, team);
    const int index = m_teamChooser->findData(chosen, Qt::UserRole, Qt::MatchFixedString);
    m_teamChooser->setCurrentIndex(qMax(0, index));
    chooseTeam();
}

void SeasonWindow::showProblem(const QString &problem)
{
    m_problem->setText(problem);
    m_problem->setVisible(!problem.isEmpty());
}

void SeasonWindow::chooseTeam()
{
    const QString team = m_teamChooser->currentData().toString();
    for (TeamFilterModel *filter : std::as_const(m_filters))
        filter->setTeam(team);
    for (SeasonPage *page : std::initializer_list<SeasonPage *>{m_leaders, m_team, m_charts})
        page->setSeason(m_book->figures(), team);
}

void SeasonWindow::chooseGameType()
{
    const int type = m_type->currentData().toInt();
    m_book->setGameType(type < 0 ? std::nullopt : std::optional<GameType>(GameType(type)));
}

void SeasonWindow::showBoxScoreAt(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const auto *filter = static_cast<const TeamFilterModel *>(index.model());
    showBoxScore(filter->mapToSource(index).row());
}

void SeasonWindow::showBoxScore(int game)
{
    const std::shared_ptr<const SeasonFigures> figures = m_book->figures();
    if (game < 0 || std::size_t(game) >= figures->games.size())
        return;
    const QString path = QDir(m_book->folder()).filePath(figures->games[std::size_t(game)].file);
    auto *box = new BoxScoreWindow(BoxScore::fromSeason(*figures, std::size_t(game)), m_context, path,
                                   BoxScoreWindow::Source::Season, this);
    connect(box, &BoxScoreWindow::gameChosen, this, &SeasonWindow::gameChosen);
    box->show();
}

void SeasonWindow::showPlayerLog(PlayerLogDialog::Kind kind, int player)
{
    auto *log = new PlayerLogDialog(m_book->figures(), kind, player, this);
    log->setAttribute(Qt::WA_DeleteOnClose);
    connect(log, &PlayerLogDialog::gameChosen, this,
            [this](const QString &file) { Q_EMIT gameChosen(QDir(m_book->folder()).filePath(file)); });
    log->show();
}

void SeasonWindow::mergeSuggestion()
{
    if (const MergeSuggestion *suggestion = chosenRow(m_suggestionsView, m_suggestions))
        tellProblem(m_book->acceptSuggestion(*suggestion));
}

void SeasonWindow::splitName()
{
    if (const MergedName *merged = chosenRow(m_mergedView, m_merged))
        tellProblem(m_book->splitName(*merged));
}

void SeasonWindow::tellProblem(const QString &problem)
{
    if (!problem.isEmpty())
        m_context.prompter.inform(this, problem);
}

void SeasonWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT closed();
}
