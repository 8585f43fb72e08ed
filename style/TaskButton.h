#pragma once

#include <QColor>
#include <QPushButton>

namespace Corvane {

// The rounded text button of the task row and the dialogs.
class TaskButton : public QPushButton
{
    Q_OBJECT

public:
    explicit TaskButton(QWidget *parent = nullptr);

    QColor textColor() const { return m_textColor; }
    QColor topColor() const { return m_topColor; }
    QColor bottomColor() const { return m_bottomColor; }

protected:
    enum class Shape { RoundedRectangle, Ellipse };

    // The round variants draw an ellipse with blue bold text.
    TaskButton(QWidget *parent, Shape shape);

    // Where the text is centred; `pressed` moves it down and right.
    virtual QRect textRect(bool pressed) const;

    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QColor disabledFill() const;
    QColor disabledText() const;

    Shape m_shape;
    QColor m_textColor;
    QColor m_topColor;
    QColor m_bottomColor;
};

} // namespace Corvane
