#include "windowtesting.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace Testing;

// The detail side: title, description and value editor of the selected parameter, and edits written
// back into the model.
class TMainWindowDetailTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void Title_And_Editor_data();
    void Title_And_Editor();
    void Value_Edit_data();
    void Value_Edit();
    void Second_Edit_Keeps_First_Originals();
    void Bit_Pattern_Edit();
    void Unaltered_Field_Still_Counts_As_Edit();
    void Reselecting_Shows_Edited_Values();
    void Emptying_The_List_Shows_The_Empty_Page();
    void Record_Without_Type_Shows_The_Empty_Page();

private:
    std::unique_ptr<TTestWindow> Open(const QString& file_name, const QByteArray& content);
    static QLineEdit* Value_Edit_Field(TVantrel& window, int index);
    static void Finish_Edit(QLineEdit* field, const QString& text);

    QTemporaryDir d_files;
};

void TMainWindowDetailTest::init()
{
    Fresh_Home();
}

std::unique_ptr<TTestWindow> TMainWindowDetailTest::Open(const QString& file_name, const QByteArray& content)
{
    const QString path = d_files.filePath(file_name);
    if (!Write_File(path, content))
    {
        return nullptr;
    }
    auto window = std::make_unique<TTestWindow>();
    window->open_answers << path;
    window->findChild<QAction*>(QStringLiteral("open_action"))->trigger();
    return window;
}

QLineEdit* TMainWindowDetailTest::Value_Edit_Field(TVantrel& window, int index)
{
    return window.findChild<QWidget*>(QStringLiteral("values_widget"))
        ->findChild<QLineEdit*>(QStringLiteral("value_edit_%1").arg(index));
}

// The values editor reports a finished edit when the field's editing ends.
void TMainWindowDetailTest::Finish_Edit(QLineEdit* field, const QString& text)
{
    field->setText(text);
    emit field->editingFinished();
}

void TMainWindowDetailTest::Title_And_Editor_data()
{
    QTest::addColumn<bool>("xml");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("fields");

    QTest::newRow("no name: number zero-filled") << false << "AX_LIMIT"
                                                 << "[007]  AX_LIMIT"
                                                 << "values_widget" << QStringList({"1", "2", "3", "4", "5"});
    QTest::newRow("bit pattern with name") << false << "CMMCONFG"
                                           << "[039]  CMMCONFG - Config word"
                                           << "bitfield_widget" << QStringList({"2048"});
    QTest::newRow("four digit number in full") << false << "WIDE_NUM"
                                               << "[1234]  WIDE_NUM - Wide number"
                                               << "values_widget" << QStringList({"3"});
    QTest::newRow("real array") << false << "TTP_DECL"
                                << "[098]  TTP_DECL - Probe decel"
                                << "values_widget" << QStringList({"250.000000", "250.000000", "125.000000"});
    QTest::newRow("negative integer") << false << "SpAx_Gain"
                                      << "[121]  SpAx_Gain - Spindle gain"
                                      << "values_widget" << QStringList({"-4"});
    QTest::newRow("settings file real array") << true << "TTP_DECL"
                                              << "[001]  TTP_DECL"
                                              << "values_widget" << QStringList({"250.000000", "125.000000"});
    QTest::newRow("settings file integer") << true << "DEA_TAPS"
                                           << "[002]  DEA_TAPS"
                                           << "values_widget" << QStringList({"8"});
    QTest::newRow("settings file text") << true << "EXAMPLE_TEXT"
                                        << "[003]  EXAMPLE_TEXT"
                                        << "values_widget" << QStringList({"Line 3"});
}

