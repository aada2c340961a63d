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
        // The text the owner last put into the field; the field holds the user's own text when it differs.
        QString shown_text;
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

    // True when the user changed the row's text from what the owner put there.
    bool Is_Edited(int index) const;
    // Reports the row being typed into as finished, as leaving the field does: commands that read the
    // model call it first, so that they see what the field shows.
    void Finish_Editing();
    // Marks the row's text as refused with the reason; an empty reason clears the mark.
    void Mark_Refused(int index, const QString& reason);

signals:
    void Value_Changed(int index);

private slots:
    void Value_Changed();

private:
    void Show_Text(int index, const QString& text);
    static void Fit_Field(QLineEdit* field);

    QWidget* d_rows = nullptr;
    QGridLayout* d_values_layout = nullptr;
    std::vector<TValueWidget> d_value_widgets;
};
