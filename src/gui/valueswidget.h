#pragma once

#include "valueeditor.h"

#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;

// One row per value of a parameter (integers, reals or texts): a label "Index: n" and a text field.
class TValuesWidget : public TValueEditor
{
    Q_OBJECT

public:
    using TValueEditor::Value_Changed;

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

    // Integers, reals and texts, one row per value; a row is read only when its text was changed.
    bool Edits(int type) const override;
    void Show_Values(const TParameters::TParameter& parameter) override;
    bool Read_Value(int index, TParameters::TParameter* parameter, QString* refusal) const override;
    void Mark_Refused(int index, const QString& reason) override;
    void Finish_Editing() override;

private slots:
    void Value_Changed();

private:
    void Show_Text(int index, const QString& text);
    static void Fit_Field(QLineEdit* field);

    QWidget* d_rows = nullptr;
    QGridLayout* d_values_layout = nullptr;
    std::vector<TValueWidget> d_value_widgets;
};
