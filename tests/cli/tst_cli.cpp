#include "parameters.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
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
        QString path = d_dir.filePath(name);
        if (!Testing::Write_File(path, content))
        {
            qFatal("cannot write %s", qPrintable(path));
        }
        return path;
    }

    // language, when given, is the desktop's (LANGUAGE and LANG); the tool speaks English in every one.
    TResult Run(const QStringList& arguments, const QString& language = QString())
    {
        QProcess process;
        if (!language.isEmpty())
        {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("LANGUAGE"), language);
            environment.insert(QStringLiteral("LANG"),
                               language + QLatin1Char('_') + language.toUpper() + QStringLiteral(".UTF-8"));
            environment.remove(QStringLiteral("LC_ALL"));
            process.setProcessEnvironment(environment);
        }
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

        // A fleet: a folder of parameter files in both formats, one failing, beside a file of another
        // kind that a folder check passes over, and a file named alone that is not a parameter file.
        const QByteArray constants = Testing::Data_File(QStringLiteral("short_constants.asc"));
        QVERIFY(QDir(d_dir.path()).mkpath(QStringLiteral("fleet/line 2")));
        QVERIFY(QDir(d_dir.path()).mkpath(QStringLiteral("nothing here")));
        Write(QStringLiteral("fleet/b.asc"), constants);
        Write(QStringLiteral("fleet/a.xml"), Testing::Data_File(QStringLiteral("short_settings.xml"))
                                                 .replace("<Value>8</Value>", "<Value>9</Value>"));
        Write(QStringLiteral("fleet/line 2/c.asc"), constants);
        Write(QStringLiteral("fleet/notes.txt"), QByteArray(400, 'n'));
        Write(QStringLiteral("not-parameters.asc"), QByteArray(400, 'x'));
        // A fleet folder with a damaged parameter file, and the rules file kept beside the machines.
        QVERIFY(QDir(d_dir.path()).mkpath(QStringLiteral("damaged fleet")));
        Write(QStringLiteral("damaged fleet/good.asc"), constants);
        Write(QStringLiteral("damaged fleet/bad.asc"), QByteArray(400, 'x'));
        Write(QStringLiteral("damaged fleet/rules.xml"), rules);
    }

    void check_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("language");

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
                                                             "2 passed, 0 failed, 0 invalid\n")
                                           << "";
        const QString mixed = QStringLiteral("Evaluating Rules...\n"
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
        QTest::newRow("a failing and an invalid rule") << QStringList{"--group", "Mixed"} << 1 << mixed << "";
        // Scripts read the report: a German or French desktop does not change its words.
        QTest::newRow("a failing and an invalid rule, LANGUAGE=de")
            << QStringList{"--group", "Mixed"} << 1 << mixed << "de";
        QTest::newRow("a failing and an invalid rule, LANGUAGE=fr")
            << QStringList{"--group", "Mixed"} << 1 << mixed << "fr";
        QTest::newRow("an empty group reports nothing")
            << QStringList{"--group", "Empty"} << 0 << QStringLiteral("0 passed, 0 failed, 0 invalid\n")
            << "";
    }

    void check()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, language);

        const TResult result = Run(QStringList{"check", d_dir.filePath("machine.asc")} + arguments +
                                       QStringList{"--rules", d_dir.filePath("my-rules.xml")},
                                   language);
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
        QTest::newRow("rules file of another version") << QStringList{"rules", "--rules", "@/later-rules.xml"}
                                                       << "has a file version this program does not read";
        // Every error names the file it is about, once.
        QTest::newRow("broken parameter file")
            << QStringList{"check", "@/broken.asc", "--group", "Good", "--rules", "@/rules.xml"}
            << "ERR:  @/broken.asc: Unable to determine type of parameter file";
        QTest::newRow("compare names the damaged one")
            << QStringList{"compare", "@/machine.asc", "@/broken.asc"}
            << "ERR:  @/broken.asc: Unable to determine type of parameter file";
        QTest::newRow("missing parameter file")
            << QStringList{"list", "@/none.asc"} << "ERR:  Cannot open file @/none.asc\n";
        QTest::newRow("damaged XML, one ERR") << QStringList{"list", "@/broken.xml"}
                                              << "ERR:  @/broken.xml: Reference file XML parse error at line";
        QTest::newRow("a folder where a file is expected")
            << QStringList{"list", "@/fleet"} << "ERR:  @/fleet is a folder, not a parameter file.\n";
        QTest::newRow("a folder where a rules file is expected")
            << QStringList{"rules", "--rules", "@/fleet"} << "@/fleet is a folder, not a rules file.\n";
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
        QTest::newRow("check without files") << QStringList{"check", "--group", "Good"} << "none given";
        QTest::newRow("summary and json")
            << QStringList{"check", "@/machine.asc", "--group", "Good", "--summary", "--json"} << "not both";
        QTest::newRow("rules takes no file") << QStringList{"rules", "@/machine.asc"} << "takes 0 files";
        QTest::newRow("rules of a missing file")
            << QStringList{"rules", "--rules", "@/none.xml"} << "not found";
        QTest::newRow("strict where nothing is read")
            << QStringList{"rules", "--rules", "@/rules.xml", "--strict"} << "does not apply";
        QTest::newRow("output where nothing is written")
            << QStringList{"list", "@/machine.asc", "--output", "@/out.asc"} << "does not apply";
    }

    void unusable_input()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);

        Write(QStringLiteral("broken-rules.xml"), "<Rules File_Version=\"1\"><Rule_Group>");
        Write(QStringLiteral("later-rules.xml"),
              "<Rules File_Version=\"2\"><Rule_Group><Name>Good</Name></Rule_Group></Rules>");
        Write(QStringLiteral("broken.asc"), QByteArray(400, 'x'));
        Write(QStringLiteral("broken.xml"), Testing::Data_File(QStringLiteral("settings.xml")).left(300));
        for (QString& argument : arguments)
        {
            argument.replace(QLatin1String("@"), d_dir.path());
        }
        message.replace(QLatin1String("@/"), d_dir.path() + QLatin1Char('/'));
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
        QVERIFY(help.out.contains(QLatin1String("set FILE KEY=VALUE... (--output PATH | --in-place)")));
        QVERIFY(help.out.contains(QLatin1String("apply SOURCE FILE... (--output-dir DIR | --in-place)")));
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

    void check_files_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("summary");

        const QString good = QStringLiteral("2 passed, 0 failed, 0 invalid");
        QTest::newRow("a folder, in path order, other files skipped")
            << QStringList{"@/fleet"} << 1
            << QStringLiteral(
                   "FAIL   @/fleet/a.xml: 1 passed, 1 failed, 0 invalid\n"
                   "PASS   @/fleet/b.asc: %1\n"
                   "PASS   @/fleet/line 2/c.asc: %1\n"
                   "3 files: 2 passed, 1 failed, 0 not loaded; rules: 5 passed, 1 failed, 0 invalid; "
                   "1 other file skipped\n")
                   .arg(good);
        QTest::newRow("a damaged file in a folder is an error")
            << QStringList{"@/damaged fleet"} << 2
            << QStringLiteral(
                   "ERROR  @/damaged fleet/bad.asc: Unable to determine type of parameter file\n"
                   "PASS   @/damaged fleet/good.asc: %1\n"
                   "2 files: 1 passed, 0 failed, 1 not loaded; rules: 2 passed, 0 failed, 0 invalid; "
                   "1 other file skipped\n")
                   .arg(good);
        QTest::newRow("a folder without parameter files")
            << QStringList{"@/machine.asc", "@/nothing here"} << 2
            << QStringLiteral(
                   "PASS   @/machine.asc: %1\n"
                   "1 file: 1 passed, 0 failed, 0 not loaded; rules: 2 passed, 0 failed, 0 invalid\n")
                   .arg(good);
        QTest::newRow("all pass") << QStringList{"@/machine.asc", "@/settings.xml"} << 0
                                  << QStringLiteral(
                                         "PASS   @/machine.asc: %1\nPASS   @/settings.xml: %1\n"
                                         "2 files: 2 passed, 0 failed, 0 not loaded; rules: 4 passed, "
                                         "0 failed, 0 invalid\n")
                                         .arg(good);
    }

    void check_files()
    {
        QFETCH(QStringList, paths);
        QFETCH(int, status);
        QFETCH(QString, summary);

        for (QString& path : paths)
        {
            path.replace(QLatin1String("@"), d_dir.path());
        }
        summary.replace(QLatin1String("@"), d_dir.path());
        const QStringList options{"--group", "Taps8", "--rules", d_dir.filePath("fleet-rules.xml")};
        QByteArray rules = Testing::Data_File(QStringLiteral("rules.xml"));
        rules.replace("<Name>Good</Name>", "<Name>Taps8</Name>");
        Write(QStringLiteral("fleet-rules.xml"), rules);

        const TResult brief = Run(QStringList{"check"} + paths + options + QStringList{"--summary"});
        QCOMPARE(brief.out, summary);
        QCOMPARE(brief.status, status);

        // The full output: each file's report under its path, then the same closing lines.
        const TResult full = Run(QStringList{"check"} + paths + options);
        QCOMPARE(full.status, status);
        QVERIFY(full.out.endsWith(summary));
        const QStringList closing = summary.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        int position = 0;
        for (int i = 0; i + 1 < closing.size(); ++i)
        {
            const QString file = closing.at(i).mid(7).section(QLatin1String(": "), 0, 0);
            const int found = full.out.indexOf(QStringLiteral("File: %1\n").arg(file), position);
            QVERIFY2(found >= position, qPrintable(file));
            position = found;
        }
    }

    void check_json_and_junit()
    {
        const QString junit = d_dir.filePath(QStringLiteral("report/junit.xml"));
        QVERIFY(QDir().mkpath(QFileInfo(junit).path()));
        const TResult result =
            Run(QStringList{"check", d_dir.filePath("fleet"), d_dir.filePath("not-parameters.asc"), "--group",
                            "Mixed", "--rules", d_dir.filePath("rules.xml"), "--json", "--junit", junit});
        QCOMPARE(result.status, 2);

        QJsonParseError error;
        const QJsonObject document = QJsonDocument::fromJson(result.out.toUtf8(), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(document.value("group").toString(), QStringLiteral("Mixed"));
        const QJsonArray files = document.value("files").toArray();
        QCOMPARE(files.size(), 4);
        QCOMPARE(files.at(0).toObject().value("file").toString(), d_dir.filePath("fleet/a.xml"));
        const QJsonArray rules = files.at(0).toObject().value("rules").toArray();
        QCOMPARE(rules.size(), 2);
        QCOMPARE(rules.at(0).toObject().value("name").toString(), QStringLiteral("Broken"));
        QCOMPARE(rules.at(0).toObject().value("outcome").toString(), QStringLiteral("invalid"));
        QVERIFY(rules.at(0).toObject().value("left").isNull());
        QCOMPARE(rules.at(1).toObject().value("outcome").toString(), QStringLiteral("fail"));
        QCOMPARE(rules.at(1).toObject().value("left").toDouble(), 9.0);
        QCOMPARE(rules.at(1).toObject().value("right").toDouble(), 9.0);
        const QJsonObject broken = files.at(3).toObject();
        QCOMPARE(broken.value("loaded").toBool(), false);
        QVERIFY(broken.value("error").toString().contains(QLatin1String("Unable to determine")));
        const QJsonObject totals = document.value("totals").toObject();
        QCOMPARE(totals.value("files").toInt(), 4);
        QCOMPARE(totals.value("not_loaded").toInt(), 1);
        QCOMPARE(totals.value("failed").toInt(), 3);
        QCOMPARE(totals.value("invalid").toInt(), 3);

        // The JUnit report: a suite per file, a case per rule, failures and errors as CI servers count.
        QFile file(junit);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader reader(&file);
        QStringList suites;
        QStringList cases;
        QString counts;
        while (!reader.atEnd())
        {
            if (reader.readNext() != QXmlStreamReader::StartElement)
            {
                continue;
            }
            const QXmlStreamAttributes attributes = reader.attributes();
            if (reader.name() == QLatin1String("testsuites"))
            {
                counts =
                    QStringList{attributes.value("tests").toString(), attributes.value("failures").toString(),
                                attributes.value("errors").toString()}
                        .join(QLatin1Char('/'));
            }
            else if (reader.name() == QLatin1String("testsuite"))
            {
                suites << QFileInfo(attributes.value("name").toString()).fileName();
            }
            else if (reader.name() == QLatin1String("failure") || reader.name() == QLatin1String("error"))
            {
                cases << reader.name().toString() + QLatin1Char(':') + attributes.value("type").toString();
            }
        }
        QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
        QCOMPARE(counts, QStringLiteral("7/3/4"));
        QCOMPARE(suites, (QStringList{"a.xml", "b.asc", "c.asc", "not-parameters.asc"}));
        QCOMPARE(cases, (QStringList{"error:invalid", "failure:FAIL", "error:invalid", "failure:FAIL",
                                     "error:invalid", "failure:FAIL", "error:not loaded"}));
    }

    void check_junit_not_written()
    {
        // A report that cannot be written is a failed call, whatever the rules said.
        const TResult result = Run(QStringList{"check", d_dir.filePath("machine.asc"), "--group", "Good",
                                               "--rules", d_dir.filePath("rules.xml"), "--junit",
                                               d_dir.filePath("no-such-folder/junit.xml")});
        QCOMPARE(result.status, 2);
        QVERIFY(result.out.endsWith(QLatin1String("2 passed, 0 failed, 0 invalid\n")));
        QVERIFY2(result.err.contains(QLatin1String("Cannot write")), qPrintable(result.err));
    }

    void rules_listing()
    {
        const TResult text = Run(QStringList{"rules", "--rules", d_dir.filePath("rules.xml")});
        QCOMPARE(text.status, 0);
        QVERIFY2(
            text.out.startsWith(QLatin1String("Group: Good\n  Rule: Decel\n    left:     TTP_DECL.3 * 2\n"
                                              "    operator: Left Equals Right\n    right:    TTP_DECL.1\n")),
            qPrintable(text.out));
        QVERIFY(text.out.endsWith(QLatin1String("Group: Empty\n3 groups, 4 rules\n")));

        const TResult json = Run(QStringList{"rules", "--rules", d_dir.filePath("rules.xml"), "--json"});
        QCOMPARE(json.status, 0);
        const QJsonArray groups =
            QJsonDocument::fromJson(json.out.toUtf8()).object().value("groups").toArray();
        QCOMPARE(groups.size(), 3);
        const QJsonObject mixed = groups.at(1).toObject();
        QCOMPARE(mixed.value("name").toString(), QStringLiteral("Mixed"));
        const QJsonObject fails = mixed.value("rules").toArray().at(1).toObject();
        QCOMPARE(fails.value("name").toString(), QStringLiteral("Fails"));
        QCOMPARE(fails.value("left").toString(), QStringLiteral("DEA_TAPS"));
        QCOMPARE(fails.value("operator").toString(), QStringLiteral("not_less_than"));
        QCOMPARE(fails.value("right").toString(), QStringLiteral("9"));
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

    void set_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("assignments");
        QTest::addColumn<bool>("in_place");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QList<QByteArray>>("replaced"); // pairs of old and new text in the file

        QTest::newRow("an integer, to another file")
            << "machine.asc" << QStringList{"DEA_TAPS=12"} << false << "DEA_TAPS: 8 -> 12\n"
            << QList<QByteArray>{"  8\n", "  12\n"};
        QTest::newRow("a bit pattern as a decimal integer, in place")
            << "machine.asc" << QStringList{"CMMCONFG=4096"} << true << "CMMCONFG: 2048 -> 4096\n"
            << QList<QByteArray>{"  2048\n", "  4096\n"};
        QTest::newRow("the Nth value of an array, a real in the file's notation")
            << "machine.asc" << QStringList{"TTP_DECL.3=130.5"} << false << "TTP_DECL.3: 125 -> 130.5\n"
            << QList<QByteArray>{"1.2500000000000E+02", "1.3050000000000E+02"};
        QTest::newRow("several values, in the order given")
            << "settings.xml" << QStringList{"DEA_TAPS=9", "TTP_DECL.1=300", "DEA_TAPS=10"} << true
            << "DEA_TAPS: 8 -> 9\nTTP_DECL.1: 250 -> 300\nDEA_TAPS: 9 -> 10\n"
            << QList<QByteArray>{"<Value>8<", "<Value>10<", "<Value_1>2.5E+02<", "<Value_1>3.0E+02<"};
        QTest::newRow("a text as given")
            << "texts.xml" << QStringList{"NOTE=a < b & c"} << true << "NOTE: first -> a < b & c\n"
            << QList<QByteArray>{">first<", ">a &lt; b &amp; c<"};
    }

    void set()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, assignments);
        QFETCH(bool, in_place);
        QFETCH(QString, out);
        QFETCH(QList<QByteArray>, replaced);

        Write(QStringLiteral("texts.xml"),
              "<?xml version=\"1.0\"?>\n<ZIDParameterSettings>\n<NOTE><Value>first</Value>"
              "</NOTE>\n</ZIDParameterSettings>\n" +
                  QByteArray(160, ' '));
        const QByteArray before = Testing::Read_File(d_dir.filePath(file));
        const QString target = d_dir.filePath(QStringLiteral("set-") + file);
        QVERIFY(Testing::Write_File(target, before));
        QFile::remove(target + QStringLiteral(".bak"));
        const QString output = d_dir.filePath(QStringLiteral("output-") + file);
        const TResult result = Run(QStringList{"set", target} + assignments +
                                   (in_place ? QStringList{"--in-place"} : QStringList{"--output", output}));
        QCOMPARE(result.err, QString());
        QCOMPARE(result.status, 0);
        QCOMPARE(result.out, out);

        QByteArray expected = before;
        for (int index = 0; index < replaced.size(); index += 2)
        {
            expected.replace(replaced.at(index), replaced.at(index + 1));
        }
        QCOMPARE(Testing::Read_File(in_place ? target : output), expected);
        // In place the file as it was is kept beside it; to another file the file named stays as it is.
        QCOMPARE(Testing::Read_File(in_place ? target + QStringLiteral(".bak") : target), before);
    }

    void set_refused_data()
    {
        QTest::addColumn<QStringList>("arguments"); // after "set FILE"
        QTest::addColumn<QString>("message");

        QTest::newRow("an unknown key")
            << QStringList{"NO_SUCH=1", "--in-place"}
            << "ERR:  @/refused.asc holds no parameter NO_SUCH; nothing was written.\n";
        QTest::newRow("a value its type cannot hold")
            << QStringList{"DEA_TAPS=8", "DEA_TAPS=1.5", "--in-place"}
            << "ERR:  DEA_TAPS: Not a whole number: 1.5; nothing was written.\n";
        QTest::newRow("an index outside the array")
            << QStringList{"TTP_DECL.4=1", "--in-place"}
            << "ERR:  TTP_DECL.4: TTP_DECL has no value 4; nothing was written.\n";
        QTest::newRow("an array without an index")
            << QStringList{"TTP_DECL=1", "--in-place"}
            << "ERR:  TTP_DECL holds 3 values: name one as TTP_DECL.1 to TTP_DECL.3; nothing was written.\n";
        QTest::newRow("no value") << QStringList{"DEA_TAPS", "--in-place"}
                                  << "ERR:  'DEA_TAPS' is no KEY=VALUE; nothing was written.\n";
        QTest::newRow("neither option")
            << QStringList{"DEA_TAPS=9"} << "'set' needs --output PATH or --in-place.\n";
        QTest::newRow("both options") << QStringList{"DEA_TAPS=9", "--in-place", "--output", "@/out.asc"}
                                      << "'set' writes either --output PATH or --in-place, not both.\n";
        QTest::newRow("no assignment") << QStringList{"--in-place"} << "'set' takes a file and at least one";
        QTest::newRow("an option of another command") << QStringList{"DEA_TAPS=9", "--in-place", "--json"}
                                                      << "Option --json does not apply to 'set'.\n";
    }

    void set_refused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);

        const QByteArray before = Testing::Data_File(QStringLiteral("short_constants.asc"));
        const QString target = Write(QStringLiteral("refused.asc"), before);
        for (QString& argument : arguments)
        {
            argument.replace(QLatin1String("@"), d_dir.path());
        }
        message.replace(QLatin1String("@/"), d_dir.path() + QLatin1Char('/'));
        const TResult result = Run(QStringList{"set", target} + arguments);
        QCOMPARE(result.status, 2);
        QVERIFY2(result.err.startsWith(message), qPrintable(result.err));
        QVERIFY(result.out.isEmpty());
        QCOMPARE(Testing::Read_File(target), before);
        QVERIFY(!QFileInfo::exists(target + QStringLiteral(".bak")));
        QVERIFY(!QFileInfo::exists(d_dir.filePath(QStringLiteral("out.asc"))));
    }

    // A fleet to take values into, made anew for each row: both formats, a file lacking a parameter, one
    // whose array is shorter than the source's and one that does not read.
    QString Make_Apply_Fleet(const QString& name)
    {
        QDir(d_dir.filePath(name)).removeRecursively();
        QDir(d_dir.path()).mkpath(name + QStringLiteral("/line 2"));
        const QByteArray constants = Testing::Data_File(QStringLiteral("short_constants.asc"));
        Write(name + QStringLiteral("/a.xml"), Testing::Data_File(QStringLiteral("short_settings.xml")));
        Write(name + QStringLiteral("/b.asc"), constants);
        Write(name + QStringLiteral("/line 2/c.asc"),
              QByteArray(constants).replace("#94 DEA filter taps     : Longint                               "
                                            "DEA_TAPS\n  8\n",
                                            ""));
        Write(name + QStringLiteral("/d.asc"),
              QByteArray(constants).replace("Double[3]", "Double[2]").replace("  1.2500000000000E+02\n", ""));
        Write(name + QStringLiteral("/e.asc"), QByteArray(400, 'x'));
        return d_dir.filePath(name);
    }

    void apply_data()
    {
        QTest::addColumn<QStringList>("arguments"); // after "apply SOURCE"; @ is the fleet folder
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");         // @ is the fleet folder, # the output folder
        QTest::addColumn<QStringList>("changed"); // files of the fleet that are written over, with a backup

        const QString b_changes =
            QStringLiteral("  DEA_TAPS: 8 -> 12\n  TTP_DECL: 250, 250, 125 -> 300, 250, 125\n");
        const QString fleet_out =
            QStringLiteral("File: @/a.xml\n") + b_changes + "%1a.xml\n\n" + "File: @/b.asc\n" + b_changes +
            "%1b.asc\n\n"
            "File: @/d.asc\n  DEA_TAPS: 8 -> 12\n  Did not fit: TTP_DECL: 3 values instead of 2.\n%1d.asc\n\n"
            "File: @/e.asc\n  ERR:  Unable to determine type of parameter file\n\n"
            "File: @/line 2/c.asc\n  TTP_DECL: 250, 250, 125 -> 300, 250, 125\n"
            "  Missing: DEA_TAPS: Not in this file.\n%1line 2/c.asc\n\n"
            "5 files: 4 changed, 0 unchanged, 1 failed; values: 6 taken, 4 same, 1 missing, 1 did not "
            "fit%2\n";
        QTest::newRow("a folder, in place")
            << QStringList{"@", "--in-place"} << 2
            << fleet_out.arg("  Saved; the file as it was is kept as @/", "")
                   .replace(QRegularExpression("(kept as [^\n]*)\n"), "\\1.bak\n")
            << QStringList{"a.xml", "b.asc", "d.asc", "line 2/c.asc"};
        QTest::newRow("a folder, dry run")
            << QStringList{"@", "--in-place", "--dry-run"} << 2
            << QString(fleet_out)
                   .replace(QRegularExpression("%1[^\n]*\n"), "  Nothing written (dry run)\n")
                   .arg("; dry run, nothing written")
            << QStringList{};
        QTest::newRow("files to another folder, every value taken")
            << QStringList{"@/b.asc", "@/a.xml", "--output-dir", "#"} << 0
            << QStringLiteral("File: @/a.xml\n") + b_changes + "  Written to #/a.xml\n\n" +
                   "File: @/b.asc\n" + b_changes + "  Written to #/b.asc\n\n" +
                   "2 files: 2 changed, 0 unchanged, 0 failed; values: 4 taken, 2 same, 0 missing, 0 did not "
                   "fit\n"
            << QStringList{};
        QTest::newRow("some keys, one missing")
            << QStringList{"@/line 2/c.asc", "@/a.xml", "--keys", "DEA_TAPS", "--in-place"} << 1
            << QStringLiteral(
                   "File: @/a.xml\n  DEA_TAPS: 8 -> 12\n  Saved; the file as it was is kept as "
                   "@/a.xml.bak\n\nFile: @/line 2/c.asc\n  Missing: DEA_TAPS: Not in this file.\n"
                   "  Holds every value already; left as it is\n\n2 files: 1 changed, 1 unchanged, 0 "
                   "failed; values: 1 taken, 0 same, 1 missing, 0 did not fit\n")
            << QStringList{"a.xml"};
        QTest::newRow("the same file twice, and over itself")
            << QStringList{"@/b.asc", "@", "--keys", "CMMCONFG", "--output-dir", "@"} << 2
            << QStringLiteral("b.asc would be written over itself") << QStringList{};
    }

    void apply()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QStringList, changed);

        // The values come from a partial file of one format: three of its parameters, one the same.
        const QString source = Write(
            QStringLiteral("values.xml"),
            "<?xml version=\"1.0\"?>\n<ZIDParameterSettings>\n"
            "  <DEA_TAPS><Value>12</Value></DEA_TAPS>\n  <CMMCONFG><Value>2048</Value></CMMCONFG>\n"
            "  <TTP_DECL><Value_1>300</Value_1><Value_2>250</Value_2><Value_3>125</Value_3></TTP_DECL>\n"
            "</ZIDParameterSettings>\n");
        const QString fleet = Make_Apply_Fleet(QStringLiteral("apply fleet"));
        const QString output = d_dir.filePath(QStringLiteral("apply out"));
        QDir(output).removeRecursively();
        QHash<QString, QByteArray> before;
        for (const QString& name : QStringList{"a.xml", "b.asc", "line 2/c.asc", "d.asc", "e.asc"})
        {
            before.insert(name, Testing::Read_File(fleet + QLatin1Char('/') + name));
        }
        for (QString& argument : arguments)
        {
            argument.replace(QLatin1String("@"), fleet).replace(QLatin1String("#"), output);
        }
        const TResult result = Run(QStringList{"apply", source} + arguments);
        out.replace(QLatin1String("@"), fleet).replace(QLatin1String("#"), output);
        QVERIFY2(result.out.contains(out), qPrintable(result.out + result.err));
        QCOMPARE(result.status, status);

        for (auto file = before.cbegin(); file != before.cend(); ++file)
        {
            const QString path = fleet + QLatin1Char('/') + file.key();
            const bool written = changed.contains(file.key());
            QCOMPARE(Testing::Read_File(path) != file.value(), written);
            QCOMPARE(QFileInfo::exists(path + QStringLiteral(".bak")), written);
            if (written)
            {
                QCOMPARE(Testing::Read_File(path + QStringLiteral(".bak")), file.value());
            }
            if (QFileInfo::exists(output + QLatin1Char('/') + file.key()))
            {
                // Written elsewhere, the file reads back with the values taken.
                TParameters parameters;
                QVERIFY(parameters.Load_Parameter_File(output + QLatin1Char('/') + file.key()));
                QCOMPARE(parameters.Get_Parameter(QStringLiteral("DEA_TAPS")).integer_values,
                         QVector<int>{12});
            }
        }
    }

    void apply_refused_data()
    {
        QTest::addColumn<QStringList>("arguments"); // after "apply"; @ is the folder of the tests
        QTest::addColumn<QString>("message");

        QTest::newRow("neither option") << QStringList{"@/machine.asc", "@/settings.xml"}
                                        << "'apply' needs --output-dir DIR or --in-place.\n";
        QTest::newRow("both options")
            << QStringList{"@/machine.asc", "@/settings.xml", "--in-place", "--output-dir", "@/x"}
            << "'apply' writes either --output-dir DIR or --in-place, not both.\n";
        QTest::newRow("no file to take into")
            << QStringList{"@/machine.asc", "--in-place"} << "'apply' takes the file the values come from";
        QTest::newRow("a source that does not read")
            << QStringList{"@/not-parameters.asc", "@/settings.xml", "--in-place"} << "ERR:  ";
        QTest::newRow("no keys") << QStringList{"@/machine.asc", "@/settings.xml", "--in-place", "--keys",
                                                ","}
                                 << "--keys takes one or more keys";
        QTest::newRow("an option of set") << QStringList{"@/machine.asc", "@/settings.xml", "--output", "@/x"}
                                          << "Option --output does not apply to 'apply'.\n";
    }

    void apply_refused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);

        const QByteArray before = Testing::Read_File(d_dir.filePath(QStringLiteral("settings.xml")));
        for (QString& argument : arguments)
        {
            argument.replace(QLatin1String("@"), d_dir.path());
        }
        const TResult result = Run(QStringList{"apply"} + arguments);
        QCOMPARE(result.status, 2);
        QVERIFY2(result.err.startsWith(message), qPrintable(result.err));
        QVERIFY(result.out.isEmpty());
        QCOMPARE(Testing::Read_File(d_dir.filePath(QStringLiteral("settings.xml"))), before);
        QVERIFY(!QFileInfo::exists(d_dir.filePath(QStringLiteral("settings.xml.bak"))));
    }

    void apply_json()
    {
        const QString fleet = Make_Apply_Fleet(QStringLiteral("json fleet"));
        const TResult result = Run(QStringList{"apply", d_dir.filePath("settings.xml"), fleet + "/line 2",
                                               "--in-place", "--dry-run", "--json"});
        QCOMPARE(result.status, 1);
        const QJsonObject document = QJsonDocument::fromJson(result.out.toUtf8()).object();
        QCOMPARE(document.value("dry_run").toBool(), true);
        const QJsonObject file = document.value("files").toArray().at(0).toObject();
        QCOMPARE(file.value("missing").toArray().at(0).toObject().value("key").toString(),
                 QStringLiteral("DEA_TAPS"));
        QCOMPARE(file.value("same").toInt(), 2);
        QVERIFY(file.value("written").isNull());
        QCOMPARE(document.value("totals").toObject().value("missing").toInt(), 1);
    }

    void load_warnings_data()
    {
        QTest::addColumn<QStringList>("arguments"); // @ is the file with a warning
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("language");

        QTest::newRow("list") << QStringList{"list", "@"} << 0 << "";
        QTest::newRow("list, LANGUAGE=de") << QStringList{"list", "@"} << 0 << "de";
        QTest::newRow("list, strict") << QStringList{"list", "@", "--strict"} << 2 << "";
        QTest::newRow("compare, strict, files differ")
            << QStringList{"compare", "#", "@", "--strict"} << 2 << "";
        QTest::newRow("check: the cut array fails a rule")
            << QStringList{"check", "@", "--group", "Good"} << 1 << "";
        QTest::newRow("check, strict")
            << QStringList{"check", "#", "@", "--group", "Good", "--strict"} << 2 << "";
    }

    void load_warnings()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, language);

        // An array cut short by a value line that does not read.
        const QString warned = Write(QStringLiteral("warned.asc"),
                                     Testing::Data_File(QStringLiteral("short_constants.asc"))
                                         .replace("  2.5000000000000E+02\n  1.25", "  abc\n  1.25"));
        for (QString& argument : arguments)
        {
            argument.replace(QLatin1String("@"), warned)
                .replace(QLatin1String("#"), d_dir.filePath("machine.asc"));
        }
        const TResult result = Run(arguments + QStringList{"--rules", d_dir.filePath("rules.xml")}.mid(
                                                   arguments.first() == QLatin1String("check") ? 0 : 2),
                                   language);
        QCOMPARE(result.err,
                 QStringLiteral("Warning: %1: line 11: TTP_DECL: \"abc\" is no number; 1 value read, "
                                "the type word says 3\n")
                     .arg(warned));
        QCOMPARE(result.status, status);
        QVERIFY(!result.out.isEmpty());
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
