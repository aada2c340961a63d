#include "rules.h"
#include "testsupport.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
using TItem = TRules::TRuleItem;
using Testing::Read_File;
using Testing::Write_File;

// "Main[Speed,Accel] Probe[]": group and rule names in store order, for one-line comparisons.
QString Dump(const TRules& rules)
{
    QStringList groups;
    for (const QString& group : rules.Rule_Groups())
    {
        groups.append(QStringLiteral("%1[%2]").arg(group, rules.Rule_List(group).join(QLatin1Char(','))));
    }
    return groups.join(QLatin1Char(' '));
}

QByteArray Rule_Item_Xml(const QByteArray& name, const QByteArray& operator_keyword = "OPERATOR_LESS_THAN")
{
    return "<Rule_Item><Name>" + name +
           "</Name><Left_Expression>1</Left_Expression>"
           "<Right_Expression>2</Right_Expression><Operator>" +
           operator_keyword + "</Operator></Rule_Item>";
}

QByteArray Rules_Xml(const QByteArray& body, const QByteArray& version = "1")
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Rules File_Version=\"" + version + "\">" + body +
           "</Rules>\n";
}

QStringList Kept_Copies(const QString& directory)
{
    return QDir(directory).entryList(QStringList{QStringLiteral("rules.xml.unreadable-*")},
                                     QDir::Files | QDir::Hidden, QDir::Name);
}

// The store used by the operation table: two groups that differ from each other, and a third whose name
// differs from the first only in case, so exact and case-blind matching give different answers.
void Fill_Store(TRules* rules)
{
    rules->Create_Group(QStringLiteral("Main"));
    rules->Add_Rule(QStringLiteral("Main"), Testing::Rule_Item(QStringLiteral("Speed")));
    rules->Add_Rule(QStringLiteral("Main"), Testing::Rule_Item(QStringLiteral("Accel")));
    rules->Create_Group(QStringLiteral("Probe"));
    rules->Add_Rule(QStringLiteral("Probe"), Testing::Rule_Item(QStringLiteral("Deflection")));
}

// "Feed=feed,SPEED=capital": the rules of one group, each with its left expression, in store order.
QString Dump_Left(const TRules& rules, const QString& group)
{
    QStringList pairs;
    for (const TItem& item : rules.Rules(group))
    {
        pairs.append(item.name + QLatin1Char('=') + item.left_expression);
    }
    return pairs.join(QLatin1Char(','));
}

// A hand-made file whose group Main holds two rules that differ only in case; the load sorts them to
// Feed, SPEED, Speed.
void Load_Twins(TRules* rules, const QTemporaryDir& directory)
{
    const auto item = [](const QByteArray& name, const QByteArray& left) -> QByteArray
    {
        return "<Rule_Item><Name>" + name + "</Name><Left_Expression>" + left +
               "</Left_Expression><Right_Expression>1</Right_Expression>"
               "<Operator>OPEATOR_EQUAL</Operator></Rule_Item>";
    };
    QVERIFY(
        Write_File(directory.filePath(QStringLiteral("rules.xml")),
                   Rules_Xml("<Rule_Group><Name>Main</Name>" + item("Speed", "small") + item("Feed", "feed") +
                             item("SPEED", "capital") + "</Rule_Group><Rule_Group><Name>Probe</Name>" +
                             item("Deflection", "tip") + "</Rule_Group>")));
    rules->Set_Rule_Path(directory.path());
    QVERIFY2(rules->Load_Rules(), qPrintable(rules->Last_Error()));
    QCOMPARE(Dump_Left(*rules, QStringLiteral("Main")),
             QStringLiteral("Feed=feed,SPEED=capital,Speed=small"));
    QVERIFY(!rules->Is_Modified());
}
} // namespace

class TRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void New_Store_Is_Empty();
    void Operations_data();
    void Operations();
    void Rule_Lookup_data();
    void Rule_Lookup();
    void Replace_Rule_data();
    void Replace_Rule();
    void Delete_Rule_Exact_data();
    void Delete_Rule_Exact();
    void Modified_Flag();
    void Sort_Order();
    void Operator_Keywords();

    void Write_Exact_Text();
    void Write_Round_Trip();
    void Load_data();
    void Load();
    void Load_Other_Version_Keeps_Store();
    void Load_Failure_Part_Way();
    void Save_Without_Change_Leaves_File();
    void Save_Creates_Missing_File();
    void Save_Failure_Keeps_Modified();
    void Save_Without_Directory();

    void Unreadable_File_Is_Kept_data();
    void Unreadable_File_Is_Kept();
    void Earlier_Copy_Is_Not_Overwritten();
    void Missing_File_Makes_No_Copy();
    void Loaded_File_Makes_No_Copy();
    void Unread_File_Is_Kept_Before_Write();
    void Copy_Impossible_Keeps_File();

    void Hostile_Files_data();
    void Hostile_Files();
    void Thousands_Of_Groups();
    void Twenty_Megabyte_File();

    void Import_data();
    void Import();
    void Import_Failure_Changes_Nothing_data();
    void Import_Failure_Changes_Nothing();
    void Export_Round_Trip();
    void Export_Failure();
};

void TRulesTest::New_Store_Is_Empty()
{
    TRules rules;
    QVERIFY(rules.Rule_Groups().isEmpty());
    QVERIFY(!rules.Is_Modified());
    QVERIFY(rules.Last_Error().isEmpty());
    QVERIFY(rules.Save_Rules());
}

