#include "commandline.h"
#include "translations.h"
#include "vantrel.h"
#include "vantrelversion.h"

#include <QApplication>
#include <QLocale>
#include <QStyleFactory>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vantrel"));
    QApplication::setApplicationVersion(QStringLiteral(VANTREL_VERSION));

    TCommandLine command_line;
    const TCommandLine::TOutcome outcome = command_line.Parse(QCoreApplication::arguments());
    if (outcome != TCommandLine::OUTCOME_RUN)
    {
        std::FILE* stream = outcome == TCommandLine::OUTCOME_EXIT_OK ? stdout : stderr;
        std::fputs(command_line.Message().toLocal8Bit().constData(), stream);
        return outcome == TCommandLine::OUTCOME_EXIT_OK ? 0 : 1;
    }

    QApplication::setStyle(QStyleFactory::create(QStringLiteral("fusion")));
    // LANGUAGE and LANG decide the window's language; English when the program does not speak theirs.
    Translations::Install(&application, QLocale::system().uiLanguages());

    TVantrel* window = new TVantrel();
    window->show();
    window->Offer_Recovery();
    if (!command_line.File_Name().isEmpty())
    {
        window->Open_Parameter_File(command_line.File_Name());
    }
    const int result = application.exec();
    delete window;
    return result;
}
