#include "runreport.h"

#include "utilities.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QLocale>

namespace
{
const char* const TITLE = "Rule Report";
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
} // namespace

TRunReport::TRunReport(const QString& parameter_file, const QString& group, const QDateTime& time,
                       const std::vector<TRules::TRuleItem>& rules, const TRuleRun::TGroupResult& run)
    : d_parameter_file(parameter_file), d_group(group), d_time(time), d_rules(rules), d_run(run)
{
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
            row.operator_name = TRuleRun::Operator_Name(d_rules[index].operator_type);
        }
        row.outcome = result.outcome;
        rows.push_back(row);
    }
    return rows;
}

QString TRunReport::Parameter_File_Text() const
{
    return d_parameter_file.isEmpty() ? QStringLiteral("(none loaded)")
                                      : QDir::toNativeSeparators(d_parameter_file);
}

QString TRunReport::Time_Text() const
{
    return QLocale::c().toString(d_time, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString TRunReport::Html() const
{
    QString html = QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                                  "<title>%1</title>\n</head>\n<body>\n<h2>%1</h2>\n")
                       .arg(QLatin1String(TITLE));
    html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">\n");
    const QString heading_row = QStringLiteral("<tr><td><b>%1</b></td>%2</tr>\n");
    html += heading_row.arg(QStringLiteral("Parameter file"), Html_Cell(Parameter_File_Text()));
    html += heading_row.arg(QStringLiteral("Rule group"), Html_Cell(d_group));
    html += heading_row.arg(QStringLiteral("Date and time"), Html_Cell(Time_Text()));
    html += QStringLiteral("</table>\n<p></p>\n<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n"
                           "<tr><th align=\"left\">Rule</th><th align=\"right\">Left value</th>"
                           "<th align=\"left\">Operator</th><th align=\"right\">Right value</th>"
                           "<th align=\"left\">Outcome</th></tr>\n");
    for (const TRow& row : Rows())
    {
        const char* colour = row.outcome == TRuleRun::OUTCOME_PASS ? PASS_COLOUR : FAIL_COLOUR;
        html += QStringLiteral("<tr>") + Html_Cell(row.name) + Html_Cell(row.left, "right") +
                Html_Cell(row.operator_name) + Html_Cell(row.right, "right") +
                QStringLiteral("<td><span style=\"color:%1; font-weight:bold\">%2</span></td></tr>\n")
                    .arg(QLatin1String(colour), TRuleRun::Outcome_Name(row.outcome));
    }
    html += QStringLiteral("</table>\n<p><b>%1</b></p>\n</body>\n</html>\n").arg(d_run.totals.Text());
    return html;
}

QString TRunReport::Text() const
{
    QStringList lines;
    lines << QLatin1String(TITLE) << QString();
    lines << QStringLiteral("Parameter file: %1").arg(Parameter_File_Text());
    lines << QStringLiteral("Rule group:     %1").arg(d_group);
    lines << QStringLiteral("Date and time:  %1").arg(Time_Text()) << QString();

    // Columns as wide as their widest cell, two blanks apart; the values are right-aligned.
    const std::vector<TRow> rows = Rows();
    QStringList heading = {QStringLiteral("Rule"), QStringLiteral("Left value"), QStringLiteral("Operator"),
                           QStringLiteral("Right value"), QStringLiteral("Outcome")};
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
        d_last_error = QStringLiteral("A PDF report is laid out by the window");
        return false;
    }
    const QByteArray content = (format == FORMAT_HTML ? Html() : Text()).toUtf8();
    return Utilities::Save_File(
        file_name, [&content](QIODevice* device) { return device->write(content) == content.size(); },
        &d_last_error);
}
