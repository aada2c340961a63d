#include "parameters.h"

#include "parameterrecord.h"

#include <QtTest>

#include <limits>

namespace
{
bool Is_Empty_Record(const TParameters::TParameter& record)
{
    return record.key.isEmpty() && record.name.isEmpty() && record.description.isEmpty() &&
           record.type == 0 && record.number == 0 && !record.changed && record.integer_values.isEmpty() &&
           record.double_values.isEmpty() && record.text_values.isEmpty() &&
           record.original_integer_values.isEmpty() && record.original_double_values.isEmpty() &&
           record.original_text_values.isEmpty();
}
} // namespace

Q_DECLARE_METATYPE(TParameters::TParameter)

class TParametersTest : public QObject
{
    Q_OBJECT

private slots:
    void Construction_Is_Empty();
    void Get_Parameter_Lookup_data();
    void Get_Parameter_Lookup();
    void Get_Parameter_Returns_Whole_Copy();
    void Get_Parameter_List_Filter_data();
    void Get_Parameter_List_Filter();
    void Add_Parameter_Refusals_data();
    void Add_Parameter_Refusals();
    void Add_Parameter_Duplicate_Keeps_First();
    void Reset_Empties_Index_Too();
    void Update_Parameter_Keeps_First_Originals();
    void Update_Parameter_Unchanged_Flag();
    void Update_Parameter_Ignores_Other_Fields();
    void Update_Parameter_Unknown_Key();
    void Set_Value_Text_data();
    void Set_Value_Text();
    void Edit_Parameter_Back_To_Loaded_data();
    void Edit_Parameter_Back_To_Loaded();
    void Format_Value_data();
    void Format_Value();
    void Convert_From_Text_data();
    void Convert_From_Text();
    void Convert_From_Text_Leaves_Numeric_Types();
    void Get_Variables_data();
    void Get_Variables();
    void Get_Variables_Null_Pointer_And_Empty_Model();
    void Many_Parameters_Stay_Fast();
};

void TParametersTest::Construction_Is_Empty()
{
    TParameters parameters;
    QCOMPARE(parameters.Parameter_Count(), 0);
    QCOMPARE(parameters.File_Format(), TParameters::FORMAT_NOT_SET);
    QVERIFY(parameters.Last_Error().isEmpty());
    QVERIFY(parameters.Get_Parameter_List(QString()).isEmpty());
}

void TParametersTest::Get_Parameter_Lookup_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("expected_found");
    QTest::addColumn<int>("expected_number");

    QTest::newRow("exact key") << "DEA_TAPS" << true << 94;
    QTest::newRow("second record") << "TTP_DECL" << true << 98;
    QTest::newRow("differs only in case") << "dea_taps" << false << 0;
    QTest::newRow("prefix of a key") << "DEA" << false << 0;
    QTest::newRow("key with trailing blank") << "DEA_TAPS " << false << 0;
    QTest::newRow("empty key not stored") << "" << false << 0;
}

void TParametersTest::Get_Parameter_Lookup()
{
    QFETCH(QString, key);
    QFETCH(bool, expected_found);
    QFETCH(int, expected_number);

    TParameters parameters;
    TParameters::TParameter first = Record(QStringLiteral("DEA_TAPS"), TParameters::TYPE_INTEGER, {8});
    first.number = 94;
    TParameters::TParameter second = Record(QStringLiteral("TTP_DECL"), TParameters::TYPE_DOUBLE, {}, {2.5});
    second.number = 98;
    QVERIFY(parameters.Add_Parameter(first));
    QVERIFY(parameters.Add_Parameter(second));

    bool found = !expected_found; // the flag must be written whatever it held before
    const TParameters::TParameter result = parameters.Get_Parameter(key, &found);
    QCOMPARE(found, expected_found);
    QCOMPARE(result.number, expected_number);
    if (expected_found)
    {
        QCOMPARE(result.key, key);
    }
    else
    {
        QVERIFY(Is_Empty_Record(result));
    }
    // Without a flag pointer the lookup works the same.
    QCOMPARE(parameters.Get_Parameter(key).number, expected_number);
}

