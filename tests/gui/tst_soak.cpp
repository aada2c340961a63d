// A long random session of a user on the real window: opening good and broken files, searching,
// selecting, editing values in both editors, working the rule groups and rules, running rules,
// exporting and clearing, undoing, redoing and reverting edits, comparing with reference files and
// taking their values, importing and exporting rule groups, saving reports, with every dialog answered,
// and a close and restart now and then.
// Afterwards the window must still be alive, the loaded list must keep its promises and the rules
// file must hold exactly what the store held at close.
//
// Replay a failing run with VANTREL_SOAK_SEED=<seed> (printed at the start and in every failure);
// VANTREL_SOAK_ACTIONS sets the number of actions.

#include "windowtesting.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFont>
#include <QHash>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <tuple>

namespace
{
// The generator is shared by the window's file dialogs and the dialog driver, so that one seed
// decides the whole session.
QRandomGenerator* g_random = nullptr;

int Random(int bound)
{
    return bound <= 0 ? 0 : static_cast<int>(g_random->bounded(static_cast<quint32>(bound)));
}

bool Chance(int percent)
{
    return Random(100) < percent;
}

template <typename T> const T& Pick(const QVector<T>& choices)
{
    return choices.at(Random(choices.size()));
}

QString Pick_Text(const QStringList& choices)
{
    return choices.at(Random(choices.size()));
}

class TSoakWindow : public TVantrel
{
public:
    QStringList open_choices;
    QStringList save_choices;
    QStringList import_choices;
    QStringList export_choices;
    QStringList report_choices;

protected:
    QString Ask_Open_File_Name() override { return Chance(10) ? QString() : Pick_Text(open_choices); }
    QString Ask_Save_File_Name() override { return Chance(10) ? QString() : Pick_Text(save_choices); }
    // The other file dialogs: a reference to compare with is mostly one of the good files, so that the
    // comparison is on long enough to be worked.
    QString Ask_File_Name(const QString& caption, const QString&, bool for_writing) override
    {
        const QStringList* rule_and_report_choices =
            caption == QLatin1String("Import Rules")        ? &import_choices
            : caption == QLatin1String("Export Rule Group") ? &export_choices
            : caption == QLatin1String("Save Report")       ? &report_choices
                                                            : nullptr;
        if (rule_and_report_choices)
        {
            return Chance(10) ? QString() : Pick_Text(*rule_and_report_choices);
        }
        if (for_writing)
        {
            return Ask_Save_File_Name();
        }
        return Chance(10) ? QString() : Pick_Text(Chance(60) ? open_choices.mid(0, 3) : open_choices);
    }
};

// Rule names and expressions a user might type, including the awkward ones.
const QStringList& Names()
{
    static const QStringList names = {QStringLiteral("Speed"),
                                      QStringLiteral("speed"),
                                      QStringLiteral("Servo gain"),
                                      QStringLiteral("  padded  "),
                                      QStringLiteral("a<b & \"c\""),
                                      QStringLiteral("Zeta"),
                                      QStringLiteral("10"),
                                      QStringLiteral("9"),
                                      QStringLiteral("\u00e9t\u00e9 \u2211"),
                                      QStringLiteral("tab\there"),
                                      QStringLiteral(""),
                                      QStringLiteral("x"),
                                      QStringLiteral("bad\u0001char"),
                                      QStringLiteral("]]>"),
                                      QStringLiteral("Main")};
    return names;
}

const QStringList& Expressions()
{
    static const QStringList expressions = {QStringLiteral("DEA_TAPS * 2"),
                                            QStringLiteral("  SQRT( TTP_DECL.1 )  "),
                                            QStringLiteral("SUMSQ(3,4)"),
                                            QStringLiteral("1/0"),
                                            QStringLiteral("CMMCONFG ^ 2"),
                                            QStringLiteral(""),
                                            QStringLiteral("   "),
                                            QStringLiteral("(((1"),
                                            QStringLiteral("FOO(1)"),
                                            QStringLiteral("2*-3"),
                                            QStringLiteral("SPEED_A+SPEED_A.2"),
                                            QStringLiteral("<&>"),
                                            QStringLiteral("EXAMPLE_TEXT")};
    return expressions;
}

// A rule as the file gives it back: names exact, expressions simplified, rules in any order.
using TRuleKey = std::tuple<QString, QString, QString, int>;
using TStoreImage = QVector<QPair<QString, QVector<TRuleKey>>>;

TStoreImage Image_Of(const TRules& rules)
{
    TStoreImage image;
    for (const QString& group : rules.Rule_Groups())
    {
        QVector<TRuleKey> items;
        for (const TRules::TRuleItem& item : rules.Rules(group))
        {
            items.append(TRuleKey(item.name, item.left_expression.simplified(),
                                  item.right_expression.simplified(), static_cast<int>(item.operator_type)));
        }
        std::sort(items.begin(), items.end());
        image.append(qMakePair(group, items));
    }
    return image;
}

QString Describe(const TStoreImage& image)
{
    QStringList parts;
    for (const auto& group : image)
    {
        parts.append(QStringLiteral("%1[%2]").arg(group.first).arg(group.second.size()));
    }
    return parts.join(QLatin1Char(','));
}

struct TOriginals
{
    QVector<int> integers;
    QVector<double> reals;
    QStringList texts;
};
} // namespace

class TSoakTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void Random_User_Session();

private:
    void Write_Files();
    void Start_Window();
    void Close_Window();
    void Do_Action(int action);
    // Every listed parameter is marked exactly when it is changed and with how it stands against the
    // reference, and the count says how many are changed.
    void Check_Changed_Marks();
    void Drive_Dialogs();
    void Act_On(QWidget* modal);
    void Edit_Value();
    void Track_Before_Edit();
    QString Check_Model();
    QString Check_Rules_File();

    QTemporaryDir d_files;
    QTemporaryDir d_home;
    std::unique_ptr<TSoakWindow> d_window;
    quint32 d_seed = 20240611;
    bool d_driving = false;
    QHash<QWidget*, int> d_dialog_steps;
    QMap<QString, int> d_dialogs_seen;
    QHash<QString, TOriginals> d_first_originals;
    QHash<QString, TParameters::TParameter> d_before_edit;
    TStoreImage d_store_at_close;
    QStringList d_recent;
    int d_restarts = 0;
    int d_references_taken = 0;
};

// The offscreen platform warns on every dialog it sizes; thousands of those would bury the seed.
QtMessageHandler g_previous_handler = nullptr;

void Quiet_Platform_Handler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.contains(QLatin1String("propagateSizeHints")))
    {
        return;
    }
    g_previous_handler(type, context, message);
}

void TSoakTest::initTestCase()
{
    g_previous_handler = qInstallMessageHandler(Quiet_Platform_Handler);
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("VANTREL_SOAK_SEED").toUInt(&ok);
    if (ok)
    {
        d_seed = seed;
    }
    QVERIFY(d_files.isValid());
    // The window keeps its settings and rules under HOME: give it a fresh one that surely exists.
    QVERIFY(d_home.isValid());
    qputenv("HOME", QFile::encodeName(d_home.path()));
    Write_Files();
}

