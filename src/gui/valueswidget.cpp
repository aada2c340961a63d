#include "valueswidget.h"

#include "fieldmark.h"
#include "utilities.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScrollArea>
#include <QSpacerItem>

#include <cmath>
#include <limits>

namespace
{
const int MINIMUM_FIELD_WIDTH = 200;
// The field's frame and its text margins on both sides.
const int FIELD_PADDING = 16;

QString Index_Label(int index)
{
    return TValuesWidget::tr("Index: %1").arg(index + 1);
}

// A value typed as real is truncated toward zero. Outside the 32-bit range the truncation has no
// meaning, so the value saturates at the nearer end instead of landing on an arbitrary bit pattern.
int Truncate_To_Integer(double value)
{
    if (std::isnan(value))
    {
        return 0;
    }
    if (value >= 2147483648.0)
    {
        return std::numeric_limits<int>::max();
    }
    if (value <= -2147483649.0)
    {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(value);
}
} // namespace

TValuesWidget::TValuesWidget(QWidget* parent, Qt::WindowFlags flags) : TValueEditor(parent, flags)
{
    setWindowTitle(QStringLiteral("Values Widget"));
    setFrameShape(QFrame::StyledPanel);

    // An array of sixty values is taller than a screen: the rows scroll inside the editor rather than
    // growing the window past the screen's edge.
    QGridLayout* frame_layout = new QGridLayout(this);
    frame_layout->setContentsMargins(0, 0, 0, 0);
    QScrollArea* scroll_area = new QScrollArea(this);
    scroll_area->setObjectName(QStringLiteral("values_scroll_area"));
    scroll_area->setFrameShape(QFrame::NoFrame);
    scroll_area->setWidgetResizable(true);
    scroll_area->setFocusPolicy(Qt::NoFocus);
    frame_layout->addWidget(scroll_area, 0, 0);

    d_rows = new QWidget();
    d_rows->setObjectName(QStringLiteral("values_rows"));
    QGridLayout* outer_layout = new QGridLayout(d_rows);

    d_values_layout = new QGridLayout();
    d_values_layout->setVerticalSpacing(1);
    outer_layout->addLayout(d_values_layout, 0, 0);
    // The spacers keep the rows packed in the upper left corner however large the pane is.
    outer_layout->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum), 0, 1, 2, 1);
    outer_layout->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), 1, 0);
    scroll_area->setWidget(d_rows);

    Reset(1);
    d_value_widgets[0].label->setText(tr("Index:"));
    d_value_widgets[0].line_edit->setMinimumWidth(MINIMUM_FIELD_WIDTH);
}

TValuesWidget::~TValuesWidget()
{
    // Destroying the fields takes the focus from them, and a field that loses the focus reports a
    // finished edit: by then this widget is gone, so the fields must not reach it any more.
    for (const TValueWidget& value_widget : d_value_widgets)
    {
        disconnect(value_widget.line_edit, nullptr, this, nullptr);
    }
}

void TValuesWidget::Reset(int values_count)
{
    Q_ASSERT_X(!(values_count < 0), "valueswidget.cpp", "!(values_count < 0)");

    for (int row = static_cast<int>(d_value_widgets.size()); row < values_count; ++row)
    {
        TValueWidget value_widget;
        value_widget.label = new QLabel(d_rows);
        value_widget.label->setObjectName(QStringLiteral("value_label_%1").arg(row));
        value_widget.line_edit = new QLineEdit(d_rows);
        value_widget.line_edit->setObjectName(QStringLiteral("value_edit_%1").arg(row));
        value_widget.line_edit->setAccessibleName(tr("Value %1").arg(row + 1));
        value_widget.line_edit->setAlignment(Qt::AlignCenter);
        value_widget.index = row;

        d_values_layout->addWidget(value_widget.label, row, 0);
        d_values_layout->addWidget(value_widget.line_edit, row, 1);
        d_value_widgets.push_back(value_widget);

        connect(value_widget.line_edit, &QLineEdit::editingFinished, this,
                qOverload<>(&TValuesWidget::Value_Changed));

        // Rows made later would otherwise join the end of the window's focus chain, and Tab from a
        // field would leave the editor instead of reaching the next value.
        if (row > 0)
        {
            QWidget::setTabOrder(d_value_widgets[row - 1].line_edit, value_widget.line_edit);
        }
    }

    for (const TValueWidget& value_widget : d_value_widgets)
    {
        const bool visible = value_widget.index < values_count;
        value_widget.label->setVisible(visible);
        value_widget.line_edit->setVisible(visible);
    }
}

void TValuesWidget::Set_Integer(int index, int value)
{
    Q_ASSERT_X(static_cast<unsigned int>(index) < d_value_widgets.size(), "valueswidget.cpp",
               "static_cast<unsigned int>(index) < d_value_widgets.size()");

    Show_Text(index, QString::number(value));
}

void TValuesWidget::Set_Float(int index, const double& value)
{
    Q_ASSERT_X(static_cast<unsigned int>(index) < d_value_widgets.size(), "valueswidget.cpp",
               "static_cast<unsigned int>(index) < d_value_widgets.size()");

    Show_Text(index, Utilities::Shown_Real_Text(value));
}

