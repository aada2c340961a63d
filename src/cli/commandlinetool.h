#pragma once

#include "fleetapply.h"
#include "fleetcheck.h"
#include "jsonwriter.h"
#include "parameters.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// The commands of vantrel-cli. Each returns the process exit status: 0 when all is well (all rules
// passed, the files are the same), 1 when rules failed or the files differ, 2 when an input could not be
// used. Output goes to the two streams given, so that the commands can be run from a test as well.
class TCommandLineTool
{
public:
    enum TExitStatus
    {
        EXIT_OK = 0,
        EXIT_DIFFERENT = 1,
        EXIT_UNUSABLE = 2
    };

    TCommandLineTool(QTextStream* out, QTextStream* err);

    // Parses the arguments (program name first) and runs the command they name.
    int Run(const QStringList& arguments);

    // What check prints besides each file's report: nothing else, only the closing lines, or JSON;
    // and where it also writes a JUnit report (empty: nowhere).
    struct TCheckOutput
    {
        bool summary = false;
        bool json = false;
        QString junit_file_name;
    };

    // Files and folders; one file prints its report alone, as the window shows it.
    int Check(const QStringList& paths, const QString& group, const QString& rules_file_name,
              const TCheckOutput& output);
    int List_Rules(const QString& rules_file_name, bool json);
    int List(const QString& file_name, bool json);
    int Compare(const QString& file_name_a, const QString& file_name_b, bool json, double tolerance);
    // Sets values of one file and saves it to output_file_name, or over itself (kept as FILE.bak) when
    // that is empty: all values or none, and nothing written when one is refused.
    int Set(const QString& file_name, const QStringList& assignments, const QString& output_file_name);
    // How apply takes values: the choices of a fleet apply, and whether it prints JSON.
    struct TApplyOutput : TFleetApply::TOptions
    {
        bool json = false;
    };
    // Takes the values of the source file into files and the parameter files below folders; 0 when every
    // value was taken, 1 when one was missing or did not fit, 2 when a file could not be read or written.
    int Apply(const QString& source_file_name, const QStringList& paths, const TApplyOutput& options);

    // The rules file the window uses: "rules.xml" in the per-user directory.
    static QString Default_Rules_File_Name();

private:
    struct TCommandLine;

    // One parse-and-run step per command: checks the files and options the command takes, then runs it.
    int Run_Check(const TCommandLine& command_line);
    int Run_List(const TCommandLine& command_line);
    int Run_Compare(const TCommandLine& command_line);
    int Run_Rules(const TCommandLine& command_line);
    int Run_Set(const TCommandLine& command_line);
    int Run_Apply(const TCommandLine& command_line);
    // Refuses the options that belong to file reports or to writing files where they do not apply.
    bool Takes_File_Options(const TCommandLine& command_line);

    static QString Rules_File_Name(const TCommandLine& command_line);
    bool Load_Rules(const QString& rules_file_name, TRules* rules);
    void Print_Files(const std::vector<TFleetCheck::TFileResult>& results, bool summary);

    bool Load(const QString& file_name, TParameters* parameters);
    // What a reader cut or left out of a file, on the error stream, one line each.
    void Print_Warnings(const QString& file_name, const QStringList& warnings);
    // With --strict, a warning makes the status 2.
    int Strict_Status(int status) const;
    // The reason a file could not be used, naming the file unless the reason does already.
    static QString Named_Error(const QString& file_name, const QString& reason);
    // The reason without the "ERR:" that the XML layer's reasons start with.
    static QString Reason_Text(const QString& reason);
    // Where JSON output goes: standard output, as the text output does.
    TJsonWriter::TSink Json_Sink();

    QTextStream* d_out;
    QTextStream* d_err;
    bool d_strict = false;
    bool d_warned = false;
};