void TSoakTest::Write_Files()
{
    auto write = [this](const QString& name, const QByteArray& content)
    {
        QFile file(d_files.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    };
    auto header = [](const QByteArray& head, const QByteArray& key) -> QByteArray
    {
        QByteArray line = head;
        line.append(QByteArray(qMax(0, 64 - head.size()), ' '));
        return QByteArray(line + key + '\n');
    };
    QByteArray constants = "Machine Constants File\n\n";
    constants += header("#39 Config word         : Integer | bit pattern", "CMMCONFG") + "  2048\n";
    constants += header("#94 DEA filter taps     : Longint", "DEA_TAPS") + "  8\n\n";
    constants += header("#98 Probe decel         : Double[3]", "TTP_DECL") +
                 "  2.5000000000000E+02\n  2.5000000000000E+02\n  1.2500000000000E+02\n";
    constants += header("#7 Speed               : Integer[2]", "SPEED_A") + "  -5\n  2147483647\n";
    constants += header("#8 Tiny                : Double", "TINY_VAL") + "  1e-300\n";
    constants += header("#9 Separator           : Integer", "--------") + "  1\n";
    write(QStringLiteral("good.asc"), constants);

    write(QStringLiteral("good.xml"),
          "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<ZIDParameterSettings>\n"
          "  <TTP_DECL>\n    <!-- Maximum deceleration -->\n"
          "    <Value_1>2.5E+02</Value_1>\n    <Value_2>1.25E+02</Value_2>\n  </TTP_DECL>\n"
          "  <DEA_TAPS>\n    <Value>8</Value>\n  </DEA_TAPS>\n"
          "  <EXAMPLE_TEXT>\n    <Value>Line 3</Value>\n  </EXAMPLE_TEXT>\n"
          "  <MIXED>\n    <Value_1>1</Value_1>\n    <Value_2>2.5</Value_2>\n  </MIXED>\n"
          "  <EMPTY_VALUE>\n    <Value/>\n  </EMPTY_VALUE>\n"
          "</ZIDParameterSettings>\n");
    write(QStringLiteral("too_small.asc"), "Machine Constants File\n");
    write(QStringLiteral("unknown.txt"), QByteArray(400, 'x'));
    write(QStringLiteral("truncated.xml"),
          "<?xml version=\"1.0\"?>\n<ZIDParameterSettings>\n<A><Value>1</Value></A>\n<B><Value>" +
              QByteArray(200, ' '));
    write(QStringLiteral("wrong_root.xml"), "<?xml version=\"1.0\"?>\n<!-- <ZIDParameterSettings> -->\n"
                                            "<zidparametersettings><A><V>1</V></A></zidparametersettings>\n" +
                                                QByteArray(100, ' '));
    write(QStringLiteral("empty_root.xml"),
          "<ZIDParameterSettings></ZIDParameterSettings>" + QByteArray(150, ' '));
    QByteArray noise(3000, '\0');
    QRandomGenerator noise_random(d_seed);
    for (char& c : noise)
    {
        c = static_cast<char>(noise_random.bounded(256));
    }
    write(QStringLiteral("noise.asc"), "Machine Constants File\n" + noise);
}

void TSoakTest::Start_Window()
{
    TMessageBox::Clear_Answers();
    d_window = std::make_unique<TSoakWindow>();
    d_window->open_choices = QStringList{d_files.filePath(QStringLiteral("good.asc")),
                                         d_files.filePath(QStringLiteral("good.xml")),
                                         d_files.filePath(QStringLiteral("good.asc")),
                                         d_files.filePath(QStringLiteral("too_small.asc")),
                                         d_files.filePath(QStringLiteral("unknown.txt")),
                                         d_files.filePath(QStringLiteral("truncated.xml")),
                                         d_files.filePath(QStringLiteral("wrong_root.xml")),
                                         d_files.filePath(QStringLiteral("empty_root.xml")),
                                         d_files.filePath(QStringLiteral("noise.asc")),
                                         d_files.filePath(QStringLiteral("missing.asc")),
                                         d_files.path()};
    d_window->save_choices = QStringList{d_files.filePath(QStringLiteral("report.txt")),
                                         d_files.filePath(QStringLiteral("no_such_dir/report.txt")),
                                         d_files.filePath(QStringLiteral("good.asc.export.txt"))};
    // Groups exported in the session come back in with the names the store holds: clashes to answer.
    d_window->export_choices = QStringList{d_files.filePath(QStringLiteral("exported rules.xml")),
                                           d_files.filePath(QStringLiteral("no_such_dir/rules.xml"))};
    d_window->import_choices = QStringList{d_files.filePath(QStringLiteral("exported rules.xml")),
                                           d_files.filePath(QStringLiteral("exported rules.xml")),
                                           d_files.filePath(QStringLiteral("good.xml")),
                                           d_files.filePath(QStringLiteral("missing rules.xml"))};
    d_window->report_choices = QStringList{
        d_files.filePath(QStringLiteral("run.pdf")), d_files.filePath(QStringLiteral("run.html")),
        d_files.filePath(QStringLiteral("run.txt")), d_files.filePath(QStringLiteral("no_such_dir/run.pdf"))};
    d_window->show();
    d_first_originals.clear();
}

void TSoakTest::Close_Window()
{
    d_store_at_close = Image_Of(TVantrelTestAccess::Rules(*d_window));
    // Closing may tell the user something (a rules file that could not be saved): answer it, and
    // let the rules file comparison after the close judge what happened.
    const bool driving = d_driving;
    d_driving = true;
    QTimer::singleShot(0, this, &TSoakTest::Drive_Dialogs);
    // The day's edits are not saved into the fixture files: the next session starts from the same ones.
    if (d_window->isWindowModified())
    {
        TMessageBox::Queue_Answer(QMessageBox::Discard);
    }
    QVERIFY(d_window->close());
    d_window.reset();
    d_driving = driving;
}

void TSoakTest::Random_User_Session()
{
    bool ok = false;
    int actions = qEnvironmentVariable("VANTREL_SOAK_ACTIONS").toInt(&ok);
    if (!ok || actions <= 0)
    {
        actions = 5000;
    }
    QRandomGenerator random(d_seed);
    g_random = &random;
    qInfo("soak seed %u, %d actions (replay with VANTREL_SOAK_SEED=%u)", d_seed, actions, d_seed);

    QElapsedTimer clock;
    clock.start();
    Start_Window();
    for (int step = 0; step < actions; ++step)
    {
        const int action = Random(30);
        d_recent.append(QStringLiteral("%1:%2").arg(step).arg(action));
        if (d_recent.size() > 25)
        {
            d_recent.removeFirst();
        }
        Do_Action(action);
        QApplication::processEvents();
        QVERIFY2(d_window != nullptr, "window gone");
        QVERIFY2(QApplication::activeModalWidget() == nullptr,
                 qPrintable(QStringLiteral("seed %1 step %2: a dialog stayed open").arg(d_seed).arg(step)));

        const QString problem = Check_Model();
        QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("seed %1 step %2: %3 (recent %4)")
                                                   .arg(d_seed)
                                                   .arg(step)
                                                   .arg(problem, d_recent.join(QLatin1Char(' ')))));
    }

    Close_Window();
    const QString problem = Check_Rules_File();
    QVERIFY2(problem.isEmpty(),
             qPrintable(QStringLiteral("seed %1 at the end: %2").arg(d_seed).arg(problem)));
    Start_Window();
    const TStoreImage restarted = Image_Of(TVantrelTestAccess::Rules(*d_window));
    QVERIFY2(restarted == d_store_at_close,
             qPrintable(QStringLiteral("seed %1: restart shows %2, closed with %3")
                            .arg(d_seed)
                            .arg(Describe(restarted), Describe(d_store_at_close))));
    Close_Window();
    g_random = nullptr;
    QStringList seen;
    for (auto it = d_dialogs_seen.cbegin(); it != d_dialogs_seen.cend(); ++it)
    {
        seen.append(QStringLiteral("%1 %2").arg(it.key()).arg(it.value()));
    }
    qInfo("dialogs answered: %s; rule groups at close: %s", qPrintable(seen.join(QStringLiteral(", "))),
          qPrintable(Describe(d_store_at_close)));
    qInfo("soak seed %u: %d actions, %d restarts, %d reference values taken in %lld ms", d_seed, actions,
          d_restarts, d_references_taken, static_cast<long long>(clock.elapsed()));
}

