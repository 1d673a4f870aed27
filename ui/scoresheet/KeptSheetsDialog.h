#pragma once

#include "services/SheetStore.h"

#include <QDialog>

class Prompter;
class QPushButton;
class QTableWidget;

// File, "Recover Unsaved Games...": the sheets kept safe, newest first, with their teams,
// runs, last change and the file each belongs to. Open brings the chosen one back into the
// window; Delete lets it go after asking.
class KeptSheetsDialog final : public QDialog
{
    Q_OBJECT

public:
    KeptSheetsDialog(SheetStore &store, Prompter &prompter, QWidget *parent);

    QTableWidget *table() const { return m_table; }

Q_SIGNALS:
    void chosen(const KeptSheet &sheet);

private:
    void fill();
    void openChosen();
    void deleteChosen();
    // The kept sheet of the current row; null when none is chosen.
    const KeptSheet *current() const;

    SheetStore &m_store;
    Prompter &m_prompter;
    QList<KeptSheet> m_sheets;
    QTableWidget *m_table;
    QPushButton *m_open;
    QPushButton *m_delete;
};
