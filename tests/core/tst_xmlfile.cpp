#include "testsupport.h"
#include "xmlfile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

class TXmlFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void Open_Failures_data();
    void Open_Failures();
    void Open_Reads_Version_data();
    void Open_Reads_Version();
    void Open_Without_Version_Request_Ignores_Attribute();
    void Open_Records_Document_Type();
    void Open_Refuses_Entity_Expansion_Quickly();
    void Open_Reads_Control_Characters_Without_Crashing_data();
    void Open_Reads_Control_Characters_Without_Crashing();
    void Open_Reads_Every_Latin1_Name_data();
    void Open_Reads_Every_Latin1_Name();

    void Read_Operations_data();
    void Read_Operations();
    void Optional_Reads_Return_Empty();
    void Node_Variants_Walk_Any_Kind();

    void Write_Then_Read_Back_Byte_For_Byte();
    void Write_Replaces_Longer_Old_File_Completely();
    void Empty_Text_Reads_Back_As_No_Text();
    void Write_Text_Refuses_Characters_Xml_Cannot_Carry();
    void Write_Failures_data();
    void Write_Failures();
    void Write_Onto_Read_Only_File();
    void Write_To_Failing_Device();
    void Write_Into_Missing_Directory();
    void Clear_Drops_Document();

private:
    QString Write_Fixture(const QString& name, const QByteArray& content);

    QScopedPointer<QTemporaryDir> d_dir;
};

void TXmlFileTest::init()
{
    d_dir.reset(new QTemporaryDir);
    QVERIFY(d_dir->isValid());
}

QString TXmlFileTest::Write_Fixture(const QString& name, const QByteArray& content)
{
    const QString path = d_dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
    {
        return QString();
    }
    file.write(content);
    return path;
}

// One row per way a rules or parameter settings file can be refused, with the exact text the user sees.
void TXmlFileTest::Open_Failures_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: the file is not created
    QTest::addColumn<bool>("ask_version");
    QTest::addColumn<int>("type");
    // %1 is the file name; a message ending in ": " is the parse error's form and position, followed by
    // the parser's own words.
    QTest::addColumn<QString>("message");

    QTest::newRow("missing file") << QByteArray() << true << int(TXmlFileException::FILE_ERROR)
                                  << QStringLiteral("ERR:  Cannot open file '%1' for reading.");
    QTest::newRow("tag mismatch: line then column")
        << QByteArray("<?xml version=\"1.0\"?>\n<Rules>\n  <A>\n  </B>\n</Rules>\n") << true
        << int(TXmlFileException::XML_ERROR)
        << QStringLiteral("ERR: Reference file XML parse error at line 4 column 6: ");
    QTest::newRow("unquoted attribute")
        << QByteArray("<Rules>\n<A x=1/></Rules>") << true << int(TXmlFileException::XML_ERROR)
        << QStringLiteral("ERR: Reference file XML parse error at line 2 column 6: ");
    QTest::newRow("undefined entity")
        << QByteArray("<Rules File_Version=\"1\">\n  <A>&nbsp;</A></Rules>") << true
        << int(TXmlFileException::XML_ERROR)
        << QStringLiteral("ERR: Reference file XML parse error at line 2 column 11: ");
    QTest::newRow("duplicate attribute")
        << QByteArray("<Rules File_Version=\"1\" File_Version=\"2\"/>") << true
        << int(TXmlFileException::XML_ERROR)
        << QStringLiteral("ERR: Reference file XML parse error at line 1 column 42: ");
    QTest::newRow("declared UTF-8, holds Latin-1")
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Rules File_Version=\"1\">Ma\xDF</Rules>")
        << true << int(TXmlFileException::XML_ERROR)
        << QStringLiteral("ERR: Reference file XML parse error at line 2 column 27: ");
    QTest::newRow("identification differs in case")
        << QByteArray("<rules File_Version=\"1\"/>") << true << int(TXmlFileException::XML_ERROR)
        << QStringLiteral("ERR:  Identification 'Rules' does not match 'rules'");
    QTest::newRow("other file kind") << QByteArray("<ZIDParameterSettings/>") << false
                                     << int(TXmlFileException::XML_ERROR)
                                     << QStringLiteral("ERR:  Identification 'Rules' does not match "
                                                       "'ZIDParameterSettings'");
    QTest::newRow("version asked, attribute missing")
        << QByteArray("<Rules/>") << true << int(TXmlFileException::XML_ERROR)
        << QStringLiteral("ERR: The 'File_Version' attribute "
                          "is missing.");
    QTest::newRow("billion laughs") << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE Rules [\n"
                                                  "<!ENTITY a \"aaaaaaaaaa\">\n"
                                                  "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">\n"
                                                  "]>\n<Rules File_Version=\"1\">&b;</Rules>\n")
                                    << true << int(TXmlFileException::XML_ERROR)
                                    << QStringLiteral("ERR:  Cannot read file '%1'.  Reason: its document "
                                                      "type declares entities");
}

