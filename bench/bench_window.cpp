// What a user waits for in the real window (offscreen): opening a generated machine constants file, one
// value edit finished with Return, one keystroke in the search field, Execute Rules, and selecting a
// parameter; once with 100,000 parameters and once with 150, the size of a real controller's list.
// Each figure is the median of several runs and includes the events the action leaves behind (layout
// and painting), as the user sees them.
#include "benchfiles.h"
#include "parameterlist.h"
#include "parameters.h"
#include "rules.h"
#include "vantrel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
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

// Runs the actions on a file of `entry_count` parameters with a rule group of `rule_count` rules.
bool Measure(const QString& directory, int entry_count, int rule_count)
{
    const QString path = directory + QStringLiteral("/bench_%1.asc").arg(entry_count);
    const QString data_path = QDir::home().filePath(QStringLiteral(".vantrel"));
    QDir(data_path).removeRecursively();
    QDir().mkpath(data_path);
    int variable_count = 0;
    if (!Write(path, Generate_File(entry_count)) ||
        !Write_Rules(data_path, path, rule_count, &variable_count))
    {
        std::fprintf(stderr, "cannot write the files in %s\n", qPrintable(directory));
        return false;
    }

    TVantrel window;
    window.show();
    QApplication::processEvents();
    TParameterList* list = window.findChild<TParameterList*>(QStringLiteral("parameter_list"));
    QLineEdit* search = window.findChild<QLineEdit*>(QStringLiteral("search_edit"));
    QComboBox* groups = window.findChild<QComboBox*>(QStringLiteral("rule_group_combo"));
    QAbstractButton* execute = window.findChild<QAbstractButton*>(QStringLiteral("execute_button"));
    groups->setCurrentIndex(groups->findText(GROUP_NAME));

    // The variable pane must be whole the moment the list is: its last line is checked after each open.
    const QAbstractItemModel* variables =
        window.findChild<QAbstractItemView*>(QStringLiteral("variables_text"))->model();
    TSeries open;
    for (int round = 0; round < ROUNDS; ++round)
    {
        open.Time([&]() { window.Open_Parameter_File(path); });
        if (variables->rowCount() != variable_count + 1)
        {
            std::fprintf(stderr, "the variable pane holds %d lines, not %d\n", variables->rowCount(),
                         variable_count + 1);
            return false;
        }
    }

    // An integer parameter half way down the list (every sixth entry is one), and a longint before it.
    const QString key = QStringLiteral("AXIS_GAIN_%1").arg(entry_count / 2 / 6 * 6);
    const QString other_key = QStringLiteral("FLY_DFLT_%1").arg(entry_count / 3 / 6 * 6 + 5);
    TSeries select;
    for (int round = 0; round < ROUNDS; ++round)
    {
        select.Time([&]() { Select(list, round % 2 ? other_key : key); });
    }

    Select(list, key);
    QApplication::processEvents();
    QLineEdit* field = window.findChild<QWidget*>(QStringLiteral("values_widget"))
                           ->findChild<QLineEdit*>(QStringLiteral("value_edit_0"));
    TSeries edit;
    for (int round = 0; round < ROUNDS; ++round)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QString::number(1000 + round));
        edit.Time([&]() { QTest::keyClick(field, Qt::Key_Return); });
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
        rules.Time([&]() { execute->click(); });
    }

    std::printf("%d parameters (%d variables), medians of %d:\n", entry_count, variable_count, ROUNDS);
    open.Print(QStringLiteral("open"));
    select.Print(QStringLiteral("select a parameter"));
    edit.Print(QStringLiteral("one value edit"));
    keystroke.Print(QStringLiteral("search keystroke"));
    rules.Print(QStringLiteral("execute %1 rules").arg(rule_count));
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    // The window is driven without a screen, and it keeps its settings and rules under a HOME of its
    // own, never in the user's.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir home;
    if (!home.isValid())
    {
        std::fprintf(stderr, "cannot create a temporary directory\n");
        return 1;
    }
    qputenv("HOME", QFile::encodeName(home.path()));
    qInstallMessageHandler(Quiet_Messages);
    QApplication application(argc, argv);

    std::printf("bench_window: the real window, offscreen\n");
    // "bench_window N" measures a file of N parameters only, with 1,000 rules.
    if (argc > 1)
    {
        return Measure(home.path(), QString::fromLocal8Bit(argv[1]).toInt(), 1000) ? 0 : 1;
    }
    return Measure(home.path(), 100000, 1000) && Measure(home.path(), 150, 100) ? 0 : 1;
}
