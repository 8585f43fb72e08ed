#include "MainWidget.h"

#include "AboutButton.h"
#include "CardQueries.h"
#include "CardRollerWidget.h"
#include "CollectionRegistry.h"
#include "CollectionSelectWidget.h"
#include "CollectionSettings.h"
#include "ColorMath.h"
#include "ColorSchemerDuvalineWidget.h"
#include "ColorSchemerWidget.h"
#include "ColorVistralWidget.h"
#include "ColorWheelWidget.h"
#include "FocusMark.h"
#include "HelpButton.h"
#include "InterfaceFonts.h"
#include "ModuleValues.h"
#include "MoodSelectWidget.h"
#include "MyPaletteFullWidget.h"
#include "MyPaletteWidget.h"
#include "PaletteFileDialogs.h"
#include "PaletteImport.h"
#include "PaletteInterchange.h"
#include "PlatformPaths.h"
#include "ProductsWidget.h"
#include "RectCorners.h"
#include "SearchQueries.h"
#include "SearchWidget.h"
#include "SelectNearestColorDialog.h"
#include "StateStore.h"
#include "StatusCodes.h"
#include "TabBarWidget.h"
#include "TaskButton.h"
#include "TexturesWidget.h"
#include "ThemeResources.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QUrl>

#include <algorithm>

