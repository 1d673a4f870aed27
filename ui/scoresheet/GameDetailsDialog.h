#pragma once

#include "scoresheet/GameDetails.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QSpinBox;

// File, "Game Details...": the date the game was played (today for a new sheet), its
// number that day, its kind, whether it is over (unknown: the season decides from the
// sheet), the pitchers' decisions (offering the pitchers on the sheet) and a note.
class GameDetailsDialog final : public QDialog
{
    Q_OBJECT

public:
    // today stands in for a date the details do not know yet.
    GameDetailsDialog(const GameDetails &details, const QStringList &pitchers, QDate today, QWidget *parent);

    // What the dialog shows now.
    GameDetails details() const;

private:
    GameDetails m_original;
    QDateEdit *m_date;
    QSpinBox *m_number;
    QComboBox *m_type;
    QCheckBox *m_final;
    QComboBox *m_win;
    QComboBox *m_loss;
    QComboBox *m_save;
    QLineEdit *m_notes;
};
