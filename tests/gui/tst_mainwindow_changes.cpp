#include "windowtesting.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

using namespace Testing;

// Changed parameters in the window: their marks and count, "Changed only", undo and redo of every
// kind of edit, and the two reverts.
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
        QVERIFY(Item(*window, key)->font().bold());

        // Undone to the loaded value, the parameter is unchanged again and leaves a changed-only export.
        undo->trigger();
        QCOMPARE(Value(*window, key, index), loaded);
        QVERIFY(!TVantrelTestAccess::Parameters(*window).Get_Parameter(key).changed);
        QVERIFY(!Item(*window, key)->font().bold());
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

    void Reverts_And_History_data()
    {
        QTest::addColumn<int>("edits");
        QTest::addColumn<bool>("answer_yes"); // the answer to Revert All's question, where it asks
        QTest::addColumn<int>("changed_after");

        QTest::newRow("one change: no question") << 1 << false << 0;
        QTest::newRow("two changes, confirmed") << 2 << true << 0;
        QTest::newRow("two changes, declined") << 2 << false << 2;
    }

    void Reverts_And_History()
    {
        QFETCH(int, edits);
        QFETCH(bool, answer_yes);
        QFETCH(int, changed_after);

        auto window = Open();
        TParameters& parameters = TVantrelTestAccess::Parameters(*window);
        Edit_Field(*window, QStringLiteral("WIDE_NUM"), QStringLiteral("4"));
        if (edits > 1)
        {
            Edit_Field(*window, QStringLiteral("DEA_TAPS"), QStringLiteral("9"));
        }
        QAction* revert_all = window->findChild<QAction*>(QStringLiteral("revert_all_action"));
        QVERIFY(revert_all->isEnabled());
        if (edits > 1)
        {
            TMessageBox::Queue_Answer(answer_yes ? QMessageBox::Yes : QMessageBox::No);
        }
        revert_all->trigger();
        QCOMPARE(TMessageBox::Pending_Answers(), 0);
        QCOMPARE(parameters.Changed_Count(), changed_after);

        // Revert All is one undoable step; Revert Parameter another.
        QAction* undo = window->findChild<QAction*>(QStringLiteral("undo_action"));
        if (changed_after == 0)
        {
            QCOMPARE(undo->text(), QStringLiteral("Undo revert of all changes"));
            undo->trigger();
            QCOMPARE(parameters.Changed_Count(), edits);
        }
        QVERIFY(Select_Key(List(*window), QStringLiteral("WIDE_NUM")));
        QAction* revert = window->findChild<QAction*>(QStringLiteral("revert_parameter_action"));
        QVERIFY(revert->isEnabled());
        revert->trigger();
        QCOMPARE(parameters.Get_Parameter(QStringLiteral("WIDE_NUM")).integer_values, QVector<int>{3});
        QVERIFY(!revert->isEnabled());
        QCOMPARE(Field(*window, 0)->text(), QStringLiteral("3"));
        QCOMPARE(undo->text(), QStringLiteral("Undo revert of WIDE_NUM"));

        // Opening a file starts a new history.
        window->open_answers << Write_In(d_files, QStringLiteral("again.asc"), Constants_File());
        window->findChild<QAction*>(QStringLiteral("open_action"))->trigger();
        QVERIFY(!undo->isEnabled());
        QCOMPARE(Label(*window), QStringLiteral("0 changed"));
    }

private:
    std::unique_ptr<TTestWindow> Open()
    {
        auto window = std::make_unique<TTestWindow>();
        window->open_answers << Write_In(d_files, QStringLiteral("changes.asc"), Constants_File());
        window->findChild<QAction*>(QStringLiteral("open_action"))->trigger();
        return window;
    }

    static QListWidget* List(TVantrel& window)
    {
        return window.findChild<QListWidget*>(QStringLiteral("parameter_list"));
    }

    static QListWidgetItem* Item(TVantrel& window, const QString& key)
    {
        return List(window)->findItems(key, Qt::MatchExactly | Qt::MatchCaseSensitive).value(0);
    }

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