void TParametersTest::Get_Parameter_Returns_Whole_Copy()
{
    TParameters parameters;
    TParameters::TParameter record = Record(QStringLiteral("MIXED"), TParameters::TYPE_TEXT, {1}, {2.5},
                                            {QStringLiteral("1"), QStringLiteral("2.5")});
    record.name = QStringLiteral("Mixed entry");
    record.description = QStringLiteral("Probe deflection limit");
    record.number = 7;
    record.original_integer_values = {3};
    record.original_double_values = {4.5};
    record.original_text_values = QStringList{QStringLiteral("old")};
    QVERIFY(parameters.Add_Parameter(record));

    const TParameters::TParameter copy = parameters.Get_Parameter(QStringLiteral("MIXED"));
    QCOMPARE(copy.name, record.name);
    QCOMPARE(copy.description, record.description);
    QCOMPARE(copy.type, record.type);
    QCOMPARE(copy.number, record.number);
    QCOMPARE(copy.integer_values, record.integer_values);
    QCOMPARE(copy.double_values, record.double_values);
    QCOMPARE(copy.text_values, record.text_values);
    QCOMPARE(copy.original_integer_values, record.original_integer_values);
    QCOMPARE(copy.original_double_values, record.original_double_values);
    QCOMPARE(copy.original_text_values, record.original_text_values);
}

void TParametersTest::Get_Parameter_List_Filter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty filter gives all in order")
        << "" << QStringList{"PRB_TIME", "XAXIS", "ProbeRack", "wrist_prb", "DEA_TAPS"};
    QTest::newRow("prb in any case, list order") << "prb" << QStringList{"PRB_TIME", "wrist_prb"};
    QTest::newRow("capital filter matches small key") << "PROBE" << QStringList{"ProbeRack"};
    QTest::newRow("substring in the middle") << "A_T" << QStringList{"DEA_TAPS"};
    QTest::newRow("no match") << "ZZZ" << QStringList{};
    QTest::newRow("filter is plain text, not a pattern") << "P.B" << QStringList{};
    QTest::newRow("whole key") << "xaxis" << QStringList{"XAXIS"};
}

void TParametersTest::Get_Parameter_List_Filter()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);

    TParameters parameters;
    for (const char* key : {"PRB_TIME", "XAXIS", "ProbeRack", "wrist_prb", "DEA_TAPS"})
    {
        QVERIFY(parameters.Add_Parameter(Record(QString::fromLatin1(key), TParameters::TYPE_INTEGER, {1})));
    }
    QCOMPARE(parameters.Get_Parameter_List(filter), expected);
}

void TParametersTest::Add_Parameter_Refusals_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("eight hyphens") << "--------" << false;
    QTest::newRow("eight hyphens and text") << "--------SECTION" << false;
    QTest::newRow("many hyphens") << QString(40, QLatin1Char('-')) << false;
    QTest::newRow("seven hyphens") << "-------" << true;
    QTest::newRow("hyphens after a blank") << " --------" << true;
    QTest::newRow("hyphens inside") << "A--------" << true;
    QTest::newRow("empty key") << "" << true;
    QTest::newRow("ordinary key") << "CMMCONFG" << true;
}

void TParametersTest::Add_Parameter_Refusals()
{
    QFETCH(QString, key);
    QFETCH(bool, accepted);

    TParameters parameters;
    QCOMPARE(parameters.Add_Parameter(Record(key, TParameters::TYPE_INTEGER, {1})), accepted);
    QCOMPARE(parameters.Parameter_Count(), accepted ? 1 : 0);
    bool found = false;
    parameters.Get_Parameter(key, &found);
    QCOMPARE(found, accepted);
}

void TParametersTest::Add_Parameter_Duplicate_Keeps_First()
{
    TParameters parameters;
    TParameters::TParameter first = Record(QStringLiteral("SERVO_GAIN"), TParameters::TYPE_INTEGER, {5});
    first.number = 8;
    TParameters::TParameter second =
        Record(QStringLiteral("SERVO_GAIN"), TParameters::TYPE_DOUBLE, {}, {9.5});
    second.number = 9;
    QVERIFY(parameters.Add_Parameter(first));
    QVERIFY(!parameters.Add_Parameter(second));
    // A key that differs only in case is another parameter.
    QVERIFY(parameters.Add_Parameter(Record(QStringLiteral("servo_gain"), TParameters::TYPE_INTEGER, {6})));

    QCOMPARE(parameters.Parameter_Count(), 2);
    const TParameters::TParameter stored = parameters.Get_Parameter(QStringLiteral("SERVO_GAIN"));
    QCOMPARE(stored.number, 8);
    QCOMPARE(stored.integer_values, QVector<int>{5});
    QVERIFY(stored.double_values.isEmpty());
    QCOMPARE(parameters.Get_Parameter_List(QString()), (QStringList{"SERVO_GAIN", "servo_gain"}));
}