void TRulesTest::Operations_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("third");
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("dump");

    const QString start = QStringLiteral("Main[Speed,Accel] Probe[Deflection]");

    QTest::newRow("add appends without sorting") << "add"
                                                 << "Main"
                                                 << "Brake"
                                                 << "" << false << true << ""
                                                 << "Main[Speed,Accel,Brake] Probe[Deflection]";
    QTest::newRow("add name that differs only in case")
        << "add"
        << "Main"
        << "speed"
        << "" << false << false << "Rule item already exists" << start;
    QTest::newRow("add to group matched only without case")
        << "add"
        << "main"
        << "Brake"
        << "" << false << false << "Source rule group not found" << start;
    QTest::newRow("add to missing group") << "add"
                                          << "Wrist"
                                          << "Brake"
                                          << "" << false << false << "Source rule group not found" << start;
    QTest::newRow("add blank name") << "add"
                                    << "Main"
                                    << "  "
                                    << "" << false << false << "Rule name is empty" << start;
    QTest::newRow("add name with control character")
        << "add"
        << "Main"
        << QStringLiteral("Sp\x01"
                          "eed")
        << "" << false << false << "Rule item holds a character that the rules file cannot store" << start;

    QTest::newRow("delete without case keeps order") << "delete"
                                                     << "Main"
                                                     << "SPEED"
                                                     << "" << false << true << ""
                                                     << "Main[Accel] Probe[Deflection]";
    QTest::newRow("delete in group matched only without case") << "delete"
                                                               << "main"
                                                               << "Speed"
                                                               << "" << false << true << "" << start;
    QTest::newRow("delete missing rule") << "delete"
                                         << "Main"
                                         << "Brake"
                                         << "" << false << true << "" << start;

    QTest::newRow("copy to other group") << "copy"
                                         << "Main"
                                         << "Probe"
                                         << "speed" << false << true << ""
                                         << "Main[Speed,Accel] Probe[Deflection,Speed]";
    QTest::newRow("copy source group without case") << "copy"
                                                    << "MAIN"
                                                    << "Probe"
                                                    << "Accel" << false << true << ""
                                                    << "Main[Speed,Accel] Probe[Deflection,Accel]";
    QTest::newRow("copy into same group with overwrite moves to end")
        << "copy"
        << "Main"
        << "Main"
        << "Speed" << true << true << ""
        << "Main[Accel,Speed] Probe[Deflection]";
    QTest::newRow("copy into same group without overwrite")
        << "copy"
        << "Main"
        << "Main"
        << "Speed" << false << false << "Rule item already exists" << start;
    QTest::newRow("copy from missing group") << "copy"
                                             << "Wrist"
                                             << "Main"
                                             << "Speed" << false << false << "Rule group not found" << start;
    QTest::newRow("copy missing rule") << "copy"
                                       << "Main"
                                       << "Probe"
                                       << "Brake" << false << false << "Rule group not found" << start;
    QTest::newRow("copy to missing group")
        << "copy"
        << "Main"
        << "Wrist"
        << "Speed" << true << false << "Source rule group not found" << start;
    QTest::newRow("copy to group matched only without case")
        << "copy"
        << "Main"
        << "probe"
        << "Speed" << false << false << "Source rule group not found" << start;
    QTest::newRow("copy with overwrite replaces target rule")
        << "copy"
        << "Probe"
        << "Main"
        << "DEFLECTION" << true << true << ""
        << "Main[Speed,Accel,Deflection] Probe[Deflection]";

    QTest::newRow("create group at end") << "create"
                                         << "Wrist"
                                         << ""
                                         << "" << false << true << "" << start + QStringLiteral(" Wrist[]");
    QTest::newRow("create group that differs only in case")
        << "create"
        << "main"
        << ""
        << "" << false << false << "Group name already exists" << start;
    QTest::newRow("create group not trimmed")
        << "create"
        << " Main"
        << ""
        << "" << false << true << "" << start + QStringLiteral("  Main[]");
    QTest::newRow("create empty group name") << "create"
                                             << ""
                                             << ""
                                             << "" << false << false << "Group name is empty" << start;
    QTest::newRow("create blank group name") << "create"
                                             << " \t"
                                             << ""
                                             << "" << false << false << "Group name is empty" << start;
    QTest::newRow("create group name with control character")
        << "create" << QStringLiteral("Wr\x1bist") << ""
        << "" << false << false << "Group name holds a character that the rules file cannot store" << start;
    // Half of a character beyond the Basic Multilingual Plane has no UTF-8 form to write.
    QTest::newRow("create group name with a lone surrogate half")
        << "create" << QString(QStringLiteral("G") + QChar(0xD835)) << ""
        << "" << false << false << "Group name holds a character that the rules file cannot store" << start;

    QTest::newRow("remove group without case") << "remove"
                                               << "probe"
                                               << ""
                                               << "" << false << true << ""
                                               << "Main[Speed,Accel]";
    QTest::newRow("remove missing group") << "remove"
                                          << "Wrist"
                                          << ""
                                          << "" << false << true << "" << start;

    QTest::newRow("rule list for group matched only without case") << "list"
                                                                   << "main"
                                                                   << ""
                                                                   << "" << false << true << "" << start;
}

void TRulesTest::Operations()
{
    QFETCH(QString, operation);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, third);
    QFETCH(bool, overwrite);
    QFETCH(bool, result);
    QFETCH(QString, error);
    QFETCH(QString, dump);

    TRules rules;
    Fill_Store(&rules);

    bool actual = true;
    if (operation == QLatin1String("add"))
    {
        actual = rules.Add_Rule(first, Testing::Rule_Item(second));
    }
    else if (operation == QLatin1String("delete"))
    {
        rules.Delete_Rule(first, second);
    }
    else if (operation == QLatin1String("copy"))
    {
        actual = rules.Copy_Rule(first, second, third, overwrite);
    }
    else if (operation == QLatin1String("create"))
    {
        actual = rules.Create_Group(first);
    }
    else if (operation == QLatin1String("remove"))
    {
        rules.Remove_Group(first);
    }
    else if (operation == QLatin1String("list"))
    {
        QVERIFY(rules.Rule_List(first).isEmpty());
        QVERIFY(rules.Rules(first).empty());
    }

    QCOMPARE(actual, result);
    // A parse error ends in the parser's own words after its position.
    if (error.endsWith(QLatin1String(": ")))
    {
        QVERIFY2(rules.Last_Error().startsWith(error), qPrintable(rules.Last_Error()));
    }
    else
    {
        QCOMPARE(rules.Last_Error(), error);
    }
    QCOMPARE(Dump(rules), dump);
}

void TRulesTest::Rule_Lookup_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("left");

    QTest::newRow("exact") << "Main"
                           << "Speed" << true << "1";
    QTest::newRow("rule without case") << "Main"
                                       << "sPEED" << true << "1";
    QTest::newRow("group is exact") << "main"
                                    << "Speed" << false << "";
    QTest::newRow("missing rule") << "Main"
                                  << "Brake" << false << "";
    QTest::newRow("only first exact group searched") << "Twin"
                                                     << "Second" << false << "";
}

void TRulesTest::Rule_Lookup()
{
    QFETCH(QString, group);
    QFETCH(QString, name);
    QFETCH(bool, found);
    QFETCH(QString, left);

    // Two groups of one name can only come from a hand-made file.
    QTemporaryDir directory;
    QVERIFY(Write_File(directory.filePath(QStringLiteral("rules.xml")),
                       Rules_Xml("<Rule_Group><Name>Main</Name>" + Rule_Item_Xml("Speed") +
                                 "</Rule_Group><Rule_Group><Name>Twin</Name>" + Rule_Item_Xml("First") +
                                 "</Rule_Group><Rule_Group><Name>Twin</Name>" + Rule_Item_Xml("Second") +
                                 "</Rule_Group>")));
    TRules rules;
    rules.Set_Rule_Path(directory.path());
    QVERIFY(rules.Load_Rules());

    bool ok = !found;
    const TItem item = rules.Rule(group, name, &ok);
    QCOMPARE(ok, found);
    if (found)
    {
        QCOMPARE(item.left_expression, left);
        QCOMPARE(item.name, QStringLiteral("Speed"));
        QVERIFY(rules.Last_Error().isEmpty());
    }
    else
    {
        QCOMPARE(item.name, name);
        QCOMPARE(rules.Last_Error(), QStringLiteral("Rule not found"));
    }
    // A null flag is allowed.
    rules.Rule(group, name, nullptr);
}

void TRulesTest::Replace_Rule_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("old_name");
    QTest::addColumn<QString>("new_name");
    QTest::addColumn<QString>("new_left");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("main");

    const QString start = QStringLiteral("Feed=feed,SPEED=capital,Speed=small");

    QTest::newRow("capital twin chosen exactly") << "Main"
                                                 << "SPEED"
                                                 << "Velocity"
                                                 << "edited"
                                                 << ""
                                                 << "Feed=feed,Speed=small,Velocity=edited";
    QTest::newRow("small twin chosen exactly, capital one stays in place")
        << "Main"
        << "Speed"
        << "Velocity"
        << "edited"
        << ""
        << "Feed=feed,SPEED=capital,Velocity=edited";
    QTest::newRow("no exact name takes first match without case") << "Main"
                                                                  << "speed"
                                                                  << "Velocity"
                                                                  << "edited"
                                                                  << ""
                                                                  << "Feed=feed,Speed=small,Velocity=edited";
    QTest::newRow("rename to free name moves rule to end") << "Main"
                                                           << "Feed"
                                                           << "Rate"
                                                           << "edited"
                                                           << ""
                                                           << "SPEED=capital,Speed=small,Rate=edited";
    QTest::newRow("keep own name, new expression") << "Main"
                                                   << "Feed"
                                                   << "Feed"
                                                   << "edited"
                                                   << ""
                                                   << "SPEED=capital,Speed=small,Feed=edited";
    QTest::newRow("own name in other case") << "Main"
                                            << "Feed"
                                            << "FEED"
                                            << "edited"
                                            << ""
                                            << "SPEED=capital,Speed=small,FEED=edited";
    QTest::newRow("name of a rule in another group") << "Main"
                                                     << "Feed"
                                                     << "Deflection"
                                                     << "edited"
                                                     << ""
                                                     << "SPEED=capital,Speed=small,Deflection=edited";
    QTest::newRow("rename onto other rule in other case") << "Main"
                                                          << "Feed"
                                                          << "speed"
                                                          << "edited"
                                                          << "Rule item already exists" << start;
    QTest::newRow("twin keeping its name collides with the other twin")
        << "Main"
        << "SPEED"
        << "SPEED"
        << "edited"
        << "Rule item already exists" << start;
    QTest::newRow("group matched only without case") << "main"
                                                     << "Feed"
                                                     << "Rate"
                                                     << "edited"
                                                     << "Source rule group not found" << start;
    QTest::newRow("missing group") << "Wrist"
                                   << "Feed"
                                   << "Rate"
                                   << "edited"
                                   << "Source rule group not found" << start;
    QTest::newRow("missing rule") << "Main"
                                  << "Brake"
                                  << "Rate"
                                  << "edited"
                                  << "Rule not found" << start;
    QTest::newRow("rule only in another group") << "Main"
                                                << "Deflection"
                                                << "Rate"
                                                << "edited"
                                                << "Rule not found" << start;
    QTest::newRow("blank new name") << "Main"
                                    << "Feed"
                                    << " \t"
                                    << "edited"
                                    << "Rule name is empty" << start;
    QTest::newRow("control character in new name")
        << "Main"
        << "Feed" << QStringLiteral("Ra\x01te") << "edited"
        << "Rule item holds a character that the rules file cannot store" << start;
    QTest::newRow("control character in new expression")
        << "Main"
        << "Feed"
        << "Feed" << QStringLiteral("ed\x02ited")
        << "Rule item holds a character that the rules file cannot store" << start;
}

