#include "windowtesting.h"

#include "parametercomparison.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTableWidget>
#include <QtTest>

using namespace Testing;

// Changed parameters in the window: their marks and count, "Changed only", undo and redo of every
// kind of edit, the two reverts, and the comparison with a reference file.
class TMainWindowChangesTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { Fresh_Home(); }

    void Undo_Redo_Each_Kind_Of_Edit_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("editor"); // object name of the field or box that is edited
        QTest::addColumn<QString>("text");   // typed into a field; empty: the box is clicked
        QTest::addColumn<QString>("loaded");
        QTest::addColumn<QString>("edited");

        QTest::newRow("value field") << "DEA_TAPS"
                                     << "value_edit_0"
                                     << "9"
                                     << "8"
                                     << "9";
        QTest::newRow("array field") << "TTP_DECL"
                                     << "value_edit_2"
                                     << "0.5"
                                     << "125"
                                     << "0.5";
        QTest::newRow("bit box") << "CMMCONFG"
                                 << "bit_check_0"
                                 << ""
                                 << "2048"
                                 << "2049";
        QTest::newRow("bit pattern value") << "CMMCONFG"
                                           << "value_edit"
                                           << "7"
                                           << "2048"
                                           << "7";
    }

    void Undo_Redo_Each_Kind_Of_Edit()
    {
        QFETCH(QString, key);
        QFETCH(QString, editor);
        QFETCH(QString, text);
        QFETCH(QString, loaded);
        QFETCH(QString, edited);

        auto window = Open();
        QAction* undo = window->findChild<QAction*>(QStringLiteral("undo_action"));
        QAction* redo = window->findChild<QAction*>(QStringLiteral("redo_action"));
        QVERIFY(undo && redo);
        QVERIFY(!undo->isEnabled());
        QVERIFY(Select_Key(List(*window), key));

        const int index = editor.startsWith(QLatin1String("value_edit_")) ? editor.mid(11).toInt() : 0;
        if (text.isEmpty())
        {
            window->findChild<QCheckBox*>(editor)->setChecked(true);
        }
        else
        {
            QLineEdit* field = window->findChild<QLineEdit*>(editor);
            field->setText(text);
            emit field->editingFinished();
        }
        QCOMPARE(Value(*window, key, index), edited);
        QVERIFY(undo->isEnabled());
        QCOMPARE(undo->text(), QStringLiteral("Undo edit of %1").arg(key));
        QCOMPARE(Label(*window), QStringLiteral("1 changed"));
        QVERIFY(Entry_Bold(List(*window), key));

        // Undone to the loaded value, the parameter is unchanged again and leaves a changed-only export.
        undo->trigger();
        QCOMPARE(Value(*window, key, index), loaded);
        QVERIFY(!TVantrelTestAccess::Parameters(*window).Get_Parameter(key).changed);
        QVERIFY(!Entry_Bold(List(*window), key));
        QCOMPARE(Label(*window), QStringLiteral("0 changed"));
        QVERIFY(!undo->isEnabled());
        QCOMPARE(redo->text(), QStringLiteral("Redo edit of %1").arg(key));
        QVERIFY(!Export_Changed_Only(*window).contains(key.toLatin1()));

        redo->trigger();
        QCOMPARE(Value(*window, key, index), edited);
        QVERIFY(!redo->isEnabled());
        QVERIFY(Export_Changed_Only(*window).contains(key.toLatin1()));
    }

    void Changed_Only_With_Search()
    {
        auto window = Open();
        Edit_Field(*window, QStringLiteral("DEA_TAPS"), QStringLiteral("9"));
        Edit_Field(*window, QStringLiteral("WIDE_NUM"), QStringLiteral("4"));
        QCheckBox* changed_only = window->findChild<QCheckBox*>(QStringLiteral("changed_only_check"));
        changed_only->setChecked(true);
        QCOMPARE(List_Texts(List(*window)), (QStringList{"DEA_TAPS", "WIDE_NUM"}));
        QLineEdit* search = window->findChild<QLineEdit*>(QStringLiteral("search_edit"));
        search->setText(QStringLiteral("wide"));
        emit search->textEdited(search->text());
        QCOMPARE(List_Texts(List(*window)), QStringList{"WIDE_NUM"});

        // A parameter that becomes unchanged leaves the narrowed list.
        window->findChild<QAction*>(QStringLiteral("undo_action"))->trigger();
        QCOMPARE(List_Texts(List(*window)), QStringList{});
        changed_only->setChecked(false);
        QCOMPARE(List_Texts(List(*window)), QStringList{"WIDE_NUM"});
    }

    // The reverts through the window's menu: the field on show follows, and a new file starts a new
    // history.
    void Reverts_And_History()
    {
        auto window = Open();
        TParameters& parameters = TVantrelTestAccess::Parameters(*window);
        Edit_Field(*window, QStringLiteral("WIDE_NUM"), QStringLiteral("4"));
        QAction* revert_all = window->findChild<QAction*>(QStringLiteral("revert_all_action"));
        QVERIFY(revert_all->isEnabled());
        revert_all->trigger();
        QCOMPARE(parameters.Changed_Count(), 0);
        QCOMPARE(Field(*window, 0)->text(), QStringLiteral("3"));

        QAction* undo = window->findChild<QAction*>(QStringLiteral("undo_action"));
        undo->trigger();
        QCOMPARE(parameters.Changed_Count(), 1);
        QVERIFY(Select_Key(List(*window), QStringLiteral("WIDE_NUM")));
        QAction* revert = window->findChild<QAction*>(QStringLiteral("revert_parameter_action"));
        QVERIFY(revert->isEnabled());
        revert->trigger();
        QCOMPARE(parameters.Get_Parameter(QStringLiteral("WIDE_NUM")).integer_values, QVector<int>{3});
        QVERIFY(!revert->isEnabled());
        QCOMPARE(Field(*window, 0)->text(), QStringLiteral("3"));
        QCOMPARE(undo->text(), QStringLiteral("Undo revert of WIDE_NUM"));

        // Opening a file starts a new history (the edits not saved are discarded when asked).
        window->open_answers << Write_In(d_files, QStringLiteral("again.asc"), Constants_File());
        TMessageBox::Queue_Answer(QMessageBox::Discard);
        window->findChild<QAction*>(QStringLiteral("open_action"))->trigger();
        QCOMPARE(TMessageBox::Pending_Answers(), 0);
        QVERIFY(!undo->isEnabled());
        QCOMPARE(Label(*window), QStringLiteral("0 changed"));
    }

    // Every key against the reference settings file, and its values taken over as one undoable step.
    void Compare_Marks_And_Use_Reference_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("mark");  // the comparison's line in the tool tip
        QTest::addColumn<QString>("taken"); // the values after Use Reference Value; empty: not offered

        QTest::newRow("other integer") << "DEA_TAPS"
                                       << "Other values in the reference"
                                       << "9";
        QTest::newRow("only in the reference")
            << "EXTRA_KEY"
            << "Only in the reference: not in the loaded list, nothing to edit"
            << "";
    }

    void Compare_Marks_And_Use_Reference()
    {
        QFETCH(QString, key);
        QFETCH(QString, mark);
        QFETCH(QString, taken);

        auto window = Open();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QSize shown = window->size();
        Compare(*window);
        TParameters& parameters = TVantrelTestAccess::Parameters(*window);
        QCOMPARE(Entry_Tool_Tip(List(*window), key), mark);
        // Every standing has its sign; only a key the loaded list lacks is set in italics.
        QVERIFY(!Entry_Data(List(*window), key, Qt::DecorationRole).value<QIcon>().isNull());
        QCOMPARE(Entry_Data(List(*window), key, Qt::FontRole).value<QFont>().italic(),
                 key == QLatin1String("EXTRA_KEY"));
        QVERIFY(Select_Key(List(*window), key));
        QVERIFY(window->findChild<QWidget*>(QStringLiteral("reference_box"))->isVisibleTo(window.get()));
        // The values take room from the detail side; the window keeps its size, and at its smallest
        // size every widget has room of its own.
        QCoreApplication::processEvents();
        QCOMPARE(window->size(), shown);
        window->resize(1, 1);
        QCoreApplication::processEvents();
        QCOMPARE(Overlapping_Widgets(window.get()), QStringList());
        QAction* use = window->findChild<QAction*>(QStringLiteral("use_reference_action"));
        QCOMPARE(use->isEnabled(), !taken.isEmpty());
        if (key == QLatin1String("EXTRA_KEY"))
        {
            // Shown from the reference, never editable, never part of the loaded list or its export.
            QCOMPARE(window->findChild<QStackedWidget*>(QStringLiteral("editor_stack"))
                         ->currentWidget()
                         ->objectName(),
                     QStringLiteral("empty_page"));
            QVERIFY(window->findChild<QLabel*>(QStringLiteral("title_label"))->text().contains(key));
            QVERIFY(!parameters.Find_Parameter(key));
            QVERIFY(!window->findChild<QAction*>(QStringLiteral("revert_parameter_action"))->isEnabled());
        }
        if (taken.isEmpty())
        {
            return;
        }

        const QString loaded = Values(*window, key);
        use->trigger();
        QCOMPARE(Values(*window, key), taken);
        QCOMPARE(Entry_Tool_Tip(List(*window), key),
                 QStringLiteral("Changed since loading\nSame values in the reference"));
        QAction* undo = window->findChild<QAction*>(QStringLiteral("undo_action"));
        QCOMPARE(undo->text(), QStringLiteral("Undo reference value of %1").arg(key));
        QVERIFY(!use->isEnabled());
        undo->trigger();
        QCOMPARE(Values(*window, key), loaded);
        QVERIFY(!undo->isEnabled());
        QCOMPARE(Entry_Tool_Tip(List(*window), key), mark);
        QVERIFY(use->isEnabled());
    }

    // "Changed only", "Differences only" and the search text narrow the list together, before and
    // after an undo that moves a key back to other values than the reference's.
    void Compare_Filters_Combined_data()
    {
        QTest::addColumn<bool>("changed_only");
        QTest::addColumn<bool>("differences_only");
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("after_undo");

        const QStringList all = {"CMMCONFG", "DEA_TAPS", "TTP_DECL",  "AX_LIMIT",
                                 "WIDE_NUM", "MAXSPEED", "SpAx_Gain", "EXTRA_KEY"};
        QStringList differing = all;
        differing.removeOne(QStringLiteral("DEA_TAPS"));
        const QStringList with_a = {"AX_LIMIT", "MAXSPEED", "SpAx_Gain", "EXTRA_KEY"};
        QTest::newRow("differences only") << false << true << "" << differing << all;
        QTest::newRow("differences and search")
            << false << true << "a" << with_a << QStringList{"DEA_TAPS"} + with_a;
        QTest::newRow("changed only")
            << true << false << "" << QStringList{"DEA_TAPS", "MAXSPEED"} << QStringList{"MAXSPEED"};
    }

    void Compare_Filters_Combined()
    {
        QFETCH(bool, changed_only);
        QFETCH(bool, differences_only);
        QFETCH(QString, search);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, after_undo);

        auto window = Open();
        Compare(*window);
        Edit_Field(*window, QStringLiteral("MAXSPEED"), QStringLiteral("2"));
        Edit_Field(*window, QStringLiteral("DEA_TAPS"), QStringLiteral("9")); // now as the reference
        window->findChild<QCheckBox*>(QStringLiteral("changed_only_check"))->setChecked(changed_only);
        window->findChild<QCheckBox*>(QStringLiteral("differences_only_check"))->setChecked(differences_only);
        QLineEdit* search_edit = window->findChild<QLineEdit*>(QStringLiteral("search_edit"));
        search_edit->setText(search);
        emit search_edit->textEdited(search);
        QCOMPARE(List_Texts(List(*window)), listed);
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("difference_count_label"))->text(),
                 QStringLiteral("7 differ"));

        window->findChild<QAction*>(QStringLiteral("undo_action"))->trigger();
        QCOMPARE(List_Texts(List(*window)), after_undo);
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("difference_count_label"))->text(),
                 QStringLiteral("8 differ"));
    }

    // A reference that cannot be read is reported as Open reports it and leaves all as it was.
    void Failed_Compare_Changes_Nothing_data()
    {
        QTest::addColumn<bool>("with_reference");
        QTest::addColumn<QString>("file");

        QTest::newRow("missing file, no reference yet") << false << "missing.xml";
        QTest::newRow("not a parameter file, reference kept") << true << "notes.txt";
    }

    void Failed_Compare_Changes_Nothing()
    {
        QFETCH(bool, with_reference);
        QFETCH(QString, file);

        auto window = Open();
        if (with_reference)
        {
            Compare(*window);
        }
        Edit_Field(*window, QStringLiteral("WIDE_NUM"), QStringLiteral("4"));
        const QStringList listed = List_Texts(List(*window));
        const QStringList tips = Tool_Tips(*window);
        Write_In(d_files, QStringLiteral("notes.txt"), QByteArray(300, 'x'));
        window->open_answers << d_files.filePath(file);
        window->findChild<QAction*>(QStringLiteral("compare_action"))->trigger();

        QVERIFY(window->findChild<QStatusBar*>()->currentMessage().startsWith(QLatin1String("ERR:  ")));
        QCOMPARE(List_Texts(List(*window)), listed);
        QCOMPARE(Tool_Tips(*window), tips);
        QCOMPARE(window->findChild<QAction*>(QStringLiteral("clear_compare_action"))->isEnabled(),
                 with_reference);
        QCOMPARE(TVantrelTestAccess::Parameters(*window).Changed_Count(), 1);
        QVERIFY(window->findChild<QAction*>(QStringLiteral("undo_action"))->isEnabled());
    }

    // Another loaded file is compared with the kept reference; Clear Comparison ends it.
    void Reload_Keeps_Reference_Until_Cleared()
    {
        auto window = Open();
        Compare(*window);
        QCheckBox* differences_only = window->findChild<QCheckBox*>(QStringLiteral("differences_only_check"));
        differences_only->setChecked(true);
        window->open_answers << Write_In(d_files, QStringLiteral("settings.xml"), Settings_File_Content());
        window->findChild<QAction*>(QStringLiteral("open_action"))->trigger();
        QCOMPARE(Entry_Tool_Tip(List(*window), QStringLiteral("DEA_TAPS")),
                 QStringLiteral("Other values in the reference"));
        QCOMPARE(Entry_Tool_Tip(List(*window), QStringLiteral("EXAMPLE_TEXT")),
                 QStringLiteral("Not in the reference"));
        QCOMPARE(List(*window)->Count(), 3 + 5); // the loaded keys and the reference's others

        // Without a loaded list nothing is compared or listed, whatever the search.
        TMessageBox::Queue_Answer(QMessageBox::Yes);
        window->findChild<QAction*>(QStringLiteral("new_action"))->trigger();
        QLineEdit* search = window->findChild<QLineEdit*>(QStringLiteral("search_edit"));
        emit search->textEdited(QString());
        QCOMPARE(List(*window)->Count(), 0);

        window->open_answers << Write_In(d_files, QStringLiteral("again.asc"), Constants_File());
        window->findChild<QAction*>(QStringLiteral("open_action"))->trigger();
        QCOMPARE(List(*window)->Count(), 7);
        QAction* clear = window->findChild<QAction*>(QStringLiteral("clear_compare_action"));
        QVERIFY(clear->isEnabled());
        clear->trigger();
        QCOMPARE(List_Texts(List(*window)), Constants_Keys());
        QVERIFY(Tool_Tips(*window).join(QString()).isEmpty());
        QVERIFY(!differences_only->isChecked() && differences_only->isHidden());
        QVERIFY(!clear->isEnabled());
        // The status bar names the loaded file again instead of the reference.
        QCOMPARE(window->findChild<QStatusBar*>()->currentMessage(),
                 QDir::toNativeSeparators(d_files.filePath(QStringLiteral("again.asc"))));
    }

    // The preview of values taken from a file or from the reference, and the one step that takes the
    // ticked ones: the last row is unticked, so that it stays as it is.
    void Take_Values_Preview_data()
    {
        QTest::addColumn<QString>("source"); // "reference": Use All Reference Values; else a file
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("refused");
        QTest::addColumn<QString>("same");

        const QStringList rows{"DEA_TAPS: 8 -> 9", "TTP_DECL: 250, 250, 125 -> 250, 250, 0.5",
                               "CMMCONFG: 2048 -> 2049"};
        const QStringList refused{"AX_LIMIT: Does not fit: 2 values instead of 5.",
                                  "WIDE_NUM: Does not fit: Not a whole number: 2.5",
                                  "EXTRA_KEY: Not in the loaded file."};
        QTest::newRow("a file of the other format, with missing keys and misfits")
            << "reference.xml" << rows << refused << "1 are the same already.";
        QTest::newRow("the reference") << "reference" << rows << refused << "1 are the same already.";
        QTest::newRow("a partial file of the same format")
            << "partial.asc" << QStringList{"DEA_TAPS: 8 -> 12", "MAXSPEED: 1.5 -> 2.5"} << QStringList{}
            << "0 are the same already.";
    }

    void Take_Values_Preview()
    {
        QFETCH(QString, source);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, refused);
        QFETCH(QString, same);

        auto window = Open();
        Compare(*window);
        Write_In(
            d_files, QStringLiteral("partial.asc"),
            QByteArray("Machine Constants File\n\n#94 DEA filter taps     : Longint                       "
                       "        DEA_TAPS\n  12\n#120 Max speed           : Double                        "
                       "       MAXSPEED\n  2.5\n")
                .leftJustified(200, '\n'));
        const QString loaded = Values(*window, rows.last().section(QLatin1Char(':'), 0, 0));
        QStringList shown_rows;
        QStringList shown_refused;
        QString shown_same;
        QString button;
        auto answered = Answer_Next_Dialog(
            [&](QDialog* dialog)
            {
                QTableWidget* table = dialog->findChild<QTableWidget*>(QStringLiteral("take_values_table"));
                for (int row = 0; row < table->rowCount(); ++row)
                {
                    QCOMPARE(table->item(row, 0)->checkState(), Qt::Checked);
                    shown_rows << table->item(row, 0)->text() + ": " + table->item(row, 1)->text() + " -> " +
                                      table->item(row, 2)->text();
                }
                QTableWidget* apart =
                    dialog->findChild<QTableWidget*>(QStringLiteral("take_values_refused_table"));
                for (int row = 0; row < apart->rowCount(); ++row)
                {
                    QVERIFY(!(apart->item(row, 0)->flags() & Qt::ItemIsUserCheckable));
                    shown_refused << apart->item(row, 0)->text() + ": " + apart->item(row, 1)->text();
                }
                shown_same = dialog->findChild<QLabel*>(QStringLiteral("take_values_same_label"))->text();
                QPushButton* take = dialog->findChild<QPushButton*>(QStringLiteral("take_values_button"));
                button = take->text();
                table->item(table->rowCount() - 1, 0)->setCheckState(Qt::Unchecked);
                take->click();
            },
            QStringLiteral("take_values_dialog"));
        if (source == QLatin1String("reference"))
        {
            window->findChild<QAction*>(QStringLiteral("use_all_reference_action"))->trigger();
        }
        else
        {
            window->open_answers << d_files.filePath(source);
            window->findChild<QAction*>(QStringLiteral("take_values_action"))->trigger();
        }
        QVERIFY(*answered);
        QCOMPARE(shown_rows, rows);
        QCOMPARE(shown_refused, refused);
        QCOMPARE(shown_same, same);
        QCOMPARE(button, QStringLiteral("Take %1 Values").arg(rows.size()));

        // The ticked values are taken as one step, the unticked one is left; undo and redo take them all.
        // Whether the ticked rows hold their values before (side 0) or after (side 1) the arrow.
        const auto taken = [&rows, &window](int side)
        {
            for (int row = 0; row < rows.size() - 1; ++row)
            {
                const QString key = rows.at(row).section(QLatin1Char(':'), 0, 0);
                if (Values(*window, key) != rows.at(row)
                                                .section(QStringLiteral(" -> "), side, side)
                                                .section(QStringLiteral(": "), -1))
                {
                    return false;
                }
            }
            return true;
        };
        QVERIFY(taken(1));
        QCOMPARE(Values(*window, rows.last().section(QLatin1Char(':'), 0, 0)), loaded);
        QCOMPARE(Label(*window), QStringLiteral("%1 changed").arg(rows.size() - 1));
        QAction* undo = window->findChild<QAction*>(QStringLiteral("undo_action"));
        QCOMPARE(undo->text(),
                 QStringLiteral("Undo values from %1")
                     .arg(source == QLatin1String("reference") ? QStringLiteral("reference.xml") : source));
        undo->trigger();
        QVERIFY(taken(0));
        QVERIFY(!undo->isEnabled());
        QCOMPARE(Label(*window), QStringLiteral("0 changed"));
        window->findChild<QAction*>(QStringLiteral("redo_action"))->trigger();
        QVERIFY(taken(1));
    }

    // A file that does not read is shown as Open shows it, and nothing changes.
    void Take_Values_From_Unreadable_File()
    {
        auto window = Open();
        Edit_Field(*window, QStringLiteral("WIDE_NUM"), QStringLiteral("4"));
        window->open_answers << Write_In(d_files, QStringLiteral("notes.txt"), QByteArray(300, 'x'));
        TMessageBox::Queue_Answer(QMessageBox::Ok);
        window->findChild<QAction*>(QStringLiteral("take_values_action"))->trigger();
        QCOMPARE(TMessageBox::Pending_Answers(), 0);
        QVERIFY(window->findChild<QStatusBar*>()->currentMessage().startsWith(QLatin1String("ERR:  ")));
        QCOMPARE(TVantrelTestAccess::Parameters(*window).Changed_Count(), 1);
        QCOMPARE(window->findChild<QAction*>(QStringLiteral("undo_action"))->text(),
                 QStringLiteral("Undo edit of WIDE_NUM"));
    }

    // The changed parameters saved as a partial file travel back through Take Values From File.
    void Saved_Change_Set_Taken_Back()
    {
        auto window = Open();
        QAction* save_changed = window->findChild<QAction*>(QStringLiteral("save_changed_action"));
        QVERIFY(!save_changed->isEnabled());
        Edit_Field(*window, QStringLiteral("DEA_TAPS"), QStringLiteral("12"));
        Edit_Field(*window, QStringLiteral("MAXSPEED"), QStringLiteral("0.25"));
        QVERIFY(save_changed->isEnabled());
        const QString path = d_files.filePath(QStringLiteral("changes-only.asc"));
        window->save_answers << path;
        save_changed->trigger();
        TParameters saved;
        QVERIFY2(saved.Load_Parameter_File(path), qPrintable(saved.Last_Error()));
        QCOMPARE(saved.Parameter_Count(), 2);

        TMessageBox::Queue_Answer(QMessageBox::Yes);
        window->findChild<QAction*>(QStringLiteral("revert_all_action"))->trigger();
        QCOMPARE(Label(*window), QStringLiteral("0 changed"));
        auto answered = Answer_Next_Dialog(
            [](QDialog* dialog)
            { dialog->findChild<QPushButton*>(QStringLiteral("take_values_button"))->click(); },
            QStringLiteral("take_values_dialog"));
        window->open_answers << path;
        window->findChild<QAction*>(QStringLiteral("take_values_action"))->trigger();
        QVERIFY(*answered);
        QCOMPARE(Values(*window, QStringLiteral("DEA_TAPS")), QStringLiteral("12"));
        QCOMPARE(Values(*window, QStringLiteral("MAXSPEED")), QStringLiteral("0.25"));
        QCOMPARE(Label(*window), QStringLiteral("2 changed"));
    }

