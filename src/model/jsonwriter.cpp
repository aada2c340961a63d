#include "jsonwriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <cmath>

namespace
{
// The text is handed on once it is this long, so that memory stays flat however long the document.
const int PIECE_SIZE = 64 * 1024;

// Whole numbers below this are exact in a double, and both Qt 5 and Qt 6 write them as integers.
const double EXACT_WHOLE_LIMIT = 9007199254740992.0; // 2^53

// A value as Qt writes it inside an array, without the brackets: for the rare texts and numbers whose
// form differs between Qt versions or needs UTF-8 and surrogate handling.
QByteArray Qt_Text(const QJsonValue& value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

char Hex_Digit(int value)
{
    return "0123456789abcdef"[value & 0xf];
}

void Append_String(QByteArray* out, const QString& text)
{
    for (const QChar character : text)
    {
        if (character.unicode() >= 0x80)
        {
            out->append(Qt_Text(text));
            return;
        }
    }
    out->reserve(out->size() + text.size() + 2);
    out->append('"');
    for (const QChar character : text)
    {
        const char code = static_cast<char>(character.unicode());
        switch (code)
        {
        case '"':
            out->append("\\\"");
            break;
        case '\\':
            out->append("\\\\");
            break;
        case '\b':
            out->append("\\b");
            break;
        case '\f':
            out->append("\\f");
            break;
        case '\n':
            out->append("\\n");
            break;
        case '\r':
            out->append("\\r");
            break;
        case '\t':
            out->append("\\t");
            break;
        default:
            if (code < 0x20)
            {
                out->append("\\u00");
                out->append(Hex_Digit(code >> 4));
                out->append(Hex_Digit(code));
            }
            else
            {
                out->append(code);
            }
        }
    }
    out->append('"');
}
} // namespace

TJsonWriter::TJsonWriter(TSink sink) : d_sink(std::move(sink)) {}

void TJsonWriter::Indent(size_t depth)
{
    d_buffer.append(static_cast<int>(depth * 4), ' ');
}

void TJsonWriter::Pass_On_When_Full()
{
    if (d_buffer.size() >= PIECE_SIZE)
    {
        d_sink(d_buffer);
        d_buffer.clear();
    }
}

void TJsonWriter::Begin_Value()
{
    if (d_after_key)
    {
        d_after_key = false;
        return;
    }
    if (d_levels.empty())
    {
        return;
    }
    TLevel& level = d_levels.back();
    d_buffer.append(level.empty ? "\n" : ",\n");
    level.empty = false;
    Indent(d_levels.size());
}

void TJsonWriter::Key(const QString& key)
{
    Q_ASSERT(!d_levels.empty() && d_levels.back().object && !d_after_key);
    TLevel& level = d_levels.back();
    d_buffer.append(level.empty ? "\n" : ",\n");
    level.empty = false;
    Indent(d_levels.size());
    Append_String(&d_buffer, key);
    d_buffer.append(": ");
    d_after_key = true;
}

void TJsonWriter::Begin_Container(char opening, bool object)
{
    Begin_Value();
    d_buffer.append(opening);
    TLevel level;
    level.object = object;
    d_levels.push_back(level);
}

void TJsonWriter::End_Container(char closing)
{
    Q_ASSERT(!d_levels.empty() && !d_after_key);
    d_levels.pop_back();
    d_buffer.append('\n');
    Indent(d_levels.size());
    d_buffer.append(closing);
    Pass_On_When_Full();
}

void TJsonWriter::Begin_Object()
{
    Begin_Container('{', true);
}

void TJsonWriter::End_Object()
{
    End_Container('}');
}

void TJsonWriter::Begin_Array()
{
    Begin_Container('[', false);
}

void TJsonWriter::End_Array()
{
    End_Container(']');
}

void TJsonWriter::String(const QString& text)
{
    Begin_Value();
    Append_String(&d_buffer, text);
    Pass_On_When_Full();
}

void TJsonWriter::Number(double value)
{
    Begin_Value();
    if (!std::isfinite(value))
    {
        d_buffer.append("null");
    }
    else if (std::fabs(value) >= EXACT_WHOLE_LIMIT)
    {
        d_buffer.append(Qt_Text(value));
    }
    else if (value == std::trunc(value))
    {
        d_buffer.append(QByteArray::number(static_cast<qint64>(value)));
    }
    else
    {
        d_buffer.append(QByteArray::number(value, 'g', QLocale::FloatingPointShortest));
    }
    Pass_On_When_Full();
}

void TJsonWriter::Integer(int value)
{
    Begin_Value();
    d_buffer.append(QByteArray::number(value));
    Pass_On_When_Full();
}

void TJsonWriter::Boolean(bool value)
{
    Begin_Value();
    d_buffer.append(value ? "true" : "false");
    Pass_On_When_Full();
}

void TJsonWriter::Null()
{
    Begin_Value();
    d_buffer.append("null");
    Pass_On_When_Full();
}

void TJsonWriter::Value(const QJsonValue& value)
{
    switch (value.type())
    {
    case QJsonValue::Bool:
        Boolean(value.toBool());
        break;
    case QJsonValue::Double:
        Number(value.toDouble());
        break;
    case QJsonValue::String:
        String(value.toString());
        break;
    case QJsonValue::Array:
    {
        Begin_Array();
        const QJsonArray array = value.toArray();
        for (const QJsonValue& element : array)
        {
            Value(element);
        }
        End_Array();
        break;
    }
    case QJsonValue::Object:
    {
        Begin_Object();
        const QJsonObject object = value.toObject();
        for (auto member = object.begin(); member != object.end(); ++member)
        {
            Key(member.key());
            Value(member.value());
        }
        End_Object();
        break;
    }
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        Null();
        break;
    }
}

void TJsonWriter::Finish()
{
    Q_ASSERT(d_levels.empty());
    d_buffer.append('\n');
    d_sink(d_buffer);
    d_buffer.clear();
}
