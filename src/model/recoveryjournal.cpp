#include "recoveryjournal.h"

#include "filebytes.h"
#include "parameterdocument.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <algorithm>

namespace
{
const QLatin1String JOURNAL_SUFFIX(".journal");

QJsonObject Record_Object(const TParameters::TParameter& record)
{
    QJsonArray integers;
    for (const int value : record.integer_values)
    {
        integers.append(value);
    }
    // Reals as the shortest text that reads back bit for bit; JSON numbers would lose nothing either,
    // but a text also carries what JSON cannot (infinities read from a file).
    QJsonArray reals;
    for (const double value : record.double_values)
    {
        reals.append(QString::number(value, 'g', QLocale::FloatingPointShortest));
    }
    QJsonObject object;
    object.insert(QStringLiteral("key"), record.key);
    object.insert(QStringLiteral("integers"), integers);
    object.insert(QStringLiteral("reals"), reals);
    object.insert(QStringLiteral("texts"), QJsonArray::fromStringList(record.text_values));
    return object;
}

TParameters::TParameter Record_Of(const QJsonObject& object)
{
    TParameters::TParameter record;
    record.key = object.value(QStringLiteral("key")).toString();
    for (const QJsonValue value : object.value(QStringLiteral("integers")).toArray())
    {
        record.integer_values.append(value.toInt());
    }
    for (const QJsonValue value : object.value(QStringLiteral("reals")).toArray())
    {
        record.double_values.append(QLocale::c().toDouble(value.toString()));
    }
    for (const QJsonValue value : object.value(QStringLiteral("texts")).toArray())
    {
        record.text_values.append(value.toString());
    }
    return record;
}
} // namespace

TRecoveryJournal::TRecoveryJournal(TParameterDocument* document, const QString& folder, QObject* parent)
    : QObject(parent), d_document(document), d_folder(folder)
{
    connect(d_document, &TParameterDocument::Keys_Changed, this, &TRecoveryJournal::Keys_Changed);
    // Another list is only loaded once its edits were saved or let go.
    connect(d_document, &TParameterDocument::List_Replaced, this, &TRecoveryJournal::Forget);
}

void TRecoveryJournal::Set_File(const QString& file_name)
{
    if (file_name == d_file_name)
    {
        return;
    }
    if (!d_file_name.isEmpty())
    {
        QFile::remove(Journal_File());
    }
    d_file_name = file_name.isEmpty() ? QString() : QFileInfo(file_name).absoluteFilePath();
    if (!d_unsaved.isEmpty())
    {
        Write();
    }
}

void TRecoveryJournal::Forget()
{
    d_unsaved.clear();
    if (!d_file_name.isEmpty())
    {
        QFile::remove(Journal_File());
    }
}

QString TRecoveryJournal::Last_Error() const
{
    return d_last_error;
}

// Only the edited keys are looked at: an edit costs the same on a list of 150 parameters and of 100,000.
void TRecoveryJournal::Keys_Changed(const QStringList& keys)
{
    const TParameters& parameters = d_document->Parameters();
    for (const QString& key : keys)
    {
        const TParameters::TParameter* record = parameters.Find_Parameter(key);
        if (record && !TParameters::Same_Stored_Values(*record, parameters.File_Parameter(key)))
        {
            d_unsaved.insert(key, *record);
        }
        else
        {
            d_unsaved.remove(key);
        }
    }
    if (d_file_name.isEmpty())
    {
        return;
    }
    if (d_unsaved.isEmpty())
    {
        QFile::remove(Journal_File());
        return;
    }
    Write();
}

void TRecoveryJournal::Write()
{
    if (d_file_name.isEmpty())
    {
        return;
    }
    QJsonArray records;
    for (const TParameters::TParameter& record : d_unsaved)
    {
        records.append(Record_Object(record));
    }
    QJsonObject journal;
    journal.insert(QStringLiteral("file"), d_file_name);
    journal.insert(QStringLiteral("fingerprint"),
                   QString::fromLatin1(d_document->Parameters().Fingerprint()));
    journal.insert(QStringLiteral("records"), records);
    const QByteArray bytes = QJsonDocument(journal).toJson(QJsonDocument::Compact);

    QDir().mkpath(d_folder);
    QString reason;
    if (!FileBytes::Write_Atomically(
            Journal_File(), [&bytes](QIODevice* device) { return FileBytes::Write_All(device, bytes); },
            &reason))
    {
        d_last_error = reason;
    }
}

QString TRecoveryJournal::Journal_File() const
{
    // One journal a parameter file, named by its path so that two windows on two files keep apart.
    const QByteArray name = QCryptographicHash::hash(d_file_name.toUtf8(), QCryptographicHash::Sha1).toHex();
    return d_folder + QLatin1Char('/') + QString::fromLatin1(name) + JOURNAL_SUFFIX;
}

std::vector<TRecoveryJournal::TEntry> TRecoveryJournal::Journals(const QString& folder)
{
    std::vector<TEntry> entries;
    const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*") + JOURNAL_SUFFIX},
                                                           QDir::Files, QDir::Time | QDir::Reversed);
    for (const QFileInfo& file : files)
    {
        QByteArray bytes;
        QString reason;
        if (!FileBytes::Read(file.absoluteFilePath(), &bytes, &reason))
        {
            continue;
        }
        const QJsonObject journal = QJsonDocument::fromJson(bytes).object();
        TEntry entry;
        entry.journal_file = file.absoluteFilePath();
        entry.parameter_file = journal.value(QStringLiteral("file")).toString();
        entry.fingerprint = journal.value(QStringLiteral("fingerprint")).toString().toLatin1();
        for (const QJsonValue record : journal.value(QStringLiteral("records")).toArray())
        {
            entry.records.push_back(Record_Of(record.toObject()));
        }
        if (!entry.parameter_file.isEmpty() && !entry.records.empty())
        {
            entries.push_back(std::move(entry));
        }
    }
    return entries;
}

bool TRecoveryJournal::Fits_File(const TEntry& entry)
{
    QByteArray bytes;
    QString reason;
    return QFileInfo(entry.parameter_file).isFile() &&
           FileBytes::Read(entry.parameter_file, &bytes, &reason) &&
           TParameters::Fingerprint_Of(bytes) == entry.fingerprint;
}

bool TRecoveryJournal::Keep_Aside(const TEntry& entry, QString* kept_file)
{
    *kept_file =
        entry.journal_file.left(entry.journal_file.size() - JOURNAL_SUFFIX.size()) + QStringLiteral(".kept");
    QFile::remove(*kept_file);
    return QFile::rename(entry.journal_file, *kept_file);
}

void TRecoveryJournal::Remove(const TEntry& entry)
{
    QFile::remove(entry.journal_file);
}
