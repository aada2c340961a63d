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
        QString error; // the reader's reason when the file did not load
        TRuleRun::TGroupResult run;
    };

    struct TTotals
    {
        int files = 0;
        int passed_files = 0;
        int failed_files = 0; // loaded, with a rule that failed or was invalid
        int not_loaded = 0;
        TRuleRun::TTotals rules;

        // "3 files: 1 passed, 1 failed, 1 not loaded; rules: 4 passed, 1 failed, 1 invalid"
        QString Text() const;
    };

    // The files to check, from the paths given, in their order: a path that is not a folder as it is
    // named (so that one that cannot be read is reported), a folder as every parameter file below it,
    // recognised by content as Open recognises it, in sorted path order. Folders that hold no parameter
    // file are added to empty_folders.
    static QStringList Collect_Files(const QStringList& paths, QStringList* empty_folders);

    // Loads each file and runs the rules against it, spread over the cores; the results are in the
    // order of file_names.
    static std::vector<TFileResult> Check_Files(const QStringList& file_names,
                                                const std::vector<TRules::TRuleItem>& rules);

    static TTotals Totals(const std::vector<TFileResult>& results);
};
