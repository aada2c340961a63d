#include "parameters.h"
#include "testsupport.h"

#include <QtTest>
#include <unistd.h>

namespace
{
enum TModel
{
    MODEL_CONSTANTS = 0,
    MODEL_SETTINGS = 1,
    MODEL_EMPTY_CONSTANTS = 2,
    MODEL_EMPTY_SETTINGS = 3,
    MODEL_NOT_LOADED = 4
};

const QByteArray CONSTANTS_SOURCE =
    "Machine Constants File\n"
    "\n"
    "#39 Config word         : Integer | bit pattern                 CMMCONFG\n"
    "  2048\n"
    "#94 DEA filter taps     : Longint                               DEA_TAPS\n"
    "  8\n"
    "\n"
    "#98 Probe decel         : Double[2]                             TTP_DECL\n"
    "  2.5000000000000E+02\n"
    "  1.2500000000000E+02\n";

const QByteArray SETTINGS_SOURCE = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                                   "<ZIDParameterSettings>\n"
                                   "  <TTP_DECL>\n"
                                   "    <!-- Maximum deceleration in response to the probe deflection -->\n"
                                   "    <Value_1>2.5E+02</Value_1>\n"
                                   "    <Value_2>1.25E+02</Value_2>\n"
                                   "  </TTP_DECL>\n"
                                   "  <DEA_TAPS>\n"
                                   "    <Value>8</Value>\n"
                                   "  </DEA_TAPS>\n"
                                   "  <EXAMPLE_TEXT>\n"
                                   "    <Value>Line 3</Value>\n"
                                   "  </EXAMPLE_TEXT>\n"
                                   "</ZIDParameterSettings>\n";

const QByteArray CONSTANTS_HEAD = "WARNINGS:\n"
                                  "- Contents of this file does not included Reserved entries.\n"
                                  "- File may contain additional data with alternate formatting.\n"
                                  "- DO NOT SEND THIS FILE TO A CONTROLLER.\n"
                                  "--------------------------------------------------------------\n";
const QByteArray LIST_HEAD = "Parameter File List\n"
                             "==================================\n";

// Loads one of the models the reports are written from; the edits are those a user makes in the window.
bool Prepare_Model(TParameters* parameters, int model, const QTemporaryDir& directory)
{
    const QString path = directory.filePath(QStringLiteral("source"));
    switch (model)
    {
    case MODEL_CONSTANTS:
    {
        if (!Testing::Write_File(path, CONSTANTS_SOURCE) || !parameters->Load_Parameter_File(path))
        {
            return false;
        }
        TParameters::TParameter taps = parameters->Get_Parameter(QStringLiteral("DEA_TAPS"));
        taps.integer_values = {12};
        taps.changed = true;
        parameters->Update_Parameter(taps);
        TParameters::TParameter decel = parameters->Get_Parameter(QStringLiteral("TTP_DECL"));
        decel.double_values[0] = 300;
        decel.changed = true;
        parameters->Update_Parameter(decel);
        return parameters->Parameter_Count() == 3;
    }
    case MODEL_SETTINGS:
    {
        if (!Testing::Write_File(path, SETTINGS_SOURCE) || !parameters->Load_Parameter_File(path))
        {
            return false;
        }
        TParameters::TParameter decel = parameters->Get_Parameter(QStringLiteral("TTP_DECL"));
        decel.double_values = {300, 125};
        decel.changed = true;
        parameters->Update_Parameter(decel);
        return parameters->Parameter_Count() == 3;
    }
    case MODEL_EMPTY_CONSTANTS:
        return Testing::Write_File(path, QByteArray("Machine Constants File").leftJustified(200, ' ')) &&
               parameters->Load_Parameter_File(path) && parameters->Parameter_Count() == 0;
    case MODEL_EMPTY_SETTINGS:
        return Testing::Write_File(path,
                                   QByteArray("<ZIDParameterSettings><!-- none --></ZIDParameterSettings>")
                                       .leftJustified(200, ' ')) &&
               parameters->Load_Parameter_File(path) && parameters->Parameter_Count() == 0;
    default:
        return true;
    }
}

TParameters::TParameter Record(const QString& key, const QString& name, int number, int type)
{
    TParameters::TParameter record;
    record.key = key;
    record.name = name;
    record.number = number;
    record.type = type;
    return record;
}
} // namespace

Q_DECLARE_METATYPE(TParameters::TParameter)

