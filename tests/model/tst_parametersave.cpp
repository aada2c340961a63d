#include "parameters.h"
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

namespace
{
QByteArray Constants(const QByteArray& body)
{
    return "Machine Constants File\n" + QByteArray(160, ' ') + "\n" + body;
}

QByteArray Header(int number, const QByteArray& name, const QByteArray& type_word, const QByteArray& key)
{
    return Testing::Constants_Header(number, QString::fromLatin1(name), QString::fromLatin1(type_word),
                                     QString::fromLatin1(key))
        .toLatin1();
}

QByteArray Settings(const QByteArray& entries, const QByteArray& declaration = "<?xml version=\"1.0\"?>")
{
    // Padded so that the format test sees the root element within its first 160 bytes either way.
    return declaration + "\n<ZIDParameterSettings>\n" + entries + "\n</ZIDParameterSettings>\n" +
           QByteArray(160, ' ');
}

QByteArray Utf16(const QString& text)
{
    QByteArray bytes("\xFF\xFE");
    for (const QChar character : text)
    {
        bytes.append(static_cast<char>(character.unicode() & 0xFF));
        bytes.append(static_cast<char>(character.unicode() >> 8));
    }
    return bytes;
}

// Loads content as Open does; a UTF-16 settings file, which the format test cannot tell, through the
// XML reader.
bool Load(const QString& path, TParameters* parameters)
{
    parameters->Reset();
    return parameters->Load_Parameter_File(path) || parameters->Load_XML_File(path);
}

// One value set as the editors set it.
bool Set(TParameters* parameters, const QString& key, int index, const QString& text)
{
    TParameters::TParameter record = parameters->Get_Parameter(key);
    return TParameters::Set_Value_Text(&record, index, text) && parameters->Edit_Parameter(record);
}

QStringList Sample_Files()
{
    const QDir data(Testing::Data_Path(QString()));
    QStringList names =
        data.entryList(QStringList{QStringLiteral("*.asc"), QStringLiteral("*.xml")}, QDir::Files);
    names.removeAll(QStringLiteral("rules.xml"));
    return names;
}
} // namespace

class TParameterSaveTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void Unchanged_Save_Keeps_Every_Byte_data();
    void Unchanged_Save_Keeps_Every_Byte();
    void One_Change_Changes_Only_Its_Text_data();
    void One_Change_Changes_Only_Its_Text();
    void Refused_Saves_data();
    void Refused_Saves();
    void Partial_File_data();
    void Partial_File();

    void Save_Over_File_data();
    void Save_Over_File();
    void Unwritable_Target_data();
    void Unwritable_Target();
    void Failing_Device_data();
    void Failing_Device();
    void File_On_Disk();

private:
    QString Write(const QByteArray& content, const QString& name = QStringLiteral("machine.asc"));

    QScopedPointer<QTemporaryDir> d_directory;
};

void TParameterSaveTest::init()
{
    d_directory.reset(new QTemporaryDir);
    QVERIFY(d_directory->isValid());
}

QString TParameterSaveTest::Write(const QByteArray& content, const QString& name)
{
    return Testing::Write_In(*d_directory, name, content);
}