void TParametersTest::Reset_Empties_Index_Too()
{
    TParameters parameters;
    QVERIFY(parameters.Add_Parameter(Record(QStringLiteral("A"), TParameters::TYPE_INTEGER, {1})));
    QVERIFY(parameters.Add_Parameter(Record(QStringLiteral("B"), TParameters::TYPE_INTEGER, {2})));
    parameters.Reset();
    QCOMPARE(parameters.Parameter_Count(), 0);
    bool found = true;
    parameters.Get_Parameter(QStringLiteral("A"), &found);
    QVERIFY(!found);

    // After a reset the same keys load again, and look-ups find the new records at their new places.
    QVERIFY(parameters.Add_Parameter(Record(QStringLiteral("B"), TParameters::TYPE_INTEGER, {20})));
    QVERIFY(parameters.Add_Parameter(Record(QStringLiteral("A"), TParameters::TYPE_INTEGER, {10})));
    QCOMPARE(parameters.Get_Parameter(QStringLiteral("A")).integer_values, QVector<int>{10});
    QCOMPARE(parameters.Get_Parameter(QStringLiteral("B")).integer_values, QVector<int>{20});
    parameters.Update_Parameter(Record(QStringLiteral("A"), TParameters::TYPE_INTEGER, {11}));
    QCOMPARE(parameters.Parameters().at(1).integer_values, QVector<int>{11});
    QCOMPARE(parameters.Parameters().at(0).integer_values, QVector<int>{20});
}

void TParametersTest::Update_Parameter_Keeps_First_Originals()
{
    TParameters parameters;
    QVERIFY(parameters.Add_Parameter(Record(QStringLiteral("DEA_TAPS"), TParameters::TYPE_INTEGER, {5})));

    TParameters::TParameter edit = parameters.Get_Parameter(QStringLiteral("DEA_TAPS"));
    edit.integer_values[0] = 6;
    edit.changed = true;
    parameters.Update_Parameter(edit);

    edit = parameters.Get_Parameter(QStringLiteral("DEA_TAPS"));
    QVERIFY(edit.changed);
    QCOMPARE(edit.original_integer_values, QVector<int>{5});
    edit.integer_values[0] = 7;
    parameters.Update_Parameter(edit);

    const TParameters::TParameter stored = parameters.Get_Parameter(QStringLiteral("DEA_TAPS"));
    QCOMPARE(stored.integer_values, QVector<int>{7});
    QCOMPARE(stored.original_integer_values, QVector<int>{5});
    QVERIFY(stored.changed);
    QVERIFY(stored.original_double_values.isEmpty());
    QVERIFY(stored.original_text_values.isEmpty());
}

void TParametersTest::Update_Parameter_Unchanged_Flag()
{
    TParameters parameters;
    QVERIFY(parameters.Add_Parameter(Record(QStringLiteral("DEA_TAPS"), TParameters::TYPE_INTEGER, {5})));

    TParameters::TParameter edit = parameters.Get_Parameter(QStringLiteral("DEA_TAPS"));
    edit.integer_values = {9};
    edit.changed = false;
    parameters.Update_Parameter(edit);

    const TParameters::TParameter stored = parameters.Get_Parameter(QStringLiteral("DEA_TAPS"));
    QCOMPARE(stored.integer_values, QVector<int>{9});
    QVERIFY(!stored.changed);
    QVERIFY(stored.original_integer_values.isEmpty());
}

