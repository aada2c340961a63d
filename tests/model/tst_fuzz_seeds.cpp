// Replays the checked-in fuzz seeds through the same checks the fuzz targets run, so that every
// input that once found a fault in a reader stays a regression test in the normal suite. A broken
// check aborts the run with the reason on standard error.

#include "fuzzharness.h"

#include "testconfig.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TFuzzSeedsTest : public QObject
{
    Q_OBJECT

private slots:
    void Seed_Keeps_Its_Promises_data();
    void Seed_Keeps_Its_Promises();
};

void TFuzzSeedsTest::Seed_Keeps_Its_Promises_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("path");

    const QDir corpus(QStringLiteral(VANTREL_FUZZ_CORPUS_DIR));
    QVERIFY2(corpus.exists(), qPrintable(corpus.path()));
    int seeds = 0;
    for (const QString& target : corpus.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
    {
        const QDir directory(corpus.filePath(target));
        for (const QString& file : directory.entryList(QDir::Files, QDir::Name))
        {
            QTest::newRow(qPrintable(target + QLatin1Char('/') + file)) << target << directory.filePath(file);
            ++seeds;
        }
    }
    QVERIFY(seeds >= 5);
}

void TFuzzSeedsTest::Seed_Keeps_Its_Promises()
{
    QFETCH(QString, target);
    QFETCH(QString, path);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    const auto* data = reinterpret_cast<const uint8_t*>(content.constData());
    const auto size = static_cast<size_t>(content.size());

    if (target == QLatin1String("constants"))
    {
        Fuzz::Constants(data, size);
    }
    else if (target == QLatin1String("settings"))
    {
        Fuzz::Settings(data, size);
    }
    else if (target == QLatin1String("save"))
    {
        Fuzz::Save(data, size);
    }
    else if (target == QLatin1String("rules"))
    {
        Fuzz::Rules(data, size);
    }
    else if (target == QLatin1String("xmlfile"))
    {
        Fuzz::Xml_File(data, size);
    }
    else if (target == QLatin1String("expression"))
    {
        Fuzz::Expression(data, size);
    }
    else
    {
        QFAIL(qPrintable(QStringLiteral("no harness for %1").arg(target)));
    }
}

QTEST_GUILESS_MAIN(TFuzzSeedsTest)
#include "tst_fuzz_seeds.moc"