void TParameterSaveTest::Unchanged_Save_Keeps_Every_Byte_data()
{
    QTest::addColumn<QByteArray>("content");

    for (const QString& name : Sample_Files())
    {
        QTest::newRow(qPrintable(name)) << Testing::Data_File(name);
    }
    const QByteArray entries = Header(94, "DEA filter taps", "Longint", "DEA_TAPS") + "\n  8\n" +
                               Header(98, "Probe decel", "Double[2]", "TTP_DECL") +
                               "\n 2.5E+02\n  -1.25e-3  \n";
    QTest::newRow("constants with CRLF") << QByteArray(Constants(entries)).replace("\n", "\r\n");
    QTest::newRow("constants with mixed line ends") << Constants(entries).replace("  8\n", "  8\r\n");
    QTest::newRow("constants with a byte order mark") << "\xEF\xBB\xBF" + Constants(entries);
    QTest::newRow("constants in Latin-1 with entries left out")
        << Constants(Header(1, "Vitesse \xe9lev\xe9\x65", "Double", "SPEED") + "\n1.5\n" +
                     Header(2, "Text", "Text", "TEXT") + "\nhello\n" + Header(3, "Dup", "Integer", "SPEED") +
                     "\n7\n" + Header(4, "Sep", "Integer", "--------") + "\n1\n" +
                     Header(5, "None", "Integer", "NONE") + "\n\n; the end\n");
    QTest::newRow("settings with comments, CDATA, references and attributes") << Settings(
        "<!-- head -->\n  <A unit=\"mm\">\n    <!-- servo gain -->\n    <Value_1> 2.5 </Value_1>\n"
        "    <Value_2>&#51;.5</Value_2>\n  </A>\n  <T><Value><![CDATA[<x> & y]]></Value><Value/>"
        "<Value>a &amp; b</Value></T>");
    QTest::newRow("settings declared Latin-1")
        << Settings("<A><Value>Caf\xe9</Value></A>", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>");
    QTest::newRow("settings in Latin-1 without a declaration")
        << Settings("<A><Value>Caf\xe9</Value></A>", "");
    QTest::newRow("settings with a byte order mark")
        << "\xEF\xBB\xBF" + Settings("<A><Value>\xc3\xa9</Value></A>");
    QTest::newRow("settings in UTF-16")
        << Utf16(QString::fromLatin1(Settings("<A><Value>Caf\xe9</Value></A>")));
}

void TParameterSaveTest::Unchanged_Save_Keeps_Every_Byte()
{
    QFETCH(QByteArray, content);
    TParameters parameters;
    QVERIFY2(Load(Write(content), &parameters), qPrintable(parameters.Last_Error()));
    QVERIFY(parameters.Parameter_Count() > 0);
    QByteArray saved;
    QVERIFY2(parameters.Save_Content(&saved), qPrintable(parameters.Last_Error()));
    QCOMPARE(saved, content);
}

void TParameterSaveTest::One_Change_Changes_Only_Its_Text_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    const QByteArray taps = Header(94, "DEA filter taps", "Longint", "DEA_TAPS");
    const QByteArray config = Header(39, "Config word", "Integer | bit pattern", "CMMCONFG");
    const QByteArray limits = Header(7, "Limits", "Integer[3]", "AX_LIMIT");
    const QByteArray decel = Header(98, "Probe decel", "Double[2]", "TTP_DECL");
    const QByteArray next = Header(99, "Next", "Integer", "NEXT") + "\n  1\n";

    QTest::newRow("integer") << Constants(taps + "\n  8\n" + next) << "DEA_TAPS" << 0 << "12"
                             << Constants(taps + "\n  12\n" + next);
    QTest::newRow("bit pattern") << Constants(config + "\n  2048\n" + next) << "CMMCONFG" << 0 << "4096"
                                 << Constants(config + "\n  4096\n" + next);
    QTest::newRow("array element") << Constants(limits + "\n1\n2\n3\n" + next) << "AX_LIMIT" << 1 << "-20"
                                   << Constants(limits + "\n1\n-20\n3\n" + next);
    QTest::newRow("real in exponent form")
        << Constants(decel + "\n  2.5000000000000E+02\n  1.2500000000000E+02\n") << "TTP_DECL" << 0 << "300"
        << Constants(decel + "\n  3.0000000000000E+02\n  1.2500000000000E+02\n");
    QTest::newRow("real with a plus and a short exponent") << Constants(decel + "\n+2.5E2\n1\n") << "TTP_DECL"
                                                           << 0 << "30" << Constants(decel + "\n+3.0E1\n1\n");
    QTest::newRow("real in fixed point") << Constants(decel + "\n  1.5\n  2\n") << "TTP_DECL" << 0 << "0.1"
                                         << Constants(decel + "\n  0.1\n  2\n");
    QTest::newRow("real the old digits cannot hold") << Constants(decel + "\n  1.5\n  2\n") << "TTP_DECL" << 1
                                                     << "0.125" << Constants(decel + "\n  1.5\n  0.125\n");
    QTest::newRow("line ends of CRLF kept")
        << QByteArray(Constants(taps + "\n  8\n" + next)).replace("\n", "\r\n") << "DEA_TAPS" << 0 << "9"
        << QByteArray(Constants(taps + "\n  9\n" + next)).replace("\n", "\r\n");

    const QByteArray text = "<EXAMPLE_TEXT><!-- kept --><Value>Line 3</Value></EXAMPLE_TEXT>";
    QTest::newRow("XML number")
        << Settings("<TTP_DECL><Value_1>2.5E+02</Value_1><Value_2>1.25E+02</Value_2></TTP_DECL>")
        << "TTP_DECL" << 0 << "300"
        << Settings("<TTP_DECL><Value_1>3.0E+02</Value_1><Value_2>1.25E+02</Value_2></TTP_DECL>");
    QTest::newRow("XML integer between blanks")
        << Settings("<DEA_TAPS><Value> 8 </Value></DEA_TAPS>") << "DEA_TAPS" << 0 << "12"
        << Settings("<DEA_TAPS><Value> 12 </Value></DEA_TAPS>");
    QTest::newRow("XML real that becomes whole stays a real")
        << Settings("<G><Value>2.5</Value></G>") << "G" << 0 << "3" << Settings("<G><Value>3.0</Value></G>");
    QTest::newRow("XML text with characters to escape")
        << Settings(text) << "EXAMPLE_TEXT" << 0 << "a<b & \"c\" > d"
        << Settings("<EXAMPLE_TEXT><!-- kept --><Value>a&lt;b &amp; \"c\" &gt; d</Value></EXAMPLE_TEXT>");
    QTest::newRow("XML empty element takes a text")
        << Settings("<T><Value_1>x</Value_1><Value_2/></T>") << "T" << 1 << "y"
        << Settings("<T><Value_1>x</Value_1><Value_2>y</Value_2></T>");
    QTest::newRow("XML element with only a comment takes a text")
        << Settings("<T><Value_1>x</Value_1><Value_2>  <!-- none --></Value_2></T>") << "T" << 1 << "y"
        << Settings("<T><Value_1>x</Value_1><Value_2>y<!-- none --></Value_2></T>");
    QTest::newRow("XML CDATA section") << Settings("<T><Value><![CDATA[<x>]]></Value></T>") << "T" << 0
                                       << "<y>" << Settings("<T><Value><![CDATA[<y>]]></Value></T>");
    QTest::newRow("XML references beside the change kept")
        << Settings("<T><Value_1>a &amp; b</Value_1><Value_2>&#51;</Value_2><Value_3>c</Value_3></T>") << "T"
        << 2 << "d"
        << Settings("<T><Value_1>a &amp; b</Value_1><Value_2>&#51;</Value_2><Value_3>d</Value_3></T>");
    const QByteArray latin1 = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>";
    QTest::newRow("XML Latin-1: what Latin-1 lacks as a reference")
        << Settings("<T><Value>Caf\xe9</Value></T>", latin1) << "T" << 0
        << QString::fromUtf8("Th\xc3\xa9 \xe2\x82\xac")
        << Settings("<T><Value>Th\xe9 &#x20AC;</Value></T>", latin1);
    QTest::newRow("XML in UTF-16") << Utf16(QString::fromLatin1(Settings("<T><Value>Caf\xe9</Value></T>")))
                                   << "T" << 0 << QString::fromUtf8("\xe2\x82\xac 5")
                                   << Utf16(QString::fromUtf8(
                                          Settings("<T><Value>\xe2\x82\xac 5</Value></T>")));
}

