#include "parameters.h"
#include "testsupport.h"

#include <QtTest>

namespace
{
const QByteArray DECLARATION = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";

QByteArray Settings_File(const QByteArray& entries)
{
    return DECLARATION + "<ZIDParameterSettings>\n" + entries + "</ZIDParameterSettings>\n";
}

struct TExpectedRecord
{
    QString key;
    int number;
    int type;
    QString description;
    QVector<int> integers;
    QVector<double> doubles;
    QStringList texts;
};
} // namespace

Q_DECLARE_METATYPE(TExpectedRecord)
Q_DECLARE_METATYPE(QVector<TExpectedRecord>)

class TSettingsReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void Worked_Example();
    void Entries_data();
    void Entries();
    void Load_Warnings_data();
    void Load_Warnings();
    void Failures_data();
    void Failures();
    void Hostile_Documents_data();
    void Hostile_Documents();
    void Many_Entries();
    // Last: a fault in the XML layer here would take the whole program down.
    void Control_Characters_In_Values();
};

void TSettingsReaderTest::Worked_Example()
{
    const QByteArray content = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
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
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString path = Testing::Write_In(directory, QStringLiteral("settings.xml"), content);

    TParameters parameters;
    QVERIFY2(parameters.Load_Parameter_File(path), qPrintable(parameters.Last_Error()));
    QCOMPARE(parameters.File_Format(), TParameters::FORMAT_PARAMETER_SETTINGS);
    QCOMPARE(parameters.Parameter_Count(), 3);

    const TParameters::TParameter decel = parameters.Parameters().at(0);
    QCOMPARE(decel.key, QStringLiteral("TTP_DECL"));
    QCOMPARE(decel.number, 1);
    QCOMPARE(decel.description, QStringLiteral("Maximum deceleration in response to the probe deflection"));
    QCOMPARE(decel.type, int(TParameters::TYPE_DOUBLE_ARRAY));
    QCOMPARE(decel.double_values, (QVector<double>{250, 125}));
    QCOMPARE(decel.original_double_values, (QVector<double>{250, 125}));
    QVERIFY(decel.integer_values.isEmpty());
    QVERIFY(decel.text_values.isEmpty());

    const TParameters::TParameter taps = parameters.Parameters().at(1);
    QCOMPARE(taps.key, QStringLiteral("DEA_TAPS"));
    QCOMPARE(taps.number, 2);
    QVERIFY(taps.description.isEmpty());
    QCOMPARE(taps.type, int(TParameters::TYPE_INTEGER));
    QCOMPARE(taps.integer_values, QVector<int>{8});
    QCOMPARE(taps.original_integer_values, QVector<int>{8});

    const TParameters::TParameter text = parameters.Parameters().at(2);
    QCOMPARE(text.key, QStringLiteral("EXAMPLE_TEXT"));
    QCOMPARE(text.number, 3);
    QVERIFY(text.description.isEmpty());
    QCOMPARE(text.type, int(TParameters::TYPE_TEXT));
    QCOMPARE(text.text_values, QStringList{QStringLiteral("Line 3")});
    QVERIFY(text.original_text_values.isEmpty());
    QVERIFY(text.original_integer_values.isEmpty());
    QVERIFY(text.original_double_values.isEmpty());

    for (const TParameters::TParameter& record : parameters.Parameters())
    {
        QVERIFY(record.name.isEmpty());
        QVERIFY(!record.changed);
    }
}

