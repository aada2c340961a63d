#include "fleetreport.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamWriter>

#include <cmath>

namespace
{
// JSON has no NaN or infinity: those go as the report writes them; a value never computed is null.
QJsonValue Value_Json(bool valid, double value)
{
    if (!valid)
    {
        return QJsonValue();
    }
    if (!std::isfinite(value))
    {
        return QString::number(value);
    }
    return value;
}

void Insert_Totals(QJsonObject* object, const TRuleRun::TTotals& totals)
{
    object->insert(QStringLiteral("passed"), totals.passed);
    object->insert(QStringLiteral("failed"), totals.failed);
    object->insert(QStringLiteral("invalid"), totals.invalid);
}

// The rule's report after its name line, in one line: what a CI server shows as the failure's message.
QString Message(const TRuleRun::TRuleResult& result)
{
    QStringList texts;
    for (size_t i = 1; i < result.lines.size(); ++i)
    {
        texts << result.lines[i].text.simplified();
    }
    return texts.join(QStringLiteral("; "));
}

QString Details(const TRuleRun::TRuleResult& result)
{
    QStringList texts;
    for (const TRuleRun::TReportLine& line : result.lines)
    {
        texts << line.text;
    }
    return texts.join(QLatin1Char('\n')).trimmed();
}

void Write_Counts(QXmlStreamWriter* writer, int tests, int failures, int errors)
{
    writer->writeAttribute(QStringLiteral("tests"), QString::number(tests));
    writer->writeAttribute(QStringLiteral("failures"), QString::number(failures));
    writer->writeAttribute(QStringLiteral("errors"), QString::number(errors));
}
} // namespace

QByteArray TFleetReport::Json(const QString& group, const std::vector<TFleetCheck::TFileResult>& results)
{
    QJsonArray files;
    for (const TFleetCheck::TFileResult& file : results)
    {
        QJsonObject entry;
        entry.insert(QStringLiteral("file"), QFileInfo(file.file_name).absoluteFilePath());
        entry.insert(QStringLiteral("loaded"), file.loaded);
        if (!file.loaded)
        {
            entry.insert(QStringLiteral("error"), file.error);
            files.append(entry);
            continue;
        }
        QJsonArray rules;
        for (const TRuleRun::TRuleResult& result : file.run.results)
        {
            QJsonObject rule;
            rule.insert(QStringLiteral("name"), result.name);
            rule.insert(QStringLiteral("outcome"), TRuleRun::Outcome_Name(result.outcome).toLower());
            rule.insert(QStringLiteral("left"), Value_Json(result.left_valid, result.left_value));
            rule.insert(QStringLiteral("right"), Value_Json(result.right_valid, result.right_value));
            rules.append(rule);
        }
        entry.insert(QStringLiteral("rules"), rules);
        QJsonObject totals;
        Insert_Totals(&totals, file.run.totals);
        entry.insert(QStringLiteral("totals"), totals);
        files.append(entry);
    }

    const TFleetCheck::TTotals fleet = TFleetCheck::Totals(results);
    QJsonObject totals;
    totals.insert(QStringLiteral("files"), fleet.files);
    totals.insert(QStringLiteral("passed_files"), fleet.passed_files);
    totals.insert(QStringLiteral("failed_files"), fleet.failed_files);
    totals.insert(QStringLiteral("not_loaded"), fleet.not_loaded);
    Insert_Totals(&totals, fleet.rules);

    QJsonObject document;
    document.insert(QStringLiteral("group"), group);
    document.insert(QStringLiteral("files"), files);
    document.insert(QStringLiteral("totals"), totals);
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

bool TFleetReport::Write_Junit(const QString& group, const std::vector<TFleetCheck::TFileResult>& results,
                               QIODevice* device)
{
    const TFleetCheck::TTotals fleet = TFleetCheck::Totals(results);
    QXmlStreamWriter writer(device);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("testsuites"));
    writer.writeAttribute(QStringLiteral("name"), group);
    Write_Counts(&writer, fleet.rules.passed + fleet.rules.failed + fleet.rules.invalid + fleet.not_loaded,
                 fleet.rules.failed, fleet.rules.invalid + fleet.not_loaded);

    for (const TFleetCheck::TFileResult& file : results)
    {
        const QString suite = QDir::toNativeSeparators(file.file_name);
        writer.writeStartElement(QStringLiteral("testsuite"));
        writer.writeAttribute(QStringLiteral("name"), suite);
        if (!file.loaded)
        {
            // The file itself is the one test that could not run.
            Write_Counts(&writer, 1, 0, 1);
            writer.writeStartElement(QStringLiteral("testcase"));
            writer.writeAttribute(QStringLiteral("name"), QStringLiteral("load"));
            writer.writeAttribute(QStringLiteral("classname"), suite);
            writer.writeStartElement(QStringLiteral("error"));
            writer.writeAttribute(QStringLiteral("type"), QStringLiteral("not loaded"));
            writer.writeAttribute(QStringLiteral("message"), file.error);
            writer.writeEndElement();
            writer.writeEndElement();
            writer.writeEndElement();
            continue;
        }
        const TRuleRun::TTotals& totals = file.run.totals;
        Write_Counts(&writer, static_cast<int>(file.run.results.size()), totals.failed, totals.invalid);
        for (const TRuleRun::TRuleResult& result : file.run.results)
        {
            writer.writeStartElement(QStringLiteral("testcase"));
            writer.writeAttribute(QStringLiteral("name"), result.name);
            writer.writeAttribute(QStringLiteral("classname"), suite);
            if (result.outcome != TRuleRun::OUTCOME_PASS)
            {
                writer.writeStartElement(result.outcome == TRuleRun::OUTCOME_FAIL ? QStringLiteral("failure")
                                                                                  : QStringLiteral("error"));
                writer.writeAttribute(QStringLiteral("type"), TRuleRun::Outcome_Name(result.outcome));
                writer.writeAttribute(QStringLiteral("message"), Message(result));
                writer.writeCharacters(Details(result));
                writer.writeEndElement();
            }
            writer.writeEndElement();
        }
        writer.writeEndElement();
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    return !writer.hasError();
}