class TExportTest : public QObject
{
    Q_OBJECT

private slots:
    void Worked_Examples_data();
    void Worked_Examples();
    void Option_Combinations_data();
    void Option_Combinations();
    void Single_Records_data();
    void Single_Records();
    void Format_Not_Set_Leaves_Target_Alone();
    void Failed_Write_data();
    void Failed_Write();
    void Failing_Device_data();
    void Failing_Device();
    void Success_Replaces_Whole_File();
};

void TExportTest::Worked_Examples_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<bool>("changed_only");
    QTest::addColumn<bool>("original_values");
    QTest::addColumn<bool>("matches_import");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("constants layout, all options")
        << int(MODEL_CONSTANTS) << true << true << true
        << QByteArray("WARNINGS:\n"
                      "- Contents of this file does not included Reserved entries.\n"
                      "- File may contain additional data with alternate formatting.\n"
                      "- DO NOT SEND THIS FILE TO A CONTROLLER.\n"
                      "--------------------------------------------------------------\n"
                      "#94 DEA filter taps     : Integer                               DEA_TAPS\n"
                      "\tOriginal:\n"
                      "8\n"
                      "\tUpdated:\n"
                      "12\n"
                      "#98 Probe decel         : Double[2]                             TTP_DECL\n"
                      "\tOriginal:\n"
                      "+2.50000000000000E+0002\n"
                      "+1.25000000000000E+0002\n"
                      "\tUpdated:\n"
                      "+3.00000000000000E+0002\n"
                      "+1.25000000000000E+0002\n");
    QTest::newRow("list layout, no option") << int(MODEL_CONSTANTS) << false << false << false
                                            << QByteArray("Parameter File List\n"
                                                          "==================================\n"
                                                          "\n"
                                                          "CMMCONFG - Config word\n"
                                                          "2048\n"
                                                          "\n"
                                                          "DEA_TAPS - DEA filter taps\n"
                                                          "12\n"
                                                          "\n"
                                                          "TTP_DECL - Probe decel\n"
                                                          "+3.00000000000000E+0002\n"
                                                          "+1.25000000000000E+0002\n");
    QTest::newRow("settings layout, all data with originals")
        << int(MODEL_SETTINGS) << false << true << true
        << QByteArray("Parameter File List\n"
                      "==================================\n"
                      "\n"
                      "\t<TTP_DECL>\n"
                      "\n"
                      "\t\t<!-- Maximum deceleration in response to the probe deflection -->\n"
                      "\n"
                      "\t\t<!-- Original -->\n"
                      "\t\t<Value_1>250.000000</Value_1>\n"
                      "\t\t<Value_2>125.000000</Value_2>\n"
                      "\n"
                      "\t\t<!-- Updated -->\n"
                      "\t\t<Value_1>300.000000</Value_1>\n"
                      "\t\t<Value_2>125.000000</Value_2>\n"
                      "\n"
                      "\t</TTP_DECL>\n"
                      "\n"
                      "\t<DEA_TAPS>\n"
                      "\n"
                      "\t\t<!--  -->\n"
                      "\t\t<Value>8</Value>\n"
                      "\n"
                      "\t</DEA_TAPS>\n"
                      "\n"
                      "\t<EXAMPLE_TEXT>\n"
                      "\n"
                      "\t\t<!--  -->\n"
                      "\t\t<Value>Line 3</Value>\n"
                      "\n"
                      "\t</EXAMPLE_TEXT>\n");
}

void TExportTest::Worked_Examples()
{
    QFETCH(int, model);
    QFETCH(bool, changed_only);
    QFETCH(bool, original_values);
    QFETCH(bool, matches_import);
    QFETCH(QByteArray, expected);

    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    TParameters parameters;
    QVERIFY2(Prepare_Model(&parameters, model, directory), qPrintable(parameters.Last_Error()));

    Utilities::TExportOptions options;
    options.changed_only = changed_only;
    options.original_values = original_values;
    options.matches_import = matches_import;
    const QString target = directory.filePath(QStringLiteral("report.txt"));
    QVERIFY2(parameters.Write_Parameter_Data(target, options), qPrintable(parameters.Last_Error()));
    QCOMPARE(Testing::Read_File(target), expected);
    // The options are taken by reference but never changed.
    QCOMPARE(options.changed_only, changed_only);
    QCOMPARE(options.original_values, original_values);
    QCOMPARE(options.matches_import, matches_import);
}

