#pragma once

#include "expression.h"
#include "sourcefile.h"
#include "utilities.h"

#include <QCoreApplication>
#include <QHash>
#include <QSharedData>
#include <QSharedDataPointer>
#include <QString>
#include <QStringList>
#include <QVector>
#include <vector>

class QIODevice;

namespace ParameterFormat
{
struct TReading;
}

// The in-memory model of one loaded controller parameter list, its two readers and the change report.
class TParameters
{
    // Its words, in the window's language where a translator is installed (the command line has none).
    Q_DECLARE_TR_FUNCTIONS(TParameters)

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

    // Which of the three value lists a type keeps its values in.
    enum TValueKind
    {
        KIND_NONE = 0,
        KIND_INTEGER = 1,
        KIND_REAL = 2,
        KIND_TEXT = 3
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
    // Whether a machine constants file's names and descriptions are read (the default); a check of
    // values against rules reads none, and so a big file takes less room while it loads.
    void Set_Reading_Names(bool read_names);
    bool Load_Constants_File(const QByteArray& content);
    bool Load_XML_File(const QString& file_name);

    QString Get_Constants_Description(const int& number) const;

    bool Write_Parameter_Data(const QString& file_name, Utilities::TExportOptions& options) const;
    // The same report written to an open device, for callers that keep it in memory or send it on.
    bool Write_Parameter_Data(QIODevice* device, const Utilities::TExportOptions& options) const;

    QString Last_Error() const;

    TParameter Get_Parameter(const QString& key, bool* found = nullptr) const;
    // The stored record of a key without a copy, or null; valid until the list changes.
    const TParameter* Find_Parameter(const QString& key) const;
    // The position of a key in list order, or -1.
    int Parameter_Index(const QString& key) const;
    QStringList Get_Parameter_List(const QString& filter) const;
    bool Add_Parameter(const TParameter& parameter);
    bool Add_Parameter(TParameter&& parameter);
    void Update_Parameter(const TParameter& parameter);

    // The values of a record, whatever its type: how many, each as text, and each set from text. A
    // text that is no value of the record's kind is refused with the reason, and the record is kept.
    static TValueKind Value_Kind(int type);
    static int Value_Count(const TParameter& parameter);
    static QString Value_Text(const TParameter& parameter, int index);
    static bool Set_Value_Text(TParameter* parameter, int index, const QString& text,
                               QString* refusal = nullptr);

    // The one way an edit reaches the list: the record of `edited`'s key takes its current values.
    // The values it was loaded with stay as the originals, and it counts as changed exactly while its
    // values differ from them, so that taking an edit back makes it unchanged again. False for a key
    // that is not in the list.
    bool Edit_Parameter(const TParameter& edited);
    // The record as it was loaded: its current values replaced by the originals of a changed record.
    TParameter Loaded_Parameter(const QString& key) const;
    int Changed_Count() const;

    QString Format_Value(const QString& text) const;
    TParameter Convert_From_Text(const TParameter& parameter) const;
    std::vector<TExpression::TVariable> Get_Variables(int* longest_name_length = nullptr) const;
    // One record's share of Get_Variables: how many variables it gives and the length of its longest
    // name, without making them; and its variables, added to `variables`.
    static int Variable_Count(const TParameter& parameter, int* longest_name_length = nullptr);
    static void Add_Variables(const TParameter& parameter, std::vector<TExpression::TVariable>* variables);

    TFileFormat File_Format() const;
    // The format a file's first bytes announce, as Open tells the two apart: FORMAT_NOT_SET for a file
    // too short to tell or of another kind. Format_Of_File reads only those first bytes.
    static TFileFormat Format_Of_Content(const QByteArray& content);
    // The first bytes a file's format is told by, as a read in text mode gives them (without carriage
    // returns); shorter than the test needs for a file too small to be a parameter file.
    static QByteArray Format_Test_Head(const QByteArray& content);
    static TFileFormat Format_Of_File(const QString& file_name);
    int Parameter_Count() const;
    // The records in list order, for readers of the whole list (export, listings, comparisons).
    const std::vector<TParameter>& Parameters() const;
    // The same records, shared until either side changes them: a check on another core reads them
    // while the user goes on editing, and the list copies its records only for an edit made while they
    // are shared (implicit sharing, safe across threads). Read it through a const reference only.
    struct TRecordList : QSharedData
    {
        std::vector<TParameter> records;
    };
    QSharedDataPointer<TRecordList> Shared_Parameters() const;

