#pragma once

#include <QMessageBox>
#include <QString>
#include <deque>
#include <utility>
#include <vector>

// The program's message box: always 500 pixels wide, text in 10-point bold, informative text in
// 10-point normal rich text.
class TMessageBox : public QMessageBox
{
    Q_OBJECT

public:
    explicit TMessageBox(QWidget* parent = nullptr);

    int exec() override;
    virtual void setText(const QString& text);
    virtual void setInformativeText(const QString& text);

    // A question with the buttons Yes and No, No the default; true only for Yes (Escape answers No).
    bool Ask_Question(const QString& text, const QString& informative_text);
    // A question with answers of its own: each a standard button under the text given, the first the
    // default; Escape gives the last. Returns the button of the answer.
    QMessageBox::StandardButton
    Ask_Choice(const QString& text, const QString& informative_text,
               const std::vector<std::pair<QMessageBox::StandardButton, QString>>& answers);
    // An error with one Ok button: text "Error", the informative and the detailed text given.
    void Show_Error(const QString& informative_text, const QString& detailed_text,
                    QMessageBox::Icon icon = QMessageBox::Warning);

    // Tests answer the next boxes without showing them: each queued answer is taken by one exec.
    static void Queue_Answer(QMessageBox::StandardButton answer);
    static void Clear_Answers();
    static int Pending_Answers();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int d_width = 500;
    static std::deque<QMessageBox::StandardButton> s_answers;
};
