// The change report, written in the layout of the imported file or as a plain list.
#include "constantslayout.h"
#include "filebytes.h"
#include "parameters.h"
#include "utilities.h"

#include <QByteArray>
#include <QIODevice>

using ConstantsLayout::KEY_COLUMN;

namespace
{
// The report is Latin-1: one byte per character, "?" for every character (not every UTF-16 unit)
// that Latin-1 cannot hold, so a symbol outside the basic plane still costs one "?".
QByteArray To_Latin1(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    const int size = text.size();
    for (int index = 0; index < size; ++index)
    {
        const QChar character = text.at(index);
        if (character.unicode() < 0x100)
        {
            bytes.append(static_cast<char>(character.unicode()));
            continue;
        }
        if (character.isHighSurrogate() && index + 1 < size && text.at(index + 1).isLowSurrogate())
        {
            ++index;
        }
        bytes.append('?');
    }
    return bytes;
}

QString Constants_Type_Word(const TParameters::TParameter& parameter)
{
    switch (parameter.type)
    {
    case TParameters::TYPE_INTEGER:
        return QStringLiteral(" Integer");
    case TParameters::TYPE_DOUBLE:
        return QStringLiteral(" Double");
    case TParameters::TYPE_TEXT:
        return QStringLiteral(" Text");
    case TParameters::TYPE_INTEGER_ARRAY:
        return QStringLiteral(" Integer[%1]").arg(parameter.integer_values.size());
    case TParameters::TYPE_DOUBLE_ARRAY:
        return QStringLiteral(" Double[%1]").arg(parameter.double_values.size());
    case TParameters::TYPE_TEXT_ARRAY:
        return QStringLiteral(" Text[%1]").arg(parameter.text_values.size());
    case TParameters::TYPE_INTEGER_BIT_PATTERN:
        return QStringLiteral(" Integer | bit pattern");
    default:
        return QString();
    }
}

// One value list in the settings layout: "Value" alone, "Value_1", "Value_2", ... for several.
void Append_Settings_Values(QString* out, const QStringList& values)
{
    if (values.size() == 1)
    {
        *out += QStringLiteral("\t\t<Value>") + values.first() + QStringLiteral("</Value>\n");
        return;
    }
    for (int index = 0; index < values.size(); ++index)
    {
        const QString position = QString::number(index + 1);
        *out += QStringLiteral("\t\t<Value_") + position + QLatin1Char('>') + values.at(index) +
                QStringLiteral("</Value_") + position + QStringLiteral(">\n");
    }
}

// The settings layout writes one list per block: texts first, else reals, else integers.
void Append_Settings_Block(QString* out, const QVector<int>& integers, const QVector<double>& doubles,
                           const QStringList& texts)
{
    QStringList values;
    if (!texts.isEmpty())
    {
        values = texts;
    }
    else if (!doubles.isEmpty())
    {
        for (double value : doubles)
        {
            values << Utilities::Real_Text(value);
        }
    }
    else
    {
        for (int value : integers)
        {
            values << QString::number(value);
        }
    }
    if (!values.isEmpty())
    {
        Append_Settings_Values(out, values);
    }
}
// One entry in the settings layout: the key as an element, its description, and its values (the
// original ones first when asked for).
void Append_Settings_Entry(QString* out, const TParameters::TParameter& parameter, bool with_originals)
{
    *out += QStringLiteral("\n\t<") + parameter.key + QStringLiteral(">\n");
    *out += QStringLiteral("\n\t\t<!-- ") + parameter.description + QStringLiteral(" -->\n");
    if (with_originals)
    {
        *out += QStringLiteral("\n\t\t<!-- Original -->\n");
        Append_Settings_Block(out, parameter.original_integer_values, parameter.original_double_values,
                              parameter.original_text_values);
        *out += QStringLiteral("\n\t\t<!-- Updated -->\n");
    }
    Append_Settings_Block(out, parameter.integer_values, parameter.double_values, parameter.text_values);
    *out += QStringLiteral("\n\t</") + parameter.key + QStringLiteral(">\n");
}

// The header line of one entry in the constants layout: number, name, ":" and type word, key at its column.
QString Constants_Entry_Header(const TParameters::TParameter& parameter)
{
    QString header = QStringLiteral("#") +
                     QString::number(parameter.number).rightJustified(2, QLatin1Char(' ')) +
                     QLatin1Char(' ') + parameter.name;
    if (header.size() < 24)
    {
        header = header.leftJustified(24, QLatin1Char(' '));
    }
    header += QLatin1Char(':') + Constants_Type_Word(parameter);
    if (header.size() < KEY_COLUMN)
    {
        header = header.leftJustified(KEY_COLUMN, QLatin1Char(' '));
    }
    return header + parameter.key + QLatin1Char('\n');
}

// The header line of one entry in the plain list: the key, and the name when there is one.
QString List_Entry_Header(const TParameters::TParameter& parameter)
{
    if (parameter.name.isEmpty())
    {
        return QLatin1Char('\n') + parameter.key + QLatin1Char('\n');
    }
    return QLatin1Char('\n') + parameter.key + QStringLiteral(" - ") + parameter.name + QLatin1Char('\n');
}

// The values of one entry in the constants layout and the plain list, one per line.
void Append_Value_Lines(QString* out, const TParameters& parameters, const QVector<int>& integers,
                        const QVector<double>& doubles, const QStringList& texts)
{
    for (int value : integers)
    {
        *out += QString::number(value) + QLatin1Char('\n');
    }
    for (double value : doubles)
    {
        *out += parameters.Format_Value(QString::number(value, 'E', 14)) + QLatin1Char('\n');
    }
    for (const QString& text : texts)
    {
        *out += text + QLatin1Char('\n');
    }
}
} // namespace

