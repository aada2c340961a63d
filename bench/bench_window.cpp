// What a user waits for in the real window (offscreen): opening a generated machine constants file in a
// new window and over a loaded list (and, apart, what the reader alone takes of it, and the wait until the
// rules table shows the group's outcomes), one value edit finished with Return with the rules table shown,
// undo and redo, "Changed only" and "Failing rules only" on and off, one keystroke in the search field,
// choosing the rule group (until its outcomes are shown), Execute Rules (until its report is written),
// and selecting a parameter; once with 100,000 parameters and once with 150, the size of a real controller's
// list. Each figure is the median of several runs and includes the events the action leaves behind (layout
// and painting), as the user sees them. "bench_window --memory N" gives the peak memory of a window that
// opens a file of N parameters, edits a value and executes the rules, measured by /usr/bin/time -v.
#include "benchfiles.h"
#include "parameterlist.h"
#include "parameters.h"
#include "rules.h"
#include "ruletable.h"
#include "vantrel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <ctime>
#include <functional>

namespace
{
const int ROUNDS = 5;
const QString GROUP_NAME = QStringLiteral("Bench rules");

// The process's processor time in milliseconds: on a machine shared with other work the wall time of
// an action grows with the load, its processor time hardly.
double Processor_Ms()
{
    timespec time{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
    return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_nsec) / 1e6;
}

// Timings of one kind of action: wall and processor time of each.
class TSeries
{
public:
    // Times an action until the events it posted are handled and `until` (if given) holds.
    void Time(const std::function<void()>& action, const std::function<bool()>& until = {})
    {
        QElapsedTimer timer;
        const double processor_start = Processor_Ms();
        timer.start();
        action();
        QApplication::processEvents();
        while (until && !until())
        {
            QApplication::processEvents();
        }
        d_wall.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        d_processor.push_back(Processor_Ms() - processor_start);
    }

    void Print(const QString& what) const
    {
        std::printf("  %-26s %8.1f ms wall %8.1f ms processor (slowest %.1f ms wall)\n", qPrintable(what),
                    Median(d_wall), Median(d_processor), *std::max_element(d_wall.begin(), d_wall.end()));
    }

private:
    std::vector<double> d_wall;
    std::vector<double> d_processor;
};

// The offscreen platform says on every resize that it cannot pass size hints on; that is no figure.
void Quiet_Messages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.contains(QLatin1String("propagateSizeHints")))
    {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
}

bool Write(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// The rule group the window finds in its rules file at start, made of the file's own variable names.
// Also gives the number of the file's variables.
bool Write_Rules(const QString& data_path, const QString& parameter_file, int rule_count, int* variable_count)
{
    TParameters parameters;
    if (!parameters.Load_Parameter_File(parameter_file))
    {
        return false;
    }
    QStringList names;
    for (const TExpression::TVariable& variable : parameters.Get_Variables())
    {
        names.append(variable.name);
    }
    *variable_count = names.size();
    QRandomGenerator random(20261207u);
    TRules rules;
    rules.Set_Rule_Path(data_path);
    rules.Create_Group(GROUP_NAME);
    // A group without rules to switch to and back.
    rules.Create_Group(QStringLiteral("Other"));
    for (const TRules::TRuleItem& rule : Random_Rules(random, names, rule_count, 5, 6, true))
    {
        rules.Add_Rule(GROUP_NAME, rule);
    }
    return rules.Save_Rules();
}

void Select(TParameterList* list, const QString& key)
{
    list->setCurrentIndex(list->model()->index(list->Row(key), 0));
}

// Writes a file of `entry_count` parameters and, in the window's rules file, a group of `rule_count`
// rules on its variables; the file's path, empty when the files cannot be written.
QString Prepare(const QString& directory, int entry_count, int rule_count, int* variable_count)
{
    const QString path = directory + QStringLiteral("/bench_%1.asc").arg(entry_count);
    const QString data_path = QDir::home().filePath(QStringLiteral(".vantrel"));
    QDir(data_path).removeRecursively();
    QDir().mkpath(data_path);
    if (!Write(path, Generate_File(entry_count)) || !Write_Rules(data_path, path, rule_count, variable_count))
    {
        std::fprintf(stderr, "cannot write the files in %s\n", qPrintable(directory));
        return QString();
    }
    return path;
}

// An integer parameter half way down the list (every sixth entry is one).
QString Middle_Key(int entry_count)
{
    return QStringLiteral("AXIS_GAIN_%1").arg(entry_count / 2 / 6 * 6);
}

QLineEdit* Value_Field(const TVantrel& window)
{
    return window.findChild<QWidget*>(QStringLiteral("values_widget"))
        ->findChild<QLineEdit*>(QStringLiteral("value_edit_0"));
}

void Choose_Bench_Group(const TVantrel& window)
{
    QComboBox* groups = window.findChild<QComboBox*>(QStringLiteral("rule_group_combo"));
    groups->setCurrentIndex(groups->findText(GROUP_NAME));
}

// True once the rules table shows outcomes rather than "checking…".
bool Outcomes_Shown(const TVantrel& window)
{
    const TRuleTable* table = window.findChild<TRuleTable*>(QStringLiteral("rule_table"));
    return table->Notice().isEmpty() && table->model()->rowCount() > 0;
}

// True once Execute Rules has written its report: the report can be saved again.
bool Run_Written(const TVantrel& window)
{
    return window.findChild<QAction*>(QStringLiteral("save_report_action"))->isEnabled();
}

// What the memory figure is taken of, in a process of its own: the window opens the file, one value is
// edited and the rules are executed.
int Open_Edit_Check(const QString& path, int entry_count)
{
    TVantrel window;
    window.show();
    QApplication::processEvents();
    Choose_Bench_Group(window);
    window.Open_Parameter_File(path);
    while (!Outcomes_Shown(window))
    {
        QApplication::processEvents();
    }
    Select(window.findChild<TParameterList*>(QStringLiteral("parameter_list")), Middle_Key(entry_count));
    QApplication::processEvents();
    QLineEdit* field = Value_Field(window);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("1234"));
    QTest::keyClick(field, Qt::Key_Return);
    window.findChild<QAbstractButton*>(QStringLiteral("execute_button"))->click();
    while (!Run_Written(window))
    {
        QApplication::processEvents();
    }
    return 0;
}