void TValuesWidget::Set_Text(int index, const QString& text)
{
    Q_ASSERT_X(static_cast<unsigned int>(index) < d_value_widgets.size(), "valueswidget.cpp",
               "static_cast<unsigned int>(index) < d_value_widgets.size()");

    Show_Text(index, text);
}

void TValuesWidget::Show_Text(int index, const QString& text)
{
    TValueWidget& value_widget = d_value_widgets[index];
    value_widget.label->setText(Index_Label(index));
    value_widget.line_edit->setText(text);
    value_widget.shown_text = text;
    Utilities::Mark_Refused_Field(value_widget.line_edit, QString());
    Fit_Field(value_widget.line_edit);
}

void TValuesWidget::Fit_Field(QLineEdit* field)
{
    // A real of 1e20 has 37 characters in fixed notation: the field widens to show all of it (the
    // rows scroll sideways when the pane is narrower), and the tool tip holds it in any case.
    const QString text = field->text();
    const int text_width = field->fontMetrics().horizontalAdvance(text) + FIELD_PADDING;
    field->setMinimumWidth(qMax(MINIMUM_FIELD_WIDTH, text_width));
    field->setToolTip(text);
}

int TValuesWidget::Integer(int index) const
{
    Q_ASSERT_X(static_cast<unsigned int>(index) < d_value_widgets.size(), "valueswidget.cpp",
               "static_cast<unsigned int>(index) < d_value_widgets.size()");

    // Read as a real so that "7.99" and "1e3" are accepted, as for the real-valued rows.
    return Truncate_To_Integer(Float(index));
}

double TValuesWidget::Float(int index) const
{
    Q_ASSERT_X(static_cast<unsigned int>(index) < d_value_widgets.size(), "valueswidget.cpp",
               "static_cast<unsigned int>(index) < d_value_widgets.size()");

    // A comma is never a thousands separator here: "1,5" typed by habit must not become 15.
    QLocale c_locale = QLocale::c();
    c_locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c_locale.toDouble(d_value_widgets[index].line_edit->text().trimmed(), &ok);
    return ok ? value : 0.0;
}

QString TValuesWidget::Text(int index) const
{
    Q_ASSERT_X(static_cast<unsigned int>(index) < d_value_widgets.size(), "valueswidget.cpp",
               "static_cast<unsigned int>(index) < d_value_widgets.size()");

    return d_value_widgets[index].line_edit->text();
}

bool TValuesWidget::Is_Edited(int index) const
{
    Q_ASSERT_X(static_cast<unsigned int>(index) < d_value_widgets.size(), "valueswidget.cpp",
               "static_cast<unsigned int>(index) < d_value_widgets.size()");

    return d_value_widgets[index].line_edit->text() != d_value_widgets[index].shown_text;
}

bool TValuesWidget::Edits(int type) const
{
    return type != TParameters::TYPE_INTEGER_BIT_PATTERN &&
           TParameters::Value_Kind(type) != TParameters::KIND_NONE;
}

void TValuesWidget::Show_Values(const TParameters::TParameter& parameter)
{
    const int count = TParameters::Value_Count(parameter);
    Reset(count);
    const bool reals = TParameters::Value_Kind(parameter.type) == TParameters::KIND_REAL;
    for (int index = 0; index < count; ++index)
    {
        if (reals)
        {
            Set_Float(index, parameter.double_values.at(index));
        }
        else
        {
            Set_Text(index, TParameters::Value_Text(parameter, index));
        }
    }
}

bool TValuesWidget::Read_Value(int index, TParameters::TParameter* parameter, QString* refusal) const
{
    // Only text the user changed is read: a field left as it was shown keeps the stored value bit for
    // bit, even where the shown text rounds it.
    if (index < 0 || index >= TParameters::Value_Count(*parameter) ||
        index >= static_cast<int>(d_value_widgets.size()) || !Is_Edited(index))
    {
        return false;
    }
    return TParameters::Set_Value_Text(parameter, index, Text(index), refusal);
}

void TValuesWidget::Finish_Editing()
{
    for (const TValueWidget& value_widget : d_value_widgets)
    {
        if (!value_widget.line_edit->isHidden() && value_widget.line_edit->isModified())
        {
            value_widget.line_edit->setModified(false);
            emit Value_Changed(value_widget.index);
        }
    }
}

void TValuesWidget::Mark_Refused(int index, const QString& reason)
{
    Q_ASSERT_X(static_cast<unsigned int>(index) < d_value_widgets.size(), "valueswidget.cpp",
               "static_cast<unsigned int>(index) < d_value_widgets.size()");

    Utilities::Mark_Refused_Field(d_value_widgets[index].line_edit, reason);
    if (reason.isEmpty())
    {
        // Without a reason to show, the tool tip holds the whole value again.
        Fit_Field(d_value_widgets[index].line_edit);
    }
}

void TValuesWidget::Value_Changed()
{
    const QObject* source = sender();
    for (const TValueWidget& value_widget : d_value_widgets)
    {
        if (value_widget.line_edit == source)
        {
            // Typing after this starts a new edit; until then a command has nothing left to finish.
            value_widget.line_edit->setModified(false);
            Fit_Field(value_widget.line_edit);
            emit Value_Changed(value_widget.index);
            return;
        }
    }
}