void TXmlFileTest::Open_Failures()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, ask_version);
    QFETCH(int, type);
    QFETCH(QString, message);

    const QString path = content.isEmpty() ? d_dir->filePath(QStringLiteral("absent.xml"))
                                           : Write_Fixture("rules.xml", content);
    TXmlFile file;
    file.Set_File_Name(path);
    int version = -1;
    try
    {
        file.Open(QStringLiteral("Rules"), ask_version ? &version : nullptr, true);
        QFAIL("Open accepted a file it must refuse");
    }
    catch (const TXmlFileException& error)
    {
        if (message.endsWith(QLatin1String(": ")))
        {
            QVERIFY2(error.ErrorText().startsWith(message) && error.ErrorText().size() > message.size(),
                     qPrintable(error.ErrorText()));
        }
        else
        {
            QCOMPARE(error.ErrorText(), message.contains(QLatin1String("%1")) ? message.arg(path) : message);
        }
        QCOMPARE(int(error.Type()), type);
    }
    QCOMPARE(version, -1);
}

void TXmlFileTest::Open_Reads_Version_data()
{
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<int>("version");

    QTest::newRow("one") << QStringLiteral("1") << 1;
    QTest::newRow("later format") << QStringLiteral("12") << 12;
    QTest::newRow("negative") << QStringLiteral("-3") << -3;
    QTest::newRow("not a number") << QStringLiteral("abc") << 0;
    QTest::newRow("fraction") << QStringLiteral("1.5") << 0;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("hex is not decimal") << QStringLiteral("0x10") << 0;
}

void TXmlFileTest::Open_Reads_Version()
{
    QFETCH(QString, attribute);
    QFETCH(int, version);

    const QString path =
        Write_Fixture("rules.xml", QStringLiteral("<Rules File_Version=\"%1\"/>").arg(attribute).toUtf8());
    TXmlFile file;
    file.Set_File_Name(path);
    int read_version = -1;
    file.Open(QStringLiteral("Rules"), &read_version, true);
    QCOMPARE(read_version, version);
    QCOMPARE(file.Root_Node()->tagName(), QStringLiteral("Rules"));
}

void TXmlFileTest::Open_Without_Version_Request_Ignores_Attribute()
{
    const QString path =
        Write_Fixture("settings.xml", "<ZIDParameterSettings><P>1</P></ZIDParameterSettings>");
    TXmlFile file;
    file.Set_File_Name(path);
    file.Open(QStringLiteral("ZIDParameterSettings"), nullptr, true);
    QCOMPARE(file.Root_Node()->firstChildElement().tagName(), QStringLiteral("P"));
    QCOMPARE(file.Document_Type(), QString());
}

void TXmlFileTest::Open_Records_Document_Type()
{
    const QString path =
        Write_Fixture("settings.xml", "<?xml version=\"1.0\"?>\n<!DOCTYPE ZIDParameterSettings>\n"
                                      "<ZIDParameterSettings/>\n");
    TXmlFile file;
    file.Set_File_Name(path);
    file.Open(QStringLiteral("ZIDParameterSettings"), nullptr, true);
    QCOMPARE(file.Document_Type(), QStringLiteral("ZIDParameterSettings"));
}

