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

// Puts the control characters back in every text, CDATA section and attribute value below node.
void Restore_Control_Characters(const QDomNode& node);
} // namespace XmlInput
