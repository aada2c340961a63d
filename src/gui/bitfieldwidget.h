#pragma once

#include <QFrame>
#include <array>

class QCheckBox;
class QLineEdit;

// A 32-bit bit pattern as a signed decimal number and 32 boxes B0 to B31 (B31 is the sign bit).
class TBitfieldWidget : public QFrame
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
    // Applies the Value field's typed text, as Return or leaving the field does: commands that read
    // the model call it first, so that they see what the field shows.
    void Finish_Editing();
    // Marks the Value field's text as refused with the reason; an empty reason clears the mark.
    void Mark_Refused(const QString& reason);

signals:
    void Value_Changed(int index);

private slots:
    void Update_Integer();
    void Apply_Typed_Value();

private:
    quint32 Pattern() const;

    std::array<QCheckBox*, 32> d_bit_checks{};
    QLineEdit* d_value_edit = nullptr;
    bool d_updating = false;
};