    // What the last read cut or left out, one text a place: "line 12: TTP_DECL: ...". The records
    // are as the reader always gave them; these say where the file did not read as it was meant.
    QStringList Load_Warnings() const;

    // Whether two records hold the same values bit for bit, as a file written from one reads back as
    // the other (0 and -0 differ, a not-a-number equals the same not-a-number).
    static bool Same_Stored_Values(const TParameter& a, const TParameter& b);

    // Saving the file the list was read from. Every byte stays as read but the texts of the values
    // that differ from what their texts read as; each of those is written in the form of the text it
    // replaces. The bytes are read back with the same reader before anything is written, and every
    // record must come back with its key, type and values bit for bit. False with the reason in
    // Last_Error; the list and the file on disk are then as they were.
    bool Save_Content(QByteArray* content) const;
    // The save over file_name, written whole or not at all. With keep_backup (the caller's first save
    // over this file in the session) the file as it is on disk is first kept beside it as FILE.bak,
    // replacing an older one, and backup_file_name names it (empty when there was no file to keep).
    bool Save_Parameter_File(const QString& file_name, bool keep_backup, QString* backup_file_name = nullptr);
    bool Save_Parameter_File(QIODevice* device);
    // A file of the list's format that holds only the parameters of `keys` (in list order) with their
    // current values, so that a set of changes can travel to other machines: the file's opening lines
    // and, for each parameter, its entry as the save would write it, comments and blanks within it
    // included. Read back like a save before it is given; false with the reason in Last_Error.
    bool Partial_Content(const QStringList& keys, QByteArray* content) const;
    // After a save the bytes kept are those saved: the list is then what the file on disk holds, while
    // the originals, the changed marks and Changed_Count still refer to the values it was opened with.

    enum TFileState
    {
        FILE_SAME = 0,    // the file holds the bytes last read or saved
        FILE_CHANGED = 1, // another program wrote it meanwhile (or it cannot be read)
        FILE_VANISHED = 2
    };
    // The file on disk compared with the bytes last read or saved, by content.
    TFileState Check_File(const QString& file_name) const;
    // A fingerprint of the bytes last read or saved (SHA-256 in hexadecimal), and of any bytes.
    QByteArray Fingerprint() const;
    static QByteArray Fingerprint_Of(const QByteArray& bytes);

    // For a caller that only reads the list (a check, a listing, a comparison): lets go of the bytes
    // and value places that a save needs, a third of the memory a big file takes. A save after this
    // is refused with the reason.
    void Let_Go_Of_Source();

    // Whether values differ from those the file on disk holds (edits not saved), which keys, and a
    // record with the values its file holds.
    bool Differs_From_File() const;
    QStringList Unsaved_Keys() const;
    TParameter File_Parameter(const QString& key) const;

private:
    TParameter* Stored_Parameter(const QString& key);
    // Files a record that is to stand at `position` under its key, unless it is a separator row or
    // its key is taken; Add_Parameter and a load in place then put it there.
    bool File_Record(const TParameter& record, std::size_t position);
    bool Keep_In_Place(std::size_t index, std::size_t* kept);
    static void Replace_Values(TParameter* stored, const TParameter& incoming);
    bool Report_Layout_Known(const Utilities::TExportOptions& options) const;
    QString Report_Text(const Utilities::TExportOptions& options) const;
    // Takes a reader's entries into the list and keeps the bytes and places a save needs.
    void Take_Reading(ParameterFormat::TReading&& reading, const QByteArray& content, TFileFormat format);
    bool Load_Settings_Content(const QByteArray& content);
    bool Verified_Content(QByteArray* content, TSourceFile* saved, QString* reason) const;
    static bool Is_Separator_Key(const QString& key);
    bool Differs_From_File(std::size_t index) const;

    // The list's records, for reading and for changing (which first copies records shared with a
    // reader); null only in a list that was moved from.
    const std::vector<TParameter>& Records() const;
    std::vector<TParameter>& Records();
    QSharedDataPointer<TRecordList> d_records;
    QHash<QString, int> d_key_index; // key -> position in the records
    // Kept by every change of a record's flag: the window asks after each edit.
    int d_changed_count = 0;
    TFileFormat d_file_format = FORMAT_NOT_SET;
    bool d_read_names = true;
    mutable QString d_last_error;
    // The file the list was read from, as a save needs it, and what its read left out.
    TSourceFile d_source;
    // The fingerprint of d_source.bytes, made when first asked for: the recovery journal names it on
    // every edit, and hashing a big file each time cost more than the edit. Emptied with the bytes.
    mutable QByteArray d_fingerprint;
    QStringList d_load_warnings;
};