void TSoakTest::Do_Action(int action)
{
    TSoakWindow& window = *d_window;
    auto trigger = [&window](const char* name)
    {
        QAction* found = window.findChild<QAction*>(QLatin1String(name));
        QVERIFY2(found, name);
        if (found->isEnabled())
        {
            found->trigger();
        }
    };
    auto click = [&window](const char* name)
    {
        QAbstractButton* found = window.findChild<QAbstractButton*>(QLatin1String(name));
        if (found && found->isEnabled())
        {
            found->click();
        }
    };

    TMessageBox::Clear_Answers();
    d_dialog_steps.clear();
    d_driving = true;
    QTimer::singleShot(0, this, &TSoakTest::Drive_Dialogs);

    switch (action)
    {
    case 0:
    case 1:
        TMessageBox::Queue_Answer(Chance(70) ? QMessageBox::Yes : QMessageBox::No);
        trigger("open_action");
        break;
    case 2:
    {
        QLineEdit* search = window.findChild<QLineEdit*>(QStringLiteral("search_edit"));
        QVERIFY(search);
        const QStringList filters = {
            QString(),           QStringLiteral("t"), QStringLiteral("DEA"), QStringLiteral("zz"),
            QStringLiteral("."), QStringLiteral("[(")};
        search->setText(Pick_Text(filters));
        emit search->textEdited(search->text());
        break;
    }
    case 3:
    case 4:
    case 5:
    {
        TParameterList* list = Testing::Parameter_List(&window);
        QVERIFY(list);
        if (list->Count() > 0)
        {
            list->setCurrentIndex(list->model()->index(Random(list->Count()), 0));
        }
        break;
    }
    case 6:
    case 7:
    case 8:
        Edit_Value();
        break;
    case 9:
        TMessageBox::Queue_Answer(Chance(50) ? QMessageBox::Yes : QMessageBox::No);
        trigger("new_action");
        break;
    case 10:
    case 11:
        trigger("execute_action");
        break;
    case 12:
        trigger("export_action");
        break;
    case 13:
        click("add_group_button");
        break;
    case 14:
        TMessageBox::Queue_Answer(Chance(60) ? QMessageBox::Yes : QMessageBox::No);
        click("remove_group_button");
        break;
    case 15:
    case 16:
        click("edit_rules_button");
        break;
    case 17:
    {
        QComboBox* groups = window.findChild<QComboBox*>(QStringLiteral("rule_group_combo"));
        if (groups && groups->count() > 0)
        {
            groups->setCurrentIndex(Random(groups->count()));
        }
        break;
    }
    case 18:
        trigger("edit_rules_action");
        break;
    case 20:
        trigger("undo_action");
        Check_Changed_Marks();
        break;
    case 21:
        trigger("redo_action");
        Check_Changed_Marks();
        break;
    case 22:
        TMessageBox::Queue_Answer(Chance(50) ? QMessageBox::Yes : QMessageBox::No);
        trigger(Chance(50) ? "revert_parameter_action" : "revert_all_action");
        Check_Changed_Marks();
        break;
    case 23:
    {
        QAbstractButton* changed_only =
            window.findChild<QAbstractButton*>(QStringLiteral("changed_only_check"));
        QVERIFY(changed_only);
        changed_only->click();
        break;
    }
    case 24:
        TMessageBox::Queue_Answer(Chance(50) ? QMessageBox::Yes : QMessageBox::No);
        trigger(Chance(75) ? "compare_action" : "clear_compare_action");
        Check_Changed_Marks();
        break;
    case 25:
        // Shown only while a reference is open.
        if (window.findChild<QWidget*>(QStringLiteral("differences_only_check"))->isVisible())
        {
            click("differences_only_check");
        }
        Check_Changed_Marks();
        break;
    case 26:
    {
        // The user opens a good file against the reference kept, picks a parameter, may change it, and
        // takes the reference's values for it.
        if (TVantrelTestAccess::Parameters(window).Parameter_Count() == 0 && Chance(50))
        {
            window.Open_Parameter_File(Pick_Text(window.open_choices.mid(0, 2)));
        }
        TParameterList* list = Testing::Parameter_List(&window);
        if (list->Count() > 0 && Chance(60))
        {
            list->setCurrentIndex(list->model()->index(Random(list->Count()), 0));
        }
        if (Chance(50))
        {
            Edit_Value();
        }
        d_references_taken += window.findChild<QAction*>(QStringLiteral("use_reference_action"))->isEnabled();
        trigger("use_reference_action");
        Check_Changed_Marks();
        break;
    }
    case 27:
        trigger("import_rules_action");
        break;
    case 28:
        trigger("export_rule_group_action");
        break;
    case 29:
        trigger("save_report_action");
        break;
    default:
        if (Chance(10))
        {
            // Close and start again, as the user does at the end of the day.
            d_driving = false;
            Close_Window();
            const QString problem = Check_Rules_File();
            QVERIFY2(problem.isEmpty(),
                     qPrintable(QStringLiteral("seed %1 restart: %2").arg(d_seed).arg(problem)));
            Start_Window();
            ++d_restarts;
            const TStoreImage restarted = Image_Of(TVantrelTestAccess::Rules(*d_window));
            QVERIFY2(restarted == d_store_at_close,
                     qPrintable(QStringLiteral("seed %1: restart shows %2, closed with %3")
                                    .arg(d_seed)
                                    .arg(Describe(restarted), Describe(d_store_at_close))));
        }
        break;
    }
    d_driving = false;
}

