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

    void Set_Integer(int value);
    int Integer() const;
    void Reset();

signals:
    void Value_Changed(int index);

private slots:
    void Update_Integer();

private:
    std::array<QCheckBox*, 32> d_bit_checks{};
    QLineEdit* d_value_edit = nullptr;
    bool d_updating = false;
};