void TSettingsReaderTest::Entries_data()
{
    QTest::addColumn<QByteArray>("entries");
    QTest::addColumn<QVector<TExpectedRecord>>("expected");

    using TRecords = QVector<TExpectedRecord>;
    const int integer = TParameters::TYPE_INTEGER;
    const int integer_array = TParameters::TYPE_INTEGER_ARRAY;
    const int real = TParameters::TYPE_DOUBLE;
    const int text = TParameters::TYPE_TEXT;

    QTest::newRow("comment-only entry adds nothing and keeps the number")
        << QByteArray("<A><!-- note --></A><B><Value>1</Value></B>")
        << TRecords{{"B", 1, integer, "", {1}, {}, {}}};
    QTest::newRow("repeated tag: first kept, number skipped")
        << QByteArray("<A><Value>1</Value></A><A><Value>2</Value></A><C><Value>3</Value></C>")
        << TRecords{{"A", 1, integer, "", {1}, {}, {}}, {"C", 3, integer, "", {3}, {}, {}}};
    QTest::newRow("mixed values stay text, numbers kept")
        << QByteArray("<M><Value_1>1</Value_1><Value_2>2.5</Value_2></M>")
        << TRecords{{"M", 1, text, "", {1}, {2.5}, {"1", "2.5"}}};
    QTest::newRow("empty value element is one empty text")
        << QByteArray("<E><Value/></E>") << TRecords{{"E", 1, text, "", {}, {}, {""}}};
    QTest::newRow("empty value among numbers keeps the entry text")
        << QByteArray("<E><Value_1>4</Value_1><Value_2></Value_2></E>")
        << TRecords{{"E", 1, text, "", {4}, {}, {"4", ""}}};
    QTest::newRow("last comment wins, trimmed")
        << QByteArray("<C><!-- first --><Value>7</Value><!--  \n second\t --></C>")
        << TRecords{{"C", 1, integer, "second", {7}, {}, {}}};
    QTest::newRow("no comment after a commented entry")
        << QByteArray("<A><!-- servo gain --><Value>1</Value></A><B><Value>2</Value></B>")
        << TRecords{{"A", 1, integer, "servo gain", {1}, {}, {}}, {"B", 2, integer, "", {2}, {}, {}}};
    QTest::newRow("value names are not looked at")
        << QByteArray("<A><x>1</x><y>2</y><z>3</z></A>")
        << TRecords{{"A", 1, integer_array, "", {1, 2, 3}, {}, {}}};
    QTest::newRow("value whose first child is an element reads empty")
        << QByteArray("<A><Value><inner>5</inner></Value></A>") << TRecords{{"A", 1, text, "", {}, {}, {""}}};
    QTest::newRow("text directly under the root or an entry is ignored")
        << QByteArray("stray<A>loose<Value>2.5</Value>text</A>")
        << TRecords{{"A", 1, real, "", {}, {2.5}, {}}};
    QTest::newRow("names that are no variable names")
        << QByteArray("<a.b><V>1</V></a.b><x-y><V>2</V></x-y><_z9><V>3</V></_z9>")
        << TRecords{{"a.b", 1, integer, "", {1}, {}, {}},
                    {"x-y", 2, integer, "", {2}, {}, {}},
                    {"_z9", 3, integer, "", {3}, {}, {}}};
    QTest::newRow("values with blanks and signs") << QByteArray("<A><V> -4 </V><V>+5</V></A>")
                                                  << TRecords{{"A", 1, integer_array, "", {-4, 5}, {}, {}}};
    QTest::newRow("escaped and CDATA text") << QByteArray("<A><V>a &amp; b</V><V><![CDATA[<x>]]></V></A>")
                                            << TRecords{{"A", 1, text, "", {}, {}, {"a & b", "<x>"}}};
    QTest::newRow("only comments under the root") << QByteArray("<!-- nothing here -->") << TRecords{};
}

void TSettingsReaderTest::Entries()
{
    QFETCH(QByteArray, entries);
    QFETCH(QVector<TExpectedRecord>, expected);

    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString path = Testing::Write_In(directory, QStringLiteral("settings.xml"), Settings_File(entries));

    TParameters parameters;
    QVERIFY2(parameters.Load_XML_File(path), qPrintable(parameters.Last_Error()));
    QCOMPARE(parameters.Parameter_Count(), expected.size());
    for (int index = 0; index < expected.size(); ++index)
    {
        const TParameters::TParameter& record = parameters.Parameters().at(static_cast<std::size_t>(index));
        const TExpectedRecord& wanted = expected.at(index);
        QCOMPARE(record.key, wanted.key);
        QCOMPARE(record.number, wanted.number);
        QCOMPARE(record.type, wanted.type);
        QCOMPARE(record.description, wanted.description);
        QCOMPARE(record.integer_values, wanted.integers);
        QCOMPARE(record.double_values, wanted.doubles);
        QCOMPARE(record.text_values, wanted.texts);
        QVERIFY(record.name.isEmpty());
    }
}