void TSoakTest::Check_Changed_Marks()
{
    TParameters& parameters = TVantrelTestAccess::Parameters(*d_window);
    const TParameters* reference = TVantrelTestAccess::Reference(*d_window);
    const TParameterList* list = Testing::Parameter_List(d_window.get());
    const QStringList match_tips = {QString(), QStringLiteral("Same values"), QStringLiteral("Other values"),
                                    QStringLiteral("Not in the reference"),
                                    QStringLiteral("Only in the reference")};
    for (int row = 0; row < list->Count(); ++row)
    {
        const QModelIndex item = list->model()->index(row, 0);
        const QString key = item.data().toString();
        const QString tool_tip = item.data(Qt::ToolTipRole).toString();
        QVERIFY2(item.data(Qt::FontRole).value<QFont>().bold() == parameters.Get_Parameter(key).changed,
                 qPrintable(QStringLiteral("seed %1: mark of %2").arg(d_seed).arg(key)));
        // A key the loaded list lacks is listed only from the reference, and never becomes loaded.
        const int match = reference ? TParameterComparison(&parameters, reference).Match(key)
                                    : TParameterComparison::MATCH_NONE;
        QVERIFY2(parameters.Find_Parameter(key) || match == TParameterComparison::MATCH_ONLY_B,
                 qPrintable(QStringLiteral("seed %1: %2 listed from nowhere").arg(d_seed).arg(key)));
        QVERIFY2(
            match == TParameterComparison::MATCH_NONE ? !tool_tip.contains(QLatin1String("reference"))
                                                      : tool_tip.contains(match_tips.at(match)),
            qPrintable(QStringLiteral("seed %1: comparison mark of %2: %3").arg(d_seed).arg(key, tool_tip)));
    }
    const QString count = d_window->findChild<QLabel*>(QStringLiteral("changed_count_label"))->text();
    QVERIFY2(count.isEmpty() || count == QStringLiteral("%1 changed").arg(parameters.Changed_Count()),
             qPrintable(QStringLiteral("seed %1: count %2").arg(d_seed).arg(count)));
}