void TParameterSaveTest::One_Change_Changes_Only_Its_Text()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, key);
    QFETCH(int, index);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);

    TParameters parameters;
    QVERIFY2(Load(Write(before), &parameters), qPrintable(parameters.Last_Error()));
    const QString old_value = TParameters::Value_Text(parameters.Get_Parameter(key), index);
    QVERIFY(Set(&parameters, key, index, value));
    const TParameters::TParameter edited = parameters.Get_Parameter(key);

    QByteArray saved;
    QVERIFY2(parameters.Save_Content(&saved), qPrintable(parameters.Last_Error()));
    QCOMPARE(saved, after);

    // Read back, the value is exactly the one set.
    TParameters reread;
    QVERIFY(Load(Write(saved, QStringLiteral("saved.asc")), &reread));
    QCOMPARE(TParameters::Value_Text(reread.Get_Parameter(key), index),
             TParameters::Value_Text(edited, index));

    // Set back to what it was, the file is the one read.
    QVERIFY(Set(&parameters, key, index, old_value));
    QVERIFY(parameters.Save_Content(&saved));
    QCOMPARE(saved, before);
}

void TParameterSaveTest::Refused_Saves_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("key"); // empty: no edit
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("reason");

    const QByteArray text = Settings("<EXAMPLE_TEXT><Value>Line 3</Value></EXAMPLE_TEXT>");
    QTest::newRow("a text that would read back as a number")
        << text << "EXAMPLE_TEXT"
        << "3"
        << "Cannot save the parameter file: read back, EXAMPLE_TEXT would be of type integer instead of text";
    QTest::newRow("a character XML cannot carry") << text << "EXAMPLE_TEXT"
                                                  << "a\x01"
                                                  << "Cannot save the parameter file: EXAMPLE_TEXT: value 1 "
                                                     "holds a character XML cannot carry (U+0001)";
    QTest::newRow("blanks only, which read back as no text")
        << text << "EXAMPLE_TEXT"
        << "   "
        << "Cannot save the parameter file: read back, EXAMPLE_TEXT would hold \"\" instead of \"   \"";
    QTest::newRow("a value in a processing instruction")
        << Settings("<T><Value>x</Value><?pi data?></T>") << "T"
        << "y"
        << "Cannot save the parameter file: T: value 2 is a processing instruction, which holds no text";
    const QByteArray small_start = "<?xml version=\"1.0\"?>\n<ZIDParameterSettings>\n<T><Value>";
    const QByteArray small_end = "</Value></T>\n</ZIDParameterSettings>\n";
    QTest::newRow("a shorter text that leaves too few bytes to open")
        << small_start + QByteArray(160 - small_start.size() - small_end.size(), 'a') + small_end << "T"
        << "b"
        << "Cannot save the parameter file: the file would no longer open as a parameter file (93 bytes, "
           "too few to tell its format)";
    QTest::newRow("UTF-16 constants")
        << Utf16(QString::fromLatin1(Constants(Header(1, "A", "Integer", "A") + "\n1\n"))) << ""
        << ""
        << "Cannot save the parameter file: its text is in UTF-16 or UTF-32, which is "
           "read but not written";
    // A listing or a check lets go of what a save needs; no save may then write a file from nothing.
    QTest::newRow("bytes let go after reading")
        << text << ""
        << "let go"
        << "Cannot save the parameter file: the bytes of its file were let go after reading";
}

