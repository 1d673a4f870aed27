#pragma once

#include <QLineEdit>

class CellText;
class QPainter;

// One field of the sheet over its printed cell. While the user edits it, it is an
// ordinary line edit; otherwise it shows its text by the CellText rule (from the start,
// smaller, or cut short with "..."), and a text that does not fit is its tooltip. A number
// cell whose text the sheet counts otherwise than it reads is marked on screen (never on
// paper) and says how it is counted. Reached by the keyboard or a first click, the cell
// selects its whole text, so that typing replaces it.
class SheetCell final : public QLineEdit
{
    Q_OBJECT

public:
    explicit SheetCell(const QString &text, QWidget *parent = nullptr);

    // Whether the sheet counts the cell's text as a number.
    void setNumberCell(bool number);
    // Whether the cell's text reads otherwise than the sheet counts it ("3 singles", "1.5").
    bool isMarked() const { return !m_counted.isEmpty(); }
    // How the sheet counts the text, for the tooltip; empty for a plain whole number.
    const QString &countedAs() const { return m_counted; }

    // The text as it is shown while the cell is not being edited, and on paper.
    CellText fitted() const;
    // Draws the cell (paper and text, no caret, no selection, no mark) into rect of the painter.
    void paintCell(QPainter &painter, const QRect &rect) const;

Q_SIGNALS:
    // Enter moves on to the next field across the row, as on paper; Shift+Enter goes back.
    void enterPressed(bool back);
    // Up and Down move to the cell above or below in the same column.
    void arrowPressed(bool up);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void textChangedHere();
    void showTip();
    void paintMark(QPainter &painter) const;

    QString m_counted;
    bool m_number = false;
    bool m_focusedByClick = false;  // a click gave the focus: its press selects all
    bool m_selectedByClick = false; // the click that gave the focus selected all: the rest of it waits
};
