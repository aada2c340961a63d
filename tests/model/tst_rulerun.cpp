#include "livecheck.h"
#include "liverules.h"
#include "parameterdocument.h"
#include "parameterrecord.h"
#include "rulerun.h"
#include "runreport.h"
#include "testsupport.h"
#include "variablenames.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(TRules::TOperatorType)
Q_DECLARE_METATYPE(TRuleRun::TOutcome)
Q_DECLARE_METATYPE(TRunReport::TFormat)

namespace
{
// The report lines as one text, bold lines marked with <b>...</b>, so a table row can hold them.
QString Joined(const std::vector<TRuleRun::TReportLine>& lines)
{
    QStringList texts;
    for (const TRuleRun::TReportLine& line : lines)
    {
        texts.append(line.bold ? QStringLiteral("<b>%1</b>").arg(line.text) : line.text);
    }
    return texts.join(QLatin1Char('|'));
}

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double INF = std::numeric_limits<double>::infinity();

// A run with each outcome: a pass, a fail whose name is markup, and two invalid rules, one of which
// stopped after its left value.
TRunReport Sample_Report()
{
    const std::vector<TRules::TRuleItem> rules = {
        Testing::Rule_Item(QStringLiteral("Low"), QStringLiteral("P"), QStringLiteral("2")),
        Testing::Rule_Item(QStringLiteral("High <b>"), QStringLiteral("P * 30"), QStringLiteral("2.5"),
                           TRules::OPERATOR_NOT_GREATER_THAN),
        Testing::Rule_Item(QStringLiteral("Broken"), QStringLiteral("?")),
        Testing::Rule_Item(QStringLiteral("Half"), QStringLiteral("1"), QStringLiteral("Q")),
    };
    const TRuleRun::TGroupResult run = TRuleRun({{QStringLiteral("P"), 1.5}}).Run_Group(rules);
    return TRunReport(QStringLiteral("/machines/line 1/cmm.asc"), QStringLiteral("Axes & Probe"),
                      QDateTime(QDate(2026, 12, 7), QTime(18, 5, 9)), rules, run);
}
} // namespace

class TRuleRunTest : public QObject
{
    Q_OBJECT

private slots:
    void Header();
    void Fails_data();
    void Fails();
    void Report_data();
    void Report();
    void Variables_data();
    void Variables();
    void Report_Ignores_User_Locale();
    void Group_data();
    void Group();
    void Report_Text();
    void Report_Html();
    void Report_Names_Edited_Values_data();
    void Report_Names_Edited_Values();
    void Report_Format_data();
    void Report_Format();
    void Report_Write_data();
    void Report_Write();
    void Live_Check_Matches_Whole_Check_data();
    void Live_Check_Matches_Whole_Check();
    void Completions_data();
    void Completions();
    void Live_Check_Follows_The_Document_data();
    void Live_Check_Follows_The_Document();
};

void TRuleRunTest::Header()
{
    QCOMPARE(TRuleRun::Header_Line(), QStringLiteral("Evaluating Rules..."));
}

void TRuleRunTest::Fails_data()
{
    QTest::addColumn<TRules::TOperatorType>("operator_type");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("right");
    QTest::addColumn<bool>("fails");

    const TRules::TOperatorType lt = TRules::OPERATOR_LESS_THAN;
    const TRules::TOperatorType eq = TRules::OPERATOR_EQUAL;
    const TRules::TOperatorType gt = TRules::OPERATOR_GREATER_THAN;
    const TRules::TOperatorType nlt = TRules::OPERATOR_NOT_LESS_THAN;
    const TRules::TOperatorType neq = TRules::OPERATOR_NOT_EQUAL;
    const TRules::TOperatorType ngt = TRules::OPERATOR_NOT_GREATER_THAN;

    // Equal values: the plain comparisons pass, their "not" twins fail.
    QTest::newRow("5 less than 5") << lt << 5.0 << 5.0 << false;
    QTest::newRow("5 equals 5") << eq << 5.0 << 5.0 << false;
    QTest::newRow("5 greater than 5") << gt << 5.0 << 5.0 << false;
    QTest::newRow("5 not less than 5") << nlt << 5.0 << 5.0 << true;
    QTest::newRow("5 not equals 5") << neq << 5.0 << 5.0 << true;
    QTest::newRow("5 not greater than 5") << ngt << 5.0 << 5.0 << true;

    // The wording follows d = right - left.
    QTest::newRow("less than, right smaller") << lt << 2.0 << 1.0 << true;
    QTest::newRow("less than, right larger") << lt << 1.0 << 2.0 << false;
    QTest::newRow("greater than, right larger") << gt << 1.0 << 2.0 << true;
    QTest::newRow("greater than, right smaller") << gt << 2.0 << 1.0 << false;
    QTest::newRow("not less than, right smaller") << nlt << 2.0 << 1.0 << false;
    QTest::newRow("not greater than, right larger") << ngt << 1.0 << 2.0 << false;
    QTest::newRow("not greater than, right smaller") << ngt << 2.0 << 1.0 << true;

    // Tolerance: exactly 0.000001 apart passes both Equals and Not Equals.
    QTest::newRow("0 equals 0.000001") << eq << 0.0 << 0.000001 << false;
    QTest::newRow("0 not equals 0.000001") << neq << 0.0 << 0.000001 << false;
    QTest::newRow("0 equals 0.0000005") << eq << 0.0 << 0.0000005 << false;
    QTest::newRow("0 not equals 0.0000005") << neq << 0.0 << 0.0000005 << true;
    QTest::newRow("0 equals 0.000002") << eq << 0.0 << 0.000002 << true;
    QTest::newRow("0 not equals 0.000002") << neq << 0.0 << 0.000002 << false;
    QTest::newRow("equals below zero") << eq << -0.0000005 << 0.0 << false;
    QTest::newRow("equals, left larger by more") << eq << 1.0 << 0.0 << true;

    // A NaN makes every comparison false.
    QTest::newRow("NaN less than 0") << lt << NaN << 0.0 << false;
    QTest::newRow("NaN equals 0") << eq << NaN << 0.0 << false;
    QTest::newRow("NaN greater than 0") << gt << NaN << 0.0 << false;
    QTest::newRow("NaN not less than 0") << nlt << NaN << 0.0 << true;
    QTest::newRow("NaN not equals 0") << neq << NaN << 0.0 << false;
    QTest::newRow("NaN not greater than 0") << ngt << NaN << 0.0 << true;

    QTest::newRow("infinity greater than 1") << gt << INF << 1.0 << false;
    QTest::newRow("infinity less than 1") << lt << INF << 1.0 << true;
    QTest::newRow("infinity equals infinity") << eq << INF << INF << false; // inf - inf is NaN
    QTest::newRow("infinity not equals infinity") << neq << INF << INF << false;
}

