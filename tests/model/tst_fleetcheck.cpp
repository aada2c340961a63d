#include "fleetcheck.h"
#include "rulevariables.h"
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
// What the files of a fleet folder hold, by the name of the sample they are written from.
QByteArray Content(const QString& kind)
{
    if (kind == QLatin1String("constants"))
    {
        return Testing::Data_File(QStringLiteral("short_constants.asc"));
    }
    if (kind == QLatin1String("settings"))
    {
        return Testing::Data_File(QStringLiteral("short_settings.xml"));
    }
    if (kind == QLatin1String("rules"))
    {
        return Testing::Data_File(QStringLiteral("rules.xml"));
    }
    if (kind == QLatin1String("rules, latin-1"))
    {
        return "<?xml version=\"1.0\" encoding=\"ISO_8859-1:1987\"?>\n<!-- Stra\xDF"
               "e 4 -->\n"
               "<Rules File_Version=\"1\"/>\n";
    }
    if (kind == QLatin1String("other xml"))
    {
        return "<?xml version=\"1.0\"?>\n<project name=\"cmm\"/>\n";
    }
    if (kind == QLatin1String("broken xml"))
    {
        return "<?xml version=\"1.0\"?>\n<ZIDParameterSettings>\n<!-- " + QByteArray(200, 'p') +
               " -->\n<DEA_TAPS><Value>8</Value>";
    }
    return QByteArray(400, 'x');
}
} // namespace

// The fleet check as a script runs it over folders of machines' files: which files it takes, and what
// it makes of each.

class TFleetCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void Collect_Files_data();
    void Collect_Files();
    void Check_And_Totals_data();
    void Check_And_Totals();
    void Readable_Variables_Give_The_Same_Run_data();
    void Readable_Variables_Give_The_Same_Run();
};

void TFleetCheckTest::Collect_Files_data()
{
    QTest::addColumn<QStringList>("files");   // NAME=KIND, written below the folder "fleet"
    QTest::addColumn<QStringList>("paths");   // given to the check, below the test folder
    QTest::addColumn<QStringList>("checked"); // below the test folder, in the order checked
    QTest::addColumn<int>("skipped");
    QTest::addColumn<QStringList>("empty_folders");

    QTest::newRow("both formats in path order, other files skipped")
        << QStringList{"b.asc=constants", "a.xml=settings", "line 2/c.asc=constants", "notes.txt=text"}
        << QStringList{"fleet"} << QStringList{"fleet/a.xml", "fleet/b.asc", "fleet/line 2/c.asc"} << 1
        << QStringList{};
    QTest::newRow("damaged files named as parameter files are checked")
        << QStringList{"broken.asc=text", "broken.xml=broken xml", "other.xml=other xml", "B.ASC=text"}
        << QStringList{"fleet"}
        << QStringList{"fleet/B.ASC", "fleet/broken.asc", "fleet/broken.xml", "fleet/other.xml"} << 0
        << QStringList{};
    QTest::newRow("rules files beside them are skipped")
        << QStringList{"rules.xml=rules", "team.XML=rules, latin-1", "cmm.asc=constants"}
        << QStringList{"fleet"} << QStringList{"fleet/cmm.asc"} << 2 << QStringList{};
    QTest::newRow("a parameter file under another name, by its content")
        << QStringList{"machine.dat=settings", "readme.md=text"} << QStringList{"fleet"}
        << QStringList{"fleet/machine.dat"} << 1 << QStringList{};
    QTest::newRow("a folder with nothing to check")
        << QStringList{"notes.txt=text", "rules.xml=rules"} << QStringList{"fleet"} << QStringList{} << 2
        << QStringList{"fleet"};
    QTest::newRow("a file named alone is checked whatever it is")
        << QStringList{"notes.txt=text"} << QStringList{"fleet/notes.txt", "fleet/none.asc"}
        << QStringList{"fleet/notes.txt", "fleet/none.asc"} << 0 << QStringList{};
}

void TFleetCheckTest::Collect_Files()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, paths);
    QFETCH(QStringList, checked);
    QFETCH(int, skipped);
    QFETCH(QStringList, empty_folders);

    QTemporaryDir directory;
    const QDir root(directory.path());
    for (const QString& file : files)
    {
        const QString path = root.filePath(QStringLiteral("fleet/") + file.section(QLatin1Char('='), 0, 0));
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY(Testing::Write_File(path, Content(file.section(QLatin1Char('='), 1))));
    }
    const auto below = [&root](QStringList names)
    {
        for (QString& name : names)
        {
            name = root.filePath(name);
        }
        return names;
    };

    QStringList found_empty;
    int found_skipped = 0;
    QCOMPARE(TFleetCheck::Collect_Files(below(paths), &found_empty, &found_skipped), below(checked));
    QCOMPARE(found_skipped, skipped);
    QCOMPARE(found_empty, below(empty_folders));
}

void TFleetCheckTest::Check_And_Totals_data()
{
    QTest::addColumn<QStringList>("kinds"); // one file each, in this order
    QTest::addColumn<int>("skipped");
    QTest::addColumn<QStringList>("errors"); // by file: empty when it loaded
    QTest::addColumn<QString>("totals");

    // The rule: DEA_TAPS < 9 passes on both samples; a file that does not load has no rules run.
    QTest::newRow("damaged files, each with its reason")
        << QStringList{"text", "constants", "broken xml"} << 0
        << QStringList{"Unable to determine type of parameter file", "", "XML parse error"}
        << "3 files: 1 passed, 0 failed, 2 not loaded; rules: 1 passed, 0 failed, 0 invalid";
    QTest::newRow("skipped files counted") << QStringList{"constants"} << 2 << QStringList{""}
                                           << "1 file: 1 passed, 0 failed, 0 not loaded; rules: 1 passed, "
                                              "0 failed, 0 invalid; 2 other files skipped";
}

