#include "parameters.h"
#include "testsupport.h"

#include <QtTest>
#include <sys/stat.h>

namespace
{
const QByteArray MARKER_HEAD = "Machine Constants File\n\n";

// A header line laid out as the controller writes it: number field, name, ":" at column 24, type word,
// key at column 64.
QByteArray Header(int number, const QByteArray& name, const QByteArray& type_word, const QByteArray& key)
{
    QByteArray line = "#" + QByteArray::number(number).rightJustified(2, ' ') + " " + name;
    line = line.leftJustified(24, ' ') + ": " + type_word;
    return line.leftJustified(64, ' ') + key;
}

// The head alone is long enough for the format test, so short entries can follow it.
QByteArray Constants_File(const QByteArray& body)
{
    return MARKER_HEAD + QByteArray(160, ' ') + "\n" + body;
}

struct TExpectedRecord
{
    QString key;
    QString name;
    int number;
    int type;
    QVector<int> integers;
    QVector<double> doubles;
};
} // namespace

Q_DECLARE_METATYPE(TExpectedRecord)
Q_DECLARE_METATYPE(QVector<TExpectedRecord>)

class TConstantsReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void Format_Test_data();
    void Format_Test();
    void Only_Regular_Files();
    void Unreadable_File();
    void Worked_Example();
    void Header_Columns_data();
    void Header_Columns();
    void Header_Without_Colon_Reads_No_Values();
    void Load_Warnings_data();
    void Load_Warnings();
    void Loading_Appends_And_Keeps_Error();
    void Decoding_data();
    void Decoding();
    void Hostile_Content_data();
    void Hostile_Content();
    void Large_File_Loads_Linearly();
};

void TConstantsReaderTest::Format_Test_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("expected_result");
    QTest::addColumn<QString>("expected_error"); // %1 is the path
    QTest::addColumn<int>("expected_format");

    const int constants = TParameters::FORMAT_MACHINE_CONSTANTS;
    const int not_set = TParameters::FORMAT_NOT_SET;
    const QString too_small = QStringLiteral("File %1 is too small to be a parameter file.");
    const QString unknown = QStringLiteral("Unable to determine type of parameter file");

    QTest::newRow("empty file") << QByteArray() << false << too_small << not_set;
    QTest::newRow("159 bytes with the marker")
        << QByteArray("Machine Constants File").leftJustified(159, ' ') << false << too_small << not_set;
    QTest::newRow("160 bytes with the marker")
        << QByteArray("Machine Constants File").leftJustified(160, ' ') << true << QString() << constants;
    QTest::newRow("marker in capitals")
        << QByteArray("MACHINE CONSTANTS FILE").leftJustified(200, ' ') << true << QString() << constants;
    QTest::newRow("marker spread over lines and tabs")
        << QByteArray("Machine\r\n\t Constants   \nFile").leftJustified(200, ' ') << true << QString()
        << constants;
    QTest::newRow("marker starting at byte 150")
        << QByteArray(150, 'x') + "Machine Constants File" + QByteArray(100, ' ') << false << unknown
        << not_set;
    QTest::newRow("marker ending at byte 160")
        << QByteArray(138, 'x') + "Machine Constants File" + QByteArray(10, ' ') << true << QString()
        << constants;
    QTest::newRow("both markers: constants wins")
        << QByteArray("<ZIDParameterSettings> Machine Constants File").leftJustified(200, ' ') << true
        << QString() << constants;
    QTest::newRow("settings root with attributes is not recognised")
        << QByteArray("<?xml version=\"1.0\"?>\n<ZIDParameterSettings a=\"1\">\n<X><V>1</V></X>\n"
                      "</ZIDParameterSettings>\n")
               .leftJustified(200, ' ')
        << false << unknown << not_set;
    QTest::newRow("binary bytes") << QByteArray::fromHex(QByteArray("00ff10fe7f80").repeated(100)) << false
                                  << unknown << not_set;
    QTest::newRow("plain text") << QByteArray("Hello, world\n").repeated(20) << false << unknown << not_set;
}

