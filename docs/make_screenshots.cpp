// Makes the pictures of the user guide and the README from the real window: it opens the guide's
// sample machine, checks, edits and compares it as a user would, and saves what the window shows.
// Run it on a real display (tools/make-screenshots.sh starts one under Xvfb):
//     make_screenshots SAMPLE_FOLDER OUTPUT_FOLDER
#include "dialogtesting.h"
#include "parameterlist.h"
#include "ruletable.h"
#include "vantrel.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <functional>

namespace
{
// The window as the user drives it, with the file dialogs answered by the sample's files.
class TShotWindow : public TVantrel
{
public:
    QString next_file;

protected:
    QString Ask_File_Name(const QString&, const QString&, bool) override { return next_file; }
};

bool Save(QWidget* widget, const QString& path)
{
    QTest::qWait(300); // let the live check, the layout and the painting settle
    if (!widget->grab().save(path))
    {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Opens a modal dialog with `open`, saves the picture of the dialog it showed and closes it again.
bool Save_Dialog(const std::function<void()>& open, const QString& path)
{
    bool saved = false;
    const auto answered = Testing::Answer_Next_Dialog(
        [&saved, &path](QDialog* dialog)
        {
            saved = Save(dialog, path);
            dialog->reject();
        });
    open();
    return *answered && saved;
}

void Select(TShotWindow& window, const QString& key)
{
    window.findChild<TParameterList*>(QStringLiteral("parameter_list"))->Select_Key(key);
}

void Type_Value(TShotWindow& window, int index, const QString& text)
{
    QLineEdit* field = window.findChild<QLineEdit*>(QStringLiteral("value_edit_%1").arg(index));
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}
} // namespace

int main(int argc, char* argv[])
{
    // Settings and rules of a user of its own, never the caller's.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3)
    {
        std::fprintf(stderr, "Usage: make_screenshots SAMPLE_FOLDER OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir samples(QDir(arguments.at(1)).absolutePath());
    const QDir output(QDir(arguments.at(2)).absolutePath());
    QDir(home.path()).mkdir(QStringLiteral(".vantrel"));
    QFile::copy(samples.filePath(QStringLiteral("rules.xml")),
                home.filePath(QStringLiteral(".vantrel/rules.xml")));

    // The status bar names the file as it was given: by its name alone.
    QDir::setCurrent(samples.absolutePath());
    TShotWindow window;
    window.resize(1360, 780);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
    {
        std::fprintf(stderr, "The window was not shown; is there a display?\n");
        return 2;
    }
    window.resizeDocks({window.findChild<QDockWidget*>(QStringLiteral("rules_dock"))}, {520}, Qt::Horizontal);
    window.Open_Parameter_File(QStringLiteral("machine.asc"));
    QComboBox* groups = window.findChild<QComboBox*>(QStringLiteral("rule_group_combo"));
    groups->setCurrentIndex(groups->findText(QStringLiteral("Commissioning")));

    bool saved = true;
    // A bit word changed in the bit pattern editor, the rules table following the values.
    Select(window, QStringLiteral("CMMCONFG"));
    window.findChild<QAbstractButton*>(QStringLiteral("bit_check_7"))->click();
    window.findChild<QAction*>(QStringLiteral("execute_action"))->trigger();
    saved &= Save(&window, output.filePath(QStringLiteral("main.png")));

    // An array in the values editor, with the rules that read it under the values.
    Select(window, QStringLiteral("MAX_VEL"));
    Type_Value(window, 2, QStringLiteral("400"));
    saved &= Save(&window, output.filePath(QStringLiteral("values.png")));

    // The rule item dialog on a failing rule, with its live values.
    TRuleTable* table = window.findChild<TRuleTable*>(QStringLiteral("rule_table"));
    saved &= Save_Dialog(
        [&]()
        {
            for (int row = 0; row < table->model()->rowCount(); ++row)
            {
                const QModelIndex name = table->model()->index(row, TRuleTable::COLUMN_NAME);
                if (name.data().toString() == QLatin1String("Vector speed covers the axes"))
                {
                    emit table->Rule_Activated(row);
                    return;
                }
            }
        },
        output.filePath(QStringLiteral("rule-item.png")));

    // A reference machine beside the loaded one, the differences only.
    window.next_file = QStringLiteral("reference.asc");
    window.findChild<QAction*>(QStringLiteral("compare_action"))->trigger();
    window.findChild<QAbstractButton*>(QStringLiteral("differences_only_check"))->click();
    Select(window, QStringLiteral("SERVO_KP"));
    saved &= Save(&window, output.filePath(QStringLiteral("compare.png")));

    // Taking values from another file: the preview the user ticks.
    saved &=
        Save_Dialog([&]() { window.findChild<QAction*>(QStringLiteral("take_values_action"))->trigger(); },
                    output.filePath(QStringLiteral("take-values.png")));

    // The shortcuts, made from the window's own actions.
    saved &= Save_Dialog([&]() { window.findChild<QAction*>(QStringLiteral("shortcuts_action"))->trigger(); },
                         output.filePath(QStringLiteral("shortcuts.png")));
    return saved ? 0 : 1;
}
