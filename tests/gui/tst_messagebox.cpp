#include "messagebox.h"

#include <QTest>

class TMessageBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void Rich_Text_Wrapping();
    void Fixed_Width_When_Shown();
    void Queued_Answers_In_Order();
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

QTEST_MAIN(TMessageBoxTest)
#include "tst_messagebox.moc"
