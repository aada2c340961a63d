#include "dialogtesting.h"
#include "messagebox.h"

#include <QPushButton>
#include <QTest>

class TMessageBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void Rich_Text_Wrapping();
    void Fixed_Width_When_Shown();
    void Queued_Answers_In_Order();
    void Choice_data();
    void Choice();
};

void TMessageBoxTest::cleanup()
{
    TMessageBox::Clear_Answers();
}

void TMessageBoxTest::Rich_Text_Wrapping()
{
    TMessageBox box;
    box.setText(QStringLiteral("Clear loaded parameter file?"));
    box.setInformativeText(QStringLiteral("All edits are lost."));
    QCOMPARE(box.textFormat(), Qt::RichText);
    QCOMPARE(box.text(), QStringLiteral("<span style=\"font-size:10pt; font-weight:600; color:#000000;\" >"
                                        "Clear loaded parameter file?</span>"));
    QCOMPARE(box.informativeText(), QStringLiteral("<span style=\"font-size:10pt; font-weight:400; "
                                                   "color:#000000;\" >All edits are lost.</span>"));
    QCOMPARE(box.styleSheet(), QStringLiteral("dialogbuttonbox-buttons-have-icons: 0;\nbutton-layout: 1;"));
}

void TMessageBoxTest::Fixed_Width_When_Shown()
{
    TMessageBox box;
    box.setText(QStringLiteral("A question long enough to make the box wider than it should be if nothing "
                               "held its width at five hundred pixels, so it has to wrap on several lines."));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.width(), 500);
    box.resize(800, box.height());
    QCOMPARE(box.width(), 500);
}

void TMessageBoxTest::Queued_Answers_In_Order()
{
    TMessageBox box;
    TMessageBox::Queue_Answer(QMessageBox::No);
    TMessageBox::Queue_Answer(QMessageBox::Yes);
    QCOMPARE(TMessageBox::Pending_Answers(), 2);
    QCOMPARE(box.exec(), int(QMessageBox::No));
    QCOMPARE(box.exec(), int(QMessageBox::Yes));
    QCOMPARE(TMessageBox::Pending_Answers(), 0);
    QVERIFY(!box.isVisible());

    TMessageBox::Queue_Answer(QMessageBox::Ok);
    TMessageBox::Clear_Answers();
    QCOMPARE(TMessageBox::Pending_Answers(), 0);
}

void TMessageBoxTest::Choice_data()
{
    // A button's text to click, or a key to press.
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("answer");

    QTest::newRow("button clicked") << "Replace" << int(QMessageBox::Yes);
    QTest::newRow("Return: the first answer") << "Return" << int(QMessageBox::Apply);
    QTest::newRow("Escape: the last answer") << "Escape" << int(QMessageBox::Ignore);
}

void TMessageBoxTest::Choice()
{
    QFETCH(QString, action);
    QFETCH(int, answer);

    TMessageBox box;
    QStringList texts;
    const auto answered = Testing::Answer_Next_Dialog(
        [&texts, action](QDialog* dialog)
        {
            QPushButton* clicked = nullptr;
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
            {
                texts << button->text();
                if (button->text() == action)
                {
                    clicked = button;
                }
            }
            if (clicked)
            {
                clicked->click();
            }
            else
            {
                QTest::keyClick(dialog, action == QLatin1String("Escape") ? Qt::Key_Escape : Qt::Key_Return);
            }
        });
    const QMessageBox::StandardButton result =
        box.Ask_Choice(QStringLiteral("A rule group named \"Main\" exists already."), QString(),
                       {{QMessageBox::Apply, QStringLiteral("Keep Both")},
                        {QMessageBox::Yes, QStringLiteral("Replace")},
                        {QMessageBox::Ignore, QStringLiteral("Skip")}});
    QVERIFY(*answered);
    QCOMPARE(int(result), answer);
    texts.sort();
    QCOMPARE(texts,
             (QStringList{QStringLiteral("Keep Both"), QStringLiteral("Replace"), QStringLiteral("Skip")}));

    // The next question has its own buttons again.
    TMessageBox::Queue_Answer(QMessageBox::No);
    QVERIFY(!box.Ask_Question(QStringLiteral("Delete selected group of rules?"), QString()));
    QVERIFY(box.button(QMessageBox::Yes)->text() != QLatin1String("Replace"));
    QVERIFY(!box.button(QMessageBox::Apply));
}

QTEST_MAIN(TMessageBoxTest)
#include "tst_messagebox.moc"
