#pragma once

#include <QString>

// Numbers written where a file had a number before, in the form the file wrote it, so that a changed
// value looks like its neighbours and an engineer comparing the two files sees only the digits change.
namespace NumberForm
{
// A real in the notation of old_text: the exponent form with as many mantissa and exponent digits
// ("2.5000000000000E+02" gives "3.0000000000000E+02"), fixed point with as many decimals ("1.5"
// gives "0.1"), a leading "+" kept. Where that does not read back as exactly value, the shortest text
// that does. With stays_real the text never reads as a whole number ("3.0" rather than "3"), for a
// reader that tells integers from reals by their texts.
QString Real_Text(double value, const QString& old_text, bool stays_real);

// True when two reals are the same bit for bit: -0 is not 0, and each not-a-number is itself only.
bool Same_Bits(double a, double b);

// True when text reads as exactly value, bit for bit, as the readers read a real.
bool Reads_As(const QString& text, double value);
} // namespace NumberForm