void TExportTest::Option_Combinations_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<bool>("changed_only");
    QTest::addColumn<bool>("original_values");
    QTest::addColumn<bool>("matches_import");
    QTest::addColumn<QByteArray>("expected");

    // Each record's report pieces, literally; a row puts together those its options select.
    const QByteArray constants_cmm =
        "#39 Config word         : Integer | bit pattern                 CMMCONFG\n2048\n";
    const QByteArray constants_dea =
        "#94 DEA filter taps     : Integer                               DEA_TAPS\n";
    const QByteArray constants_ttp =
        "#98 Probe decel         : Double[2]                             TTP_DECL\n";
    const QByteArray dea_originals = "\tOriginal:\n8\n\tUpdated:\n";
    const QByteArray ttp_originals =
        "\tOriginal:\n+2.50000000000000E+0002\n+1.25000000000000E+0002\n\tUpdated:\n";
    const QByteArray ttp_current = "+3.00000000000000E+0002\n+1.25000000000000E+0002\n";

    const QByteArray settings_ttp_head =
        "\n\t<TTP_DECL>\n\n\t\t<!-- Maximum deceleration in response to the probe deflection -->\n";
    const QByteArray settings_ttp_originals = "\n\t\t<!-- Original -->\n\t\t<Value_1>250.000000</Value_1>\n"
                                              "\t\t<Value_2>125.000000</Value_2>\n\n\t\t<!-- Updated -->\n";
    const QByteArray settings_ttp_tail =
        "\t\t<Value_1>300.000000</Value_1>\n\t\t<Value_2>125.000000</Value_2>\n\n\t</TTP_DECL>\n";
    const QByteArray settings_rest =
        "\n\t<DEA_TAPS>\n\n\t\t<!--  -->\n\t\t<Value>8</Value>\n\n\t</DEA_TAPS>\n"
        "\n\t<EXAMPLE_TEXT>\n\n\t\t<!--  -->\n\t\t<Value>Line 3</Value>\n\n\t</EXAMPLE_TEXT>\n";

    for (int model : {int(MODEL_CONSTANTS), int(MODEL_SETTINGS)})
    {
        for (int bits = 0; bits < 8; ++bits)
        {
            const bool changed_only = bits & 1;
            const bool original_values = bits & 2;
            const bool matches_import = bits & 4;
            QByteArray expected;
            if (model == MODEL_CONSTANTS && matches_import)
            {
                expected = CONSTANTS_HEAD;
                if (!changed_only)
                {
                    expected += constants_cmm;
                }
                expected += constants_dea + (original_values ? dea_originals : QByteArray()) + "12\n";
                expected += constants_ttp + (original_values ? ttp_originals : QByteArray()) + ttp_current;
            }
            else if (model == MODEL_CONSTANTS)
            {
                expected = LIST_HEAD;
                if (!changed_only)
                {
                    expected += "\nCMMCONFG - Config word\n2048\n";
                }
                expected += "\nDEA_TAPS - DEA filter taps\n" +
                            (original_values ? dea_originals : QByteArray()) + "12\n";
                expected += "\nTTP_DECL - Probe decel\n" + (original_values ? ttp_originals : QByteArray()) +
                            ttp_current;
            }
            else if (matches_import)
            {
                expected = LIST_HEAD + settings_ttp_head +
                           (original_values ? settings_ttp_originals : QByteArray()) + settings_ttp_tail;
                if (!changed_only)
                {
                    expected += settings_rest;
                }
            }
            else
            {
                // Settings parameters have no name: the list layout shows the key alone.
                expected = LIST_HEAD + "\nTTP_DECL\n" + (original_values ? ttp_originals : QByteArray()) +
                           ttp_current;
                if (!changed_only)
                {
                    expected += "\nDEA_TAPS\n8\n\nEXAMPLE_TEXT\nLine 3\n";
                }
            }
            const QByteArray name =
                QByteArray(model == MODEL_CONSTANTS ? "constants file" : "settings file") +
                (changed_only ? ", changed only" : ", all data") +
                (original_values ? ", originals" : ", no originals") +
                (matches_import ? ", input layout" : ", list layout");
            QTest::newRow(name.constData())
                << model << changed_only << original_values << matches_import << expected;
        }
    }

    // With nothing changed, changed-only reports are the head alone, in every layout.
    QTest::newRow("nothing loaded, list layout")
        << int(MODEL_NOT_LOADED) << true << true << false << LIST_HEAD;
    QTest::newRow("empty constants file, input layout")
        << int(MODEL_EMPTY_CONSTANTS) << false << true << true << CONSTANTS_HEAD;
    QTest::newRow("empty settings file, input layout")
        << int(MODEL_EMPTY_SETTINGS) << false << true << true << LIST_HEAD;
}