void TRulesTest::Replace_Rule()
{
    QFETCH(QString, group);
    QFETCH(QString, old_name);
    QFETCH(QString, new_name);
    QFETCH(QString, new_left);
    QFETCH(QString, error);
    QFETCH(QString, main);

    QTemporaryDir directory;
    TRules rules;
    Load_Twins(&rules, directory);

    const TItem item =
        Testing::Rule_Item(new_name, new_left, QStringLiteral("7"), TRules::OPERATOR_NOT_EQUAL);
    const bool replaced = rules.Replace_Rule(group, old_name, item);

    QCOMPARE(replaced, error.isEmpty());
    QCOMPARE(rules.Last_Error(), error);
    QCOMPARE(Dump_Left(rules, QStringLiteral("Main")), main);
    QCOMPARE(Dump_Left(rules, QStringLiteral("Probe")), QStringLiteral("Deflection=tip"));
    QCOMPARE(rules.Rule_Groups(), QStringList({"Main", "Probe"}));
    // A refused change leaves nothing for the close to write; a made one must be written.
    QCOMPARE(rules.Is_Modified(), replaced);
    if (replaced)
    {
        const TItem stored = rules.Rules(QStringLiteral("Main")).back();
        QCOMPARE(stored.right_expression, QStringLiteral("7"));
        QCOMPARE(stored.operator_type, TRules::OPERATOR_NOT_EQUAL);
    }
}

void TRulesTest::Delete_Rule_Exact_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("main");

    const QString start = QStringLiteral("Feed=feed,SPEED=capital,Speed=small");

    QTest::newRow("capital twin") << "Main"
                                  << "SPEED"
                                  << "Feed=feed,Speed=small";
    QTest::newRow("small twin, capital one in front") << "Main"
                                                      << "Speed"
                                                      << "Feed=feed,SPEED=capital";
    QTest::newRow("no exact name takes first match without case") << "Main"
                                                                  << "speed"
                                                                  << "Feed=feed,Speed=small";
    QTest::newRow("missing rule") << "Main"
                                  << "Brake" << start;
    QTest::newRow("group matched only without case") << "main"
                                                     << "Feed" << start;
    QTest::newRow("missing group") << "Wrist"
                                   << "Feed" << start;
}

void TRulesTest::Delete_Rule_Exact()
{
    QFETCH(QString, group);
    QFETCH(QString, name);
    QFETCH(QString, main);

    QTemporaryDir directory;
    TRules rules;
    Load_Twins(&rules, directory);

    rules.Delete_Rule_Exact(group, name);

    QCOMPARE(Dump_Left(rules, QStringLiteral("Main")), main);
    QCOMPARE(Dump_Left(rules, QStringLiteral("Probe")), QStringLiteral("Deflection=tip"));
    QCOMPARE(rules.Is_Modified(), main != QLatin1String("Feed=feed,SPEED=capital,Speed=small"));
    // Like Delete_Rule, a missing rule or group is no error.
    QVERIFY(rules.Last_Error().isEmpty());
}

void TRulesTest::Modified_Flag()
{
    QTemporaryDir directory;
    TRules rules;
    rules.Set_Rule_Path(directory.path());

    const auto saved = [&rules]()
    {
        const bool result = rules.Save_Rules();
        return result && !rules.Is_Modified();
    };

    QVERIFY(rules.Create_Group(QStringLiteral("Main")));
    QVERIFY(rules.Is_Modified());
    QVERIFY(saved());

    QVERIFY(!rules.Create_Group(QStringLiteral("MAIN")));
    QVERIFY(!rules.Add_Rule(QStringLiteral("Wrist"), Testing::Rule_Item(QStringLiteral("A"))));
    rules.Delete_Rule(QStringLiteral("Main"), QStringLiteral("Missing"));
    rules.Remove_Group(QStringLiteral("Missing"));
    QVERIFY(!rules.Copy_Rule(QStringLiteral("Main"), QStringLiteral("Main"), QStringLiteral("X"), true));
    QVERIFY2(!rules.Is_Modified(), "failed or empty operations must not mark the store changed");

    QVERIFY(rules.Add_Rule(QStringLiteral("Main"), Testing::Rule_Item(QStringLiteral("A"))));
    QVERIFY(rules.Is_Modified());
    QVERIFY(saved());
    rules.Delete_Rule(QStringLiteral("Main"), QStringLiteral("a"));
    QVERIFY(rules.Is_Modified());
    QVERIFY(saved());
    rules.Remove_Group(QStringLiteral("main"));
    QVERIFY(rules.Is_Modified());
    QVERIFY(saved());
}

void TRulesTest::Sort_Order()
{
    const TRules::TRuleItemSort less;
    QVERIFY(less(Testing::Rule_Item(QStringLiteral("Z")), Testing::Rule_Item(QStringLiteral("a"))));
    QVERIFY(!less(Testing::Rule_Item(QStringLiteral("a")), Testing::Rule_Item(QStringLiteral("Z"))));
    QVERIFY(less(Testing::Rule_Item(QStringLiteral("10")), Testing::Rule_Item(QStringLiteral("9"))));
    QVERIFY(!less(Testing::Rule_Item(QStringLiteral("a")), Testing::Rule_Item(QStringLiteral("a"))));
    // Code units, not characters: U+FF21 (a BMP letter) sorts after a surrogate pair's high half.
    QVERIFY(less(Testing::Rule_Item(QString::fromUtf8("\xF0\x9D\x90\x80")),
                 Testing::Rule_Item(QString(QChar(0xFF21)))));
}

void TRulesTest::Operator_Keywords()
{
    QCOMPARE(TRules::Operator_Keyword(TRules::OPERATOR_LESS_THAN), QStringLiteral("OPERATOR_LESS_THAN"));
    QCOMPARE(TRules::Operator_Keyword(TRules::OPERATOR_EQUAL), QStringLiteral("OPEATOR_EQUAL"));
    QCOMPARE(TRules::Operator_Keyword(TRules::OPERATOR_GREATER_THAN),
             QStringLiteral("OPERATOR_GREATER_THAN"));
    QCOMPARE(TRules::Operator_Keyword(TRules::OPERATOR_NOT_LESS_THAN),
             QStringLiteral("OPERATOR_NOT_LESS_THAN"));
    QCOMPARE(TRules::Operator_Keyword(TRules::OPERATOR_NOT_EQUAL), QStringLiteral("OPERATOR_NOT_EQUAL"));
    QCOMPARE(TRules::Operator_Keyword(TRules::OPERATOR_NOT_GREATER_THAN),
             QStringLiteral("OPERATOR_NOT_GREATER_THAN"));
    QVERIFY(TRules::Operator_Keyword(static_cast<TRules::TOperatorType>(6)).isEmpty());
}

