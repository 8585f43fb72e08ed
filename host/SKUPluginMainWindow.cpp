#include "SKUPluginMainWindow.h"

#include "CollectionSettings.h"
#include "MainWidget.h"
#include "MyPaletteWidget.h"
#include "PaletteModel.h"
#include "PickResult.h"
#include "StateStore.h"
#include "TaskButton.h"
#include "ThemeResources.h"
#include "VistralQueries.h"
#include "WindowIcon.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTimer>

using namespace Corvane;

namespace {

constexpr QSize kWindowSize(800, 600);
constexpr int kShowDelay = 100;
constexpr quint16 kLoadButtonId = 2;

const QString kSelectKey = QStringLiteral("sketchup.selectcolor.button");
const QString kCancelKey = QStringLiteral("common.cancel.button");
const QString kCaptionKey = QStringLiteral("color.palette.caption");

QUuid lastUsedCollection()
{
    return StateStore().uuidOfLastUsedCollection();
}

// The cell's name, with the chip's product codes appended when the collection asks for it.
QString pickedName(const MyPaletteWidget &palette, const QPoint &cell, const QUuid &collection,
                   bool appendProductCodes)
{
    QString name = palette.nameAt(cell);
    if (!appendProductCodes)
        return name;
    std::vector<QString> codes;
    if (DB::loadProductCodes(collection, palette.rowIdAt(cell), codes) == 0 && !codes.empty())
        name += QStringLiteral(" - ")
            + QStringList(codes.begin(), codes.end()).join(QStringLiteral(", "));
    return name;
}

} // namespace

SKUPluginMainWindow::SKUPluginMainWindow(PickResult *result, QWidget *parent)
    : QDialog(parent), m_result(result)
{
    setWindowModality(Qt::ApplicationModal);
    setWindowIcon(pickerWindowIcon());
    setFixedSize(kWindowSize);
    m_mainWidget = new MainWidget(&currentMainWidget, this);
    m_selectButtonId = m_mainWidget->addTaskButton(kLoadButtonId);
    m_cancelButtonId = m_mainWidget->addTaskButton(m_selectButtonId);
    collectionChanged(lastUsedCollection());
    onMyPaletteChanged();

    connect(m_mainWidget, &MainWidget::selectedCollectionChanged, this,
            &SKUPluginMainWindow::collectionChanged);
    connect(m_mainWidget->taskButton(m_selectButtonId), &QAbstractButton::clicked, this,
            &SKUPluginMainWindow::selectColor);
    connect(m_mainWidget->taskButton(m_cancelButtonId), &QAbstractButton::clicked, this,
            &QDialog::reject);
    connect(m_mainWidget, &MainWidget::myPaletteChanged, this,
            &SKUPluginMainWindow::onMyPaletteChanged);
    connect(m_mainWidget, &MainWidget::myPaletteSelectionChanged, this,
            &SKUPluginMainWindow::onMyPaletteChanged);

    if (m_result && m_result->hasInitialColor) {
        const quint32 initial = m_result->initialColor;
        m_initialColor
            = QColor::fromRgb(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
    }
}

void SKUPluginMainWindow::collectionChanged(const QUuid &collectionId)
{
    m_mainWidget->taskButton(m_selectButtonId)->setText(DB::localeString(collectionId, kSelectKey));
    m_mainWidget->taskButton(m_cancelButtonId)->setText(DB::localeString(collectionId, kCancelKey));
    setWindowTitle(DB::localeString(collectionId, kCaptionKey));
}

void SKUPluginMainWindow::onMyPaletteChanged()
{
    m_mainWidget->taskButton(m_selectButtonId)->setEnabled(!m_mainWidget->myPalette()->isEmpty());
}

void SKUPluginMainWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!isVisible() || m_initialColorApplied)
        return;
    if (m_initialColor == QColor(Qt::transparent)) {
        QTimer::singleShot(0, this, &SKUPluginMainWindow::initialColorSettled);
        return;
    }
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    auto *timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, &SKUPluginMainWindow::showTimerExhausted);
    timer->start(kShowDelay);
}

void SKUPluginMainWindow::showTimerExhausted()
{
    if (m_initialColorApplied)
        return;
    m_mainWidget->selectNearestColor(m_initialColor);
    m_initialColorApplied = true;
    Q_EMIT initialColorSettled();
}

void SKUPluginMainWindow::selectColor()
{
    if (!m_result) {
        reject();
        return;
    }
    m_result->count = 0;
    const QUuid collection = lastUsedCollection();
    const bool appendCodes = CollectionSettings::exportColorNameAppendProductCode(collection);
    const MyPaletteWidget &palette = *m_mainWidget->myPalette();
    for (int index = 0; index < PaletteModel::cellCount; ++index) {
        const QPoint cell = PaletteModel::cellAt(index);
        const QColor color = palette.colorAt(cell);
        if (color == QColor(Qt::transparent))
            continue;
        const QString name = pickedName(palette, cell, collection, appendCodes);
        m_result->addColor(color.rgb(), name.toLocal8Bit());
    }
    if (m_result->count != 0)
        accept();
    else
        reject();
}