void TConstantsReaderTest::Format_Test()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, expected_result);
    QFETCH(QString, expected_error);
    QFETCH(int, expected_format);

    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString path = Testing::Write_In(directory, QStringLiteral("input.asc"), content);
    QVERIFY(!path.isEmpty());

    TParameters parameters;
    QCOMPARE(parameters.Load_Parameter_File(path), expected_result);
    QCOMPARE(int(parameters.File_Format()), expected_format);
    if (!expected_result)
    {
        QCOMPARE(parameters.Last_Error(), expected_error.arg(path));
        QCOMPARE(parameters.Parameter_Count(), 0);
    }
}

void TConstantsReaderTest::Only_Regular_Files()
{
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    TParameters parameters;
    QVERIFY(!parameters.Load_Parameter_File(directory.path()));
    QCOMPARE(parameters.Last_Error(), QStringLiteral("Cannot open file %1").arg(directory.path()));

    // A pipe nobody writes to would block the window forever if it were opened.
    const QString pipe = directory.filePath(QStringLiteral("pipe.asc"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY(!parameters.Load_Parameter_File(pipe));
    QCOMPARE(parameters.Last_Error(), QStringLiteral("Cannot open file %1").arg(pipe));

    const QString missing = directory.filePath(QStringLiteral("missing.asc"));
    QVERIFY(!parameters.Load_Parameter_File(missing));
    QCOMPARE(parameters.Last_Error(), QStringLiteral("Cannot open file %1").arg(missing));
    QCOMPARE(parameters.File_Format(), TParameters::FORMAT_NOT_SET);
}

void TConstantsReaderTest::Unreadable_File()
{
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString path = Testing::Write_In(directory, QStringLiteral("locked.asc"),
                                           Constants_File(Header(1, "Scale", "Integer", "SCALE") + "\n5\n"));
    QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
    {
        QSKIP("This account reads files regardless of their permissions");
    }
    TParameters parameters;
    QVERIFY(!parameters.Load_Parameter_File(path));
    QCOMPARE(parameters.Last_Error(), QStringLiteral("Cannot open file %1").arg(path));
}

void TConstantsReaderTest::Worked_Example()
{
    const QByteArray content = "Machine Constants File\n"
                               "\n"
                               "#39 Config word         : Integer | bit pattern                 CMMCONFG\n"
                               "  2048\n"
                               "#94 DEA filter taps     : Longint                               DEA_TAPS\n"
                               "  8\n"
                               "\n"
                               "#98 Probe decel         : Double[3]                             TTP_DECL\n"
                               "  2.5000000000000E+02\n"
                               "  2.5000000000000E+02\n"
                               "  1.2500000000000E+02\n";
    QVERIFY(content.size() >= 160);
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString path = Testing::Write_In(directory, QStringLiteral("example.asc"), content);

    TParameters parameters;
    QVERIFY(parameters.Load_Parameter_File(path));
    QCOMPARE(parameters.File_Format(), TParameters::FORMAT_MACHINE_CONSTANTS);
    QCOMPARE(parameters.Get_Parameter_List(QString()), (QStringList{"CMMCONFG", "DEA_TAPS", "TTP_DECL"}));

    const std::vector<TParameters::TParameter>& records = parameters.Parameters();
    QCOMPARE(records[0].number, 39);
    QCOMPARE(records[0].name, QStringLiteral("Config word"));
    QCOMPARE(records[0].type, int(TParameters::TYPE_INTEGER_BIT_PATTERN));
    QCOMPARE(records[0].integer_values, QVector<int>{2048});
    QCOMPARE(records[1].number, 94);
    QCOMPARE(records[1].name, QStringLiteral("DEA filter taps"));
    QCOMPARE(records[1].type, int(TParameters::TYPE_INTEGER));
    QCOMPARE(records[1].integer_values, QVector<int>{8});
    QCOMPARE(records[2].number, 98);
    QCOMPARE(records[2].name, QStringLiteral("Probe decel"));
    QCOMPARE(records[2].type, int(TParameters::TYPE_DOUBLE_ARRAY));
    QCOMPARE(records[2].double_values, (QVector<double>{250, 250, 125}));
    for (const TParameters::TParameter& record : records)
    {
        QCOMPARE(record.description, parameters.Get_Constants_Description(record.number));
        QVERIFY(!record.changed);
        QVERIFY(record.original_integer_values.isEmpty());
        QVERIFY(record.original_double_values.isEmpty());
        QVERIFY(record.original_text_values.isEmpty());
        QVERIFY(record.text_values.isEmpty());
    }
}

void TConstantsReaderTest::Header_Columns_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QVector<TExpectedRecord>>("expected");

    using TRecords = QVector<TExpectedRecord>;
    const int integer = TParameters::TYPE_INTEGER;
    const int integer_array = TParameters::TYPE_INTEGER_ARRAY;
    const int real = TParameters::TYPE_DOUBLE;
    const int real_array = TParameters::TYPE_DOUBLE_ARRAY;
    const int bits = TParameters::TYPE_INTEGER_BIT_PATTERN;

    // Prefix "#12 " (4 characters); the name field starts at column 4, so position 18 is column 22.
    QTest::newRow("only colon at position 18 belongs to the name")
        << QByteArray("#12 ABCDEFGHIJKLMNOPQR:XInteger").leftJustified(64, ' ') + "KEY\n7\n"
        << TRecords{{"KEY", "ABCDEFGHIJKLMNOPQR:", 12, integer, {7}, {}}};
    QTest::newRow("colon at position 19 separates")
        << QByteArray("#12 ABCDEFGHIJKLMNOPQRS:Integer").leftJustified(64, ' ') + "KEY\n7\n"
        << TRecords{{"KEY", "ABCDEFGHIJKLMNOPQRS", 12, integer, {7}, {}}};
    QTest::newRow("early colon and a later separator")
        << QByteArray("#12 Axis: X                : Double").leftJustified(64, ' ') + "KEY\n2.5\n"
        << TRecords{{"KEY", "Axis: X", 12, real, {}, {2.5}}};
    QTest::newRow("colon beyond column 63 is not a separator")
        << QByteArray("#12 Name with no colon").leftJustified(64, ' ') + "K:EY\n7\n"
        << TRecords{};
    QTest::newRow("number field wider than five characters reads 0")
        << QByteArray("#   123 Wide").leftJustified(24, ' ').append(": Integer").leftJustified(64, ' ') +
               "WIDE\n4\n"
        << TRecords{{"WIDE", "123 Wide", 0, integer, {4}, {}}};
    QTest::newRow("five-digit number")
        << QByteArray("#12345 Big").leftJustified(26, ' ').append(": Integer").leftJustified(64, ' ') +
               "BIG\n1\n"
        << TRecords{{"BIG", "Big", 12345, integer, {1}, {}}};
    QTest::newRow("number split by a blank reads 0")
        << QByteArray("#1 2 Split").leftJustified(24, ' ').append(": Integer").leftJustified(64, ' ') +
               "SPLIT\n1\n"
        << TRecords{{"SPLIT", "Split", 0, integer, {1}, {}}};
    QTest::newRow("no blank after the number is no header")
        << QByteArray("#12Name").leftJustified(24, ' ').append(": Integer").leftJustified(64, ' ') + "K\n1\n"
        << TRecords{};
    QTest::newRow("digit of another script is no number field")
        << QByteArray("#\xd9\xa3 Other").leftJustified(24, ' ').append(": Integer").leftJustified(64, ' ') +
               "OTHER\n1\n"
        << TRecords{};
    QTest::newRow("key keeps blanks on its left") << Header(5, "Pad", "Integer", "  PADDED") + "\n3\n"
                                                  << TRecords{{"  PADDED", "Pad", 5, integer, {3}, {}}};
    QTest::newRow("short header has an empty key") << QByteArray("#5 Short                : Integer\n3\n")
                                                   << TRecords{{"", "Short", 5, integer, {3}, {}}};
    QTest::newRow("two empty keys: first wins")
        << QByteArray("#5 First                : Integer\n3\n#6 Second               : Integer\n4\n")
        << TRecords{{"", "First", 5, integer, {3}, {}}};
    QTest::newRow("indented header line counts")
        << "   \t" + Header(7, "Indented", "Integer", "IND") + "  \n  9  \n"
        << TRecords{{"IND", "Indented", 7, integer, {9}, {}}};
    QTest::newRow("Integer[6] with four values")
        << Header(1, "Arr", "Integer[6]", "ARR") + "\n1\n2\n3\n4\n\n5\n"
        << TRecords{{"ARR", "Arr", 1, integer_array, {1, 2, 3, 4}, {}}};
    QTest::newRow("Integer with two values stays integer")
        << Header(1, "Two", "Integer", "TWO") + "\n1\n2\n"
        << TRecords{{"TWO", "Two", 1, integer, {1, 2}, {}}};
    QTest::newRow("Integer with a fraction is dropped") << Header(1, "Frac", "Integer", "FRAC") + "\n1.5\n2\n"
                                                        << TRecords{};
    QTest::newRow("type words without case")
        << Header(1, "A", "LONGINT[2]", "A") + "\n1\n2\n" + Header(2, "B", "double", "B") + "\n-0.125\n" +
               Header(3, "C", "integer | Bit Pattern", "C") + "\n255\n" + Header(4, "D", "DOUBLE[9]", "D") +
               "\n250\n2.5E+02\n" + Header(5, "E", "longint", "E") + "\n-7\n" +
               Header(6, "F", "Integer[", "F") + "\n+6\n"
        << TRecords{{"A", "A", 1, integer_array, {1, 2}, {}}, {"B", "B", 2, real, {}, {-0.125}},
                    {"C", "C", 3, bits, {255}, {}},           {"D", "D", 4, real_array, {}, {250, 250}},
                    {"E", "E", 5, integer, {-7}, {}},         {"F", "F", 6, integer_array, {6}, {}}};
    QTest::newRow("bit pattern wins over Double") << Header(1, "W", "Double bit pattern", "W") + "\n3\n"
                                                  << TRecords{{"W", "W", 1, bits, {3}, {}}};
    QTest::newRow("unknown type word drops the entry")
        << Header(1, "T", "Text", "T") + "\nhello\n" + Header(2, "R", "Real", "R") + "\n1.5\n"
        << TRecords{};
    QTest::newRow("integer beyond 32 bits ends the values")
        << Header(1, "Big", "Integer[3]", "BIG") + "\n2147483647\n2147483648\n5\n"
        << TRecords{{"BIG", "Big", 1, integer_array, {2147483647}, {}}};
    QTest::newRow("lowest 32-bit integer")
        << Header(1, "Low", "Integer", "LOW") + "\n-2147483648\n-2147483649\n"
        << TRecords{{"LOW", "Low", 1, integer, {-2147483647 - 1}, {}}};
    QTest::newRow("two numbers on one line end the values")
        << Header(1, "Pair", "Integer[2]", "PAIR") + "\n1\n2 3\n4\n"
        << TRecords{{"PAIR", "Pair", 1, integer_array, {1}, {}}};
    QTest::newRow("hexadecimal is not an integer") << Header(1, "Hex", "Integer", "HEX") + "\n0x10\n"
                                                   << TRecords{};
    QTest::newRow("comment line ends the values") << Header(1, "C", "Double[3]", "C") + "\n1\n; remark\n2\n"
                                                  << TRecords{{"C", "C", 1, real_array, {}, {1}}};
    QTest::newRow("separator key never stored") << Header(1, "Sep", "Integer", "--------SECTION") + "\n1\n" +
                                                       Header(2, "Ok", "Integer", "OK") + "\n2\n"
                                                << TRecords{{"OK", "Ok", 2, integer, {2}, {}}};
    QTest::newRow("duplicate key: first wins")
        << Header(1, "One", "Integer", "DUP") + "\n1\n" + Header(2, "Two", "Integer", "DUP") + "\n2\n"
        << TRecords{{"DUP", "One", 1, integer, {1}, {}}};
    QTest::newRow("entry without values is dropped, the next one kept")
        << Header(1, "Empty", "Integer", "EMPTY") + "\n\n" + Header(2, "Full", "Integer", "FULL") + "\n2\n"
        << TRecords{{"FULL", "Full", 2, integer, {2}, {}}};
    QTest::newRow("header ends the previous values directly")
        << Header(1, "A", "Integer[9]", "A") + "\n1\n" + Header(2, "B", "Double", "B") + "\n2\n"
        << TRecords{{"A", "A", 1, integer_array, {1}, {}}, {"B", "B", 2, real, {}, {2}}};
    QTest::newRow("CRLF line ends") << (Header(1, "Win", "Integer[2]", "WIN") + "\r\n1\r\n2\r\n")
                                    << TRecords{{"WIN", "Win", 1, integer_array, {1, 2}, {}}};
    QTest::newRow("last line without line end")
        << Header(1, "End", "Double", "END") + "\n2.5" << TRecords{{"END", "End", 1, real, {}, {2.5}}};
    QTest::newRow("values before the first header are ignored")
        << QByteArray("1\n2\n") + Header(1, "A", "Integer", "A") + "\n3\n"
        << TRecords{{"A", "A", 1, integer, {3}, {}}};
}

void TConstantsReaderTest::Header_Columns()
{
    QFETCH(QByteArray, body);
    QFETCH(QVector<TExpectedRecord>, expected);

    TParameters parameters;
    QVERIFY(parameters.Load_Constants_File(Constants_File(body)));
    QCOMPARE(parameters.Parameter_Count(), expected.size());
    for (int index = 0; index < expected.size(); ++index)
    {
        const TParameters::TParameter& record = parameters.Parameters().at(static_cast<std::size_t>(index));
        const TExpectedRecord& wanted = expected.at(index);
        QCOMPARE(record.key, wanted.key);
        QCOMPARE(record.name, wanted.name);
        QCOMPARE(record.number, wanted.number);
        QCOMPARE(record.type, wanted.type);
        QCOMPARE(record.integer_values, wanted.integers);
        QCOMPARE(record.double_values, wanted.doubles);
        QCOMPARE(record.description, parameters.Get_Constants_Description(wanted.number));
    }
}

void TConstantsReaderTest::Header_Without_Colon_Reads_No_Values()
{
    // A header without a type would otherwise read its value lines with the type of the entry before:
    // the bit pattern word would lend its type to whatever follows.
    const QByteArray body = Header(39, "Config word", "Integer | bit pattern", "CMMCONFG") + "\n2048\n" +
                            QByteArray("#40 No separator here").leftJustified(64, ' ') + "NOTYPE\n17\n18\n" +
                            Header(41, "Force", "Double", "FORCE") + "\n0.5\n";
    TParameters parameters;
    QVERIFY(parameters.Load_Constants_File(Constants_File(body)));
    QCOMPARE(parameters.Get_Parameter_List(QString()), (QStringList{"CMMCONFG", "FORCE"}));
    QCOMPARE(parameters.Get_Parameter(QStringLiteral("CMMCONFG")).integer_values, QVector<int>{2048});
    QCOMPARE(parameters.Get_Parameter(QStringLiteral("FORCE")).double_values, QVector<double>{0.5});
}

void TConstantsReaderTest::Load_Warnings_data()
{
    QTest::addColumn<QByteArray>("body"); // its first line is line 4 of the file
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("a value that does not read ends an array early")
        << Header(98, "Probe decel", "Double[3]", "TTP_DECL") + "\n2.5\nabc\n1.25\n"
        << QStringList{"line 6: TTP_DECL: \"abc\" is no number; 1 value read, the type word says 3"};
    QTest::newRow("an array word whose count differs from the values")
        << Header(1, "Arr", "Integer[6]", "ARR") + "\n1\n2\n3\n4\n\n5\n"
        << QStringList{"line 4: ARR: 4 values read, the type word says 6"};
    QTest::newRow("more values than the array word says")
        << Header(1, "Arr", "Longint[2]", "ARR") + "\n1\n2\n3\n"
        << QStringList{"line 4: ARR: 3 values read, the type word says 2"};
    QTest::newRow("a scalar type word followed by several values")
        << Header(1, "Two", "Integer", "TWO") + "\n1\n2\n"
        << QStringList{"line 4: TWO: 2 values read, the type word says 1"};
    QTest::newRow("an unknown type word")
        << Header(1, "T", "Text", "T") + "\nhello\n"
        << QStringList{"line 4: T: unknown type word \"Text\"; the entry is left out"};
    QTest::newRow("a header without a type word")
        << QByteArray("#40 No separator here").leftJustified(64, ' ') + "NOTYPE\n17\n"
        << QStringList{"line 4: NOTYPE: no type word; the entry is left out"};
    QTest::newRow("an entry without values")
        << Header(1, "Empty", "Integer", "EMPTY") + "\n\n" + Header(2, "Full", "Integer", "FULL") + "\n2\n"
        << QStringList{"line 4: EMPTY: no value read, the entry is left out"};
    QTest::newRow("an integer entry whose value is a real")
        << Header(1, "Frac", "Integer", "FRAC") + "\n1.5\n"
        << QStringList{"line 5: FRAC: \"1.5\" is no integer; no value read, the entry is left out"};
    QTest::newRow("a duplicate key: the first is kept")
        << Header(1, "One", "Integer", "DUP") + "\n1\n" + Header(2, "Two", "Integer", "DUP") + "\n2\n"
        << QStringList{"line 6: DUP: the key is also on line 4; the first is kept"};
    QTest::newRow("a header whose key starts one column early")
        << QByteArray("#12 Probe decel         : Double").leftJustified(63, ' ') + "TTP_DECL\n5\n"
        << QStringList{
               "line 4: TP_DECL: the key may have lost its first letter: \"T\" stands before it where a "
               "blank belongs"};
    QTest::newRow("the file ends inside a header line")
        << Header(1, "A", "Integer", "A") + "\n1\n" + Header(2, "End", "Double", "EN")
        << QStringList{"line 6: EN: the file ends inside this header line"};
    QTest::newRow("warnings in the order of their lines")
        << Header(1, "Two", "Integer", "TWO") + "\n1\n2\n" + Header(2, "T", "Text", "T") + "\n" +
               Header(3, "Two", "Integer", "TWO") + "\n3\n"
        << QStringList{"line 4: TWO: 2 values read, the type word says 1",
                       "line 7: T: unknown type word \"Text\"; the entry is left out",
                       "line 8: TWO: the key is also on line 4; the first is kept"};
    QTest::newRow("separator rows and whole entries give none")
        << Header(1, "Sep", "Text", "--------SECTION") + "\n" + Header(2, "Arr", "Double[2]", "ARR") +
               "\n1\n2\n; comment\n\n"
        << QStringList();
}

void TConstantsReaderTest::Load_Warnings()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, expected);

    TParameters parameters;
    QVERIFY(parameters.Load_Constants_File(Constants_File(body)));
    QCOMPARE(parameters.Load_Warnings(), expected);
}