void TXmlFileTest::Open_Reads_Control_Characters_Without_Crashing_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("text");

    const QString one = QStringLiteral("1") + QChar(0x01);
    QTest::newRow("character reference") << QByteArray("1&#1;") << one;
    QTest::newRow("hexadecimal reference") << QByteArray("1&#x1;") << one;
    QTest::newRow("raw control character") << QByteArray("1\x01") << one;
    QTest::newRow("raw escape and reference")
        << QByteArray("\x1B[0m&#x1f;") << QChar(0x1B) + QStringLiteral("[0m") + QChar(0x1F);
    QTest::newRow("Latin-1 without a declaration") << QByteArray("Ma\xDF") << QString::fromUtf8("Ma\xC3\x9F");
    QTest::newRow("UTF-8 without a declaration")
        << QByteArray("Ma\xC3\x9F") << QString::fromUtf8("Ma\xC3\x9F");
    QTest::newRow("tab and newline stay") << QByteArray("a\tb") << QStringLiteral("a\tb");
}

// Hand-edited files carry characters XML forbids, or were saved as Latin-1 without saying so. Reading
// keeps such characters as text; writing must still refuse them.
void TXmlFileTest::Open_Reads_Control_Characters_Without_Crashing()
{
    QFETCH(QByteArray, value);
    QFETCH(QString, text);

    const QString path = Write_Fixture("settings.xml", "<ZIDParameterSettings><P><Value>" + value +
                                                           "</Value></P></ZIDParameterSettings>");
    TXmlFile file;
    file.Set_File_Name(path);
    file.Open(QStringLiteral("ZIDParameterSettings"), nullptr, true);
    const QDomElement parameter = file.GetNode(file.Root_Node(), QStringLiteral("P"), false);
    const QDomElement element = file.GetNode(&parameter, QStringLiteral("Value"), false);
    QCOMPARE(file.ReadTextNode(&element, false), text);

    TXmlFile writer;
    writer.Reset(QStringLiteral("Rules"), 1);
    QDomElement name = writer.CreateNode(writer.Root_Node(), QStringLiteral("Name"));
    QVERIFY_EXCEPTION_THROWN(writer.WriteTextNode(&name, QStringLiteral("1") + QChar(0x01)),
                             TXmlFileException);
}

void TXmlFileTest::Open_Reads_Every_Latin1_Name_data()
{
    QTest::addColumn<QByteArray>("encoding");

    for (const char* name : {"ISO_8859-1:1987", "iso-ir-100", "ISO_8859-1", "ISO-8859-1", "latin1", "L1",
                             "IBM819", "cp819", "csISOLatin1", "Iso_8859-1:1987"})
    {
        QTest::newRow(name) << QByteArray(name);
    }
}

// Controllers' export tools name Latin-1 by any of its registered names.
void TXmlFileTest::Open_Reads_Every_Latin1_Name()
{
    QFETCH(QByteArray, encoding);

    const QByteArray declaration = "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>";
    const QString path =
        Write_Fixture("settings.xml", declaration + "\n<ZIDParameterSettings><P><Value>Ma\xDF\x01"
                                                    "</Value></P></ZIDParameterSettings>");
    TXmlFile file;
    file.Set_File_Name(path);
    file.Open(QStringLiteral("ZIDParameterSettings"), nullptr, true);
    const QDomElement parameter = file.GetNode(file.Root_Node(), QStringLiteral("P"), false);
    const QDomElement element = file.GetNode(&parameter, QStringLiteral("Value"), false);
    QCOMPARE(file.ReadTextNode(&element, false), QString::fromUtf8("Ma\xC3\x9F\x01"));

    // A parse error after the declaration is placed where it stands in the file.
    const QString broken = Write_Fixture("broken.xml", declaration + "<Rules><A></B></Rules>");
    TXmlFile broken_file;
    broken_file.Set_File_Name(broken);
    try
    {
        broken_file.Open(QStringLiteral("Rules"), nullptr, true);
        QFAIL("a mismatched tag was accepted");
    }
    catch (const TXmlFileException& error)
    {
        const QString place = QStringLiteral("line 1 column %1:").arg(declaration.size() + 14);
        QVERIFY2(error.ErrorText().contains(place), qPrintable(error.ErrorText()));
    }
}