void TParameterSaveTest::Refused_Saves()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, reason);

    TParameters parameters;
    if (content.startsWith("\xFF\xFE") && !content.contains('<'))
    {
        QVERIFY(parameters.Load_Constants_File(content));
    }
    else
    {
        QVERIFY2(Load(Write(content), &parameters), qPrintable(parameters.Last_Error()));
    }
    if (!key.isEmpty())
    {
        TParameters::TParameter record = parameters.Get_Parameter(key);
        record.text_values.last() = value;
        QVERIFY(parameters.Edit_Parameter(record));
    }
    if (key.isEmpty() && value == QLatin1String("let go"))
    {
        parameters.Let_Go_Of_Source();
    }
    QByteArray saved("untouched");
    QVERIFY(!parameters.Save_Content(&saved));
    QCOMPARE(parameters.Last_Error(), reason);
}

void TParameterSaveTest::Partial_File_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("edit");       // KEY=VALUE set before the partial file is written
    QTest::addColumn<QStringList>("keys");   // the parameters it holds
    QTest::addColumn<QByteArray>("partial"); // empty: refused

    const QByteArray taps = Header(94, "DEA filter taps", "Longint", "DEA_TAPS");
    const QByteArray decel = Header(98, "Probe decel", "Double[2]", "TTP_DECL");
    const QByteArray config = Header(39, "Config word", "Integer | bit pattern", "CMMCONFG");
    const QByteArray entries = config + "\n  2048\n\n" + taps + "\n  8\n; a comment after the taps\n" +
                               decel + "\n  2.5E+02\n  1.5\n";
    QTest::newRow("constants: the opening lines and the entries named, in list order")
        << Constants(entries) << "DEA_TAPS=12" << QStringList{"TTP_DECL", "DEA_TAPS"}
        << Constants(taps + "\n  12\n" + decel + "\n  2.5E+02\n  1.5\n");
    QTest::newRow("constants with CRLF")
        << QByteArray(Constants(entries)).replace("\n", "\r\n") << "CMMCONFG=4096" << QStringList{"CMMCONFG"}
        << QByteArray(Constants(config + "\n  4096\n")).replace("\n", "\r\n");
    const QByteArray short_file =
        "Machine Constants File\n" + taps + "\n  8\n" + decel + "\n  1\n  2\n" + QByteArray(100, '\n');
    QTest::newRow("constants padded to a size the format test takes")
        << short_file << "DEA_TAPS=9" << QStringList{"DEA_TAPS"}
        << QByteArray("Machine Constants File\n" + taps + "\n  9\n").leftJustified(160, '\n');
    const QByteArray settings_entries = "  <TTP_DECL>\n    <!-- deceleration -->\n    "
                                        "<Value_1>2.5E+02</Value_1>\n    <Value_2>1.0</Value_2>\n"
                                        "  </TTP_DECL>\n  <DEA_TAPS><Value>8</Value></DEA_TAPS>\n  <NOTE "
                                        "a=\"1\"><Value>Caf\xe9 &amp; bar</Value>"
                                        "</NOTE>";
    const QByteArray latin1 = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>";
    QTest::newRow("settings: declaration, comments, attributes and references kept")
        << Settings(settings_entries, latin1) << "TTP_DECL.2=3" << QStringList{"NOTE", "TTP_DECL"}
        << QByteArray(latin1 +
                      "\n<ZIDParameterSettings>\n  <TTP_DECL>\n    <!-- deceleration -->\n"
                      "    <Value_1>2.5E+02</Value_1>\n    <Value_2>3.0</Value_2>\n  </TTP_DECL>\n"
                      "  <NOTE a=\"1\"><Value>Caf\xe9 &amp; bar</Value></NOTE>\n</ZIDParameterSettings>\n");
    QTest::newRow("settings in UTF-16 are refused")
        << Utf16(QString::fromLatin1(Settings("<T><Value>x</Value></T>"))) << "T=y" << QStringList{"T"}
        << QByteArray();
}

