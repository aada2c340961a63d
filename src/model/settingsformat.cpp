#include "settingsformat.h"

#include "filebytes.h"
#include "numberform.h"
#include "xmlfile.h"
#include "xmlinput.h"

#include <QDomNode>
#include <QRegularExpression>
#include <QXmlStreamReader>

using ParameterFormat::TWarning;

namespace
{
const QString IDENTIFICATION = QStringLiteral("ZIDParameterSettings");

// One value node of a parameter element as the stream parser finds it: the line, the element's name,
// the place of its text in the decoded file (in UTF-16 units until it is mapped to bytes) and the text
// the parser read there, where that text can be compared with the document's.
struct TValueSpot
{
    int line = 0;
    QString element_name;
    TValuePlace place;
    bool comparable = false;
    QString text;
};

struct TParameterSpot
{
    QString name;
    int line = 0;
    std::vector<TValueSpot> values;
};

// Whether the document builder leaves a run of text out of the tree. It never keeps white space
// alone; Qt 6 keeps a CDATA section of white space, Qt 5 does not.
bool Builder_Drops(const QXmlStreamReader& reader)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return reader.isWhitespace() && !reader.isCDATA();
#else
    return reader.isWhitespace();
#endif
}

bool Has_Stand_In(QStringView text)
{
    for (const QChar character : text)
    {
        if (character.unicode() >= 0xFDD0 && character.unicode() < 0xFDF0)
        {
            return true;
        }
    }
    return false;
}

// The warnings of one parameter element's value names: Value_2 before Value_1 means the values are
// taken in an order the file did not mean.
class TValueOrder
{
public:
    void Start() { d_highest = 0, d_warned = false; }
    // The warning for a value element of this name, or an empty text.
    QString Check(const QString& name)
    {
        static const QRegularExpression numbered(QStringLiteral("^Value_([0-9]{1,9})$"));
        const QRegularExpressionMatch match = numbered.match(name);
        if (!match.hasMatch())
        {
            return QString();
        }
        const int number = match.captured(1).toInt();
        if (number < d_highest && !d_warned)
        {
            d_warned = true;
            return TParameters::tr("Value_%1 stands before Value_%2; the values are taken in file order")
                .arg(d_highest)
                .arg(number);
        }
        d_highest = std::max(d_highest, number);
        return QString();
    }

private:
    int d_highest = 0;
    bool d_warned = false;
};