private:
    std::unique_ptr<TTestWindow> Open()
    {
        auto window = std::make_unique<TTestWindow>();
        window->open_answers << Write_In(d_files, QStringLiteral("changes.asc"), Constants_File());
        window->findChild<QAction*>(QStringLiteral("open_action"))->trigger();
        return window;
    }

    // The reference: a settings file that differs from the constants file in every way a key can.
    void Compare(TTestWindow& window)
    {
        const QByteArray reference = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<ZIDParameterSettings>\n"
                                     "<DEA_TAPS><Value>9</Value></DEA_TAPS>\n"
                                     "<TTP_DECL><Value_1>2.5E+02</Value_1><Value_2>250</Value_2>"
                                     "<Value_3>0.5</Value_3></TTP_DECL>\n"
                                     "<MAXSPEED><Value>1.5E+00</Value></MAXSPEED>\n"
                                     "<AX_LIMIT><Value_1>1</Value_1><Value_2>2</Value_2></AX_LIMIT>\n"
                                     "<WIDE_NUM><Value>2.5</Value></WIDE_NUM>\n"
                                     "<CMMCONFG><Value>2049</Value></CMMCONFG>\n"
                                     "<EXTRA_KEY><Value>Line 3</Value></EXTRA_KEY>\n"
                                     "</ZIDParameterSettings>\n";
        window.open_answers << Write_In(d_files, QStringLiteral("reference.xml"), reference);
        window.findChild<QAction*>(QStringLiteral("compare_action"))->trigger();
    }

    static QStringList Tool_Tips(TVantrel& window)
    {
        QStringList tips;
        for (int row = 0; row < List(window)->Count(); ++row)
        {
            tips << List(window)->model()->index(row, 0).data(Qt::ToolTipRole).toString();
        }
        return tips;
    }

    static QString Values(TVantrel& window, const QString& key)
    {
        return TParameterComparison::Values_Text(
            TParameterComparison::Values_Of(TVantrelTestAccess::Parameters(window).Get_Parameter(key)));
    }

    static TParameterList* List(TVantrel& window) { return Parameter_List(&window); }

    static QLineEdit* Field(TVantrel& window, int index)
    {
        return window.findChild<QWidget*>(QStringLiteral("values_widget"))
            ->findChild<QLineEdit*>(QStringLiteral("value_edit_%1").arg(index));
    }

    static void Edit_Field(TVantrel& window, const QString& key, const QString& text)
    {
        QVERIFY(Select_Key(List(window), key));
        Field(window, 0)->setText(text);
        emit Field(window, 0)->editingFinished();
    }

    static QString Value(TVantrel& window, const QString& key, int index)
    {
        return TParameters::Value_Text(TVantrelTestAccess::Parameters(window).Get_Parameter(key), index);
    }

    static QString Label(TVantrel& window)
    {
        return window.findChild<QLabel*>(QStringLiteral("changed_count_label"))->text();
    }

    QByteArray Export_Changed_Only(TVantrel& window)
    {
        const QString path = d_files.filePath(QStringLiteral("changes.txt"));
        Utilities::TExportOptions options;
        options.changed_only = true;
        if (!TVantrelTestAccess::Parameters(window).Write_Parameter_Data(path, options))
        {
            return QByteArray("export failed");
        }
        return Read_File(path);
    }

    QTemporaryDir d_files;
};

QTEST_MAIN(TMainWindowChangesTest)
#include "tst_mainwindow_changes.moc"
