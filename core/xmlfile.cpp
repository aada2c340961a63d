#include "xmlfile.h"

#include "filebytes.h"
#include "xmlinput.h"

#include <QDomImplementation>
#include <QDomNamedNodeMap>
#include <QDomProcessingInstruction>
#include <QDomText>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

namespace
{
[[maybe_unused]] const char* const SOURCE_NAME = "core/xmlfile";

// A document type whose internal subset declares entities is how an "entity expansion" file is built:
// a few kilobytes that the parser turns into gigabytes of text. None of our files (rules, parameter
// settings) declare entities, so such a document is refused before the DOM parser expands anything.
// Only the prolog is looked at; the stream reader stops at the root element's start tag.
bool Declares_Entities(const QByteArray& content)
{
    QXmlStreamReader reader(content);
    while (!reader.atEnd())
    {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::DTD)
        {
            return !reader.entityDeclarations().isEmpty() ||
                   reader.text().contains(QLatin1String("<!ENTITY"));
        }
        if (token == QXmlStreamReader::StartElement || token == QXmlStreamReader::Invalid)
        {
            return false;
        }
    }
    return false;
}

[[noreturn]] void Throw_Xml_Error(const QString& message)
{
    throw TXmlFileException(message, TXmlFileException::XML_ERROR);
}

[[noreturn]] void Throw_Parse_Error(int line, int column, const QString& text)
{
    Throw_Xml_Error(TXmlFile::tr("ERR: Reference file XML parse error at line %1 column %2: %3")
                        .arg(line)
                        .arg(column)
                        .arg(text));
}

[[noreturn]] void Throw_Write_Error(const QString& file_name, const QString& reason)
{
    Throw_Xml_Error(TXmlFile::tr("ERR:  Cannot write file '%1'.  Reason: %2").arg(file_name, reason));
}

// The reads shared by the element and the node variants, which differ only in the name their
// messages give the node (an element's tag name, a node's local or node name).
QString Read_Text(const QDomNode& node, const QString& shown_name, bool optional)
{
    if (node.isNull())
    {
        Throw_Xml_Error(TXmlFile::tr("ERR:  Cannot read data from a NULL node"));
    }
    const QDomNode child = node.firstChild();
    if (child.isText())
    {
        return child.toText().data();
    }
    if (!optional)
    {
        Throw_Xml_Error(TXmlFile::tr("ERR: Node Text for '%1' is not optional.").arg(shown_name));
    }
    return QString();
}

QString Attribute_Or_Missing(bool found, const QString& value, const QString& attribute_name, bool optional)
{
    if (found)
    {
        return value;
    }
    if (!optional)
    {
        Throw_Xml_Error(
            TXmlFile::tr("ERR: Node attribute '%1' missing and not optional.").arg(attribute_name));
    }
    return QString();
}

QDomElement Child_Element(const QDomNode& node, const QString& name, const QString& shown_name, bool optional)
{
    if (node.isNull())
    {
        Throw_Xml_Error(TXmlFile::tr("ERR:  Cannot get child from a NULL node"));
    }
    const QDomElement child = node.firstChildElement(name);
    if (child.isNull() && !optional)
    {
        Throw_Xml_Error(
            TXmlFile::tr("ERR: Node '%1' is missing from node '%2' and not optional.").arg(name, shown_name));
    }
    return child;
}

QDomNode First_Child(const QDomNode& parent, const QString& shown_name, bool optional)
{
    const QDomNode child = parent.firstChild();
    if (child.isNull() && !optional)
    {
        Throw_Xml_Error(
            TXmlFile::tr("ERR: Parent '%1' does not have nodes and they are not optional.").arg(shown_name));
    }
    return child;
}
} // namespace

TXmlFileException::TXmlFileException(const QString& message, TExceptionType type)
    : d_message(message), d_type(type)
{
}

QString TXmlFileException::ErrorText() const
{
    return d_message;
}

TXmlFileException::TExceptionType TXmlFileException::Type() const
{
    return d_type;
}

TXmlFile::TXmlFile()
{
    // A node name or text that XML cannot carry must come back as a null node the writer can detect,
    // not as a silently "repaired" one that reads back as something else.
    QDomImplementation::setInvalidDataPolicy(QDomImplementation::ReturnNullNode);
}

void TXmlFile::Set_File_Name(const QString& file_name)
{
    d_file_name = file_name;
}

QString TXmlFile::File_Name() const
{
    return d_file_name;
}

QDomElement* TXmlFile::Root_Node()
{
    return &d_root_node;
}

