#pragma once

#include <QLineEdit>

class CellText;
class QPainter;

// One field of the sheet over its printed cell. While the user edits it, it is an
// ordinary line edit; otherwise it shows its text by the CellText rule (from the start,
// smaller, or cut short with "..."), and a text that does not fit is its tooltip.
class SheetCell final : public QLineEdit
{
    Q_OBJECT

public:
    explicit SheetCell(const QString &text, QWidget *parent = nullptr);

    // The text as it is shown while the cell is not being edited, and on paper.
    CellText fitted() const;
    // Draws the cell (paper and text, no caret, no selection) into rect of the painter.
    void paintCell(QPainter &painter, const QRect &rect) const;

Q_SIGNALS:
    // Enter moves on to the next field, as on a paper form; Shift+Enter goes back.
    void enterPressed(bool back);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void showTip();
};
