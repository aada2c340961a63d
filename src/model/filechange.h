#pragma once

#include "parameters.h"

#include <QString>
#include <QStringList>

// One parameter file read, changed through the model's one edit path and saved exactly, verified, as
// the window saves it: what vantrel-cli set does for its file, and apply for each file of a fleet.
// Each change has a model of its own, so that many can run at once on all cores.
class TFileChange
{
public:
    explicit TFileChange(const QString& file_name);

    // Reads the file as Open does. False with the reason in Error().
    bool Load();
    const TParameters& Parameters() const;

    // Sets one value from an assignment: "KEY=VALUE" for a parameter of one value, "KEY.N=VALUE" for the
    // Nth value (from 1, as in rule expressions); a bit pattern as a decimal integer, a text as given.
    // False with the reason in Error(), and nothing changed.
    bool Set(const QString& assignment);
    // Takes a record's values, as they are, for the parameter of its key (values from another file).
    bool Take(const TParameters::TParameter& values);
    // One line per value set or record taken, in order: "DEA_TAPS: 8 -> 12", "TTP_DECL.2: 125 -> 130".
    QStringList Changes() const;

    // Saves the changed file to output_file_name, or over itself when that is empty, keeping the file
    // as it was in FILE.bak. False with the reason in Error(); nothing is then written.
    bool Save(const QString& output_file_name = QString());
    // The backup the last save over the file kept; empty when it kept none.
    QString Backup_File_Name() const;

    QString Error() const;

private:
    QString d_file_name;
    TParameters d_parameters;
    QStringList d_changes;
    QString d_backup_file_name;
    QString d_error;
};
