#pragma once

#include <QComboBox>

// A selector whose width does not follow its longest entry: a long name is cut short with an ellipsis
// where it is shown, and the whole of it is the tool tip. The list that drops down shows every name
// in full.
class TElidingComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit TElidingComboBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