// Walks the prepared text with the stream parser, which reads it token by token as the document
// builder does, and notes for every value node of every parameter element where its text stands:
// the first child the builder keeps, if it is text, else where a text would go.
bool Find_Spots(const QString& prepared, std::vector<TParameterSpot>* parameters,
                std::vector<TWarning>* warnings)
{
    QXmlStreamReader reader(prepared);
    reader.setNamespaceProcessing(false);
    int depth = 0;
    TValueSpot* looking = nullptr; // the value whose first kept child is not known yet
    int content_start = 0;
    int boundary = 0; // where the last token looked at ends in the text
    TValueOrder order;

    const auto no_text = [&]()
    {
        // A text written here becomes the first child; the blanks before the next markup go.
        looking->place.kind = TValuePlace::PLACE_NO_TEXT;
        looking->place.offset = content_start;
        const int markup = prepared.indexOf(QLatin1Char('<'), content_start);
        looking->place.length = (markup < 0 ? prepared.size() : markup) - content_start;
        looking = nullptr;
    };

    while (!reader.atEnd())
    {
        const QXmlStreamReader::TokenType token = reader.readNext();
        const int line = static_cast<int>(reader.lineNumber());
        switch (token)
        {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (depth == 2)
            {
                parameters->push_back(TParameterSpot{reader.qualifiedName().toString(), line, {}});
                order.Start();
            }
            else if (depth == 3)
            {
                TParameterSpot& parameter = parameters->back();
                const QString name = reader.qualifiedName().toString();
                const QString disorder = order.Check(name);
                if (!disorder.isEmpty())
                {
                    warnings->push_back(TWarning{line, parameter.name + QStringLiteral(": ") + disorder});
                }
                parameter.values.push_back(TValueSpot{line, {}, {}, false, {}});
                looking = &parameter.values.back();
                looking->element_name = name;
                content_start = boundary = static_cast<int>(reader.characterOffset());
            }
            else if (depth == 4 && looking)
            {
                no_text();
            }
            break;
        case QXmlStreamReader::EndElement:
            if (depth == 3 && looking)
            {
                if (content_start >= 2 && prepared.at(content_start - 2) == QLatin1Char('/'))
                {
                    looking->place.kind = TValuePlace::PLACE_EMPTY_ELEMENT;
                    looking->place.offset = content_start - 2;
                    looking->place.length = 2;
                    looking = nullptr;
                }
                else
                {
                    no_text();
                }
            }
            if (depth == 2 && parameters->back().values.empty())
            {
                warnings->push_back(
                    TWarning{parameters->back().line,
                             parameters->back().name + TParameters::tr(": no value; the entry is "
                                                                       "left out")});
            }
            --depth;
            break;
        case QXmlStreamReader::Characters:
            if (depth == 3 && looking)
            {
                int start = boundary;
                int end = 0;
                if (reader.isCDATA())
                {
                    start = prepared.indexOf(QLatin1String("<![CDATA["), boundary);
                    end = prepared.indexOf(QLatin1String("]]>"), start) + 3;
                }
                else
                {
                    end = prepared.indexOf(QLatin1Char('<'), boundary);
                }
                if (start < 0 || end < start)
                {
                    return false;
                }
                boundary = end;
                if (Builder_Drops(reader))
                {
                    break;
                }
                looking->place.kind = reader.isCDATA() ? TValuePlace::PLACE_CDATA : TValuePlace::PLACE_TEXT;
                looking->place.offset = start;
                looking->place.length = end - start;
                looking->text = reader.text().toString();
                // A control character reads back from its stand-ins only in the document, and a lone
                // carriage return only the document drops.
                looking->comparable =
                    !Has_Stand_In(QStringView(prepared).mid(start, end - start)) &&
                    !QStringView(prepared).mid(start, end - start).contains(QLatin1Char('\r'));
                looking = nullptr;
            }
            break;
        case QXmlStreamReader::Comment:
            if (depth == 3 && looking)
            {
                no_text();
            }
            break;
        case QXmlStreamReader::ProcessingInstruction:
            if (depth == 3 && looking)
            {
                no_text();
            }
            else if (depth == 2)
            {
                // The reader takes a processing instruction for a value without a text.
                TValueSpot value{line, {}, {}, false, {}};
                value.place.kind = TValuePlace::PLACE_NONE;
                parameters->back().values.push_back(value);
            }
            break;
        default:
            break;
        }
    }
    return !reader.hasError();
}

// The stretch of a number's text without the blanks around it, which stay where they are.
void Trim_Number_Place(const QString& text, TValuePlace* place)
{
    const QStringView stretch = QStringView(text).mid(place->offset, place->length);
    if (stretch.contains(QLatin1Char('&')))
    {
        return;
    }
    int first = 0;
    int end = static_cast<int>(stretch.size());
    while (first < end && stretch.at(first).isSpace())
    {
        ++first;
    }
    while (end > first && stretch.at(end - 1).isSpace())
    {
        --end;
    }
    place->offset += first;
    place->length = end - first;
}

// The places found in the decoded text, turned into places in the file's bytes. They come in the
// order of the file, so each stretch between two of them is measured once.
void Map_To_Bytes(const QString& text, const TTextEncoding& encoding, std::vector<TValuePlace*>* places)
{
    int character = 0;
    int byte = encoding.Mark_Length();
    for (TValuePlace* place : *places)
    {
        byte += encoding.Byte_Length(QStringView(text).mid(character, place->offset - character));
        const int length = encoding.Byte_Length(QStringView(text).mid(place->offset, place->length));
        character = place->offset + place->length;
        place->offset = byte;
        place->length = length;
        byte += length;
    }
}

// Characters an XML 1.0 document can carry.
bool Is_Xml_Character(uint code_point)
{
    return code_point == 0x09 || code_point == 0x0A || code_point == 0x0D ||
           (code_point >= 0x20 && code_point <= 0xD7FF) || (code_point >= 0xE000 && code_point <= 0xFFFD) ||
           (code_point >= 0x10000 && code_point <= 0x10FFFF);
}

