#include "filebytes.h"
#include "testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TFileBytesTest : public QObject
{
    Q_OBJECT

private slots:
    void Text_Mode_View_data();
    void Text_Mode_View();
    void Write_Atomically_data();
    void Write_Atomically();
    void Read_Missing_File();
};

void TFileBytesTest::Text_Mode_View_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("line feeds only") << QByteArray("a\nb\n") << QByteArray("a\nb\n");
    QTest::newRow("CRLF") << QByteArray("a\r\nb\r\n") << QByteArray("a\nb\n");
    QTest::newRow("lone carriage return inside a line") << QByteArray("1\r2\n\r") << QByteArray("12\n");
}

void TFileBytesTest::Text_Mode_View()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, expected);
    QCOMPARE(FileBytes::Without_Carriage_Returns(content), expected);
}

void TFileBytesTest::Write_Atomically_data()
{
    QTest::addColumn<QByteArray>("previous"); // empty: no file before
    QTest::addColumn<bool>("write_succeeds");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("new file") << QByteArray() << true << QByteArray("new content\n");
    QTest::newRow("longer old file replaced whole")
        << QByteArray(10000, 'x') << true << QByteArray("new content\n");
    QTest::newRow("failed write keeps the old file")
        << QByteArray("old content\n") << false << QByteArray("old content\n");
    QTest::newRow("failed write makes no file") << QByteArray() << false << QByteArray();
}

void TFileBytesTest::Write_Atomically()
{
    QFETCH(QByteArray, previous);
    QFETCH(bool, write_succeeds);
    QFETCH(QByteArray, expected);

    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString path = directory.filePath(QStringLiteral("target.asc"));
    if (!previous.isEmpty())
    {
        QVERIFY(Testing::Write_File(path, previous));
    }
    QString reason;
    const bool written = FileBytes::Write_Atomically(
        path,
        [write_succeeds](QIODevice* device)
        {
            // Half the content reaches the device before the failure, as when a disk fills up.
            device->write("new ");
            return write_succeeds && device->write("content\n") == 8;
        },
        &reason);
    QCOMPARE(written, write_succeeds);
    QCOMPARE(reason.isEmpty(), write_succeeds);
    QCOMPARE(Testing::Read_File(path), expected);
    // Nothing is left beside the file, whatever happened.
    const QStringList files = QDir(directory.path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(files, expected.isEmpty() ? QStringList() : QStringList{QStringLiteral("target.asc")});
}

void TFileBytesTest::Read_Missing_File()
{
    QByteArray content;
    QString reason;
    QVERIFY(!FileBytes::Read(QStringLiteral("/nonexistent/file.asc"), &content, &reason));
    QCOMPARE(reason, QStringLiteral("No such file or directory"));
}

QTEST_GUILESS_MAIN(TFileBytesTest)
#include "tst_filebytes.moc"
