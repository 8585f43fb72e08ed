#pragma once

#include <QWidget>

class QWindow;

// Embeds the picker's dialogs in the host's native window: the widget becomes a native child
// of the host window and the Qt parent of the dialogs. While a modal child dialog shows, the
// host window takes no input; when it hides, the host is enabled again and gets the focus
// back. Tab and Shift+Tab pass between the host window and the Qt widgets.
class QWinWidget : public QWidget
{
    Q_OBJECT

public:
    explicit QWinWidget(WId hostWindow, QObject *parent = nullptr, Qt::WindowFlags flags = {});
    ~QWinWidget() override;

    void show();
    void center();
    void showCentered();
    WId parentWindow() const;

    // Whether the host window is disabled for a modal child right now.
    bool hostDisabled() const { return m_reenableParent; }

protected:
    void childEvent(QChildEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;
    bool focusNextPrevChild(bool next) override;

private:
    void init();
    void saveFocus();
    void resetFocus();
    void setHostEnabled(bool enabled);
    QRect hostGeometry() const;
    void centerOverHost(QWidget *window) const;

    WId m_hostWindow;
    WId m_prevFocus = 0;
    bool m_reenableParent = false;
    QWindow *m_foreignHost = nullptr;
    WId m_inputCover = 0;
};