void TRulesTest::Write_Exact_Text()
{
    QTemporaryDir directory;
    TRules rules;
    rules.Set_Rule_Path(directory.path());
    QVERIFY(rules.Create_Group(QStringLiteral("Servo  Gains ")));
    QVERIFY(rules.Add_Rule(QStringLiteral("Servo  Gains "),
                           Testing::Rule_Item(QStringLiteral("b & <c>"), QStringLiteral("  KP  +\t KI \n"),
                                              QStringLiteral(" \t "), TRules::OPERATOR_EQUAL)));
    QVERIFY(rules.Add_Rule(QStringLiteral("Servo  Gains "),
                           Testing::Rule_Item(QStringLiteral("a"), QString(), QStringLiteral("2"),
                                              TRules::OPERATOR_NOT_GREATER_THAN)));
    QVERIFY(rules.Create_Group(QStringLiteral("Empty")));
    QVERIFY(rules.Save_Rules());

    const QByteArray expected = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                                "<Rules File_Version=\"1\">\n"
                                "    <Rule_Group>\n"
                                "        <Name>Servo  Gains </Name>\n"
                                "        <Rule_Item>\n"
                                "            <Name>b &amp; &lt;c></Name>\n"
                                "            <Left_Expression>KP + KI</Left_Expression>\n"
                                "            <Operator>OPEATOR_EQUAL</Operator>\n"
                                "        </Rule_Item>\n"
                                "        <Rule_Item>\n"
                                "            <Name>a</Name>\n"
                                "            <Right_Expression>2</Right_Expression>\n"
                                "            <Operator>OPERATOR_NOT_GREATER_THAN</Operator>\n"
                                "        </Rule_Item>\n"
                                "    </Rule_Group>\n"
                                "    <Rule_Group>\n"
                                "        <Name>Empty</Name>\n"
                                "    </Rule_Group>\n"
                                "</Rules>\n";
    QCOMPARE(Read_File(rules.Rule_File_Name()), expected);
    QCOMPARE(rules.Rule_File_Name(), directory.path() + QStringLiteral("/rules.xml"));
}

void TRulesTest::Write_Round_Trip()
{
    QTemporaryDir directory;
    TRules written;
    written.Set_Rule_Path(directory.path());
    QVERIFY(written.Create_Group(QStringLiteral("Zeta")));
    QVERIFY(written.Create_Group(QString::fromUtf8("G\xF0\x9D\x90\x80")));
    QVERIFY(written.Create_Group(QStringLiteral("Alpha")));
    // Characters beyond the Basic Multilingual Plane (a mathematical capital, an emoji) included.
    const QString unicode =
        QString::fromUtf8("Tast\xC3\xA4rm \xE2\x88\x86x G\xF0\x9D\x90\x80 \xF0\x9F\x98\x80");
    for (int value = 0; value < 6; ++value)
    {
        const auto operator_type = static_cast<TRules::TOperatorType>(value);
        QVERIFY(
            written.Add_Rule(QStringLiteral("Alpha"), Testing::Rule_Item(QStringLiteral("R%1").arg(5 - value),
                                                                         QStringLiteral("P%1 * 2").arg(value),
                                                                         QString(), operator_type)));
    }
    QVERIFY(written.Add_Rule(QStringLiteral("Zeta"),
                             Testing::Rule_Item(unicode, unicode, QStringLiteral("\"q\" '1'"))));
    QVERIFY(written.Save_Rules());

    TRules read;
    read.Set_Rule_Path(directory.path());
    QVERIFY2(read.Load_Rules(), qPrintable(read.Last_Error()));
    QCOMPARE(Dump(read), QStringLiteral("Zeta[%1] G%2[] Alpha[R0,R1,R2,R3,R4,R5]")
                             .arg(unicode, QString::fromUtf8("\xF0\x9D\x90\x80")));
    const std::vector<TItem> alpha = read.Rules(QStringLiteral("Alpha"));
    for (const TItem& item : alpha)
    {
        const int value = 5 - item.name.mid(1).toInt();
        QCOMPARE(static_cast<int>(item.operator_type), value);
        QCOMPARE(item.left_expression, QStringLiteral("P%1 * 2").arg(value));
        QVERIFY(item.right_expression.isEmpty());
    }
    bool ok = false;
    const TItem zeta = read.Rule(QStringLiteral("Zeta"), unicode, &ok);
    QVERIFY(ok);
    QCOMPARE(zeta.left_expression, unicode);
    QCOMPARE(zeta.right_expression, QStringLiteral("\"q\" '1'"));
}

void TRulesTest::Load_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("dump");

    const QByteArray group_head = "<Rule_Group><Name>Main</Name>";

    QTest::newRow("rules sorted by code unit, groups in file order")
        << Rules_Xml("<Rule_Group><Name>Zeta</Name>" + Rule_Item_Xml("b") + Rule_Item_Xml("a") +
                     Rule_Item_Xml("B") + Rule_Item_Xml("10") + Rule_Item_Xml("9") + "</Rule_Group>" +
                     "<Rule_Group><Name>Alpha</Name></Rule_Group>")
        << true << ""
        << "Zeta[10,9,B,a,b] Alpha[]";
    QTest::newRow("no groups") << Rules_Xml("") << true << ""
                               << "";
    QTest::newRow("version 2 reads nothing")
        << Rules_Xml(group_head + Rule_Item_Xml("A") + "</Rule_Group>", "2") << true << ""
        << "";
    QTest::newRow("keyword of value 1 in small letters")
        << Rules_Xml(group_head + Rule_Item_Xml("A", "opeator_equal") + "</Rule_Group>") << true << ""
        << "Main[A]";
    QTest::newRow("enumerator name as keyword")
        << Rules_Xml(group_head + Rule_Item_Xml("A", "OPERATOR_EQUAL") + "</Rule_Group>") << false
        << "Operator type not recognized"
        << "";
    QTest::newRow("keyword with leading blank")
        << Rules_Xml(group_head + Rule_Item_Xml("A", " OPEATOR_EQUAL") + "</Rule_Group>") << false
        << "Operator type not recognized"
        << "";
    QTest::newRow("missing expressions are empty")
        << Rules_Xml(group_head +
                     "<Rule_Item><Operator>OPERATOR_NOT_EQUAL</Operator><Name>A</Name></Rule_Item>" +
                     "</Rule_Group>")
        << true << ""
        << "Main[A]";
    QTest::newRow("expression present without text")
        << Rules_Xml(group_head +
                     "<Rule_Item><Name>A</Name><Left_Expression/><Operator>OPEATOR_EQUAL</Operator>" +
                     "</Rule_Item></Rule_Group>")
        << false << "ERR: Node Text for 'Left_Expression' is not optional."
        << "";
    QTest::newRow("group without name")
        << Rules_Xml("<Rule_Group>" + Rule_Item_Xml("A") + "</Rule_Group>") << false
        << "ERR: Node 'Name' is missing from node 'Rule_Group' and not optional."
        << "";
    QTest::newRow("group name without text") << Rules_Xml("<Rule_Group><Name></Name></Rule_Group>") << false
                                             << "ERR: Node Text for 'Name' is not optional."
                                             << "";
    QTest::newRow("rule without operator")
        << Rules_Xml(group_head + "<Rule_Item><Name>A</Name></Rule_Item></Rule_Group>") << false
        << "ERR: Node 'Operator' is missing from node 'Rule_Item' and not optional."
        << "";
    QTest::newRow("rule without name")
        << Rules_Xml(group_head + "<Rule_Item><Operator>OPEATOR_EQUAL</Operator></Rule_Item></Rule_Group>")
        << false << "ERR: Node 'Name' is missing from node 'Rule_Item' and not optional."
        << "";
    QTest::newRow("wrong root") << QByteArray("<rules File_Version=\"1\"/>") << false
                                << "ERR:  Identification 'Rules' does not match 'rules'"
                                << "";
    QTest::newRow("no version") << QByteArray("<Rules/>") << false
                                << "ERR: The 'File_Version' attribute is missing."
                                << "";
    QTest::newRow("duplicate names load as they are")
        << Rules_Xml(group_head + Rule_Item_Xml("x") + Rule_Item_Xml("X") + Rule_Item_Xml("x") +
                     "</Rule_Group>" +
                     "<Rule_Group><Name>MAIN</Name></Rule_Group><Rule_Group><Name>Main</Name></Rule_Group>")
        << true << ""
        << "Main[X,x,x] MAIN[] Main[X,x,x]"; // lookups see the first Main only
    QTest::newRow("other elements and repeated name ignored")
        << Rules_Xml("<Note>x</Note><Rule_Group><Comment/><Name>Main</Name><Name>Other</Name>"
                     "<Rule_Item><Operator>OPERATOR_LESS_THAN</Operator><Extra>1</Extra><Name>A</Name>"
                     "<Name>B</Name></Rule_Item><Junk/>" +
                     Rule_Item_Xml("C") + "</Rule_Group>")
        << true << ""
        << "Main[A,C]";
    QTest::newRow("characters beyond the Basic Multilingual Plane")
        << Rules_Xml("<Rule_Group><Name>G\xF0\x9D\x90\x80</Name>" + Rule_Item_Xml("\xF0\x9F\x98\x80") +
                     "</Rule_Group>")
        << true << "" << QString::fromUtf8("G\xF0\x9D\x90\x80[\xF0\x9F\x98\x80]");
    QTest::newRow("XML 1.1 declaration")
        << QByteArray("<?xml version=\"1.1\" encoding=\"utf-8\"?>\n<Rules File_Version=\"1\">" + group_head +
                      Rule_Item_Xml("A") + "</Rule_Group></Rules>\n")
        << true << ""
        << "Main[A]";
    QTest::newRow("undeclared namespace prefix on an element the store does not read")
        << Rules_Xml(group_head + "<x:Note>kept aside</x:Note>" + Rule_Item_Xml("A") + "</Rule_Group>")
        << true << ""
        << "Main[A]";
    QTest::newRow("encoding label in capitals")
        << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<Rules File_Version=\"1\">"
                      "<Rule_Group><Name>Tast\xE4r</Name></Rule_Group></Rules>\n")
        << true << "" << QString::fromUtf8("Tast\xC3\xA4r[]");
    QTest::newRow("tag mismatch in the XML layer's words")
        << QByteArray("<Rules File_Version=\"1\"><Rule_Group></Rules>\n") << false
        << "ERR: Reference file XML parse error at line 1 column 44: "
        << "";
    QTest::newRow("entities and character references")
        << Rules_Xml(group_head + Rule_Item_Xml("a&amp;b&#x41;&lt;") + "</Rule_Group>") << true << ""
        << "Main[a&bA<]";
}