void TRuleRunTest::Fails()
{
    QFETCH(TRules::TOperatorType, operator_type);
    QFETCH(double, left);
    QFETCH(double, right);
    QFETCH(bool, fails);

    QCOMPARE(TRuleRun::Fails(operator_type, left, right), fails);
}

void TRuleRunTest::Report_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<TRules::TOperatorType>("operator_type");
    QTest::addColumn<TRuleRun::TOutcome>("outcome");
    QTest::addColumn<QString>("lines");

    const TRuleRun::TOutcome pass = TRuleRun::OUTCOME_PASS;
    const TRuleRun::TOutcome fail = TRuleRun::OUTCOME_FAIL;
    const TRuleRun::TOutcome invalid = TRuleRun::OUTCOME_INVALID;

    QTest::newRow("pass") << "Check"
                          << "2"
                          << "3" << TRules::OPERATOR_LESS_THAN << pass
                          << "\nRule: 'Check'|  Left expression value: 2.000000|  Right expression value: "
                             "3.000000|  OPER:  Left Less Than Right|PASS";
    QTest::newRow("fail is bold")
        << "Gain"
        << "2.5"
        << "-0.0001" << TRules::OPERATOR_LESS_THAN << fail
        << "\nRule: 'Gain'|  Left expression value: 2.500000|  Right expression value: "
           "-0.000100|  OPER:  Left Less Than Right|<b>* FAIL *</b>";
    QTest::newRow("empty left stops the rule")
        << "Empty"
        << ""
        << "1/0" << TRules::OPERATOR_EQUAL << invalid << "\nRule: 'Empty'|  ERR:  Left expression invalid.";
    QTest::newRow("invalid left stops the rule")
        << "Bad"
        << "2*-3"
        << "" << TRules::OPERATOR_EQUAL << invalid << "\nRule: 'Bad'|  ERR:  Left expression invalid.";
    QTest::newRow("invalid right")
        << "Right"
        << "1"
        << "FOO(1)" << TRules::OPERATOR_EQUAL << invalid
        << "\nRule: 'Right'|  Left expression value: 1.000000|  ERR:  Right expression "
           "invalid.";
    // A value that is no finite number cannot be compared: the rule is invalid whatever the operator.
    QTest::newRow("NaN left")
        << "Root"
        << "SQRT(-1)"
        << "0" << TRules::OPERATOR_EQUAL << invalid
        << "\nRule: 'Root'|  Left expression value: nan|  ERR:  Left expression invalid.";
    QTest::newRow("0/0 right")
        << "Zero"
        << "1"
        << "0/0" << TRules::OPERATOR_NOT_LESS_THAN << invalid
        << "\nRule: 'Zero'|  Left expression value: 1.000000|  Right expression value: "
           "nan|  ERR:  Right expression invalid.";
    QTest::newRow("division by zero left") << "Inf"
                                           << "1/0"
                                           << "1" << TRules::OPERATOR_GREATER_THAN << invalid
                                           << "\nRule: 'Inf'|  Left expression value: inf|  ERR:  Left "
                                              "expression invalid.";
    QTest::newRow("negative infinity right") << "Inf"
                                             << "1"
                                             << "-1/0" << TRules::OPERATOR_LESS_THAN << invalid
                                             << "\nRule: 'Inf'|  Left expression value: 1.000000|  Right "
                                                "expression value: -inf|  ERR:  Right expression invalid.";
    QTest::newRow("tolerance, not equals") << "Tol"
                                           << "0"
                                           << "0.000001" << TRules::OPERATOR_NOT_EQUAL << pass
                                           << "\nRule: 'Tol'|  Left expression value: 0.000000|  Right "
                                              "expression value: 0.000001|  OPER:  Left Not "
                                              "Equals Right|PASS";
    QTest::newRow("half tolerance, not equals") << "Tol"
                                                << "0"
                                                << "0.0000005" << TRules::OPERATOR_NOT_EQUAL << fail
                                                << "\nRule: 'Tol'|  Left expression value: 0.000000|  Right "
                                                   "expression value: 0.000000|  OPER:  Left Not "
                                                   "Equals Right|<b>* FAIL *</b>";
    QTest::newRow("5 vs 5 not greater than") << "Five"
                                             << "5"
                                             << "5" << TRules::OPERATOR_NOT_GREATER_THAN << fail
                                             << "\nRule: 'Five'|  Left expression value: 5.000000|  Right "
                                                "expression value: 5.000000|  OPER:  Left Not "
                                                "Greater Than Right|<b>* FAIL *</b>";
    QTest::newRow("5 vs 5 greater than") << "Five"
                                         << "5"
                                         << "5" << TRules::OPERATOR_GREATER_THAN << pass
                                         << "\nRule: 'Five'|  Left expression value: 5.000000|  Right "
                                            "expression value: 5.000000|  OPER:  Left "
                                            "Greater Than Right|PASS";
    QTest::newRow("name with markers and quotes") << "%1 'x' %2"
                                                  << "1"
                                                  << "1" << TRules::OPERATOR_EQUAL << pass
                                                  << "\nRule: '%1 'x' %2'|  Left expression value: 1.000000| "
                                                     " Right expression value: 1.000000|  OPER:  "
                                                     "Left Equals Right|PASS";
}

