#include "messagebox.h"

#include <QAbstractButton>
#include <QResizeEvent>
#include <QShowEvent>

std::deque<QMessageBox::StandardButton> TMessageBox::s_answers;

TMessageBox::TMessageBox(QWidget* parent) : QMessageBox(parent)
{
    d_width = 500;
    setObjectName(QStringLiteral("message_box"));
    setTextFormat(Qt::RichText);
    setStyleSheet(QStringLiteral("dialogbuttonbox-buttons-have-icons: 0;\nbutton-layout: 1;"));
}

int TMessageBox::exec()
{
    if (!s_answers.empty())
    {
        const QMessageBox::StandardButton answer = s_answers.front();
        s_answers.pop_front();
        return answer;
    }
    return QMessageBox::exec();
}

void TMessageBox::setText(const QString& text)
{
    QMessageBox::setText(
        QStringLiteral("<span style=\"font-size:10pt; font-weight:600; color:#000000;\" >%1</span>")
            .arg(text));
}

void TMessageBox::setInformativeText(const QString& text)
{
    QMessageBox::setInformativeText(
        QStringLiteral("<span style=\"font-size:10pt; font-weight:400; color:#000000;\" >%1</span>")
            .arg(text));
}

void TMessageBox::Queue_Answer(QMessageBox::StandardButton answer)
{
    s_answers.push_back(answer);
}

void TMessageBox::Clear_Answers()
{
    s_answers.clear();
}

int TMessageBox::Pending_Answers()
{
    return static_cast<int>(s_answers.size());
}

// QMessageBox sizes itself to its text on every show and layout pass; fixing the width after the
// base class has done so keeps long questions wrapped at a readable width.
void TMessageBox::showEvent(QShowEvent* event)
{
    QMessageBox::showEvent(event);
    setFixedWidth(d_width);
}

void TMessageBox::resizeEvent(QResizeEvent* event)
{
    QMessageBox::resizeEvent(event);
    setFixedWidth(d_width);
}

bool TMessageBox::Ask_Question(const QString& text, const QString& informative_text)
{
    setText(text);
    setInformativeText(informative_text);
    setDetailedText(QString());
    setIcon(QMessageBox::Question);
    setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    setDefaultButton(QMessageBox::No);
    return exec() == QMessageBox::Yes;
}

QMessageBox::StandardButton
TMessageBox::Ask_Choice(const QString& text, const QString& informative_text,
                        const std::vector<std::pair<QMessageBox::StandardButton, QString>>& answers)
{
    Q_ASSERT(!answers.empty());
    QMessageBox::StandardButtons buttons = QMessageBox::NoButton;
    for (const auto& answer : answers)
    {
        buttons |= answer.first;
    }
    setText(text);
    setInformativeText(informative_text);
    setDetailedText(QString());
    setIcon(QMessageBox::Question);
    // Setting the buttons makes them anew, so the texts given here do not stay for the next box.
    setStandardButtons(buttons);
    for (const auto& answer : answers)
    {
        button(answer.first)->setText(answer.second);
    }
    setDefaultButton(answers.front().first);
    setEscapeButton(answers.back().first);

    const int result = exec();
    for (const auto& answer : answers)
    {
        if (result == answer.first)
        {
            return answer.first;
        }
    }
    return answers.back().first;
}

void TMessageBox::Show_Error(const QString& informative_text, const QString& detailed_text,
                             QMessageBox::Icon icon)
{
    setText(tr("Error"));
    setInformativeText(informative_text);
    setDetailedText(detailed_text);
    setIcon(icon);
    setStandardButtons(QMessageBox::Ok);
    setDefaultButton(QMessageBox::Ok);
    exec();
}
