#pragma once

#include "ColorEntry.h"
#include "ColorMath.h"
#include "Enums.h"
#include "LabEntry.h"
#include "PaletteInterchange.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QUuid>
#include <QVector>
#include <QWidget>

#include <array>

class QFileSystemWatcher;
class QLabel;
class QPropertyAnimation;
class QTemporaryFile;

namespace Corvane {

class CardRollerWidget;
class CollectionSelectWidget;
class ColorWheelWidget;
class MyPaletteFullWidget;
class MyPaletteWidget;
class MoodSelectWidget;
class SearchWidget;
class TabBarWidget;
class TaskButton;
// Tab pages.
class ColorSchemerWidget;
class ColorSchemerDuvalineWidget;
class ColorVistralWidget;
class TexturesWidget;
class ProductsWidget;

// Where the main widget places its children; rectangles with inclusive corners. Slots of
// children that are not built yet are reserved all the same, so the others keep their places.
struct MainWidgetLayout
{
    QRect banner;
    QRect collectionSelector;
    QRect colorWheel;
    QRect moodSelector; // null when the collection hides it
    QRect searchWidget;
    QRect cardRoller;
    QRect tabBar;
    QRect tabPage;
    QRect myPalette;
    QRect motto;
    QRect copyright;
};

// The one widget that fills the picker window: it places the browsing widgets, owns the row
// of task buttons, paints the collection's background and banner, shows two link labels,
// switches collections and turns the browsing widgets' signals into state-store writes.
// It keeps no navigation state of its own.
class MainWidget : public QWidget
{
    Q_OBJECT

public:
    // Stores itself in `*current` (the process-wide currentMainWidget).
    MainWidget(MainWidget **current, QWidget *parent = nullptr);
    ~MainWidget() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // A new task button placed right after `anchorId`; returns its id (at least 1000).
    quint16 addTaskButton(quint16 anchorId);
    // The button of `id`, or a hidden default button when the id is unknown.
    TaskButton *taskButton(quint16 id) const;
    QList<quint16> taskButtonOrder() const { return m_taskButtonOrder; }

    // Brings the chip nearest to `color` into view.
    void selectNearestColor(const QColor &color);
    // Shows the tab page of `page` and hides the others.
    void showTabPage(TabBarPage page);
    // After a filter change: moves to the first card that passes the filters.
    void refilterCards();

    CardRollerWidget *cardRoller() const { return m_cardRoller; }
    // Tab pages.
    ColorSchemerWidget *schemer() const { return m_schemer; }
    ColorSchemerDuvalineWidget *duvalinSchemer() const { return m_duvalinSchemer; }
    ColorVistralWidget *trendColorsPage() const { return m_trendColorsPage; }
    TexturesWidget *texturesPage() const { return m_texturesPage; }
    ProductsWidget *productsPage() const { return m_productsPage; }
    ColorWheelWidget *colorWheel() const { return m_colorWheel; }
    MyPaletteWidget *myPalette() const { return m_myPalette; }
    QWidget *myPaletteFull() const { return m_myPaletteFull; }
    CollectionSelectWidget *collectionSelector() const { return m_collectionSelector; }
    MoodSelectWidget *moodSelector() const { return m_moodSelector; }
    SearchWidget *searchWidget() const { return m_searchWidget; }
    TabBarWidget *tabBar() const { return m_tabBar; }
    // Every chip of the collection on show with its CIELAB values, for nearest-colour
    // searches; read from the database once per collection, on first use.
    const QVector<DB::LabEntry> &labEntries() const;
    QRect bannerRect() const { return m_bannerRect; }
    QLabel *copyrightLabel() const { return m_copyrightLabel; }
    QLabel *mottoLabel() const { return m_mottoLabel; }
    // The temporary help file behind a link key, once the link was activated.
    QString helpFileName(const QString &link) const;
    // The capture file of the collection on show; empty when capture is off.
    QString captureFile() const { return m_captureFile; }

    // Capture watch: re-arms the watcher from the capture folder and file; with no folder,
    // or one that does not exist, nothing is watched.
    void resetCaptureWatch();
    QFileSystemWatcher *captureWatcher() const { return m_captureWatcher; }

