// Saving the parameter file a list was read from: written exactly, verified, kept as a backup, and
// compared with what is on disk.
#include "constantsformat.h"
#include "filebytes.h"
#include "numberform.h"
#include "parametercomparison.h"
#include "parameters.h"
#include "settingsformat.h"
#include "xmlfile.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QIODevice>

namespace
{
bool Same_Reals(const QVector<double>& a, const QVector<double>& b)
{
    if (a.size() != b.size())
    {
        return false;
    }
    for (int index = 0; index < a.size() && a.constData() != b.constData(); ++index)
    {
        if (!NumberForm::Same_Bits(a.at(index), b.at(index)))
        {
            return false;
        }
    }
    return true;
}

// A record's values as a refusal names them: numbers as listings write them, texts in quotation marks.
QString Shown_Values(const TParameters::TParameter& record)
{
    if (TParameters::Value_Kind(record.type) != TParameters::KIND_TEXT)
    {
        return TParameterComparison::Values_Text(TParameterComparison::Values_Of(record));
    }
    QStringList texts;
    for (const QString& text : record.text_values)
    {
        texts.append(QLatin1Char('"') + text + QLatin1Char('"'));
    }
    return texts.join(QStringLiteral(", "));
}

} // namespace

bool TParameters::Same_Stored_Values(const TParameter& a, const TParameter& b)
{
    return a.integer_values == b.integer_values && Same_Reals(a.double_values, b.double_values) &&
           a.text_values == b.text_values;
}

bool TParameters::Verified_Content(QByteArray* content, TSourceFile* saved, QString* reason) const
{
    if (d_source.format == FORMAT_NOT_SET)
    {
        *reason = TParameters::tr("no parameter file was read");
        return false;
    }
    if (!d_source.unwritable.isEmpty())
    {
        *reason = d_source.unwritable;
        return false;
    }
    const bool constants = d_source.format == FORMAT_MACHINE_CONSTANTS;
    const bool written = constants ? TConstantsFormat::Write(d_source, Records(), content, reason)
                                   : TSettingsFormat::Write(d_source, Records(), content, reason);
    if (!written)
    {
        return false;
    }
    // A shorter value can take a small file below the size Open tells a parameter file by: saved so,
    // the file would never open again. (A file Open could not tell, one read by the XML layer alone, is
    // written as it came.)
    if (Format_Of_Content(Format_Test_Head(d_source.bytes)) == d_source.format &&
        Format_Of_Content(Format_Test_Head(*content)) != d_source.format)
    {
        *reason =
            TParameters::tr("the file would no longer open as a parameter file (%1 bytes, too few to tell "
                            "its format)")
                .arg(content->size());
        return false;
    }

    // The bytes about to be written, read back by the same reader.
    ParameterFormat::TReading reading;
    try
    {
        reading = constants ? TConstantsFormat::Read(*content, *this, false)
                            : TSettingsFormat::Read(*content, *this);
    }
    catch (const TXmlFileException& exception)
    {
        *reason = TParameters::tr("read back, the file would not read: %1").arg(exception.ErrorText());
        return false;
    }
    if (!reading.unwritable.isEmpty())
    {
        *reason = TParameters::tr("read back, %1").arg(reading.unwritable);
        return false;
    }

    // Each record must come back where the list holds it, as a load would take the entries: separator
    // rows and later entries of a key already taken left out.
    saved->bytes = *content;
    saved->format = d_source.format;
    saved->encoding = reading.encoding;
    saved->places = std::move(reading.places);
    saved->element_names = reading.element_names;
    saved->records.assign(Records().size(), TSourceFile::TRecord());
    std::size_t next = 0;
    for (std::size_t index = 0; index < reading.records.size(); ++index)
    {
        TParameter& found = reading.records[index];
        const ParameterFormat::TEntry& entry = reading.entries[index];
        if (Is_Separator_Key(found.key))
        {
            continue;
        }
        if (next < Records().size() && found.key == Records()[next].key)
        {
            const TParameter& wanted = Records()[next];
            if (found.type != wanted.type)
            {
                *reason = TParameters::tr("read back, %1 would be of type %2 instead of %3")
                              .arg(wanted.key, TParameterComparison::Type_Name(found.type),
                                   TParameterComparison::Type_Name(wanted.type));
                return false;
            }
            if (!Same_Stored_Values(found, wanted))
            {
                *reason = TParameters::tr("read back, %1 would hold %2 instead of %3")
                              .arg(wanted.key, Shown_Values(found), Shown_Values(wanted));
                return false;
            }
            TSourceFile::TRecord& file = saved->records[next];
            file.in_file = true;
            file.line = entry.line;
            file.first_place = entry.first_place;
            file.place_count = entry.place_count;
            file.integer_values = std::move(found.integer_values);
            file.double_values = std::move(found.double_values);
            file.text_values = std::move(found.text_values);
            ++next;
            continue;
        }
        const int known = Parameter_Index(found.key);
        if (known < 0 || static_cast<std::size_t>(known) >= next)
        {
            *reason = TParameters::tr("read back, %1 would stand where %2 does")
                          .arg(found.key, next < Records().size() ? Records()[next].key
                                                                  : TParameters::tr("the list ends"));
            return false;
        }
    }
    if (next < Records().size())
    {
        *reason = TParameters::tr("read back, the file would not hold %1").arg(Records()[next].key);
        return false;
    }
    return true;
}