QString TXmlFile::Document_Type() const
{
    return d_document_type;
}

namespace
{
// Sets the DOM's process-wide policy for invalid data for one scope and restores the previous one.
class TInvalidDataPolicyScope
{
public:
    explicit TInvalidDataPolicyScope(QDomImplementation::InvalidDataPolicy policy)
        : d_previous(QDomImplementation::invalidDataPolicy())
    {
        QDomImplementation::setInvalidDataPolicy(policy);
    }
    ~TInvalidDataPolicyScope() { QDomImplementation::setInvalidDataPolicy(d_previous); }
    TInvalidDataPolicyScope(const TInvalidDataPolicyScope&) = delete;
    TInvalidDataPolicyScope& operator=(const TInvalidDataPolicyScope&) = delete;

private:
    QDomImplementation::InvalidDataPolicy d_previous;
};
// Parses a file's content into document; throws the parse error with the file's line and column.
void Parse(QDomDocument* document, const QByteArray& content, bool namespace_processing)
{
    // The parser builds its text nodes through the same factory as the writer, whose policy turns a
    // character XML forbids into a null node. The stand-ins the input carries are valid, but the
    // tolerant policy is kept while parsing so that no such node can ever reach the tree.
    const TInvalidDataPolicyScope tolerant(QDomImplementation::AcceptInvalidChars);
    const XmlInput::TPrepared input = XmlInput::Prepare(content);
    if (!input.refusal.isEmpty())
    {
        Throw_Parse_Error(input.refusal_line, input.refusal_column, input.refusal);
    }
    QXmlStreamReader reader;
    if (input.decoded)
    {
        reader.addData(input.text);
    }
    else
    {
        reader.addData(input.bytes);
    }
    // The stream reader refuses a namespace prefix that no declaration binds; our files bind none
    // and the readers look at local names only, so the document builder alone splits the names.
    reader.setNamespaceProcessing(false);
    QString error_text;
    int error_line = 0;
    int error_column = 0;
    if (!document->setContent(&reader, namespace_processing, &error_text, &error_line, &error_column))
    {
        Throw_Parse_Error(error_line, error_column, error_text);
    }
    if (input.has_stand_ins)
    {
        XmlInput::Restore_Control_Characters(*document);
    }
}
} // namespace

void TXmlFile::Open(const QString& identification, int* version, bool namespace_processing)
{
    // Taken as a read in text mode gives it, carriage returns dropped.
    Open_Content(FileBytes::Without_Carriage_Returns(Read_Content()), identification, version,
                 namespace_processing);
}

QByteArray TXmlFile::Read_Content() const
{
    const QFileInfo file_info(d_file_name);
    if (!file_info.isReadable())
    {
        throw TXmlFileException(TXmlFile::tr("ERR:  Cannot open file '%1' for reading.").arg(d_file_name),
                                TXmlFileException::FILE_ERROR);
    }
    QByteArray content;
    QString reason;
    if (!FileBytes::Read(d_file_name, &content, &reason))
    {
        throw TXmlFileException(
            TXmlFile::tr("ERR:  Cannot open file: '%1'.  Reason: %2").arg(d_file_name, reason),
            TXmlFileException::FILE_ERROR);
    }
    return content;
}

void TXmlFile::Open_Content(const QByteArray& content, const QString& identification, int* version,
                            bool namespace_processing)
{
    if (Declares_Entities(content))
    {
        throw TXmlFileException(
            TXmlFile::tr("ERR:  Cannot read file '%1'.  Reason: its document type declares entities")
                .arg(d_file_name),
            TXmlFileException::XML_ERROR);
    }

    Parse(&d_document, content, namespace_processing);

    d_root_node = d_document.documentElement();
    if (d_root_node.tagName() != identification)
    {
        throw TXmlFileException(TXmlFile::tr("ERR:  Identification '%1' does not match '%2'")
                                    .arg(identification, d_root_node.tagName()),
                                TXmlFileException::XML_ERROR);
    }

    d_document_type = d_document.doctype().name();
    d_identification = identification;

    if (version)
    {
        if (!d_root_node.hasAttribute(QStringLiteral("File_Version")))
        {
            throw TXmlFileException(TXmlFile::tr("ERR: The 'File_Version' attribute is missing."),
                                    TXmlFileException::XML_ERROR);
        }
        bool ok = false;
        const int value = d_root_node.attribute(QStringLiteral("File_Version")).toInt(&ok, 10);
        *version = ok ? value : 0;
    }
}

