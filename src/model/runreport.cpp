#include "runreport.h"

#include "parametercomparison.h"
#include "ruleoperator.h"
#include "utilities.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QLocale>

namespace
{
const char* const TITLE = QT_TRANSLATE_NOOP("TRunReport", "Rule Report");
const char* const PASS_COLOUR = "#1b7a1b";
const char* const FAIL_COLOUR = "#c00000";

// A value the run never computed (it stopped at an invalid expression before it) is shown as a dash.
QString Value_Cell(bool valid, double value)
{
    return valid ? QString::number(value, 'f', 6) : QStringLiteral("-");
}

QString Html_Cell(const QString& text, const char* align = "left")
{
    return QStringLiteral("<td align=\"%1\">%2</td>").arg(QLatin1String(align), text.toHtmlEscaped());
}

// A second, smaller line under a cell's text: what an operator tests, why a rule is invalid.
QString Small_Line(const QString& text)
{
    return text.isEmpty() ? QString() : QStringLiteral("<br><small>%1</small>").arg(text.toHtmlEscaped());
}

// A value kept on one line, with the expression it came from under it.
QString Value_Html_Cell(const QString& value, const QString& expression)
{
    return QStringLiteral("<td align=\"right\"><span style=\"white-space:nowrap\">%1</span>%2</td>")
        .arg(value.toHtmlEscaped(), Small_Line(expression));
}

QString Html_Cell_With_Line(const QString& text, const QString& second_line)
{
    return QStringLiteral("<td align=\"left\">%1%2</td>").arg(text.toHtmlEscaped(), Small_Line(second_line));
}
} // namespace

TRunReport::TRunReport(const QString& parameter_file, const QString& group, const QDateTime& time,
                       const std::vector<TRules::TRuleItem>& rules, const TRuleRun::TGroupResult& run,
                       const std::vector<TEditedValue>& edited)
    : d_parameter_file(parameter_file), d_group(group), d_time(time), d_rules(rules), d_run(run),
      d_edited(edited)
{
}

std::vector<TRunReport::TEditedValue> TRunReport::Changed_Values(const TParameters& parameters)
{
    std::vector<TEditedValue> edited;
    for (const TParameters::TParameter& parameter : parameters.Parameters())
    {
        if (parameter.changed)
        {
            TEditedValue value;
            value.key = parameter.key;
            value.file_values = TParameterComparison::Values_Text(
                TParameterComparison::Values_Of(parameters.Loaded_Parameter(parameter.key)));
            value.checked_values =
                TParameterComparison::Values_Text(TParameterComparison::Values_Of(parameter));
            edited.push_back(value);
        }
    }
    return edited;
}

TRunReport::TFormat TRunReport::Format_Of_File(const QString& file_name)
{
    const QString suffix = QFileInfo(file_name).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
    {
        return FORMAT_PDF;
    }
    if (suffix == QLatin1String("html") || suffix == QLatin1String("htm"))
    {
        return FORMAT_HTML;
    }
    return FORMAT_TEXT;
}

std::vector<TRunReport::TRow> TRunReport::Rows() const
{
    std::vector<TRow> rows;
    rows.reserve(d_run.results.size());
    for (size_t index = 0; index < d_run.results.size(); ++index)
    {
        const TRuleRun::TRuleResult& result = d_run.results[index];
        TRow row;
        row.name = result.name;
        row.left = Value_Cell(result.left_valid, result.left_value);
        row.right = Value_Cell(result.left_valid && result.right_valid, result.right_value);
        if (index < d_rules.size())
        {
            const TRules::TRuleItem& rule = d_rules[index];
            row.left_expression = rule.left_expression;
            row.right_expression = rule.right_expression;
            row.operator_name = TRuleRun::Operator_Name(rule.operator_type);
            if (const TRuleOperator* rule_operator = TRuleOperator::Of(rule.operator_type))
            {
                row.operator_test = rule_operator->test;
            }
        }
        row.outcome = result.outcome;
        row.reason = result.reason;
        rows.push_back(row);
    }
    return rows;
}

QString TRunReport::Parameter_File_Text() const
{
    return d_parameter_file.isEmpty() ? TRunReport::tr("(none loaded)")
                                      : QDir::toNativeSeparators(d_parameter_file);
}