void TRuleRunTest::Report()
{
    QFETCH(QString, name);
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(TRules::TOperatorType, operator_type);
    QFETCH(TRuleRun::TOutcome, outcome);
    QFETCH(QString, lines);

    const TRuleRun run({});
    const TRules::TRuleItem rule = Testing::Rule_Item(name, left, right, operator_type);
    const TRuleRun::TRuleResult result = run.Run_Rule(rule);
    QCOMPARE(Joined(result.lines), lines);
    QCOMPARE(result.outcome, outcome);
    // An invalid rule says why; the reason names the side the report line names.
    const bool left_side = lines.contains(QLatin1String("ERR:  Left"));
    const QString side = left_side ? QStringLiteral("left") : QStringLiteral("right");
    QCOMPARE(result.reason.isEmpty(), outcome != TRuleRun::OUTCOME_INVALID);
    QVERIFY2(result.reason.isEmpty() || result.reason.contains(side), qPrintable(result.reason));

    // Explained, the evaluator's words for that side follow; a value that is no number says so itself.
    const QString explained = run.Explained_Reason(rule, result);
    const bool not_finite = result.reason.contains(QLatin1String("finite"));
    const QString detail = run.Invalid_Reason(left_side ? left : right);
    QCOMPARE(explained, outcome != TRuleRun::OUTCOME_INVALID ? QString()
                        : not_finite                         ? result.reason
                                                             : result.reason + QStringLiteral(". ") + detail);
    QVERIFY(not_finite || outcome != TRuleRun::OUTCOME_INVALID || !detail.isEmpty());
}

void TRuleRunTest::Variables_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<double>("value");

    QTest::newRow("negative variable") << "X*3" << -6.0;
    QTest::newRow("longer name first") << "XY-X" << 12.0;
    QTest::newRow("names ignore case") << "xy + x" << 8.0;
    QTest::newRow("element of an array") << "FLY_DFLT.2 - FLY_DFLT.1" << 0.5;
    QTest::newRow("later value of a repeated name") << "GAIN" << 7.0;
}

void TRuleRunTest::Variables()
{
    QFETCH(QString, left);
    QFETCH(double, value);

    const std::vector<TExpression::TVariable> variables = {
        {QStringLiteral("X"), -2.0},         {QStringLiteral("XY"), 10.0},
        {QStringLiteral("GAIN"), 3.0},       {QStringLiteral("GAIN"), 7.0},
        {QStringLiteral("FLY_DFLT.1"), 1.0}, {QStringLiteral("FLY_DFLT.2"), 1.5},
        {QStringLiteral("FLY_DFLT"), 9.0}};
    const TRuleRun run(variables);
    const TRuleRun::TRuleResult result = run.Run_Rule(
        Testing::Rule_Item(QStringLiteral("V"), left, QStringLiteral("0"), TRules::OPERATOR_EQUAL));
    QVERIFY2(result.outcome != TRuleRun::OUTCOME_INVALID, qPrintable(Joined(result.lines)));
    QCOMPARE(result.left_value, value);
    QCOMPARE(result.right_value, 0.0);
}

void TRuleRunTest::Report_Ignores_User_Locale()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const TRuleRun run({{QStringLiteral("P"), 1234.5}});
    const TRuleRun::TRuleResult result = run.Run_Rule(Testing::Rule_Item(
        QStringLiteral("L"), QStringLiteral("P"), QStringLiteral("2.5"), TRules::OPERATOR_GREATER_THAN));
    QLocale::setDefault(saved);
    QCOMPARE(Joined(result.lines),
             QStringLiteral("\nRule: 'L'|  Left expression value: 1234.500000|  Right "
                            "expression value: 2.500000|  OPER:  Left Greater Than Right|PASS"));
}