void TConstantsReaderTest::Loading_Appends_And_Keeps_Error()
{
    TParameters parameters;
    QVERIFY(!parameters.Load_Parameter_File(QStringLiteral("/nonexistent/file.asc")));
    const QString error = parameters.Last_Error();
    QVERIFY(!error.isEmpty());

    QVERIFY(parameters.Load_Constants_File(Constants_File(Header(1, "A", "Integer", "A") + "\n1\n")));
    QVERIFY(parameters.Load_Constants_File(Constants_File(Header(1, "A2", "Integer", "A") + "\n9\n" +
                                                          Header(2, "B", "Integer", "B") + "\n2\n")));
    QCOMPARE(parameters.Get_Parameter_List(QString()), (QStringList{"A", "B"}));
    QCOMPARE(parameters.Get_Parameter(QStringLiteral("A")).integer_values, QVector<int>{1});
    // Success never clears the text of the last failure; neither does Reset.
    QCOMPARE(parameters.Last_Error(), error);
    parameters.Reset();
    QCOMPARE(parameters.Last_Error(), error);
    QCOMPARE(parameters.Parameter_Count(), 0);
}

void TConstantsReaderTest::Decoding_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected_name");

    // Columns count characters, not bytes: the header is laid out as text and then encoded.
    const QString name = QString::fromUtf8("Wei\xc3\x9f ma\xc3\x9f \xe2\x82\xac");
    const QString header = QString(QStringLiteral("# 3 ") + name).leftJustified(24, QLatin1Char(' ')) +
                           QStringLiteral(": Integer");
    const QString text = QString::fromLatin1(Constants_File(QByteArray())) +
                         header.leftJustified(64, QLatin1Char(' ')) + QStringLiteral("KEY\n1\n");
    QTest::newRow("UTF-8 without byte-order mark") << text.toUtf8() << name;
    QTest::newRow("UTF-8 with byte-order mark") << QByteArray("\xef\xbb\xbf") + text.toUtf8() << name;

    QByteArray utf16("\xff\xfe");
    for (const QChar character : text)
    {
        utf16.append(static_cast<char>(character.unicode() & 0xff));
        utf16.append(static_cast<char>(character.unicode() >> 8));
    }
    QTest::newRow("UTF-16 with byte-order mark") << utf16 << name;
}

