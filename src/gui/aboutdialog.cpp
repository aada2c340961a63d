#include "aboutdialog.h"

#include "vantrelversion.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>
#include <QtGlobal>

TAboutDialog::TAboutDialog(const QString& data_path, QWidget* parent)
    : QDialog(parent), d_text_label(new QLabel(this))
{
    setObjectName(QStringLiteral("about_dialog"));
    setWindowTitle(tr("About Vantrel"));
    setModal(true);

    const QString folder = QDir::toNativeSeparators(data_path);
    const QString text =
        QStringLiteral("<h3>%1</h3><p>%2</p><p>%3</p><p>%4</p><p>%5</p>")
            .arg(tr("Vantrel %1").arg(QStringLiteral(VANTREL_VERSION)).toHtmlEscaped(),
                 tr("Edits and checks the parameter files of a coordinate measuring machine's motion "
                    "controller.")
                     .toHtmlEscaped(),
                 tr("Built with Qt %1, running on Qt %2.")
                     .arg(QStringLiteral(QT_VERSION_STR), QString::fromLatin1(qVersion()))
                     .toHtmlEscaped(),
                 tr("Licence: MIT. The program comes without any warranty.").toHtmlEscaped(),
                 tr("Settings and rules are kept in %1")
                     .arg(QStringLiteral("<a href=\"%1\">%2</a>")
                              .arg(QUrl::fromLocalFile(data_path).toString(QUrl::FullyEncoded),
                                   folder.toHtmlEscaped())));
    d_text_label->setObjectName(QStringLiteral("about_text_label"));
    d_text_label->setTextFormat(Qt::RichText);
    d_text_label->setText(text);
    d_text_label->setWordWrap(true);
    d_text_label->setOpenExternalLinks(true);
    d_text_label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    d_text_label->setAccessibleName(tr("About Vantrel"));

    QDialogButtonBox* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("about_buttons"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->addWidget(d_text_label);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

QString TAboutDialog::Text() const
{
    return d_text_label->text();
}