void TRuleRunTest::Group_data()
{
    QTest::addColumn<QStringList>("left_expressions");
    QTest::addColumn<QString>("totals");
    QTest::addColumn<QString>("lines");

    // Each rule is "left < 2"; an empty group has no header line at all.
    QTest::newRow("empty group") << QStringList{} << "0 passed, 0 failed, 0 invalid"
                                 << "";
    QTest::newRow("pass, fail and invalid in order")
        << QStringList{"1", "3", "?"} << "1 passed, 1 failed, 1 invalid"
        << "Evaluating Rules...|\nRule: 'R0'|  Left expression value: 1.000000|  Right expression value: "
           "2.000000|  OPER:  Left Less Than Right|PASS|\nRule: 'R1'|  Left expression value: 3.000000|  "
           "Right expression value: 2.000000|  OPER:  Left Less Than Right|<b>* FAIL *</b>|\nRule: 'R2'|  "
           "ERR:  Left expression invalid.";
}

void TRuleRunTest::Group()
{
    QFETCH(QStringList, left_expressions);
    QFETCH(QString, totals);
    QFETCH(QString, lines);

    std::vector<TRules::TRuleItem> rules;
    for (int i = 0; i < left_expressions.size(); ++i)
    {
        rules.push_back(Testing::Rule_Item(QStringLiteral("R%1").arg(i), left_expressions.at(i),
                                           QStringLiteral("2"), TRules::OPERATOR_LESS_THAN));
    }
    QStringList handed;
    const TRuleRun::TGroupResult group = TRuleRun({}).Run_Group(
        rules, [&handed](const TRuleRun::TRuleResult& result) { handed << result.name; });
    QCOMPARE(group.totals.Text(), totals);
    QCOMPARE(group.totals.All_Passed(), group.totals.failed + group.totals.invalid == 0);
    QCOMPARE(Joined(group.Report_Lines()), lines);
    QCOMPARE(static_cast<int>(group.results.size()), left_expressions.size());
    QCOMPARE(handed.size(), left_expressions.size());
    for (int i = 0; i < handed.size(); ++i)
    {
        QCOMPARE(handed.at(i), QStringLiteral("R%1").arg(i));
    }
}

void TRuleRunTest::Report_Text()
{
    QCOMPARE(Sample_Report().Text(),
             QStringLiteral("Rule Report\n"
                            "\n"
                            "Parameter file: /machines/line 1/cmm.asc\n"
                            "Rule group:     Axes & Probe\n"
                            "Date and time:  2026-12-07 18:05:09\n"
                            "\n"
                            "Rule      Left value  Operator          Right value  Outcome\n"
                            "Low         1.500000  Less Than            2.000000  PASS\n"
                            "High <b>   45.000000  Not Greater Than     2.500000  FAIL\n"
                            "Broken             -  Less Than                   -  invalid\n"
                            "Half        1.000000  Less Than                   -  invalid\n"
                            "\n"
                            "1 passed, 1 failed, 2 invalid\n"));
}

void TRuleRunTest::Report_Html()
{
    const QString html = Sample_Report().Html();
    const QString pass = QStringLiteral("<span style=\"color:#1b7a1b; font-weight:bold\">PASS</span>");
    const QString fail = QStringLiteral("<span style=\"color:#c00000; font-weight:bold\">%1</span>");
    for (const QString& part : QStringList{
             QStringLiteral("<td align=\"left\">/machines/line 1/cmm.asc</td>"),
             QStringLiteral("<td align=\"left\">Axes &amp; Probe</td>"),
             QStringLiteral("<td align=\"left\">2026-12-07 18:05:09</td>"),
             // Each value with the expression it came from, what the operator tests under it.
             QStringLiteral("<tr><td align=\"left\">Low</td><td align=\"right\"><span "
                            "style=\"white-space:nowrap\">1.500000</span><br><small>P</small></td><td "
                            "align=\"left\">Less Than<br><small>passes when left &lt;= right</small></td><td "
                            "align=\"right\"><span style=\"white-space:nowrap\">2.000000</span><br><small>2"
                            "</small></td><td>") +
                 pass,
             QStringLiteral(
                 "<td align=\"left\">High &lt;b&gt;</td><td align=\"right\"><span "
                 "style=\"white-space:nowrap\">45.000000</span><br><small>P * 30</small></td><td "
                 "align=\"left\">Not Greater Than<br><small>passes when left &lt; right</small></td>"),
             fail.arg(QStringLiteral("FAIL")) + QStringLiteral("</td>"),
             // An invalid rule says why under its outcome.
             QStringLiteral("<td align=\"left\">Broken</td><td align=\"right\"><span "
                            "style=\"white-space:nowrap\">-</span><br><small>?</small></td>"),
             fail.arg(QStringLiteral("invalid")) +
                 QStringLiteral("<br><small>The left expression cannot be evaluated</small></td>"),
             fail.arg(QStringLiteral("invalid")) +
                 QStringLiteral("<br><small>The right expression cannot be evaluated</small></td>"),
             QStringLiteral("<p><b>1 passed, 1 failed, 2 invalid</b></p>")})
    {
        QVERIFY2(html.contains(part), qPrintable(part));
    }
    QCOMPARE(html.count(pass), 1);
    QCOMPARE(html.count(fail.arg(QStringLiteral("invalid"))), 2);
    QVERIFY(!html.contains(QStringLiteral("<b>High")));
    QVERIFY(!html.contains(QStringLiteral("not those of the file")));
}

