#include "CollectionSelectWidget.h"

#include "CaptureImport.h"
#include "Collection.h"
#include "CollectionRegistry.h"
#include "CxF3Reader.h"
#include "DropDownButton.h"
#include "FocusMark.h"
#include "ImageButton.h"
#include "InterfaceFonts.h"
#include "StateStore.h"
#include "StatusCodes.h"
#include "ThemeResources.h"
#include "WidgetShortcuts.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

namespace Corvane {

namespace {

constexpr QSize kSelectorSize(234, 30);
constexpr QSize kButtonSize(20, 20);
constexpr QSize kCaptureImageSize(16, 16);
constexpr int kFontStep = 3;
constexpr int kButtonGap = 2;
constexpr int kListHeight = 128;
constexpr int kItemHeight = 28;

const QString kBackgroundKey = QStringLiteral("image.widget.bar.background");
const QString kTextColorKey = QStringLiteral("color.widget.collectionselector.text");
const QString kCaptureImageKey = QStringLiteral("image.capsure.button.normal");
const QString kListStyleSheet
    = QStringLiteral("background-color: qlineargradient(spread:pad,                 x1:0.35, y1:1, "
                     "                x2:0.65, y2:0,                 stop:0 rgba(%1, %2, %3, %4),  "
                     "               stop:1 rgba(%5, %6, %7, %8)); ");
const QColor kListColorFrom(204, 204, 204, 255);
const QColor kListColorTo(238, 238, 238, 255);

// `button` at the right end of `area`, centred vertically; `area` then ends left of it.
void placeAtRight(QWidget *button, QRect &area)
{
    button->move(area.right() - button->width(),
                 area.top() + (area.height() - button->height()) / 2);
    area.setRight(area.right() - (button->width() + kButtonGap));
}

} // namespace

CollectionSelectWidget::CollectionSelectWidget(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(kSelectorSize);
    setMaximumSize(kSelectorSize);
    setFixedSize(kSelectorSize);
    setFocusPolicy(Qt::StrongFocus);
    applyCollection(StateStore().uuidOfLastUsedCollection());
    setFont(normalFont(kFontStep));

    m_dropDownButton = new DropDownButton(this);
    m_dropDownButton->setFixedSize(kButtonSize);
    m_dropDownButton->setShowArrowDown(1);
    // The bar itself takes the keys that open the list, so the button is no Tab stop. A click
    // still focuses it: the open list then stays open until the click closes it.
    m_dropDownButton->setFocusPolicy(Qt::ClickFocus);
    if (DB::orderedCollectionUuids().size() < 2)
        m_dropDownButton->hide();

    const QImage captureImage = DB::systemThemeImage(kCaptureImageKey, kCaptureImageSize);
    m_captureButton = new ImageButton(captureImage, captureImage, this);
    m_captureButton->setFixedSize(kButtonSize);
    m_captureButton->hide();

    createCollectionList();

    connect(m_dropDownButton, &QAbstractButton::clicked, this,
            &CollectionSelectWidget::dropDownButtonClicked);
    connect(m_captureButton, &QAbstractButton::clicked, this,
            &CollectionSelectWidget::capsureButtonClicked);
    m_collectionList->installEventFilter(this);
    connect(m_collectionList, &QListWidget::itemActivated, this,
            &CollectionSelectWidget::listWidgetItemActivated);
    connect(m_collectionList, &QListWidget::itemClicked, this,
            &CollectionSelectWidget::listWidgetItemActivated);

    layoutChildren();
}

// The list's own destruction sends it events; they must not reach this filter, which would
// treat the half-destroyed list as a list widget.
CollectionSelectWidget::~CollectionSelectWidget()
{
    if (m_collectionList)
        m_collectionList->removeEventFilter(this);
    delete m_collectionList.data();
}

QSize CollectionSelectWidget::sizeHint() const
{
    return kSelectorSize;
}

QSize CollectionSelectWidget::minimumSizeHint() const
{
    return kSelectorSize;
}

// The list belongs to the selector's parent, so that it can reach below the bar.
void CollectionSelectWidget::createCollectionList()
{
    m_collectionList = new QListWidget(parentWidget());
    m_collectionList->setFont(normalFont(kFontStep));
    for (const QUuid &collection : DB::orderedCollectionUuids()) {
        QSharedPointer<DB::Collection> record;
        if (DB::loadCollection(collection, record) != DB::StatusOk || !record)
            continue;
        auto *item = new QListWidgetItem(record->name(), m_collectionList);
        item->setData(Qt::UserRole, collection.toString());
        item->setSizeHint(QSize(0, kItemHeight));
    }
    m_collectionList->setFrameStyle(0);
    m_collectionList->setStyleSheet(kListStyleSheet.arg(kListColorFrom.red())
                                        .arg(kListColorFrom.green())
                                        .arg(kListColorFrom.blue())
                                        .arg(kListColorFrom.alpha())
                                        .arg(kListColorTo.red())
                                        .arg(kListColorTo.green())
                                        .arg(kListColorTo.blue())
                                        .arg(kListColorTo.alpha()));
    m_collectionList->hide();
}

void CollectionSelectWidget::selectedCollectionChanged(const QUuid &collectionId)
{
    applyCollection(collectionId);
    update();
}

// A collection whose record does not load keeps the name shown before.
void CollectionSelectWidget::applyCollection(const QUuid &collection)
{
    m_backgroundImage = DB::systemThemeImage(kBackgroundKey, size());
    m_textColor = DB::systemThemeColor(kTextColorKey, QColor(0, 0, 0, 255));
    QSharedPointer<DB::Collection> record;
    if (DB::loadCollection(collection, record) == DB::StatusOk && record)
        m_collectionName = record->name();
    layoutChildren();
}

void CollectionSelectWidget::passBackgroundToDropDownButton()
{
    if (m_dropDownButton && !m_backgroundImage.isNull())
        m_dropDownButton->setBackgroundImage(m_backgroundImage.copy(m_dropDownButton->geometry()));
}

void CollectionSelectWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutChildren();
}

