#include "commandlinetool.h"
#include "utilities.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    // No window and no display: a plain core application is enough for files and rules.
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vantrel-cli"));

    QTextStream out(stdout);
    QTextStream err(stderr);
    Utilities::Use_Utf8(&out);
    Utilities::Use_Utf8(&err);
    TCommandLineTool tool(&out, &err);
    const int status = tool.Run(QCoreApplication::arguments());
    out.flush();
    err.flush();
    return status;
}
