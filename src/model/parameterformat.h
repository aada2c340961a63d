#pragma once

#include "parameters.h"
#include "sourcefile.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <vector>

// What the readers of the two file formats give and what their writers share: the records in the
// order the file offers them, where each value's text stands in the bytes, the lines where something
// was cut or left out, and a new version of the bytes with only the texts of changed values replaced.
namespace ParameterFormat
{
// Where a record of the reading stands in the file: its line and its places. Kept beside the records
// rather than with them, so that the list can take the records whole instead of a copy of each.
struct TEntry
{
    int line = 0;
    int first_place = 0;
    int place_count = 0;
};

struct TWarning
{
    int line = 0;
    QString text; // "TTP_DECL: 4 values read, the type word says 6"
};

struct TReading
{
    std::vector<TParameters::TParameter> records;
    std::vector<TEntry> entries; // one per record
    std::vector<TValuePlace> places;
    QStringList element_names;
    std::vector<TWarning> warnings;
    TTextEncoding encoding;
    // Why the bytes cannot be written back by replacing value texts; empty when they can.
    QString unwritable;
};

// Bytes that take the place of length bytes from offset.
struct TReplacement
{
    int offset = 0;
    int length = 0;
    QByteArray bytes;
};

// The text of one value of record written for its place; false with the reason when it cannot be.
using TValueWriter =
    std::function<bool(const TParameters::TParameter& record, int index, const TValuePlace& place,
                       TReplacement* replacement, QString* refusal)>;

// The source's bytes with the text of every value replaced that differs (bit for bit) from what the
// text reads as, each written by write_value; a value equal to its text keeps the text. False with
// the reason when a record is not in the file, holds another number of values, or a value cannot be
// written.
bool Write(const TSourceFile& source, const std::vector<TParameters::TParameter>& records,
           const TValueWriter& write_value, QByteArray* content, QString* refusal);

// A text a reader could not take, as a warning quotes it: in quotation marks, cut when long.
QString Quoted(const QString& text);
} // namespace ParameterFormat
