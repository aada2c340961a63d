// The command of vantrel-cli that writes a parameter file: set.
#include "commandlinetool.h"

#include "filechange.h"

#include <QDir>
#include <QFileInfo>

int TCommandLineTool::Set(const QString& file_name, const QStringList& assignments,
                          const QString& output_file_name)
{
    TFileChange change(file_name);
    if (QFileInfo(file_name).isDir())
    {
        *d_err << "ERR:  " << QDir::toNativeSeparators(file_name) << " is a folder, not a parameter file.\n";
        return EXIT_UNUSABLE;
    }
    if (!change.Load())
    {
        *d_err << "ERR:  " << Named_Error(file_name, change.Error()) << "\n";
        return EXIT_UNUSABLE;
    }
    Print_Warnings(file_name, change.Parameters().Load_Warnings());
    for (const QString& assignment : assignments)
    {
        if (!change.Set(assignment))
        {
            *d_err << "ERR:  " << change.Error() << "; nothing was written.\n";
            return EXIT_UNUSABLE;
        }
    }
    if (!change.Save(output_file_name))
    {
        *d_err << "ERR:  " << change.Error() << "\n";
        return EXIT_UNUSABLE;
    }
    for (const QString& line : change.Changes())
    {
        *d_out << line << "\n";
    }
    return EXIT_OK;
}