void TSettingsReaderTest::Load_Warnings_data()
{
    QTest::addColumn<QByteArray>("entries"); // their first line is line 3 of the file
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("value elements out of order")
        << QByteArray("<A>\n<Value_2>1</Value_2>\n<Value_1>2</Value_1>\n</A>")
        << QStringList{"line 5: A: Value_2 stands before Value_1; the values are taken in file order"};
    QTest::newRow("a duplicate parameter element")
        << QByteArray("<A><V>1</V></A>\n<A><V>2</V></A>")
        << QStringList{"line 4: A: the key is also on line 3; the first is kept"};
    QTest::newRow("an element without values") << QByteArray("<A><!-- note --></A>\n<B><V>1</V></B>")
                                               << QStringList{"line 3: A: no value; the entry is left out"};
    QTest::newRow("values in order give none")
        << QByteArray("<A><Value_1>1</Value_1><Value_2>2</Value_2><Value_3/></A><B><Value>x</Value></B>")
        << QStringList();
}

void TSettingsReaderTest::Load_Warnings()
{
    QFETCH(QByteArray, entries);
    QFETCH(QStringList, expected);

    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString path = Testing::Write_In(directory, QStringLiteral("settings.xml"), Settings_File(entries));
    TParameters parameters;
    QVERIFY2(parameters.Load_XML_File(path), qPrintable(parameters.Last_Error()));
    QCOMPARE(parameters.Load_Warnings(), expected);
}

void TSettingsReaderTest::Failures_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected_error"); // empty: any "ERR:" text

    QTest::newRow("root in small letters")
        << QByteArray(DECLARATION + "<zidparametersettings><A><V>1</V></A></zidparametersettings>\n")
               .leftJustified(170, ' ')
        << QStringLiteral(
               "ERR:  Identification 'ZIDParameterSettings' does not match 'zidparametersettings'");
    QTest::newRow("empty root")
        << QByteArray(DECLARATION + "<ZIDParameterSettings></ZIDParameterSettings>\n").leftJustified(170, ' ')
        << QStringLiteral(
               "ERR: Parent 'ZIDParameterSettings' does not have nodes and they are not optional.");
    QTest::newRow("unclosed entry")
        << QByteArray(DECLARATION + "<ZIDParameterSettings><A><V>1</V></ZIDParameterSettings>\n")
               .leftJustified(170, ' ')
        << QString();
}

void TSettingsReaderTest::Failures()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected_error);

    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString path = Testing::Write_In(directory, QStringLiteral("settings.xml"), content);

    TParameters parameters;
    QVERIFY(!parameters.Load_Parameter_File(path));
    // The file was recognised before the reader failed, so the format stays set.
    QCOMPARE(parameters.File_Format(), TParameters::FORMAT_PARAMETER_SETTINGS);
    QCOMPARE(parameters.Parameter_Count(), 0);
    if (expected_error.isEmpty())
    {
        QVERIFY2(parameters.Last_Error().startsWith(QLatin1String("ERR:")),
                 qPrintable(parameters.Last_Error()));
    }
    else
    {
        QCOMPARE(parameters.Last_Error(), expected_error);
    }
}

void TSettingsReaderTest::Control_Characters_In_Values()
{
    // A control character in a value is not XML. It must end as a clear error or as a load that keeps
    // the entry, never as a crash of the DOM builder.
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString path =
        Testing::Write_In(directory, QStringLiteral("settings.xml"),
                          Settings_File("<A><V>1\x01</V></A><B><V>\x1b[2J</V></B>").leftJustified(170, ' '));
    TParameters parameters;
    if (parameters.Load_Parameter_File(path))
    {
        QCOMPARE(parameters.Get_Parameter_List(QString()), (QStringList{"A", "B"}));
        QCOMPARE(parameters.Get_Parameter(QStringLiteral("A")).type, int(TParameters::TYPE_TEXT));
    }
    else
    {
        QCOMPARE(parameters.Parameter_Count(), 0);
        QVERIFY2(parameters.Last_Error().startsWith(QLatin1String("ERR:")),
                 qPrintable(parameters.Last_Error()));
    }
}