// A few kilobytes of nested entities would otherwise expand to gigabytes of probe data text.
void TXmlFileTest::Open_Refuses_Entity_Expansion_Quickly()
{
    QByteArray content = "<?xml version=\"1.0\"?>\n<!DOCTYPE Rules [\n<!ENTITY a \"" + QByteArray(4000, 'x') +
                         "\">\n]>\n<Rules>";
    for (int i = 0; i < 100000; ++i)
    {
        content += "&a;";
    }
    content += "</Rules>\n";
    const QString path = Write_Fixture("rules.xml", content);

    QElapsedTimer timer;
    timer.start();
    TXmlFile file;
    file.Set_File_Name(path);
    try
    {
        file.Open(QStringLiteral("Rules"), nullptr, true);
        QFAIL("a document declaring entities was accepted");
    }
    catch (const TXmlFileException& error)
    {
        QCOMPARE(int(error.Type()), int(TXmlFileException::XML_ERROR));
    }
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
}

// Each read operation with the thing asked for absent (or the node given null) and not optional.
void TXmlFileTest::Read_Operations_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("message");

    QTest::newRow("text of empty element") << "text element"
                                           << "ERR: Node Text for 'Empty' is not optional.";
    QTest::newRow("text of element starting with a child element")
        << "text nested"
        << "ERR: Node Text for 'Rule' is not optional.";
    QTest::newRow("text of element starting with a comment")
        << "text comment"
        << "ERR: Node Text for 'Commented' is not optional.";
    QTest::newRow("text node variant uses local name") << "text node"
                                                       << "ERR: Node Text for 'Empty' is not optional.";
    QTest::newRow("text of null element") << "text null"
                                          << "ERR:  Cannot read data from a NULL node";
    QTest::newRow("text of null node") << "text null node"
                                       << "ERR:  Cannot read data from a NULL node";
    QTest::newRow("missing attribute") << "attribute element"
                                       << "ERR: Node attribute 'Unit' missing and not optional.";
    QTest::newRow("missing attribute node variant") << "attribute node"
                                                    << "ERR: Node attribute 'Unit' missing and not optional.";
    QTest::newRow("attribute names are case-sensitive")
        << "attribute case"
        << "ERR: Node attribute 'file_version' missing and not optional.";
    QTest::newRow("attribute of null element") << "attribute null"
                                               << "ERR:  Cannot read attribute from a NULL node";
    QTest::newRow("attribute of null node") << "attribute null node"
                                            << "ERR:  Cannot read attribute from a NULL node";
    QTest::newRow("missing child") << "child element"
                                   << "ERR: Node 'Rule_Group' is missing from node 'Rules' and not optional.";
    QTest::newRow("missing child node variant")
        << "child node"
        << "ERR: Node 'Name' is missing from node 'Empty' and not optional.";
    QTest::newRow("child of null element") << "child null"
                                           << "ERR:  Cannot get child from a NULL node";
    QTest::newRow("child of null node") << "child null node"
                                        << "ERR:  Cannot get child from a NULL node";
    QTest::newRow("missing sibling element")
        << "sibling element"
        << "ERR: Node 'Rule' is missing from node 'Rule' and not optional.";
    QTest::newRow("sibling of null element") << "sibling null"
                                             << "ERR:  Cannot get sibling from a NULL node";
    QTest::newRow("first node of empty element")
        << "first element"
        << "ERR: Parent 'Empty' does not have nodes and they are not optional.";
    QTest::newRow("first node of empty node")
        << "first node"
        << "ERR: Parent 'Empty' does not have nodes and they are not optional.";
    QTest::newRow("no sibling node")
        << "sibling node"
        << "ERR: Node 'Commented' does not have siblings and they are not optional.";
}

