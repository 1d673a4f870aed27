#include "services/QtPrompter.h"

#include <QMessageBox>

namespace {
QString title()
{
    return QStringLiteral("Quorvel");
}
} // namespace

bool QtPrompter::askYesNo(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title(), text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    // Escape or the close box count as No.
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtPrompter::inform(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title(), text, QMessageBox::Ok, parent);
    box.exec();
}
