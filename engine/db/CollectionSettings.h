#pragma once

#include "Enums.h"

#include <QObject>
#include <QSize>
#include <QString>
#include <QUuid>
#include <QVariant>
#include <QVector>

namespace Corvane {

namespace DB {

// Raw lookups of the SETTING table, uncached.

// The value with VALUE_INDEX 0 of the setting `name` (ignoring case), or `defaultValue`.
QVariant settingValue(const QUuid &collection, const QString &name, const QVariant &defaultValue);

// Every value of the setting in VALUE_INDEX order; empty when the collection does not open.
QVariantList settingValues(const QUuid &collection, const QString &name);

// Fills the five order lists below from the collection's settings. They are emptied first
// whatever happens. 0, or the negative code of ensureConnection.
int loadDisplayOrders(const QUuid &collection);

// The name-column numbers (0 to 9) of the collection last given to loadDisplayOrders.
const QVector<qint64> &pageNameSearchOrder(); // "page.name.search.order"
const QVector<qint64> &pageNameDisplayOrder(); // "page.name.display.order"
const QVector<qint64> &rowNameSearchOrder(); // "row.name.search.order"
const QVector<qint64> &rowNameDisplayOrder(); // "row.name.display.order"
const QVector<qint64> &rowExtraDisplayOrder(); // "row.extra.display.order"

// The tooltip of a chip as the collection's "color.tooltip.show.*" settings compose it: one
// line per item, joined by "<br/>" inside a div in HTML mode, else by line feeds. Empty when
// the chip is not found.
QString colorTooltipText(const QUuid &collection, qint64 rowId, bool html);

} // namespace DB

enum SegmentOrientation {
    SegmentOrientationUnrecognised = 0,
    SegmentsClockwise = 1, // "CW"
    SegmentsCounterClockwise = 2 // "CCW"
};

enum ModeCard {
    ModeCardUnrecognised = 0,
    ModeColorToColor = 1,
    ModeColorToCard = 2,
    ModeCardToCard = 3
};

enum MoodMode { MoodModeUnrecognised = 0, MoodModeNormal = 1, MoodModeWarmFreshEquals = 2 };

enum ProductGroupsMode { GroupsWithProductTooltip = 0, Products = 1 };

// Typed, cached access to the settings of the collection on show. The cache holds the
// values of one collection; asking for another collection empties it. Missing settings are
// never cached, so they are asked of the database on every call.
class CollectionSettings : public QObject
{
    Q_OBJECT

public:
    CollectionSettings() = delete;

    static void setCurrentCollection(const QUuid &collection);

    static int maxChipsOnAPage(const QUuid &collection);
    static CardType cardType(const QUuid &collection);
    static int numOfSegments(const QUuid &collection);
    static double firstSegmentAngle(const QUuid &collection);
    static SegmentOrientation segmentIncrementOrientation(const QUuid &collection);
    static ModeCard modeCard(const QUuid &collection);
    static MoodMode modeMood(const QUuid &collection);
    static ProductGroupsMode productGroupsMode(const QUuid &collection);
    static QString productGroupSeparator(const QUuid &collection);

    static bool hasExteriorFilter(const QUuid &collection);
    static bool moodVisible(const QUuid &collection);
    static bool hasColorSchemesPage(const QUuid &collection);

    static bool showCollectionName(const QUuid &collection);
    static bool showPageName(const QUuid &collection);
    static bool showRowName(const QUuid &collection);
    static bool showRowCode(const QUuid &collection);
    static bool showRowAuxiliaryInfo(const QUuid &collection);
    static bool showPageIndex(const QUuid &collection);
    static bool showRowIndex(const QUuid &collection);

    static bool exportColorNameAppendProductCode(const QUuid &collection);
    static bool capsureEnabled(const QUuid &collection);
    static QString capsureFolderToWatch(const QUuid &collection);
    static QString capsureFilenameToWatch(const QUuid &collection);
    static bool savePaletteTextFormat(const QUuid &collection, bool defaultValue);

    // Not cached. The help link keeps its "%APP%" for the caller to replace.
    static QString headerLink(const QUuid &collection);
    static QString helpLink(const QUuid &collection);

    static bool hasPageWithExteriorMood(const QUuid &collection, int mood);
    // TabBarPage flags of the pages the collection offers; the colour schemes page always.
    static int availableTabBarPages(const QUuid &collection);
    // The tab pages in display order, always starting with PageOfColorSchemes.
    static QVector<TabBarPage> tabBarPages(const QUuid &collection);
    static QVector<SchemeKind> schemes(const QUuid &collection);
    static QSize colorVistralChipSize(const QUuid &collection);
    static QSize textureSize(const QUuid &collection, const QSize &defaultValue);
    static QVector<double> cie2000DeltaIntervals(const QUuid &collection);
};

} // namespace Corvane
