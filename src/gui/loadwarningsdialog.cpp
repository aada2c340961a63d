#include "loadwarningsdialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TLoadWarningsDialog::TLoadWarningsDialog(QWidget* parent)
    : QDialog(parent), d_label(new QLabel(this)), d_text(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("load_warnings_dialog"));
    setWindowTitle(tr("Load Warnings"));
    d_label->setObjectName(QStringLiteral("load_warnings_label"));
    d_label->setWordWrap(true);
    d_label->setTextFormat(Qt::PlainText);
    d_text->setObjectName(QStringLiteral("load_warnings_text"));
    d_text->setReadOnly(true);
    d_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    d_text->setAccessibleName(tr("Load warnings"));

    QDialogButtonBox* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copy_button = buttons->addButton(tr("&Copy All"), QDialogButtonBox::ActionRole);
    copy_button->setObjectName(QStringLiteral("copy_warnings_button"));
    connect(copy_button, &QPushButton::clicked, this,
            [this]() { QApplication::clipboard()->setText(d_text->toPlainText()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->addWidget(d_label);
    layout->addWidget(d_text);
    layout->addWidget(buttons);
    resize(640, 360);
}

void TLoadWarningsDialog::Show_Warnings(const QString& path, const QStringList& warnings)
{
    d_label->setText(tr("Reading %1 cut or left out these places; the list holds what was read:")
                         .arg(QDir::toNativeSeparators(path)));
    d_text->setPlainText(warnings.join(QLatin1Char('\n')));
}

QString TLoadWarningsDialog::Text() const
{
    return d_text->toPlainText();
}