void TExportTest::Option_Combinations()
{
    Worked_Examples();
}

void TExportTest::Single_Records_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<bool>("matches_import");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QVariant>("record");
    QTest::addColumn<QByteArray>("expected_body");

    const auto row = [](const char* name, int model, bool matches_import, bool changed,
                        const TParameters::TParameter& record, const QByteArray& body)
    { QTest::newRow(name) << model << matches_import << changed << QVariant::fromValue(record) << body; };

    TParameters::TParameter record = Record(
        QStringLiteral("LONG"), QStringLiteral("A name of exactly twenty"), 7, TParameters::TYPE_INTEGER);
    record.integer_values = {1};
    row("constants: name filling the column gets the colon directly", MODEL_EMPTY_CONSTANTS, true, false,
        record, "# 7 A name of exactly twenty: Integer                           LONG\n1\n");

    record.name = QString(70, QLatin1Char('n'));
    row("constants: long name kept whole, key follows the type word", MODEL_EMPTY_CONSTANTS, true, false,
        record, "# 7 " + QByteArray(70, 'n') + ": IntegerLONG\n1\n");

    record = Record(QStringLiteral("NEG"), QStringLiteral("Neg"), 123, TParameters::TYPE_DOUBLE);
    record.double_values = {-0.125};
    row("constants: negative real", MODEL_EMPTY_CONSTANTS, true, false, record,
        "#123 Neg                : Double                                NEG\n-1.25000000000000E-0001\n");
    row("list: negative real", MODEL_EMPTY_CONSTANTS, false, false, record,
        "\nNEG - Neg\n-1.25000000000000E-0001\n");

    record = Record(QStringLiteral("NONE"), QStringLiteral("Unknown"), 5, TParameters::TYPE_NOT_SET);
    record.integer_values = {3};
    row("constants: type 0 writes no type word", MODEL_EMPTY_CONSTANTS, true, false, record,
        "# 5 Unknown             :                                       NONE\n3\n");

    record = Record(QStringLiteral("WORDS"), QString(), -4, TParameters::TYPE_TEXT_ARRAY);
    record.text_values = QStringList{QStringLiteral("a"), QStringLiteral("b")};
    row("constants: text array", MODEL_EMPTY_CONSTANTS, true, false, record,
        "#-4                     : Text[2]                               WORDS\na\nb\n");

    record = Record(QStringLiteral("ALL"), QString(), 1, TParameters::TYPE_TEXT);
    record.integer_values = {1};
    record.double_values = {2.5};
    record.text_values = QStringList{QStringLiteral("1"), QStringLiteral("2.5"), QStringLiteral("x")};
    row("list: integers, then reals, then texts", MODEL_EMPTY_CONSTANTS, false, false, record,
        "\nALL\n1\n+2.50000000000000E+0000\n1\n2.5\nx\n");
    row("settings: texts win over numbers", MODEL_EMPTY_SETTINGS, true, false, record,
        "\n\t<ALL>\n\n\t\t<!--  -->\n\t\t<Value_1>1</Value_1>\n\t\t<Value_2>2.5</Value_2>\n"
        "\t\t<Value_3>x</Value_3>\n\n\t</ALL>\n");

    record = Record(QStringLiteral("FINE"), QString(), 1, TParameters::TYPE_DOUBLE_ARRAY);
    record.description = QStringLiteral("Probe deflection");
    record.double_values = {0.00005, 0.62345, -2.5, 1e9, 1e-16};
    row("settings: high and normal precision reals", MODEL_EMPTY_SETTINGS, true, false, record,
        "\n\t<FINE>\n\n\t\t<!-- Probe deflection -->\n\t\t<Value_1>0.000050000000000</Value_1>\n"
        "\t\t<Value_2>0.623450000000000</Value_2>\n\t\t<Value_3>-2.500000</Value_3>\n"
        "\t\t<Value_4>1000000000.000000</Value_4>\n\t\t<Value_5>1e-16</Value_5>\n\n\t</FINE>\n");

    record = Record(QStringLiteral("TXT"), QString(), 1, TParameters::TYPE_TEXT);
    record.text_values = QStringList{QStringLiteral("Line 1"), QStringLiteral("Line 2")};
    row("settings: two texts", MODEL_EMPTY_SETTINGS, true, false, record,
        "\n\t<TXT>\n\n\t\t<!--  -->\n\t\t<Value_1>Line 1</Value_1>\n\t\t<Value_2>Line "
        "2</Value_2>\n\n\t</TXT>\n");

    record = Record(QStringLiteral("EMPTY"), QString(), 1, TParameters::TYPE_INTEGER_ARRAY);
    row("settings: no values at all", MODEL_EMPTY_SETTINGS, true, false, record,
        "\n\t<EMPTY>\n\n\t\t<!--  -->\n\n\t</EMPTY>\n");

    record = Record(QStringLiteral("CHG"), QStringLiteral("Changed"), 9, TParameters::TYPE_INTEGER);
    record.integer_values = {4};
    row("constants: changed record without originals option", MODEL_EMPTY_CONSTANTS, true, true, record,
        "# 9 Changed             : Integer                               CHG\n4\n");

    record = Record(QString::fromUtf8("K\xe2\x82\xac\xf0\x9f\x94\xa7"),
                    QString::fromUtf8("Wei\xc3\x9f \xc2\xb5m"), 1, TParameters::TYPE_TEXT);
    record.text_values = QStringList{QString::fromUtf8("\xc3\xa9\xe2\x80\x94")};
    row("list: Latin-1 kept, other characters one question mark each", MODEL_EMPTY_CONSTANTS, false, false,
        record, "\nK?? - Wei\xdf \xb5m\n\xe9?\n");
}