void TParametersTest::Update_Parameter_Ignores_Other_Fields()
{
    TParameters parameters;
    TParameters::TParameter record =
        Record(QStringLiteral("TTP_DECL"), TParameters::TYPE_DOUBLE_ARRAY, {}, {250, 125});
    record.name = QStringLiteral("Probe decel");
    record.number = 98;
    record.description = QStringLiteral("Deceleration");
    QVERIFY(parameters.Add_Parameter(record));

    TParameters::TParameter edit =
        Record(QStringLiteral("TTP_DECL"), TParameters::TYPE_TEXT, {1}, {300, 125}, {QStringLiteral("x")});
    edit.name = QStringLiteral("other");
    edit.number = 1;
    edit.description = QStringLiteral("other");
    edit.changed = true;
    edit.original_double_values = {1, 2, 3};
    parameters.Update_Parameter(edit);

    const TParameters::TParameter stored = parameters.Get_Parameter(QStringLiteral("TTP_DECL"));
    QCOMPARE(stored.type, int(TParameters::TYPE_DOUBLE_ARRAY));
    QCOMPARE(stored.name, QStringLiteral("Probe decel"));
    QCOMPARE(stored.number, 98);
    QCOMPARE(stored.description, QStringLiteral("Deceleration"));
    QCOMPARE(stored.double_values, (QVector<double>{300, 125}));
    QCOMPARE(stored.integer_values, QVector<int>{1});
    QCOMPARE(stored.text_values, QStringList{QStringLiteral("x")});
    // The incoming originals are ignored: the stored values before the edit become the originals.
    QCOMPARE(stored.original_double_values, (QVector<double>{250, 125}));
    // The lists that were empty stay empty as originals.
    QVERIFY(stored.original_integer_values.isEmpty());
    QVERIFY(stored.original_text_values.isEmpty());
}

void TParametersTest::Update_Parameter_Unknown_Key()
{
    TParameters parameters;
    QVERIFY(parameters.Add_Parameter(Record(QStringLiteral("A"), TParameters::TYPE_INTEGER, {1})));
    TParameters::TParameter edit = Record(QStringLiteral("a"), TParameters::TYPE_INTEGER, {2});
    edit.changed = true;
    parameters.Update_Parameter(edit);
    QCOMPARE(parameters.Parameter_Count(), 1);
    const TParameters::TParameter stored = parameters.Get_Parameter(QStringLiteral("A"));
    QCOMPARE(stored.integer_values, QVector<int>{1});
    QVERIFY(!stored.changed);
}

void TParametersTest::Set_Value_Text_data()
{
    QTest::addColumn<TParameters::TParameter>("record");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refusal");    // empty: accepted
    QTest::addColumn<QString>("value_text"); // the value after the call, as the model gives it
    QTest::addColumn<QVector<int>>("integers");

    const TParameters::TParameter integers = Record("I", TParameters::TYPE_INTEGER_ARRAY, {1, 2});
    const TParameters::TParameter real = Record("R", TParameters::TYPE_DOUBLE, {}, {0.5});
    const TParameters::TParameter text = Record("T", TParameters::TYPE_TEXT_ARRAY, {1}, {}, {"1", "x"});
    const TParameters::TParameter bits = Record("B", TParameters::TYPE_INTEGER_BIT_PATTERN, {-9});
    QTest::newRow("integer") << integers << 1 << " -3 "
                             << ""
                             << "-3" << QVector<int>{1, -3};
    QTest::newRow("integer in exponent notation") << integers << 0 << "1e3"
                                                  << ""
                                                  << "1000" << QVector<int>{1000, 2};
    QTest::newRow("integer with a fraction refused") << integers << 0 << "7.99"
                                                     << "Not a whole number: 7.99"
                                                     << "1" << QVector<int>{1, 2};
    QTest::newRow("integer beyond 32 bits refused") << integers << 0 << "3000000000"
                                                    << "Outside the 32-bit integer range: 3000000000"
                                                    << "1" << QVector<int>{1, 2};
    QTest::newRow("two commas are no decimal comma") << integers << 0 << "1,5,0"
                                                     << "Not a finite number: 1,5,0"
                                                     << "1" << QVector<int>{1, 2};
    QTest::newRow("integer from letters refused") << integers << 0 << "9/tmp"
                                                  << "Not a finite number: 9/tmp"
                                                  << "1" << QVector<int>{1, 2};
    QTest::newRow("index beyond the values refused") << integers << 2 << "5"
                                                     << "I has no value 3."
                                                     << "" << QVector<int>{1, 2};
    QTest::newRow("bit pattern sign bit") << bits << 0 << "-2147483648"
                                          << ""
                                          << "-2147483648" << QVector<int>{std::numeric_limits<int>::min()};
    QTest::newRow("real shortest text") << real << 0 << "0.623456789"
                                        << ""
                                        << "0.623456789" << QVector<int>{};
    QTest::newRow("real not a number refused") << real << 0 << "nan"
                                               << "Not a finite number: nan"
                                               << "0.5" << QVector<int>{};
    QTest::newRow("real infinity refused") << real << 0 << "inf"
                                           << "Not a finite number: inf"
                                           << "0.5" << QVector<int>{};
    QTest::newRow("real out of range refused") << real << 0 << "1.5e400"
                                               << "Not a finite number: 1.5e400"
                                               << "0.5" << QVector<int>{};
    QTest::newRow("real with a comma refused, saying how to write it")
        << real << 0 << "1,5"
        << "Not a finite number: 1,5; use a point as the decimal separator: 1.5"
        << "0.5" << QVector<int>{};
    QTest::newRow("text takes any text") << text << 0 << "7.99 y"
                                         << ""
                                         << "7.99 y" << QVector<int>{1};
}

