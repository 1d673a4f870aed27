#include "ui/scoresheet/KeptSheetsDialog.h"

#include "scoresheet/GameFile.h"
#include "scoresheet/Scoresheet.h"
#include "services/Prompter.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
// The teams and the score of a kept sheet, as its file holds them.
struct Summary
{
    QString teams;
    QString runs;
};

Summary summaryOf(const KeptSheet &kept, const Scoresheet &shape)
{
    const OpenedGame game = GameFile::load(kept.path, shape);
    if (!game.ok())
        return {QCoreApplication::translate("KeptSheetsDialog", "(cannot be read: %1)").arg(game.error), {}};
    const auto text = [&](ColumnId column, Side side) {
        const SheetColumn &c = sheetColumn(column);
        return game.snapshot->texts.value(c.objectName(side, 0), QStringView(c.initialText).toString()).simplified();
    };
    const auto team = [&](Side side) {
        const QString name = text(ColumnId::Team, side);
        return name.isEmpty() ? sideName(side) : name;
    };
    return {QCoreApplication::translate("KeptSheetsDialog", "%1 at %2").arg(team(Side::Away), team(Side::Home)),
            QStringLiteral("%1-%2").arg(text(ColumnId::Runs, Side::Away), text(ColumnId::Runs, Side::Home))};
}
} // namespace

KeptSheetsDialog::KeptSheetsDialog(SheetStore &store, Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_store(store)
    , m_prompter(prompter)
    , m_table(new QTableWidget(0, 4, this))
{
    setObjectName(QStringLiteral("dlgRecoverUnsaved"));
    setWindowTitle(tr("Recover Unsaved Games"));
    m_table->setObjectName(QStringLiteral("tblKeptSheets"));
    m_table->setAccessibleName(tr("Unsaved games"));
    m_table->setHorizontalHeaderLabels({tr("Game"), tr("Runs"), tr("Last change"), tr("Game file")});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setTabKeyNavigation(false);

    auto *buttons = new QDialogButtonBox(this);
    m_open = buttons->addButton(tr("&Open"), QDialogButtonBox::AcceptRole);
    m_open->setObjectName(QStringLiteral("cmdOpenKept"));
    m_delete = buttons->addButton(tr("&Delete"), QDialogButtonBox::ActionRole);
    m_delete->setObjectName(QStringLiteral("cmdDeleteKept"));
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("cmdCloseKept"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);

    connect(m_open, &QPushButton::clicked, this, &KeptSheetsDialog::openChosen);
    connect(m_delete, &QPushButton::clicked, this, &KeptSheetsDialog::deleteChosen);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &KeptSheetsDialog::openChosen);
    connect(m_table, &QTableWidget::currentCellChanged, this, [this] {
        m_open->setEnabled(current());
        m_delete->setEnabled(current());
    });
    fill();
    resize(640, 320);
}

void KeptSheetsDialog::fill()
{
    m_sheets = m_store.keptSheets();
    const Scoresheet shape;
    m_table->setRowCount(int(m_sheets.size()));
    for (int row = 0; row < m_sheets.size(); ++row) {
        const KeptSheet &kept = m_sheets.at(row);
        const Summary summary = summaryOf(kept, shape);
        const QString file = kept.boundFile.isEmpty() ? tr("(not saved to a file)")
                                                      : QDir::toNativeSeparators(kept.boundFile);
        const QStringList cells{summary.teams, summary.runs, QLocale().toString(kept.keptAt, QLocale::ShortFormat),
                                file};
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells.at(column));
            item->setToolTip(cells.at(column));
            m_table->setItem(row, column, item);
        }
    }
    m_table->resizeColumnsToContents();
    if (!m_sheets.isEmpty())
        m_table->selectRow(0);
    m_open->setEnabled(current());
    m_delete->setEnabled(current());
}

const KeptSheet *KeptSheetsDialog::current() const
{
    const int row = m_table->currentRow();
    return row >= 0 && row < m_sheets.size() ? &m_sheets.at(row) : nullptr;
}

void KeptSheetsDialog::openChosen()
{
    if (const KeptSheet *kept = current()) {
        const KeptSheet chosenSheet = *kept;
        accept();
        Q_EMIT chosen(chosenSheet);
    }
}

void KeptSheetsDialog::deleteChosen()
{
    const KeptSheet *kept = current();
    if (!kept)
        return;
    const QString game = m_table->item(m_table->currentRow(), 0)->text();
    if (!m_prompter.askYesNo(this, tr("Delete the unsaved game %1? It cannot be brought back.").arg(game)))
        return;
    m_store.forget(kept->id);
    fill();
}
