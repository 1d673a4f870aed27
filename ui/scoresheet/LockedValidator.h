#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

// Lets a line edit take the focus and show its caret, as an editable field does,
// while refusing every change the user tries (typing, deleting, pasting, dropping).
// The program writes the field with show(), which setText() alone would not tell the
// validator about: by the time validate() runs, the edit already holds the user's text.
class LockedValidator final : public QValidator
{
public:
    explicit LockedValidator(QLineEdit *edit);

    State validate(QString &input, int &pos) const override;

    // Shows text in the edit as the one text it may hold.
    void show(const QString &text);

private:
    QLineEdit *m_edit;
    QString m_text;
};