void TRulesTest::Load()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, result);
    QFETCH(QString, error);
    QFETCH(QString, dump);

    QTemporaryDir directory;
    QVERIFY(Write_File(directory.filePath(QStringLiteral("rules.xml")), content));

    TRules rules;
    rules.Set_Rule_Path(directory.path());
    QCOMPARE(rules.Load_Rules(), result);
    // A parse error ends in the parser's own words after its position.
    if (error.endsWith(QLatin1String(": ")))
    {
        QVERIFY2(rules.Last_Error().startsWith(error), qPrintable(rules.Last_Error()));
    }
    else
    {
        QCOMPARE(rules.Last_Error(), error);
    }
    QCOMPARE(Dump(rules), dump);
    QVERIFY(!rules.Is_Modified());
}

void TRulesTest::Load_Other_Version_Keeps_Store()
{
    QTemporaryDir directory;
    TRules rules;
    rules.Set_Rule_Path(directory.path());

    // A missing file is an error and leaves the store as it was.
    QVERIFY(rules.Create_Group(QStringLiteral("Kept")));
    QVERIFY(!rules.Load_Rules());
    QCOMPARE(rules.Last_Error(),
             QStringLiteral("ERR:  Cannot open file '%1' for reading.").arg(rules.Rule_File_Name()));
    QCOMPARE(Dump(rules), QStringLiteral("Kept[]"));
    QVERIFY2(rules.Is_Modified(), "a failed load keeps the modified flag");

    QVERIFY(Write_File(rules.Rule_File_Name(), Rules_Xml("<Rule_Group><Name>New</Name></Rule_Group>", "2")));
    QVERIFY(rules.Load_Rules());
    QCOMPARE(Dump(rules), QStringLiteral("Kept[]"));
    QVERIFY(!rules.Is_Modified());
}

void TRulesTest::Load_Failure_Part_Way()
{
    QTemporaryDir directory;
    QVERIFY(Write_File(directory.filePath(QStringLiteral("rules.xml")),
                       Rules_Xml("<Rule_Group><Name>First</Name>" + Rule_Item_Xml("b") + Rule_Item_Xml("a") +
                                 "</Rule_Group><Rule_Group><Name>Second</Name>" + Rule_Item_Xml("c") +
                                 Rule_Item_Xml("d", "BOGUS") + "</Rule_Group>" +
                                 "<Rule_Group><Name>Third</Name></Rule_Group>")));
    TRules rules;
    rules.Set_Rule_Path(directory.path());
    QVERIFY(rules.Create_Group(QStringLiteral("Replaced")));
    QVERIFY(!rules.Load_Rules());
    QCOMPARE(rules.Last_Error(), QStringLiteral("Operator type not recognized"));
    // Completely read groups stay, in file order and unsorted; the failing group is not added.
    QCOMPARE(Dump(rules), QStringLiteral("First[b,a]"));
    QVERIFY(rules.Is_Modified());
}

void TRulesTest::Save_Without_Change_Leaves_File()
{
    QTemporaryDir directory;
    const QString file_name = directory.filePath(QStringLiteral("rules.xml"));
    // Hand-made layout and unsorted rules: a rewrite would change the bytes.
    const QByteArray content = Rules_Xml("<Rule_Group><Name>Main</Name>" + Rule_Item_Xml("b") +
                                         Rule_Item_Xml("a") + "</Rule_Group>");
    QVERIFY(Write_File(file_name, content));
    const QDateTime old_time = QDateTime::currentDateTime().addSecs(-3600);
    {
        QFile file(file_name);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(old_time, QFileDevice::FileModificationTime));
    }

    TRules rules;
    rules.Set_Rule_Path(directory.path());
    QVERIFY(rules.Load_Rules());
    QVERIFY(rules.Save_Rules());
    QCOMPARE(Read_File(file_name), content);
    QCOMPARE(QFileInfo(file_name).lastModified().toSecsSinceEpoch(), old_time.toSecsSinceEpoch());
    QVERIFY(Kept_Copies(directory.path()).isEmpty());
}

void TRulesTest::Save_Creates_Missing_File()
{
    QTemporaryDir directory;
    TRules rules;
    rules.Set_Rule_Path(directory.path());
    QVERIFY(!rules.Load_Rules());
    QVERIFY(rules.Save_Rules());
    QVERIFY2(!QFileInfo::exists(rules.Rule_File_Name()), "no change, no file");

    QVERIFY(rules.Create_Group(QStringLiteral("Main")));
    QVERIFY(rules.Save_Rules());
    QVERIFY(QFileInfo::exists(rules.Rule_File_Name()));
    QVERIFY(Kept_Copies(directory.path()).isEmpty());
}