void TParametersTest::Set_Value_Text()
{
    QFETCH(TParameters::TParameter, record);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QString, refusal);
    QFETCH(QString, value_text);
    QFETCH(QVector<int>, integers);

    QString reason;
    QCOMPARE(TParameters::Set_Value_Text(&record, index, text, &reason), refusal.isEmpty());
    // "?": refused, the wording is another table's.
    if (refusal == QLatin1String("?"))
    {
        QVERIFY(!reason.isEmpty());
    }
    else
    {
        QCOMPARE(reason, refusal);
    }
    QCOMPARE(TParameters::Value_Text(record, index), value_text);
    QCOMPARE(record.integer_values, integers);
}

void TParametersTest::Edit_Parameter_Back_To_Loaded_data()
{
    QTest::addColumn<TParameters::TParameter>("record");
    QTest::addColumn<QString>("edit_text");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("constants integer, no originals at load")
        << Record("K", TParameters::TYPE_INTEGER, {8}) << "9";
    TParameters::TParameter converted = Record("K", TParameters::TYPE_DOUBLE_ARRAY, {}, {250, 125});
    converted.original_double_values = converted.double_values;
    QTest::newRow("settings reals, originals at load") << converted << "1";
    QTest::newRow("real not a number at load") << Record("K", TParameters::TYPE_DOUBLE, {}, {nan}) << "1";
    QTest::newRow("text") << Record("K", TParameters::TYPE_TEXT, {}, {}, {"Line 3"}) << "Line 4";
}

void TParametersTest::Edit_Parameter_Back_To_Loaded()
{
    QFETCH(TParameters::TParameter, record);
    QFETCH(QString, edit_text);

    TParameters parameters;
    QVERIFY(parameters.Add_Parameter(record));
    QVERIFY(parameters.Add_Parameter(Record("OTHER", TParameters::TYPE_INTEGER, {1})));
    const QString loaded_text = TParameters::Value_Text(record, 0);
    // Records shared with a reader, as a check on another core holds them, stay as they were taken.
    const QSharedDataPointer<TParameters::TRecordList> shared = parameters.Shared_Parameters();

    TParameters::TParameter edit = parameters.Get_Parameter("K");
    QVERIFY(TParameters::Set_Value_Text(&edit, 0, edit_text));
    QVERIFY(parameters.Edit_Parameter(edit));
    QVERIFY(parameters.Get_Parameter("K").changed);
    QVERIFY(!shared->records.front().changed);
    QCOMPARE(TParameters::Value_Text(shared->records.front(), 0), loaded_text);
    QCOMPARE(parameters.Changed_Count(), 1);
    QCOMPARE(TParameters::Value_Text(parameters.Loaded_Parameter("K"), 0), loaded_text);

    // A second edit keeps the loaded values; taking the value back makes the record unchanged.
    QVERIFY(TParameters::Set_Value_Text(&edit, 0, edit_text + "0"));
    QVERIFY(parameters.Edit_Parameter(edit));
    QVERIFY(parameters.Edit_Parameter(parameters.Loaded_Parameter("K")));
    const TParameters::TParameter stored = parameters.Get_Parameter("K");
    QVERIFY(!stored.changed);
    QCOMPARE(parameters.Changed_Count(), 0);
    QCOMPARE(TParameters::Value_Text(stored, 0), loaded_text);
    QVERIFY(!parameters.Edit_Parameter(Record("NOT_THERE", TParameters::TYPE_INTEGER, {1})));
}

