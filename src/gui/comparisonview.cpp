#include "comparisonview.h"

#include "edithistory.h"
#include "parameterdocument.h"
#include "parameterfilter.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace
{
using TMatch = TParameterComparison::TMatch;

// The window compares reals exactly, as the command line's compare does unless told otherwise.
const double g_tolerance = 0.0;

// A small drawn sign per match, so that the marks need no images and tell apart without colour too:
// "=" same values, a filled diamond other values, "+" not in the reference, "-" only in the reference.
QIcon Draw_Match_Icon(TMatch match)
{
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (match)
    {
    case TParameterComparison::MATCH_SAME:
        painter.setPen(QPen(QColor(120, 120, 120), 1.5));
        painter.drawLine(QPointF(2, 4.5), QPointF(10, 4.5));
        painter.drawLine(QPointF(2, 7.5), QPointF(10, 7.5));
        break;
    case TParameterComparison::MATCH_DIFFERENT:
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(220, 110, 0));
        painter.drawPolygon(QPolygonF({QPointF(6, 1), QPointF(11, 6), QPointF(6, 11), QPointF(1, 6)}));
        break;
    case TParameterComparison::MATCH_ONLY_A:
        painter.setPen(QPen(QColor(0, 90, 200), 2));
        painter.drawLine(QPointF(6, 2), QPointF(6, 10));
        painter.drawLine(QPointF(2, 6), QPointF(10, 6));
        break;
    case TParameterComparison::MATCH_ONLY_B:
        painter.setPen(QPen(QColor(150, 0, 150), 2));
        painter.drawLine(QPointF(2, 6), QPointF(10, 6));
        break;
    case TParameterComparison::MATCH_NONE:
        break;
    }
    return QIcon(pixmap);
}

const QIcon& Match_Icon(TMatch match)
{
    static const QIcon icons[] = {QIcon(), Draw_Match_Icon(TParameterComparison::MATCH_SAME),
                                  Draw_Match_Icon(TParameterComparison::MATCH_DIFFERENT),
                                  Draw_Match_Icon(TParameterComparison::MATCH_ONLY_A),
                                  Draw_Match_Icon(TParameterComparison::MATCH_ONLY_B)};
    return icons[match];
}

QString Match_Text(TMatch match)
{
    switch (match)
    {
    case TParameterComparison::MATCH_SAME:
        return TComparisonView::tr("Same values in the reference");
    case TParameterComparison::MATCH_DIFFERENT:
        return TComparisonView::tr("Other values in the reference");
    case TParameterComparison::MATCH_ONLY_A:
        return TComparisonView::tr("Not in the reference");
    case TParameterComparison::MATCH_ONLY_B:
        return TComparisonView::tr("Only in the reference: not in the loaded list, nothing to edit");
    case TParameterComparison::MATCH_NONE:
        break;
    }
    return QString();
}
} // namespace

TComparisonView::TComparisonView(const TParameterDocument* document, TEditHistory* edit_history,
                                 QWidget* parent)
    : QObject(parent), d_document(document), d_parameters(&document->Parameters()),
      d_edit_history(edit_history)
{
    d_compare_action = new QAction(tr("Compare With\u2026"), this);
    d_compare_action->setObjectName(QStringLiteral("compare_action"));
    d_compare_action->setToolTip(tr("Compare the list with a reference parameter file"));
    d_clear_action = new QAction(tr("Clear Comparison"), this);
    d_clear_action->setObjectName(QStringLiteral("clear_compare_action"));
    d_clear_action->setToolTip(tr("End the comparison with the reference"));
    d_clear_action->setEnabled(false);
    d_use_reference_action = new QAction(tr("Use Reference Value"), this);
    d_use_reference_action->setObjectName(QStringLiteral("use_reference_action"));
    d_use_reference_action->setToolTip(tr("Give the selected parameter the reference's values"));
    d_use_reference_action->setEnabled(false);

    d_differences_only_check = new QCheckBox(tr("Differences only"), parent);
    d_differences_only_check->setObjectName(QStringLiteral("differences_only_check"));
    d_differences_only_check->setToolTip(
        tr("List only the parameters whose values differ from the reference or that one "
           "of the two lists lacks"));
    d_differences_only_check->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    d_differences_only_check->hide();

    d_difference_count_label = new QLabel(parent);
    d_difference_count_label->setObjectName(QStringLiteral("difference_count_label"));
    d_difference_count_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    d_difference_count_label->hide();

    Create_Detail_Box(parent);

    connect(d_clear_action, &QAction::triggered, this, &TComparisonView::Clear);
    connect(d_differences_only_check, &QCheckBox::toggled, this, &TComparisonView::Comparison_Changed);
    connect(d_document, &TParameterDocument::List_Replaced, this, &TComparisonView::Compare_All);
    connect(d_document, &TParameterDocument::Keys_Changed, this, &TComparisonView::Keys_Changed);
}

