#include "ui/scoresheet/LockedValidator.h"

#include <QLineEdit>

LockedValidator::LockedValidator(QLineEdit *edit)
    : QValidator(edit)
    , m_edit(edit)
    , m_text(edit->text())
{
}

QValidator::State LockedValidator::validate(QString &input, int &) const
{
    return input == m_text ? Acceptable : Invalid;
}

void LockedValidator::show(const QString &text)
{
    m_text = text;
    if (m_edit->text() != text)
        m_edit->setText(text);
}