// Runs Open_Edit_Check under /usr/bin/time -v and prints its maximum resident size.
bool Measure_Memory(const QString& directory, int entry_count)
{
    int variable_count = 0;
    const QString path = Prepare(directory, entry_count, 1000, &variable_count);
    if (path.isEmpty())
    {
        return false;
    }
    QProcess child;
    child.start(QStringLiteral("/usr/bin/time"),
                {QStringLiteral("-v"), QCoreApplication::applicationFilePath(),
                 QStringLiteral("--open-edit-check"), path, QString::number(entry_count)});
    if (!child.waitForFinished(600000) || child.exitCode() != 0)
    {
        std::fprintf(stderr, "the measured window failed: %s\n", child.readAllStandardError().constData());
        return false;
    }
    const QRegularExpressionMatch peak =
        QRegularExpression(QStringLiteral("Maximum resident set size \\(kbytes\\): (\\d+)"))
            .match(QString::fromLocal8Bit(child.readAllStandardError()));
    if (!peak.hasMatch())
    {
        std::fprintf(stderr, "/usr/bin/time gave no maximum resident size\n");
        return false;
    }
    std::printf("%d parameters (%d variables) opened, edited and checked with 1000 rules: peak %.1f MB\n",
                entry_count, variable_count, peak.captured(1).toDouble() / 1024.0);
    return true;
}

