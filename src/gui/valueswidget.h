#pragma once

#include <QFrame>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;

// One row per value of a parameter (integers, reals or texts): a label "Index: n" and a text field.
class TValuesWidget : public QFrame
{
    Q_OBJECT

public:
    struct TValueWidget
    {
        QLabel* label = nullptr;
        QLineEdit* line_edit = nullptr;
        int index = 0;
    };

    explicit TValuesWidget(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~TValuesWidget() override;

    void Reset(int values_count);
    void Set_Integer(int index, int value);
    void Set_Float(int index, const double& value);
    void Set_Text(int index, const QString& text);
    int Integer(int index) const;
    double Float(int index) const;
    QString Text(int index) const;

signals:
    void Value_Changed(int index);

private slots:
    void Value_Changed();

private:
    QGridLayout* d_values_layout = nullptr;
    std::vector<TValueWidget> d_value_widgets;
};