void TMainWindowDetailTest::Title_And_Editor()
{
    QFETCH(bool, xml);
    QFETCH(QString, key);
    QFETCH(QString, title);
    QFETCH(QString, page);
    QFETCH(QStringList, fields);

    auto window = xml ? Open(QStringLiteral("detail.xml"), Settings_File_Content())
                      : Open(QStringLiteral("detail.asc"), Constants_File());
    QVERIFY(window);
    QListWidget* list = window->findChild<QListWidget*>(QStringLiteral("parameter_list"));
    QVERIFY(Select_Key(list, key));

    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("title_label"))->text(), title);
    const TParameters::TParameter parameter = TVantrelTestAccess::Parameters(*window).Get_Parameter(key);
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("description_label"))->text(), parameter.description);
    QStackedWidget* stack = window->findChild<QStackedWidget*>(QStringLiteral("editor_stack"));
    QCOMPARE(stack->currentWidget()->objectName(), page);

    if (page == QLatin1String("values_widget"))
    {
        for (int index = 0; index < fields.size(); ++index)
        {
            QLineEdit* field = Value_Edit_Field(*window, index);
            QVERIFY(field);
            QVERIFY(!field->isHidden());
            QCOMPARE(field->text(), fields.at(index));
        }
        QLineEdit* beyond = Value_Edit_Field(*window, fields.size());
        QVERIFY(!beyond || beyond->isHidden());
    }
    else
    {
        QCOMPARE(stack->currentWidget()->findChild<QLineEdit*>(QStringLiteral("value_edit"))->text(),
                 fields.first());
    }

    // Showing a parameter is not an edit.
    QVERIFY(!TVantrelTestAccess::Parameters(*window).Get_Parameter(key).changed);
}

void TMainWindowDetailTest::Value_Edit_data()
{
    QTest::addColumn<bool>("xml");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<QVariantList>("originals");
    QTest::addColumn<QString>("variable_line");

    QTest::newRow("element 3 of an integer array")
        << false << "AX_LIMIT" << 3 << "42" << QVariantList({1, 2, 3, 42, 5}) << QVariantList({1, 2, 3, 4, 5})
        << "AX_LIMIT.4  = 42.000000";
    QTest::newRow("single integer") << false << "DEA_TAPS" << 0 << "12" << QVariantList({12})
                                    << QVariantList({8}) << "DEA_TAPS    = 12.000000";
    QTest::newRow("element 1 of a real array")
        << false << "TTP_DECL" << 1 << "300.5" << QVariantList({250.0, 300.5, 125.0})
        << QVariantList({250.0, 250.0, 125.0}) << "TTP_DECL.2  = 300.500000";
    QTest::newRow("text value") << true << "EXAMPLE_TEXT" << 0 << "Line 4"
                                << QVariantList({QStringLiteral("Line 4")})
                                << QVariantList({QStringLiteral("Line 3")}) << QString();
}

void TMainWindowDetailTest::Value_Edit()
{
    QFETCH(bool, xml);
    QFETCH(QString, key);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QVariantList, values);
    QFETCH(QVariantList, originals);
    QFETCH(QString, variable_line);

    auto window = xml ? Open(QStringLiteral("edit.xml"), Settings_File_Content())
                      : Open(QStringLiteral("edit.asc"), Constants_File());
    QVERIFY(window);
    QVERIFY(Select_Key(window->findChild<QListWidget*>(QStringLiteral("parameter_list")), key));
    const QString title = window->findChild<QLabel*>(QStringLiteral("title_label"))->text();

    Finish_Edit(Value_Edit_Field(*window, index), text);

    const TParameters::TParameter parameter = TVantrelTestAccess::Parameters(*window).Get_Parameter(key);
    QVERIFY(parameter.changed);
    QVariantList current;
    QVariantList original;
    switch (parameter.type)
    {
    case TParameters::TYPE_INTEGER:
    case TParameters::TYPE_INTEGER_ARRAY:
        for (int value : parameter.integer_values)
            current << value;
        for (int value : parameter.original_integer_values)
            original << value;
        break;
    case TParameters::TYPE_DOUBLE:
    case TParameters::TYPE_DOUBLE_ARRAY:
        for (double value : parameter.double_values)
            current << value;
        for (double value : parameter.original_double_values)
            original << value;
        break;
    default:
        for (const QString& value : parameter.text_values)
            current << value;
        for (const QString& value : parameter.original_text_values)
            original << value;
        break;
    }
    QCOMPARE(current, values);
    QCOMPARE(original, originals);

    // The edit touches neither the list nor the title, and the variable pane shows the new value at once.
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("title_label"))->text(), title);
    const QStringList lines = window->findChild<QPlainTextEdit*>(QStringLiteral("variables_text"))
                                  ->toPlainText()
                                  .split(QLatin1Char('\n'));
    if (!variable_line.isEmpty())
    {
        QVERIFY2(lines.contains(variable_line), qPrintable(lines.join(QLatin1Char('|'))));
    }
}