void TParametersTest::Format_Value_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("negative exponent") << "1.5E-03"
                                       << "+1.5E-0003";
    QTest::newRow("negative mantissa") << "-2.25E+12"
                                       << "-2.25E+0012";
    QTest::newRow("no exponent") << "7"
                                 << "+7";
    QTest::newRow("negative, no exponent") << "-3"
                                           << "-3";
    QTest::newRow("zero exponent") << "1.0E+00"
                                   << "+1.0E+0000";
    QTest::newRow("exponent without sign") << "2E5"
                                           << "+2E+0005";
    QTest::newRow("small e is not an exponent") << "2e5"
                                                << "+2e5";
    QTest::newRow("three digit exponent") << "1.0E-308"
                                          << "+1.0E-0308";
    QTest::newRow("five digit exponent kept whole") << "1E12345"
                                                    << "+1E+12345";
    QTest::newRow("unreadable exponent is zero") << "1.5Ex"
                                                 << "+1.5E+0000";
    QTest::newRow("empty exponent is zero") << "1.5E"
                                            << "+1.5E+0000";
    QTest::newRow("negative zero exponent") << "3E-0"
                                            << "+3E+0000";
    QTest::newRow("leading plus gets another") << "+4"
                                               << "++4";
    QTest::newRow("writer's own form") << QString::number(250.0, 'E', 14) << "+2.50000000000000E+0002";
    QTest::newRow("writer's negative form") << QString::number(-0.125, 'E', 14) << "-1.25000000000000E-0001";
}

void TParametersTest::Format_Value()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    TParameters parameters;
    QCOMPARE(parameters.Format_Value(text), expected);
}

void TParametersTest::Convert_From_Text_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("expected_type");
    QTest::addColumn<QVector<int>>("expected_integers");
    QTest::addColumn<QVector<double>>("expected_doubles");
    QTest::addColumn<QStringList>("expected_texts");

    const int text = TParameters::TYPE_TEXT;
    QTest::newRow("one integer") << text << QStringList{"8"} << int(TParameters::TYPE_INTEGER)
                                 << QVector<int>{8} << QVector<double>{} << QStringList{};
    QTest::newRow("integers with blanks and signs")
        << text << QStringList{" 8 ", "-3", "+4"} << int(TParameters::TYPE_INTEGER_ARRAY)
        << QVector<int>{8, -3, 4} << QVector<double>{} << QStringList{};
    QTest::newRow("one real") << text << QStringList{"2.5E+02"} << int(TParameters::TYPE_DOUBLE)
                              << QVector<int>{} << QVector<double>{250} << QStringList{};
    QTest::newRow("reals, 10.0 and 1E3 are reals")
        << text << QStringList{"10.0", "1E3"} << int(TParameters::TYPE_DOUBLE_ARRAY) << QVector<int>{}
        << QVector<double>{10, 1000} << QStringList{};
    QTest::newRow("mixed stays text with both numbers")
        << text << QStringList{"1", "2.5"} << text << QVector<int>{1} << QVector<double>{2.5}
        << QStringList{"1", "2.5"};
    QTest::newRow("words stay text") << text << QStringList{"Line 3"} << text << QVector<int>{}
                                     << QVector<double>{} << QStringList{"Line 3"};
    QTest::newRow("empty value stays text")
        << text << QStringList{""} << text << QVector<int>{} << QVector<double>{} << QStringList{""};
    QTest::newRow("number and word keep the number")
        << text << QStringList{"5", "five"} << text << QVector<int>{5} << QVector<double>{}
        << QStringList{"5", "five"};
    QTest::newRow("integer beyond 32 bits is a real")
        << text << QStringList{"4294967296"} << int(TParameters::TYPE_DOUBLE) << QVector<int>{}
        << QVector<double>{4294967296.0} << QStringList{};
    QTest::newRow("hexadecimal is not a number")
        << text << QStringList{"0x10"} << text << QVector<int>{} << QVector<double>{} << QStringList{"0x10"};
    QTest::newRow("comma is not a decimal point")
        << text << QStringList{"2,5"} << text << QVector<int>{} << QVector<double>{} << QStringList{"2,5"};
    QTest::newRow("no values ends as an empty integer array")
        << text << QStringList{} << int(TParameters::TYPE_INTEGER_ARRAY) << QVector<int>{}
        << QVector<double>{} << QStringList{};
    QTest::newRow("text array converts too")
        << int(TParameters::TYPE_TEXT_ARRAY) << QStringList{"1", "2"} << int(TParameters::TYPE_INTEGER_ARRAY)
        << QVector<int>{1, 2} << QVector<double>{} << QStringList{};
}

