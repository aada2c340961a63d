#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// The encoding a parameter settings file's bytes are in, found as the XML reader finds it, so that a
// save writes a new text in the same encoding and knows how many bytes a stretch of the decoded text
// takes.
class TTextEncoding
{
public:
    enum TKind
    {
        ENCODING_UNKNOWN = 0, // no text can be written: an encoding this program cannot write
        ENCODING_UTF8 = 1,
        ENCODING_LATIN1 = 2,
        ENCODING_UTF16_LE = 3,
        ENCODING_UTF16_BE = 4,
        ENCODING_NAMED = 5 // another encoding the XML declaration names
    };

    TTextEncoding() = default;

    // The encoding of an XML file's content, as the reader decodes it, and the text decoded from it
    // after the byte order mark.
    static TTextEncoding Of_Xml_Content(const QByteArray& content, QString* text);

    TKind Kind() const;
    // The name to give the user: "UTF-8", "ISO-8859-1", or the declared name.
    QString Name() const;
    // Bytes of byte order mark before the text.
    int Mark_Length() const;

    // The bytes a stretch of decoded text takes in the file.
    int Byte_Length(QStringView text) const;
    // The text in this encoding. False when a character cannot be written in it; `unencodable` then
    // gives the first such character's code point.
    bool Encode(QStringView text, QByteArray* bytes, uint* unencodable = nullptr) const;
    bool Can_Encode(uint code_point) const;
    // Bytes of the file decoded; false when they are not text in this encoding.
    bool Decode(const QByteArray& bytes, QString* text) const;

private:
    TTextEncoding(TKind kind, const QByteArray& name, int mark_length);
    static TTextEncoding Of_Latin1(const QByteArray& content, QString* text);

    TKind d_kind = ENCODING_UNKNOWN;
    QByteArray d_name;
    int d_mark_length = 0;
};
