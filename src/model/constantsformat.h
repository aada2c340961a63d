#pragma once

#include "parameterformat.h"

// The machine constants file: fixed-column header lines, each followed by its value lines, one value a
// line. Read from the bytes in one pass that notes where each value's text stands, and written back by
// replacing only the texts of changed values.
class TConstantsFormat
{
public:
    // The entries of a file's bytes in file order, each as the list is offered it, with the catalogue
    // description the model gives its number; and what the reader had to cut or leave out. A read that
    // only checks keys, types and values leaves the names and descriptions out.
    static ParameterFormat::TReading Read(const QByteArray& content, const TParameters& model,
                                          bool names_and_descriptions = true);

    // The bytes of source with every changed value of records written in its place: an integer in
    // decimal, a real in the notation of the text it replaces.
    static bool Write(const TSourceFile& source, const std::vector<TParameters::TParameter>& records,
                      QByteArray* content, QString* refusal);
};
