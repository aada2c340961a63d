#pragma once

#include <QString>
#include <initializer_list>

class QFrame;
class QHBoxLayout;
class QPushButton;
class QWidget;

// The pieces every dialog of the program is built from, so that they look and behave alike.
namespace Utilities
{
// A sunken horizontal line between a dialog's fields and its buttons.
QFrame* Sunken_Line(QWidget* parent);
// A push button; only the button that Enter should press is auto-default.
QPushButton* Dialog_Button(const QString& text, const QString& object_name, bool auto_default,
                           QWidget* parent);
// The row of buttons at the foot of a dialog, pushed to the right edge, in the order given.
QHBoxLayout* Button_Row(std::initializer_list<QPushButton*> buttons);
} // namespace Utilities
