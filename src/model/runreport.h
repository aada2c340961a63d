#pragma once

#include "parameters.h"
#include "rulerun.h"
#include "rules.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <vector>

// A finished run of a rule group as a document to hand to a customer: the parameter file, the group,
// when it ran, the parameters whose checked values are not those of the file, a table of the rules
// with their two values and outcome, and the totals. The HTML form, which the PDF is laid out from,
// also gives each rule's expressions, what its operator tests and why an invalid rule is invalid.
class TRunReport
{
    // Its words, in the window's language where a translator is installed (the command line has none).
    Q_DECLARE_TR_FUNCTIONS(TRunReport)

public:
    enum TFormat
    {
        FORMAT_TEXT = 0,
        FORMAT_HTML = 1,
        FORMAT_PDF = 2
    };

    // A parameter whose checked values are not those of the file on disk: the report says so, so that
    // a customer never takes a check of unsaved edits for a check of the file.
    struct TEditedValue
    {
        QString key;
        QString file_values; // "250, 250, 125"
        QString checked_values;
    };

    TRunReport() = default;
    // `rules` are the rules that were run, in the order of `run.results`; `edited` the parameters whose
    // values were checked as edited, not as the file holds them.
    TRunReport(const QString& parameter_file, const QString& group, const QDateTime& time,
               const std::vector<TRules::TRuleItem>& rules, const TRuleRun::TGroupResult& run,
               const std::vector<TEditedValue>& edited = {});

    // The parameters changed since the list was loaded, in list order, with their loaded and current
    // values.
    static std::vector<TEditedValue> Changed_Values(const TParameters& parameters);

    // Chosen by the file name: ".pdf", ".html" or ".htm" (in any case), text for every other name.
    static TFormat Format_Of_File(const QString& file_name);

    QString Group() const { return d_group; }
    const TRuleRun::TTotals& Totals() const { return d_run.totals; }
    QString Html() const;
    QString Text() const;
    // Writes the HTML or the text form whole or not at all. The PDF needs a paint device; the window
    // lays it out from Html().
    bool Write(const QString& file_name, TFormat format) const;
    QString Last_Error() const { return d_last_error; }

private:
    struct TRow
    {
        QString name;
        QString left_expression;
        QString left;
        QString operator_name;
        QString operator_test;
        QString right_expression;
        QString right;
        TRuleRun::TOutcome outcome = TRuleRun::OUTCOME_INVALID;
        QString reason;
    };

    std::vector<TRow> Rows() const;
    QString Parameter_File_Text() const;
    QString Time_Text() const;
    QString Edited_Values_Html() const;

    QString d_parameter_file;
    QString d_group;
    QDateTime d_time;
    std::vector<TRules::TRuleItem> d_rules;
    TRuleRun::TGroupResult d_run;
    std::vector<TEditedValue> d_edited;
    mutable QString d_last_error;
};
