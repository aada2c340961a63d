#include "elidingcombobox.h"

#include <QAbstractItemView>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace
{
// Room for a short group name ("Probe", "Servo X") while the rules pane stays narrow enough for the
// whole window to fit a small screen.
const int SHOWN_CHARACTERS = 8;
} // namespace

TElidingComboBox::TElidingComboBox(QWidget* parent) : QComboBox(parent)
{
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(SHOWN_CHARACTERS);
    // The drop-down list may be as wide as its longest name; only the closed selector stays narrow.
    view()->setTextElideMode(Qt::ElideNone);
    connect(this, &QComboBox::currentTextChanged, this, &QWidget::setToolTip);
}

void TElidingComboBox::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));

    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);

    const QRect text_rect =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    option.currentText = option.fontMetrics.elidedText(option.currentText, Qt::ElideRight, text_rect.width());
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
