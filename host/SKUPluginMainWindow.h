#pragma once

#include <QColor>
#include <QDialog>
#include <QUuid>

struct PickResult;

namespace Corvane {
class MainWidget;
}

// The modal picker window: the main widget with select and cancel in its task row. Select
// writes My Palette's chips into the result record in reading order.
class SKUPluginMainWindow : public QDialog
{
    Q_OBJECT

public:
    SKUPluginMainWindow(PickResult *result, QWidget *parent = nullptr);

    Corvane::MainWidget *mainWidget() const { return m_mainWidget; }
    quint16 selectButtonId() const { return m_selectButtonId; }
    quint16 cancelButtonId() const { return m_cancelButtonId; }

Q_SIGNALS:
    // The window shows what it opened on: the initial colour was located, or there was none.
    void initialColorSettled();

protected:
    void showEvent(QShowEvent *event) override;

private Q_SLOTS:
    void collectionChanged(const QUuid &collectionId);
    void selectColor();
    void showTimerExhausted();
    void onMyPaletteChanged();

private:
    Corvane::MainWidget *m_mainWidget = nullptr;
    quint16 m_selectButtonId = 0;
    quint16 m_cancelButtonId = 0;
    PickResult *m_result = nullptr;
    QColor m_initialColor = Qt::transparent;
    bool m_initialColorApplied = false;
};