QString TRunReport::Time_Text() const
{
    return QLocale::c().toString(d_time, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString TRunReport::Edited_Values_Html() const
{
    if (d_edited.empty())
    {
        return QString();
    }
    QString html =
        QStringLiteral("<p><b>%1</b> %2</p>\n"
                       "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n"
                       "<tr><th align=\"left\">%3</th><th align=\"left\">%4</th>"
                       "<th align=\"left\">%5</th></tr>\n")
            .arg(TRunReport::tr("The values checked are not those of the file on disk."),
                 TRunReport::tr("These parameters were edited and not saved:"), TRunReport::tr("Parameter"),
                 TRunReport::tr("Value in the file"), TRunReport::tr("Value checked"));
    for (const TEditedValue& value : d_edited)
    {
        html += QStringLiteral("<tr>") + Html_Cell(value.key) + Html_Cell(value.file_values) +
                Html_Cell(value.checked_values) + QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n<p></p>\n");
}

QString TRunReport::Html() const
{
    QString html = QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                                  "<title>%1</title>\n</head>\n<body>\n<h2>%1</h2>\n")
                       .arg(TRunReport::tr(TITLE));
    html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">\n");
    const QString heading_row = QStringLiteral("<tr><td><b>%1</b></td>%2</tr>\n");
    html += heading_row.arg(TRunReport::tr("Parameter file"), Html_Cell(Parameter_File_Text()));
    html += heading_row.arg(TRunReport::tr("Rule group"), Html_Cell(d_group));
    html += heading_row.arg(TRunReport::tr("Date and time"), Html_Cell(Time_Text()));
    html += QStringLiteral("</table>\n<p></p>\n");
    html += Edited_Values_Html();
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n"
                           "<tr><th align=\"left\">%1</th><th align=\"right\">%2</th>"
                           "<th align=\"left\">%3</th><th align=\"right\">%4</th>"
                           "<th align=\"left\">%5</th></tr>\n")
                .arg(TRunReport::tr("Rule"), TRunReport::tr("Left value"), TRunReport::tr("Operator"),
                     TRunReport::tr("Right value"), TRunReport::tr("Outcome"));
    for (const TRow& row : Rows())
    {
        const char* colour = row.outcome == TRuleRun::OUTCOME_PASS ? PASS_COLOUR : FAIL_COLOUR;
        html += QStringLiteral("<tr>") + Html_Cell(row.name) +
                Value_Html_Cell(row.left, row.left_expression) +
                Html_Cell_With_Line(row.operator_name, row.operator_test) +
                Value_Html_Cell(row.right, row.right_expression) +
                QStringLiteral("<td><span style=\"color:%1; font-weight:bold\">%2</span>%3</td></tr>\n")
                    .arg(QLatin1String(colour), TRuleRun::Outcome_Name(row.outcome), Small_Line(row.reason));
    }
    html += QStringLiteral("</table>\n<p><b>%1</b></p>\n</body>\n</html>\n").arg(d_run.totals.Text());
    return html;
}

QString TRunReport::Text() const
{
    QStringList lines;
    lines << TRunReport::tr(TITLE) << QString();
    lines << TRunReport::tr("Parameter file: %1").arg(Parameter_File_Text());
    lines << TRunReport::tr("Rule group:     %1").arg(d_group);
    lines << TRunReport::tr("Date and time:  %1").arg(Time_Text()) << QString();
    if (!d_edited.empty())
    {
        lines << TRunReport::tr("The values checked are not those of the file on disk.");
        lines << TRunReport::tr(
            "These parameters were edited and not saved (value in the file -> value checked):");
        for (const TEditedValue& value : d_edited)
        {
            lines << QStringLiteral("  %1: %2 -> %3").arg(value.key, value.file_values, value.checked_values);
        }
        lines << QString();
    }

    // Columns as wide as their widest cell, two blanks apart; the values are right-aligned.
    const std::vector<TRow> rows = Rows();
    QStringList heading = {TRunReport::tr("Rule"), TRunReport::tr("Left value"), TRunReport::tr("Operator"),
                           TRunReport::tr("Right value"), TRunReport::tr("Outcome")};
    std::vector<QStringList> table{heading};
    for (const TRow& row : rows)
    {
        table.push_back(
            {row.name, row.left, row.operator_name, row.right, TRuleRun::Outcome_Name(row.outcome)});
    }
    std::vector<int> widths(heading.size(), 0);
    for (const QStringList& cells : table)
    {
        for (int column = 0; column < cells.size(); ++column)
        {
            widths[column] = std::max(widths[column], static_cast<int>(cells.at(column).size()));
        }
    }
    for (const QStringList& cells : table)
    {
        QStringList padded;
        for (int column = 0; column < cells.size(); ++column)
        {
            const bool value_column = column == 1 || column == 3;
            padded << (value_column ? cells.at(column).rightJustified(widths[column])
                                    : cells.at(column).leftJustified(widths[column]));
        }
        QString line = padded.join(QStringLiteral("  "));
        while (line.endsWith(QLatin1Char(' ')))
        {
            line.chop(1);
        }
        lines << line;
    }
    lines << QString() << d_run.totals.Text();
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool TRunReport::Write(const QString& file_name, TFormat format) const
{
    if (format == FORMAT_PDF)
    {
        d_last_error = TRunReport::tr("A PDF report is laid out by the window");
        return false;
    }
    const QByteArray content = (format == FORMAT_HTML ? Html() : Text()).toUtf8();
    return Utilities::Save_File(
        file_name, [&content](QIODevice* device) { return device->write(content) == content.size(); },
        &d_last_error);
}
