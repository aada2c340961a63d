#include "commandlinetool.h"

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
    out.setCodec("UTF-8");
    err.setCodec("UTF-8");
    TCommandLineTool tool(&out, &err);
    const int status = tool.Run(QCoreApplication::arguments());
    out.flush();
    err.flush();
    return status;
}