namespace Corvane {

MainWidget *currentMainWidget = nullptr;

namespace {

constexpr QSize kMainSize(800, 600);
constexpr int kFontStep = 2;
constexpr int kLabelFontStep = 1;
constexpr int kBannerHeight = 70;
constexpr int kContentTop = 71;
constexpr int kLabelSideMargin = 12;
constexpr int kCopyrightRightMargin = 13;
constexpr int kLabelBottomMargin = 8;
constexpr int kContentBottomMargin = 12;
constexpr int kChildGap = 10;
constexpr int kSearchLeftMargin = 12;
constexpr int kCardRollerTopGap = 6;
constexpr int kCardRollerBottomGap = 7;
constexpr int kTabPageHeight = 226;
constexpr int kTaskRowSideMargin = 12;
constexpr int kTaskButtonGap = 4;
constexpr int kMaxTaskBandHeight = 23;
constexpr int kZoomDuration = 350;
constexpr int kNearestCandidates = 6;
constexpr double kExactMatchDelta = 0.01;

// The sizes of children that are built elsewhere; their slots are kept free meanwhile.
constexpr QSize kCollectionSelectorSize(234, 30);
constexpr QSize kSearchWidgetSize(210, 26);

constexpr quint16 kSaveButtonId = 1;
constexpr quint16 kLoadButtonId = 2;
constexpr quint16 kHelpButtonId = 3;
constexpr quint16 kAboutButtonId = 4;
constexpr quint16 kFirstAddedButtonId = 1000;

const QColor kSeparatorColor(188, 188, 188);
const QString kBackgroundKey = QStringLiteral("image.widget.main.background");
const QString kBannerKey = QStringLiteral("image.banner");
const QString kSaveLabelKey = QStringLiteral("mypalette.palette.save");
const QString kLoadLabelKey = QStringLiteral("mypalette.palette.load");
const QString kCopyrightKey = QStringLiteral("color.palette.copyright");
const QString kMottoKey = QStringLiteral("color.palette.motto");
const QString kCopyrightLink = QStringLiteral("links/copyright");
const QString kMottoLink = QStringLiteral("links/motto");
const QString kHeaderLink = QStringLiteral("links/header");
const QString kCopyrightTextKey = QStringLiteral("license.copyright");
const QString kMottoTextKey = QStringLiteral("motto");
const QString kLinkLabelText = QStringLiteral(
    "<a href=\"%1\"><span style=\"text-decoration: none; color: #ffffff;\">%2</span></a>");
const QString kHelpFileTemplate = QStringLiteral("%1%2qt_temp_XXXXXX.html");
const QString kAppPlaceholder = QStringLiteral("%APP%");
const QString kProgramDataPlaceholder = QStringLiteral("%PROGRAMDATA%");
const QString kPaletteFilterKey = QStringLiteral("common.filedialog.palettefile.filtername");
const QString kTextFilterKey = QStringLiteral("common.filedialog.textfile.filtername");
const QString kSaveCaptionKey = QStringLiteral("common.filedialog.palettefile.savedialogcaption");
const QString kOpenCaptionKey = QStringLiteral("common.filedialog.palettefile.opendialogcaption");
const QString kImportActionText = QStringLiteral("Import colours from another program\u2026");
const QString kImportCaption = QStringLiteral("Import colours");
const QString kExportCaption = QStringLiteral("Export My Palette");
const QString kPaletteFilter = QStringLiteral("%1 (*.palette)");
const QString kTextFilter = QStringLiteral("%1 (*.txt)");

// `text` with every `placeholder`, in any letter case, replaced by `value`.
QString replacedIgnoringCase(QString text, const QString &placeholder, const QString &value)
{
    return text.replace(placeholder, value, Qt::CaseInsensitive);
}

// Stores `value` with `write` for `collection` unless `read` gives it already; true when it
// was stored.
template<typename Stored, typename Value>
bool storeChanged(const QUuid &collection, Stored (StateStore::*read)(const QUuid &) const,
                  void (StateStore::*write)(const QUuid &, Value) const, Value value)
{
    const StateStore store;
    if ((store.*read)(collection) == value)
        return false;
    (store.*write)(collection, value);
    return true;
}

} // namespace

MainWidget::MainWidget(MainWidget **current, QWidget *parent) : QWidget(parent), m_current(current)
{
    if (m_current)
        *m_current = this;
    setObjectName(QStringLiteral("MainWidget"));
    setAttribute(Qt::WA_MouseTracking);
    setFixedSize(kMainSize);
    setFocusPolicy(Qt::StrongFocus);
    setFont(normalFont(kFontStep));

    m_defaultTaskButton = new TaskButton(this);
    m_defaultTaskButton->hide();
    insertTaskButton(kSaveButtonId, 0);
    insertTaskButton(kLoadButtonId, 0);
    insertTaskButton(kHelpButtonId, 0);

    const QUuid collection = currentCollection();
    applyCollection(collection);
    applyBackgroundPalette();

    m_collectionSelector = new CollectionSelectWidget(this);
    m_colorWheel = new ColorWheelWidget(this);
    m_moodSelector = new MoodSelectWidget(this);
    m_searchWidget = new SearchWidget(this);
    m_cardRoller = new CardRollerWidget(this);
    createTabPages();
    m_tabBar = new TabBarWidget(this);
    m_zoomAnimation = new QPropertyAnimation(this);

    labelPaletteButtons(collection);
    createMyPalette();
    connect(m_taskButtons.value(kHelpButtonId), &QAbstractButton::clicked, this,
            &MainWidget::helpButtonClicked);

    m_copyrightLabel = createLinkLabel();
    m_mottoLabel = createLinkLabel();
    applyLinkLabels(collection);

    layoutChildren();
    showTabPage(StateStore().tabPageIndex(collection));

    connect(m_colorWheel, &ColorWheelWidget::segmentChangedInteractively, this,
            &MainWidget::segmentChangedInteractivelyByWheel);
    connect(m_cardRoller, &CardRollerWidget::roll, this, &MainWidget::rollCards);
    connect(m_cardRoller, &CardRollerWidget::pageChangedInteractively, this,
            &MainWidget::pageChangedInteractively);
    connect(m_cardRoller, &CardRollerWidget::rowChangedInteractively, this,
            &MainWidget::rowChangedInteractively);
    connect(m_cardRoller, &CardRollerWidget::collectionSelectedInteractively, this,
            &MainWidget::collectionChangedInteractively);
    connect(this, &MainWidget::selectedCollectionChanged, m_colorWheel,
            &ColorWheelWidget::selectedCollectionChanged);
    connect(this, &MainWidget::selectedCollectionChanged, m_cardRoller,
            &CardRollerWidget::selectedCollectionChanged);
    connectTabPages();
    connect(m_copyrightLabel, &QLabel::linkActivated, this, &MainWidget::linkActivated);
    connect(m_mottoLabel, &QLabel::linkActivated, this, &MainWidget::linkActivated);
    connect(qApp, &QApplication::focusChanged, this, &MainWidget::onKeyboardFocusChanged);
    connectBrowsingWidgets();

    m_captureWatcher = new QFileSystemWatcher(this);
    m_captureWatcher->blockSignals(true);
    resetCaptureWatch();
    emitCaptureFileChanged();
}

// Deleting the help files removes them from the disk.
MainWidget::~MainWidget()
{
    // Deleting the children moves the keyboard focus; by then this is no main widget any more.
    disconnect(qApp, &QApplication::focusChanged, this, &MainWidget::onKeyboardFocusChanged);
    qDeleteAll(m_helpFiles);
    if (m_current && *m_current == this)
        *m_current = nullptr;
}

QSize MainWidget::sizeHint() const
{
    return kMainSize;
}

QSize MainWidget::minimumSizeHint() const
{
    return kMainSize;
}

QUuid MainWidget::currentCollection() const
{
    return StateStore().uuidOfLastUsedCollection();
}

void MainWidget::applyCollection(const QUuid &collection)
{
    m_backgroundImage = DB::systemThemeImage(kBackgroundKey, size());
    m_bannerImage = DB::themeImage(collection, kBannerKey, QSize(width(), kBannerHeight));
    m_headerLink = CollectionSettings::headerLink(collection);
    storeInitialTabPage(collection);
    storeInitialSchemeKind(collection);
    if (m_copyrightLabel && m_mottoLabel)
        applyLinkLabels(collection);
    // Reading every chip takes long on a large collection; it waits for the first search.
    m_labEntries.clear();
    m_labEntriesLoaded = false;
    applyCapturePaths(collection);
}

const QVector<DB::LabEntry> &MainWidget::labEntries() const
{
    if (!m_labEntriesLoaded) {
        DB::loadLabEntries(currentCollection(), m_labEntries);
        m_labEntriesLoaded = true;
    }
    return m_labEntries;
}

// Without a stored tab page, the first page of the collection's order that it offers.
void MainWidget::storeInitialTabPage(const QUuid &collection) const
{
    const StateStore store;
    if (store.tabPageIndex(collection) != NoPage)
        return;
    const int available = CollectionSettings::availableTabBarPages(collection);
    for (TabBarPage page : CollectionSettings::tabBarPages(collection)) {
        const bool offered = page == NoPage ? available == 0 : (page & available) == page;
        if (offered) {
            store.setTabPageIndex(collection, page);
            return;
        }
    }
}

// Without a stored scheme kind, the first kind the collection configures (or none).
void MainWidget::storeInitialSchemeKind(const QUuid &collection) const
{
    const StateStore store;
    if (store.schemeKind(collection) != SchemeNone)
        return;
    const QVector<SchemeKind> kinds = CollectionSettings::schemes(collection);
    store.setSchemeKind(collection, kinds.isEmpty() ? SchemeNone : kinds.first());
}

void MainWidget::applyCapturePaths(const QUuid &collection)
{
    m_captureFolder.clear();
    m_captureFile.clear();
    if (!CollectionSettings::capsureEnabled(collection))
        return;
    m_captureFolder = replacedIgnoringCase(CollectionSettings::capsureFolderToWatch(collection),
                                           kProgramDataPlaceholder, commonAppDataFolder());
    m_captureFile = m_captureFolder + QDir::separator()
        + CollectionSettings::capsureFilenameToWatch(collection);
}

void MainWidget::applyBackgroundPalette()
{
    QPalette palette = this->palette();
    const QBrush background(QPixmap::fromImage(m_backgroundImage));
    palette.setBrush(QPalette::All, QPalette::Window, background);
    palette.setBrush(QPalette::All, QPalette::Base, background);
    setPalette(palette);
}

void MainWidget::labelPaletteButtons(const QUuid &collection)
{
    m_taskButtons.value(kSaveButtonId)->setText(DB::localeString(collection, kSaveLabelKey));
    m_taskButtons.value(kLoadButtonId)->setText(DB::localeString(collection, kLoadLabelKey));
}

QLabel *MainWidget::createLinkLabel()
{
    auto *label = new QLabel(this);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    label->setOpenExternalLinks(false);
    label->setFont(normalFont(kLabelFontStep));
    return label;
}

void MainWidget::setLinkLabel(QLabel *label, const QString &text, const QString &link) const
{
    label->setText(kLinkLabelText.arg(link, text));
}

void MainWidget::applyLinkLabels(const QUuid &collection)
{
    setLinkLabel(m_copyrightLabel, DB::localeString(collection, kCopyrightKey), kCopyrightLink);
    setLinkLabel(m_mottoLabel, DB::localeString(collection, kMottoKey), kMottoLink);
}

void MainWidget::collectionChangedInteractively(const QUuid &collectionId)
{
    if (!DB::orderedCollectionUuids().contains(collectionId) || collectionId == currentCollection())
        return;
    m_captureFolder.clear();
    m_captureFile.clear();
    resetCaptureWatch();

    StateStore().setUuidOfLastUsedCollection(collectionId);
    DB::loadDisplayOrders(collectionId);
    CollectionSettings::setCurrentCollection(collectionId);
    applyCollection(collectionId);

    setEnabled(false);
    setCursor(Qt::WaitCursor);
    setUpdatesEnabled(false);
    emit selectedCollectionChanged(collectionId);
    showTabPage(StateStore().tabPageIndex(collectionId));
    labelPaletteButtons(collectionId);
    layoutChildren();
    resetCaptureWatch();
    emitCaptureFileChanged();
    setUpdatesEnabled(true);
    setCursor(Qt::ArrowCursor);
    setEnabled(true);
}

MainWidgetLayout MainWidget::computeLayout(const QSize &size, const QFont &labelFont,
                                           const QString &mottoText, const QString &copyrightText,
                                           int colorWheelHeight, const QSize &moodSelectorSize)
{
    const int w = size.width();
    const int h = size.height();
    MainWidgetLayout layout;
    layout.banner = rectFromCorners(0, 0, w - 1, kBannerHeight - 1);

    const QFontMetrics metrics(labelFont);
    const QSize motto = metrics.size(Qt::TextSingleLine, mottoText);
    const QSize copyright = metrics.size(Qt::TextSingleLine, copyrightText);
    layout.motto = QRect(kLabelSideMargin, (h - 1) - motto.height() - kLabelBottomMargin,
                         motto.width() + 1, motto.height() + 2);
    layout.copyright = QRect((w - 1) - copyright.width() - kCopyrightRightMargin,
                             (h - 1) - copyright.height() - kLabelBottomMargin,
                             copyright.width() + 1, copyright.height() + 2);
    const int contentBottom = (h - 1) - kContentBottomMargin - metrics.height();

    layout.collectionSelector = QRect(QPoint(0, kContentTop), kCollectionSelectorSize);
    const QRect &selector = layout.collectionSelector;
    const int wheelWidth = colorWheelHeight;
    layout.colorWheel = QRect(selector.left() + (selector.width() - wheelWidth) / 2,
                              selector.bottom() + kChildGap, wheelWidth, colorWheelHeight);

    layout.searchWidget
        = QRect(kSearchLeftMargin, 0, kSearchWidgetSize.width(), kSearchWidgetSize.height());
    layout.searchWidget.moveBottom(contentBottom - 1);
    int above = layout.colorWheel.bottom();
    if (moodSelectorSize.isValid()) {
        layout.moodSelector
            = QRect(QPoint(selector.left() + (selector.width() - moodSelectorSize.width()) / 2,
                           layout.colorWheel.bottom() + kChildGap),
                    moodSelectorSize);
        above = layout.moodSelector.bottom();
    }
    layout.cardRoller = rectFromCorners(layout.searchWidget.left(), above + kCardRollerTopGap,
                                        layout.searchWidget.right(),
                                        layout.searchWidget.top() - kCardRollerBottomGap);

    layout.tabBar = rectFromCorners(selector.right() + 1, selector.top(), selector.left() + w - 1,
                                    selector.bottom());
    layout.tabPage = QRect(layout.tabBar.left() + 1, layout.tabBar.top() + layout.tabBar.height(),
                           layout.tabBar.width() - 1, kTabPageHeight);
    layout.myPalette = rectFromCorners(layout.tabPage.left(), layout.tabPage.bottom() + 1,
                                       layout.tabPage.right(), layout.cardRoller.bottom());
    return layout;
}

void MainWidget::layoutChildren()
{
    const QUuid collection = currentCollection();
    m_layout
        = computeLayout(size(), normalFont(kLabelFontStep), DB::localeString(collection, kMottoKey),
                        DB::localeString(collection, kCopyrightKey),
                        m_colorWheel ? m_colorWheel->height() : 0, moodSelectorSize(collection));
    m_bannerRect = m_layout.banner;
    if (m_mottoLabel)
        m_mottoLabel->setGeometry(m_layout.motto);
    if (m_copyrightLabel)
        m_copyrightLabel->setGeometry(m_layout.copyright);
    if (m_colorWheel)
        m_colorWheel->move(m_layout.colorWheel.topLeft());
    if (m_cardRoller)
        m_cardRoller->setGeometry(m_layout.cardRoller);
    layoutTabPages();
    layoutMyPalette();
    layoutBrowsingWidgets();
    layoutTaskButtons();
}

QVector<QRect> MainWidget::taskButtonRects(const QList<quint16> &order, const QRect &paletteRect,
                                           const QRect &searchRect)
{
    QVector<QRect> rects;
    if (order.isEmpty())
        return rects;
    const int spanLeft = paletteRect.left() + kTaskRowSideMargin;
    const int spanRight = paletteRect.right() - kTaskRowSideMargin;
    int bandTop = searchRect.top();
    int bandBottom = searchRect.bottom();
    while (bandBottom - bandTop + 1 > kMaxTaskBandHeight) {
        ++bandTop;
        --bandBottom;
    }
    const int bandHeight = bandBottom - bandTop + 1;
    const int roundSide = bandHeight - 2;

    int wideCount = int(order.size());
    int free = (spanRight - spanLeft + 1) - kTaskButtonGap * (wideCount - 1);
    for (quint16 id : {kHelpButtonId, kAboutButtonId}) {
        if (order.contains(id)) {
            --wideCount;
            free -= roundSide;
        }
    }
    const double wideWidth = wideCount > 0 ? double(free) / wideCount : 0.0;
    double x = spanLeft;
    for (quint16 id : order) {
        if (id == kHelpButtonId || id == kAboutButtonId) {
            rects.append(QRect(int(x), bandTop + 1, roundSide, roundSide));
            x += roundSide + kTaskButtonGap;
            continue;
        }
        const int left = int(x);
        rects.append(rectFromCorners(left, bandTop, left + int(wideWidth) - 1, bandBottom));
        x += wideWidth + kTaskButtonGap;
    }
    return rects;
}

void MainWidget::layoutTaskButtons()
{
    const QVector<QRect> rects
        = taskButtonRects(m_taskButtonOrder, m_layout.myPalette, m_layout.searchWidget);
    for (int i = 0; i < rects.size(); ++i) {
        if (TaskButton *button = m_taskButtons.value(m_taskButtonOrder.at(i)))
            button->setGeometry(rects.at(i));
    }
}

void MainWidget::insertTaskButton(quint16 id, quint16 anchorId)
{
    TaskButton *button = nullptr;
    if (id == kHelpButtonId)
        button = new HelpButton(this);
    else if (id == kAboutButtonId)
        button = new AboutButton(this);
    else
        button = new TaskButton(this);
    m_taskButtons.insert(id, button);
    const int anchor = anchorId > 0 ? int(m_taskButtonOrder.indexOf(anchorId)) : -1;
    if (anchor < 0)
        m_taskButtonOrder.append(id);
    else
        m_taskButtonOrder.insert(anchor + 1, id);
}

quint16 MainWidget::addTaskButton(quint16 anchorId)
{
    quint16 largest = kFirstAddedButtonId - 1;
    for (auto it = m_taskButtons.cbegin(); it != m_taskButtons.cend(); ++it)
        largest = std::max(largest, it.key());
    const quint16 id = largest + 1;
    insertTaskButton(id, anchorId);
    layoutTaskButtons();
    return id;
}

TaskButton *MainWidget::taskButton(quint16 id) const
{
    return m_taskButtons.value(id, m_defaultTaskButton);
}

void MainWidget::resizeEvent(QResizeEvent *)
{
    layoutChildren();
}

void MainWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawImage(0, 0, m_backgroundImage);
    if (!m_bannerImage.isNull())
        painter.drawImage((width() - m_bannerImage.width()) / 2,
                          (kBannerHeight - m_bannerImage.height()) / 2, m_bannerImage);
    painter.setPen(kSeparatorColor);
    const QRect &selector = m_layout.collectionSelector;
    painter.drawLine(selector.right() + 1, selector.top(), selector.right() + 1, height());
    if (m_focusByTab)
        paintFocusMark(painter, *this);
}

