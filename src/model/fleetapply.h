#pragma once

#include "parameters.h"
#include "valuetransfer.h"

#include <QString>
#include <QStringList>
#include <vector>

// One set of values (a tuning, a customer's standard set, part of a backup) taken into many parameter
// files at once, as a service team brings a line of machines to the same values from a script. Each
// file is read, planned, changed and saved exactly on its own, spread over the cores.
class TFleetApply
{
public:
    struct TOptions
    {
        // Only these parameters of the source; empty: all of them.
        QStringList keys;
        // Each changed file is written below this folder; empty: over itself, kept as FILE.bak.
        QString output_directory;
        // Plans and reports everything, writes nothing.
        bool dry_run = false;
    };

    // One file to change and where it goes.
    struct TTarget
    {
        QString file_name;
        // With an output folder: where the changed file is written. Empty when writing in place.
        QString output_file_name;
        // Why the file cannot be done before it is even read (two files that would be written to the
        // same place); empty when it can.
        QString refusal;
    };

    struct TFileResult
    {
        TTarget target;
        bool loaded = false;
        bool written = false;
        // The reason the file could not be read or written; empty when it was.
        QString error;
        QStringList warnings;
        // Every parameter of the source (or of the keys) as this file stands to it.
        std::vector<TValueTransfer::TItem> items;
        // One line per value taken: "DEA_TAPS: 8 -> 12".
        QStringList changes;
        QString backup_file_name;

        int Count(TValueTransfer::TStanding standing) const;
    };

    struct TTotals
    {
        int files = 0;
        int changed_files = 0;   // read, with values taken (written unless a dry run)
        int unchanged_files = 0; // read, holding every value already or none that could be taken
        int failed_files = 0;    // could not be read or written
        int taken = 0;
        int same = 0;
        int missing = 0;
        int misfit = 0;

        // "3 files: 1 changed, 1 unchanged, 1 failed; values: 4 taken, 2 same, 1 missing, 0 did not fit"
        QString Text() const;
    };

    // The files to change from the files and folders given, as check takes them, in sorted path order
    // and each once. With an output folder each file gets its place below it: a file named alone by its
    // file name, a file found in a folder by its path below that folder. A file that would be written
    // where an earlier one is, or over itself, is refused. Folders with no parameter file in them are
    // added to empty_folders.
    static std::vector<TTarget> Collect_Targets(const QStringList& paths, const QString& output_directory,
                                                QStringList* empty_folders);

    // Takes the source's values into each target, on all cores; the results keep the targets' order.
    static std::vector<TFileResult> Apply(const TParameters& source, const std::vector<TTarget>& targets,
                                          const TOptions& options);

    static TTotals Totals(const std::vector<TFileResult>& results);
};