void TRulesTest::Save_Failure_Keeps_Modified()
{
    QTemporaryDir directory;
    TRules rules;
    const QString missing = directory.filePath(QStringLiteral("no/such/dir"));
    rules.Set_Rule_Path(missing);
    QVERIFY(rules.Create_Group(QStringLiteral("Main")));
    QVERIFY(!rules.Save_Rules());
    QVERIFY2(rules.Last_Error().startsWith(
                 QStringLiteral("ERR:  Cannot write file '%1/rules.xml'.  Reason: ").arg(missing)),
             qPrintable(rules.Last_Error()));
    QVERIFY(rules.Is_Modified());

    // Once the directory exists the same store saves.
    QVERIFY(QDir().mkpath(missing));
    QVERIFY(rules.Save_Rules());
    QVERIFY(!rules.Is_Modified());
}

void TRulesTest::Save_Without_Directory()
{
    TRules rules;
    QVERIFY(rules.Create_Group(QStringLiteral("Main")));
    QVERIFY(!rules.Save_Rules());
    QCOMPARE(rules.Last_Error(), QStringLiteral("No directory is set for the rules file"));
    QVERIFY(rules.Is_Modified());
}

void TRulesTest::Unreadable_File_Is_Kept_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("loads");

    const QByteArray good = "<Rule_Group><Name>Main</Name>" + Rule_Item_Xml("A") + "</Rule_Group>";
    QTest::newRow("not well-formed") << Rules_Xml(good).left(80) << false;
    QTest::newRow("wrong root") << QByteArray("<Regeln File_Version=\"1\">" + good + "</Regeln>") << false;
    QTest::newRow("unknown operator")
        << Rules_Xml(good + "<Rule_Group><Name>B</Name>" + Rule_Item_Xml("X", "LESS") + "</Rule_Group>")
        << false;
    QTest::newRow("missing element part-way")
        << Rules_Xml(good + "<Rule_Group><Name>B</Name><Rule_Item><Name>X</Name></Rule_Item></Rule_Group>")
        << false;
    QTest::newRow("other version") << Rules_Xml(good, "2") << true;
    QTest::newRow("no version") << QByteArray("<Rules>" + good + "</Rules>") << false;
    QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe garbage", 13) << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TRulesTest::Unreadable_File_Is_Kept()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, loads);

    QTemporaryDir directory;
    TRules rules;
    rules.Set_Rule_Path(directory.path());
    QVERIFY(Write_File(rules.Rule_File_Name(), content));

    QCOMPARE(rules.Load_Rules(), loads);
    QVERIFY(rules.Save_Rules());
    QVERIFY2(Kept_Copies(directory.path()).isEmpty(), "nothing changed, nothing written, nothing copied");
    QCOMPARE(Read_File(rules.Rule_File_Name()), content);

    QVERIFY(rules.Create_Group(QStringLiteral("New")));
    QVERIFY2(rules.Save_Rules(), qPrintable(rules.Last_Error()));

    QStringList copies = Kept_Copies(directory.path());
    QCOMPARE(copies.size(), 1);
    QVERIFY2(QRegularExpression(QStringLiteral("^rules\\.xml\\.unreadable-\\d{8}-\\d{6}$"))
                 .match(copies.first())
                 .hasMatch(),
             qPrintable(copies.first()));
    QCOMPARE(Read_File(directory.filePath(copies.first())), content);

    // The store's own file now: later saves replace it without further copies.
    TRules reread;
    reread.Set_Rule_Path(directory.path());
    QVERIFY(reread.Load_Rules());
    QVERIFY(reread.Rule_Groups().contains(QStringLiteral("New")));

    QVERIFY(rules.Create_Group(QStringLiteral("Newer")));
    QVERIFY(rules.Save_Rules());
    QCOMPARE(Kept_Copies(directory.path()).size(), 1);
}

void TRulesTest::Earlier_Copy_Is_Not_Overwritten()
{
    QTemporaryDir directory;
    TRules rules;
    rules.Set_Rule_Path(directory.path());
    const QByteArray content = "not a rules file";
    QVERIFY(Write_File(rules.Rule_File_Name(), content));
    QVERIFY(!rules.Load_Rules());
    QVERIFY(rules.Create_Group(QStringLiteral("Main")));

    // Occupy the names of the seconds around the save, and their first counters.
    const QDateTime now = QDateTime::currentDateTime();
    QStringList occupied;
    for (int second = -1; second <= 3; ++second)
    {
        const QString name =
            QStringLiteral("%1.unreadable-%2")
                .arg(rules.Rule_File_Name(), now.addSecs(second).toString(QStringLiteral("yyyyMMdd-HHmmss")));
        occupied << name << name + QStringLiteral("-1");
    }
    for (const QString& name : occupied)
    {
        QVERIFY(Write_File(name, "earlier copy " + name.toUtf8()));
    }

    QVERIFY2(rules.Save_Rules(), qPrintable(rules.Last_Error()));

    for (const QString& name : occupied)
    {
        QCOMPARE(Read_File(name), QByteArray("earlier copy " + name.toUtf8()));
    }
    const QStringList copies = Kept_Copies(directory.path());
    QCOMPARE(copies.size(), occupied.size() + 1);
    int holding_content = 0;
    for (const QString& copy : copies)
    {
        if (Read_File(directory.filePath(copy)) == content)
        {
            ++holding_content;
            QVERIFY2(copy.endsWith(QStringLiteral("-2")), qPrintable(copy));
        }
    }
    QCOMPARE(holding_content, 1);
}

void TRulesTest::Missing_File_Makes_No_Copy()
{
    QTemporaryDir directory;
    TRules rules;
    rules.Set_Rule_Path(directory.path());
    QVERIFY(!rules.Load_Rules());
    QVERIFY(rules.Create_Group(QStringLiteral("Main")));
    QVERIFY(rules.Save_Rules());
    QVERIFY(Kept_Copies(directory.path()).isEmpty());
    QCOMPARE(QDir(directory.path()).entryList(QDir::Files), QStringList{QStringLiteral("rules.xml")});
}

void TRulesTest::Loaded_File_Makes_No_Copy()
{
    QTemporaryDir directory;
    TRules rules;
    rules.Set_Rule_Path(directory.path());
    QVERIFY(Write_File(rules.Rule_File_Name(), Rules_Xml("<Rule_Group><Name>Main</Name></Rule_Group>")));
    QVERIFY(rules.Load_Rules());
    QVERIFY(rules.Create_Group(QStringLiteral("Other")));
    QVERIFY(rules.Save_Rules());
    QVERIFY(Kept_Copies(directory.path()).isEmpty());
}

void TRulesTest::Unread_File_Is_Kept_Before_Write()
{
    // A store that never loaded (a tool that only adds) must not wipe the rules already on disk.
    QTemporaryDir directory;
    const QByteArray content =
        Rules_Xml("<Rule_Group><Name>Main</Name>" + Rule_Item_Xml("A") + "</Rule_Group>");
    QVERIFY(Write_File(directory.filePath(QStringLiteral("rules.xml")), content));

    TRules rules;
    rules.Set_Rule_Path(directory.path());
    QVERIFY(rules.Create_Group(QStringLiteral("Other")));
    QVERIFY(rules.Save_Rules());
    const QStringList copies = Kept_Copies(directory.path());
    QCOMPARE(copies.size(), 1);
    QCOMPARE(Read_File(directory.filePath(copies.first())), content);
}

void TRulesTest::Copy_Impossible_Keeps_File()
{
    // A "rules.xml" that is a directory can neither be read nor copied; it must survive the save.
    QTemporaryDir directory;
    TRules rules;
    rules.Set_Rule_Path(directory.path());
    QVERIFY(QDir(directory.path()).mkdir(QStringLiteral("rules.xml")));
    QVERIFY(Write_File(directory.filePath(QStringLiteral("rules.xml/inside")), "kept"));

    QVERIFY(!rules.Load_Rules());
    QVERIFY(rules.Create_Group(QStringLiteral("Main")));
    QVERIFY(!rules.Save_Rules());
    QVERIFY2(rules.Last_Error().contains(QStringLiteral("not overwritten")), qPrintable(rules.Last_Error()));
    QVERIFY(rules.Last_Error().contains(rules.Rule_File_Name()));
    QVERIFY(rules.Is_Modified());
    QVERIFY(QFileInfo(rules.Rule_File_Name()).isDir());
    QCOMPARE(Read_File(directory.filePath(QStringLiteral("rules.xml/inside"))), QByteArray("kept"));
}

