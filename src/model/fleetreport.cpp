#include "fleetreport.h"

#include <QDir>
#include <QFileInfo>
#include <QXmlStreamWriter>

#include <cmath>

namespace
{
// JSON has no NaN or infinity: those go as the report writes them; a value never computed is null.
void Write_Value(TJsonWriter* writer, bool valid, double value)
{
    if (!valid)
    {
        writer->Null();
    }
    else if (!std::isfinite(value))
    {
        writer->String(QString::number(value));
    }
    else
    {
        writer->Number(value);
    }
}

// Members in the order of their keys, as JSON objects have always been written here.
void Write_Rule_Totals(TJsonWriter* writer, const TRuleRun::TTotals& totals)
{
    writer->Key(QStringLiteral("failed"));
    writer->Integer(totals.failed);
    writer->Key(QStringLiteral("invalid"));
    writer->Integer(totals.invalid);
    writer->Key(QStringLiteral("passed"));
    writer->Integer(totals.passed);
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

void TFleetReport::Write_Json(const QString& group, const std::vector<TFleetCheck::TFileResult>& results,
                              int skipped, TJsonWriter* writer)
{
    writer->Begin_Object();
    writer->Key(QStringLiteral("files"));
    writer->Begin_Array();
    for (const TFleetCheck::TFileResult& file : results)
    {
        writer->Begin_Object();
        if (!file.loaded)
        {
            writer->Key(QStringLiteral("error"));
            writer->String(file.error);
        }
        writer->Key(QStringLiteral("file"));
        writer->String(QFileInfo(file.file_name).absoluteFilePath());
        writer->Key(QStringLiteral("loaded"));
        writer->Boolean(file.loaded);
        if (file.loaded)
        {
            writer->Key(QStringLiteral("rules"));
            writer->Begin_Array();
            for (const TRuleRun::TRuleResult& result : file.run.results)
            {
                writer->Begin_Object();
                writer->Key(QStringLiteral("left"));
                Write_Value(writer, result.left_valid, result.left_value);
                writer->Key(QStringLiteral("name"));
                writer->String(result.name);
                writer->Key(QStringLiteral("outcome"));
                writer->String(TRuleRun::Outcome_Name(result.outcome).toLower());
                writer->Key(QStringLiteral("right"));
                Write_Value(writer, result.right_valid, result.right_value);
                writer->End_Object();
            }
            writer->End_Array();
            writer->Key(QStringLiteral("totals"));
            writer->Begin_Object();
            Write_Rule_Totals(writer, file.run.totals);
            writer->End_Object();
        }
        writer->End_Object();
    }
    writer->End_Array();

    const TFleetCheck::TTotals fleet = TFleetCheck::Totals(results, skipped);
    writer->Key(QStringLiteral("group"));
    writer->String(group);
    writer->Key(QStringLiteral("totals"));
    writer->Begin_Object();
    writer->Key(QStringLiteral("failed"));
    writer->Integer(fleet.rules.failed);
    writer->Key(QStringLiteral("failed_files"));
    writer->Integer(fleet.failed_files);
    writer->Key(QStringLiteral("files"));
    writer->Integer(fleet.files);
    writer->Key(QStringLiteral("invalid"));
    writer->Integer(fleet.rules.invalid);
    writer->Key(QStringLiteral("not_loaded"));
    writer->Integer(fleet.not_loaded);
    writer->Key(QStringLiteral("passed"));
    writer->Integer(fleet.rules.passed);
    writer->Key(QStringLiteral("passed_files"));
    writer->Integer(fleet.passed_files);
    writer->Key(QStringLiteral("skipped_files"));
    writer->Integer(fleet.skipped);
    writer->End_Object();
    writer->End_Object();
    writer->Finish();
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
