#pragma once

#include <QDialog>

class QTextBrowser;

// The user guide inside the program, for a desktop without a browser that answers.
class TUserGuideDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TUserGuideDialog(QWidget* parent);

    // Shows the guide from its file; images beside the file are found through its folder.
    void Show_File(const QString& file_name);
    QTextBrowser* Browser() const;

private:
    QTextBrowser* d_browser;
};