void TRuleRunTest::Report_Names_Edited_Values_data()
{
    QTest::addColumn<QStringList>("edits"); // KEY=VALUE, in the order made
    QTest::addColumn<QStringList>("html");
    QTest::addColumn<QStringList>("text");

    const QString notice = QStringLiteral("The values checked are not those of the file on disk.");
    QTest::newRow("nothing edited") << QStringList{} << QStringList{} << QStringList{};
    QTest::newRow("an array element")
        << QStringList{"TTP_DECL=300"}
        << QStringList{"<b>" + notice + "</b>", "<tr><td align=\"left\">TTP_DECL</td><td align=\"left\">250, "
                                                "250, 125</td><td align=\"left\">300, 250, 125</td></tr>"}
        << QStringList{notice, "  TTP_DECL: 250, 250, 125 -> 300, 250, 125\n"};
    QTest::newRow("two, in list order; one edited back is no edit")
        << QStringList{"DEA_TAPS=9", "CMMCONFG=2049", "TTP_DECL=300", "TTP_DECL=250"}
        << QStringList{">CMMCONFG<", ">DEA_TAPS<"}
        << QStringList{"  CMMCONFG: 2048 -> 2049\n  DEA_TAPS: 8 -> 9\n\nRule  "};
}

// A report of a check of edited values must never pass for a report on the file itself.
void TRuleRunTest::Report_Names_Edited_Values()
{
    QFETCH(QStringList, edits);
    QFETCH(QStringList, html);
    QFETCH(QStringList, text);

    TParameters parameters;
    QVERIFY(parameters.Load_Constants_File(Testing::Data_File(QStringLiteral("short_constants.asc"))));
    for (const QString& edit : edits)
    {
        TParameters::TParameter record = parameters.Get_Parameter(edit.section(QLatin1Char('='), 0, 0));
        QVERIFY(TParameters::Set_Value_Text(&record, 0, edit.section(QLatin1Char('='), 1)));
        QVERIFY(parameters.Edit_Parameter(record));
    }
    const std::vector<TRules::TRuleItem> rules = {
        Testing::Rule_Item(QStringLiteral("Taps"), QStringLiteral("DEA_TAPS"), QStringLiteral("8"))};
    const TRunReport report(QStringLiteral("cmm.asc"), QStringLiteral("Axes"), QDateTime::currentDateTime(),
                            rules, TRuleRun(parameters.Get_Variables()).Run_Group(rules),
                            TRunReport::Changed_Values(parameters));

    QCOMPARE(report.Html().contains(QLatin1String("not those of the file")), !html.isEmpty());
    QCOMPARE(report.Text().contains(QLatin1String("not those of the file")), !text.isEmpty());
    for (const QString& part : html)
    {
        QVERIFY2(report.Html().contains(part), qPrintable(part));
    }
    for (const QString& part : text)
    {
        QVERIFY2(report.Text().contains(part), qPrintable(report.Text()));
    }
}

void TRuleRunTest::Report_Format_data()
{
    QTest::addColumn<QString>("file_name");
    QTest::addColumn<TRunReport::TFormat>("format");

    QTest::newRow("pdf, any case") << "/tmp/Report.PDF" << TRunReport::FORMAT_PDF;
    QTest::newRow("html") << "report.html" << TRunReport::FORMAT_HTML;
    QTest::newRow("htm") << "report.htm" << TRunReport::FORMAT_HTML;
    QTest::newRow("txt") << "report.pdf.txt" << TRunReport::FORMAT_TEXT;
    QTest::newRow("no suffix") << "report" << TRunReport::FORMAT_TEXT;
}

void TRuleRunTest::Report_Format()
{
    QFETCH(QString, file_name);
    QFETCH(TRunReport::TFormat, format);
    QCOMPARE(TRunReport::Format_Of_File(file_name), format);
}

void TRuleRunTest::Report_Write_data()
{
    QTest::addColumn<TRunReport::TFormat>("format");
    QTest::newRow("html") << TRunReport::FORMAT_HTML;
    QTest::newRow("text") << TRunReport::FORMAT_TEXT;
}

void TRuleRunTest::Report_Write()
{
    QFETCH(TRunReport::TFormat, format);
    const TRunReport report = Sample_Report();
    QTemporaryDir directory;
    const QString file_name = directory.filePath(QStringLiteral("report"));
    QVERIFY(Testing::Write_File(file_name, "an earlier report"));

    QVERIFY2(report.Write(file_name, format), qPrintable(report.Last_Error()));
    QCOMPARE(QString::fromUtf8(Testing::Read_File(file_name)),
             format == TRunReport::FORMAT_HTML ? report.Html() : report.Text());

    const QString unreachable = directory.filePath(QStringLiteral("missing/report"));
    QVERIFY(!report.Write(unreachable, format));
    QVERIFY(!report.Last_Error().isEmpty());
    QVERIFY(!QFileInfo::exists(unreachable));
}

void TRuleRunTest::Live_Check_Matches_Whole_Check_data()
{
    QTest::addColumn<quint32>("seed");
    // A key that starts with a digit can match inside the values written into a rule.
    QTest::addColumn<bool>("digit_key");

    for (quint32 seed = 1; seed <= 6; ++seed)
    {
        QTest::addRow("plain keys, edits %u", seed) << seed << false;
        QTest::addRow("a key starting with a digit, edits %u", seed) << seed << true;
    }
}

