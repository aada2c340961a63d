#pragma once

#include "fleetcheck.h"
#include "jsonwriter.h"

#include <QString>
#include <vector>

class QIODevice;

// The results of a fleet check as documents for other programs: one JSON document with every file's
// rules and the totals, and a JUnit XML report as CI servers read it (one test suite per file, one test
// case per rule; a failed rule is a failure, an invalid rule or a file that did not load an error).
class TFleetReport
{
public:
    // The whole document, ended, to the writer's sink.
    // skipped: the files found in folders that were not checked.
    static void Write_Json(const QString& group, const std::vector<TFleetCheck::TFileResult>& results,
                           int skipped, TJsonWriter* writer);
    static bool Write_Junit(const QString& group, const std::vector<TFleetCheck::TFileResult>& results,
                            QIODevice* device);
};
