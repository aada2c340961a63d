#pragma once

#include <QString>
#include <QStringList>

// What the window program takes from its command line: at most one parameter file to open at start,
// as a file manager passes it. --help and --version are answered before any window is built.
class TCommandLine
{
public:
    enum TOutcome
    {
        OUTCOME_RUN,       // build the window (and open File_Name() when it is set)
        OUTCOME_EXIT_OK,   // help or version asked for: print Message() to standard output
        OUTCOME_EXIT_ERROR // a mistake in the arguments: print Message() to standard error
    };

    TOutcome Parse(const QStringList& arguments);

    // Absolute, so that the file stays found whatever directory the program works in later.
    QString File_Name() const;
    QString Message() const;

private:
    QString d_file_name;
    QString d_message;
};