// One step on whatever modal dialog is on top; the next step is queued first, so that a dialog
// opened by this step is answered from inside its own event loop.
void TSoakTest::Drive_Dialogs()
{
    if (!d_driving)
    {
        return;
    }
    QTimer::singleShot(0, this, &TSoakTest::Drive_Dialogs);
    QWidget* modal = QApplication::activeModalWidget();
    if (modal)
    {
        Act_On(modal);
    }
}

void TSoakTest::Act_On(QWidget* modal)
{
    const int steps = ++d_dialog_steps[modal];
    if (steps == 1)
    {
        ++d_dialogs_seen[modal->objectName().isEmpty() ? QString::fromLatin1(modal->metaObject()->className())
                                                       : modal->objectName()];
    }
    auto button = [modal](const char* name)
    { return modal->findChild<QAbstractButton*>(QLatin1String(name)); };
    auto press = [&](const char* name)
    {
        QAbstractButton* found = button(name);
        if (found && found->isEnabled())
        {
            found->click();
            return true;
        }
        return false;
    };
    auto type = [modal](const char* name, const QString& text)
    {
        QLineEdit* edit = modal->findChild<QLineEdit*>(QLatin1String(name));
        if (edit)
        {
            edit->setText(text);
            emit edit->textEdited(text);
        }
    };
    QDialog* dialog = qobject_cast<QDialog*>(modal);
    // A dialog that no step manages to close is closed by force, and that is a finding of its own
    // only if it keeps coming back; here it keeps the session going.
    if (steps > 40 && dialog)
    {
        dialog->reject();
        return;
    }

    if (QMessageBox* box = qobject_cast<QMessageBox*>(modal))
    {
        const QList<QAbstractButton*> buttons = box->buttons();
        if (!buttons.isEmpty())
        {
            buttons.at(Random(buttons.size()))->click();
        }
        else
        {
            box->reject();
        }
        return;
    }

    const QString name = modal->objectName();
    if (name == QLatin1String("create_group_dialog"))
    {
        type("group_name_edit", Pick_Text(Names()));
        if (!press(Chance(80) ? "create_button" : "cancel_button") && steps > 3)
        {
            press("cancel_button");
        }
    }
    else if (name == QLatin1String("export_options_dialog"))
    {
        for (const char* check :
             {"changed_only_radio", "export_all_radio", "original_values_check", "matches_import_check"})
        {
            if (Chance(30))
            {
                press(check);
            }
        }
        press(Chance(85) ? "continue_button" : "cancel_button");
    }
    else if (name == QLatin1String("rule_item_dialog"))
    {
        if (Chance(70))
        {
            type("rule_name_edit", Pick_Text(Names()));
        }
        type("left_expression_edit", Pick_Text(Expressions()));
        type("right_expression_edit", Pick_Text(Expressions()));
        const char* radios[] = {"less_than_radio", "not_greater_than_radio", "equal_radio",
                                "not_equal_radio", "greater_than_radio",     "not_less_than_radio"};
        press(radios[Random(6)]);
        if (!press(Chance(80) ? "apply_button" : "cancel_button") && steps > 3)
        {
            press("cancel_button");
        }
    }
    else if (name == QLatin1String("copy_rules_dialog"))
    {
        QComboBox* target = modal->findChild<QComboBox*>(QStringLiteral("target_group_combo"));
        if (target && target->count() > 0)
        {
            target->setCurrentIndex(Random(target->count()));
        }
        press(Chance(80) ? "copy_button" : "cancel_button");
    }
    else if (name == QLatin1String("rule_editor_dialog"))
    {
        QListWidget* list = modal->findChild<QListWidget*>(QStringLiteral("rule_list"));
        if (steps > 8 || Chance(15))
        {
            press("close_button");
            return;
        }
        if (list && list->count() > 0 && Chance(60))
        {
            list->setCurrentRow(Random(list->count()));
        }
        const char* buttons[] = {"add_button", "add_button", "edit_button", "delete_button", "copy_button"};
        press(buttons[Random(5)]);
    }
    else if (dialog)
    {
        dialog->reject();
    }
}

