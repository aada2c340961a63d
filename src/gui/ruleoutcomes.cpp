#include "ruleoutcomes.h"

#include "livecheck.h"
#include "parameterfilter.h"
#include "ruledisplay.h"
#include "ruleoperator.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace
{
// A key read by many failing rules names the first few in its tool tip; the table has them all.
const int MOST_NAMES_IN_TOOL_TIP = 8;

QString Rule_Summary(const TRules::TRuleItem& rule, const TRuleRun::TRuleResult& result,
                     const QString& reason)
{
    if (result.outcome == TRuleRun::OUTCOME_INVALID)
    {
        return reason;
    }
    const TRuleOperator* rule_operator = TRuleOperator::Of(rule.operator_type);
    return QStringLiteral("%1  %2  %3")
        .arg(RuleDisplay::Value_Text(result.left_value),
             rule_operator ? TRuleOperator::Shown(rule_operator->report_name) : QString(),
             RuleDisplay::Value_Text(result.right_value));
}
} // namespace

TRuleOutcomes::TRuleOutcomes(const TParameterDocument* document, QWidget* parent)
    : QObject(parent), d_check(new TLiveCheck(document, this))
{
    d_failing_only_check = new QCheckBox(tr("Failing rules only"), parent);
    d_failing_only_check->setObjectName(QStringLiteral("failing_only_check"));
    d_failing_only_check->setToolTip(
        tr("List only the parameters read by a failing or invalid rule of the group on show"));
    d_failing_only_check->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    Create_Detail_Box(parent);

    connect(d_failing_only_check, &QCheckBox::toggled, this, &TRuleOutcomes::Listing_Changed);
    connect(d_check, &TLiveCheck::Check_Started, this, &TRuleOutcomes::Results_Replaced);
    connect(d_check, &TLiveCheck::Results_Replaced, this, &TRuleOutcomes::Results_Replaced);
    connect(d_check, &TLiveCheck::Results_Changed, this, &TRuleOutcomes::Results_Changed);
}

void TRuleOutcomes::Create_Detail_Box(QWidget* parent)
{
    d_detail_box = new QGroupBox(tr("Rules using this parameter"), parent);
    d_detail_box->setObjectName(QStringLiteral("parameter_rules_box"));
    QVBoxLayout* layout = new QVBoxLayout(d_detail_box);

    d_rules_view = new QTableWidget(0, 2, d_detail_box);
    d_rules_view->setObjectName(QStringLiteral("parameter_rules_view"));
    d_rules_view->setAccessibleName(tr("Rules using this parameter"));
    d_rules_view->setHorizontalHeaderLabels({tr("Rule"), tr("Outcome")});
    d_rules_view->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    d_rules_view->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    d_rules_view->verticalHeader()->hide();
    d_rules_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    d_rules_view->setSelectionMode(QAbstractItemView::NoSelection);
    d_rules_view->setMinimumHeight(60);
    d_rules_view->setMaximumHeight(140);
    layout->addWidget(d_rules_view);

    d_rules_state_label = new QLabel(d_detail_box);
    d_rules_state_label->setObjectName(QStringLiteral("parameter_rules_label"));
    d_rules_state_label->setWordWrap(true);
    d_rules_state_label->setTextFormat(Qt::PlainText);
    layout->addWidget(d_rules_state_label);
    d_detail_box->hide();
}

TLiveCheck* TRuleOutcomes::Live_Check() const
{
    return d_check;
}

QCheckBox* TRuleOutcomes::Failing_Only_Check() const
{
    return d_failing_only_check;
}

QWidget* TRuleOutcomes::Detail_Box() const
{
    return d_detail_box;
}

bool TRuleOutcomes::Listing_Failing_Only() const
{
    return d_failing_only_check->isChecked();
}

void TRuleOutcomes::Join_Listing(TParameterFilter* filter) const
{
    filter->Set_Narrowing(
        TParameterFilter::NARROWING_FAILING_RULES, [this](const QString& key)
        { return !Listing_Failing_Only() || d_check->Is_Checking() || d_check->Read_By_Failing_Rule(key); });
}

void TRuleOutcomes::Mark_Entry(const QString& key, TParameterList::TEntryMarks* marks) const
{
    if (!d_check->Read_By_Failing_Rule(key))
    {
        return;
    }
    marks->foreground = RuleDisplay::Outcome_Colour(TRuleRun::OUTCOME_FAIL);
    QStringList names = d_check->Failing_Rules_Reading(key);
    const int count = names.size();
    if (count > MOST_NAMES_IN_TOOL_TIP)
    {
        names = names.mid(0, MOST_NAMES_IN_TOOL_TIP);
        names.append(tr("and %n more", nullptr, count - MOST_NAMES_IN_TOOL_TIP));
    }
    if (!marks->tool_tip.isEmpty())
    {
        marks->tool_tip += QLatin1Char('\n');
    }
    marks->tool_tip += tr("Read by failing or invalid rules: %1").arg(names.join(QStringLiteral(", ")));
}

void TRuleOutcomes::Show_Parameter(const QString& key)
{
    d_shown_key = key;
    Fill_Detail();
}

void TRuleOutcomes::Fill_Detail()
{
    d_rules_view->setRowCount(0);
    // Without rules in the group the box would only ever say that none reads the parameter.
    if (d_shown_key.isEmpty() || d_check->Rules().empty())
    {
        d_detail_box->hide();
        return;
    }
    d_detail_box->show();
    const TLiveRules* results = d_check->Results();
    if (!results)
    {
        d_rules_state_label->setText(RuleDisplay::Checking_Text());
        d_rules_state_label->show();
        return;
    }
    const std::vector<int> rules = d_check->Rules_Reading(d_shown_key);
    d_rules_state_label->setText(rules.empty() ? tr("No rule of the group reads this parameter.")
                                               : QString());
    d_rules_state_label->setVisible(rules.empty());
    d_rules_view->setRowCount(static_cast<int>(rules.size()));
    for (int row = 0; row < static_cast<int>(rules.size()); ++row)
    {
        const int rule = rules[static_cast<std::size_t>(row)];
        const TRuleRun::TRuleResult& result = results->Result(rule);
        const QString summary = Rule_Summary(results->Rule(rule), result, results->Reason(rule));
        QTableWidgetItem* name = new QTableWidgetItem(results->Rule(rule).name);
        name->setToolTip(summary);
        QTableWidgetItem* outcome = new QTableWidgetItem(RuleDisplay::Outcome_Text(result.outcome));
        outcome->setForeground(RuleDisplay::Outcome_Colour(result.outcome));
        outcome->setToolTip(summary);
        d_rules_view->setItem(row, 0, name);
        d_rules_view->setItem(row, 1, outcome);
    }
}

void TRuleOutcomes::Results_Replaced()
{
    Fill_Detail();
    if (Listing_Failing_Only())
    {
        emit Listing_Changed();
    }
    else
    {
        emit Marks_Changed(QStringList());
    }
}

void TRuleOutcomes::Results_Changed(const std::vector<int>& rules, const QStringList& keys)
{
    const std::vector<int> shown = d_check->Rules_Reading(d_shown_key);
    const bool shown_changed =
        std::any_of(rules.begin(), rules.end(),
                    [&shown](int rule) { return std::binary_search(shown.begin(), shown.end(), rule); });
    if (shown_changed)
    {
        Fill_Detail();
    }
    if (!keys.isEmpty())
    {
        emit Marks_Changed(keys);
    }
}