void TMainWindowDetailTest::Second_Edit_Keeps_First_Originals()
{
    auto window = Open(QStringLiteral("twice.asc"), Constants_File());
    QVERIFY(window);
    QVERIFY(Select_Key(window->findChild<QListWidget*>(QStringLiteral("parameter_list")),
                       QStringLiteral("DEA_TAPS")));

    Finish_Edit(Value_Edit_Field(*window, 0), QStringLiteral("9"));
    Finish_Edit(Value_Edit_Field(*window, 0), QStringLiteral("10"));

    const TParameters::TParameter parameter =
        TVantrelTestAccess::Parameters(*window).Get_Parameter(QStringLiteral("DEA_TAPS"));
    QCOMPARE(parameter.integer_values, QVector<int>({10}));
    QCOMPARE(parameter.original_integer_values, QVector<int>({8}));
    QVERIFY(parameter.changed);
}

void TMainWindowDetailTest::Bit_Pattern_Edit()
{
    auto window = Open(QStringLiteral("bits.asc"), Constants_File());
    QVERIFY(window);
    QVERIFY(Select_Key(window->findChild<QListWidget*>(QStringLiteral("parameter_list")),
                       QStringLiteral("CMMCONFG")));

    QWidget* bitfield = window->findChild<QWidget*>(QStringLiteral("bitfield_widget"));
    QCheckBox* bit_0 = bitfield->findChild<QCheckBox*>(QStringLiteral("bit_check_0"));
    QVERIFY(bit_0);
    QVERIFY(!bit_0->isChecked());
    bit_0->setChecked(true);

    const TParameters::TParameter parameter =
        TVantrelTestAccess::Parameters(*window).Get_Parameter(QStringLiteral("CMMCONFG"));
    QCOMPARE(parameter.integer_values, QVector<int>({2049}));
    QCOMPARE(parameter.original_integer_values, QVector<int>({2048}));
    QVERIFY(parameter.changed);
    QVERIFY(window->findChild<QPlainTextEdit*>(QStringLiteral("variables_text"))
                ->toPlainText()
                .contains(QStringLiteral("CMMCONFG    = 2049.000000")));
}

void TMainWindowDetailTest::Unaltered_Field_Still_Counts_As_Edit()
{
    auto window = Open(QStringLiteral("leave.asc"), Constants_File());
    QVERIFY(window);
    QVERIFY(Select_Key(window->findChild<QListWidget*>(QStringLiteral("parameter_list")),
                       QStringLiteral("WIDE_NUM")));

    QLineEdit* field = Value_Edit_Field(*window, 0);
    Finish_Edit(field, field->text());

    const TParameters::TParameter parameter =
        TVantrelTestAccess::Parameters(*window).Get_Parameter(QStringLiteral("WIDE_NUM"));
    QVERIFY(parameter.changed);
    QCOMPARE(parameter.integer_values, QVector<int>({3}));
    QCOMPARE(parameter.original_integer_values, QVector<int>({3}));
}