    // The children's places for a widget of `size`; `labelFont` measures the link labels. The
    // mood selector, of `moodSelectorSize`, sits under the wheel and the card roller under it;
    // an invalid size leaves it out and the roller under the wheel.
    static MainWidgetLayout computeLayout(const QSize &size, const QFont &labelFont,
                                          const QString &mottoText, const QString &copyrightText,
                                          int colorWheelHeight,
                                          const QSize &moodSelectorSize = QSize());
    // The task buttons' rectangles, in the order of `order`, between `paletteRect`'s sides
    // and level with `searchRect`.
    static QVector<QRect> taskButtonRects(const QList<quint16> &order, const QRect &paletteRect,
                                          const QRect &searchRect);

signals:
    void selectedCollectionChanged(const QUuid &collectionId);
    void savePaletteTo(Corvane::PaletteFileFormat fileFormat, const QString &path);
    void loadPaletteFrom(Corvane::PaletteFileFormat expectedFileFormat, const QString &path);
    void onCapsureFileChanged(const QString &path);
    void myPaletteChanged();
    void myPaletteSelectionChanged();
    void anEditBoxGotFocus();
    void anEditBoxLostFocus();

public slots:
    void collectionChangedInteractively(const QUuid &collectionId);
    void segmentChangedInteractivelyByWheel(int newSegment);
    void moodFilterChangedInteractively(Mood newMood);
    void exteriorFilterChangedInteractively(bool exteriorFilter);
    void showMtoChangedInteractively(bool newValue);
    void rollCards(Direction dir);
    void pageChangedInteractively(int newPage);
    void rowChangedInteractively(int newRow);
    void searchForPhrase(const QString &phrase);
    void tabPageSelected(TabBarPage newPage);
    void schemeKindChangedInteractively(SchemeKind scheme);
    void schemeNeutralSubKindChangedInteractively(SchemeKind scheme);
    void capsureItemSelectedInteractively(const QUuid &collectionId,
                                          const DB::ColorEntry &colorEntry);

protected slots:
    void onMyPaletteChanged();
    void onMyPaletteSelectionChanged();
    void helpButtonClicked();
    void linkActivated(const QString &link);
    void zoomMyPaletteClicked();
    void unzoomMyPaletteClicked();
    void unzoomMyPaletteAnimationFinished();
    void onKeyboardFocusChanged(QWidget *old, QWidget *now);
    void saveButtonClicked();
    void loadButtonClicked();
    void importSwatchesClicked();
    void capsureDirectoryChanged(const QString &path);
    void capsureFileChanged(const QString &path);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    QUuid currentCollection() const;
    void applyCollection(const QUuid &collection);
    void storeInitialTabPage(const QUuid &collection) const;
    void storeInitialSchemeKind(const QUuid &collection) const;
    void setLinkLabel(QLabel *label, const QString &text, const QString &link) const;
    void applyLinkLabels(const QUuid &collection);
    void applyBackgroundPalette();
    void labelPaletteButtons(const QUuid &collection);
    QLabel *createLinkLabel();
    void insertTaskButton(quint16 id, quint16 anchorId);
    void layoutChildren();
    void layoutTaskButtons();
    void applyCapturePaths(const QUuid &collection);
    bool overBanner(const QPoint &position) const;
    void openHelpFile(const QString &link, const QString &textKey);
    // The repaints and refreshes after the current card or row changed.
    void refreshCardViews();
    bool nearestChip(const QUuid &collection, const QColor &color, DB::ColorEntry &target);
    void emitCaptureFileChanged();
    bool chooseNearChip(const QUuid &collection, const QColor &color,
                        const QVector<NearestMatch> &matches, DB::ColorEntry &target);
    void startZoomAnimation(const QPoint &from, const QPoint &to);
    // Tab pages.
    void createTabPages();
    void connectTabPages();
    std::array<QWidget *, 5> tabPages() const;
    void layoutTabPages();
    // The visible pages follow the current chip; the textures page lays its tiles out again
    // only when the card changed.
    void refreshTabPages(bool cardChanged);
    // My Palette, its full view and the save and load buttons.
    void createMyPalette();
    void layoutMyPalette();
    void exportMyPalette(PaletteExportFormat format, const QString &path);
    // The collection selector, mood selector, search widget and tab bar.
    void connectBrowsingWidgets();
    void layoutBrowsingWidgets();
    // The mood selector laid out for the collection on show; invalid when it is hidden.
    QSize moodSelectorSize(const QUuid &collection) const;

    QImage m_backgroundImage;
    QImage m_bannerImage;
    QRect m_bannerRect;
    bool m_focusByTab = false;
    QString m_headerLink;
    QHash<QString, QTemporaryFile *> m_helpFiles;
    mutable QVector<DB::LabEntry> m_labEntries;
    mutable bool m_labEntriesLoaded = false;
    ColorWheelWidget *m_colorWheel = nullptr;
    CardRollerWidget *m_cardRoller = nullptr;
    // Tab pages.
    ColorSchemerWidget *m_schemer = nullptr;
    ColorSchemerDuvalineWidget *m_duvalinSchemer = nullptr;
    ColorVistralWidget *m_trendColorsPage = nullptr;
    TexturesWidget *m_texturesPage = nullptr;
    ProductsWidget *m_productsPage = nullptr;
    CollectionSelectWidget *m_collectionSelector = nullptr;
    MoodSelectWidget *m_moodSelector = nullptr;
    SearchWidget *m_searchWidget = nullptr;
    TabBarWidget *m_tabBar = nullptr;
    QPropertyAnimation *m_zoomAnimation = nullptr;
    QWidget *m_myPaletteFull = nullptr; // arrives with My Palette
    TaskButton *m_defaultTaskButton = nullptr;
    QHash<quint16, TaskButton *> m_taskButtons;
    QList<quint16> m_taskButtonOrder;
    QLabel *m_copyrightLabel = nullptr;
    QLabel *m_mottoLabel = nullptr;
    QString m_captureFolder;
    QString m_captureFile;
    QFileSystemWatcher *m_captureWatcher = nullptr;
    MainWidgetLayout m_layout;
    MyPaletteWidget *m_myPalette = nullptr;
    QString m_paletteFileFilter;
    QString m_textFileFilter;
    MainWidget **m_current = nullptr;
};

// The live main widget of the process, or null.
extern MainWidget *currentMainWidget;

} // namespace Corvane
