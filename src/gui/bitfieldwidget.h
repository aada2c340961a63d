#pragma once

#include "valueeditor.h"

#include <array>

class QCheckBox;
class QLineEdit;

// A 32-bit bit pattern as a signed decimal number and 32 boxes B0 to B31 (B31 is the sign bit).
class TBitfieldWidget : public TValueEditor
{
    Q_OBJECT

public:
    explicit TBitfieldWidget(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~TBitfieldWidget() override;

    void Set_Integer(int value);
    int Integer() const;
    void Reset();

    // The Value field's text, which may be typed and not yet applied.
    QString Text() const;

    // The one value of a bit pattern: the index is always 0, and finishing applies a typed value.
    bool Edits(int type) const override;
    void Show_Values(const TParameters::TParameter& parameter) override;
    bool Read_Value(int index, TParameters::TParameter* parameter, QString* refusal) const override;
    void Mark_Refused(int index, const QString& reason) override;
    void Finish_Editing() override;

private slots:
    void Update_Integer();
    void Apply_Typed_Value();

private:
    quint32 Pattern() const;

    std::array<QCheckBox*, 32> d_bit_checks{};
    QLineEdit* d_value_edit = nullptr;
    bool d_updating = false;
};
