#pragma once

#include "ui/season/PlayerLogDialog.h"

#include <QMainWindow>

#include <memory>

class QAbstractItemModel;
class QComboBox;
class QLabel;
class QTableView;
class QTabWidget;
class ChartsSlot;
class LeadersPage;
class SeasonExports;
class SeasonBook;
class TeamPage;
class TeamFilterModel;
struct SeasonFigures;
struct WindowContext;
template <typename Row> class SeasonTableModel;
struct StandingRow;
struct BattingRow;
struct PitchingRow;
struct GameRow;
struct CheckRow;
struct MergeSuggestion;
struct MergedName;

// The season book: a folder of saved games shown as standings, batting and pitching
// statistics, the games and the problems found in them, always as the files say now. A
// team and a kind of game narrow what the tables show; a game opens in the scoresheet.
class SeasonWindow final : public QMainWindow
{
    Q_OBJECT

public:
    explicit SeasonWindow(WindowContext &context, QWidget *parent = nullptr);
    ~SeasonWindow() override;

    SeasonBook &book() { return *m_book; }

    // Shows the season of folder, and remembers it for the next time.
    void openFolder(const QString &folder);
    // The folder remembered from the last time; asks for one when there is none.
    void openRememberedFolder();

Q_SIGNALS:
    // A game is to be shown in the scoresheet (its full path).
    void gameChosen(const QString &path);
    // The window is closing; it is never called off.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    QWidget *buildFilters();
    QWidget *buildChecksPage();
    // A table of the season on a page of the tabs.
    QTableView *addTable(const QString &objectName, const QString &title, QAbstractItemModel *model);
    void chooseFolder();
    void showFigures();
    void showProblem(const QString &problem);
    void chooseTeam();
    void chooseGameType();
    // The box score of the game at an index of Games (its filter's).
    void showBoxScoreAt(const QModelIndex &index);
    // A game of the season (SeasonFigures::games) in a box score window.
    void showBoxScore(int game);
    void mergeSuggestion();
    void splitName();
    void showPlayerLog(PlayerLogDialog::Kind kind, int player);
    // A sentence from the season book, when it has one.
    void tellProblem(const QString &problem);

    WindowContext &m_context;
    SeasonBook *m_book;
    QLabel *m_title;
    QLabel *m_problem;
    QComboBox *m_teamChooser;
    QComboBox *m_type;
    QTabWidget *m_tabs;
    QList<TeamFilterModel *> m_filters;
    QList<QTableView *> m_views; // the standings first
    QString m_fittedFolder;      // the season whose columns were fitted to what they show
    SeasonTableModel<StandingRow> *m_standings;
    SeasonTableModel<BattingRow> *m_batting;
    SeasonTableModel<PitchingRow> *m_pitching;
    SeasonTableModel<GameRow> *m_games;
    SeasonTableModel<CheckRow> *m_checks;
    SeasonTableModel<MergeSuggestion> *m_suggestions;
    SeasonTableModel<MergedName> *m_merged;
    QTableView *m_gamesView = nullptr;
    QTableView *m_suggestionsView = nullptr;
    QTableView *m_mergedView = nullptr;
    LeadersPage *m_leaders;
    TeamPage *m_team;
    ChartsSlot *m_charts;
    SeasonExports *m_exports;
    QWidget *m_checksPage = nullptr;
};