// Runs the actions on a file of `entry_count` parameters with a rule group of `rule_count` rules.
bool Measure(const QString& directory, int entry_count, int rule_count)
{
    int variable_count = 0;
    const QString path = Prepare(directory, entry_count, rule_count, &variable_count);
    if (path.isEmpty())
    {
        return false;
    }

    // The reader alone, as every open runs it.
    TSeries read;
    for (int round = 0; round < ROUNDS; ++round)
    {
        TParameters parameters;
        read.Time([&]() { parameters.Load_Parameter_File(path); });
    }

    // The first open of a session has no list to let go of; every later one frees the replaced list on
    // another core meanwhile.
    TSeries first_open;
    for (int round = 0; round < ROUNDS; ++round)
    {
        TVantrel fresh;
        fresh.show();
        QApplication::processEvents();
        first_open.Time([&]() { fresh.Open_Parameter_File(path); });
    }

    TVantrel window;
    window.show();
    QApplication::processEvents();
    TParameterList* list = window.findChild<TParameterList*>(QStringLiteral("parameter_list"));
    QLineEdit* search = window.findChild<QLineEdit*>(QStringLiteral("search_edit"));
    QAbstractButton* execute = window.findChild<QAbstractButton*>(QStringLiteral("execute_button"));
    Choose_Bench_Group(window);

    // The variable pane must be whole the moment the list is: its last line is checked after each open.
    const QAbstractItemModel* variables =
        window.findChild<QAbstractItemView*>(QStringLiteral("variables_text"))->model();
    TSeries open;
    TSeries open_checked;
    for (int round = 0; round < ROUNDS; ++round)
    {
        open.Time([&]() { window.Open_Parameter_File(path); });
        if (variables->rowCount() != variable_count + 1)
        {
            std::fprintf(stderr, "the variable pane holds %d lines, not %d\n", variables->rowCount(),
                         variable_count + 1);
            return false;
        }
        while (!Outcomes_Shown(window))
        {
            QApplication::processEvents();
        }
        open_checked.Time([&]() { window.Open_Parameter_File(path); },
                          [&]() { return Outcomes_Shown(window); });
    }

    // Another group and back: each time the group on show is checked whole.
    QComboBox* groups = window.findChild<QComboBox*>(QStringLiteral("rule_group_combo"));
    const int bench_group = groups->findText(GROUP_NAME);
    const int other_group = bench_group == 0 ? 1 : 0;
    TSeries group_change;
    for (int round = 0; round < ROUNDS; ++round)
    {
        groups->setCurrentIndex(other_group);
        QApplication::processEvents();
        group_change.Time([&]() { groups->setCurrentIndex(bench_group); },
                          [&]() { return Outcomes_Shown(window); });
    }

    // An integer parameter half way down the list, and a longint before it.
    const QString key = Middle_Key(entry_count);
    const QString other_key = QStringLiteral("FLY_DFLT_%1").arg(entry_count / 3 / 6 * 6 + 5);
    TSeries select;
    for (int round = 0; round < ROUNDS; ++round)
    {
        select.Time([&]() { Select(list, round % 2 ? other_key : key); });
    }

    Select(list, key);
    QApplication::processEvents();
    QLineEdit* field = Value_Field(window);
    TSeries edit;
    for (int round = 0; round < ROUNDS; ++round)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QString::number(1000 + round));
        edit.Time([&]() { QTest::keyClick(field, Qt::Key_Return); });
    }

    QAction* undo = window.findChild<QAction*>(QStringLiteral("undo_action"));
    QAction* redo = window.findChild<QAction*>(QStringLiteral("redo_action"));
    TSeries undo_redo;
    for (int round = 0; round < ROUNDS; ++round)
    {
        undo_redo.Time([&]() { undo->trigger(); });
        undo_redo.Time([&]() { redo->trigger(); });
    }

    QCheckBox* changed_only = window.findChild<QCheckBox*>(QStringLiteral("changed_only_check"));
    TSeries narrowing;
    for (int round = 0; round < ROUNDS; ++round)
    {
        narrowing.Time([&]() { changed_only->setChecked(true); });
        narrowing.Time([&]() { changed_only->setChecked(false); });
    }
    QCheckBox* failing_only = window.findChild<QCheckBox*>(QStringLiteral("failing_only_check"));
    TSeries failing_narrowing;
    for (int round = 0; round < ROUNDS; ++round)
    {
        failing_narrowing.Time([&]() { failing_only->setChecked(true); });
        failing_narrowing.Time([&]() { failing_only->setChecked(false); });
    }

    // Typing a key that narrows the list step by step, then deleting it again.
    TSeries keystroke;
    search->setFocus();
    for (int round = 0; round < ROUNDS; ++round)
    {
        for (const QChar typed : QStringLiteral("GAIN_12"))
        {
            keystroke.Time([&]() { QTest::keyClick(search, typed.toLatin1()); });
        }
        while (!search->text().isEmpty())
        {
            keystroke.Time([&]() { QTest::keyClick(search, Qt::Key_Backspace); });
        }
    }

    TSeries rules;
    for (int round = 0; round < ROUNDS; ++round)
    {
        rules.Time([&]() { execute->click(); }, [&]() { return Run_Written(window); });
    }

    std::printf("%d parameters (%d variables), medians of %d:\n", entry_count, variable_count, ROUNDS);
    first_open.Print(QStringLiteral("open in a new window"));
    open.Print(QStringLiteral("open over a loaded list"));
    open_checked.Print(QStringLiteral("open until outcomes shown"));
    group_change.Print(QStringLiteral("choose group until shown"));
    read.Print(QStringLiteral("the reader alone"));
    select.Print(QStringLiteral("select a parameter"));
    edit.Print(QStringLiteral("one value edit"));
    undo_redo.Print(QStringLiteral("undo or redo"));
    narrowing.Print(QStringLiteral("changed only on or off"));
    failing_narrowing.Print(QStringLiteral("failing only on or off"));
    keystroke.Print(QStringLiteral("search keystroke"));
    rules.Print(QStringLiteral("execute %1 rules").arg(rule_count));
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    // The window is driven without a screen, and it keeps its settings and rules under a HOME of its
    // own, never in the user's; the window measured for its memory uses the HOME its caller made.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const bool measured_child = argc == 4 && qstrcmp(argv[1], "--open-edit-check") == 0;
    QTemporaryDir home;
    if (!home.isValid())
    {
        std::fprintf(stderr, "cannot create a temporary directory\n");
        return 1;
    }
    if (!measured_child)
    {
        qputenv("HOME", QFile::encodeName(home.path()));
    }
    qInstallMessageHandler(Quiet_Messages);
    QApplication application(argc, argv);

    const QStringList arguments = QCoreApplication::arguments();
    if (measured_child)
    {
        return Open_Edit_Check(arguments.at(2), arguments.at(3).toInt());
    }
    std::printf("bench_window: the real window, offscreen\n");
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--memory"))
    {
        return Measure_Memory(home.path(), arguments.at(2).toInt()) ? 0 : 1;
    }
    // "bench_window N" measures a file of N parameters only, with 1,000 rules.
    if (argc > 1)
    {
        return Measure(home.path(), QString::fromLocal8Bit(argv[1]).toInt(), 1000) ? 0 : 1;
    }
    return Measure(home.path(), 100000, 1000) && Measure(home.path(), 150, 100) ? 0 : 1;
}
