#include "copyrulesdialog.h"
#include "creategroupdialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TCreateGroupDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void create_state_data();
    void create_state();
    void emptied_by_edit_disables();
    void group_name_is_kept_as_typed();
    void reset_clears_last_use();
    void copy_dialog_lists_targets_data();
    void copy_dialog_lists_targets();
};

void TCreateGroupDialogTest::create_state_data()
{
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("enabled");

    const QStringList existing{QStringLiteral("Main"), QStringLiteral("Probe Checks")};

    QTest::newRow("free name") << existing << "Servo" << true;
    QTest::newRow("existing name") << existing << "Main" << false;
    QTest::newRow("existing name in small letters") << existing << "main" << false;
    QTest::newRow("existing name in mixed case") << existing << "pRoBe cHeCkS" << false;
    QTest::newRow("existing name as prefix") << existing << "Mai" << true;
    QTest::newRow("existing name with more") << existing << "Main 2" << true;
    QTest::newRow("one blank") << existing << " " << false;
    QTest::newRow("blanks only") << existing << "    " << false;
    QTest::newRow("no-break spaces only") << existing << QString(2, QChar(0x00A0)) << false;
    QTest::newRow("name with outer blanks") << existing << " Servo " << true;
    QTest::newRow("no groups yet") << QStringList() << "Main" << true;
}

void TCreateGroupDialogTest::create_state()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, typed);
    QFETCH(bool, enabled);

    TCreateGroupDialog dialog;
    dialog.Reset(existing);
    QPushButton* create = dialog.findChild<QPushButton*>(QStringLiteral("create_button"));
    QVERIFY(!create->isEnabled());

    QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("group_name_edit")), typed);
    QCOMPARE(create->isEnabled(), enabled);
}

void TCreateGroupDialogTest::emptied_by_edit_disables()
{
    TCreateGroupDialog dialog;
    dialog.Reset({QStringLiteral("Main")});
    QLineEdit* edit = dialog.findChild<QLineEdit*>(QStringLiteral("group_name_edit"));
    QPushButton* create = dialog.findChild<QPushButton*>(QStringLiteral("create_button"));

    QTest::keyClicks(edit, QStringLiteral("AB"));
    QVERIFY(create->isEnabled());
    QTest::keyClick(edit, Qt::Key_Backspace);
    QVERIFY(create->isEnabled());
    QTest::keyClick(edit, Qt::Key_Backspace);
    QVERIFY(!create->isEnabled());
    QTest::keyClicks(edit, QStringLiteral("MAIN"));
    QVERIFY(!create->isEnabled());
    QTest::keyClick(edit, Qt::Key_Backspace);
    QVERIFY(create->isEnabled());
}

void TCreateGroupDialogTest::group_name_is_kept_as_typed()
{
    TCreateGroupDialog dialog;
    dialog.Reset(QStringList());
    QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("group_name_edit")),
                     QStringLiteral(" Probe  Checks "));
    QCOMPARE(dialog.Group_Name(), QStringLiteral(" Probe  Checks "));
}

void TCreateGroupDialogTest::reset_clears_last_use()
{
    TCreateGroupDialog dialog;
    dialog.Reset(QStringList());
    QLineEdit* edit = dialog.findChild<QLineEdit*>(QStringLiteral("group_name_edit"));
    QPushButton* create = dialog.findChild<QPushButton*>(QStringLiteral("create_button"));
    QTest::keyClicks(edit, QStringLiteral("Servo"));
    QVERIFY(create->isEnabled());

    // The group was created: the next use knows it and starts empty.
    dialog.Reset({QStringLiteral("Servo")});
    QVERIFY(edit->text().isEmpty());
    QVERIFY(dialog.Group_Name().isEmpty());
    QVERIFY(!create->isEnabled());
    QTest::keyClicks(edit, QStringLiteral("servo"));
    QVERIFY(!create->isEnabled());
}

void TCreateGroupDialogTest::copy_dialog_lists_targets_data()
{
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("groups");
    QTest::addColumn<QString>("target");

    QTest::newRow("given order, first current")
        << QStringList() << QStringList{QStringLiteral("Zeta"), QStringLiteral("Alpha")} << "Zeta";
    QTest::newRow("one group") << QStringList() << QStringList{QStringLiteral("Main")} << "Main";
    QTest::newRow("no groups") << QStringList() << QStringList() << "";
    QTest::newRow("last list replaced") << QStringList{QStringLiteral("Old"), QStringLiteral("Older")}
                                        << QStringList{QStringLiteral("New")} << "New";
    QTest::newRow("last list emptied") << QStringList{QStringLiteral("Old")} << QStringList() << "";
}

void TCreateGroupDialogTest::copy_dialog_lists_targets()
{
    QFETCH(QStringList, first);
    QFETCH(QStringList, groups);
    QFETCH(QString, target);

    TCopyRulesDialog dialog;
    dialog.Reset(first);
    dialog.Reset(groups);

    QComboBox* combo = dialog.findChild<QComboBox*>(QStringLiteral("target_group_combo"));
    QStringList shown;
    for (int index = 0; index < combo->count(); ++index)
    {
        shown.append(combo->itemText(index));
    }
    QCOMPARE(shown, groups);
    QCOMPARE(dialog.Target_Group(), target);
}

QTEST_MAIN(TCreateGroupDialogTest)
#include "tst_creategroupdialog.moc"
