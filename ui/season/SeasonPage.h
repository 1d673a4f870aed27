#pragma once

#include "season/SeasonFigures.h"

#include <QWidget>

#include <memory>

// A page of the season book worked out from the whole season (leaders, a team's page, the
// charts). It is worked out again only while it shows: a page behind another tab waits
// until it is chosen, so that a saved game costs only what the user sees.
class SeasonPage : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    // The season as read now, and the team chosen above the tabs (empty for every team).
    void setSeason(std::shared_ptr<const SeasonFigures> figures, const QString &team)
    {
        m_figures = std::move(figures);
        m_team = team;
        m_stale = true;
        if (isVisible())
            refreshNow();
    }

protected:
    const SeasonFigures *figures() const { return m_figures.get(); }
    const std::shared_ptr<const SeasonFigures> &sharedFigures() const { return m_figures; }
    const QString &team() const { return m_team; }
    // Shows the figures; called while the page shows, once for each change.
    virtual void refresh() = 0;
    void refreshNow()
    {
        m_stale = false;
        if (m_figures)
            refresh();
    }
    void showEvent(QShowEvent *event) override
    {
        QWidget::showEvent(event);
        if (m_stale)
            refreshNow();
    }

private:
    std::shared_ptr<const SeasonFigures> m_figures;
    QString m_team;
    bool m_stale = false;
};