// After each random edit the live check, brought up to date with the edited key alone, holds what a
// whole new check of the edited list holds: every rule's outcome and values, the totals, and which
// parameters failing rules read; and it names exactly the rules whose result changed.
void TRuleRunTest::Live_Check_Matches_Whole_Check()
{
    QFETCH(quint32, seed);
    QFETCH(bool, digit_key);

    TParameters parameters;
    parameters.Add_Parameter(Record(QStringLiteral("A"), TParameters::TYPE_INTEGER_ARRAY, {1, 2, 3}));
    // Also the name of A's first value: the later record's value is the one rules see.
    parameters.Add_Parameter(Record(QStringLiteral("A.1"), TParameters::TYPE_INTEGER, {7}));
    parameters.Add_Parameter(Record(QStringLiteral("G"), TParameters::TYPE_DOUBLE, {}, {4.0}));
    parameters.Add_Parameter(
        Record(QStringLiteral("T"), TParameters::TYPE_TEXT, {5}, {}, {QStringLiteral("5")}));
    for (int index = 1; index <= 8; ++index)
    {
        parameters.Add_Parameter(
            Record(QStringLiteral("B_%1").arg(index), TParameters::TYPE_DOUBLE, {}, {index * 0.5}));
    }
    if (digit_key)
    {
        parameters.Add_Parameter(Record(QStringLiteral("2ND"), TParameters::TYPE_INTEGER, {2}));
    }
    const QStringList keys = [&parameters]()
    {
        QStringList all;
        for (const TParameters::TParameter& parameter : parameters.Parameters())
        {
            all << parameter.key;
        }
        return all;
    }();

    const std::vector<TRules::TRuleItem> rules = {
        Testing::Rule_Item(QStringLiteral("sum"), QStringLiteral("A.1 + A.2"), QStringLiteral("B_1 * 20")),
        Testing::Rule_Item(QStringLiteral("root"), QStringLiteral("SQRT(G)"), QStringLiteral("2"),
                           TRules::OPERATOR_EQUAL),
        Testing::Rule_Item(QStringLiteral("ratio"), QStringLiteral("1 / B_3"), QStringLiteral("B_4"),
                           TRules::OPERATOR_GREATER_THAN),
        Testing::Rule_Item(QStringLiteral("text"), QStringLiteral("T"), QStringLiteral("A.3"),
                           TRules::OPERATOR_NOT_GREATER_THAN),
        Testing::Rule_Item(QStringLiteral("vector"), QStringLiteral("SUMSQ(B_5, B_6, B_7)"),
                           QStringLiteral("B_8 * 3")),
        Testing::Rule_Item(QStringLiteral("unknown"), QStringLiteral("NOPE + 1"), QStringLiteral("G")),
        Testing::Rule_Item(QStringLiteral("unbalanced"), QStringLiteral("(A.2"), QStringLiteral("1")),
        Testing::Rule_Item(QStringLiteral("numbers"), QStringLiteral("2"), QStringLiteral("3")),
        Testing::Rule_Item(QStringLiteral("right only"), QStringLiteral("B_2 - G"),
                           QStringLiteral("A.2 * A.3"), TRules::OPERATOR_NOT_LESS_THAN),
    };

    const auto compare = [&parameters, &rules](const TLiveRules& live) -> QString
    {
        const TLiveRules whole(parameters, rules);
        // The live check's evaluator holds only the variables its rules can read; a run with every
        // variable of the list must come to the same results.
        const TRuleRun::TGroupResult every = TRuleRun(parameters.Get_Variables()).Run_Group(rules);
        for (int index = 0; index < whole.Rule_Count(); ++index)
        {
            const TRuleRun::TRuleResult& a = live.Result(index);
            const TRuleRun::TRuleResult& b = whole.Result(index);
            const TRuleRun::TRuleResult& c = every.results.at(static_cast<std::size_t>(index));
            // Execute Rules shows the live results as its report: the same lines too.
            const auto texts = [](const TRuleRun::TRuleResult& result)
            {
                QStringList lines;
                for (const TRuleRun::TReportLine& line : result.lines)
                {
                    lines << line.text + (line.bold ? QStringLiteral(" (bold)") : QString());
                }
                return lines;
            };
            if (a.outcome != c.outcome || texts(a) != texts(c) ||
                QByteArray::number(a.left_value, 'g', 17) != QByteArray::number(c.left_value, 'g', 17))
            {
                return QStringLiteral("rule %1 against every variable").arg(a.name);
            }
            if (a.outcome != b.outcome || a.left_valid != b.left_valid || a.right_valid != b.right_valid ||
                QByteArray::number(a.left_value, 'g', 17) != QByteArray::number(b.left_value, 'g', 17) ||
                QByteArray::number(a.right_value, 'g', 17) != QByteArray::number(b.right_value, 'g', 17))
            {
                return QStringLiteral("rule %1").arg(a.name);
            }
        }
        if (live.Totals().Text() != whole.Totals().Text())
        {
            return QStringLiteral("totals %1 instead of %2").arg(live.Totals().Text(), whole.Totals().Text());
        }
        for (int record = 0; record < parameters.Parameter_Count(); ++record)
        {
            if (live.Rules_Reading(record) != whole.Rules_Reading(record) ||
                live.Failing_Rules_Reading(record) != whole.Failing_Rules_Reading(record) ||
                live.Read_By_Failing_Rule(record) != whole.Read_By_Failing_Rule(record))
            {
                return QStringLiteral("readers of %1").arg(parameters.Parameters().at(record).key);
            }
        }
        return QString();
    };

    TLiveRules live(parameters, rules);
    QCOMPARE(compare(live), QString());
    // Each rule reads what it evaluates: A.1 is the later record's, and "unknown" stops before G.
    QCOMPARE(live.Rules_Reading(parameters.Parameter_Index(QStringLiteral("A.1"))), std::vector<int>{0});
    QCOMPARE(live.Rules_Reading(parameters.Parameter_Index(QStringLiteral("G"))), (std::vector<int>{1, 8}));

    QRandomGenerator random(seed);
    for (int step = 0; step < 40; ++step)
    {
        const QString key = keys.at(random.bounded(keys.size()));
        TParameters::TParameter edited = parameters.Get_Parameter(key);
        const int index = random.bounded(TParameters::Value_Count(edited));
        // Small whole numbers, negatives and zero: enough to move every rule across its limit.
        const QString text = key == QLatin1String("T") && random.bounded(4) == 0
                                 ? QStringLiteral("no number")
                                 : QString::number(random.bounded(-4, 12) * (random.bounded(2) ? 0.5 : 1.0));
        if (!TParameters::Set_Value_Text(&edited, index, text))
        {
            continue;
        }

        std::vector<TRuleRun::TRuleResult> before;
        for (int rule = 0; rule < live.Rule_Count(); ++rule)
        {
            before.push_back(live.Result(rule));
        }
        const int variables_before = TParameters::Variable_Count(parameters.Get_Parameter(key));
        parameters.Edit_Parameter(edited);
        std::vector<std::vector<int>> readers_before;
        std::vector<QStringList> failing_before;
        for (int record = 0; record < parameters.Parameter_Count(); ++record)
        {
            readers_before.push_back(live.Rules_Reading(record));
            failing_before.push_back(live.Failing_Rules_Reading(record));
        }
        std::vector<int> changed;
        std::vector<int> changed_records;
        const bool updated = live.Update(parameters, {key}, &changed, &changed_records);
        // A text that no longer reads as a number takes the parameter's variable away.
        QCOMPARE(updated, TParameters::Variable_Count(parameters.Get_Parameter(key)) == variables_before);
        if (!updated)
        {
            live = TLiveRules(parameters, rules);
            continue;
        }
        QVERIFY2(compare(live).isEmpty(),
                 qPrintable(QStringLiteral("after %1 = %2: %3").arg(key, text, compare(live))));
        std::vector<int> differing;
        for (int rule = 0; rule < live.Rule_Count(); ++rule)
        {
            const TRuleRun::TRuleResult& now = live.Result(rule);
            const TRuleRun::TRuleResult& was = before.at(static_cast<std::size_t>(rule));
            if (now.outcome != was.outcome ||
                QByteArray::number(now.left_value, 'g', 17) != QByteArray::number(was.left_value, 'g', 17) ||
                QByteArray::number(now.right_value, 'g', 17) != QByteArray::number(was.right_value, 'g', 17))
            {
                differing.push_back(rule);
            }
        }
        QCOMPARE(changed, differing);
        // Every parameter whose readers or failing readers changed is named, so the marks follow.
        for (int record = 0; record < parameters.Parameter_Count(); ++record)
        {
            const std::size_t at = static_cast<std::size_t>(record);
            if (live.Rules_Reading(record) != readers_before.at(at) ||
                live.Failing_Rules_Reading(record) != failing_before.at(at))
            {
                QVERIFY2(std::binary_search(changed_records.begin(), changed_records.end(), record),
                         qPrintable(QStringLiteral("after %1 = %2: %3 not named")
                                        .arg(key, text, parameters.Parameters().at(at).key)));
            }
        }
    }
}