void TComparisonView::Create_Detail_Box(QWidget* parent)
{
    d_detail_box = new QGroupBox(tr("Reference"), parent);
    d_detail_box->setObjectName(QStringLiteral("reference_box"));
    QVBoxLayout* layout = new QVBoxLayout(d_detail_box);

    d_reference_table = new QTableWidget(0, 2, d_detail_box);
    d_reference_table->setObjectName(QStringLiteral("reference_table"));
    d_reference_table->setAccessibleName(tr("Reference values"));
    d_reference_table->setAccessibleDescription(
        tr("The selected parameter's values in the loaded list and in the reference"));
    d_reference_table->setHorizontalHeaderLabels({tr("Loaded"), tr("Reference")});
    d_reference_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    d_reference_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    d_reference_table->setSelectionMode(QAbstractItemView::NoSelection);
    d_reference_table->setMinimumHeight(80);
    d_reference_table->setMaximumHeight(160);
    layout->addWidget(d_reference_table);

    d_reference_state_label = new QLabel(d_detail_box);
    d_reference_state_label->setObjectName(QStringLiteral("reference_state_label"));
    d_reference_state_label->setWordWrap(true);
    d_reference_state_label->setTextFormat(Qt::PlainText);
    layout->addWidget(d_reference_state_label);

    QToolButton* use_button = new QToolButton(d_detail_box);
    use_button->setObjectName(QStringLiteral("use_reference_button"));
    use_button->setDefaultAction(d_use_reference_action);
    layout->addWidget(use_button, 0, Qt::AlignLeft);

    d_detail_box->hide();
}

QAction* TComparisonView::Compare_Action() const
{
    return d_compare_action;
}

QAction* TComparisonView::Clear_Action() const
{
    return d_clear_action;
}

QAction* TComparisonView::Use_Reference_Action() const
{
    return d_use_reference_action;
}

QCheckBox* TComparisonView::Differences_Only_Check() const
{
    return d_differences_only_check;
}

QLabel* TComparisonView::Difference_Count_Label() const
{
    return d_difference_count_label;
}

QWidget* TComparisonView::Detail_Box() const
{
    return d_detail_box;
}

bool TComparisonView::Load_Reference(const QString& path, QString* error)
{
    TParameters reference;
    if (!reference.Load_Parameter_File(path))
    {
        *error = reference.Last_Error();
        return false;
    }
    d_reference = std::move(reference);
    d_reference_path = path;
    d_active = true;
    d_clear_action->setEnabled(true);
    d_differences_only_check->show();
    d_difference_count_label->show();
    d_detail_box->setTitle(tr("Reference: %1").arg(QFileInfo(path).fileName()));
    d_detail_box->setToolTip(QDir::toNativeSeparators(path));
    d_difference_count_label->setToolTip(QDir::toNativeSeparators(path));
    Compare_All();
    emit Comparison_Changed();
    return true;
}

void TComparisonView::Clear()
{
    d_reference.Reset();
    d_reference_path.clear();
    d_active = false;
    d_matches.clear();
    d_reference_only.clear();
    d_clear_action->setEnabled(false);
    d_use_reference_action->setEnabled(false);
    {
        const QSignalBlocker blocker(d_differences_only_check);
        d_differences_only_check->setChecked(false);
    }
    d_differences_only_check->hide();
    d_difference_count_label->hide();
    d_difference_count_label->setToolTip(QString());
    d_detail_box->hide();
    Count_Differences();
    emit Comparison_Changed();
}

void TComparisonView::Compare_All()
{
    d_matches.clear();
    d_reference_only.clear();
    if (Is_Listing())
    {
        const TParameterComparison comparison(d_parameters, &d_reference, g_tolerance);
        d_matches.reserve(d_parameters->Parameter_Count() + d_reference.Parameter_Count());
        for (const TParameters::TParameter& parameter : d_parameters->Parameters())
        {
            d_matches.insert(parameter.key, comparison.Match(parameter.key));
        }
        for (const TParameters::TParameter& parameter : d_reference.Parameters())
        {
            if (!d_parameters->Find_Parameter(parameter.key))
            {
                d_matches.insert(parameter.key, TParameterComparison::MATCH_ONLY_B);
                d_reference_only.append(parameter.key);
            }
        }
    }
    Count_Differences();
}

void TComparisonView::Keys_Changed(const QStringList& keys)
{
    if (!Is_Listing())
    {
        return;
    }
    const TParameterComparison comparison(d_parameters, &d_reference, g_tolerance);
    for (const QString& key : keys)
    {
        if (d_parameters->Find_Parameter(key))
        {
            const TMatch match = comparison.Match(key);
            d_differences += (Differs(match) ? 1 : 0) - (Differs(Key_Match(key)) ? 1 : 0);
            d_matches.insert(key, match);
        }
    }
    Show_Count();
}

void TComparisonView::Count_Differences()
{
    d_differences = static_cast<int>(
        std::count_if(d_matches.cbegin(), d_matches.cend(), [](TMatch match) { return Differs(match); }));
    Show_Count();
}

void TComparisonView::Show_Count()
{
    if (Is_Listing())
    {
        d_difference_count_label->setText(d_differences == 1 ? tr("1 differs")
                                                             : tr("%1 differ").arg(d_differences));
    }
    else
    {
        d_difference_count_label->clear();
    }
}

