#pragma once

#include "rulerun.h"
#include "rules.h"

#include <QString>
#include <QStringList>
#include <vector>

// One rule group run against many parameter files, as a service team checks a fleet of machines from
// a script: the files are found, loaded and checked on all cores, and the results keep the files' order.
class TFleetCheck
{
public:
    struct TFileResult
    {
        QString file_name;
        bool loaded = false;
        QString error;        // the reader's reason when the file did not load
        QStringList warnings; // what the reader cut or left out
        TRuleRun::TGroupResult run;
    };

    struct TTotals
    {
        int files = 0;
        int passed_files = 0;
        int failed_files = 0; // loaded, with a rule that failed or was invalid
        int not_loaded = 0;
        int skipped = 0; // found in a folder, neither a parameter file nor named as one
        TRuleRun::TTotals rules;

        // "3 files: 1 passed, 1 failed, 1 not loaded; rules: 4 passed, 1 failed, 1 invalid", and
        // "; 2 other files skipped" when some were.
        QString Text() const;
    };

    // The files to check, from the paths given, in their order: a path that is not a folder as it is
    // named (so that one that cannot be read is reported), a folder as the files below it in sorted
    // path order: every "*.asc" file, every "*.xml" file but rules files, and any other file that its
    // content shows to be a parameter file, as Open recognises them. A damaged parameter file is thus
    // checked and reported as not loaded rather than passed over. The other files found are counted
    // in skipped, and folders that hold no file to check are added to empty_folders.
    static QStringList Collect_Files(const QStringList& paths, QStringList* empty_folders,
                                     int* skipped = nullptr);

    // Loads each file and runs the rules against it, spread over the cores; the results are in the
    // order of file_names.
    static std::vector<TFileResult> Check_Files(const QStringList& file_names,
                                                const std::vector<TRules::TRuleItem>& rules);

    static TTotals Totals(const std::vector<TFileResult>& results, int skipped = 0);
};
