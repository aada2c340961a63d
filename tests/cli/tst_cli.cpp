#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
struct TResult
{
    int status = -1;
    QString out;
    QString err;
};
} // namespace

class TCliTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir d_dir;

    QString Write(const QString& name, const QByteArray& content)
    {
        const QString path = d_dir.filePath(name);
        if (!Testing::Write_File(path, content))
        {
            qFatal("cannot write %s", qPrintable(path));
        }
        return path;
    }

    TResult Run(const QStringList& arguments)
    {
        QProcess process;
        process.setProgram(QStringLiteral(VANTREL_CLI_PATH));
        process.setArguments(arguments);
        process.start();
        TResult result;
        if (!process.waitForFinished(30000))
        {
            process.kill();
            return result;
        }
        result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(d_dir.isValid());
        Write(QStringLiteral("machine.asc"), Testing::Data_File(QStringLiteral("short_constants.asc")));
        Write(QStringLiteral("settings.xml"), Testing::Data_File(QStringLiteral("short_settings.xml")));
        const QByteArray rules = Testing::Data_File(QStringLiteral("rules.xml"));
        Write(QStringLiteral("rules.xml"), rules);
        Write(QStringLiteral("my-rules.xml"), rules);
    }

    void check_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");

        QTest::newRow("every rule passes") << QStringList{"--group", "Good"} << 0
                                           << QStringLiteral("Evaluating Rules...\n"
                                                             "\n"
                                                             "Rule: 'Decel'\n"
                                                             "  Left expression value: 250.000000\n"
                                                             "  Right expression value: 250.000000\n"
                                                             "  OPER:  Left Equals Right\n"
                                                             "PASS\n"
                                                             "\n"
                                                             "Rule: 'Taps'\n"
                                                             "  Left expression value: 8.000000\n"
                                                             "  Right expression value: 8.000000\n"
                                                             "  OPER:  Left Equals Right\n"
                                                             "PASS\n"
                                                             "2 passed, 0 failed, 0 invalid\n");
        QTest::newRow("a failing and an invalid rule")
            << QStringList{"--group", "Mixed"} << 1
            << QStringLiteral("Evaluating Rules...\n"
                              "\n"
                              "Rule: 'Broken'\n"
                              "  ERR:  Left expression invalid.\n"
                              "\n"
                              "Rule: 'Fails'\n"
                              "  Left expression value: 8.000000\n"
                              "  Right expression value: 9.000000\n"
                              "  OPER:  Left Not Less Than Right\n"
                              "* FAIL *\n"
                              "0 passed, 1 failed, 1 invalid\n");
        QTest::newRow("an empty group reports nothing")
            << QStringList{"--group", "Empty"} << 0 << QStringLiteral("0 passed, 0 failed, 0 invalid\n");
    }

    void check()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);

        const TResult result = Run(QStringList{"check", d_dir.filePath("machine.asc")} + arguments +
                                   QStringList{"--rules", d_dir.filePath("my-rules.xml")});
        QCOMPARE(result.out, out);
        QCOMPARE(result.status, status);
        QVERIFY(result.err.isEmpty());
    }

    void check_default_rules_file()
    {
        // Without --rules the window's own per-user rules file is used.
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QString home = d_dir.filePath(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(home + QStringLiteral("/.vantrel")));
        QVERIFY(QFile::copy(d_dir.filePath("rules.xml"), home + QStringLiteral("/.vantrel/rules.xml")));
        environment.insert(QStringLiteral("HOME"), home);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VANTREL_CLI_PATH),
                      QStringList{"check", d_dir.filePath("machine.asc"), "--group", "Good"});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        QVERIFY(process.readAllStandardOutput().endsWith("2 passed, 0 failed, 0 invalid\n"));
    }

    void unusable_input_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");

        QTest::newRow("unknown group")
            << QStringList{"check", "@/machine.asc", "--group", "good", "--rules", "@/rules.xml"}
            << "Rule group 'good' not found";
        QTest::newRow("missing rules file")
            << QStringList{"check", "@/machine.asc", "--group", "Good", "--rules", "@/none.xml"}
            << "not found";
        QTest::newRow("broken rules file")
            << QStringList{"check", "@/machine.asc", "--group", "Good", "--rules", "@/broken-rules.xml"}
            << "Cannot load rules file";
        QTest::newRow("broken parameter file")
            << QStringList{"check", "@/broken.asc", "--group", "Good", "--rules", "@/rules.xml"}
            << "ERR:  Unable to determine type of parameter file";
        QTest::newRow("missing parameter file") << QStringList{"list", "@/none.asc"} << "ERR:  ";
        QTest::newRow("check without a group") << QStringList{"check", "@/machine.asc"} << "--group";
        QTest::newRow("unknown command") << QStringList{"frobnicate", "@/machine.asc"} << "Unknown command";
        QTest::newRow("unknown option") << QStringList{"list", "@/machine.asc", "--colour"} << "colour";
        QTest::newRow("option of another command")
            << QStringList{"list", "@/machine.asc", "--group", "Good"} << "does not apply";
        QTest::newRow("compare needs two files")
            << QStringList{"compare", "@/machine.asc"} << "takes 2 files";
        QTest::newRow("bad tolerance")
            << QStringList{"compare", "@/machine.asc", "@/machine.asc", "--tolerance", "-1"} << "--tolerance";
        QTest::newRow("no command") << QStringList{} << "No command";
    }

    void unusable_input()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);

        Write(QStringLiteral("broken-rules.xml"), "<Rules File_Version=\"1\"><Rule_Group>");
        Write(QStringLiteral("broken.asc"), QByteArray(400, 'x'));
        for (QString& argument : arguments)
        {
            argument.replace(QLatin1String("@"), d_dir.path());
        }
        const TResult result = Run(arguments);
        QCOMPARE(result.status, 2);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QVERIFY(result.out.isEmpty());
    }

    void help_and_version()
    {
        const TResult help = Run(QStringList{"--help"});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.contains(QLatin1String("compare FILE_A FILE_B")));
        const TResult version = Run(QStringList{"--version"});
        QCOMPARE(version.status, 0);
        QVERIFY(version.out.startsWith(QLatin1String("vantrel-cli 1.")));
    }

    void list_json()
    {
        const TResult result = Run(QStringList{"list", d_dir.filePath("machine.asc"), "--json"});
        QCOMPARE(result.status, 0);
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(result.out.toUtf8(), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(document.object().value("format").toString(), QStringLiteral("machine_constants"));
        const QJsonArray parameters = document.object().value("parameters").toArray();
        QCOMPARE(parameters.size(), 3);
        const QJsonObject first = parameters.at(0).toObject();
        QCOMPARE(first.value("key").toString(), QStringLiteral("CMMCONFG"));
        QCOMPARE(first.value("number").toInt(), 39);
        QCOMPARE(first.value("name").toString(), QStringLiteral("Config word"));
        QCOMPARE(first.value("type").toString(), QStringLiteral("integer_bit_pattern"));
        QCOMPARE(first.value("values").toArray(), QJsonArray{2048});
        QVERIFY(!first.value("description").toString().isEmpty());
        const QJsonObject third = parameters.at(2).toObject();
        QCOMPARE(third.value("key").toString(), QStringLiteral("TTP_DECL"));
        QCOMPARE(third.value("values").toArray(), (QJsonArray{250.0, 250.0, 125.0}));
    }

    void list_text()
    {
        const TResult result = Run(QStringList{"list", d_dir.filePath("settings.xml")});
        QCOMPARE(result.status, 0);
        QVERIFY(result.out.startsWith(
            QStringLiteral("[001]  TTP_DECL\n    type: double_array\n    values: 250, 250, 125\n"
                           "    description: Maximum deceleration in response to the probe deflection\n")));
        QVERIFY(result.out.endsWith(QLatin1String("\n3 parameters\n")));
    }

    void compare_data()
    {
        QTest::addColumn<QByteArray>("other");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");

        QTest::newRow("the same values in the other format")
            << Testing::Data_File(QStringLiteral("short_settings.xml")) << QStringList{} << 0
            << QStringLiteral("0 only in A, 0 only in B, 0 different\n");
        QByteArray changed = Testing::Data_File(QStringLiteral("short_settings.xml"));
        changed.replace("<Value>8</Value>", "<Value>12</Value>");
        QTest::newRow("a changed value") << changed << QStringList{} << 1
                                         << QStringLiteral("Different: DEA_TAPS\n  A: 8\n  B: 12\n"
                                                           "0 only in A, 0 only in B, 1 different\n");
        QByteArray close = Testing::Data_File(QStringLiteral("short_settings.xml"));
        close.replace("1.25E+02", "125.0004");
        QTest::newRow("a real within the tolerance")
            << close << QStringList{"--tolerance", "0.001"} << 0
            << QStringLiteral("0 only in A, 0 only in B, 0 different\n");
        QTest::newRow("a real beyond the tolerance")
            << close << QStringList{} << 1
            << QStringLiteral("Different: TTP_DECL\n  A: 250, 250, 125\n  B: 250, 250, 125.0004\n"
                              "0 only in A, 0 only in B, 1 different\n");
        QByteArray keys = Testing::Data_File(QStringLiteral("short_settings.xml"));
        keys.replace("CMMCONFG", "NEW_KEY");
        QTest::newRow("a key on one side only")
            << keys << QStringList{} << 1
            << QStringLiteral(
                   "Only in A: CMMCONFG\nOnly in B: NEW_KEY\n1 only in A, 1 only in B, 0 different\n");
    }

    void compare()
    {
        QFETCH(QByteArray, other);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QString, out);

        const QString other_path = Write(QStringLiteral("other.xml"), other);
        const TResult result =
            Run(QStringList{"compare", d_dir.filePath("machine.asc"), other_path} + options);
        QCOMPARE(result.out, out);
        QCOMPARE(result.status, status);
    }

    void compare_json()
    {
        QByteArray changed = Testing::Data_File(QStringLiteral("short_settings.xml"));
        changed.replace("<Value>8</Value>", "<Value>12</Value>");
        const QString other_path = Write(QStringLiteral("other.xml"), changed);
        const TResult result =
            Run(QStringList{"compare", d_dir.filePath("machine.asc"), other_path, "--json"});
        QCOMPARE(result.status, 1);
        const QJsonObject document = QJsonDocument::fromJson(result.out.toUtf8()).object();
        QCOMPARE(document.value("same").toBool(), false);
        QCOMPARE(document.value("only_in_a").toArray().size(), 0);
        const QJsonArray different = document.value("different").toArray();
        QCOMPARE(different.size(), 1);
        QCOMPARE(different.at(0).toObject().value("key").toString(), QStringLiteral("DEA_TAPS"));
        QCOMPARE(different.at(0).toObject().value("a").toArray(), QJsonArray{8});
        QCOMPARE(different.at(0).toObject().value("b").toArray(), QJsonArray{12});
    }
};

QTEST_GUILESS_MAIN(TCliTest)
#include "tst_cli.moc"