// A click on the background gives the focus too; a frame around the whole picker then would
// only distract, so it shows for focus that came by the Tab key.
void MainWidget::focusInEvent(QFocusEvent *event)
{
    m_focusByTab
        = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    QWidget::focusInEvent(event);
}

bool MainWidget::overBanner(const QPoint &position) const
{
    return m_bannerRect.contains(position) && !m_headerLink.isEmpty();
}

void MainWidget::mouseMoveEvent(QMouseEvent *event)
{
    setCursor(overBanner(event->position().toPoint()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void MainWidget::mousePressEvent(QMouseEvent *event)
{
    if (overBanner(event->position().toPoint()))
        linkActivated(kHeaderLink);
}

QString MainWidget::helpFileName(const QString &link) const
{
    const QTemporaryFile *file = m_helpFiles.value(link);
    return file ? file->fileName() : QString();
}

void MainWidget::linkActivated(const QString &link)
{
    if (link == kCopyrightLink)
        openHelpFile(link, kCopyrightTextKey);
    else if (link == kMottoLink)
        openHelpFile(link, kMottoTextKey);
    else if (link == kHeaderLink && !m_headerLink.isEmpty())
        QDesktopServices::openUrl(QUrl(m_headerLink));
}

// The collection's text goes into a temporary HTML file, one per link, opened in the browser.
void MainWidget::openHelpFile(const QString &link, const QString &textKey)
{
    QTemporaryFile *file = m_helpFiles.value(link);
    if (!file) {
        file = new QTemporaryFile(
            QDir::toNativeSeparators(kHelpFileTemplate.arg(QDir::tempPath(), QDir::separator())));
        m_helpFiles.insert(link, file);
    }
    if (file->open()) {
        file->resize(0);
        file->write(DB::localeString(currentCollection(), textKey).toUtf8());
        file->close();
    }
    if (QFileInfo::exists(file->fileName()))
        QDesktopServices::openUrl(QUrl::fromLocalFile(file->fileName()));
}

void MainWidget::helpButtonClicked()
{
    QString link = CollectionSettings::helpLink(currentCollection());
    if (link.contains(kAppPlaceholder, Qt::CaseInsensitive))
        link = replacedIgnoringCase(link, kAppPlaceholder,
                                    QFileInfo(moduleFilePath()).canonicalPath());
    const QUrl url(link);
    if (url.isValid())
        QDesktopServices::openUrl(url);
}

void MainWidget::onMyPaletteChanged()
{
    emit myPaletteChanged();
}

void MainWidget::onMyPaletteSelectionChanged()
{
    emit myPaletteSelectionChanged();
}

// The search box and My Palette's description edit are the edit boxes.
void MainWidget::onKeyboardFocusChanged(QWidget *, QWidget *now)
{
    const bool editBox = now
        && ((m_searchWidget && now == m_searchWidget->lineEdit())
            || (m_myPalette && now == m_myPalette->descriptionEdit()));
    if (editBox)
        emit anEditBoxGotFocus();
    else
        emit anEditBoxLostFocus();
}

// Navigation: each slot stores what the user chose for the collection on show, then
// repaints or refreshes the widgets that show it. A value equal to the stored one changes
// nothing.

// The card views follow the current card and row. The scheme, products and textures pages
// join them when they are built.
void MainWidget::refreshCardViews()
{
    m_cardRoller->update();
    refreshTabPages(true);
}

void MainWidget::segmentChangedInteractivelyByWheel(int newSegment)
{
    const QUuid collection = currentCollection();
    if (!storeChanged(collection, &StateStore::segmentIndex, &StateStore::setSegmentIndex,
                      newSegment))
        return;
    m_colorWheel->update();
    const StateStore store;
    int pageIndex = -1;
    if (DB::findFirstPageIndexInSegment(collection, newSegment, store.moodFilter(collection),
                                        store.exteriorColors(collection), pageIndex)
        == DB::StatusOk)
        store.setPageIndex(collection, pageIndex);
    refreshCardViews();
}

void MainWidget::pageChangedInteractively(int newPage)
{
    if (storeChanged(currentCollection(), &StateStore::pageIndex, &StateStore::setPageIndex,
                     newPage))
        refreshCardViews();
}

void MainWidget::rowChangedInteractively(int newRow)
{
    if (!storeChanged(currentCollection(), &StateStore::rowIndex, &StateStore::setRowIndex, newRow))
        return;
    m_cardRoller->update();
    refreshTabPages(false);
}

void MainWidget::moodFilterChangedInteractively(Mood newMood)
{
    if (!storeChanged(currentCollection(), &StateStore::moodFilter, &StateStore::setMoodFilter,
                      int(newMood)))
        return;
    m_moodSelector->update();
    refilterCards();
}

void MainWidget::exteriorFilterChangedInteractively(bool exteriorFilter)
{
    if (!storeChanged(currentCollection(), &StateStore::exteriorColors,
                      &StateStore::setExteriorColors, exteriorFilter))
        return;
    m_moodSelector->update();
    refilterCards();
}

void MainWidget::showMtoChangedInteractively(bool newValue)
{
    if (!storeChanged(currentCollection(), &StateStore::showMto, &StateStore::setShowMto, newValue))
        return;
    m_moodSelector->update();
    refilterCards();
}

void MainWidget::schemeKindChangedInteractively(SchemeKind scheme)
{
    if (storeChanged(currentCollection(), &StateStore::schemeKind, &StateStore::setSchemeKind,
                     int(scheme)))
        refreshTabPages(true);
}

// The store keeps 7 to 9 and turns any other sub-kind into 7; compare with what it keeps.
void MainWidget::schemeNeutralSubKindChangedInteractively(SchemeKind scheme)
{
    const int kept
        = scheme >= TonalNeutral && scheme <= NaturalNeutral ? int(scheme) : int(TonalNeutral);
    if (storeChanged(currentCollection(), &StateStore::schemeNeutralSubKind,
                     &StateStore::setSchemeNeutralSubKind, kept))
        refreshTabPages(true);
}

void MainWidget::tabPageSelected(TabBarPage newPage)
{
    if (!storeChanged(currentCollection(), &StateStore::tabPageIndex, &StateStore::setTabPageIndex,
                      int(newPage)))
        return;
    m_tabBar->update();
    showTabPage(newPage);
}

// Tab pages.

void MainWidget::createTabPages()
{
    m_schemer = new ColorSchemerWidget(this);
    m_duvalinSchemer = new ColorSchemerDuvalineWidget(this);
    m_trendColorsPage = new ColorVistralWidget(this);
    m_texturesPage = new TexturesWidget(this);
    m_productsPage = new ProductsWidget(this);
    for (QWidget *page : tabPages())
        page->hide();
}

std::array<QWidget *, 5> MainWidget::tabPages() const
{
    return {m_schemer, m_duvalinSchemer, m_trendColorsPage, m_texturesPage, m_productsPage};
}

// The pages reload after the browsing widgets on a collection switch.
void MainWidget::connectTabPages()
{
    connect(m_schemer, &ColorSchemerWidget::schemeKindChangedInteractively, this,
            &MainWidget::schemeKindChangedInteractively);
    connect(m_schemer, &ColorSchemerWidget::schemeNeutralSubKindChangedInteractively, this,
            &MainWidget::schemeNeutralSubKindChangedInteractively);
    connect(this, &MainWidget::selectedCollectionChanged, m_schemer,
            &ColorSchemerWidget::selectedCollectionChanged);
    connect(this, &MainWidget::selectedCollectionChanged, m_duvalinSchemer,
            &ColorSchemerDuvalineWidget::selectedCollectionChanged);
    connect(this, &MainWidget::selectedCollectionChanged, m_trendColorsPage,
            &ColorVistralWidget::selectedCollectionChanged);
    connect(this, &MainWidget::selectedCollectionChanged, m_texturesPage,
            &TexturesWidget::selectedCollectionChanged);
    connect(this, &MainWidget::selectedCollectionChanged, m_productsPage,
            &ProductsWidget::selectedCollectionChanged);
}

void MainWidget::layoutTabPages()
{
    for (QWidget *page : tabPages()) {
        if (page)
            page->setGeometry(m_layout.tabPage);
    }
}

void MainWidget::refreshTabPages(bool cardChanged)
{
    if (m_schemer && m_schemer->isVisible())
        m_schemer->update();
    if (m_duvalinSchemer && m_duvalinSchemer->isVisible())
        m_duvalinSchemer->update();
    if (m_productsPage && m_productsPage->isVisible())
        m_productsPage->refresh();
    if (m_texturesPage && m_texturesPage->isVisible()) {
        if (cardChanged)
            m_texturesPage->selectedPageChanged();
        else
            m_texturesPage->selectedRowChanged();
    }
}

void MainWidget::showTabPage(TabBarPage page)
{
    if (!m_schemer)
        return;
    for (QWidget *tabPage : tabPages())
        tabPage->hide();
    switch (page) {
    case PageOfColorSchemes:
        switch (CollectionSettings::cardType(currentCollection())) {
        case CardTypeNormal:
            m_schemer->show();
            break;
        case CardTypeDuvalin:
            m_duvalinSchemer->show();
            break;
        default:
            break;
        }
        break;
    case PageOfProducts:
        m_productsPage->show();
        break;
    case PageOfColorVistral:
        m_trendColorsPage->show();
        m_trendColorsPage->updateLayout();
        break;
    case PageOfTextures:
        m_texturesPage->show();
        m_texturesPage->updateLayout();
        break;
    default:
        break;
    }
}

// "duvalin" cards do not filter by page: only the chips' overlays change.
void MainWidget::refilterCards()
{
    const QUuid collection = currentCollection();
    const StateStore store;
    if (CollectionSettings::cardType(collection) == CardTypeDuvalin) {
        if (m_duvalinSchemer && m_duvalinSchemer->isVisible())
            m_duvalinSchemer->update();
        m_cardRoller->update();
        return;
    }
    DB::ColorPage page;
    if (DB::loadFirstPageInSegment(collection, store.segmentIndex(collection),
                                   store.moodFilter(collection), store.exteriorColors(collection),
                                   page)
        != DB::StatusOk)
        return;
    if (page.segment != store.segmentIndex(collection)) {
        store.setSegmentIndex(collection, page.segment);
        m_colorWheel->update();
    }
    if (page.pageIndex == store.pageIndex(collection))
        return;
    store.setPageIndex(collection, page.pageIndex);
    refreshCardViews();
}

void MainWidget::rollCards(Direction dir)
{
    const QUuid collection = currentCollection();
    const StateStore store;
    const int current = store.pageIndex(collection);
    DB::ColorPage page;
    if (DB::loadNeighbourPage(collection, current, dir == DirectionBackward,
                              store.moodFilter(collection), store.exteriorColors(collection), page)
            != DB::StatusOk
        || page.pageIndex == current)
        return;
    if (page.segment != store.segmentIndex(collection)) {
        store.setSegmentIndex(collection, page.segment);
        m_colorWheel->update();
    }
    store.setPageIndex(collection, page.pageIndex);
    refreshCardViews();
}

// Goes to the card or chip whose code or name is `phrase`, loosening the filters that
// would hide it.
void MainWidget::searchForPhrase(const QString &phrase)
{
    const QUuid collection = currentCollection();
    const StateStore store;
    int pageIndex = -1;
    int rowIndex = -1;
    int segment = -1;
    int mood = MoodNone;
    bool exterior = false;
    if (DB::searchPhrase(collection, phrase, pageIndex, rowIndex, segment, mood, exterior)
        != DB::StatusOk)
        return;

    // The filters give way where they would hide the card.
    const bool wheelChanged = segment > 0
        && storeChanged(collection, &StateStore::segmentIndex, &StateStore::setSegmentIndex,
                        segment);
    bool filtersChanged = !exterior
        && storeChanged(collection, &StateStore::exteriorColors, &StateStore::setExteriorColors,
                        false);
    if (mood == MoodOffwhite || mood == MoodNeutral)
        filtersChanged
            |= storeChanged(collection, &StateStore::moodFilter, &StateStore::setMoodFilter, mood);
    else if (store.moodFilter(collection) != mood)
        filtersChanged |= storeChanged(collection, &StateStore::moodFilter,
                                       &StateStore::setMoodFilter, int(MoodAll));
    bool cardsChanged = pageIndex > 0
        && storeChanged(collection, &StateStore::pageIndex, &StateStore::setPageIndex, pageIndex);
    if (rowIndex > 0
        && storeChanged(collection, &StateStore::rowIndex, &StateStore::setRowIndex, rowIndex))
        cardsChanged = true;
    if (wheelChanged)
        m_colorWheel->update();
    if (filtersChanged)
        m_moodSelector->update();
    if (cardsChanged)
        refreshCardViews();
}

// Goes to a chip the user chose from a capture, switching collection if needed.
void MainWidget::capsureItemSelectedInteractively(const QUuid &collectionId,
                                                  const DB::ColorEntry &colorEntry)
{
    DB::ColorPage page;
    if (DB::loadPageById(collectionId, colorEntry.pageId, false, page) != DB::StatusOk)
        return;
    if (collectionId != currentCollection())
        collectionChangedInteractively(collectionId);
    const StateStore store;
    if (page.segment != store.segmentIndex(collectionId))
        segmentChangedInteractivelyByWheel(page.segment);
    if (page.pageIndex != store.pageIndex(collectionId))
        pageChangedInteractively(page.pageIndex);
    if (colorEntry.rowIndex != store.rowIndex(collectionId))
        rowChangedInteractively(colorEntry.rowIndex);
}

void MainWidget::selectNearestColor(const QColor &color)
{
    if (color == QColor(Qt::transparent))
        return;
    qDebug()
        << QStringLiteral("RGB(%1,%2,%3)").arg(color.red()).arg(color.green()).arg(color.blue());
    const QUuid collection = currentCollection();
    DB::ColorEntry target;
    if (DB::loadRowNearRgb(collection, color, target) != DB::StatusOk
        && !nearestChip(collection, color, target))
        return;

    DB::ColorPage page;
    if (DB::loadPageById(collection, target.pageId, false, page) != DB::StatusOk)
        return;
    // The wheel follows the card, as it does when the cards roll.
    if (storeChanged(collection, &StateStore::segmentIndex, &StateStore::setSegmentIndex,
                     page.segment))
        m_colorWheel->update();
    const StateStore store;
    if (page.pageIndex != store.pageIndex(collection))
        pageChangedInteractively(page.pageIndex);
    if (target.rowIndex != store.rowIndex(collection))
        rowChangedInteractively(target.rowIndex);
}

// The chip nearest to `color` by CIEDE2000: a hit below 0.01, or the only candidate; among
// several candidates the one the user chooses in the nearest-colour dialog.
bool MainWidget::nearestChip(const QUuid &collection, const QColor &color, DB::ColorEntry &target)
{
    QVector<NearestMatch> matches;
    findNearestColors(labFromColor(color), labEntries(), matches, kNearestCandidates);
    if (matches.isEmpty())
        return false;
    if (matches.first().deltaE < kExactMatchDelta || matches.size() == 1)
        return DB::loadRowById(collection, matches.first().rowId, target) == DB::StatusOk;
    return chooseNearChip(collection, color, matches, target);
}

// Slides the full palette view in from the right.
void MainWidget::zoomMyPaletteClicked()
{
    if (!m_myPaletteFull)
        return;
    m_myPaletteFull->raise();
    m_myPaletteFull->move(width(), 0);
    m_myPaletteFull->show();
    startZoomAnimation(QPoint(width(), 0), QPoint(0, 0));
}

// Slides the full palette view out to the left and hides it at the end.
void MainWidget::unzoomMyPaletteClicked()
{
    if (!m_myPaletteFull)
        return;
    m_myPaletteFull->raise();
    connect(m_zoomAnimation, &QAbstractAnimation::finished, this,
            &MainWidget::unzoomMyPaletteAnimationFinished, Qt::UniqueConnection);
    startZoomAnimation(m_myPaletteFull->pos(), QPoint(-width(), 0));
}

void MainWidget::unzoomMyPaletteAnimationFinished()
{
    disconnect(m_zoomAnimation, &QAbstractAnimation::finished, this,
               &MainWidget::unzoomMyPaletteAnimationFinished);
    if (m_myPaletteFull)
        m_myPaletteFull->hide();
}

void MainWidget::startZoomAnimation(const QPoint &from, const QPoint &to)
{
    m_zoomAnimation->stop();
    m_zoomAnimation->setTargetObject(m_myPaletteFull);
    m_zoomAnimation->setPropertyName("pos");
    m_zoomAnimation->setDuration(kZoomDuration);
    m_zoomAnimation->setEasingCurve(QEasingCurve::OutQuart);
    m_zoomAnimation->setStartValue(from);
    m_zoomAnimation->setEndValue(to);
    m_zoomAnimation->start();
}

// My Palette sits under the tab pages; its full view covers the whole widget, hidden until
// the zoom button slides it in. The save button follows My Palette (see its updateButtons).
void MainWidget::createMyPalette()
{
    const QUuid collection = currentCollection();
    m_paletteFileFilter = kPaletteFilter.arg(DB::localeString(collection, kPaletteFilterKey));
    m_textFileFilter = kTextFilter.arg(DB::localeString(collection, kTextFilterKey));

    m_myPalette = new MyPaletteWidget(this);
    auto *full = new MyPaletteFullWidget(this);
    full->hide();
    m_myPaletteFull = full;

    connect(m_taskButtons.value(kSaveButtonId), &QAbstractButton::clicked, this,
            &MainWidget::saveButtonClicked);
    connect(m_taskButtons.value(kLoadButtonId), &QAbstractButton::clicked, this,
            &MainWidget::loadButtonClicked);
    // Importing another program's palette: the load button's context menu and Ctrl+I.
    auto *importAction = new QAction(kImportActionText, this);
    importAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    importAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(importAction, &QAction::triggered, this, &MainWidget::importSwatchesClicked);
    addAction(importAction);
    QWidget *loadButton = m_taskButtons.value(kLoadButtonId);
    loadButton->setContextMenuPolicy(Qt::ActionsContextMenu);
    loadButton->addAction(importAction);
    connect(this, &MainWidget::savePaletteTo, m_myPalette, &MyPaletteWidget::savePaletteTo);
    connect(this, &MainWidget::loadPaletteFrom, m_myPalette, &MyPaletteWidget::loadPaletteFrom);
    connect(m_myPalette, &MyPaletteWidget::myPaletteChanged, this, &MainWidget::onMyPaletteChanged);
    connect(m_myPalette, &MyPaletteWidget::myPaletteSelectionChanged, this,
            &MainWidget::onMyPaletteSelectionChanged);
    connect(m_myPalette, &MyPaletteWidget::zoomMyPaletteClicked, this,
            &MainWidget::zoomMyPaletteClicked);
    connect(full, &MyPaletteFullWidget::backButtonClicked, this,
            &MainWidget::unzoomMyPaletteClicked);
    connect(this, &MainWidget::selectedCollectionChanged, m_myPalette,
            &MyPaletteWidget::selectedCollectionChanged);
}

void MainWidget::layoutMyPalette()
{
    if (m_myPaletteFull)
        m_myPaletteFull->setGeometry(rect());
    if (m_myPalette)
        m_myPalette->setGeometry(m_layout.myPalette);
}

void MainWidget::saveButtonClicked()
{
    const QUuid collection = currentCollection();
    const StateStore store;
    const bool textAllowed = CollectionSettings::savePaletteTextFormat(collection, false);
    const SaveDialogFilters filters = saveDialogFilters(
        m_paletteFileFilter, m_textFileFilter, textAllowed, store.myPaletteSaveFileFormat());
    QString chosenFilter = filters.selected;
    const QString path = QFileDialog::getSaveFileName(
        this, DB::localeString(collection, kSaveCaptionKey), paletteDialogStartPath(collection),
        filters.filters.join(QStringLiteral(";;")), &chosenFilter);
    if (path.isEmpty())
        return;
    if (const std::optional<PaletteExportFormat> exportFormat = chosenExportFormat(chosenFilter)) {
        exportMyPalette(*exportFormat, withExportExtension(path, *exportFormat));
        return;
    }
    const PaletteFileFormat format = chosenSaveFormat(chosenFilter, m_textFileFilter, textAllowed);
    emit savePaletteTo(format, path);
    store.setMyPaletteSaveFileFormat(format);
    store.setMyPaletteLastSavePath(path);
}

void MainWidget::loadButtonClicked()
{
    const QUuid collection = currentCollection();
    QString chosenFilter = m_paletteFileFilter;
    const QString path = QFileDialog::getOpenFileName(
        this, DB::localeString(collection, kOpenCaptionKey), paletteDialogStartPath(collection),
        m_paletteFileFilter, &chosenFilter);
    if (path.isEmpty())
        return;
    emit loadPaletteFrom(XmlPalette, path);
    const StateStore store;
    store.setMyPaletteSaveFileFormat(XmlPalette);
    store.setMyPaletteLastSavePath(path);
}

// Exports leave the stored save format alone: it only knows the palette and text formats.
void MainWidget::exportMyPalette(PaletteExportFormat format, const QString &path)
{
    QString error;
    if (!exportPalette(m_myPalette->model(), format, path, &error)) {
        QMessageBox::warning(this, kExportCaption, error);
        return;
    }
    StateStore().setMyPaletteLastSavePath(path);
}

// The colours of a GIMP palette or swatch exchange file become the nearest chips of the
// collection on show; they reach My Palette through its usual load, as a palette file.
void MainWidget::importSwatchesClicked()
{
    const QUuid collection = currentCollection();
    const QString path = QFileDialog::getOpenFileName(
        this, kImportCaption, paletteDialogStartPath(collection), swatchImportNameFilter());
    if (path.isEmpty())
        return;
    const SwatchImport imported = importSwatchFile(path, collection);
    QTemporaryDir scratch;
    const QString paletteFile = scratch.filePath(QStringLiteral("imported.palette"));
    QString error = imported.error;
    if (error.isEmpty() && writeImportedPalette(imported.palette, paletteFile, &error))
        emit loadPaletteFrom(XmlPalette, paletteFile);
    if (!error.isEmpty()) {
        QMessageBox::warning(this, kImportCaption, error);
        return;
    }
    const int far = int(std::count_if(
        imported.matches.cbegin(), imported.matches.cend(),
        [&](const SwatchMatch &match) { return match.deltaE > imported.warningDistance; }));
    const QString summary
        = importSummary(far, imported.warningDistance, imported.palette.ignoredChips);
    if (!summary.isEmpty())
        QMessageBox::information(this, kImportCaption, summary);
}

// --- Nearest-colour choice -------------------------------------------------------------------

// Lets the user choose among the near chips that load; false when the dialog is cancelled.
bool MainWidget::chooseNearChip(const QUuid &collection, const QColor &color,
                                const QVector<NearestMatch> &matches, DB::ColorEntry &target)
{
    QVector<DB::ColorEntry> chips;
    for (const NearestMatch &match : matches) {
        DB::ColorEntry chip;
        if (DB::loadRowById(collection, match.rowId, chip) == DB::StatusOk)
            chips.append(chip);
    }
    if (chips.isEmpty())
        return false;
    SelectNearestColorDialog dialog(color, chips, this);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    target = dialog.chosenChip();
    return true;
}

// --- Capture watch ---------------------------------------------------------------------------

void MainWidget::resetCaptureWatch()
{
    m_captureWatcher->blockSignals(true);
    if (!m_captureWatcher->files().isEmpty())
        m_captureWatcher->removePaths(m_captureWatcher->files());
    if (!m_captureWatcher->directories().isEmpty())
        m_captureWatcher->removePaths(m_captureWatcher->directories());
    disconnect(m_captureWatcher, nullptr, this, nullptr);
    if (m_captureFolder.isEmpty() || !QFileInfo(m_captureFolder).isDir())
        return;
    m_captureWatcher->addPath(m_captureFolder);
    if (QFileInfo::exists(m_captureFile))
        m_captureWatcher->addPath(m_captureFile);
    connect(m_captureWatcher, &QFileSystemWatcher::fileChanged, this,
            &MainWidget::capsureFileChanged);
    connect(m_captureWatcher, &QFileSystemWatcher::directoryChanged, this,
            &MainWidget::capsureDirectoryChanged);
    m_captureWatcher->blockSignals(false);
}

// Reports the capture file with the watcher's signals blocked, so that the report cannot
// re-enter the watcher's slots; a watch that is off stays blocked.
void MainWidget::emitCaptureFileChanged()
{
    const bool wasBlocked = m_captureWatcher->blockSignals(true);
    emit onCapsureFileChanged(m_captureFile);
    m_captureWatcher->blockSignals(wasBlocked);
}

// The folder changed: the capture file may have appeared or gone.
void MainWidget::capsureDirectoryChanged(const QString &)
{
    const bool wasBlocked = m_captureWatcher->blockSignals(true);
    const bool watched = m_captureWatcher->files().contains(m_captureFile);
    const bool exists = QFileInfo::exists(m_captureFile);
    if (exists && !watched)
        m_captureWatcher->addPath(m_captureFile);
    else if (!exists && watched)
        m_captureWatcher->removePath(m_captureFile);
    m_captureWatcher->blockSignals(wasBlocked);
    emitCaptureFileChanged();
}

void MainWidget::capsureFileChanged(const QString &)
{
    emitCaptureFileChanged();
}

// Browsing widgets: the collection selector, the filters, the search strip and the tab bar.

void MainWidget::connectBrowsingWidgets()
{
    connect(m_collectionSelector, &CollectionSelectWidget::collectionSelectedInteractively, this,
            &MainWidget::collectionChangedInteractively);
    connect(this, &MainWidget::onCapsureFileChanged, m_collectionSelector,
            &CollectionSelectWidget::capsureFileChanged);
    connect(m_moodSelector, &MoodSelectWidget::moodFilterChangedInteractively, this,
            &MainWidget::moodFilterChangedInteractively);
    connect(m_moodSelector, &MoodSelectWidget::exteriorFilterChangedInteractively, this,
            &MainWidget::exteriorFilterChangedInteractively);
    connect(m_moodSelector, &MoodSelectWidget::showMtoChangedInteractively, this,
            &MainWidget::showMtoChangedInteractively);
    connect(m_searchWidget, &SearchWidget::roll, this, &MainWidget::rollCards);
    connect(m_searchWidget, &SearchWidget::searchForPhrase, this, &MainWidget::searchForPhrase);
    connect(m_tabBar, &TabBarWidget::tabPageSelected, this, &MainWidget::tabPageSelected);
    connect(this, &MainWidget::selectedCollectionChanged, m_collectionSelector,
            &CollectionSelectWidget::selectedCollectionChanged);
    connect(this, &MainWidget::selectedCollectionChanged, m_moodSelector,
            &MoodSelectWidget::selectedCollectionChanged);
    connect(this, &MainWidget::selectedCollectionChanged, m_searchWidget,
            &SearchWidget::selectedCollectionChanged);
    connect(this, &MainWidget::selectedCollectionChanged, m_tabBar,
            &TabBarWidget::selectedCollectionChanged);
    connect(m_collectionSelector, &CollectionSelectWidget::capsureItemSelectedInteractively, this,
            &MainWidget::capsureItemSelectedInteractively);
}

QSize MainWidget::moodSelectorSize(const QUuid &collection) const
{
    if (!m_moodSelector || !CollectionSettings::moodVisible(collection))
        return QSize();
    m_moodSelector->runLayout();
    return m_moodSelector->size();
}

void MainWidget::layoutBrowsingWidgets()
{
    if (!m_tabBar)
        return;
    m_collectionSelector->move(m_layout.collectionSelector.topLeft());
    m_moodSelector->setVisible(CollectionSettings::moodVisible(currentCollection()));
    m_moodSelector->move(m_layout.moodSelector.topLeft());
    m_searchWidget->move(m_layout.searchWidget.topLeft());
    m_searchWidget->setBackgroundImage(m_backgroundImage.copy(m_layout.searchWidget));
    m_tabBar->setGeometry(m_layout.tabBar);
}

} // namespace Corvane
