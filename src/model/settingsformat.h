#pragma once

#include "parameterformat.h"

// The parameter settings file: an XML document with one element per parameter and one child element
// per value. Its records are read through the XML layer's document, as they always were; a second pass
// over the same text with the stream parser finds where each value's text stands, so that a save
// replaces only the texts of changed values and keeps every comment, attribute, reference and blank.
class TSettingsFormat
{
public:
    // The entries of a file's bytes in file order, each as the list is offered it (its texts turned
    // into numbers by the model's conversion), and what the reader left out. Throws TXmlFileException
    // as the XML layer words it.
    static ParameterFormat::TReading Read(const QByteArray& content, const TParameters& model);

    // The bytes of source with every changed value of records written in its place: numbers in the
    // notation of the text they replace, texts escaped as XML requires in the file's encoding (a
    // character the encoding lacks as a character reference). A character XML cannot carry is refused.
    static bool Write(const TSourceFile& source, const std::vector<TParameters::TParameter>& records,
                      QByteArray* content, QString* refusal);
};