void TParameterSaveTest::Partial_File()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, edit);
    QFETCH(QStringList, keys);
    QFETCH(QByteArray, partial);

    TParameters parameters;
    QVERIFY2(Load(Write(content), &parameters), qPrintable(parameters.Last_Error()));
    const QString key = edit.section(QLatin1Char('='), 0, 0);
    QVERIFY(Set(&parameters, key.section(QLatin1Char('.'), 0, 0),
                key.contains(QLatin1Char('.')) ? key.section(QLatin1Char('.'), 1).toInt() - 1 : 0,
                edit.section(QLatin1Char('='), 1)));
    QByteArray written;
    QCOMPARE(parameters.Partial_Content(keys, &written), !partial.isEmpty());
    if (partial.isEmpty())
    {
        QVERIFY(parameters.Last_Error().startsWith(QLatin1String("Cannot write the parameters: ")));
        return;
    }
    QCOMPARE(written, partial);

    // Open reads it as a file of the same format holding those parameters with their values.
    TParameters reread;
    QVERIFY2(reread.Load_Parameter_File(Write(written, QStringLiteral("partial"))),
             qPrintable(reread.Last_Error()));
    QCOMPARE(reread.File_Format(), parameters.File_Format());
    QCOMPARE(reread.Parameter_Count(), keys.size());
    for (const QString& name : keys)
    {
        QCOMPARE(reread.Get_Parameter(name).type, parameters.Get_Parameter(name).type);
        QCOMPARE(TParameters::Value_Text(reread.Get_Parameter(name), 0),
                 TParameters::Value_Text(parameters.Get_Parameter(name), 0));
    }
}

void TParameterSaveTest::Save_Over_File_data()
{
    QTest::addColumn<bool>("keep_backup");
    QTest::addColumn<bool>("older_backup");

    QTest::newRow("first save keeps a backup") << true << false;
    QTest::newRow("first save replaces an older backup") << true << true;
    QTest::newRow("later save keeps none") << false << false;
}

