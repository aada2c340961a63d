#include "windowtesting.h"

#include <QAction>
#include <QCheckBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace Testing;

// The Export Changes command: the options dialog, the file name, the writer and the stored options.
class TMainWindowExportTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void First_Dialog_Follows_Settings_data();
    void First_Dialog_Follows_Settings();
    void Cancelled_Options_Ask_No_File_Name();
    void Cancelled_File_Name_Writes_Nothing();
    void Successful_Export_Says_What_It_Wrote();
    void Failed_Export_Shows_The_Error();
    void Options_Kept_And_Stored_At_Close();

private:
    struct TDialogState
    {
        bool changed_only = false;
        bool export_all = false;
        bool original_values = false;
        bool matches_import = false;
    };

    std::unique_ptr<TTestWindow> Open_Window();
    static QRadioButton* Radio(QDialog* dialog, const QString& text);
    static QCheckBox* Check(QDialog* dialog, const QString& text);

    QTemporaryDir d_files;
};

void TMainWindowExportTest::init()
{
    Fresh_Home();
}

std::unique_ptr<TTestWindow> TMainWindowExportTest::Open_Window()
{
    const QString path = d_files.filePath(QStringLiteral("export source.asc"));
    if (!Write_File(path, Constants_File()))
    {
        return nullptr;
    }
    auto window = std::make_unique<TTestWindow>();
    window->open_answers << path;
    window->findChild<QAction*>(QStringLiteral("open_action"))->trigger();
    return window;
}

QRadioButton* TMainWindowExportTest::Radio(QDialog* dialog, const QString& text)
{
    for (QRadioButton* radio : dialog->findChildren<QRadioButton*>())
    {
        if (radio->text() == text)
        {
            return radio;
        }
    }
    return nullptr;
}

QCheckBox* TMainWindowExportTest::Check(QDialog* dialog, const QString& text)
{
    for (QCheckBox* check : dialog->findChildren<QCheckBox*>())
    {
        if (check->text() == text)
        {
            return check;
        }
    }
    return nullptr;
}

void TMainWindowExportTest::First_Dialog_Follows_Settings_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<bool>("changed_only");
    QTest::addColumn<bool>("original_values");
    QTest::addColumn<bool>("matches_import");

    QTest::newRow("fresh installation: all true") << false << true << true << true;
    QTest::newRow("stored export all") << true << false << true << true;
    QTest::newRow("stored no originals, other layout") << true << true << false << false;
}

