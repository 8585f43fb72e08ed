#include "PickWindow.h"

#include "MainWidget.h"
#include "StateStore.h"
#include "TaskButton.h"
#include "ThemeResources.h"

#include <QCoreApplication>
#include <QTimer>

namespace Corvane::Cli {

namespace {

constexpr QSize kWindowSize(800, 600);
constexpr int kShowDelay = 100;
constexpr quint16 kLoadButtonId = 2;

const QString kSelectKey = QStringLiteral("sketchup.selectcolor.button");
const QString kCancelKey = QStringLiteral("common.cancel.button");
const QString kCaptionKey = QStringLiteral("color.palette.caption");

} // namespace

PickWindow::PickWindow(QWidget *parent) : QDialog(parent)
{
    setFixedSize(kWindowSize);
    m_mainWidget = new MainWidget(&currentMainWidget, this);
    m_selectButtonId = m_mainWidget->addTaskButton(kLoadButtonId);
    m_cancelButtonId = m_mainWidget->addTaskButton(m_selectButtonId);
    collectionChanged(StateStore().uuidOfLastUsedCollection());
    // Select hands over My Palette's chips; it stays disabled until the palette exists.
    m_mainWidget->taskButton(m_selectButtonId)->setEnabled(false);

    connect(m_mainWidget, &MainWidget::selectedCollectionChanged, this,
            &PickWindow::collectionChanged);
    connect(m_mainWidget->taskButton(m_cancelButtonId), &QAbstractButton::clicked, this,
            &QDialog::reject);
}

void PickWindow::collectionChanged(const QUuid &collectionId)
{
    m_mainWidget->taskButton(m_selectButtonId)->setText(DB::localeString(collectionId, kSelectKey));
    m_mainWidget->taskButton(m_cancelButtonId)->setText(DB::localeString(collectionId, kCancelKey));
    setWindowTitle(DB::localeString(collectionId, kCaptionKey));
}

void PickWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!isVisible() || m_initialColorApplied)
        return;
    if (m_initialColor == QColor(Qt::transparent)) {
        m_initialColorApplied = true;
        QTimer::singleShot(0, this, &PickWindow::ready);
        return;
    }
    QCoreApplication::processEvents();
    QTimer::singleShot(kShowDelay, this, &PickWindow::showTimerExhausted);
}

void PickWindow::showTimerExhausted()
{
    if (m_initialColorApplied)
        return;
    m_mainWidget->selectNearestColor(m_initialColor);
    m_initialColorApplied = true;
    emit ready();
}

} // namespace Corvane::Cli
