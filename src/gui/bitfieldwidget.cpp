#include "bitfieldwidget.h"

#include "fieldmark.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSpacerItem>

TBitfieldWidget::TBitfieldWidget(QWidget* parent, Qt::WindowFlags flags) : TValueEditor(parent, flags)
{
    setWindowTitle(QStringLiteral("Bitfield Widget"));
    setFrameShape(QFrame::StyledPanel);

    QGridLayout* outer_layout = new QGridLayout(this);

    QHBoxLayout* value_layout = new QHBoxLayout();
    QLabel* value_label = new QLabel(tr("Value:"), this);
    value_label->setObjectName(QStringLiteral("value_label"));
    value_layout->addWidget(value_label);
    d_value_edit = new QLineEdit(this);
    d_value_edit->setObjectName(QStringLiteral("value_edit"));
    d_value_edit->setAccessibleName(tr("Bit pattern value"));
    d_value_edit->setAlignment(Qt::AlignCenter);
    value_label->setBuddy(d_value_edit);
    value_layout->addWidget(d_value_edit);
    d_value_edit->setToolTip(tr("A decimal number, or hexadecimal after 0x"));
    connect(d_value_edit, &QLineEdit::editingFinished, this, &TBitfieldWidget::Apply_Typed_Value);
    d_hex_label = new QLabel(this);
    d_hex_label->setObjectName(QStringLiteral("hex_label"));
    d_hex_label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    value_layout->addWidget(d_hex_label);
    value_layout->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
    outer_layout->addLayout(value_layout, 0, 0);

    // Eight bits per column: a column reads as one byte of the pattern, low bit at the top.
    QGridLayout* bits_layout = new QGridLayout();
    bits_layout->setSpacing(0);
    for (int bit = 0; bit < 32; ++bit)
    {
        QCheckBox* check = new QCheckBox(QStringLiteral("B%1").arg(bit), this);
        check->setObjectName(QStringLiteral("bit_check_%1").arg(bit));
        // A reader says "Bit 5" where the box shows "B5"; the bit's meaning, when the description
        // names it, is the box's tool tip and so its accessible description.
        check->setAccessibleName(tr("Bit %1").arg(bit));
        bits_layout->addWidget(check, bit % 8, bit / 8);
        d_bit_checks[bit] = check;
        connect(check, &QCheckBox::toggled, this, &TBitfieldWidget::Update_Integer);
    }
    outer_layout->addLayout(bits_layout, 1, 0);

    QWidget::setTabOrder(d_value_edit, d_bit_checks[0]);
    for (int bit = 1; bit < 32; ++bit)
    {
        QWidget::setTabOrder(d_bit_checks[bit - 1], d_bit_checks[bit]);
    }
}

TBitfieldWidget::~TBitfieldWidget()
{
    // Destroying the Value field takes the focus from it, and a field that loses the focus finishes
    // its edit: by then this editor is gone, so the field must not reach it any more.
    disconnect(d_value_edit, nullptr, this, nullptr);
}

void TBitfieldWidget::Set_Integer(int value)
{
    d_value_edit->setText(QString::number(value));
    Utilities::Mark_Refused_Field(d_value_edit, QString());

    // Work on the unsigned pattern: bit 31 is the sign, and shifting a signed value into it is undefined.
    const quint32 pattern = static_cast<quint32>(value);
    Show_Hexadecimal(pattern);
    d_updating = true;
    for (int bit = 0; bit < 32; ++bit)
    {
        d_bit_checks[bit]->setChecked((pattern & (quint32(1) << bit)) != 0);
    }
    d_updating = false;
}

int TBitfieldWidget::Integer() const
{
    bool ok = false;
    // Base 10 only: "0x10" is not a decimal value, and a value outside 32 bits is refused, not wrapped.
    const int value = d_value_edit->text().trimmed().toInt(&ok, 10);
    return ok ? value : 0;
}

void TBitfieldWidget::Reset()
{
    d_updating = true;
    for (QCheckBox* check : d_bit_checks)
    {
        check->setChecked(false);
    }
    d_updating = false;
}

QString TBitfieldWidget::Text() const
{
    return d_value_edit->text();
}

void TBitfieldWidget::Finish_Editing()
{
    if (d_value_edit->isModified())
    {
        Apply_Typed_Value();
    }
}

bool TBitfieldWidget::Edits(int type) const
{
    return type == TParameters::TYPE_INTEGER_BIT_PATTERN;
}

void TBitfieldWidget::Show_Values(const TParameters::TParameter& parameter)
{
    Reset();
    Set_Integer(parameter.integer_values.value(0));
    Show_Bit_Meanings(parameter.description);
}

bool TBitfieldWidget::Read_Value(int, TParameters::TParameter* parameter, QString* refusal) const
{
    if (TParameters::Value_Count(*parameter) < 1)
    {
        return false;
    }
    // Controller manuals list bit patterns in hexadecimal: "0x10" is the pattern with B4 set.
    const QString typed = Text().trimmed();
    if (typed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
    {
        bool ok = false;
        const qulonglong pattern = typed.mid(2).toULongLong(&ok, 16);
        if (!ok || pattern > 0xFFFFFFFFull)
        {
            if (refusal)
            {
                *refusal = tr("Not a hexadecimal pattern of at most 32 bits: %1").arg(typed);
            }
            return false;
        }
        parameter->integer_values[0] = static_cast<qint32>(static_cast<quint32>(pattern));
        return true;
    }
    return TParameters::Set_Value_Text(parameter, 0, Text(), refusal);
}

void TBitfieldWidget::Show_Hexadecimal(quint32 pattern)
{
    d_hex_label->setText(QStringLiteral("0x") +
                         QString::number(pattern, 16).toUpper().rightJustified(8, QLatin1Char('0')));
}

void TBitfieldWidget::Show_Bit_Meanings(const QString& description)
{
    for (QCheckBox* check : d_bit_checks)
    {
        check->setToolTip(QString());
    }
    static const QRegularExpression bit_line(QStringLiteral("^\\s*B(\\d{1,2})(?!\\d)"));
    const QStringList lines = description.split(QLatin1Char('\n'));
    for (const QString& line : lines)
    {
        const QRegularExpressionMatch match = bit_line.match(line);
        const int bit = match.hasMatch() ? match.captured(1).toInt() : -1;
        if (bit >= 0 && bit < 32 && d_bit_checks[bit]->toolTip().isEmpty())
        {
            d_bit_checks[bit]->setToolTip(line.trimmed());
        }
    }
}

void TBitfieldWidget::Mark_Refused(int, const QString& reason)
{
    Utilities::Mark_Refused_Field(d_value_edit, reason);
}

quint32 TBitfieldWidget::Pattern() const
{
    quint32 pattern = 0;
    for (int bit = 0; bit < 32; ++bit)
    {
        if (d_bit_checks[bit]->isChecked())
        {
            pattern |= quint32(1) << bit;
        }
    }
    return pattern;
}

void TBitfieldWidget::Apply_Typed_Value()
{
    d_value_edit->setModified(false);
    // Text that only restates the boxes changes nothing; anything else goes to the owner, which
    // stores it and sets the boxes, or refuses it.
    if (d_value_edit->text() != QString::number(static_cast<qint32>(Pattern())))
    {
        emit Value_Changed(0);
    }
}

void TBitfieldWidget::Update_Integer()
{
    d_value_edit->setText(QString::number(static_cast<qint32>(Pattern())));
    Show_Hexadecimal(Pattern());

    if (!d_updating)
    {
        emit Value_Changed(0);
    }
}
