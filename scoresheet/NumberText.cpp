#include "scoresheet/NumberText.h"

#include "scoresheet/FieldArray.h"
#include "scoresheet/NumberBuffer.h"
#include "scoresheet/ScoresheetOverflow.h"

#include <QVarLengthArray>

#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Reads the text as a stream of characters with the blanks taken out.
class Reader
{
public:
    explicit Reader(QStringView text)
        : m_pos(text.begin())
        , m_end(text.end())
    {
        skipBlanks();
    }

    bool atEnd() const { return m_pos == m_end; }
    QChar peek() const { return *m_pos; }
    void next()
    {
        ++m_pos;
        skipBlanks();
    }
    const QChar *position() const { return m_pos; }
    void rewind(const QChar *position) { m_pos = position; }

private:
    void skipBlanks()
    {
        while (m_pos != m_end && isBlank(*m_pos))
            ++m_pos;
    }

    const QChar *m_pos;
    const QChar *m_end;
};

constexpr double PowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                  1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

[[noreturn]] void throwTooLarge()
{
    throw ScoresheetOverflow(QStringLiteral("A field holds a number too large to count with."));
}

} // namespace

double textValue(QStringView text)
{
    Reader in(text);
    bool negative = false;
    if (!in.atEnd() && (in.peek() == u'+' || in.peek() == u'-')) {
        negative = in.peek() == u'-';
        in.next();
    }

    // Significant digits (leading zeros dropped) and the power of ten they are scaled by.
    QVarLengthArray<char, 40> digits;
    long long scale = 0;
    bool sawDigit = false;
    bool sawPoint = false;
    while (!in.atEnd()) {
        const QChar c = in.peek();
        if (isDigit(c)) {
            sawDigit = true;
            if (sawPoint)
                --scale;
            if (!digits.isEmpty() || c != u'0')
                digits.append(char(c.unicode()));
        } else if (c == u'.' && !sawPoint) {
            sawPoint = true;
        } else {
            break;
        }
        in.next();
    }
    if (!sawDigit || digits.isEmpty())
        return 0.0;

    // An exponent counts only when at least one digit follows the e.
    if (!in.atEnd() && (in.peek() == u'e' || in.peek() == u'E')) {
        const QChar *mark = in.position();
        in.next();
        bool negativeExponent = false;
        if (!in.atEnd() && (in.peek() == u'+' || in.peek() == u'-')) {
            negativeExponent = in.peek() == u'-';
            in.next();
        }
        long long exponent = 0;
        bool sawExponentDigit = false;
        while (!in.atEnd() && isDigit(in.peek())) {
            sawExponentDigit = true;
            exponent = qMin(exponent * 10 + (in.peek().unicode() - u'0'), 1'000'000LL); // far past any double
            in.next();
        }
        if (sawExponentDigit)
            scale += negativeExponent ? -exponent : exponent;
        else
            in.rewind(mark);
    }

    // The usual case, a handful of digits: exact in a double, so one multiplication
    // or division rounds correctly.
    const auto count = digits.size();
    if (count <= 15 && scale >= -22 && scale <= 22) {
        double mantissa = 0.0;
        for (char d : digits)
            mantissa = mantissa * 10.0 + double(d - '0');
        const double value = scale >= 0 ? mantissa * PowersOfTen[scale] : mantissa / PowersOfTen[-scale];
        return negative ? -value : value;
    }

    // The power of ten of the leading digit decides what cannot be a double at all.
    const long long magnitude = count - 1 + scale;
    if (magnitude > 308)
        throwTooLarge();
    if (magnitude < -400)
        return 0.0;

    digits.append('e');
    char exponentText[24];
    const auto written = std::to_chars(exponentText, exponentText + sizeof exponentText, scale);
    digits.append(exponentText, written.ptr - exponentText);
    double value = 0.0;
    const auto parsed = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        if (magnitude > 0)
            throwTooLarge();
        return 0.0; // too small to tell from 0
    }
    if (std::isinf(value))
        throwTooLarge();
    return negative ? -value : value;
}

qint16 roundToInteger(double value)
{
    const double rounded = std::nearbyint(value); // round half to even in the default mode
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        throw ScoresheetOverflow(QStringLiteral("A result, %1, no longer fits between -32768 and 32767.")
                                     .arg(std::isfinite(value) ? numberText(value) : QStringLiteral("the number")));
    return qint16(rounded);
}

QString numberText(double value)
{
    if (!std::isfinite(value))
        throw ScoresheetOverflow(QStringLiteral("A result is too large to count with."));
    return NumberBuffer(value).toString();
}

QString numberText(qint16 value)
{
    return NumberBuffer(value).toString();
}

double elementValue(const FieldArray &array, int index)
{
    try {
        return textValue(array[index].text());
    } catch (const ScoresheetOverflow &) {
        throw ScoresheetOverflow(QStringLiteral("The %1 holds a number too large to count with (row %2).")
                                     .arg(array.caption())
                                     .arg(array.row(index)),
                                 array.name(), index);
    }
}

qint16 columnSum(const FieldArray &array, qint16 first, qint16 last)
{
    qint16 sum = 0;
    for (int i = first; i <= last; ++i) {
        const double total = std::nearbyint(double(sum) + elementValue(array, i));
        if (!(total >= -32768.0 && total <= 32767.0))
            throw ScoresheetOverflow(QStringLiteral("The %1 no longer fits between -32768 and 32767 (row %2).")
                                         .arg(array.caption())
                                         .arg(array.row(i)),
                                     array.name(), i);
        sum = qint16(total);
    }
    return sum;
}
