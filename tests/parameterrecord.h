#pragma once

#include "parameters.h"

// A parameter record with the fields the model tests set: its key, its type and its current values.
inline TParameters::TParameter Record(const QString& key, int type, const QVector<int>& integers = {},
                                      const QVector<double>& doubles = {}, const QStringList& texts = {})
{
    TParameters::TParameter record;
    record.key = key;
    record.type = type;
    record.integer_values = integers;
    record.double_values = doubles;
    record.text_values = texts;
    return record;
}