// The buttons stand at the right end, the capture button outermost; the drop-down button
// shows the part of the background it stands on.
void CollectionSelectWidget::layoutChildren()
{
    if (!m_dropDownButton)
        return;
    QRect area = rect();
    const int buttonHeight = std::max(m_dropDownButton->height(), m_captureButton->height());
    const int inset = (area.height() - buttonHeight) / 2;
    area.adjust(0, inset, -inset, -inset);
    if (!m_captureButton->isHidden())
        placeAtRight(m_captureButton, area);
    placeAtRight(m_dropDownButton, area);
    placeCollectionList();
    passBackgroundToDropDownButton();
}

void CollectionSelectWidget::placeCollectionList()
{
    QRect list = geometry().translated(0, height());
    list.setHeight(kListHeight);
    m_collectionList->setGeometry(list);
}

void CollectionSelectWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_backgroundImage, 0, 0, width(), height());
    QRect textRect = rect();
    if (m_dropDownButton && !m_dropDownButton->isHidden())
        textRect.setRight(m_dropDownButton->x() - 1);
    painter.setPen(m_textColor);
    // Drawn twice at the same place: a heavier name.
    for (int pass = 0; pass < 2; ++pass)
        painter.drawText(textRect, Qt::TextSingleLine | Qt::AlignHCenter | Qt::AlignVCenter,
                         m_collectionName);
    paintFocusMark(painter, *this);
}

void CollectionSelectWidget::reportPendingCollection()
{
    if (m_pendingCollection.isNull())
        return;
    const QUuid chosen = m_pendingCollection;
    m_pendingCollection = QUuid();
    emit collectionSelectedInteractively(chosen);
}

void CollectionSelectWidget::dropDownButtonClicked()
{
    if (m_collectionList->isVisible()) {
        closeList();
        reportPendingCollection();
        return;
    }
    // The selector may have moved since the last resize.
    placeCollectionList();
    m_collectionList->show();
    const QString current = StateStore().uuidOfLastUsedCollection().toString();
    for (int row = 0; row < m_collectionList->count(); ++row) {
        QListWidgetItem *item = m_collectionList->item(row);
        if (!item->isHidden() && item->data(Qt::UserRole).toString() == current) {
            m_collectionList->setCurrentItem(item);
            break;
        }
    }
    m_collectionList->setFocus(Qt::OtherFocusReason);
}

// A click may arrive both as a click and as an activation; only the first, while the list
// is open, counts.
void CollectionSelectWidget::listWidgetItemActivated(QListWidgetItem *item)
{
    if (!m_collectionList->isVisible())
        return;
    if (item) {
        const QVariant data = item->data(Qt::UserRole);
        if (data.isValid() && data.canConvert<QString>())
            m_pendingCollection = QUuid::fromString(data.toString());
    }
    closeList();
    reportPendingCollection();
}

// Hides the list; the keyboard focus it had goes back to the bar.
void CollectionSelectWidget::closeList()
{
    if (m_collectionList->hasFocus())
        setFocus(Qt::OtherFocusReason);
    m_collectionList->hide();
}

// Space, Return, F4 or Alt+Down open the list, as the drop-down button does.
void CollectionSelectWidget::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = heldModifiers(*event);
    const int key = event->key();
    const bool opens = modifiers == Qt::NoModifier
        ? key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F4
        : modifiers == Qt::AltModifier && key == Qt::Key_Down;
    if (opens && !m_dropDownButton->isHidden() && !m_collectionList->isVisible())
        dropDownButtonClicked();
    else
        QWidget::keyPressEvent(event);
}

bool CollectionSelectWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_collectionList) {
        switch (event->type()) {
        case QEvent::Show:
            m_collectionList->raise();
            m_collectionList->setFocus(Qt::OtherFocusReason);
            m_dropDownButton->setShowArrowDown(0);
            break;
        case QEvent::Hide:
            m_dropDownButton->setShowArrowDown(1);
            break;
        case QEvent::FocusOut:
            if (QApplication::focusWidget() != m_dropDownButton)
                m_collectionList->hide();
            break;
        case QEvent::KeyPress:
            // Escape closes the list without a choice.
            if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
                closeList();
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CollectionSelectWidget::capsureFileChanged(const QString &fileName)
{
    const bool readable = isCaptureFileReadable(fileName);
    if (readable)
        m_captureFilePath = fileName;
    if (readable == m_captureButton->isHidden()) {
        m_captureButton->setVisible(readable);
        QApplication::postEvent(this, new QResizeEvent(size(), size()));
    }
    if (readable)
        m_captureButton->startAttention();
}

void CollectionSelectWidget::capsureButtonClicked()
{
    m_captureButton->stopAttention();
    importCaptureFile(m_captureFilePath);
}

void CollectionSelectWidget::importCaptureFile(const QString &path)
{
    QUuid collection;
    DB::ColorEntry chip;
    if (runCaptureImport(path, this, collection, chip))
        emit capsureItemSelectedInteractively(collection, chip);
}

} // namespace Corvane