bool TComparisonView::Is_Listing() const
{
    return d_active && d_document->Is_Loaded();
}

bool TComparisonView::Differs(TMatch match)
{
    return match == TParameterComparison::MATCH_DIFFERENT || match == TParameterComparison::MATCH_ONLY_A ||
           match == TParameterComparison::MATCH_ONLY_B;
}

TParameterComparison::TMatch TComparisonView::Key_Match(const QString& key) const
{
    return d_matches.value(key, TParameterComparison::MATCH_NONE);
}

void TComparisonView::Join_Listing(TParameterFilter* filter) const
{
    filter->Set_Narrowing(
        TParameterFilter::NARROWING_DIFFERENCES, [this](const QString& key)
        { return !Is_Listing() || !d_differences_only_check->isChecked() || Differs(Key_Match(key)); });
    filter->Set_Extra_Keys(&d_reference, &d_reference_only);
}

void TComparisonView::Mark_Entry(const QString& key, TParameterList::TEntryMarks* marks) const
{
    const TMatch match = Is_Listing() ? Key_Match(key) : TParameterComparison::MATCH_NONE;
    if (match == TParameterComparison::MATCH_NONE)
    {
        return;
    }
    marks->icon = Match_Icon(match);
    if (!marks->tool_tip.isEmpty())
    {
        marks->tool_tip += QLatin1Char('\n');
    }
    marks->tool_tip += Match_Text(match);
    marks->italic = match == TParameterComparison::MATCH_ONLY_B;
}

const TParameters* TComparisonView::Reference() const
{
    return d_active ? &d_reference : nullptr;
}

QString TComparisonView::Reference_Path() const
{
    return d_active ? d_reference_path : QString();
}

const TParameters::TParameter* TComparisonView::Reference_Parameter(const QString& key) const
{
    return d_active ? d_reference.Find_Parameter(key) : nullptr;
}

void TComparisonView::Show_Parameter(const QString& key)
{
    d_use_reference_action->setEnabled(false);
    const TMatch match = Is_Listing() && !key.isEmpty() ? Key_Match(key) : TParameterComparison::MATCH_NONE;
    if (match == TParameterComparison::MATCH_NONE)
    {
        d_detail_box->hide();
        return;
    }
    const TParameters::TParameter* loaded = d_parameters->Find_Parameter(key);
    const TParameters::TParameter* reference = d_reference.Find_Parameter(key);
    Fill_Table(loaded, reference);

    QString state;
    switch (match)
    {
    case TParameterComparison::MATCH_SAME:
        state = tr("The reference holds the same values.");
        break;
    case TParameterComparison::MATCH_DIFFERENT:
    {
        state = tr("The reference holds other values.");
        TParameters::TParameter taken = *loaded;
        QString refusal;
        if (TParameterComparison::Take_Values(*reference, &taken, &refusal))
        {
            d_use_reference_action->setEnabled(true);
        }
        else
        {
            state = tr("The reference holds other values, not usable here: %1").arg(refusal);
        }
        break;
    }
    case TParameterComparison::MATCH_ONLY_A:
        state = tr("The reference has no such parameter.");
        break;
    default:
        state = tr("Only the reference holds this parameter; there is nothing to edit.");
        break;
    }
    d_reference_state_label->setText(state);
    d_detail_box->show();
}

void TComparisonView::Fill_Table(const TParameters::TParameter* loaded,
                                 const TParameters::TParameter* reference)
{
    const std::vector<TParameterComparison::TValue> loaded_values =
        loaded ? TParameterComparison::Values_Of(*loaded) : std::vector<TParameterComparison::TValue>();
    const std::vector<TParameterComparison::TValue> reference_values =
        reference ? TParameterComparison::Values_Of(*reference) : std::vector<TParameterComparison::TValue>();
    const size_t rows = std::max(loaded_values.size(), reference_values.size());
    d_reference_table->setRowCount(static_cast<int>(rows));
    for (size_t row = 0; row < rows; ++row)
    {
        const bool in_loaded = row < loaded_values.size();
        const bool in_reference = row < reference_values.size();
        const bool differs =
            !in_loaded || !in_reference ||
            !TParameterComparison::Same_Values({loaded_values[row]}, {reference_values[row]}, g_tolerance);
        const QString texts[] = {in_loaded ? loaded_values[row].text : QString(),
                                 in_reference ? reference_values[row].text : QString()};
        for (int column = 0; column < 2; ++column)
        {
            QTableWidgetItem* cell = new QTableWidgetItem(texts[column]);
            QFont font = cell->font();
            font.setBold(differs);
            cell->setFont(font);
            d_reference_table->setItem(static_cast<int>(row), column, cell);
        }
    }
}

void TComparisonView::Use_Reference_Value(const QString& key)
{
    bool found = false;
    TParameters::TParameter taken = d_parameters->Get_Parameter(key, &found);
    const TParameters::TParameter* reference = Reference_Parameter(key);
    QString refusal;
    if (!found || !reference || !TParameterComparison::Take_Values(*reference, &taken, &refusal))
    {
        return;
    }
    d_edit_history->Edit(taken, tr("reference value of %1").arg(key));
}
