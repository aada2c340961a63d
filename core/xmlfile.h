#pragma once

#include <QCoreApplication>
#include <QDomDocument>
#include <QDomElement>
#include <QDomNode>
#include <QString>

class QIODevice;

// The one failure type of the XML layer: a complete message ready to show, and its kind.
class TXmlFileException
{
public:
    enum TExceptionType
    {
        FILE_ERROR = 0,
        XML_ERROR = 1
    };

    TXmlFileException(const QString& message, TExceptionType type);

    QString ErrorText() const;
    TExceptionType Type() const;

private:
    QString d_message;
    TExceptionType d_type;
};

// One XML document and the file it comes from or goes to. Every file has a root element named by its
// identification and, where asked for, a File_Version attribute; every failure is thrown as a
// TXmlFileException whose text starts with "ERR:".
class TXmlFile
{
    // Its words, in the window's language where a translator is installed (the command line has none).
    Q_DECLARE_TR_FUNCTIONS(TXmlFile)

public:
    TXmlFile();

    void Set_File_Name(const QString& file_name);
    QString File_Name() const;
    QDomElement* Root_Node();
    QString Document_Type() const;

    void Open(const QString& identification, int* version, bool namespace_processing);
    // Open's two steps, for a reader that keeps the bytes: the file's bytes as they are, with Open's
    // messages when it cannot be read, and the checks and parse of content as if it were the file's.
    QByteArray Read_Content() const;
    void Open_Content(const QByteArray& content, const QString& identification, int* version,
                      bool namespace_processing);
    void Reset(const QString& identification, int version);
    void WriteXmlFile(bool compact);
    // The document as WriteXmlFile writes it, to an open device; throws when the device refuses it.
    void Write_To(QIODevice* device, bool compact);
    void Clear();

    QString ReadTextNode(const QDomElement* node, bool optional) const;
    QString ReadTextNode(const QDomNode* node, bool optional) const;
    QString ReadAttribute(const QDomElement* node, const QString& attribute_name, bool optional) const;
    QString ReadAttribute(const QDomNode* node, const QString& attribute_name, bool optional) const;
    QDomElement GetNode(const QDomElement* node, const QString& name, bool optional) const;
    QDomElement GetNode(const QDomNode* node, const QString& name, bool optional) const;
    QDomElement GetSiblingNode(const QDomElement* current_node, const QString& name, bool optional) const;
    QDomNode GetFirstNode(const QDomElement* parent, bool optional) const;
    QDomNode GetFirstNode(const QDomNode* parent, bool optional) const;
    QDomNode GetSiblingNode(const QDomNode* current_node, bool optional) const;

    QDomElement CreateNode(QDomElement* parent, const QString& name);
    void WriteTextNode(QDomElement* node, const QString& text);
    void WriteTextNode(QDomElement* node, const double& value, int precision);
    void WriteTextNode(QDomElement* node, int value);
    void WriteAttribute(QDomElement* node, const QString& name, const QString& text);
    void WriteAttribute(QDomElement* node, const QString& name, const double& value, int precision);
    void WriteAttribute(QDomElement* node, const QString& name, int value);

    // True when every character of the text may stand in an XML 1.0 document, a character beyond the
    // Basic Multilingual Plane (two UTF-16 halves) counting as one: what WriteTextNode can write.
    static bool Is_Xml_Text(const QString& text);

private:
    bool Write_Document(QIODevice* device, bool compact) const;

    QDomDocument d_document;
    QDomElement d_root_node;
    QString d_file_name;
    QString d_identification;
    QString d_document_type;
};