void TParametersTest::Convert_From_Text()
{
    QFETCH(int, type);
    QFETCH(QStringList, texts);
    QFETCH(int, expected_type);
    QFETCH(QVector<int>, expected_integers);
    QFETCH(QVector<double>, expected_doubles);
    QFETCH(QStringList, expected_texts);

    TParameters parameters;
    TParameters::TParameter record = Record(QStringLiteral("KEY"), type, {}, {}, texts);
    record.name = QStringLiteral("Name");
    record.number = 4;
    const TParameters::TParameter result = parameters.Convert_From_Text(record);

    QCOMPARE(result.type, expected_type);
    QCOMPARE(result.integer_values, expected_integers);
    QCOMPARE(result.double_values, expected_doubles);
    QCOMPARE(result.text_values, expected_texts);
    QCOMPARE(result.key, QStringLiteral("KEY"));
    QCOMPARE(result.name, QStringLiteral("Name"));
    QCOMPARE(result.number, 4);

    // Numeric results carry their loaded values as originals; text results get no originals.
    const bool numeric = expected_type != type;
    QCOMPARE(result.original_integer_values, numeric ? expected_integers : QVector<int>{});
    QCOMPARE(result.original_double_values, numeric ? expected_doubles : QVector<double>{});
    QVERIFY(result.original_text_values.isEmpty());
}

void TParametersTest::Convert_From_Text_Leaves_Numeric_Types()
{
    TParameters parameters;
    TParameters::TParameter record = Record(QStringLiteral("K"), TParameters::TYPE_INTEGER, {}, {}, {"12"});
    const TParameters::TParameter result = parameters.Convert_From_Text(record);
    QCOMPARE(result.type, int(TParameters::TYPE_INTEGER));
    QVERIFY(result.integer_values.isEmpty());
    QCOMPARE(result.text_values, QStringList{"12"});
}

void TParametersTest::Get_Variables_data()
{
    QTest::addColumn<QStringList>("expected_names");
    QTest::addColumn<QVector<double>>("expected_values");
    QTest::addColumn<int>("expected_longest");
    QTest::addColumn<int>("record_set");

    QTest::newRow("real array of three")
        << QStringList{"FLY_DFLT.1", "FLY_DFLT.2", "FLY_DFLT.3"} << QVector<double>{1.5, 2.5, 3.5} << 10 << 0;
    QTest::newRow("bit pattern with one value") << QStringList{"CMMCONFG"} << QVector<double>{2048} << 8 << 1;
    QTest::newRow("mixed text record offers its integer")
        << QStringList{"MIXED"} << QVector<double>{1} << 5 << 2;
    QTest::newRow("mixed text record follows an edit of its number")
        << QStringList{"MIXED"} << QVector<double>{7} << 5 << 5;
    QTest::newRow("mixed text record whose integer was edited away")
        << QStringList{"MIXED"} << QVector<double>{2.5} << 5 << 6;
    QTest::newRow("text only adds nothing") << QStringList{} << QVector<double>{} << 0 << 3;
    QTest::newRow("integers win over reals, list order")
        << QStringList{"A.1", "A.2", "LONGER_NAME"} << QVector<double>{-1, 2, 0.25} << 11 << 4;
}

