#include "numberform.h"

#include <QLocale>

#include <cmath>
#include <cstring>

namespace
{
// How a real was written: its sign, where it has a point and how many decimals follow it, and its
// exponent part.
struct TForm
{
    bool plus = false;
    bool point = false;
    int decimals = 0;
    bool exponent = false;
    char exponent_letter = 'E';
    bool exponent_sign = false;
    int exponent_digits = 0;
    // Fixed point or exponent form, whichever is shorter.
    bool general = false;
};

bool Is_Digit(QChar character)
{
    return character >= QLatin1Char('0') && character <= QLatin1Char('9');
}

TForm Form_Of(const QString& old_text)
{
    TForm form;
    const QString text = old_text.trimmed();
    int position = 0;
    const auto at = [&text](int index) { return index < text.size() ? text.at(index) : QChar(); };
    if (at(position) == QLatin1Char('+') || at(position) == QLatin1Char('-'))
    {
        form.plus = at(position) == QLatin1Char('+');
        ++position;
    }
    while (Is_Digit(at(position)))
    {
        ++position;
    }
    if (at(position) == QLatin1Char('.'))
    {
        form.point = true;
        ++position;
        while (Is_Digit(at(position)))
        {
            ++form.decimals;
            ++position;
        }
    }
    if (at(position) == QLatin1Char('e') || at(position) == QLatin1Char('E'))
    {
        form.exponent = true;
        form.exponent_letter = at(position).toLatin1();
        ++position;
        if (at(position) == QLatin1Char('+') || at(position) == QLatin1Char('-'))
        {
            form.exponent_sign = true;
            ++position;
        }
        while (Is_Digit(at(position)))
        {
            ++form.exponent_digits;
            ++position;
        }
    }
    return form;
}

// The value in the form, with `precision` digits after the point (or the shortest that reads back).
QString Formatted(double value, const TForm& form, int precision)
{
    QString text;
    if (form.general)
    {
        text = QString::number(value, 'g', precision);
    }
    else if (form.exponent)
    {
        const QString written = QString::number(value, form.exponent_letter, precision);
        const int letter = written.indexOf(QLatin1Char(form.exponent_letter));
        QString mantissa = written.left(letter);
        if (form.point && !mantissa.contains(QLatin1Char('.')))
        {
            mantissa += QLatin1Char('.');
        }
        const int exponent = written.mid(letter + 1).toInt();
        const QString sign = exponent < 0         ? QStringLiteral("-")
                             : form.exponent_sign ? QStringLiteral("+")
                                                  : QString();
        text = mantissa + QLatin1Char(form.exponent_letter) + sign +
               QString::number(std::abs(exponent)).rightJustified(form.exponent_digits, QLatin1Char('0'));
    }
    else
    {
        text = QString::number(value, 'f', precision);
        if (form.point && !text.contains(QLatin1Char('.')))
        {
            text += QLatin1Char('.');
        }
    }
    // The number texts of Qt drop the sign of a negative zero.
    if (std::signbit(value) && !text.startsWith(QLatin1Char('-')))
    {
        text.prepend(QLatin1Char('-'));
    }
    if (form.plus && !text.startsWith(QLatin1Char('-')))
    {
        text.prepend(QLatin1Char('+'));
    }
    return text;
}

bool Reads_As_Integer(const QString& text)
{
    bool integer = false;
    text.toInt(&integer, 10);
    return integer;
}
} // namespace

namespace NumberForm
{
bool Same_Bits(double a, double b)
{
    quint64 bits_a = 0;
    quint64 bits_b = 0;
    std::memcpy(&bits_a, &a, sizeof(double));
    std::memcpy(&bits_b, &b, sizeof(double));
    return bits_a == bits_b;
}

bool Reads_As(const QString& text, double value)
{
    bool valid = false;
    const double read = text.toDouble(&valid);
    return valid && Same_Bits(read, value);
}

QString Real_Text(double value, const QString& old_text, bool stays_real)
{
    if (!std::isfinite(value))
    {
        return QString::number(value);
    }
    const TForm form = Form_Of(old_text);
    const auto usable = [value, stays_real](const QString& text)
    { return Reads_As(text, value) && !(stays_real && Reads_As_Integer(text)); };

    QString same_digits = Formatted(value, form, form.decimals);
    if (usable(same_digits))
    {
        return same_digits;
    }
    // The shortest digits that read back, in the same notation unless the general one is shorter
    // (fixed point would write 1e-300 with three hundred zeros).
    const QString shortest_same = Formatted(value, form, QLocale::FloatingPointShortest);
    TForm general;
    general.general = true;
    general.plus = form.plus;
    QString shortest = Formatted(value, general, QLocale::FloatingPointShortest);
    if (shortest_same.size() <= shortest.size() && Reads_As(shortest_same, value))
    {
        shortest = shortest_same;
    }
    if (stays_real && Reads_As_Integer(shortest))
    {
        shortest += QStringLiteral(".0");
    }
    return shortest;
}
} // namespace NumberForm