void TMainWindowExportTest::First_Dialog_Follows_Settings()
{
    QFETCH(bool, stored);
    QFETCH(bool, changed_only);
    QFETCH(bool, original_values);
    QFETCH(bool, matches_import);

    if (stored)
    {
        QDir().mkpath(Vantrel_Directory());
        QSettings settings(Settings_File(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Export_Changed_Only"), changed_only);
        settings.setValue(QStringLiteral("Export_Original_Values"), original_values);
        settings.setValue(QStringLiteral("Export_Matches_Import"), matches_import);
        settings.sync();
    }

    auto window = Open_Window();
    QVERIFY(window);
    QAction* export_action = window->findChild<QAction*>(QStringLiteral("export_action"));
    QVERIFY(export_action->isEnabled());

    TDialogState state;
    const auto answered = Answer_Next_Dialog(
        [&state](QDialog* dialog)
        {
            state.changed_only = Radio(dialog, QStringLiteral("Export changed items only"))->isChecked();
            state.export_all = Radio(dialog, QStringLiteral("Export all data"))->isChecked();
            state.original_values =
                Check(dialog, QStringLiteral("Include original values for changed items"))->isChecked();
            state.matches_import =
                Check(dialog, QStringLiteral("Output format matches input format"))->isChecked();
            dialog->reject();
        });
    export_action->trigger();

    QVERIFY(*answered);
    QCOMPARE(state.changed_only, changed_only);
    QCOMPARE(state.export_all, !changed_only);
    QCOMPARE(state.original_values, original_values);
    QCOMPARE(state.matches_import, matches_import);
}

void TMainWindowExportTest::Cancelled_Options_Ask_No_File_Name()
{
    auto window = Open_Window();
    QVERIFY(window);
    const QString target = d_files.filePath(QStringLiteral("never.txt"));
    window->save_answers << target;

    const auto answered = Answer_Next_Dialog([](QDialog* dialog) { dialog->reject(); });
    window->findChild<QAction*>(QStringLiteral("export_action"))->trigger();

    QVERIFY(*answered);
    QCOMPARE(window->save_asks, 0);
    QVERIFY(!QFileInfo::exists(target));
}

void TMainWindowExportTest::Cancelled_File_Name_Writes_Nothing()
{
    auto window = Open_Window();
    QVERIFY(window);
    const QString message = window->statusBar()->currentMessage();
    const QStringList before = QDir(d_files.path()).entryList(QDir::Files);

    Answer_Next_Dialog([](QDialog* dialog) { dialog->accept(); });
    window->findChild<QAction*>(QStringLiteral("export_action"))->trigger();

    QCOMPARE(window->save_asks, 1);
    QCOMPARE(QDir(d_files.path()).entryList(QDir::Files), before);
    QCOMPARE(window->statusBar()->currentMessage(), message);
}

void TMainWindowExportTest::Successful_Export_Says_What_It_Wrote()
{
    auto window = Open_Window();
    QVERIFY(window);
    const QString target = d_files.filePath(QStringLiteral("report.txt"));
    window->save_answers << target;

    // Export everything, so the report is not empty whatever was edited.
    Answer_Next_Dialog(
        [](QDialog* dialog)
        {
            Radio(dialog, QStringLiteral("Export all data"))->setChecked(true);
            dialog->accept();
        });
    window->findChild<QAction*>(QStringLiteral("export_action"))->trigger();

    QCOMPARE(window->save_asks, 1);
    QVERIFY(QFileInfo(target).size() > 0);
    QCOMPARE(window->statusBar()->currentMessage(),
             QStringLiteral("%1 parameters exported to %2")
                 .arg(TVantrelTestAccess::Parameters(*window).Parameter_Count())
                 .arg(QDir::toNativeSeparators(target)));
}

void TMainWindowExportTest::Failed_Export_Shows_The_Error()
{
    auto window = Open_Window();
    QVERIFY(window);
    const int count = Parameter_List(window.get())->Count();
    const QString target = d_files.filePath(QStringLiteral("no such directory/report.txt"));
    window->save_answers << target;

    Answer_Next_Dialog(
        [](QDialog* dialog)
        {
            Radio(dialog, QStringLiteral("Export all data"))->setChecked(true);
            dialog->accept();
        });
    window->findChild<QAction*>(QStringLiteral("export_action"))->trigger();

    const QString error = TVantrelTestAccess::Parameters(*window).Last_Error();
    QVERIFY(!error.isEmpty());
    QCOMPARE(window->statusBar()->currentMessage(), QStringLiteral("ERR:  %1").arg(error));
    QVERIFY(!QFileInfo::exists(target));
    QCOMPARE(Parameter_List(window.get())->Count(), count);
}

void TMainWindowExportTest::Options_Kept_And_Stored_At_Close()
{
    {
        auto window = Open_Window();
        QVERIFY(window);
        QAction* export_action = window->findChild<QAction*>(QStringLiteral("export_action"));

        // The user picks "Export all data", clears a box, then cancels.
        Answer_Next_Dialog(
            [](QDialog* dialog)
            {
                Radio(dialog, QStringLiteral("Export all data"))->setChecked(true);
                Check(dialog, QStringLiteral("Output format matches input format"))->setChecked(false);
                dialog->reject();
            });
        export_action->trigger();

        bool export_all = false;
        bool matches_import = true;
        const auto answered = Answer_Next_Dialog(
            [&](QDialog* dialog)
            {
                export_all = Radio(dialog, QStringLiteral("Export all data"))->isChecked();
                matches_import =
                    Check(dialog, QStringLiteral("Output format matches input format"))->isChecked();
                dialog->reject();
            });
        export_action->trigger();
        QVERIFY(*answered);
        QVERIFY(export_all);
        QVERIFY(!matches_import);

        window->close();
    }

    QSettings settings(Settings_File(), QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("Export_Changed_Only")).toBool(), false);
    QCOMPARE(settings.value(QStringLiteral("Export_Original_Values")).toBool(), true);
    QCOMPARE(settings.value(QStringLiteral("Export_Matches_Import")).toBool(), false);
}

QTEST_MAIN(TMainWindowExportTest)
#include "tst_mainwindow_export.moc"
