#pragma once
// Modal message boxes: a text, a title and a style code -> the button pressed.

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

namespace tabulon {

namespace MsgStyle {
constexpr int OkOnly = 0;
constexpr int Critical = 16;             // OK, critical stop
constexpr int YesNoQuestion = 36;        // Yes and No, question mark
constexpr int OkCancelExclamation = 49;  // OK and Cancel, exclamation mark
}  // namespace MsgStyle

namespace MsgAnswer {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Yes = 6;
constexpr int No = 7;
}  // namespace MsgAnswer

class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual int show(const QString& text, const QString& title, int style) = 0;
};

// For tests and automation: records every box and answers from a script (then a default).
class ScriptedMessageBox : public MessageBox {
public:
    struct Shown {
        QString text;
        QString title;
        int style;
    };

    int show(const QString& text, const QString& title, int style) override
    {
        shown.push_back({text, title, style});
        if (!answers.empty()) {
            const int a = answers.front();
            answers.pop_front();
            return a;
        }
        return defaultAnswerFor(style);
    }
    static int defaultAnswerFor(int style)
    {
        return style == MsgStyle::YesNoQuestion ? MsgAnswer::Yes : MsgAnswer::Ok;
    }
    QStringList titles() const
    {
        QStringList t;
        for (const Shown& s : shown)
            t << s.title;
        return t;
    }

    std::vector<Shown> shown;
    std::deque<int> answers;
};

}  // namespace tabulon
