#include "CapsureSelectDialog.h"

#include "Collection.h"
#include "CollectionRegistry.h"
#include "InterfaceFonts.h"
#include "PickerDialogChrome.h"
#include "StateStore.h"
#include "StatusCodes.h"
#include "TaskButton.h"
#include "ThemeResources.h"

#include <QComboBox>
#include <QLabel>
#include <QMap>
#include <QResizeEvent>

namespace Corvane {

namespace {

constexpr QSize kDialogSize(320, 200);
constexpr int kFontStep = 2;
constexpr int kListMargin = 48;
constexpr int kListTop = 20;
constexpr int kGap = 12;
constexpr QSize kOkSize(80, 22);
constexpr int kOkAboveHint = 34;
const QString kCaptionKey = QStringLiteral("capsure.dialog.caption");
const QString kHintKey = QStringLiteral("capsure.dialog.todo");
const QString kBackgroundStyle = QStringLiteral("background-color: rgb(123, 123, 123);");
const QString kInitialSwatchStyle = QStringLiteral("background-color: rgb(255, 0, 0);");
const QString kSwatchStyle = QStringLiteral("background-color: rgba(%1, %2, %3, %4);");
const QString kHintStyle = QStringLiteral("color:rgb(240,240,240);border-color:rgb(255,255,255);");
const QString kMultiCollectionText = QStringLiteral("%1 (%2)");

// The name of each collection of `chips` whose record loads, by collection id.
QMap<qint64, QString> collectionNames(const QVector<DB::ColorEntry> &chips)
{
    QMap<qint64, QString> names;
    for (const DB::ColorEntry &chip : chips) {
        if (names.contains(chip.collectionId))
            continue;
        QSharedPointer<DB::Collection> collection;
        if (DB::loadCollection(DB::collectionUuidForDbId(chip.collectionId), collection)
            == DB::StatusOk)
            names.insert(chip.collectionId, collection->name());
    }
    return names;
}

} // namespace

CapsureSelectDialog::CapsureSelectDialog(const QVector<DB::ColorEntry> &chips, QWidget *parent)
    : QDialog(parent), m_chips(chips)
{
    const QUuid collection = StateStore().uuidOfLastUsedCollection();
    setWindowTitle(DB::localeString(collection, kCaptionKey));
    showOnlyCloseButton(this);
    setWindowOpacity(1.0);
    setFont(normalFont(kFontStep));

    m_background = new QWidget(this);
    m_background->setAttribute(Qt::WA_StyledBackground);
    m_background->setStyleSheet(kBackgroundStyle);

    m_chipList = new QComboBox(this);
    m_chipList->setFont(font());
    m_chipList->setEditable(false);
    m_chipList->setInsertPolicy(QComboBox::InsertAtBottom);
    m_chipList->raise();

    m_swatch = new QWidget(this);
    m_swatch->setAttribute(Qt::WA_StyledBackground);
    m_swatch->setStyleSheet(kInitialSwatchStyle);
    m_swatch->raise();

    m_okButton = new TaskButton(this);
    m_okButton->setText(QStringLiteral("OK"));
    m_okButton->setEnabled(false);
    m_okButton->setDefault(true);
    m_okButton->adjustSize();
    m_okButton->raise();

    m_hintLabel = createHintLabel(this, DB::localeString(collection, kHintKey), kHintStyle);
    m_hintLabel->raise();

    fillChipList();
    itemSelectionChanged(m_chipList->currentIndex());
    connect(m_chipList, &QComboBox::currentIndexChanged, this,
            &CapsureSelectDialog::itemSelectionChanged);
    connect(m_okButton, &QPushButton::clicked, this, &CapsureSelectDialog::okBtnClicked);

    setFixedSize(kDialogSize);
    QResizeEvent resize(size(), size());
    resizeEvent(&resize);
}

// One item per chip, by code; with the collection's name when the chips come from several
// collections.
void CapsureSelectDialog::fillChipList()
{
    const QMap<qint64, QString> names = collectionNames(m_chips);
    m_multiCollection = names.size() >= 2;
    for (const DB::ColorEntry &chip : m_chips) {
        if (m_chipList->findData(QVariant::fromValue<qint64>(chip.id), Qt::UserRole,
                                 Qt::MatchExactly | Qt::MatchCaseSensitive)
            >= 0)
            continue;
        const QString text = m_multiCollection
            ? kMultiCollectionText.arg(chip.code(), names.value(chip.collectionId))
            : chip.code();
        m_chipList->addItem(text, QVariant::fromValue<qint64>(chip.id));
    }
}

void CapsureSelectDialog::itemSelectionChanged(int itemIndex)
{
    QColor color(0, 0, 0, 0);
    if (itemIndex >= 0) {
        const qint64 rowId = m_chipList->itemData(itemIndex, Qt::UserRole).toLongLong();
        for (const DB::ColorEntry &chip : m_chips) {
            if (chip.id == rowId) {
                m_chosenChip = chip;
                color = QColor(chip.red, chip.green, chip.blue, 255);
                break;
            }
        }
    }
    m_swatch->setStyleSheet(
        kSwatchStyle.arg(color.red()).arg(color.green()).arg(color.blue()).arg(color.alpha()));
    m_okButton->setEnabled(itemIndex >= 0);
}

void CapsureSelectDialog::okBtnClicked()
{
    accept();
}

void CapsureSelectDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int w = width();
    const int hintTop = hintLabelTop(this);
    const QRect list(
        QPoint(kListMargin, kListTop),
        QPoint(w - kListMargin - 1, m_chipList->minimumSizeHint().height() + kListTop + 1));
    m_chipList->setGeometry(list);
    m_hintLabel->setGeometry(hintLabelRect(this));
    const QRect ok(QPoint((w - kOkSize.width()) / 2, hintTop - kOkAboveHint), kOkSize);
    m_okButton->setGeometry(ok);
    m_swatch->setGeometry(
        QRect(QPoint(list.left(), list.bottom() + kGap), QPoint(list.right(), ok.top() - kGap)));
    m_background->setGeometry(rect());
}

} // namespace Corvane