void TConstantsReaderTest::Decoding()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected_name);

    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString path = Testing::Write_In(directory, QStringLiteral("decoded.asc"), content);
    TParameters parameters;
    // UTF-16 hides the marker from the Latin-1 format test, so the reader is called directly there.
    if (!parameters.Load_Parameter_File(path))
    {
        QVERIFY(parameters.Load_Constants_File(content));
    }
    QCOMPARE(parameters.Parameter_Count(), 1);
    QCOMPARE(parameters.Parameters().front().key, QStringLiteral("KEY"));
    QCOMPARE(parameters.Parameters().front().name, expected_name);
}

void TConstantsReaderTest::Hostile_Content_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("expected_count");

    QTest::newRow("invalid UTF-8 in name and values")
        << Constants_File(Header(1, "Bad \xff\xfe\xc3", "Integer[2]", "BAD") + "\n\xc0\xaf\n" +
                          Header(2, "Ok", "Integer", "OK") + "\n5\n")
        << 1;
    QTest::newRow("NUL bytes") << Constants_File(Header(1, QByteArray("N\0ul", 4), "Integer", "NUL") +
                                                 QByteArray("\n\0"
                                                            "1\n",
                                                            4))
                               << 0;
    QTest::newRow("a line of a megabyte")
        << Constants_File(Header(1, "A", "Integer", "A") + QByteArray(1 << 20, 'x') + "\n1\n" +
                          QByteArray(1 << 20, '7') + "\n")
        << 1;
    QTest::newRow("a header line of a megabyte is one key")
        << Constants_File(Header(1, "A", "Integer", QByteArray(1 << 20, 'K')) + "\n1\n") << 1;
    QTest::newRow("only headers, no values")
        << Constants_File(Header(1, "A", "Integer", "A").append('\n').repeated(1000)) << 0;
    QTest::newRow("random binary after the head")
        << Constants_File(QByteArray::fromHex("0d0a00ff23203120ff0a").repeated(5000)) << 0;
}