// A text as XML content: the markup characters escaped, a carriage return as a reference so that no
// reader folds it into a line end, and a character the encoding lacks as a reference. False for a
// character XML cannot carry at all.
bool Escaped(const QString& text, const TTextEncoding& encoding, QByteArray* bytes, QString* refusal)
{
    QString escaped;
    escaped.reserve(text.size());
    for (int position = 0; position < text.size(); ++position)
    {
        const QChar character = text.at(position);
        uint code_point = character.unicode();
        int units = 1;
        if (character.isHighSurrogate() && position + 1 < text.size() &&
            text.at(position + 1).isLowSurrogate())
        {
            code_point = QChar::surrogateToUcs4(character, text.at(position + 1));
            units = 2;
        }
        if (!Is_Xml_Character(code_point))
        {
            *refusal =
                TParameters::tr("a character XML cannot carry (U+%1)")
                    .arg(QString::number(code_point, 16).toUpper().rightJustified(4, QLatin1Char('0')));
            return false;
        }
        if (character == QLatin1Char('&'))
        {
            escaped += QStringLiteral("&amp;");
        }
        else if (character == QLatin1Char('<'))
        {
            escaped += QStringLiteral("&lt;");
        }
        else if (character == QLatin1Char('>'))
        {
            escaped += QStringLiteral("&gt;");
        }
        else if (character == QLatin1Char('\r'))
        {
            escaped += QStringLiteral("&#13;");
        }
        else if (code_point >= 0x80 && !encoding.Can_Encode(code_point))
        {
            escaped += QStringLiteral("&#x") + QString::number(code_point, 16).toUpper() + QLatin1Char(';');
        }
        else
        {
            escaped += QStringView(text).mid(position, units);
        }
        position += units - 1;
    }
    if (!encoding.Encode(escaped, bytes))
    {
        *refusal = TParameters::tr("a text the file's encoding %1 cannot write").arg(encoding.Name());
        return false;
    }
    return true;
}
} // namespace

ParameterFormat::TReading TSettingsFormat::Read(const QByteArray& content, const TParameters& model)
{
    ParameterFormat::TReading reading;

    // The records, as the document gives them; as a read in text mode gives the bytes.
    TXmlFile xml_file;
    xml_file.Open_Content(FileBytes::Without_Carriage_Returns(content), IDENTIFICATION, nullptr, true);
    std::vector<QStringList> texts; // each entry's value texts, as the document holds them
    std::vector<int> elements;      // each entry's position among the parameter elements
    int running_number = 1;
    int element = -1;
    QDomNode node = xml_file.GetFirstNode(xml_file.Root_Node(), false);
    while (!node.isNull())
    {
        element += node.isElement() ? 1 : 0;
        TParameters::TParameter record;
        record.key = node.nodeName();
        record.type = TParameters::TYPE_TEXT;

        QStringList values;
        QDomNode child = xml_file.GetFirstNode(&node, true);
        while (!child.isNull())
        {
            if (child.isComment())
            {
                record.description = child.nodeValue().trimmed();
            }
            else if (!child.isText())
            {
                values.append(xml_file.ReadTextNode(&child, true));
            }
            child = xml_file.GetSiblingNode(&child, true);
        }

        if (!values.isEmpty())
        {
            record.text_values = values;
            record.number = running_number++;
            reading.records.push_back(model.Convert_From_Text(record));
            reading.entries.emplace_back();
            texts.push_back(values);
            elements.push_back(element);
        }
        node = xml_file.GetSiblingNode(&node, true);
    }

    // Where the values stand, from the stream parser over the decoded file with every position kept.
    QString text;
    reading.encoding = TTextEncoding::Of_Xml_Content(content, &text);
    std::vector<TParameterSpot> parameters;
    const bool found = reading.encoding.Kind() != TTextEncoding::ENCODING_UNKNOWN &&
                       Find_Spots(XmlInput::Prepare_In_Place(text), &parameters, &reading.warnings);
    if (!found)
    {
        reading.unwritable =
            reading.encoding.Kind() == TTextEncoding::ENCODING_UNKNOWN
                ? TParameters::tr("its encoding %1 is read but not written").arg(reading.encoding.Name())
                : TParameters::tr("the places of its values could not be found");
        return reading;
    }

    std::vector<TValuePlace*> places;
    for (std::size_t index = 0; index < reading.entries.size(); ++index)
    {
        ParameterFormat::TEntry& entry = reading.entries[index];
        const TParameters::TParameter& read = reading.records[index];
        const auto position = static_cast<std::size_t>(elements[index]);
        const QStringList& values = texts[index];
        if (position >= parameters.size() || parameters[position].name != read.key ||
            parameters[position].values.size() != static_cast<std::size_t>(values.size()))
        {
            reading.unwritable =
                TParameters::tr("the places of the values of %1 could not be found").arg(read.key);
            return reading;
        }
        TParameterSpot& parameter = parameters[position];
        entry.line = parameter.line;
        entry.first_place = static_cast<int>(reading.places.size());
        entry.place_count = values.size();
        const bool number = TParameters::Value_Kind(read.type) != TParameters::KIND_TEXT;
        for (int value = 0; value < values.size(); ++value)
        {
            TValueSpot& spot = parameter.values[static_cast<std::size_t>(value)];
            const bool holds_text =
                spot.place.kind == TValuePlace::PLACE_TEXT || spot.place.kind == TValuePlace::PLACE_CDATA;
            // The document and the stream parser must have found the same text, or the place is wrong.
            if (holds_text ? spot.comparable && spot.text != values.at(value) : !values.at(value).isEmpty())
            {
                reading.unwritable = TParameters::tr("the place of value %1 of %2 could not be found")
                                         .arg(value + 1)
                                         .arg(read.key);
                return reading;
            }
            if (number && spot.place.kind == TValuePlace::PLACE_TEXT)
            {
                Trim_Number_Place(text, &spot.place);
            }
            if (spot.place.kind == TValuePlace::PLACE_EMPTY_ELEMENT)
            {
                spot.place.element_name = reading.element_names.size();
                reading.element_names.append(spot.element_name);
            }
            reading.places.push_back(spot.place);
        }
    }
    places.reserve(reading.places.size());
    for (TValuePlace& place : reading.places)
    {
        places.push_back(&place);
    }
    Map_To_Bytes(text, reading.encoding, &places);
    return reading;
}