void TExportTest::Single_Records()
{
    QFETCH(int, model);
    QFETCH(bool, matches_import);
    QFETCH(bool, changed);
    QFETCH(QVariant, record);
    QFETCH(QByteArray, expected_body);

    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    TParameters parameters;
    QVERIFY(Prepare_Model(&parameters, model, directory));
    QVERIFY(parameters.Add_Parameter(record.value<TParameters::TParameter>()));
    if (changed)
    {
        TParameters::TParameter edit = record.value<TParameters::TParameter>();
        edit.changed = true;
        parameters.Update_Parameter(edit);
    }

    Utilities::TExportOptions options;
    options.changed_only = false;
    options.original_values = false;
    options.matches_import = matches_import;
    const QString target = directory.filePath(QStringLiteral("report.txt"));
    QVERIFY2(parameters.Write_Parameter_Data(target, options), qPrintable(parameters.Last_Error()));
    const QByteArray head = (model == MODEL_EMPTY_CONSTANTS && matches_import) ? CONSTANTS_HEAD : LIST_HEAD;
    QCOMPARE(Testing::Read_File(target), head + expected_body);
}

void TExportTest::Format_Not_Set_Leaves_Target_Alone()
{
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString target = directory.filePath(QStringLiteral("previous report.txt"));
    const QByteArray previous = "A report the engineer still needs\n";
    QVERIFY(Testing::Write_File(target, previous));

    TParameters parameters;
    Utilities::TExportOptions options; // matches_import is set by default
    QVERIFY(!parameters.Write_Parameter_Data(target, options));
    QCOMPARE(parameters.Last_Error(), QStringLiteral("Parameter format not set"));
    QCOMPARE(Testing::Read_File(target), previous);

    const QString fresh = directory.filePath(QStringLiteral("fresh.txt"));
    QVERIFY(!parameters.Write_Parameter_Data(fresh, options));
    QVERIFY(!QFileInfo::exists(fresh));
    QCOMPARE(QDir(directory.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"previous report.txt"});
}

void TExportTest::Failed_Write_data()
{
    QTest::addColumn<QString>("case_name");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("written");

    // The reasons are the system's for the file itself, whatever the save file tried first.
    QTest::newRow("directory that does not exist") << "missing"
                                                   << "No such file or directory" << false;
    QTest::newRow("target is a directory") << "directory"
                                           << "Is a directory" << false;
    QTest::newRow("new file in a read-only directory") << "read-only directory"
                                                       << "Permission denied" << false;
    QTest::newRow("read-only existing file") << "read-only file"
                                             << "Permission denied" << false;
    // The atomic replacement needs the directory; the user can still write the file itself.
    QTest::newRow("writable file in a read-only directory") << "writable file" << QString() << true;
}

