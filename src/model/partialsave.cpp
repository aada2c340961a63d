// A partial parameter file: the entries of some parameters cut from the file the list would be saved
// as, so that a change set reads with the same readers as the whole file.
#include "constantsformat.h"
#include "parameterformat.h"
#include "parameters.h"
#include "settingsformat.h"
#include "xmlfile.h"

#include <QSet>

#include <cstring>

namespace
{
// The readers look at this many bytes to tell the formats apart: a shorter file is no parameter file.
const int SMALLEST_FILE = 160;

// The offset where the line holding `offset` starts, and where the next one starts.
int Line_Start(const QByteArray& bytes, int offset)
{
    const int newline = offset > 0 ? bytes.lastIndexOf('\n', offset - 1) : -1;
    return newline + 1;
}

int Next_Line(const QByteArray& bytes, int offset)
{
    const int newline = bytes.indexOf('\n', offset);
    return newline < 0 ? bytes.size() : newline + 1;
}

// Blanks and line ends only.
bool Only_Blanks(const QByteArray& bytes, int from, int to)
{
    for (int index = from; index < to; ++index)
    {
        const char c = bytes.at(index);
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
        {
            return false;
        }
    }
    return true;
}

// The line end the file uses, for the lines a partial file adds.
QByteArray Line_End(const QByteArray& bytes)
{
    const int newline = bytes.indexOf('\n');
    return newline > 0 && bytes.at(newline - 1) == '\r' ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
}

// An XML element of the file from its start tag to the end of its end tag, with the blanks before it on
// its line and the line end after it; the search starts at a place within it. False when not found.
bool Element_Span(const QByteArray& bytes, const QByteArray& name, int inside, int* from, int* to)
{
    const QByteArray open = '<' + name;
    const QByteArray close = "</" + name;
    const auto ends_name = [&bytes](int index)
    {
        if (index >= bytes.size())
        {
            return false;
        }
        const char c = bytes.at(index);
        return c == '>' || c == '/' || c == ' ' || c == '\t' || c == '\r' || c == '\n';
    };
    int start = bytes.lastIndexOf(open, inside);
    while (start >= 0 && !ends_name(start + open.size()))
    {
        start = start > 0 ? bytes.lastIndexOf(open, start - 1) : -1;
    }
    int end = bytes.indexOf(close, inside);
    while (end >= 0 && !ends_name(end + close.size()))
    {
        end = bytes.indexOf(close, end + 1);
    }
    if (start < 0 || end < 0)
    {
        return false;
    }
    end = bytes.indexOf('>', end);
    if (end < 0)
    {
        return false;
    }
    ++end;
    const int line_start = Line_Start(bytes, start);
    *from = Only_Blanks(bytes, line_start, start) ? line_start : start;
    const int line_end = Next_Line(bytes, end);
    *to = Only_Blanks(bytes, end, line_end) ? line_end : end;
    return true;
}
} // namespace

