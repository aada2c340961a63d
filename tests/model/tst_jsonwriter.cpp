#include "jsonwriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>

Q_DECLARE_METATYPE(QJsonValue)

// Scripts read the listings as they were written when the whole document was built first: the writer
// must give the same bytes as QJsonDocument for every kind of value.
class TJsonWriterTest : public QObject
{
    Q_OBJECT

private slots:
    void Same_Bytes_As_Qt_data();
    void Same_Bytes_As_Qt();
};

void TJsonWriterTest::Same_Bytes_As_Qt_data()
{
    QTest::addColumn<QJsonValue>("document");
    QTest::addColumn<int>("least_pieces");

    const double infinity = std::numeric_limits<double>::infinity();
    QTest::newRow("empty object") << QJsonValue(QJsonObject()) << 1;
    QTest::newRow("empty array") << QJsonValue(QJsonArray()) << 1;
    QTest::newRow("empty containers inside")
        << QJsonValue(QJsonObject{{"a", QJsonArray()}, {"b", QJsonObject()}, {"c", QJsonArray{QJsonArray()}}})
        << 1;
    QTest::newRow("whole numbers") << QJsonValue(QJsonArray{0.0, -0.0, 1, -5, 2048, 2147483648.0, 1e15,
                                                            9007199254740991.0, 9007199254740992.0,
                                                            9007199254740994.0, 1e17, 123456789012345678.0,
                                                            1e20, -1e300, std::numeric_limits<double>::max()})
                                   << 1;
    QTest::newRow("fractions") << QJsonValue(QJsonArray{0.1, -2.5, 1e-7, 125.123456789, 0.000001, 1.5e-300,
                                                        std::numeric_limits<double>::denorm_min(),
                                                        9007199254740991.5 / 2.0})
                               << 1;
    QTest::newRow("no NaN or infinity in JSON")
        << QJsonValue(QJsonArray{std::nan(""), infinity, -infinity}) << 1;
    QTest::newRow("texts that need escapes")
        << QJsonValue(QJsonArray{"a\"b", "back\\slash", "\b\f\n\r\t", QStringLiteral("\x01\x1f\x7f"), "/<>&",
                                 QString()})
        << 1;
    QTest::newRow("texts beyond ASCII")
        << QJsonValue(QJsonArray{QString::fromUtf8("Ma\xC3\x9F"), QString::fromUtf8("\xE2\x82\xAC 5"),
                                 QString(QString(QChar(0xD800)) + QStringLiteral("x")),
                                 QString::fromUtf8("\xF0\x9D\x84\x9E")})
        << 1;
    QTest::newRow("keys that need escapes")
        << QJsonValue(QJsonObject{{QString::fromUtf8("\xC3\xA4"), 1}, {"a\"b", 2}, {"", 3}}) << 1;
    QTest::newRow("booleans and null") << QJsonValue(QJsonArray{true, false, QJsonValue()}) << 1;

    // Random bit patterns cover every magnitude, subnormals and long mantissas included.
    QRandomGenerator random(26);
    QJsonArray doubles;
    while (doubles.size() < 4000)
    {
        const quint64 bits = random.generate64();
        double value = 0.0;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value))
        {
            doubles.append(value);
        }
        // Whole and nearly whole numbers near the limits where their form changes.
        doubles.append(std::ldexp(double(random.bounded(1 << 20)), int(random.bounded(70))));
    }
    QTest::newRow("random doubles, written in pieces") << QJsonValue(doubles) << 2;

    QJsonArray records;
    for (int index = 0; index < 3000; ++index)
    {
        records.append(QJsonObject{{"key", QStringLiteral("AXIS_GAIN_%1").arg(index)},
                                   {"number", index % 150},
                                   {"values", QJsonArray{index * 0.5, -17}}});
    }
    QTest::newRow("a long listing, written in pieces")
        << QJsonValue(QJsonObject{{"parameters", records}}) << 3;
}

void TJsonWriterTest::Same_Bytes_As_Qt()
{
    QFETCH(QJsonValue, document);
    QFETCH(int, least_pieces);

    QByteArray written;
    int pieces = 0;
    TJsonWriter writer(
        [&](const QByteArray& piece)
        {
            written += piece;
            ++pieces;
        });
    writer.Value(document);
    writer.Finish();

    const QByteArray expected = document.isArray() ? QJsonDocument(document.toArray()).toJson()
                                                   : QJsonDocument(document.toObject()).toJson();
    QCOMPARE(written, expected);
    QVERIFY2(pieces >= least_pieces, qPrintable(QString::number(pieces)));
}

QTEST_APPLESS_MAIN(TJsonWriterTest)
#include "tst_jsonwriter.moc"
