#include "dialogparts.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpacerItem>

QFrame* Utilities::Sunken_Line(QWidget* parent)
{
    QFrame* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QPushButton* Utilities::Dialog_Button(const QString& text, const QString& object_name, bool auto_default,
                                      QWidget* parent)
{
    QPushButton* button = new QPushButton(text, parent);
    button->setObjectName(object_name);
    button->setAutoDefault(auto_default);
    return button;
}

QHBoxLayout* Utilities::Button_Row(std::initializer_list<QPushButton*> buttons)
{
    QHBoxLayout* row = new QHBoxLayout();
    row->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
    for (QPushButton* button : buttons)
    {
        row->addWidget(button);
    }
    return row;
}
