#pragma once

#include "textencoding.h"
#include "valueplace.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <vector>

// The file a parameter list was read from, as a save needs it: its bytes as read (or as last saved),
// where each record's value texts stand in them, the values those texts read as, and the encoding
// new texts are written in.
struct TSourceFile
{
    // One record of the list as the file holds it.
    struct TRecord
    {
        // False for a record the file does not hold: one added by hand, or kept from an earlier file.
        bool in_file = false;
        int line = 0;
        // The record's places, in value order, from first_place on.
        int first_place = 0;
        int place_count = 0;
        QVector<int> integer_values;
        QVector<double> double_values;
        QStringList text_values;
    };

    QByteArray bytes;
    int format = 0; // a TParameters::TFileFormat: the reader and writer that fit the bytes
    TTextEncoding encoding;
    std::vector<TValuePlace> places;
    // The names of the empty elements among the places.
    QStringList element_names;
    // One per record of the list, in list order.
    std::vector<TRecord> records;
    // Why these bytes cannot be written back by replacing value texts; empty when they can.
    QString unwritable;
};