bool TParameters::Partial_Content(const QStringList& keys, QByteArray* content) const
{
    const auto refuse = [this](const QString& reason)
    {
        d_last_error = TParameters::tr("Cannot write the parameters: %1").arg(reason);
        return false;
    };

    // The file as the save would write it, the entries taken from there.
    QByteArray whole;
    TSourceFile saved;
    QString reason;
    if (!Verified_Content(&whole, &saved, &reason))
    {
        return refuse(reason);
    }
    const QSet<QString> wanted(keys.cbegin(), keys.cend());
    std::vector<std::size_t> indexes;
    for (std::size_t index = 0; index < Records().size(); ++index)
    {
        if (wanted.contains(Records()[index].key))
        {
            indexes.push_back(index);
        }
    }
    if (indexes.empty())
    {
        return refuse(TParameters::tr("none of the parameters is in the list"));
    }

    const bool constants = d_source.format == FORMAT_MACHINE_CONSTANTS;
    const QByteArray line_end = Line_End(whole);
    QByteArray partial;
    if (constants)
    {
        // The lines before the first entry, then each entry's header line and value lines.
        int first_line = 0;
        for (const TSourceFile::TRecord& record : saved.records)
        {
            if (record.in_file && (first_line == 0 || record.line < first_line))
            {
                first_line = record.line;
            }
        }
        std::vector<int> line_starts{0};
        for (int index = whole.indexOf('\n'); index >= 0; index = whole.indexOf('\n', index + 1))
        {
            line_starts.push_back(index + 1);
        }
        const auto start_of_line = [&line_starts](int line)
        { return line_starts[static_cast<std::size_t>(std::max(line, 1) - 1)]; };
        partial = whole.left(start_of_line(first_line));
        for (const std::size_t index : indexes)
        {
            const TSourceFile::TRecord& record = saved.records[index];
            if (!record.in_file || record.place_count == 0)
            {
                return refuse(TParameters::tr("%1 is not in the file").arg(Records()[index].key));
            }
            const TValuePlace& last =
                saved.places[static_cast<std::size_t>(record.first_place + record.place_count - 1)];
            const int from = start_of_line(record.line);
            const int to = Next_Line(whole, last.offset + last.length);
            partial += whole.mid(from, to - from);
            if (!partial.endsWith('\n'))
            {
                partial += line_end;
            }
        }
    }
    else
    {
        // The declaration, comments and the root's start tag, each parameter's element, the root's end.
        const int root = whole.indexOf("<ZIDParameterSettings");
        const int root_end = root < 0 ? -1 : whole.indexOf('>', root);
        if (root_end < 0)
        {
            return refuse(TParameters::tr("the file's root element was not found"));
        }
        partial = whole.left(Next_Line(whole, root_end + 1));
        if (!partial.endsWith('\n'))
        {
            partial += line_end;
        }
        for (const std::size_t index : indexes)
        {
            const TSourceFile::TRecord& record = saved.records[index];
            const QString& key = Records()[index].key;
            int from = 0;
            int to = 0;
            if (!record.in_file || record.place_count == 0 ||
                !Element_Span(whole, key.toUtf8(),
                              saved.places[static_cast<std::size_t>(record.first_place)].offset, &from, &to))
            {
                return refuse(TParameters::tr("the element of %1 was not found").arg(key));
            }
            partial += whole.mid(from, to - from);
            if (!partial.endsWith('\n'))
            {
                partial += line_end;
            }
        }
        partial += "</ZIDParameterSettings>" + line_end;
    }
    while (partial.size() < SMALLEST_FILE)
    {
        partial += line_end;
    }

    // Read back as Open would read it: every parameter of keys and nothing else, with its values.
    ParameterFormat::TReading reading;
    try
    {
        reading =
            constants ? TConstantsFormat::Read(partial, *this, false) : TSettingsFormat::Read(partial, *this);
    }
    catch (const TXmlFileException& exception)
    {
        return refuse(TParameters::tr("read back, the file would not read: %1").arg(exception.ErrorText()));
    }
    std::size_t next = 0;
    for (const TParameters::TParameter& read : reading.records)
    {
        if (Is_Separator_Key(read.key))
        {
            continue;
        }
        if (next >= indexes.size() || read.key != Records()[indexes[next]].key)
        {
            return refuse(TParameters::tr("read back, %1 would be in the file").arg(read.key));
        }
        const TParameter& record = Records()[indexes[next]];
        if (read.type != record.type || !TParameters::Same_Stored_Values(read, record))
        {
            return refuse(TParameters::tr("read back, %1 would not hold its values").arg(record.key));
        }
        ++next;
    }
    if (next < indexes.size())
    {
        return refuse(
            TParameters::tr("read back, the file would not hold %1").arg(Records()[indexes[next]].key));
    }
    *content = std::move(partial);
    return true;
}