// The user changes one value of the shown parameter in whichever editor is showing.
void TSoakTest::Edit_Value()
{
    TSoakWindow& window = *d_window;
    Track_Before_Edit();
    QWidget* bitfield = window.findChild<QWidget*>(QStringLiteral("bitfield_widget"));
    QWidget* values = window.findChild<QWidget*>(QStringLiteral("values_widget"));
    if (bitfield && bitfield->isVisible())
    {
        if (Chance(60))
        {
            QCheckBox* bit = bitfield->findChild<QCheckBox*>(QStringLiteral("bit_check_%1").arg(Random(32)));
            if (bit && bit->isEnabled())
            {
                bit->click();
            }
        }
        else
        {
            QLineEdit* edit = bitfield->findChild<QLineEdit*>(QStringLiteral("value_edit"));
            if (edit && edit->isEnabled() && !edit->isReadOnly())
            {
                const QStringList texts = {QStringLiteral("0"),          QStringLiteral("-1"),
                                           QStringLiteral("4294967295"), QStringLiteral("0x10"),
                                           QStringLiteral("abc"),        QString()};
                edit->setText(Pick_Text(texts));
                emit edit->textEdited(edit->text());
                emit edit->editingFinished();
            }
        }
    }
    else if (values && values->isVisible())
    {
        QList<QLineEdit*> edits;
        for (QLineEdit* edit : values->findChildren<QLineEdit*>())
        {
            if (edit->isVisible() && edit->isEnabled() && !edit->isReadOnly())
            {
                edits.append(edit);
            }
        }
        if (!edits.isEmpty())
        {
            QLineEdit* edit = edits.at(Random(edits.size()));
            const QStringList texts = {
                QStringLiteral("1"),          QStringLiteral("-2.5"), QStringLiteral("1e308"),
                QStringLiteral("2147483648"), QStringLiteral("text"), QString(),
                QStringLiteral(" 7 "),        QStringLiteral("nan"),  QStringLiteral("0.1")};
            edit->setText(Pick_Text(texts));
            emit edit->textEdited(edit->text());
            emit edit->editingFinished();
        }
    }
}

