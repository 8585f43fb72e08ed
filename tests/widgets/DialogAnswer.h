#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace Corvane::Test {

// Answers the next modal dialog of type T that a call under test runs: once such a dialog
// is shown, `answer` gets it. The polling stops when the answerer goes out of scope.
template<typename T> class DialogAnswer
{
public:
    explicit DialogAnswer(std::function<void(T *)> answer) : m_answer(std::move(answer))
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    bool answered() const { return m_answered; }

private:
    void poll()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            T *dialog = qobject_cast<T *>(widget);
            if (!dialog || !dialog->isVisible())
                continue;
            m_timer.stop();
            m_answered = true;
            m_answer(dialog);
            return;
        }
    }

    std::function<void(T *)> m_answer;
    QTimer m_timer;
    bool m_answered = false;
};

} // namespace Corvane::Test
