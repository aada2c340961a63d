#include "utilities.h"

#include "filebytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTextStream>
#include <QtGlobal>

#include <cmath>

namespace Utilities
{
bool Save_File(const QString& file_name, const std::function<bool(QIODevice*)>& write, QString* error)
{
    QString reason;
    if (FileBytes::Write_Atomically(file_name, write, &reason))
    {
        return true;
    }
    if (error)
    {
        *error = QCoreApplication::translate("Utilities", "Cannot write %1: %2")
                     .arg(QDir::toNativeSeparators(file_name), reason);
    }
    return false;
}

void Use_Utf8(QTextStream* stream)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    stream->setEncoding(QStringConverter::Utf8);
#else
    stream->setCodec("UTF-8");
#endif
    stream->setAutoDetectUnicode(true);
}

bool Use_High_Precision_Display(const double& value)
{
    // The display rule looks at the digits beyond the fourth decimal of the magnitude: scale the
    // fraction by 10000 and test for anything left after the decimal point. The fraction is taken
    // below the value whatever its size, so 0.62345 counts as much as 0.12345.
    const double magnitude = std::fabs(value);
    if (std::isnan(magnitude))
    {
        return false;
    }

    // Huge values (and infinities) have always had the long form, so that no digit is hidden.
    if (!(magnitude + 0.5 < 2147483648.0))
    {
        return true;
    }

    const double scaled = (magnitude - std::floor(magnitude)) * 10000.0;
    return (scaled - std::floor(scaled)) > 0.000000000001;
}

QString Real_Text(double value)
{
    const int decimals = Use_High_Precision_Display(value) ? 15 : 6;
    if (!std::isfinite(value))
    {
        return QString::number(value, 'f', decimals);
    }
    // The shortest digits that read back as the value, padded with zeros: digits beyond them are
    // only the binary form's noise (125.123456789 is held as 125.12345678900000208...).
    QString text = QString::number(value, 'f', QLocale::FloatingPointShortest);
    const int point = text.indexOf(QLatin1Char('.'));
    const int given = point < 0 ? 0 : text.size() - point - 1;
    if (given > decimals)
    {
        // No text with that many decimals reads back as the value.
        return QString::number(value, 'g', QLocale::FloatingPointShortest);
    }
    if (point < 0)
    {
        text += QLatin1Char('.');
    }
    return text + QString(decimals - given, QLatin1Char('0'));
}

QString Shown_Real_Text(double value)
{
    if (std::isfinite(value) && std::fabs(value) >= 1e15)
    {
        return QString::number(value, 'g', QLocale::FloatingPointShortest);
    }
    return Real_Text(value);
}

bool Read_Real(const QString& text, double* value, QString* reason)
{
    // A comma is never a thousands separator here: "1,5" typed by habit must not become 15.
    QLocale c_locale = QLocale::c();
    c_locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double read = c_locale.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(read))
    {
        *reason = QCoreApplication::translate("Utilities", "Not a finite number: %1").arg(text);
        // A decimal comma, typed by the habit of many countries, is the commonest cause: say how to
        // write the number instead.
        QString with_point = text.trimmed();
        with_point.replace(QLatin1Char(','), QLatin1Char('.'));
        if (text.contains(QLatin1Char(',')) && std::isfinite(c_locale.toDouble(with_point, &ok)) && ok)
        {
            *reason += QCoreApplication::translate("Utilities", "; use a point as the decimal separator: %1")
                           .arg(with_point);
        }
        return false;
    }
    *value = read;
    return true;
}

bool Read_Integer(const QString& text, int* value, QString* reason)
{
    double read = 0.0;
    if (!Read_Real(text, &read, reason))
    {
        return false;
    }
    if (read != std::floor(read))
    {
        *reason = QCoreApplication::translate("Utilities", "Not a whole number: %1").arg(text);
        return false;
    }
    if (read < -2147483648.0 || read > 2147483647.0)
    {
        *reason = QCoreApplication::translate("Utilities", "Outside the 32-bit integer range: %1").arg(text);
        return false;
    }
    *value = static_cast<int>(read);
    return true;
}
} // namespace Utilities
