#pragma once

#include "parameters.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>
#include <vector>

class TParameterDocument;

// The unsaved values of the loaded file, kept on disk as they change so that a crash, a power cut or a
// killed session loses no edit. One small journal a file under the recovery folder names the file, the
// fingerprint of its bytes as read or last saved, and every parameter whose values differ from them; it
// goes when the values are saved or the edits discarded.
class TRecoveryJournal : public QObject
{
    Q_OBJECT

public:
    // A journal found on disk.
    struct TEntry
    {
        QString journal_file;
        QString parameter_file;
        QByteArray fingerprint;
        std::vector<TParameters::TParameter> records;
    };

    TRecoveryJournal(TParameterDocument* document, const QString& folder, QObject* parent = nullptr);

    // The loaded list was read from this file or saved as it (empty: none loaded).
    void Set_File(const QString& file_name);
    // The file holds the values now, or the user let the edits go: the journal goes.
    void Forget();

    // The journals in the folder that read, oldest first; one that does not read is passed over.
    static std::vector<TEntry> Journals(const QString& folder);
    // Whether the file still holds the bytes the journal's edits were made on.
    static bool Fits_File(const TEntry& entry);
    // A journal whose file changed is moved aside (FILE.kept beside it) and stays for the user.
    static bool Keep_Aside(const TEntry& entry, QString* kept_file);
    static void Remove(const TEntry& entry);

    QString Last_Error() const;

private:
    void Keys_Changed(const QStringList& keys);
    void Write();
    QString Journal_File() const;

    TParameterDocument* d_document;
    QString d_folder;
    QString d_file_name;
    // The records whose values differ from the file, by key.
    QMap<QString, TParameters::TParameter> d_unsaved;
    QString d_last_error;
};