bool TParameters::Save_Content(QByteArray* content) const
{
    TSourceFile saved;
    QString reason;
    if (!Verified_Content(content, &saved, &reason))
    {
        d_last_error = TParameters::tr("Cannot save the parameter file: %1").arg(reason);
        return false;
    }
    return true;
}

bool TParameters::Save_Parameter_File(QIODevice* device)
{
    QByteArray content;
    TSourceFile saved;
    QString reason;
    if (!Verified_Content(&content, &saved, &reason))
    {
        d_last_error = TParameters::tr("Cannot save the parameter file: %1").arg(reason);
        return false;
    }
    if (!FileBytes::Write_All(device, content))
    {
        d_last_error = TParameters::tr("Cannot save the parameter file: %1").arg(device->errorString());
        return false;
    }
    // The file now holds the list: the kept bytes, places and file values are those just written.
    d_source = std::move(saved);
    d_fingerprint.clear();
    return true;
}

bool TParameters::Save_Parameter_File(const QString& file_name, bool keep_backup, QString* backup_file_name)
{
    if (backup_file_name)
    {
        backup_file_name->clear();
    }
    QByteArray content;
    TSourceFile saved;
    QString reason;
    if (!Verified_Content(&content, &saved, &reason))
    {
        d_last_error = TParameters::tr("Cannot save %1: %2").arg(file_name, reason);
        return false;
    }

    // The file as it is on disk now, whoever wrote it last, is what the backup keeps.
    const QString backup = file_name + QStringLiteral(".bak");
    if (keep_backup && QFileInfo(file_name).isFile())
    {
        QByteArray previous;
        if (!FileBytes::Read(file_name, &previous, &reason) ||
            !FileBytes::Write_Atomically(
                backup, [&previous](QIODevice* device) { return FileBytes::Write_All(device, previous); },
                &reason))
        {
            d_last_error = TParameters::tr("Cannot keep the backup %1: %2").arg(backup, reason);
            return false;
        }
        if (backup_file_name)
        {
            *backup_file_name = backup;
        }
    }

    if (!FileBytes::Write_Atomically(
            file_name, [&content](QIODevice* device) { return FileBytes::Write_All(device, content); },
            &reason))
    {
        d_last_error = TParameters::tr("Cannot write %1: %2").arg(file_name, reason);
        return false;
    }
    d_source = std::move(saved);
    d_fingerprint.clear();
    return true;
}

TParameters::TFileState TParameters::Check_File(const QString& file_name) const
{
    if (!QFileInfo::exists(file_name))
    {
        return FILE_VANISHED;
    }
    QByteArray content;
    QString reason;
    if (!FileBytes::Read(file_name, &content, &reason) || content != d_source.bytes)
    {
        return FILE_CHANGED;
    }
    return FILE_SAME;
}

void TParameters::Let_Go_Of_Source()
{
    const int format = d_source.format;
    d_source = TSourceFile();
    d_source.format = format;
    d_source.records.resize(Records().size());
    d_source.unwritable = TParameters::tr("the bytes of its file were let go after reading");
    d_fingerprint.clear();
}

QByteArray TParameters::Fingerprint() const
{
    if (d_fingerprint.isEmpty())
    {
        d_fingerprint = Fingerprint_Of(d_source.bytes);
    }
    return d_fingerprint;
}

QByteArray TParameters::Fingerprint_Of(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

bool TParameters::Differs_From_File(std::size_t index) const
{
    const TParameter& record = Records()[index];
    const TSourceFile::TRecord& file = d_source.records[index];
    return !file.in_file || record.integer_values != file.integer_values ||
           !Same_Reals(record.double_values, file.double_values) || record.text_values != file.text_values;
}

bool TParameters::Differs_From_File() const
{
    for (std::size_t index = 0; index < Records().size(); ++index)
    {
        if (Differs_From_File(index))
        {
            return true;
        }
    }
    return false;
}

QStringList TParameters::Unsaved_Keys() const
{
    QStringList keys;
    for (std::size_t index = 0; index < Records().size(); ++index)
    {
        if (Differs_From_File(index))
        {
            keys.append(Records()[index].key);
        }
    }
    return keys;
}

TParameters::TParameter TParameters::File_Parameter(const QString& key) const
{
    const int index = Parameter_Index(key);
    if (index < 0)
    {
        return TParameter();
    }
    TParameter parameter = Records()[static_cast<std::size_t>(index)];
    const TSourceFile::TRecord& file = d_source.records[static_cast<std::size_t>(index)];
    if (file.in_file)
    {
        parameter.integer_values = file.integer_values;
        parameter.double_values = file.double_values;
        parameter.text_values = file.text_values;
    }
    return parameter;
}