void TConstantsReaderTest::Hostile_Content()
{
    QFETCH(QByteArray, content);
    QFETCH(int, expected_count);
    TParameters parameters;
    QVERIFY(parameters.Load_Constants_File(content));
    QCOMPARE(parameters.Parameter_Count(), expected_count);
}

void TConstantsReaderTest::Large_File_Loads_Linearly()
{
    // 100,000 headers with the same key: one stored record, and no quadratic duplicate test.
    QByteArray same_key;
    const QByteArray entry = Header(5, "Same", "Integer", "SAME") + "\n1\n";
    same_key = Constants_File(entry.repeated(100000));

    // About 50 MB of distinct entries with arrays.
    QByteArray big = MARKER_HEAD + QByteArray(160, ' ') + '\n';
    big.reserve(52 * 1024 * 1024);
    int count = 0;
    while (big.size() < 50 * 1024 * 1024)
    {
        big += Header(count % 150, "Axis gain", "Double[4]", "GAIN_" + QByteArray::number(count)) +
               "\n  2.5000000000000E+02\n  -1.25E-03\n  3\n  4\n";
        ++count;
    }

    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString path = Testing::Write_In(directory, QStringLiteral("big.asc"), big);
    QVERIFY(!path.isEmpty());

    QElapsedTimer timer;
    timer.start();
    TParameters parameters;
    QVERIFY(parameters.Load_Constants_File(same_key));
    QCOMPARE(parameters.Parameter_Count(), 1);

    parameters.Reset();
    QVERIFY(parameters.Load_Parameter_File(path));
    QCOMPARE(parameters.Parameter_Count(), count);
    QCOMPARE(parameters.Parameters().back().double_values, (QVector<double>{250, -0.00125, 3, 4}));
    QVERIFY2(timer.elapsed() < 60000, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));
}

QTEST_APPLESS_MAIN(TConstantsReaderTest)
#include "tst_constantsreader.moc"
