#include "ui/roll/RollHistoryPanel.h"

#include "roll/RollHistory.h"
#include "services/Prompter.h"
#include "ui/roll/Dice.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
QPushButton *makeCommand(QWidget *parent, const char *objectName, const QString &text, const QString &description)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(objectName));
    button->setAccessibleDescription(description);
    return button;
}
} // namespace

RollHistoryPanel::RollHistoryPanel(RollHistory &history, Prompter &prompter, QWidget *parent)
    : QDockWidget(tr("Roll History"), parent)
    , m_history(history)
    , m_prompter(prompter)
    , m_table(new QTableWidget(0, 1 + Roll::FieldCount))
{
    setObjectName(QStringLiteral("dockHistory"));
    setAccessibleName(tr("Roll History"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetFloatable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);

    m_table->setObjectName(QStringLiteral("tblHistory"));
    m_table->setAccessibleName(tr("Roll history"));
    m_table->setAccessibleDescription(tr("The final rolls, newest first: the time, then the fourteen dice"));
    QStringList headers{tr("Time")};
    for (const Die &d : dice())
        headers << d.historyHeader();
    m_table->setHorizontalHeaderLabels(headers);
    m_table->verticalHeader()->hide();
    // Tab enters the table once and leaves it; the arrows move inside it.
    m_table->setTabKeyNavigation(false);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Fixed column widths: a roll adds one row and measures nothing.
    const QFontMetrics metrics(m_table->font());
    m_table->verticalHeader()->setDefaultSectionSize(metrics.height() + 4);
    m_table->setColumnWidth(0, metrics.horizontalAdvance(QStringLiteral("00:00:00")) + 12);
    for (int i = 0; i < Roll::FieldCount; ++i)
        m_table->setColumnWidth(1 + i, std::max(metrics.horizontalAdvance(headers.at(1 + i)),
                                                metrics.horizontalAdvance(QStringLiteral("20")))
                                           + 12);
    // Narrower than its columns, the table scrolls: the panel never pushes the window off the screen.
    m_table->setMinimumWidth(leastWidth());

    auto *copy = new QAction(tr("Copy"), m_table);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    m_table->addAction(copy);
    connect(copy, &QAction::triggered, this, &RollHistoryPanel::copySelected);

    auto *body = new QWidget(this);
    auto *buttons = new QHBoxLayout;
    QPushButton *copySelectedButton = makeCommand(body, "cmdCopyRolls", tr("Copy Selected"),
                                                  tr("Copies the selected rolls as plain text"));
    QPushButton *copyAllButton = makeCommand(body, "cmdCopyAllRolls", tr("Copy All"),
                                             tr("Copies every roll as plain text"));
    QPushButton *clearButton = makeCommand(body, "cmdClearRolls", tr("Clear"), tr("Empties the roll history"));
    for (QPushButton *button : {copySelectedButton, copyAllButton, clearButton}) {
        button->setAccessibleName(button->text());
        buttons->addWidget(button);
    }
    auto *column = new QVBoxLayout(body);
    column->setContentsMargins(4, 4, 4, 4);
    column->addWidget(m_table);
    column->addLayout(buttons);
    setWidget(body);
    // Tab goes in the order the controls stand: the table, then the commands under it.
    setTabOrder(m_table, copySelectedButton);
    setTabOrder(copySelectedButton, copyAllButton);
    setTabOrder(copyAllButton, clearButton);

    connect(copySelectedButton, &QPushButton::clicked, this, &RollHistoryPanel::copySelected);
    connect(copyAllButton, &QPushButton::clicked, this, &RollHistoryPanel::copyAll);
    connect(clearButton, &QPushButton::clicked, this, &RollHistoryPanel::clearHistory);
    connect(&m_history, &RollHistory::added, this, &RollHistoryPanel::showAdded);
    connect(&m_history, &RollHistory::reset, this, &RollHistoryPanel::showAll);
    showAll();
}

int RollHistoryPanel::fullWidth() const
{
    int width = m_table->frameWidth() * 2 + m_table->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8;
    for (int c = 0; c < m_table->columnCount(); ++c)
        width += m_table->columnWidth(c);
    return width;
}

int RollHistoryPanel::leastWidth() const
{
    // The time and the first few dice.
    int width = m_table->frameWidth() * 2 + m_table->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int c = 0; c < 4; ++c)
        width += m_table->columnWidth(c);
    return width;
}

void RollHistoryPanel::fillRow(int row)
{
    const RollHistory::Entry &entry = m_history.at(row);
    auto *time = new QTableWidgetItem(entry.at.toString(QStringLiteral("HH:mm:ss")));
    time->setToolTip(QLocale().toString(entry.at, QLocale::LongFormat));
    m_table->setItem(row, 0, time);
    const auto values = entry.roll.values();
    for (int i = 0; i < Roll::FieldCount; ++i) {
        const Die &look = die(i);
        auto *item = new QTableWidgetItem(QString::number(values.at(size_t(i))));
        item->setTextAlignment(Qt::AlignCenter);
        item->setBackground(look.background);
        item->setForeground(look.text);
        m_table->setItem(row, 1 + i, item);
    }
}

void RollHistoryPanel::showAdded()
{
    m_table->insertRow(0);
    fillRow(0);
    while (m_table->rowCount() > m_history.size())
        m_table->removeRow(m_table->rowCount() - 1);
}

void RollHistoryPanel::showAll()
{
    m_table->setRowCount(0);
    m_table->setRowCount(m_history.size());
    for (int row = 0; row < m_history.size(); ++row)
        fillRow(row);
}

void RollHistoryPanel::copySelected()
{
    QList<int> rows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        rows << index.row();
    // Nothing selected copies nothing rather than everything: the user asked for a part.
    if (!rows.isEmpty())
        QApplication::clipboard()->setText(m_history.text(rows));
}

void RollHistoryPanel::copyAll()
{
    if (!m_history.isEmpty())
        QApplication::clipboard()->setText(m_history.text());
}

void RollHistoryPanel::clearHistory()
{
    if (m_history.isEmpty())
        return;
    if (m_prompter.askYesNo(this, tr("Clear the roll history?")))
        m_history.clear();
}
