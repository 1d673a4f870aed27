#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

class FieldArray;

// How the scoresheet reads its fields as numbers and writes numbers back.

// The value of the number the text begins with; 0 when it begins with none.
// Blanks, tabs and line feeds are skipped anywhere, also between digits; the decimal
// point is always the full stop; an exponent ("1e3") is read too. Throws
// ScoresheetOverflow for a number too large for a double.
double textValue(QStringView text);

// Nearest whole number, halves to the even one. Throws ScoresheetOverflow outside
// -32768..32767 (and for infinities and NaN).
qint16 roundToInteger(double value);

// "-12", "0", "2.5": digits without blanks or leading zeros; a fraction with up to
// 15 significant digits after a full stop. Throws ScoresheetOverflow for infinity or NaN.
QString numberText(double value);
QString numberText(qint16 value);
// Without this an int argument would be ambiguous.
QString numberText(int value) = delete;

// The value of one element (textValue); an overflow names the array and the element.
double elementValue(const FieldArray &array, int index);

// Sum of the elements first..last, rounded and range-checked after every element.
// Throws ScoresheetOverflow naming the array and the element where the sum left the range.
qint16 columnSum(const FieldArray &array, qint16 first, qint16 last);
