#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;

// File > Show Load Warnings: what the read of the loaded file cut or left out, one line a place, in a
// text the user can select and copy (to a colleague, or into a service report).
class TLoadWarningsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TLoadWarningsDialog(QWidget* parent);

    void Show_Warnings(const QString& path, const QStringList& warnings);
    QString Text() const;

private:
    QLabel* d_label;
    QPlainTextEdit* d_text;
};