void TXmlFileTest::Read_Operations()
{
    QFETCH(QString, operation);
    QFETCH(QString, message);

    const QString path = Write_Fixture("rules.xml", "<Rules File_Version=\"1\">"
                                                    "<Group><Rule><Name>R1</Name></Rule></Group>"
                                                    "<Empty/>"
                                                    "<Commented><!-- note -->text</Commented>"
                                                    "</Rules>");
    TXmlFile file;
    file.Set_File_Name(path);
    file.Open(QStringLiteral("Rules"), nullptr, true);
    const QDomElement root = *file.Root_Node();
    const QDomElement empty = root.firstChildElement(QStringLiteral("Empty"));
    const QDomNode empty_node = empty;
    const QDomElement rule = root.firstChildElement(QStringLiteral("Group")).firstChildElement();
    const QDomElement commented = root.firstChildElement(QStringLiteral("Commented"));
    const QDomNode commented_node = commented;
    const QDomElement null_element;
    const QDomNode null_node;

    try
    {
        if (operation == "text element")
            file.ReadTextNode(&empty, false);
        else if (operation == "text nested")
            file.ReadTextNode(&rule, false);
        else if (operation == "text comment")
            file.ReadTextNode(&commented, false);
        else if (operation == "text node")
            file.ReadTextNode(&empty_node, false);
        else if (operation == "text null")
            file.ReadTextNode(&null_element, true);
        else if (operation == "text null node")
            file.ReadTextNode(&null_node, true);
        else if (operation == "attribute element")
            file.ReadAttribute(&root, QStringLiteral("Unit"), false);
        else if (operation == "attribute node")
        {
            const QDomNode root_node = root;
            file.ReadAttribute(&root_node, QStringLiteral("Unit"), false);
        }
        else if (operation == "attribute case")
            file.ReadAttribute(&root, QStringLiteral("file_version"), false);
        else if (operation == "attribute null")
            file.ReadAttribute(&null_element, QStringLiteral("Unit"), true);
        else if (operation == "attribute null node")
            file.ReadAttribute(&null_node, QStringLiteral("Unit"), true);
        else if (operation == "child element")
            file.GetNode(&root, QStringLiteral("Rule_Group"), false);
        else if (operation == "child node")
            file.GetNode(&empty_node, QStringLiteral("Name"), false);
        else if (operation == "child null")
            file.GetNode(&null_element, QStringLiteral("Name"), true);
        else if (operation == "child null node")
            file.GetNode(&null_node, QStringLiteral("Name"), true);
        else if (operation == "sibling element")
            file.GetSiblingNode(&rule, QStringLiteral("Rule"), false);
        else if (operation == "sibling null")
            file.GetSiblingNode(&null_element, QStringLiteral("Rule"), true);
        else if (operation == "first element")
            file.GetFirstNode(&empty, false);
        else if (operation == "first node")
            file.GetFirstNode(&empty_node, false);
        else if (operation == "sibling node")
            file.GetSiblingNode(&commented_node, false);
        else
            QFAIL("unknown operation");
        QFAIL("the read did not throw");
    }
    catch (const TXmlFileException& error)
    {
        QCOMPARE(error.ErrorText(), message);
        QCOMPARE(int(error.Type()), int(TXmlFileException::XML_ERROR));
    }
}

void TXmlFileTest::Optional_Reads_Return_Empty()
{
    const QString path =
        Write_Fixture("rules.xml", "<Rules File_Version=\"1\"><Empty/><Name>X</Name></Rules>");
    TXmlFile file;
    file.Set_File_Name(path);
    file.Open(QStringLiteral("Rules"), nullptr, true);
    const QDomElement root = *file.Root_Node();
    const QDomElement empty = root.firstChildElement(QStringLiteral("Empty"));
    const QDomElement name = root.firstChildElement(QStringLiteral("Name"));

    QCOMPARE(file.ReadTextNode(&empty, true), QString());
    QCOMPARE(file.ReadTextNode(&name, false), QStringLiteral("X"));
    QCOMPARE(file.ReadAttribute(&root, QStringLiteral("Unit"), true), QString());
    QCOMPARE(file.ReadAttribute(&root, QStringLiteral("File_Version"), false), QStringLiteral("1"));
    QVERIFY(file.GetNode(&root, QStringLiteral("Rule_Group"), true).isNull());
    QVERIFY(file.GetSiblingNode(&name, QStringLiteral("Name"), true).isNull());
    QVERIFY(file.GetFirstNode(&empty, true).isNull());
    const QDomNode name_node = name;
    QVERIFY(file.GetSiblingNode(&name_node, true).isNull());
}

