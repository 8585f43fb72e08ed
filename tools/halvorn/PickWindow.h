#pragma once

#include <QColor>
#include <QDialog>
#include <QUuid>

namespace Corvane {
class MainWidget;
}

namespace Corvane::Cli {

// The standalone picker window: the main widget with the select and cancel buttons in its
// task row. The initial colour, if any, is located 100 ms after the first show.
class PickWindow : public QDialog
{
    Q_OBJECT

public:
    explicit PickWindow(QWidget *parent = nullptr);

    // The colour to locate on the first show; Qt::transparent for none.
    void setInitialColor(const QColor &color) { m_initialColor = color; }
    MainWidget *mainWidget() const { return m_mainWidget; }

signals:
    // The window shows what it opened on: the initial colour was located, or there was none.
    void ready();

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void collectionChanged(const QUuid &collectionId);
    void showTimerExhausted();

private:
    MainWidget *m_mainWidget = nullptr;
    quint16 m_selectButtonId = 0;
    quint16 m_cancelButtonId = 0;
    QColor m_initialColor = Qt::transparent;
    bool m_initialColorApplied = false;
};

} // namespace Corvane::Cli
