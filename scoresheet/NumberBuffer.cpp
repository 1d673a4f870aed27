#include "scoresheet/NumberBuffer.h"

#include <charconv>
#include <cmath>

NumberBuffer::NumberBuffer(qint16 value)
{
    char ascii[8];
    const auto result = std::to_chars(ascii, ascii + sizeof ascii, int(value));
    appendAscii(ascii, result.ptr);
}

NumberBuffer::NumberBuffer(double value)
{
    char ascii[32];
    char *end;
    if (value == 0.0) {
        // Also catches -0.0, which would otherwise come out as "-0".
        ascii[0] = '0';
        end = ascii + 1;
    } else if (std::abs(value) < 1e15 && std::trunc(value) == value) {
        end = std::to_chars(ascii, ascii + sizeof ascii, static_cast<long long>(value)).ptr;
    } else {
        // Fractions (pull counters only) and wild magnitudes: 15 significant digits,
        // no trailing zeros, always a full stop so that textValue reads it back.
        end = std::to_chars(ascii, ascii + sizeof ascii, value, std::chars_format::general, 15).ptr;
    }
    appendAscii(ascii, end);
}

void NumberBuffer::appendAscii(const char *begin, const char *end)
{
    for (const char *c = begin; c != end; ++c)
        m_chars[m_size++] = char16_t(*c);
}