void TXmlFile::Reset(const QString& identification, int version)
{
    d_document = QDomDocument();
    d_document.appendChild(d_document.createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"utf-8\"")));
    d_root_node = d_document.createElement(identification);
    d_root_node.setAttribute(QStringLiteral("File_Version"), QString::number(version));
    d_document.appendChild(d_root_node);
}

void TXmlFile::WriteXmlFile(bool compact)
{
    const QFileInfo file_info(d_file_name);
    if (file_info.exists() && !file_info.isWritable())
    {
        throw TXmlFileException(TXmlFile::tr("ERR:  Cannot open file '%1' for writing").arg(d_file_name),
                                TXmlFileException::FILE_ERROR);
    }

    // The new content replaces the old file only once it is complete: a crash or a full disk halfway
    // through must not cost the user the rules file they already had.
    QString reason;
    if (!FileBytes::Write_Atomically(
            d_file_name, [this, compact](QIODevice* device) { return Write_Document(device, compact); },
            &reason))
    {
        Throw_Write_Error(d_file_name, reason);
    }
}

bool TXmlFile::Write_Document(QIODevice* device, bool compact) const
{
    // The declaration names UTF-8 and every document of this system is UTF-8, with or without one.
    const QByteArray content = d_document.toByteArray(compact ? -1 : 4);
    return device->write(content) == content.size();
}

void TXmlFile::Write_To(QIODevice* device, bool compact)
{
    if (!Write_Document(device, compact))
    {
        Throw_Write_Error(d_file_name, device->errorString());
    }
}

void TXmlFile::Clear()
{
    d_document.clear();
    d_root_node = QDomElement();
}

QString TXmlFile::ReadTextNode(const QDomElement* node, bool optional) const
{
    Q_ASSERT_X(node != nullptr, SOURCE_NAME, "Node");
    return Read_Text(*node, node->tagName(), optional);
}

QString TXmlFile::ReadTextNode(const QDomNode* node, bool optional) const
{
    Q_ASSERT_X(node != nullptr, SOURCE_NAME, "Node");
    return Read_Text(*node, node->localName(), optional);
}

QString TXmlFile::ReadAttribute(const QDomElement* node, const QString& attribute_name, bool optional) const
{
    Q_ASSERT_X(node != nullptr, SOURCE_NAME, "Node");
    if (node->isNull())
    {
        Throw_Xml_Error(TXmlFile::tr("ERR:  Cannot read attribute from a NULL node"));
    }
    return Attribute_Or_Missing(node->hasAttribute(attribute_name), node->attribute(attribute_name),
                                attribute_name, optional);
}

QString TXmlFile::ReadAttribute(const QDomNode* node, const QString& attribute_name, bool optional) const
{
    Q_ASSERT_X(node != nullptr, SOURCE_NAME, "Node");
    if (node->isNull())
    {
        Throw_Xml_Error(TXmlFile::tr("ERR:  Cannot read attribute from a NULL node"));
    }
    const QDomNode attribute = node->attributes().namedItem(attribute_name);
    return Attribute_Or_Missing(!attribute.isNull(), attribute.toAttr().value(), attribute_name, optional);
}

QDomElement TXmlFile::GetNode(const QDomElement* node, const QString& name, bool optional) const
{
    Q_ASSERT_X(node != nullptr, SOURCE_NAME, "Node");
    return Child_Element(*node, name, node->tagName(), optional);
}

QDomElement TXmlFile::GetNode(const QDomNode* node, const QString& name, bool optional) const
{
    Q_ASSERT_X(node != nullptr, SOURCE_NAME, "Node");
    return Child_Element(*node, name, node->nodeName(), optional);
}

QDomElement TXmlFile::GetSiblingNode(const QDomElement* current_node, const QString& name,
                                     bool optional) const
{
    Q_ASSERT_X(current_node != nullptr, SOURCE_NAME, "CurrentNode");
    if (current_node->isNull())
    {
        throw TXmlFileException(TXmlFile::tr("ERR:  Cannot get sibling from a NULL node"),
                                TXmlFileException::XML_ERROR);
    }
    const QDomElement sibling = current_node->nextSiblingElement(name);
    if (sibling.isNull() && !optional)
    {
        throw TXmlFileException(TXmlFile::tr("ERR: Node '%1' is missing from node '%2' and not optional.")
                                    .arg(name, current_node->tagName()),
                                TXmlFileException::XML_ERROR);
    }
    return sibling;
}

QDomNode TXmlFile::GetFirstNode(const QDomElement* parent, bool optional) const
{
    Q_ASSERT_X(parent != nullptr, SOURCE_NAME, "Parent");
    return First_Child(*parent, parent->tagName(), optional);
}