void TSettingsReaderTest::Hostile_Documents_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("maximum_count"); // a failure (count 0) is always acceptable

    QByteArray laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE ZIDParameterSettings [\n<!ENTITY lol \"lol\">\n";
    laughs += "<!ENTITY lol1 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">\n";
    for (int level = 2; level <= 9; ++level)
    {
        const QByteArray previous = "&lol" + QByteArray::number(level - 1) + ";";
        laughs += "<!ENTITY lol" + QByteArray::number(level) + " \"" + previous.repeated(10) + "\">\n";
    }
    laughs += "]>\n<ZIDParameterSettings><A><V>&lol9;</V></A></ZIDParameterSettings>\n";
    QTest::newRow("billion laughs") << laughs << 1;

    QTest::newRow("doctype with one small entity")
        << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE ZIDParameterSettings [<!ENTITY v \"42\">]>\n"
                      "<ZIDParameterSettings><A><V>&v;</V></A></ZIDParameterSettings>\n")
        << 1;
    QTest::newRow("external entity")
        << QByteArray(
               "<?xml version=\"1.0\"?>\n<!DOCTYPE ZIDParameterSettings [<!ENTITY x SYSTEM "
               "\"file:///etc/passwd\">]>\n<ZIDParameterSettings><A><V>&x;</V></A></ZIDParameterSettings>\n")
        << 1;
    QTest::newRow("deep nesting inside a value")
        << Settings_File("<A><V>" + QByteArray("<n>").repeated(5000) + QByteArray("</n>").repeated(5000) +
                         "</V></A>")
        << 1;
    QTest::newRow("processing instruction as a value") << Settings_File("<A><?pi data?></A>") << 1;
}

void TSettingsReaderTest::Hostile_Documents()
{
    QFETCH(QByteArray, content);
    QFETCH(int, maximum_count);

    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString path = Testing::Write_In(directory, QStringLiteral("settings.xml"), content);

    QElapsedTimer timer;
    timer.start();
    TParameters parameters;
    const bool loaded = parameters.Load_XML_File(path);
    QVERIFY2(timer.elapsed() < 30000, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));
    if (loaded)
    {
        QVERIFY(parameters.Parameter_Count() <= maximum_count);
        for (const TParameters::TParameter& record : parameters.Parameters())
        {
            for (const QString& value : record.text_values)
            {
                QVERIFY(value.size() < 1000000); // no expansion into gigabytes of text
                QVERIFY(!value.contains(QLatin1String("root:")));
            }
        }
    }
    else
    {
        QCOMPARE(parameters.Parameter_Count(), 0);
        QVERIFY(parameters.Last_Error().startsWith(QLatin1String("ERR:")));
    }
}

void TSettingsReaderTest::Many_Entries()
{
    QByteArray entries;
#if defined(__SANITIZE_ADDRESS__)
    // The address sanitizer's allocator makes the DOM's many small nodes take minutes; a tenth
    // still covers the running number and the key index.
    const int count = 10000;
#else
    const int count = 100000;
#endif
    for (int index = 0; index < count; ++index)
    {
        entries += "<P" + QByteArray::number(index) + "><!-- axis " + QByteArray::number(index) + " --><V>" +
                   QByteArray::number(index) + "</V><V>" + QByteArray::number(index) + ".5</V></P" +
                   QByteArray::number(index) + ">\n";
    }
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString path = Testing::Write_In(directory, QStringLiteral("settings.xml"), Settings_File(entries));

    QElapsedTimer timer;
    timer.start();
    TParameters parameters;
    QVERIFY(parameters.Load_Parameter_File(path));
    QCOMPARE(parameters.Parameter_Count(), count);
    const TParameters::TParameter last = parameters.Get_Parameter(QStringLiteral("P%1").arg(count - 1));
    QCOMPARE(last.number, count);
    QCOMPARE(last.description, QStringLiteral("axis %1").arg(count - 1));
    QCOMPARE(last.type, int(TParameters::TYPE_TEXT));
    QVERIFY2(timer.elapsed() < 60000, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));
}

QTEST_APPLESS_MAIN(TSettingsReaderTest)
#include "tst_settingsreader.moc"
