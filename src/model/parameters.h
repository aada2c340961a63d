#pragma once

#include "expression.h"
#include "utilities.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <vector>

// The in-memory model of one loaded controller parameter list, its two readers and the change report.
class TParameters
{
public:
    enum TParameterType
    {
        TYPE_NOT_SET = 0,
        TYPE_INTEGER = 1,
        TYPE_DOUBLE = 2,
        TYPE_TEXT = 3,
        TYPE_INTEGER_ARRAY = 4,
        TYPE_DOUBLE_ARRAY = 5,
        TYPE_TEXT_ARRAY = 6,
        TYPE_INTEGER_BIT_PATTERN = 7
    };

    enum TFileFormat
    {
        FORMAT_NOT_SET = 0,
        FORMAT_MACHINE_CONSTANTS = 1,
        FORMAT_PARAMETER_SETTINGS = 2
    };

    struct TParameter
    {
        QString key;
        QString name;
        QString description;
        int type = TYPE_NOT_SET;
        int number = 0;
        bool changed = false;
        QVector<int> integer_values;
        QVector<double> double_values;
        QStringList text_values;
        QVector<int> original_integer_values;
        QVector<double> original_double_values;
        QStringList original_text_values;
    };

    TParameters();

    void Reset();

    bool Load_Parameter_File(const QString& file_name);
    bool Load_Constants_File(const QByteArray& content);
    bool Load_XML_File(const QString& file_name);

    QString Get_Constants_Description(const int& number) const;

    bool Write_Parameter_Data(const QString& file_name, Utilities::TExportOptions& options) const;

    QString Last_Error() const;

    TParameter Get_Parameter(const QString& key, bool* found = nullptr) const;
    // The stored record of a key without a copy, or null; valid until the list changes.
    const TParameter* Find_Parameter(const QString& key) const;
    QStringList Get_Parameter_List(const QString& filter) const;
    bool Add_Parameter(const TParameter& parameter);
    void Update_Parameter(const TParameter& parameter);

    QString Format_Value(const QString& text) const;
    TParameter Convert_From_Text(const TParameter& parameter) const;
    std::vector<TExpression::TVariable> Get_Variables(int* longest_name_length = nullptr) const;

    TFileFormat File_Format() const;
    int Parameter_Count() const;
    // The records in list order, for readers of the whole list (export, listings, comparisons).
    const std::vector<TParameter>& Parameters() const;

private:
    std::vector<TParameter> d_parameter_records;
    QHash<QString, int> d_key_index; // key -> position in d_parameter_records
    TFileFormat d_file_format = FORMAT_NOT_SET;
    mutable QString d_last_error;
};