void TExportTest::Failed_Write()
{
    QFETCH(QString, case_name);
    QFETCH(QString, reason);
    QFETCH(bool, written);

    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    TParameters parameters;
    QVERIFY(Prepare_Model(&parameters, MODEL_CONSTANTS, directory));
    const QString before = parameters.Last_Error();

    const QByteArray previous = "previous report\n";
    QString target;
    if (case_name == QLatin1String("missing"))
    {
        target = directory.filePath(QStringLiteral("no/such/dir/report.txt"));
    }
    else if (case_name == QLatin1String("directory"))
    {
        target = directory.filePath(QStringLiteral("subdir"));
        QVERIFY(QDir(directory.path()).mkdir(QStringLiteral("subdir")));
    }
    else
    {
        if (::geteuid() == 0)
        {
            QSKIP("Permissions do not bind this account");
        }
        const QString locked = directory.filePath(QStringLiteral("locked"));
        QVERIFY(QDir(directory.path()).mkdir(QStringLiteral("locked")));
        target = locked + QStringLiteral("/report.txt");
        if (case_name != QLatin1String("read-only directory"))
        {
            QVERIFY(Testing::Write_File(target, previous));
        }
        if (case_name == QLatin1String("read-only file"))
        {
            QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner));
        }
        else
        {
            QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
    }

    Utilities::TExportOptions options;
    options.changed_only = false;
    QCOMPARE(parameters.Write_Parameter_Data(target, options), written);
    if (written)
    {
        QVERIFY(Testing::Read_File(target).startsWith(CONSTANTS_HEAD));
        QCOMPARE(parameters.Last_Error(), before);
    }
    else
    {
        QCOMPARE(parameters.Last_Error(), reason);
    }
    if (case_name == QLatin1String("read-only file"))
    {
        QCOMPARE(Testing::Read_File(target), previous);
    }
    if (case_name == QLatin1String("read-only directory"))
    {
        QVERIFY(!QFileInfo::exists(target));
    }
    QFile::setPermissions(directory.filePath(QStringLiteral("locked")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TExportTest::Failing_Device_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("failing_write");
    QTest::addColumn<int>("blocks_taken");

    // The report goes out in blocks of 64 KiB; a device that stops taking them is reported at once.
    QTest::newRow("small report, device never fails") << 3 << 0 << 1;
    QTest::newRow("small report, first write fails") << 3 << 1 << 0;
    QTest::newRow("large report, device never fails") << 5000 << 0 << 2;
    QTest::newRow("large report, second write fails") << 5000 << 2 << 1;
}

void TExportTest::Failing_Device()
{
    QFETCH(int, records);
    QFETCH(int, failing_write);
    QFETCH(int, blocks_taken);

    TParameters parameters;
    for (int number = 1; number <= records; ++number)
    {
        TParameters::TParameter record = Record(QStringLiteral("KEY_%1").arg(number), QStringLiteral("Name"),
                                                number, TParameters::TYPE_INTEGER);
        record.integer_values = {number};
        QVERIFY(parameters.Add_Parameter(record));
    }
    Utilities::TExportOptions options;
    options.changed_only = false;
    options.matches_import = false;

    Testing::TFailingDevice whole(0);
    QVERIFY(parameters.Write_Parameter_Data(&whole, options));
    QVERIFY(whole.written.startsWith(LIST_HEAD));
    QVERIFY(whole.written.endsWith(QByteArray("\nKEY_" + QByteArray::number(records) + " - Name\n" +
                                              QByteArray::number(records) + "\n")));

    Testing::TFailingDevice device(failing_write);
    QCOMPARE(parameters.Write_Parameter_Data(&device, options), failing_write == 0);
    QCOMPARE(parameters.Last_Error(),
             failing_write == 0 ? QString() : QStringLiteral("No space left on device"));
    QCOMPARE(device.written, whole.written.left(blocks_taken * 64 * 1024));
}

void TExportTest::Success_Replaces_Whole_File()
{
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    TParameters parameters;
    QVERIFY(Prepare_Model(&parameters, MODEL_CONSTANTS, directory));
    const QString target = directory.filePath(QStringLiteral("report.txt"));
    QVERIFY(Testing::Write_File(target, QByteArray(100000, 'x')));

    Utilities::TExportOptions options;
    QVERIFY(parameters.Write_Parameter_Data(target, options));
    const QByteArray written = Testing::Read_File(target);
    QVERIFY(written.startsWith(CONSTANTS_HEAD));
    QVERIFY(written.endsWith("+3.00000000000000E+0002\n+1.25000000000000E+0002\n"));
    QVERIFY(!written.contains('x'));
    // No temporary file is left next to the report.
    QCOMPARE(QDir(directory.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{QStringLiteral("report.txt"), QStringLiteral("source")}));
}

QTEST_APPLESS_MAIN(TExportTest)
#include "tst_export.moc"
