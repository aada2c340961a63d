#include "ruletable.h"

#include "livecheck.h"
#include "ruledisplay.h"
#include "ruleoperator.h"

#include <QAbstractTableModel>
#include <QBrush>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>

// The rules and results of the live check, read row by row as the view draws them.
class TRuleTable::TModel : public QAbstractTableModel
{
public:
    explicit TModel(const TLiveCheck* check, QObject* parent) : QAbstractTableModel(parent), d_check(check)
    {
        connect(check, &TLiveCheck::Check_Started, this, &TModel::Reset);
        connect(check, &TLiveCheck::Results_Replaced, this, &TModel::Reset);
        connect(check, &TLiveCheck::Results_Changed, this, &TModel::Rules_Changed);
        d_rows = Rule_Count();
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : d_rows;
    }

    int columnCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : COLUMN_COUNT;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        {
            return QAbstractTableModel::headerData(section, orientation, role);
        }
        switch (section)
        {
        case COLUMN_NAME:
            return TRuleTable::tr("Rule");
        case COLUMN_LEFT:
            return TRuleTable::tr("Left");
        case COLUMN_OPERATOR:
            return TRuleTable::tr("Operator");
        case COLUMN_RIGHT:
            return TRuleTable::tr("Right");
        case COLUMN_OUTCOME:
            return TRuleTable::tr("Outcome");
        default:
            return QVariant();
        }
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        const TLiveRules* results = d_check->Results();
        if (!results || !index.isValid() || index.row() >= results->Rule_Count())
        {
            return QVariant();
        }
        const int row = index.row();
        const TRuleRun::TRuleResult& result = results->Result(row);
        switch (role)
        {
        case Qt::DisplayRole:
            return Text(results->Rule(row), result, index.column());
        case Qt::ForegroundRole:
            return index.column() == COLUMN_OUTCOME
                       ? QVariant(QBrush(RuleDisplay::Outcome_Colour(result.outcome)))
                       : QVariant();
        case Qt::TextAlignmentRole:
            return index.column() == COLUMN_LEFT || index.column() == COLUMN_RIGHT
                       ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                       : QVariant();
        case Qt::ToolTipRole:
            // An invalid rule says why on every cell of its row; a name cut short is whole in its tip.
            if (result.outcome == TRuleRun::OUTCOME_INVALID)
            {
                return results->Reason(row);
            }
            return index.column() == COLUMN_NAME ? QVariant(results->Rule(row).name) : QVariant();
        default:
            return QVariant();
        }
    }

private:
    static QString Text(const TRules::TRuleItem& rule, const TRuleRun::TRuleResult& result, int column)
    {
        switch (column)
        {
        case COLUMN_NAME:
            return rule.name;
        case COLUMN_LEFT:
            return result.left_valid ? RuleDisplay::Value_Text(result.left_value) : QStringLiteral("-");
        case COLUMN_OPERATOR:
        {
            const TRuleOperator* rule_operator = TRuleOperator::Of(rule.operator_type);
            return rule_operator ? TRuleOperator::Shown(rule_operator->report_name) : QString();
        }
        case COLUMN_RIGHT:
            return result.right_valid ? RuleDisplay::Value_Text(result.right_value) : QStringLiteral("-");
        case COLUMN_OUTCOME:
            return RuleDisplay::Outcome_Text(result.outcome);
        default:
            return QString();
        }
    }

    int Rule_Count() const
    {
        const TLiveRules* results = d_check->Results();
        return results ? results->Rule_Count() : 0;
    }

    void Reset()
    {
        beginResetModel();
        d_rows = Rule_Count();
        endResetModel();
    }

    void Rules_Changed(const std::vector<int>& rules)
    {
        // The positions come in group order: neighbouring rows are drawn again as one range.
        std::size_t first = 0;
        while (first < rules.size())
        {
            std::size_t last = first;
            while (last + 1 < rules.size() && rules[last + 1] == rules[last] + 1)
            {
                ++last;
            }
            emit dataChanged(index(rules[first], 0), index(rules[last], COLUMN_COUNT - 1));
            first = last + 1;
        }
    }

    const TLiveCheck* d_check;
    // The rows the view knows of, changed only inside a reset.
    int d_rows = 0;
};

TRuleTable::TRuleTable(const TLiveCheck* check, QWidget* parent)
    : QTableView(parent), d_model(new TModel(check, this)), d_check(check)
{
    setModel(d_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(true);
    setWordWrap(false);
    verticalHeader()->hide();
    // Every row is one line: the view places a thousand rules without measuring each one.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionResizeMode(COLUMN_NAME, QHeaderView::Stretch);
    for (const int column : {COLUMN_LEFT, COLUMN_OPERATOR, COLUMN_RIGHT, COLUMN_OUTCOME})
    {
        horizontalHeader()->setSectionResizeMode(column, QHeaderView::Interactive);
    }
    horizontalHeader()->setStretchLastSection(false);
    // The values, the operator and the outcome start as wide as their longest texts (or their titles),
    // so that the names get the rest of the width, not what four sections of the default width leave.
    const auto fit = [this](int column, QStringList texts)
    {
        texts.append(d_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
        int width = 0;
        for (const QString& text : texts)
        {
            width = std::max(width, fontMetrics().horizontalAdvance(text));
        }
        horizontalHeader()->resizeSection(column, width + 2 * style()->pixelMetric(QStyle::PM_HeaderMargin) +
                                                      fontMetrics().averageCharWidth());
    };
    QStringList operators;
    for (const TRuleOperator& rule_operator : TRuleOperator::All())
    {
        operators.append(TRuleOperator::Shown(rule_operator.report_name));
    }
    const QStringList values{QStringLiteral("-0000.000")};
    fit(COLUMN_LEFT, values);
    fit(COLUMN_RIGHT, values);
    fit(COLUMN_OPERATOR, operators);
    fit(COLUMN_OUTCOME,
        {RuleDisplay::Outcome_Text(TRuleRun::OUTCOME_PASS), RuleDisplay::Outcome_Text(TRuleRun::OUTCOME_FAIL),
         RuleDisplay::Outcome_Text(TRuleRun::OUTCOME_INVALID)});
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex& index) { emit Rule_Activated(index.row()); });
    connect(check, &TLiveCheck::Check_Started, viewport(), qOverload<>(&QWidget::update));
}

QString TRuleTable::Notice() const
{
    return d_check->Is_Checking() ? RuleDisplay::Checking_Text() : QString();
}

void TRuleTable::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !(event->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier)) && currentIndex().isValid())
    {
        emit Rule_Activated(currentIndex().row());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TRuleTable::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    const QString notice = Notice();
    if (!notice.isEmpty())
    {
        QPainter painter(viewport());
        painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
        painter.drawText(viewport()->rect(), Qt::AlignCenter, notice);
    }
}