bool TSettingsFormat::Write(const TSourceFile& source, const std::vector<TParameters::TParameter>& records,
                            QByteArray* content, QString* refusal)
{
    return ParameterFormat::Write(
        source, records,
        [&source](const TParameters::TParameter& record, int index, const TValuePlace& place,
                  ParameterFormat::TReplacement* replacement, QString* refusal)
        {
            const QString value_name = TParameters::tr("%1: value %2").arg(record.key).arg(index + 1);
            if (place.kind == TValuePlace::PLACE_NONE)
            {
                *refusal = value_name + TParameters::tr(" is a processing instruction, which holds no text");
                return false;
            }
            QString text;
            switch (TParameters::Value_Kind(record.type))
            {
            case TParameters::KIND_INTEGER:
                text = QString::number(record.integer_values.at(index));
                break;
            case TParameters::KIND_REAL:
            {
                QString old_text;
                if (place.kind == TValuePlace::PLACE_TEXT)
                {
                    source.encoding.Decode(source.bytes.mid(place.offset, place.length), &old_text);
                }
                // A real whose text read as a whole number would come back as an integer.
                text = NumberForm::Real_Text(record.double_values.at(index), old_text, true);
                break;
            }
            default:
                text = record.text_values.at(index);
                break;
            }

            QByteArray bytes;
            QString reason;
            if (!Escaped(text, source.encoding, &bytes, &reason))
            {
                *refusal = value_name + TParameters::tr(" holds ") + reason;
                return false;
            }
            replacement->offset = place.offset;
            replacement->length = place.length;
            switch (place.kind)
            {
            case TValuePlace::PLACE_CDATA:
            {
                QByteArray cdata;
                if (!text.contains(QLatin1String("]]>")) && !text.contains(QLatin1Char('\r')) &&
                    source.encoding.Encode(
                        QString(QStringLiteral("<![CDATA[") + text + QStringLiteral("]]>")), &cdata))
                {
                    bytes = cdata;
                }
                break;
            }
            case TValuePlace::PLACE_EMPTY_ELEMENT:
            {
                QByteArray end_tag;
                source.encoding.Encode(QString(QStringLiteral("</") +
                                               source.element_names.value(place.element_name) +
                                               QLatin1Char('>')),
                                       &end_tag);
                QByteArray close;
                source.encoding.Encode(QStringLiteral(">"), &close);
                bytes = close + bytes + end_tag;
                break;
            }
            default:
                break;
            }
            replacement->bytes = bytes;
            return true;
        },
        content, refusal);
}
