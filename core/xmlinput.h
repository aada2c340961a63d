#pragma once

#include <QByteArray>
#include <QString>

class QDomNode;

// Hand-edited parameter settings and rules files are not always strict XML: they hold control
// characters (raw, or as references such as &#1;), declare XML 1.1, or were saved as Latin-1 without
// saying so. The strict stream parser refuses all of that, so a file's bytes are prepared here into
// what it reads faithfully, and the control characters are put back into the parsed document.
namespace XmlInput
{
struct TPrepared
{
    // Decoded text when the file is UTF-8 or names no encoding; else the bytes, for the parser to
    // decode as their declaration says.
    bool decoded = false;
    QString text;
    QByteArray bytes;
    // True when control characters were replaced by stand-ins that Restore_Control_Characters undoes.
    bool has_stand_ins = false;
    // Set when the file cannot be read faithfully: why, and the line and column where it starts.
    QString refusal;
    int refusal_line = 0;
    int refusal_column = 0;
};

TPrepared Prepare(const QByteArray& content);

// A decoded file prepared for the parser as Prepare prepares it, with every character kept in its
// place: a control character, and each character of a reference to one, becomes a stand-in, and the
// encoding declaration blanks. For finding where the parsed texts stand in the file; a text that held
// a control character does not read as it did.
QString Prepare_In_Place(QString text);

// The encoding the XML declaration at the start of content names, as written (empty when none), and
// whether a name is one of those Prepare reads as Latin-1.
QString Declared_Encoding_Name(const QByteArray& content);
bool Is_Latin1_Encoding_Name(const QString& name);
// UTF-8 as Prepare takes it: the whole content or nothing, so that Latin-1 is never taken for broken
// UTF-8.
bool Decode_Strict_Utf8(const QByteArray& content, QString* text);

// Puts the control characters back in every text, CDATA section and attribute value below node.
void Restore_Control_Characters(const QDomNode& node);
} // namespace XmlInput