void TRulesTest::Hostile_Files_data()
{
    QTest::addColumn<QByteArray>("content");

    QByteArray deep =
        "<Rule_Group><Name>Main</Name><Rule_Item><Name>A</Name><Operator>OPEATOR_EQUAL</Operator>";
    for (int level = 0; level < 20000; ++level)
    {
        deep += "<n>";
    }
    for (int level = 0; level < 20000; ++level)
    {
        deep += "</n>";
    }
    deep += "</Rule_Item></Rule_Group>";
    QTest::newRow("deep nesting") << Rules_Xml(deep);

    QByteArray laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE Rules [\n<!ENTITY a \"aaaaaaaaaa\">\n";
    char previous = 'a';
    for (char entity = 'b'; entity <= 'j'; ++entity)
    {
        laughs += QByteArray("<!ENTITY ") + entity + " \"";
        for (int repeat = 0; repeat < 10; ++repeat)
        {
            laughs += QByteArray("&") + previous + ";";
        }
        laughs += "\">\n";
        previous = entity;
    }
    laughs += "]>\n<Rules File_Version=\"1\"><Rule_Group><Name>&j;</Name></Rule_Group></Rules>\n";
    QTest::newRow("entity expansion") << laughs;

    QTest::newRow("external entity") << QByteArray(
        "<?xml version=\"1.0\"?>\n<!DOCTYPE Rules [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>\n"
        "<Rules File_Version=\"1\"><Rule_Group><Name>&x;</Name></Rule_Group></Rules>\n");
    QTest::newRow("control character reference")
        << Rules_Xml("<Rule_Group><Name>M&#1;ain</Name>" + Rule_Item_Xml("A&#27;") + "</Rule_Group>");
    QTest::newRow("raw control character") << Rules_Xml("<Rule_Group><Name>M\x01"
                                                        "ain</Name></Rule_Group>");
    QTest::newRow("blank names") << Rules_Xml("<Rule_Group><Name>   </Name></Rule_Group>");
    QTest::newRow("huge version") << Rules_Xml("", "99999999999999999999");
    QTest::newRow("negative version") << Rules_Xml("", "-1");
}

void TRulesTest::Hostile_Files()
{
    QFETCH(QByteArray, content);

    QTemporaryDir directory;
    TRules rules;
    rules.Set_Rule_Path(directory.path());
    QVERIFY(Write_File(rules.Rule_File_Name(), content));

    QElapsedTimer timer;
    timer.start();
    const bool loaded = rules.Load_Rules();
    QVERIFY2(timer.elapsed() < 10000, "a hostile file must not stall the start");
    QVERIFY(loaded || !rules.Last_Error().isEmpty());

    // Whatever the load made of it, the next change and close must either save a file that loads
    // again, or fail clearly; and the original bytes must still exist somewhere.
    QVERIFY(rules.Create_Group(QStringLiteral("Added")));
    if (rules.Save_Rules())
    {
        TRules reread;
        reread.Set_Rule_Path(directory.path());
        QVERIFY2(reread.Load_Rules(), qPrintable(reread.Last_Error()));
        QCOMPARE(reread.Rule_Groups(), rules.Rule_Groups());
        // A file that loaded was read whole; one that did not must still exist, here or as a copy.
        bool original_kept = loaded && reread.Rule_Groups().contains(QStringLiteral("Added"));
        original_kept = original_kept || Read_File(rules.Rule_File_Name()) == content;
        for (const QString& copy : Kept_Copies(directory.path()))
        {
            original_kept = original_kept || Read_File(directory.filePath(copy)) == content;
        }
        QVERIFY(original_kept);
    }
    else
    {
        QVERIFY(!rules.Last_Error().isEmpty());
        QCOMPARE(Read_File(rules.Rule_File_Name()), content);
    }
}

void TRulesTest::Thousands_Of_Groups()
{
    const int group_count = 5000;
    QByteArray body;
    for (int group = group_count; group > 0; --group)
    {
        body += "<Rule_Group><Name>G" + QByteArray::number(group) + "</Name>" +
                Rule_Item_Xml("R" + QByteArray::number(group % 7)) + Rule_Item_Xml("r") + "</Rule_Group>";
    }

    QTemporaryDir directory;
    TRules rules;
    rules.Set_Rule_Path(directory.path());
    QVERIFY(Write_File(rules.Rule_File_Name(), Rules_Xml(body)));

    QElapsedTimer timer;
    timer.start();
    QVERIFY(rules.Load_Rules());
    QCOMPARE(rules.Rule_Groups().size(), group_count);
    QCOMPARE(rules.Rule_Groups().first(), QStringLiteral("G%1").arg(group_count));
    QCOMPARE(rules.Rule_List(QStringLiteral("G14")),
             (QStringList{QStringLiteral("R0"), QStringLiteral("r")}));

    for (int group = 0; group < 2000; ++group)
    {
        QVERIFY(rules.Create_Group(QStringLiteral("New%1").arg(group)));
        QVERIFY(rules.Add_Rule(QStringLiteral("New%1").arg(group), Testing::Rule_Item(QStringLiteral("A"))));
    }
    QVERIFY(rules.Save_Rules());
    TRules reread;
    reread.Set_Rule_Path(directory.path());
    QVERIFY(reread.Load_Rules());
    QCOMPARE(reread.Rule_Groups(), rules.Rule_Groups());
    QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
}

void TRulesTest::Twenty_Megabyte_File()
{
    // One expression of 20 MB, as a pasted or generated text might give.
    const QByteArray huge = QByteArray("P1 + ").repeated(4 * 1024 * 1024) + "1";
    const QByteArray content =
        Rules_Xml("<Rule_Group><Name>Main</Name><Rule_Item><Name>Huge</Name><Left_Expression>" + huge +
                  "</Left_Expression><Operator>OPEATOR_EQUAL</Operator></Rule_Item></Rule_Group>");
    QVERIFY(content.size() > 20 * 1000 * 1000);

    QTemporaryDir directory;
    TRules rules;
    rules.Set_Rule_Path(directory.path());
    QVERIFY(Write_File(rules.Rule_File_Name(), content));
    QVERIFY2(rules.Load_Rules(), qPrintable(rules.Last_Error()));
    bool ok = false;
    QCOMPARE(rules.Rule(QStringLiteral("Main"), QStringLiteral("Huge"), &ok).left_expression.size(),
             huge.size());
    QVERIFY(ok);

    QVERIFY(rules.Add_Rule(QStringLiteral("Main"), Testing::Rule_Item(QStringLiteral("Small"))));
    QVERIFY(rules.Save_Rules());
    TRules reread;
    reread.Set_Rule_Path(directory.path());
    QVERIFY(reread.Load_Rules());
    QCOMPARE(reread.Rules(QStringLiteral("Main")).front().left_expression, QString::fromLatin1(huge));
}

void TRulesTest::Import_data()
{
    QTest::addColumn<QByteArray>("body");
    // One letter per question, in the order asked: R replace, K keep both, S skip.
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("imported");

    const QString held = QStringLiteral("Main[Speed,Accel] Probe[Deflection]");
    QTest::newRow("new group added, no question")
        << QByteArray("<Rule_Group><Name>Extra</Name>" + Rule_Item_Xml("a") + "</Rule_Group>") << QString()
        << QString() << held + QStringLiteral(" Extra[a]") << QStringList{QStringLiteral("Extra")};
    const QByteArray clash =
        "<Rule_Group><Name>main</Name>" + Rule_Item_Xml("b") + Rule_Item_Xml("a") + "</Rule_Group>";
    QTest::newRow("clash without case, replaced in place")
        << clash << QStringLiteral("R") << QStringLiteral("main>main (2)")
        << QStringLiteral("main[a,b] Probe[Deflection]") << QStringList{QStringLiteral("main")};
    QTest::newRow("clash kept both") << clash << QStringLiteral("K") << QStringLiteral("main>main (2)")
                                     << held + QStringLiteral(" main (2)[a,b]")
                                     << QStringList{QStringLiteral("main (2)")};
    QTest::newRow("clash skipped") << clash << QStringLiteral("S") << QStringLiteral("main>main (2)") << held
                                   << QStringList();
    QTest::newRow("kept twice: the next number free, a clash inside the file asked too")
        << QByteArray("<Rule_Group><Name>Main</Name>" + Rule_Item_Xml("x") +
                      "</Rule_Group><Rule_Group><Name>MAIN</Name>" + Rule_Item_Xml("y") + "</Rule_Group>")
        << QStringLiteral("KK") << QStringLiteral("Main>Main (2)|MAIN>MAIN (3)")
        << held + QStringLiteral(" Main (2)[x] MAIN (3)[y]")
        << QStringList{QStringLiteral("Main (2)"), QStringLiteral("MAIN (3)")};
    QTest::newRow("skipped clash, the other group still added")
        << QByteArray("<Rule_Group><Name>Probe</Name>" + Rule_Item_Xml("p") +
                      "</Rule_Group><Rule_Group><Name>New</Name></Rule_Group>")
        << QStringLiteral("S") << QStringLiteral("Probe>Probe (2)") << held + QStringLiteral(" New[]")
        << QStringList{QStringLiteral("New")};
}

void TRulesTest::Import()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, answers);
    QFETCH(QString, asked);
    QFETCH(QString, expected);
    QFETCH(QStringList, imported);

    QTemporaryDir directory;
    const QString file_name = directory.filePath(QStringLiteral("team.xml"));
    QVERIFY(Write_File(file_name, Rules_Xml(body)));
    TRules rules;
    rules.Set_Rule_Path(directory.path());
    Fill_Store(&rules);
    QVERIFY(rules.Save_Rules());

    QStringList questions;
    QString left = answers;
    const auto ask = [&questions, &left](const QString& name, const QString& kept_name)
    {
        questions << name + QLatin1Char('>') + kept_name;
        const QChar answer = left.isEmpty() ? QLatin1Char('S') : left.at(0);
        left.remove(0, 1);
        return answer == QLatin1Char('R')   ? TRules::CLASH_REPLACE
               : answer == QLatin1Char('K') ? TRules::CLASH_KEEP_BOTH
                                            : TRules::CLASH_SKIP;
    };
    QStringList names;
    QVERIFY2(rules.Import_Rules(file_name, ask, &names), qPrintable(rules.Last_Error()));
    QCOMPARE(questions.join(QLatin1Char('|')), asked);
    QVERIFY(left.isEmpty());
    QCOMPARE(Dump(rules), expected);
    QCOMPARE(names, imported);
    QCOMPARE(rules.Is_Modified(), !imported.isEmpty());
}