void TParameterSaveTest::Save_Over_File()
{
    QFETCH(bool, keep_backup);
    QFETCH(bool, older_backup);

    const QByteArray before = Testing::Data_File(QStringLiteral("constants.asc"));
    const QString path = Write(before);
    QVERIFY(QFile::setPermissions(path,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
    const QString backup = path + QStringLiteral(".bak");
    if (older_backup)
    {
        QVERIFY(Testing::Write_File(backup, "an older backup"));
    }
    TParameters parameters;
    QVERIFY(Load(path, &parameters));
    QVERIFY(Set(&parameters, QStringLiteral("DEA_TAPS"), 0, QStringLiteral("12")));

    QString backup_name = QStringLiteral("left over");
    QVERIFY2(parameters.Save_Parameter_File(path, keep_backup, &backup_name),
             qPrintable(parameters.Last_Error()));
    QCOMPARE(Testing::Read_File(path), QByteArray(before).replace("  8\n", "  12\n"));
    QCOMPARE(backup_name, keep_backup ? backup : QString());
    QCOMPARE(Testing::Read_File(backup), keep_backup    ? before
                                         : older_backup ? QByteArray("an older backup")
                                                        : QByteArray());
    // The file keeps its permissions, and nothing else is left beside it.
    QCOMPARE(QFileInfo(path).permissions() & (QFileDevice::ReadGroup | QFileDevice::WriteGroup),
             QFileDevice::Permissions(QFileDevice::ReadGroup));
    QStringList expected{QStringLiteral("machine.asc")};
    if (keep_backup || older_backup)
    {
        expected.prepend(QStringLiteral("machine.asc.bak"));
        std::sort(expected.begin(), expected.end());
    }
    QCOMPARE(QDir(d_directory->path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
}

void TParameterSaveTest::Unwritable_Target_data()
{
    QTest::addColumn<QString>("case_name");
    QTest::addColumn<bool>("keep_backup");
    QTest::addColumn<QString>("reason"); // empty: written

    QTest::newRow("read-only file") << "read-only file" << false << "machine.asc: Permission denied";
    QTest::newRow("folder in place of the file") << "folder" << false << "machine.asc: Is a directory";
    QTest::newRow("folder that is gone")
        << "missing folder" << false << "machine.asc: No such file or directory";
    // Where the folder takes no new file, the file the user may write is written in place; but a
    // backup cannot be kept beside it, and then nothing is written.
    QTest::newRow("writable file in a read-only folder") << "read-only folder" << false << QString();
    QTest::newRow("no backup in a read-only folder")
        << "read-only folder" << true << "machine.asc.bak: Permission denied";
}

void TParameterSaveTest::Unwritable_Target()
{
    QFETCH(QString, case_name);
    QFETCH(bool, keep_backup);
    QFETCH(QString, reason);

    const QByteArray before = Testing::Data_File(QStringLiteral("constants.asc"));
    TParameters parameters;
    QVERIFY(Load(Write(before), &parameters));
    QVERIFY(Set(&parameters, QStringLiteral("DEA_TAPS"), 0, QStringLiteral("12")));

    const QString folder = d_directory->filePath(QStringLiteral("folder"));
    QString target = folder + QStringLiteral("/machine.asc");
    if (case_name == QLatin1String("folder"))
    {
        QVERIFY(QDir().mkpath(target));
    }
    else if (case_name != QLatin1String("missing folder"))
    {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(Testing::Write_File(target, before));
        QVERIFY(QFile::setPermissions(case_name == QLatin1String("read-only file") ? target : folder,
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (QFileInfo(target).isWritable() && case_name == QLatin1String("read-only file"))
        {
            QSKIP("File permissions do not bind this account");
        }
    }

    const bool saved = parameters.Save_Parameter_File(target, keep_backup);
    QCOMPARE(saved, reason.isEmpty());
    if (!saved)
    {
        QVERIFY2(parameters.Last_Error().endsWith(reason), qPrintable(parameters.Last_Error()));
        // The edit stays, and the list still differs from its file.
        QCOMPARE(parameters.Get_Parameter(QStringLiteral("DEA_TAPS")).integer_values, QVector<int>{12});
        QVERIFY(parameters.Differs_From_File());
    }
    if (case_name.startsWith(QLatin1String("read-only")))
    {
        QCOMPARE(Testing::Read_File(target), saved ? QByteArray(before).replace("  8\n", "  12\n") : before);
    }
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TParameterSaveTest::Failing_Device_data()
{
    QTest::addColumn<int>("failing_write");

    // The file goes out in blocks of 64 KiB; a device that stops taking them fails the save.
    QTest::newRow("device never fails") << 0;
    QTest::newRow("first write fails") << 1;
    QTest::newRow("third write fails") << 3;
}

void TParameterSaveTest::Failing_Device()
{
    QFETCH(int, failing_write);

    QByteArray body;
    for (int index = 0; index < 3000; ++index)
    {
        body += Header(index % 150, "Gain", "Integer", "GAIN_" + QByteArray::number(index)) + "\n  5\n";
    }
    TParameters parameters;
    QVERIFY(Load(Write(Constants(body)), &parameters));
    QVERIFY(Set(&parameters, QStringLiteral("GAIN_7"), 0, QStringLiteral("6")));

    Testing::TFailingDevice device(failing_write);
    QCOMPARE(parameters.Save_Parameter_File(&device), failing_write == 0);
    if (failing_write == 0)
    {
        QCOMPARE(device.written, Constants(body).replace("GAIN_7\n  5\n", "GAIN_7\n  6\n"));
        QVERIFY(!parameters.Differs_From_File());
    }
    else
    {
        QCOMPARE(parameters.Last_Error(),
                 QStringLiteral("Cannot save the parameter file: No space left on device"));
        QVERIFY(parameters.Differs_From_File());
    }
}

void TParameterSaveTest::File_On_Disk()
{
    const QByteArray before = Testing::Data_File(QStringLiteral("settings.xml"));
    const QString path = Write(before, QStringLiteral("settings.xml"));
    TParameters parameters;
    QVERIFY(Load(path, &parameters));
    QCOMPARE(parameters.Check_File(path), TParameters::FILE_SAME);
    QCOMPARE(parameters.Fingerprint(), TParameters::Fingerprint_Of(before));
    QVERIFY(!parameters.Differs_From_File());

    QVERIFY(Set(&parameters, QStringLiteral("DEA_TAPS"), 0, QStringLiteral("12")));
    QVERIFY(parameters.Differs_From_File());
    QCOMPARE(parameters.Unsaved_Keys(), QStringList{QStringLiteral("DEA_TAPS")});

    // Another program changed the file: same size, other bytes.
    QVERIFY(Testing::Write_File(path, QByteArray(before).replace("<Value>8</Value>", "<Value>9</Value>")));
    QCOMPARE(parameters.Check_File(path), TParameters::FILE_CHANGED);
    QVERIFY(QFile::remove(path));
    QCOMPARE(parameters.Check_File(path), TParameters::FILE_VANISHED);

    // A vanished file is written anew; no backup, as there was nothing to keep.
    QString backup;
    QVERIFY2(parameters.Save_Parameter_File(path, true, &backup), qPrintable(parameters.Last_Error()));
    QVERIFY(backup.isEmpty());
    const QByteArray saved = Testing::Read_File(path);
    QCOMPARE(saved, QByteArray(before).replace("<Value>8</Value>", "<Value>12</Value>"));
    QCOMPARE(parameters.Check_File(path), TParameters::FILE_SAME);
    QCOMPARE(parameters.Fingerprint(), TParameters::Fingerprint_Of(saved));

    // Saved, the list is the file's; the change marks still count from the values it was opened with.
    QVERIFY(!parameters.Differs_From_File());
    QCOMPARE(parameters.Changed_Count(), 1);
    QCOMPARE(parameters.Loaded_Parameter(QStringLiteral("DEA_TAPS")).integer_values, QVector<int>{8});
    QCOMPARE(parameters.File_Parameter(QStringLiteral("DEA_TAPS")).integer_values, QVector<int>{12});

    // Taken back to the value it was opened with, it differs from the saved file again.
    QVERIFY(Set(&parameters, QStringLiteral("DEA_TAPS"), 0, QStringLiteral("8")));
    QCOMPARE(parameters.Changed_Count(), 0);
    QVERIFY(parameters.Differs_From_File());
    QByteArray content;
    QVERIFY(parameters.Save_Content(&content));
    QCOMPARE(content, before);
}

QTEST_GUILESS_MAIN(TParameterSaveTest)
#include "tst_parametersave.moc"
