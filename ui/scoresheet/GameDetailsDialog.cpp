#include "ui/scoresheet/GameDetailsDialog.h"

#include "scoresheet/TextRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>

namespace {
QComboBox *pitcherChoice(const QString &objectName, const QStringList &pitchers, const QString &chosen, QWidget *parent)
{
    auto *choice = new QComboBox(parent);
    choice->setObjectName(objectName);
    choice->setEditable(true);
    choice->setInsertPolicy(QComboBox::NoInsert);
    choice->addItem(QString());
    choice->addItems(pitchers);
    choice->setCurrentText(chosen);
    return choice;
}
} // namespace

GameDetailsDialog::GameDetailsDialog(const GameDetails &details, const QStringList &pitchers, QDate today,
                                     QWidget *parent)
    : QDialog(parent)
    , m_original(details)
    , m_date(new QDateEdit(details.date.isValid() ? details.date : today, this))
    , m_number(new QSpinBox(this))
    , m_type(new QComboBox(this))
    , m_final(new QCheckBox(tr("The game is over"), this))
    , m_win(pitcherChoice(QStringLiteral("cboWin"), pitchers, details.win, this))
    , m_loss(pitcherChoice(QStringLiteral("cboLoss"), pitchers, details.loss, this))
    , m_save(pitcherChoice(QStringLiteral("cboSave"), pitchers, details.save, this))
    , m_notes(new QLineEdit(details.notes, this))
{
    setObjectName(QStringLiteral("dlgGameDetails"));
    setWindowTitle(tr("Game Details"));

    m_date->setObjectName(QStringLiteral("dtpDate"));
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    // 0 stands for a game without a number.
    m_number->setObjectName(QStringLiteral("spnNumber"));
    m_number->setRange(0, GameDetails::HighestNumber);
    m_number->setSpecialValueText(tr("none"));
    m_number->setValue(details.number.value_or(0));
    m_type->setObjectName(QStringLiteral("cboType"));
    m_type->addItem(tr("Regular season"), int(GameType::Regular));
    m_type->addItem(tr("Postseason"), int(GameType::Postseason));
    m_type->addItem(tr("Exhibition"), int(GameType::Exhibition));
    m_type->setCurrentIndex(m_type->findData(int(details.type.value_or(GameType::Regular))));
    // Partly checked: not said; the season decides from the sheet whether the game is over.
    m_final->setObjectName(QStringLiteral("chkFinal"));
    m_final->setTristate(true);
    m_final->setCheckState(!details.final ? Qt::PartiallyChecked : *details.final ? Qt::Checked : Qt::Unchecked);
    m_final->setToolTip(tr("Partly checked: decided from the sheet (nine innings and the runs apart)"));
    m_notes->setObjectName(QStringLiteral("txtNotes"));

    auto *form = new QFormLayout;
    form->addRow(tr("&Date:"), m_date);
    form->addRow(tr("&Number that day:"), m_number);
    form->addRow(tr("&Kind of game:"), m_type);
    form->addRow(tr("Final:"), m_final);
    form->addRow(tr("&Win:"), m_win);
    form->addRow(tr("&Loss:"), m_loss);
    form->addRow(tr("&Save:"), m_save);
    form->addRow(tr("N&otes:"), m_notes);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

GameDetails GameDetailsDialog::details() const
{
    GameDetails details;
    details.date = m_date->date();
    if (m_number->value() > 0)
        details.number = m_number->value();
    const GameType type = GameType(m_type->currentData().toInt());
    // A type the file did not say stays unsaid while it is the one a game without it counts as.
    if (m_original.type || type != GameType::Regular)
        details.type = type;
    if (m_final->checkState() != Qt::PartiallyChecked)
        details.final = m_final->checkState() == Qt::Checked;
    // What a game file holds is one line of text each.
    details.win = asOneLine(m_win->currentText()).simplified();
    details.loss = asOneLine(m_loss->currentText()).simplified();
    details.save = asOneLine(m_save->currentText()).simplified();
    details.notes = asOneLine(m_notes->text());
    return details;
}