void TXmlFileTest::Node_Variants_Walk_Any_Kind()
{
    const QString path = Write_Fixture(
        "rules.xml", "<Rules File_Version=\"1\"><!-- saved --><Group>G</Group><Group>H</Group></Rules>");
    TXmlFile file;
    file.Set_File_Name(path);
    file.Open(QStringLiteral("Rules"), nullptr, true);

    const QDomNode first = file.GetFirstNode(file.Root_Node(), false);
    QVERIFY(first.isComment());
    const QDomNode second = file.GetSiblingNode(&first, false);
    QCOMPARE(file.ReadTextNode(&second, false), QStringLiteral("G"));
    const QDomElement group = second.toElement();
    const QDomElement next = file.GetSiblingNode(&group, QStringLiteral("Group"), false);
    QCOMPARE(file.ReadTextNode(&next, false), QStringLiteral("H"));
    const QDomNode text = file.GetFirstNode(&second, false);
    QVERIFY(text.isText());
}

void TXmlFileTest::Write_Then_Read_Back_Byte_For_Byte()
{
    const QString path = d_dir->filePath(QStringLiteral("rules.xml"));
    TXmlFile writer;
    writer.Set_File_Name(path);
    writer.Reset(QStringLiteral("Rules"), 1);
    QDomElement group = writer.CreateNode(writer.Root_Node(), QStringLiteral("Rule_Group"));
    QDomElement name = writer.CreateNode(&group, QStringLiteral("Name"));
    writer.WriteTextNode(&name, QStringLiteral("Servo <gain> & \"limits\""));
    QDomElement rule = writer.CreateNode(&group, QStringLiteral("Rule"));
    QDomElement gain = writer.CreateNode(&rule, QStringLiteral("Gain"));
    writer.WriteTextNode(&gain, 2.5, 3);
    QDomElement offset = writer.CreateNode(&rule, QStringLiteral("Offset"));
    writer.WriteTextNode(&offset, -7);
    writer.CreateNode(&rule, QStringLiteral("Unused"));
    QDomElement axis = writer.CreateNode(&rule, QStringLiteral("Axis"));
    writer.WriteAttribute(&axis, QStringLiteral("Scale"), 1.0 / 3.0, 2);
    QDomElement count = writer.CreateNode(&rule, QStringLiteral("Count"));
    writer.WriteAttribute(&count, QStringLiteral("N"), 42);
    writer.WriteXmlFile(false);

    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray expected = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                                "<Rules File_Version=\"1\">\n"
                                "    <Rule_Group>\n"
                                "        <Name>Servo &lt;gain> &amp; \"limits\"</Name>\n"
                                "        <Rule>\n"
                                "            <Gain>2.500</Gain>\n"
                                "            <Offset>-7</Offset>\n"
                                "            <Unused/>\n"
                                "            <Axis Scale=\"0.33\"/>\n"
                                "            <Count N=\"42\"/>\n"
                                "        </Rule>\n"
                                "    </Rule_Group>\n"
                                "</Rules>\n";
    const QByteArray actual = written.readAll();
    QCOMPARE(actual.split('\n'), expected.split('\n'));

    TXmlFile reader;
    reader.Set_File_Name(path);
    int version = 0;
    reader.Open(QStringLiteral("Rules"), &version, true);
    QCOMPARE(version, 1);
    const QDomElement read_group = reader.GetNode(reader.Root_Node(), QStringLiteral("Rule_Group"), false);
    const QDomElement read_name = reader.GetNode(&read_group, QStringLiteral("Name"), false);
    QCOMPARE(reader.ReadTextNode(&read_name, false), QStringLiteral("Servo <gain> & \"limits\""));
}