bool TParameters::Report_Layout_Known(const Utilities::TExportOptions& options) const
{
    if (options.matches_import && d_file_format == FORMAT_NOT_SET)
    {
        d_last_error = QStringLiteral("Parameter format not set");
        return false;
    }
    return true;
}

QString TParameters::Report_Text(const Utilities::TExportOptions& options) const
{
    const bool constants_layout = options.matches_import && d_file_format == FORMAT_MACHINE_CONSTANTS;
    const bool settings_layout = options.matches_import && d_file_format == FORMAT_PARAMETER_SETTINGS;

    QString out;
    if (constants_layout)
    {
        out += QStringLiteral("WARNINGS:\n"
                              "- Contents of this file does not included Reserved entries.\n"
                              "- File may contain additional data with alternate formatting.\n"
                              "- DO NOT SEND THIS FILE TO A CONTROLLER.\n") +
               QString(62, QLatin1Char('-')) + QLatin1Char('\n');
    }
    else
    {
        out += QStringLiteral("Parameter File List\n") + QString(34, QLatin1Char('=')) + QLatin1Char('\n');
    }

    for (const TParameter& parameter : Records())
    {
        if (options.changed_only && !parameter.changed)
        {
            continue;
        }
        const bool with_originals = options.original_values && parameter.changed;
        if (settings_layout)
        {
            Append_Settings_Entry(&out, parameter, with_originals);
            continue;
        }
        out += constants_layout ? Constants_Entry_Header(parameter) : List_Entry_Header(parameter);
        if (with_originals)
        {
            out += QStringLiteral("\tOriginal:\n");
            Append_Value_Lines(&out, *this, parameter.original_integer_values,
                               parameter.original_double_values, parameter.original_text_values);
            out += QStringLiteral("\tUpdated:\n");
        }
        Append_Value_Lines(&out, *this, parameter.integer_values, parameter.double_values,
                           parameter.text_values);
    }
    return out;
}

bool TParameters::Write_Parameter_Data(QIODevice* device, const Utilities::TExportOptions& options) const
{
    if (!Report_Layout_Known(options))
    {
        return false;
    }

    if (!FileBytes::Write_All(device, To_Latin1(Report_Text(options))))
    {
        d_last_error = device->errorString();
        return false;
    }
    return true;
}

bool TParameters::Write_Parameter_Data(const QString& file_name, Utilities::TExportOptions& options) const
{
    // Decide the layout before touching the target: a report that cannot be written must not
    // leave an emptied file where the user's previous report was.
    if (!Report_Layout_Known(options))
    {
        return false;
    }

    // Written through the atomic file step so that a full disk or a lost mount leaves the previous
    // report whole and is reported, instead of a truncated report counted as a success.
    QString reason;
    if (!FileBytes::Write_Atomically(
            file_name, [this, &options](QIODevice* device) { return Write_Parameter_Data(device, options); },
            &reason))
    {
        d_last_error = reason;
        return false;
    }
    return true;
}