void TRulesTest::Import_Failure_Changes_Nothing_data()
{
    QTest::addColumn<QByteArray>("content");
    // %1: the imported file's name.
    QTest::addColumn<QString>("error");

    QTest::newRow("missing file") << QByteArray()
                                  << QStringLiteral("ERR:  Cannot open file '%1' for reading.");
    QTest::newRow("unknown operator, after a good group")
        << Rules_Xml("<Rule_Group><Name>Good</Name></Rule_Group><Rule_Group><Name>Bad</Name>" +
                     Rule_Item_Xml("a", "BOGUS") + "</Rule_Group>")
        << QStringLiteral("Operator type not recognized");
    QTest::newRow("a parameter settings file")
        << QByteArray("<?xml version=\"1.0\"?>\n<Settings File_Version=\"1\"/>\n")
        << QStringLiteral("ERR:  Identification 'Rules' does not match 'Settings'");
    QTest::newRow("another file version")
        << Rules_Xml("<Rule_Group><Name>Later</Name></Rule_Group>", "2")
        << QStringLiteral("ERR:  Rules file '%1' has a file version this program does not read");
}

void TRulesTest::Import_Failure_Changes_Nothing()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, error);

    QTemporaryDir directory;
    const QString file_name = directory.filePath(QStringLiteral("team.xml"));
    if (!content.isNull())
    {
        QVERIFY(Write_File(file_name, content));
    }
    TRules rules;
    rules.Set_Rule_Path(directory.path());
    Fill_Store(&rules);
    QVERIFY(rules.Save_Rules());

    bool asked = false;
    QStringList names;
    QVERIFY(!rules.Import_Rules(
        file_name,
        [&asked](const QString&, const QString&)
        {
            asked = true;
            return TRules::CLASH_REPLACE;
        },
        &names));
    QCOMPARE(rules.Last_Error(), error.replace(QStringLiteral("%1"), file_name));
    QVERIFY(!asked);
    QVERIFY(names.isEmpty());
    QCOMPARE(Dump(rules), QStringLiteral("Main[Speed,Accel] Probe[Deflection]"));
    QVERIFY(!rules.Is_Modified());
}

void TRulesTest::Export_Round_Trip()
{
    QTemporaryDir directory;
    TRules rules;
    Fill_Store(&rules);
    const TItem limit = Testing::Rule_Item(QStringLiteral("Limit"), QStringLiteral("AX_LIMIT[2] * 0.5"),
                                           QStringLiteral("\"<&>\""), TRules::OPERATOR_NOT_GREATER_THAN);
    QVERIFY(rules.Add_Rule(QStringLiteral("Probe"), limit));

    // Whatever was at the chosen name is replaced, and no copy of it is kept beside it.
    const QString file_name = directory.filePath(QStringLiteral("probe.xml"));
    QVERIFY(Write_File(file_name, "not a rules file"));
    QVERIFY2(rules.Export_Group(QStringLiteral("Probe"), file_name), qPrintable(rules.Last_Error()));
    QCOMPARE(QDir(directory.path()).entryList(QDir::Files), QStringList{QStringLiteral("probe.xml")});

    // Read back as a rules file named on the command line is read...
    TRules named;
    named.Set_Rule_File_Name(file_name);
    QVERIFY2(named.Load_Rules(), qPrintable(named.Last_Error()));
    QCOMPARE(Dump(named), QStringLiteral("Probe[Deflection,Limit]"));
    bool ok = false;
    const TItem read = named.Rule(QStringLiteral("Probe"), QStringLiteral("Limit"), &ok);
    QVERIFY(ok);
    QCOMPARE(read.left_expression, limit.left_expression);
    QCOMPARE(read.right_expression, limit.right_expression);
    QCOMPARE(read.operator_type, limit.operator_type);

    // ...and imported into another store.
    TRules other;
    QVERIFY(other.Create_Group(QStringLiteral("Main")));
    QVERIFY(other.Import_Rules(file_name, TRules::TClashQuestion()));
    QCOMPARE(Dump(other), QStringLiteral("Main[] Probe[Deflection,Limit]"));
}

void TRulesTest::Export_Failure()
{
    QTemporaryDir directory;
    TRules rules;
    Fill_Store(&rules);

    const QString file_name = directory.filePath(QStringLiteral("probe.xml"));
    QVERIFY(!rules.Export_Group(QStringLiteral("Missing"), file_name));
    QCOMPARE(rules.Last_Error(), QStringLiteral("Rule group not found"));
    QVERIFY(!QFileInfo::exists(file_name));

    const QString unreachable = directory.filePath(QStringLiteral("no/such/folder/probe.xml"));
    QVERIFY(!rules.Export_Group(QStringLiteral("Probe"), unreachable));
    QVERIFY(rules.Last_Error().contains(unreachable));
    QVERIFY(!QFileInfo::exists(unreachable));
}

QTEST_GUILESS_MAIN(TRulesTest)
#include "tst_rules.moc"