// QSaveFile swaps the new file in whole: an old, longer file leaves no tail behind.
void TXmlFileTest::Write_Replaces_Longer_Old_File_Completely()
{
    const QString path = Write_Fixture("rules.xml", QByteArray(10000, 'z'));
    TXmlFile writer;
    writer.Set_File_Name(path);
    writer.Reset(QStringLiteral("Rules"), 1);
    writer.WriteXmlFile(false);

    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(),
             QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Rules File_Version=\"1\"/>\n"));
    QCOMPARE(QDir(d_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("rules.xml")});
}

void TXmlFileTest::Empty_Text_Reads_Back_As_No_Text()
{
    const QString path = d_dir->filePath(QStringLiteral("rules.xml"));
    TXmlFile writer;
    writer.Set_File_Name(path);
    writer.Reset(QStringLiteral("Rules"), 1);
    QDomElement name = writer.CreateNode(writer.Root_Node(), QStringLiteral("Name"));
    writer.WriteTextNode(&name, QString());
    writer.WriteXmlFile(false);

    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().contains("    <Name></Name>\n"));

    TXmlFile reader;
    reader.Set_File_Name(path);
    reader.Open(QStringLiteral("Rules"), nullptr, true);
    const QDomElement read_name = reader.GetNode(reader.Root_Node(), QStringLiteral("Name"), false);
    QCOMPARE(reader.ReadTextNode(&read_name, true), QString());
    QVERIFY_EXCEPTION_THROWN(reader.ReadTextNode(&read_name, false), TXmlFileException);
}

void TXmlFileTest::Write_Text_Refuses_Characters_Xml_Cannot_Carry()
{
    TXmlFile writer;
    writer.Reset(QStringLiteral("Rules"), 1);
    QDomElement name = writer.CreateNode(writer.Root_Node(), QStringLiteral("Name"));
    const QString text = QStringLiteral("bell") + QChar(0x07);
    try
    {
        writer.WriteTextNode(&name, text);
        QFAIL("a control character was accepted");
    }
    catch (const TXmlFileException& error)
    {
        QCOMPARE(error.ErrorText(),
                 QStringLiteral("ERR:  Cannot write node 'Name' with data '%1'").arg(text));
        QCOMPARE(int(error.Type()), int(TXmlFileException::XML_ERROR));
    }
    QVERIFY(!name.hasChildNodes());
    // Tab, line feed and carriage return are allowed.
    writer.WriteTextNode(&name, QStringLiteral("a\tb\nc"));
    QCOMPARE(name.text(), QStringLiteral("a\tb\nc"));
}

void TXmlFileTest::Write_Failures_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("message");

    QTest::newRow("node under null parent") << "create null"
                                            << "ERR:  Cannot create node from a NULL node";
    QTest::newRow("unnamed node") << "create unnamed"
                                  << "ERR:  Cannot create an unnamed node";
    QTest::newRow("text into null element") << "text null"
                                            << "ERR:  Cannot append data to a NULL node";
    QTest::newRow("number into null element") << "number null"
                                              << "ERR:  Cannot append data to a NULL node";
    QTest::newRow("unnamed attribute") << "attribute unnamed"
                                       << "ERR:  Cannot create an unnamed attribute";
}

