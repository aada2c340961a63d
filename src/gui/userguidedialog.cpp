#include "userguidedialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

TUserGuideDialog::TUserGuideDialog(QWidget* parent) : QDialog(parent), d_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("user_guide_dialog"));
    setWindowTitle(tr("User Guide"));

    d_browser->setObjectName(QStringLiteral("user_guide_browser"));
    d_browser->setOpenExternalLinks(true);
    d_browser->setAccessibleName(tr("User guide"));

    QDialogButtonBox* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("user_guide_buttons"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->addWidget(d_browser);
    layout->addWidget(buttons);
    resize(760, 640);
}

void TUserGuideDialog::Show_File(const QString& file_name)
{
    d_browser->setSearchPaths({QFileInfo(file_name).absolutePath()});
    d_browser->setSource(QUrl::fromLocalFile(file_name));
}

QTextBrowser* TUserGuideDialog::Browser() const
{
    return d_browser;
}
