#include "commandline.h"

#include <QCoreApplication>
#include <QDir>
#include <QtTest>

// What the window program makes of its arguments before it builds the window.
class TCommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void Parse_data();
    void Parse();
};

void TCommandLineTest::Parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("file_name");
    QTest::addColumn<QString>("message");

    QTest::newRow("no file") << QStringList() << int(TCommandLine::OUTCOME_RUN) << QString() << QString();
    QTest::newRow("absolute file") << QStringList({"/data/machine.asc"}) << int(TCommandLine::OUTCOME_RUN)
                                   << "/data/machine.asc" << QString();
    QTest::newRow("relative file is made absolute")
        << QStringList({"settings.xml"}) << int(TCommandLine::OUTCOME_RUN)
        << QDir::current().absoluteFilePath(QStringLiteral("settings.xml")) << QString();
    QTest::newRow("file named like an option after --")
        << QStringList({"--", "--odd.asc"}) << int(TCommandLine::OUTCOME_RUN)
        << QDir::current().absoluteFilePath(QStringLiteral("--odd.asc")) << QString();
    QTest::newRow("help") << QStringList({"--help"}) << int(TCommandLine::OUTCOME_EXIT_OK) << QString()
                          << "[FILE]";
    QTest::newRow("version") << QStringList({"--version"}) << int(TCommandLine::OUTCOME_EXIT_OK) << QString()
                             << "vantrel 1.2.3\n";
    QTest::newRow("unknown option") << QStringList({"--frobnicate"}) << int(TCommandLine::OUTCOME_EXIT_ERROR)
                                    << QString() << "frobnicate";
    QTest::newRow("two files") << QStringList({"a.asc", "b.asc"}) << int(TCommandLine::OUTCOME_EXIT_ERROR)
                               << QString() << "Only one file";
}

void TCommandLineTest::Parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, outcome);
    QFETCH(QString, file_name);
    QFETCH(QString, message);

    QCoreApplication::setApplicationName(QStringLiteral("vantrel"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2.3"));
    arguments.prepend(QStringLiteral("vantrel"));

    TCommandLine command_line;
    QCOMPARE(int(command_line.Parse(arguments)), outcome);
    QCOMPARE(command_line.File_Name(), file_name);
    QVERIFY2(command_line.Message().contains(message), qPrintable(command_line.Message()));
}

QTEST_GUILESS_MAIN(TCommandLineTest)
#include "tst_commandline.moc"
