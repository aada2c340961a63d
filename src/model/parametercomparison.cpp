#include "parametercomparison.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace
{
bool Same_Number(double a, double b, double tolerance)
{
    if (std::isnan(a) || std::isnan(b))
    {
        return std::isnan(a) && std::isnan(b);
    }
    if (a == b) // also equal infinities
    {
        return true;
    }
    return std::fabs(a - b) <= tolerance;
}

// A text that reads wholly as a number is compared as that number, so that a value written 250 in one
// file and 2.5E+02 in the other is the same value.
bool Read_Number(const TParameterComparison::TValue& value, double* number)
{
    if (value.numeric)
    {
        *number = value.number;
        return true;
    }
    bool ok = false;
    *number = QLocale::c().toDouble(value.text.trimmed(), &ok);
    return ok;
}
} // namespace

bool TParameterComparison::TResult::Same() const
{
    return only_in_a.isEmpty() && only_in_b.isEmpty() && different.empty();
}

TParameterComparison::TParameterComparison(const TParameters* a, const TParameters* b, double tolerance)
    : d_a(a), d_b(b), d_tolerance(tolerance)
{
    Q_ASSERT(a);
    Q_ASSERT(b);
}

double TParameterComparison::Tolerance() const
{
    return d_tolerance;
}

TParameterComparison::TMatch TParameterComparison::Match(const QString& key) const
{
    const TParameters::TParameter* a = d_a->Find_Parameter(key);
    const TParameters::TParameter* b = d_b->Find_Parameter(key);
    if (!a)
    {
        return b ? MATCH_ONLY_B : MATCH_NONE;
    }
    if (!b)
    {
        return MATCH_ONLY_A;
    }
    return Same_Values(Values_Of(*a), Values_Of(*b), d_tolerance) ? MATCH_SAME : MATCH_DIFFERENT;
}

TParameterComparison::TResult TParameterComparison::Compare() const
{
    TResult result;
    for (const TParameters::TParameter& a : d_a->Parameters())
    {
        const TParameters::TParameter* b = d_b->Find_Parameter(a.key);
        if (!b)
        {
            result.only_in_a << a.key;
            continue;
        }
        std::vector<TValue> values_a = Values_Of(a);
        std::vector<TValue> values_b = Values_Of(*b);
        if (!Same_Values(values_a, values_b, d_tolerance))
        {
            result.different.push_back({a.key, std::move(values_a), std::move(values_b)});
        }
    }
    for (const TParameters::TParameter& b : d_b->Parameters())
    {
        if (!d_a->Find_Parameter(b.key))
        {
            result.only_in_b << b.key;
        }
    }
    return result;
}

bool TParameterComparison::Take_Values(const TParameters::TParameter& reference,
                                       TParameters::TParameter* target, QString* refusal)
{
    // A machine constants record declares its count of values in its header; the change report
    // must not hold more or fewer values than that.
    const int count = TParameters::Value_Count(*target);
    const int reference_count = TParameters::Value_Count(reference);
    if (count != reference_count)
    {
        *refusal = QCoreApplication::translate("TParameterComparison", "%1 values instead of %2.")
                       .arg(reference_count)
                       .arg(count);
        return false;
    }
    TParameters::TParameter taken = *target;
    for (int index = 0; index < count; ++index)
    {
        if (!TParameters::Set_Value_Text(&taken, index, TParameters::Value_Text(reference, index), refusal))
        {
            return false;
        }
    }
    *target = taken;
    return true;
}

std::vector<TParameterComparison::TValue>
TParameterComparison::Values_Of(const TParameters::TParameter& parameter)
{
    std::vector<TValue> values;
    const TParameters::TValueKind kind = TParameters::Value_Kind(parameter.type);
    const int count = TParameters::Value_Count(parameter);
    for (int index = 0; index < count; ++index)
    {
        TValue value;
        value.text = TParameters::Value_Text(parameter, index);
        value.numeric = kind != TParameters::KIND_TEXT;
        if (kind == TParameters::KIND_INTEGER)
        {
            value.number = parameter.integer_values.at(index);
        }
        else if (kind == TParameters::KIND_REAL)
        {
            value.number = parameter.double_values.at(index);
        }
        values.push_back(value);
    }
    return values;
}

bool TParameterComparison::Same_Values(const std::vector<TValue>& a, const std::vector<TValue>& b,
                                       double tolerance)
{
    if (a.size() != b.size())
    {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i)
    {
        if (!a[i].numeric && !b[i].numeric)
        {
            if (a[i].text != b[i].text)
            {
                return false;
            }
            continue;
        }
        double number_a = 0.0;
        double number_b = 0.0;
        if (!Read_Number(a[i], &number_a) || !Read_Number(b[i], &number_b) ||
            !Same_Number(number_a, number_b, tolerance))
        {
            return false;
        }
    }
    return true;
}

QString TParameterComparison::Values_Text(const std::vector<TValue>& values)
{
    QStringList texts;
    for (const TValue& value : values)
    {
        texts << value.text;
    }
    return texts.join(QStringLiteral(", "));
}

QJsonArray TParameterComparison::Values_Json(const std::vector<TValue>& values)
{
    QJsonArray array;
    for (const TValue& value : values)
    {
        if (value.numeric && std::isfinite(value.number))
        {
            array.append(value.number);
        }
        else
        {
            array.append(value.text);
        }
    }
    return array;
}

QString TParameterComparison::Type_Name(int type)
{
    switch (type)
    {
    case TParameters::TYPE_INTEGER:
        return QStringLiteral("integer");
    case TParameters::TYPE_DOUBLE:
        return QStringLiteral("double");
    case TParameters::TYPE_TEXT:
        return QStringLiteral("text");
    case TParameters::TYPE_INTEGER_ARRAY:
        return QStringLiteral("integer_array");
    case TParameters::TYPE_DOUBLE_ARRAY:
        return QStringLiteral("double_array");
    case TParameters::TYPE_TEXT_ARRAY:
        return QStringLiteral("text_array");
    case TParameters::TYPE_INTEGER_BIT_PATTERN:
        return QStringLiteral("integer_bit_pattern");
    default:
        return QStringLiteral("not_set");
    }
}

QString TParameterComparison::Format_Name(int format)
{
    switch (format)
    {
    case TParameters::FORMAT_MACHINE_CONSTANTS:
        return QStringLiteral("machine_constants");
    case TParameters::FORMAT_PARAMETER_SETTINGS:
        return QStringLiteral("parameter_settings");
    default:
        return QStringLiteral("not_set");
    }
}