void TXmlFileTest::Write_Failures()
{
    QFETCH(QString, operation);
    QFETCH(QString, message);

    TXmlFile writer;
    writer.Reset(QStringLiteral("Rules"), 1);
    QDomElement null_element;
    try
    {
        if (operation == "create null")
            writer.CreateNode(&null_element, QStringLiteral("Name"));
        else if (operation == "create unnamed")
            writer.CreateNode(writer.Root_Node(), QString());
        else if (operation == "text null")
            writer.WriteTextNode(&null_element, QStringLiteral("x"));
        else if (operation == "number null")
            writer.WriteTextNode(&null_element, 1.0, 2);
        else if (operation == "attribute unnamed")
            writer.WriteAttribute(writer.Root_Node(), QString(), 3);
        else
            QFAIL("unknown operation");
        QFAIL("the write did not throw");
    }
    catch (const TXmlFileException& error)
    {
        QCOMPARE(error.ErrorText(), message);
        QCOMPARE(int(error.Type()), int(TXmlFileException::XML_ERROR));
    }

    // An attribute on a null element is dropped without a word.
    writer.WriteAttribute(&null_element, QStringLiteral("Unit"), QStringLiteral("mm"));
    QVERIFY(null_element.isNull());
    // An existing attribute is replaced, not doubled.
    writer.WriteAttribute(writer.Root_Node(), QStringLiteral("File_Version"), 2);
    QCOMPARE(writer.Root_Node()->attribute(QStringLiteral("File_Version")), QStringLiteral("2"));
    QCOMPARE(writer.Root_Node()->attributes().count(), 1);
}

// A disk that fills up halfway: the failure is reported with the device's reason, never as success.
void TXmlFileTest::Write_To_Failing_Device()
{
    TXmlFile writer;
    writer.Set_File_Name(QStringLiteral("rules.xml"));
    writer.Reset(QStringLiteral("Rules"), 2);
    Testing::TFailingDevice device(1);
    try
    {
        writer.Write_To(&device, false);
        QFAIL("a failed write was reported as written");
    }
    catch (const TXmlFileException& error)
    {
        QCOMPARE(error.ErrorText(),
                 QStringLiteral("ERR:  Cannot write file 'rules.xml'.  Reason: No space left on device"));
    }
}

void TXmlFileTest::Write_Onto_Read_Only_File()
{
    const QString path = Write_Fixture("rules.xml", "<Rules File_Version=\"1\"/>");
    QVERIFY(QFile::setPermissions(path,
                                  QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    if (QFileInfo(path).isWritable())
    {
        QSKIP("running as a user whom file permissions do not stop (root)");
    }
    TXmlFile writer;
    writer.Set_File_Name(path);
    writer.Reset(QStringLiteral("Rules"), 2);
    try
    {
        writer.WriteXmlFile(false);
        QFAIL("a read-only file was overwritten");
    }
    catch (const TXmlFileException& error)
    {
        QCOMPARE(error.ErrorText(), QStringLiteral("ERR:  Cannot open file '%1' for writing").arg(path));
        QCOMPARE(int(error.Type()), int(TXmlFileException::FILE_ERROR));
    }
    QFile old(path);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("<Rules File_Version=\"1\"/>"));
}

void TXmlFileTest::Write_Into_Missing_Directory()
{
    const QString path = d_dir->filePath(QStringLiteral("no_such_dir/rules.xml"));
    TXmlFile writer;
    writer.Set_File_Name(path);
    writer.Reset(QStringLiteral("Rules"), 1);
    try
    {
        writer.WriteXmlFile(false);
        QFAIL("a file was written into a missing directory");
    }
    catch (const TXmlFileException& error)
    {
        const QString prefix = QStringLiteral("ERR:  Cannot write file '%1'.  Reason: ").arg(path);
        QVERIFY2(error.ErrorText().startsWith(prefix), qPrintable(error.ErrorText()));
        QVERIFY2(error.ErrorText().size() > prefix.size(), "the system's reason is missing");
        QCOMPARE(int(error.Type()), int(TXmlFileException::XML_ERROR));
    }
    QVERIFY(!QFileInfo::exists(path));
}

void TXmlFileTest::Clear_Drops_Document()
{
    TXmlFile writer;
    writer.Reset(QStringLiteral("Rules"), 1);
    QVERIFY(!writer.Root_Node()->isNull());
    writer.Clear();
    QVERIFY(writer.Root_Node()->isNull());
}

QTEST_GUILESS_MAIN(TXmlFileTest)
#include "tst_xmlfile.moc"
