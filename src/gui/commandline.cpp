#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

TCommandLine::TOutcome TCommandLine::Parse(const QStringList& arguments)
{
    d_file_name.clear();
    d_message.clear();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Edits and checks the parameter list of a measuring machine's motion controller."));
    const QCommandLineOption help_option = parser.addHelpOption();
    const QCommandLineOption version_option = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Machine constants (.asc) or parameter settings (.xml) file "
                                                "to open at start."),
                                 QStringLiteral("[FILE]"));

    if (!parser.parse(arguments))
    {
        d_message = parser.errorText() + QStringLiteral("\nTry 'vantrel --help'.\n");
        return OUTCOME_EXIT_ERROR;
    }
    if (parser.isSet(help_option))
    {
        d_message = parser.helpText();
        return OUTCOME_EXIT_OK;
    }
    if (parser.isSet(version_option))
    {
        d_message = QCoreApplication::applicationName() + QLatin1Char(' ') +
                    QCoreApplication::applicationVersion() + QLatin1Char('\n');
        return OUTCOME_EXIT_OK;
    }

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
    {
        d_message = QStringLiteral("Only one file can be opened at a time.\nTry 'vantrel --help'.\n");
        return OUTCOME_EXIT_ERROR;
    }
    if (!files.isEmpty() && !files.first().isEmpty())
    {
        d_file_name = QFileInfo(files.first()).absoluteFilePath();
    }
    return OUTCOME_RUN;
}

QString TCommandLine::File_Name() const
{
    return d_file_name;
}

QString TCommandLine::Message() const
{
    return d_message;
}