void TParametersTest::Get_Variables()
{
    QFETCH(QStringList, expected_names);
    QFETCH(QVector<double>, expected_values);
    QFETCH(int, expected_longest);
    QFETCH(int, record_set);

    TParameters parameters;
    switch (record_set)
    {
    case 0:
        parameters.Add_Parameter(
            Record(QStringLiteral("FLY_DFLT"), TParameters::TYPE_DOUBLE_ARRAY, {}, {1.5, 2.5, 3.5}));
        break;
    case 1:
        parameters.Add_Parameter(
            Record(QStringLiteral("CMMCONFG"), TParameters::TYPE_INTEGER_BIT_PATTERN, {2048}));
        break;
    case 2:
        parameters.Add_Parameter(parameters.Convert_From_Text(
            Record(QStringLiteral("MIXED"), TParameters::TYPE_TEXT, {}, {}, {"1", "2.5"})));
        break;
    case 5:
    case 6:
    {
        parameters.Add_Parameter(parameters.Convert_From_Text(
            Record(QStringLiteral("MIXED"), TParameters::TYPE_TEXT, {}, {}, {"1", "2.5"})));
        TParameters::TParameter edit = parameters.Get_Parameter(QStringLiteral("MIXED"));
        edit.text_values[0] = record_set == 5 ? QStringLiteral("7") : QStringLiteral("one");
        edit.changed = true;
        parameters.Update_Parameter(edit);
        break;
    }
    case 3:
        parameters.Add_Parameter(Record(QStringLiteral("WORDS"), TParameters::TYPE_TEXT, {}, {}, {"x", "y"}));
        break;
    case 4:
    {
        parameters.Add_Parameter(
            Record(QStringLiteral("A"), TParameters::TYPE_INTEGER_ARRAY, {-1, 2}, {7, 8}));
        TParameters::TParameter record =
            Record(QStringLiteral("LONGER_NAME"), TParameters::TYPE_DOUBLE, {}, {0.25});
        record.original_double_values = {99}; // originals never become variables
        parameters.Add_Parameter(record);
        break;
    }
    }

    int longest = -1;
    const std::vector<TExpression::TVariable> variables = parameters.Get_Variables(&longest);
    QCOMPARE(longest, expected_longest);
    QCOMPARE(static_cast<int>(variables.size()), expected_names.size());
    for (int index = 0; index < expected_names.size(); ++index)
    {
        QCOMPARE(variables[static_cast<std::size_t>(index)].name, expected_names.at(index));
        QCOMPARE(variables[static_cast<std::size_t>(index)].value, expected_values.at(index));
    }
}

void TParametersTest::Get_Variables_Null_Pointer_And_Empty_Model()
{
    TParameters parameters;
    int longest = 42;
    QVERIFY(parameters.Get_Variables(&longest).empty());
    QCOMPARE(longest, 0);
    parameters.Add_Parameter(Record(QStringLiteral("K"), TParameters::TYPE_INTEGER, {3}));
    QCOMPARE(parameters.Get_Variables().size(), std::size_t(1));
}

void TParametersTest::Many_Parameters_Stay_Fast()
{
    // Files with tens of thousands of entries exist; adding and looking up must not degrade to a scan
    // per call (which would take minutes here).
    TParameters parameters;
    QElapsedTimer timer;
    timer.start();
    const int count = 200000;
    for (int index = 0; index < count; ++index)
    {
        QVERIFY(parameters.Add_Parameter(
            Record(QStringLiteral("P%1").arg(index), TParameters::TYPE_INTEGER, {index})));
    }
    for (int index = 0; index < count; ++index)
    {
        QVERIFY(!parameters.Add_Parameter(
            Record(QStringLiteral("P%1").arg(index), TParameters::TYPE_INTEGER, {0})));
    }
    for (int index = 0; index < count; index += 7)
    {
        TParameters::TParameter record = parameters.Get_Parameter(QStringLiteral("P%1").arg(index));
        QCOMPARE(record.integer_values.at(0), index);
        record.changed = true;
        record.integer_values[0] = -index;
        parameters.Update_Parameter(record);
    }
    QCOMPARE(parameters.Parameters().at(14).integer_values.at(0), -14);
    QCOMPARE(parameters.Parameters().at(14).original_integer_values.at(0), 14);
    QVERIFY2(timer.elapsed() < 20000, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));
}

QTEST_APPLESS_MAIN(TParametersTest)
#include "tst_parameters.moc"
