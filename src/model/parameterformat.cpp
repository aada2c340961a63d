#include "parameterformat.h"

#include "numberform.h"

#include <algorithm>

namespace
{
bool Same_Value(const TParameters::TParameter& record, const TSourceFile::TRecord& file, int index)
{
    switch (TParameters::Value_Kind(record.type))
    {
    case TParameters::KIND_INTEGER:
        return record.integer_values.at(index) == file.integer_values.at(index);
    case TParameters::KIND_REAL:
        // Bit for bit: a value set to what reads the same, -0 against 0 or another not-a-number, is
        // a change the file must show.
        return NumberForm::Same_Bits(record.double_values.at(index), file.double_values.at(index));
    default:
        return record.text_values.at(index) == file.text_values.at(index);
    }
}

int File_Value_Count(const TParameters::TParameter& record, const TSourceFile::TRecord& file)
{
    switch (TParameters::Value_Kind(record.type))
    {
    case TParameters::KIND_INTEGER:
        return file.integer_values.size();
    case TParameters::KIND_REAL:
        return file.double_values.size();
    default:
        return file.text_values.size();
    }
}
} // namespace

namespace ParameterFormat
{
bool Write(const TSourceFile& source, const std::vector<TParameters::TParameter>& records,
           const TValueWriter& write_value, QByteArray* content, QString* refusal)
{
    if (records.size() != source.records.size())
    {
        *refusal = TParameters::tr("the list does not match the file it was read from");
        return false;
    }
    std::vector<TReplacement> replacements;
    for (std::size_t position = 0; position < records.size(); ++position)
    {
        const TParameters::TParameter& record = records[position];
        const TSourceFile::TRecord& file = source.records[position];
        if (!file.in_file)
        {
            *refusal = TParameters::tr("%1 is not in the file").arg(record.key);
            return false;
        }
        const int count = TParameters::Value_Count(record);
        if (count != file.place_count || count != File_Value_Count(record, file))
        {
            *refusal = TParameters::tr("%1 holds %2 values where the file has %3")
                           .arg(record.key)
                           .arg(count)
                           .arg(file.place_count);
            return false;
        }
        for (int index = 0; index < count; ++index)
        {
            if (Same_Value(record, file, index))
            {
                continue;
            }
            const TValuePlace& place =
                source.places[static_cast<std::size_t>(file.first_place) + static_cast<std::size_t>(index)];
            TReplacement replacement;
            if (!write_value(record, index, place, &replacement, refusal))
            {
                return false;
            }
            replacements.push_back(std::move(replacement));
        }
    }

    std::sort(replacements.begin(), replacements.end(),
              [](const TReplacement& a, const TReplacement& b) { return a.offset < b.offset; });
    int added = 0;
    for (const TReplacement& replacement : replacements)
    {
        added += replacement.bytes.size() - replacement.length;
    }
    QByteArray result;
    result.reserve(source.bytes.size() + std::max(0, added));
    int copied = 0;
    for (const TReplacement& replacement : replacements)
    {
        if (replacement.offset < copied || replacement.offset + replacement.length > source.bytes.size())
        {
            *refusal = TParameters::tr("the places of two values overlap");
            return false;
        }
        result.append(source.bytes.constData() + copied, replacement.offset - copied);
        result.append(replacement.bytes);
        copied = replacement.offset + replacement.length;
    }
    result.append(source.bytes.constData() + copied, source.bytes.size() - copied);
    *content = result;
    return true;
}

QString Quoted(const QString& text)
{
    const int longest = 40;
    return QLatin1Char('"') + (text.size() > longest ? text.left(longest) + QStringLiteral("...") : text) +
           QLatin1Char('"');
}
} // namespace ParameterFormat