void TFleetCheckTest::Check_And_Totals()
{
    QFETCH(QStringList, kinds);
    QFETCH(int, skipped);
    QFETCH(QStringList, errors);
    QFETCH(QString, totals);

    QTemporaryDir directory;
    QStringList file_names;
    for (int index = 0; index < kinds.size(); ++index)
    {
        file_names << Testing::Write_In(directory, QStringLiteral("machine %1").arg(index),
                                        Content(kinds.at(index)));
    }
    const std::vector<TFleetCheck::TFileResult> results = TFleetCheck::Check_Files(
        file_names,
        {Testing::Rule_Item(QStringLiteral("Taps"), QStringLiteral("DEA_TAPS"), QStringLiteral("9"))});

    QCOMPARE(results.size(), size_t(kinds.size()));
    for (int index = 0; index < kinds.size(); ++index)
    {
        const TFleetCheck::TFileResult& result = results[size_t(index)];
        QCOMPARE(result.file_name, file_names.at(index));
        QCOMPARE(result.loaded, errors.at(index).isEmpty());
        QVERIFY2(result.error.contains(errors.at(index)), qPrintable(result.error));
        QCOMPARE(result.run.results.size(), size_t(result.loaded ? 1 : 0));
    }
    QCOMPARE(TFleetCheck::Totals(results, skipped).Text(), totals);
}

void TFleetCheckTest::Readable_Variables_Give_The_Same_Run_data()
{
    QTest::addColumn<QStringList>("variables"); // NAME=VALUE in list order
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QStringList>("kept");

    QTest::newRow("whole words only") << QStringList{"X=-2", "XY=10", "XYZ=1"} << "XY - X"
                                      << "0" << QStringList{"X", "XY"};
    QTest::newRow("any case, blanks removed as the evaluator reads")
        << QStringList{"DEA_TAPS=8", "DEA=1", "TAPS=2"} << "dea _taps"
        << "8" << QStringList{"DEA_TAPS"};
    QTest::newRow("array elements and the array's own name")
        << QStringList{"FLY.1=1", "FLY.2=1.5", "FLY=9", "FLX.1=3"} << "FLY.2 - FLY.1"
        << "FLY" << QStringList{"FLY.1", "FLY.2", "FLY"};
    QTest::newRow("a point in a name matches any character") << QStringList{"XY.2=5", "XZ.2=6"} << "XYA2"
                                                             << "5" << QStringList{"XY.2"};
    QTest::newRow("a point inside a longer word matches the word to its end")
        << QStringList{"FL.X=4", "FL.2=6", "F.Y=5", "FLY.1=7", "FLYX.1=1", "FLYX=3"} << "FLYX"
        << "4" << QStringList{"FL.X", "FLYX.1", "FLYX"};
    QTest::newRow("a repeated name keeps every value")
        << QStringList{"GAIN=3", "GAIN=7", "GAIN_2=1"} << "GAIN"
        << "7" << QStringList{"GAIN", "GAIN"};
    QTest::newRow("a name like a function") << QStringList{"SQRT=2", "SUMSQ=3"} << "SQRT(4)"
                                            << "2" << QStringList{"SQRT"};
    QTest::newRow("names that can match inside values are kept")
        << QStringList{"1=5", "2X=1", "A+=2", "Q=3"} << "10 + 1"
        << "11" << QStringList{"1", "2X", "A+"};
}

// The fleet check builds its evaluators from the variables its rules can read: every rule must come
// out as it does with all of them.
void TFleetCheckTest::Readable_Variables_Give_The_Same_Run()
{
    QFETCH(QStringList, variables);
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(QStringList, kept);

    const TRules::TRuleItem rule =
        Testing::Rule_Item(QStringLiteral("R"), left, right, TRules::OPERATOR_EQUAL);
    const TRuleVariables readable({rule});
    std::vector<TExpression::TVariable> all;
    std::vector<TExpression::TVariable> read;
    QStringList read_names;
    for (const QString& variable : variables)
    {
        all.push_back(
            {variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1).toDouble()});
        if (readable.Could_Read(all.back().name))
        {
            read.push_back(all.back());
            read_names << all.back().name;
        }
    }
    QCOMPARE(read_names, kept);

    const TRuleRun::TRuleResult whole = TRuleRun(all).Run_Rule(rule);
    const TRuleRun::TRuleResult narrowed = TRuleRun(read).Run_Rule(rule);
    QCOMPARE(narrowed.outcome, whole.outcome);
    QStringList whole_lines;
    QStringList narrowed_lines;
    for (const TRuleRun::TReportLine& line : whole.lines)
    {
        whole_lines << line.text;
    }
    for (const TRuleRun::TReportLine& line : narrowed.lines)
    {
        narrowed_lines << line.text;
    }
    QCOMPARE(narrowed_lines, whole_lines);
}

QTEST_GUILESS_MAIN(TFleetCheckTest)
#include "tst_fleetcheck.moc"
