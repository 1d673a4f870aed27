#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

// The text of a number, built on the stack: the totals written on every keystroke
// go straight into their fields without a temporary QString.
class NumberBuffer
{
public:
    explicit NumberBuffer(qint16 value);
    // value must be finite (numberText checks).
    explicit NumberBuffer(double value);

    QStringView view() const { return QStringView(m_chars, m_size); }
    QString toString() const { return view().toString(); }

private:
    void appendAscii(const char *begin, const char *end);

    char16_t m_chars[32];
    qsizetype m_size = 0;
};
