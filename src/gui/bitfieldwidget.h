#pragma once

#include "valueeditor.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;

// A 32-bit bit pattern as a signed decimal number, its hexadecimal form, and 32 boxes B0 to B31 (B31
// is the sign bit), each with the meaning the parameter's description gives that bit.
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
    void Show_Hexadecimal(quint32 pattern);
    // Each box's tool tip: the description's line for its bit ("B0  - Rotary table fitted").
    void Show_Bit_Meanings(const QString& description);

    std::array<QCheckBox*, 32> d_bit_checks{};
    QLineEdit* d_value_edit = nullptr;
    QLabel* d_hex_label = nullptr;
    bool d_updating = false;
};