void TMainWindowDetailTest::Reselecting_Shows_Edited_Values()
{
    auto window = Open(QStringLiteral("again.asc"), Constants_File());
    QVERIFY(window);
    QListWidget* list = window->findChild<QListWidget*>(QStringLiteral("parameter_list"));
    QVERIFY(Select_Key(list, QStringLiteral("AX_LIMIT")));
    Finish_Edit(Value_Edit_Field(*window, 4), QStringLiteral("50"));

    QVERIFY(Select_Key(list, QStringLiteral("DEA_TAPS")));
    QCOMPARE(Value_Edit_Field(*window, 0)->text(), QStringLiteral("8"));
    QVERIFY(Value_Edit_Field(*window, 1)->isHidden());

    QVERIFY(Select_Key(list, QStringLiteral("AX_LIMIT")));
    QCOMPARE(Value_Edit_Field(*window, 4)->text(), QStringLiteral("50"));
}

void TMainWindowDetailTest::Emptying_The_List_Shows_The_Empty_Page()
{
    auto window = Open(QStringLiteral("empty.asc"), Constants_File());
    QVERIFY(window);
    QListWidget* list = window->findChild<QListWidget*>(QStringLiteral("parameter_list"));
    QVERIFY(Select_Key(list, QStringLiteral("TTP_DECL")));

    // A search matching nothing empties the list.
    QTest::keyClicks(window->findChild<QLineEdit*>(QStringLiteral("search_edit")), QStringLiteral("nothing"));
    QCOMPARE(list->count(), 0);
    QVERIFY(window->findChild<QLabel*>(QStringLiteral("title_label"))->text().isEmpty());
    QVERIFY(window->findChild<QLabel*>(QStringLiteral("description_label"))->text().isEmpty());
    QCOMPARE(
        window->findChild<QStackedWidget*>(QStringLiteral("editor_stack"))->currentWidget()->objectName(),
        QStringLiteral("empty_page"));

    // An edit arriving now has no parameter to land on.
    Finish_Edit(Value_Edit_Field(*window, 0), QStringLiteral("1"));
    QVERIFY(!TVantrelTestAccess::Parameters(*window).Get_Parameter(QStringLiteral("TTP_DECL")).changed);
}

void TMainWindowDetailTest::Record_Without_Type_Shows_The_Empty_Page()
{
    auto window = Open(QStringLiteral("untyped.asc"), Constants_File());
    QVERIFY(window);

    // No reader produces such a record today; the window must still not offer an editor for it.
    TParameters::TParameter untyped;
    untyped.key = QStringLiteral("UNTYPED");
    untyped.name = QStringLiteral("No type");
    untyped.number = 5;
    untyped.integer_values = {77};
    QVERIFY(TVantrelTestAccess::Parameters(*window).Add_Parameter(untyped));
    QListWidget* list = window->findChild<QListWidget*>(QStringLiteral("parameter_list"));
    list->addItem(untyped.key);

    QVERIFY(Select_Key(list, QStringLiteral("DEA_TAPS")));
    QStackedWidget* stack = window->findChild<QStackedWidget*>(QStringLiteral("editor_stack"));
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("values_widget"));

    QVERIFY(Select_Key(list, QStringLiteral("UNTYPED")));
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("title_label"))->text(),
             QStringLiteral("[005]  UNTYPED - No type"));
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("empty_page"));

    // The hidden editor still holds DEA_TAPS's value; a stray edit from it changes neither record.
    Finish_Edit(Value_Edit_Field(*window, 0), QStringLiteral("99"));
    const TParameters::TParameter after = TVantrelTestAccess::Parameters(*window).Get_Parameter(untyped.key);
    QVERIFY(!after.changed);
    QCOMPARE(after.integer_values, QVector<int>({77}));
    const TParameters::TParameter taps =
        TVantrelTestAccess::Parameters(*window).Get_Parameter(QStringLiteral("DEA_TAPS"));
    QVERIFY(!taps.changed);
    QCOMPARE(taps.integer_values, QVector<int>({8}));
}

QTEST_MAIN(TMainWindowDetailTest)
#include "tst_mainwindow_detail.moc"