QDomNode TXmlFile::GetFirstNode(const QDomNode* parent, bool optional) const
{
    Q_ASSERT_X(parent != nullptr, SOURCE_NAME, "Parent");
    return First_Child(*parent, parent->localName(), optional);
}

QDomNode TXmlFile::GetSiblingNode(const QDomNode* current_node, bool optional) const
{
    Q_ASSERT_X(current_node != nullptr, SOURCE_NAME, "CurrentNode");
    const QDomNode sibling = current_node->nextSibling();
    if (sibling.isNull() && !optional)
    {
        throw TXmlFileException(
            TXmlFile::tr("ERR: Node '%1' does not have siblings and they are not optional.")
                .arg(current_node->localName()),
            TXmlFileException::XML_ERROR);
    }
    return sibling;
}

QDomElement TXmlFile::CreateNode(QDomElement* parent, const QString& name)
{
    Q_ASSERT_X(parent != nullptr, SOURCE_NAME, "Parent");
    if (parent->isNull())
    {
        throw TXmlFileException(TXmlFile::tr("ERR:  Cannot create node from a NULL node"),
                                TXmlFileException::XML_ERROR);
    }
    if (name.isEmpty())
    {
        throw TXmlFileException(TXmlFile::tr("ERR:  Cannot create an unnamed node"),
                                TXmlFileException::XML_ERROR);
    }
    QDomElement element = d_document.createElement(name);
    parent->appendChild(element);
    return element;
}

void TXmlFile::WriteTextNode(QDomElement* node, const QString& text)
{
    Q_ASSERT_X(node != nullptr, SOURCE_NAME, "Node");
    if (node->isNull())
    {
        throw TXmlFileException(TXmlFile::tr("ERR:  Cannot append data to a NULL node"),
                                TXmlFileException::XML_ERROR);
    }
    QDomText text_node = d_document.createTextNode(text);
    if (text_node.isNull() && Is_Xml_Text(text))
    {
        // The DOM checks one UTF-16 unit at a time and refuses both halves of a character beyond the
        // Basic Multilingual Plane, which XML allows and the UTF-8 file carries unchanged.
        const TInvalidDataPolicyScope tolerant(QDomImplementation::AcceptInvalidChars);
        text_node = d_document.createTextNode(text);
    }
    if (text_node.isNull())
    {
        throw TXmlFileException(
            TXmlFile::tr("ERR:  Cannot write node '%1' with data '%2'").arg(node->tagName(), text),
            TXmlFileException::XML_ERROR);
    }
    node->appendChild(text_node);
}

void TXmlFile::WriteTextNode(QDomElement* node, const double& value, int precision)
{
    WriteTextNode(node, QString::number(value, 'f', precision));
}

void TXmlFile::WriteTextNode(QDomElement* node, int value)
{
    WriteTextNode(node, QString::number(value));
}

void TXmlFile::WriteAttribute(QDomElement* node, const QString& name, const QString& text)
{
    Q_ASSERT_X(node != nullptr, SOURCE_NAME, "Node");
    if (name.isEmpty())
    {
        throw TXmlFileException(TXmlFile::tr("ERR:  Cannot create an unnamed attribute"),
                                TXmlFileException::XML_ERROR);
    }
    if (!node->isNull())
    {
        node->setAttribute(name, text);
    }
}

void TXmlFile::WriteAttribute(QDomElement* node, const QString& name, const double& value, int precision)
{
    WriteAttribute(node, name, QString::number(value, 'f', precision));
}

void TXmlFile::WriteAttribute(QDomElement* node, const QString& name, int value)
{
    WriteAttribute(node, name, QString::number(value));
}

bool TXmlFile::Is_Xml_Text(const QString& text)
{
    const int size = text.size();
    for (int position = 0; position < size; ++position)
    {
        const ushort unit = text.at(position).unicode();
        if (QChar::isHighSurrogate(unit))
        {
            // A character beyond U+FFFF: both halves, in order, or none.
            if (position + 1 >= size || !text.at(position + 1).isLowSurrogate())
            {
                return false;
            }
            ++position;
            continue;
        }
        if (QChar::isLowSurrogate(unit))
        {
            return false;
        }
        if (unit < 0x20 && unit != 0x09 && unit != 0x0A && unit != 0x0D)
        {
            return false;
        }
        if (unit == 0xFFFE || unit == 0xFFFF)
        {
            return false;
        }
    }
    return true;
}
