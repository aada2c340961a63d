#include "exportoptionsdialog.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

class TExportOptionsDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void Defaults_On_Fresh_Installation();
    void Reset_Maps_To_Controls_data();
    void Reset_Maps_To_Controls();
    void Radio_Buttons_Exclude_Each_Other();
    void Check_Boxes_Stay_Enabled_For_Both_Choices();
    void Buttons_Close_The_Dialog_data();
    void Buttons_Close_The_Dialog();

private:
    template <typename T> static T* Child(TExportOptionsDialog& dialog, const char* name)
    {
        T* child = dialog.findChild<T*>(QLatin1String(name));
        Q_ASSERT(child);
        return child;
    }
};

void TExportOptionsDialogTest::Defaults_On_Fresh_Installation()
{
    TExportOptionsDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Export Options"));
    QCOMPARE(dialog.size(), QSize(595, 235));
    QCOMPARE(Child<QRadioButton>(dialog, "changed_only_radio")->text(),
             QStringLiteral("Export changed items only"));
    QCOMPARE(Child<QRadioButton>(dialog, "export_all_radio")->text(), QStringLiteral("Export all data"));
    QCOMPARE(Child<QCheckBox>(dialog, "original_values_check")->text(),
             QStringLiteral("Include original values for changed items"));
    QCOMPARE(Child<QCheckBox>(dialog, "matches_import_check")->text(),
             QStringLiteral("Output format matches input format"));
    QVERIFY(Child<QRadioButton>(dialog, "changed_only_radio")->isChecked());
    QVERIFY(!Child<QRadioButton>(dialog, "export_all_radio")->isChecked());
    QVERIFY(!Child<QPushButton>(dialog, "cancel_button")->autoDefault());
    QVERIFY(Child<QPushButton>(dialog, "continue_button")->autoDefault());

    const Utilities::TExportOptions options = dialog.Export_Options();
    QVERIFY(options.changed_only);
    QVERIFY(options.original_values);
    QVERIFY(options.matches_import);
}

void TExportOptionsDialogTest::Reset_Maps_To_Controls_data()
{
    QTest::addColumn<bool>("changed_only");
    QTest::addColumn<bool>("original_values");
    QTest::addColumn<bool>("matches_import");

    QTest::newRow("all false") << false << false << false;
    QTest::newRow("changed only") << true << false << false;
    QTest::newRow("original values") << false << true << false;
    QTest::newRow("matches import") << false << false << true;
    QTest::newRow("all true") << true << true << true;
}

void TExportOptionsDialogTest::Reset_Maps_To_Controls()
{
    QFETCH(bool, changed_only);
    QFETCH(bool, original_values);
    QFETCH(bool, matches_import);

    TExportOptionsDialog dialog;
    // From the opposite state, so that each control has to move.
    dialog.Reset(Utilities::TExportOptions{!changed_only, !original_values, !matches_import});
    dialog.Reset(Utilities::TExportOptions{changed_only, original_values, matches_import});

    QCOMPARE(Child<QRadioButton>(dialog, "changed_only_radio")->isChecked(), changed_only);
    QCOMPARE(Child<QRadioButton>(dialog, "export_all_radio")->isChecked(), !changed_only);
    QCOMPARE(Child<QCheckBox>(dialog, "original_values_check")->isChecked(), original_values);
    QCOMPARE(Child<QCheckBox>(dialog, "matches_import_check")->isChecked(), matches_import);

    const Utilities::TExportOptions options = dialog.Export_Options();
    QCOMPARE(options.changed_only, changed_only);
    QCOMPARE(options.original_values, original_values);
    QCOMPARE(options.matches_import, matches_import);
}

void TExportOptionsDialogTest::Radio_Buttons_Exclude_Each_Other()
{
    TExportOptionsDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    Child<QRadioButton>(dialog, "export_all_radio")->click();
    QVERIFY(!Child<QRadioButton>(dialog, "changed_only_radio")->isChecked());
    QVERIFY(!dialog.Export_Options().changed_only);
    Child<QRadioButton>(dialog, "changed_only_radio")->click();
    QVERIFY(!Child<QRadioButton>(dialog, "export_all_radio")->isChecked());
    QVERIFY(dialog.Export_Options().changed_only);
}

void TExportOptionsDialogTest::Check_Boxes_Stay_Enabled_For_Both_Choices()
{
    TExportOptionsDialog dialog;
    for (bool changed_only : {true, false})
    {
        dialog.Reset(Utilities::TExportOptions{changed_only, false, true});
        QVERIFY(Child<QCheckBox>(dialog, "original_values_check")->isEnabled());
        QVERIFY(Child<QCheckBox>(dialog, "matches_import_check")->isEnabled());
        QCOMPARE(dialog.Export_Options().original_values, false);
        QCOMPARE(dialog.Export_Options().matches_import, true);
    }
}

void TExportOptionsDialogTest::Buttons_Close_The_Dialog_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");

    QTest::newRow("continue accepts") << QStringLiteral("continue_button") << 0 << int(QDialog::Accepted);
    QTest::newRow("cancel rejects") << QStringLiteral("cancel_button") << 0 << int(QDialog::Rejected);
    QTest::newRow("enter continues") << QString() << int(Qt::Key_Return) << int(QDialog::Accepted);
    QTest::newRow("escape cancels") << QString() << int(Qt::Key_Escape) << int(QDialog::Rejected);
}

void TExportOptionsDialogTest::Buttons_Close_The_Dialog()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(int, result);

    TExportOptionsDialog dialog;
    dialog.setResult(-1);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy finished(&dialog, &QDialog::finished);

    if (!button.isEmpty())
    {
        dialog.findChild<QPushButton*>(button)->click();
    }
    else
    {
        // Offscreen focus is not reliable, so the key goes to the dialog itself.
        QTest::keyClick(&dialog, static_cast<Qt::Key>(key));
    }

    QCOMPARE(finished.count(), 1);
    QCOMPARE(dialog.result(), result);
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TExportOptionsDialogTest)
#include "tst_exportoptionsdialog.moc"