void TRuleRunTest::Completions_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("nothing typed") << "" << 50 << QStringList();
    QTest::newRow("keys in any case, in order without case")
        << "sp" << 50 << QStringList{"SpAx_Gain", "SPEED"};
    QStringList elements;
    for (int element = 1; element <= 11; ++element)
    {
        elements << QStringLiteral("TTP_DECL.%1").arg(element);
    }
    QTest::newRow("an array offers its elements in order") << "TTP" << 50 << elements;
    QTest::newRow("an element number typed in part")
        << "ttp_decl.1" << 50 << QStringList{"TTP_DECL.1", "TTP_DECL.10", "TTP_DECL.11"};
    QTest::newRow("a key with a point of its own") << "A.1" << 50 << QStringList{"A.1"};
    QTest::newRow("a function") << "s" << 50 << QStringList{"SQRT(", "SUMSQ(", "SpAx_Gain", "SPEED"};
    QTest::newRow("cut at the limit") << "TTP" << 2 << QStringList{"TTP_DECL.1", "TTP_DECL.2"};
    QTest::newRow("a text that reads as no number gives no name") << "NOTE" << 50 << QStringList();
    QTest::newRow("no such key") << "ZZ" << 50 << QStringList();
}

void TRuleRunTest::Completions()
{
    QFETCH(QString, prefix);
    QFETCH(int, limit);
    QFETCH(QStringList, names);

    TParameters parameters;
    parameters.Add_Parameter(Record(QStringLiteral("SPEED"), TParameters::TYPE_DOUBLE, {}, {1.5}));
    parameters.Add_Parameter(Record(QStringLiteral("TTP_DECL"), TParameters::TYPE_INTEGER_ARRAY,
                                    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    parameters.Add_Parameter(Record(QStringLiteral("SpAx_Gain"), TParameters::TYPE_INTEGER, {2}));
    parameters.Add_Parameter(Record(QStringLiteral("A.1"), TParameters::TYPE_INTEGER, {7}));
    parameters.Add_Parameter(
        Record(QStringLiteral("NOTE"), TParameters::TYPE_TEXT, {}, {}, {QStringLiteral("probe")}));
    QCOMPARE(TVariableNames(parameters).Completions(prefix, limit), names);
}

void TRuleRunTest::Live_Check_Follows_The_Document_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("rule");  // the rule checked in the end
    QTest::addColumn<double>("left");   // its left value
    QTest::addColumn<int>("replaced");  // how often whole results came, after the first check started
    QTest::addColumn<int>("restarted"); // how often a whole check went to another core

    // The first check runs on another core and is still under way when the step is taken.
    QTest::newRow("edit while checking: applied to the result") << "edit"
                                                                << "taps" << 2.0 << 1 << 1;
    QTest::newRow("reload while checking: the old list's result is dropped") << "reload"
                                                                             << "taps" << 1.0 << 1 << 1;
    QTest::newRow("other group while checking: the old group's result is dropped") << "group"
                                                                                   << "gain" << 0.5 << 1 << 2;
    // A text value that no longer reads as a number takes a variable away: only a whole check is right.
    QTest::newRow("edit taking a variable away: checked whole again") << "text"
                                                                      << "taps" << 8.0 << 2 << 2;
}

void TRuleRunTest::Live_Check_Follows_The_Document()
{
    QFETCH(QString, step);
    QFETCH(QString, rule);
    QFETCH(double, left);
    QFETCH(int, replaced);
    QFETCH(int, restarted);

    // A check's end is told through the event loop, which runs only after the step is taken.
    const auto list = [](int taps, int padding)
    {
        TParameters parameters;
        parameters.Add_Parameter(Record(QStringLiteral("DEA_TAPS"), TParameters::TYPE_INTEGER, {taps}));
        parameters.Add_Parameter(Record(QStringLiteral("GAIN"), TParameters::TYPE_DOUBLE, {}, {0.5}));
        parameters.Add_Parameter(
            Record(QStringLiteral("T"), TParameters::TYPE_TEXT, {}, {5.0}, {QStringLiteral("5")}));
        for (int index = 0; index < padding; ++index)
        {
            parameters.Add_Parameter(
                Record(QStringLiteral("PAD_%1").arg(index), TParameters::TYPE_INTEGER_ARRAY, {1, 2, 3}));
        }
        return parameters;
    };
    TParameterDocument document;
    document.Replace_List(list(8, 100000));
    TLiveCheck check(&document);
    check.Set_Largest_Check_In_Place(0);
    QSignalSpy started(&check, &TLiveCheck::Check_Started);
    QSignalSpy results_replaced(&check, &TLiveCheck::Results_Replaced);
    const std::vector<TRules::TRuleItem> taps = {
        Testing::Rule_Item(QStringLiteral("taps"), QStringLiteral("DEA_TAPS"), QStringLiteral("T"))};
    check.Set_Group(QStringLiteral("Limits"), taps);
    QVERIFY(check.Is_Checking());
    QVERIFY(!check.Results());

    if (step == QLatin1String("edit"))
    {
        document.Edit(Record(QStringLiteral("DEA_TAPS"), TParameters::TYPE_INTEGER, {2}));
    }
    else if (step == QLatin1String("reload"))
    {
        check.Set_Largest_Check_In_Place(TLiveCheck::LARGEST_CHECK_IN_PLACE);
        document.Replace_List(list(1, 0));
    }
    else if (step == QLatin1String("group"))
    {
        check.Set_Largest_Check_In_Place(TLiveCheck::LARGEST_CHECK_IN_PLACE);
        check.Set_Group(QStringLiteral("Servo"),
                        {Testing::Rule_Item(QStringLiteral("gain"), QStringLiteral("GAIN"))});
    }
    QTRY_VERIFY_WITH_TIMEOUT(!check.Is_Checking(), 20000);
    if (step == QLatin1String("text"))
    {
        TParameters::TParameter text = document.Parameters().Get_Parameter(QStringLiteral("T"));
        QVERIFY(TParameters::Set_Value_Text(&text, 0, QStringLiteral("no number")));
        document.Edit(text);
        QVERIFY(check.Is_Checking());
        QTRY_VERIFY_WITH_TIMEOUT(!check.Is_Checking(), 20000);
    }
    // A result overtaken by the step would come now, and must change nothing.
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();

    QVERIFY(check.Results());
    QCOMPARE(check.Results()->Rule_Count(), 1);
    QCOMPARE(check.Results()->Rule(0).name, rule);
    QCOMPARE(check.Results()->Result(0).left_value, left);
    QCOMPARE(results_replaced.count(), replaced);
    QCOMPARE(started.count(), restarted);
}

QTEST_GUILESS_MAIN(TRuleRunTest)
#include "tst_rulerun.moc"