// Remember each record as it was before the edit, so that a first change fixes its originals.
void TSoakTest::Track_Before_Edit()
{
    d_before_edit.clear();
    for (const TParameters::TParameter& record : TVantrelTestAccess::Parameters(*d_window).Parameters())
    {
        d_before_edit.insert(record.key, record);
    }
}

QString TSoakTest::Check_Model()
{
    const TParameters& parameters = TVantrelTestAccess::Parameters(*d_window);
    QSet<QString> keys;
    for (const TParameters::TParameter& record : parameters.Parameters())
    {
        if (keys.contains(record.key))
        {
            return QStringLiteral("duplicate key %1").arg(record.key);
        }
        keys.insert(record.key);
        if (record.key.startsWith(QLatin1String("--------")))
        {
            return QStringLiteral("separator key %1 stored").arg(record.key);
        }
        if (!record.changed)
        {
            // A fresh load or a value set back by code: the next change starts the originals again.
            d_first_originals.remove(record.key);
            continue;
        }
        if (!d_first_originals.contains(record.key))
        {
            // The first change happened in the last action: the originals are what the record held
            // just before it (or what the load set, for numeric settings entries).
            const auto before = d_before_edit.constFind(record.key);
            if (before == d_before_edit.constEnd() || before->changed)
            {
                return QStringLiteral("%1 changed without an edit").arg(record.key);
            }
            TOriginals originals;
            originals.integers = before->original_integer_values.isEmpty() ? before->integer_values
                                                                           : before->original_integer_values;
            originals.reals = before->original_double_values.isEmpty() ? before->double_values
                                                                       : before->original_double_values;
            originals.texts =
                before->original_text_values.isEmpty() ? before->text_values : before->original_text_values;
            d_first_originals.insert(record.key, originals);
        }
        const TOriginals& expected = d_first_originals[record.key];
        if (record.original_integer_values != expected.integers ||
            record.original_text_values != expected.texts ||
            record.original_double_values.size() != expected.reals.size())
        {
            return QStringLiteral("originals of %1 lost").arg(record.key);
        }
        for (int i = 0; i < expected.reals.size(); ++i)
        {
            const double a = record.original_double_values.at(i);
            const double b = expected.reals.at(i);
            if (!(a == b || (qIsNaN(a) && qIsNaN(b))))
            {
                return QStringLiteral("real original of %1 changed").arg(record.key);
            }
        }
    }
    d_before_edit.clear();
    for (const TParameters::TParameter& record : parameters.Parameters())
    {
        d_before_edit.insert(record.key, record);
    }
    return QString();
}

QString TSoakTest::Check_Rules_File()
{
    const QString directory = QDir::home().filePath(QStringLiteral(".vantrel"));
    TRules reread;
    reread.Set_Rule_Path(directory);
    if (!QFile::exists(reread.Rule_File_Name()))
    {
        return d_store_at_close.isEmpty()
                   ? QString()
                   : QStringLiteral("no rules file, store had %1").arg(Describe(d_store_at_close));
    }
    if (!reread.Load_Rules())
    {
        return QStringLiteral("rules file does not load: %1").arg(reread.Last_Error());
    }
    const TStoreImage image = Image_Of(reread);
    if (image != d_store_at_close)
    {
        return QStringLiteral("rules file holds %1, store at close held %2")
            .arg(Describe(image), Describe(d_store_at_close));
    }
    return QString();
}

QTEST_MAIN(TSoakTest)
#include "tst_soak.moc"
