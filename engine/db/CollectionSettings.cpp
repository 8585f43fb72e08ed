#include "CollectionSettings.h"

#include "CardQueries.h"
#include "Collection.h"
#include "CollectionRegistry.h"
#include "QueryHelpers.h"
#include "StatusCodes.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <array>
#include <optional>

namespace Corvane {

namespace {

const QString kNameParameter = QStringLiteral(":NAME");

// The setting name is bound, so that any name reads as the text it is.
const QString kSettingValueStatement
    = QStringLiteral("SELECT S.VALUE FROM SETTING S WHERE S.COLLECTION_ID = %1 AND       S.NAME = "
                     ":NAME COLLATE NOCASE AND       S.VALUE_INDEX = 0 ");
const QString kSettingValuesStatement
    = QStringLiteral("SELECT S.VALUE FROM SETTING S WHERE S.COLLECTION_ID = %1 AND       S.NAME = "
                     ":NAME COLLATE NOCASE ORDER BY S.VALUE_INDEX ASC ");

enum OrderList {
    PageNameSearch,
    PageNameDisplay,
    RowNameSearch,
    RowNameDisplay,
    RowExtraDisplay,
    OrderListCount
};

// Setting names of the order lists, in the order loadDisplayOrders reads them.
const std::array<QString, OrderListCount> kOrderSettings
    = {QStringLiteral("page.name.search.order"), QStringLiteral("page.name.display.order"),
       QStringLiteral("row.name.search.order"), QStringLiteral("row.name.display.order"),
       QStringLiteral("row.extra.display.order")};

std::array<QVector<qint64>, OrderListCount> &orderLists()
{
    static std::array<QVector<qint64>, OrderListCount> lists;
    return lists;
}

const QString kTooltipItalic = QStringLiteral("<span style=\"font-style:italic;\">%1</span>");
const QString kTooltipDiv = QStringLiteral("<div style=\"margin:2px;\">%1</div>");
const QString kTooltipHtmlSeparator = QStringLiteral("<br/>");
const QString kTooltipTextSeparator = QStringLiteral("\n");

const QString kMaxChipsOnAPage = QStringLiteral("max.chips.on.a.page");
const QString kCardType = QStringLiteral("card.type");
const QString kNumOfSegments = QStringLiteral("num.of.segments");
const QString kFirstSegmentAngle = QStringLiteral("first.segment.angle");
const QString kSegmentIncrementOrientation = QStringLiteral("segment.increment.orientation");
const QString kModeCard = QStringLiteral("mode.card");
const QString kModeMood = QStringLiteral("mode.mood");
const QString kProductGroupsMode = QStringLiteral("product.groups.mode");
const QString kProductGroupSeparator
    = QStringLiteral("product.group.productname.productcode.separator:string");
const QString kHasExteriorFilter = QStringLiteral("has.exterior.filter");
const QString kMoodVisible = QStringLiteral("mood.visible");
const QString kHasColorSchemesPage = QStringLiteral("has.color.schemes.page");
const QString kShowCollectionName = QStringLiteral("color.tooltip.show.collection.name");
const QString kShowPageName = QStringLiteral("color.tooltip.show.page.name");
const QString kShowCardName = QStringLiteral("color.tooltip.show.card.name");
const QString kShowRowName = QStringLiteral("color.tooltip.show.row.name");
const QString kShowColorName = QStringLiteral("color.tooltip.show.color.name");
const QString kShowRowCode = QStringLiteral("color.tooltip.show.row.code");
const QString kShowColorCode = QStringLiteral("color.tooltip.show.color.code");
const QString kShowRowAuxiliaryInfo = QStringLiteral("color.tooltip.show.row.auxiliary.info");
const QString kShowAuxiliary = QStringLiteral("color.tooltip.show.auxiliary");
const QString kShowPageIndex = QStringLiteral("color.tooltip.show.page.index");
const QString kShowRowIndex = QStringLiteral("color.tooltip.show.row.row.index");
const QString kExportAppendProductCode = QStringLiteral("export.color.name.append.product.code");
const QString kCapsureEnabled = QStringLiteral("capsure.enabled");
const QString kCapsureFolderToWatch = QStringLiteral("capsure.folder.to.watch.windows");
const QString kCapsureFilenameToWatch = QStringLiteral("capsure.filename.to.watch");
const QString kSavePaletteTextFormat = QStringLiteral("save.palette.text.format");
const QString kHeaderLink = QStringLiteral("header.link");
const QString kHelpLink = QStringLiteral("help.link");
const QString kHasProductGroupsPage = QStringLiteral("has.product.groups.page");
const QString kHasTexturesPage = QStringLiteral("has.textures.page");
const QString kHasColorVistralPage = QStringLiteral("has.color.vistral.page");
const QString kTabBarPage = QStringLiteral("tab.bar.page");
const QString kSchemes = QStringLiteral("schemes");
const QString kVistralChipWidth = QStringLiteral("widget.color.vistral.chip.width");
const QString kVistralChipHeight = QStringLiteral("widget.color.vistral.chip.height");
const QString kTextureSize = QStringLiteral("texture.size");
const QString kDeltaIntervals = QStringLiteral("cie2000.delta.intervals");

// Cache keys that are no setting names.
const QString kExteriorMoodKey = QStringLiteral("hasPageWithExteriorMood:%1");
const QString kAvailableTabBarPagesKey = QStringLiteral("availableTabBarPages");
const QString kVistralChipSizeKey = QStringLiteral("ColorVistralChipSize");

const QString kDefaultProductGroupSeparator = QStringLiteral(": ");
const QString kDefaultHelpLink = QStringLiteral("file:///%APP%/Contents/Resources/help/main.html");
constexpr int kDefaultNumOfSegments = 12;
const QSize kDefaultVistralChipSize(64, 48);
constexpr double kDefaultDeltaInterval = 0.05;

struct NamedValue
{
    const char *name;
    int value;
};

constexpr NamedValue kCardTypes[] = {{"normal", CardTypeNormal}, {"duvalin", CardTypeDuvalin}};
constexpr NamedValue kOrientations[]
    = {{"CW", SegmentsClockwise}, {"CCW", SegmentsCounterClockwise}};
constexpr NamedValue kCardModes[] = {{"ModeColorToColor", ModeColorToColor},
                                     {"ModeColorToCard", ModeColorToCard},
                                     {"ModeCardToCard", ModeCardToCard}};
constexpr NamedValue kMoodModes[]
    = {{"MoodModeNormal", MoodModeNormal}, {"MoodModeWarmFreshEquals", MoodModeWarmFreshEquals}};
constexpr NamedValue kProductGroupsModes[] = {{"Products", Products}};
constexpr NamedValue kTabBarPages[] = {{"PageOfColorSchemes", PageOfColorSchemes},
                                       {"PageOfProducts", PageOfProducts},
                                       {"PageOfColorVistral", PageOfColorVistral},
                                       {"PageOfTextures", PageOfTextures}};
constexpr NamedValue kSchemeKinds[] = {{"harmonic", Harmonic},
                                       {"contrast", Contrast},
                                       {"wide contrast", WideContrast},
                                       {"dynamic", Dynamic},
                                       {"dramatic", Dramatic},
                                       {"neutral", Neutral},
                                       {"tonal neutral", TonalNeutral},
                                       {"complementary neutral", ComplementaryNeutral},
                                       {"natural neutral", NaturalNeutral}};
// Written when a "tab.bar.page" value is no text.
const QVariantList kAllTabBarPages
    = {int(PageOfColorSchemes), int(PageOfProducts), int(PageOfColorVistral), int(PageOfTextures)};

// The value a name stands for (compared ignoring case), if any.
template<std::size_t N>
std::optional<int> valueOfName(const QString &text, const NamedValue (&table)[N])
{
    for (const NamedValue &entry : table) {
        if (text.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
            return entry.value;
    }
    return std::nullopt;
}

bool isText(const QVariant &value)
{
    return value.typeId() == QMetaType::QString;
}

// An integer value; text that is no number gives 0.
int intOrZero(const QVariant &value)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? number : 0;
}

std::optional<int> intIfNumber(const QVariant &value)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

// Flags are on only for the integer 1.
bool isOne(const QVariant &value)
{
    return intIfNumber(value) == 1;
}

bool isNonZero(const QVariant &value)
{
    return intOrZero(value) != 0;
}

QHash<QString, QVariant> &settingsCache()
{
    static QHash<QString, QVariant> cache;
    return cache;
}

QUuid &cachedCollection()
{
    static QUuid collection;
    return collection;
}

// The cache holds the values of one collection only.
void useCollection(const QUuid &collection)
{
    if (collection == cachedCollection())
        return;
    settingsCache().clear();
    cachedCollection() = collection;
}

// A cached value; a null one stands for a miss.
QVariant cachedValue(const QUuid &collection, const QString &key)
{
    useCollection(collection);
    return settingsCache().value(key);
}

void storeValue(const QString &key, const QVariant &value)
{
    settingsCache().insert(key, value);
}

// The value of a setting through the cache, asking `fallbackName` when `name` is missing.
// Missing values are not cached.
QVariant cachedSetting(const QUuid &collection, const QString &name,
                       const QString &fallbackName = QString())
{
    const QVariant cached = cachedValue(collection, name);
    if (!cached.isNull())
        return cached;
    QVariant value = DB::settingValue(collection, name, QVariant());
    if (value.isNull() && !fallbackName.isEmpty())
        value = DB::settingValue(collection, fallbackName, QVariant());
    if (!value.isNull())
        storeValue(name, value);
    return value;
}

template<std::size_t N>
int cachedEnumeration(const QUuid &collection, const QString &name, const NamedValue (&table)[N])
{
    return valueOfName(cachedSetting(collection, name).toString(), table).value_or(0);
}

bool cachedFlag(const QUuid &collection, const QString &name, bool defaultValue,
                const QString &fallbackName = QString())
{
    const QVariant value = cachedSetting(collection, name, fallbackName);
    return value.isNull() ? defaultValue : isOne(value);
}

// Values of a list setting, each text trimmed and replaced by the number it names.
template<std::size_t N>
QVariantList namedValues(const QVariantList &values, const NamedValue (&table)[N])
{
    QVariantList result;
    for (const QVariant &value : values) {
        const std::optional<int> number = valueOfName(value.toString().trimmed(), table);
        result.append(number ? QVariant(*number) : value);
    }
    return result;
}

bool allText(const QVariantList &values)
{
    return std::all_of(values.cbegin(), values.cend(), isText);
}

// Text split at commas with empty parts dropped.
QStringList commaParts(const QVariant &value)
{
    return value.toString().split(QLatin1Char(','), Qt::SkipEmptyParts);
}

QStringList nonEmptyNames(const QStringList &source, const QVector<qint64> &order)
{
    QStringList names;
    for (const qint64 number : order) {
        const QString name = (number >= 0 && number < source.size())
            ? source.at(static_cast<int>(number))
            : QString();
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

} // namespace

namespace DB {

QVariant settingValue(const QUuid &collection, const QString &name, const QVariant &defaultValue)
{
    if (ensureConnection(collection) < 0)
        return defaultValue;
    QSqlQuery query = collectionQuery(collection);
    query.prepare(kSettingValueStatement.arg(collectionDbId(collection)));
    query.bindValue(kNameParameter, name);
    if (!execPreparedReported(query) || !query.next())
        return defaultValue;
    return query.value(0);
}

QVariantList settingValues(const QUuid &collection, const QString &name)
{
    QVariantList values;
    if (ensureConnection(collection) != StatusOk)
        return values;
    QSqlQuery query = collectionQuery(collection);
    query.prepare(kSettingValuesStatement.arg(collectionDbId(collection)));
    query.bindValue(kNameParameter, name);
    if (query.exec()) {
        while (query.next())
            values.append(query.value(0));
    }
    return values;
}

int loadDisplayOrders(const QUuid &collection)
{
    for (QVector<qint64> &list : orderLists())
        list.clear();
    const int status = ensureConnection(collection);
    if (status < 0)
        return status;
    for (int list = 0; list < OrderListCount; ++list) {
        for (const QVariant &value : settingValues(collection, kOrderSettings.at(list))) {
            bool ok = false;
            const qint64 number = value.toLongLong(&ok);
            orderLists().at(list).append(ok ? number : 0);
        }
    }
    return StatusOk;
}

const QVector<qint64> &pageNameSearchOrder()
{
    return orderLists().at(PageNameSearch);
}

const QVector<qint64> &pageNameDisplayOrder()
{
    return orderLists().at(PageNameDisplay);
}

const QVector<qint64> &rowNameSearchOrder()
{
    return orderLists().at(RowNameSearch);
}

const QVector<qint64> &rowNameDisplayOrder()
{
    return orderLists().at(RowNameDisplay);
}

const QVector<qint64> &rowExtraDisplayOrder()
{
    return orderLists().at(RowExtraDisplay);
}

QString colorTooltipText(const QUuid &collection, qint64 rowId, bool html)
{
    const bool collectionName = CollectionSettings::showCollectionName(collection);
    const bool pageName = CollectionSettings::showPageName(collection);
    const bool rowCode = CollectionSettings::showRowCode(collection);
    const bool rowName = CollectionSettings::showRowName(collection);
    const bool auxiliaryInfo = CollectionSettings::showRowAuxiliaryInfo(collection);
    const bool pageIndex = CollectionSettings::showPageIndex(collection);
    const bool rowIndex = CollectionSettings::showRowIndex(collection);

    ColorEntry entry;
    if (loadRowById(collection, rowId, entry) != StatusOk)
        return QString();

    QStringList lines;
    QSharedPointer<Collection> loaded;
    if (collectionName && loadCollection(collection, loaded) == StatusOk)
        lines.append(loaded->name());
    ColorPage page;
    const bool pageLoaded
        = (pageName || pageIndex) && loadPageById(collection, entry.pageId, true, page) == StatusOk;
    if (pageName && pageLoaded)
        lines += nonEmptyNames(page.names, pageNameDisplayOrder());
    if (rowCode && !entry.code().isEmpty())
        lines.append(entry.code());
    if (rowName)
        lines += nonEmptyNames(entry.names, rowNameDisplayOrder());
    if (auxiliaryInfo) {
        for (const QString &extra : nonEmptyNames(entry.extras, rowExtraDisplayOrder()))
            lines.append(html ? kTooltipItalic.arg(extra) : extra);
    }
    if (pageIndex && pageLoaded)
        lines.append(QString::number(page.pageIndex));
    if (rowIndex)
        lines.append(QString::number(entry.rowIndex));

    if (html)
        return kTooltipDiv.arg(lines.join(kTooltipHtmlSeparator));
    return lines.join(kTooltipTextSeparator);
}

} // namespace DB

void CollectionSettings::setCurrentCollection(const QUuid &collection)
{
    useCollection(collection);
}

int CollectionSettings::maxChipsOnAPage(const QUuid &collection)
{
    const QVariant value = cachedSetting(collection, kMaxChipsOnAPage);
    return value.isNull() ? 0 : intOrZero(value);
}

CardType CollectionSettings::cardType(const QUuid &collection)
{
    return CardType(cachedEnumeration(collection, kCardType, kCardTypes));
}

int CollectionSettings::numOfSegments(const QUuid &collection)
{
    const QVariant value = cachedSetting(collection, kNumOfSegments);
    return value.isNull() ? kDefaultNumOfSegments : intOrZero(value);
}

double CollectionSettings::firstSegmentAngle(const QUuid &collection)
{
    return cachedSetting(collection, kFirstSegmentAngle).toDouble();
}

SegmentOrientation CollectionSettings::segmentIncrementOrientation(const QUuid &collection)
{
    return SegmentOrientation(
        cachedEnumeration(collection, kSegmentIncrementOrientation, kOrientations));
}

ModeCard CollectionSettings::modeCard(const QUuid &collection)
{
    return ModeCard(cachedEnumeration(collection, kModeCard, kCardModes));
}

MoodMode CollectionSettings::modeMood(const QUuid &collection)
{
    return MoodMode(cachedEnumeration(collection, kModeMood, kMoodModes));
}

ProductGroupsMode CollectionSettings::productGroupsMode(const QUuid &collection)
{
    return ProductGroupsMode(
        cachedEnumeration(collection, kProductGroupsMode, kProductGroupsModes));
}

QString CollectionSettings::productGroupSeparator(const QUuid &collection)
{
    const QVariant value = cachedSetting(collection, kProductGroupSeparator);
    return isText(value) ? value.toString() : kDefaultProductGroupSeparator;
}

bool CollectionSettings::hasExteriorFilter(const QUuid &collection)
{
    return cachedFlag(collection, kHasExteriorFilter, true);
}

bool CollectionSettings::moodVisible(const QUuid &collection)
{
    return cachedFlag(collection, kMoodVisible, true);
}

bool CollectionSettings::hasColorSchemesPage(const QUuid &collection)
{
    return cachedFlag(collection, kHasColorSchemesPage, false);
}

bool CollectionSettings::showCollectionName(const QUuid &collection)
{
    return cachedFlag(collection, kShowCollectionName, false);
}

bool CollectionSettings::showPageName(const QUuid &collection)
{
    return cachedFlag(collection, kShowPageName, false, kShowCardName);
}

bool CollectionSettings::showRowName(const QUuid &collection)
{
    return cachedFlag(collection, kShowRowName, false, kShowColorName);
}

bool CollectionSettings::showRowCode(const QUuid &collection)
{
    return cachedFlag(collection, kShowRowCode, false, kShowColorCode);
}

bool CollectionSettings::showRowAuxiliaryInfo(const QUuid &collection)
{
    return cachedFlag(collection, kShowRowAuxiliaryInfo, false, kShowAuxiliary);
}

bool CollectionSettings::showPageIndex(const QUuid &collection)
{
    return cachedFlag(collection, kShowPageIndex, false);
}

bool CollectionSettings::showRowIndex(const QUuid &collection)
{
    return cachedFlag(collection, kShowRowIndex, false);
}

bool CollectionSettings::exportColorNameAppendProductCode(const QUuid &collection)
{
    return cachedFlag(collection, kExportAppendProductCode, false);
}

bool CollectionSettings::capsureEnabled(const QUuid &collection)
{
    return cachedFlag(collection, kCapsureEnabled, false);
}

QString CollectionSettings::capsureFolderToWatch(const QUuid &collection)
{
    return cachedSetting(collection, kCapsureFolderToWatch).toString();
}

QString CollectionSettings::capsureFilenameToWatch(const QUuid &collection)
{
    return cachedSetting(collection, kCapsureFilenameToWatch).toString();
}

bool CollectionSettings::savePaletteTextFormat(const QUuid &collection, bool defaultValue)
{
    return cachedFlag(collection, kSavePaletteTextFormat, defaultValue);
}

QString CollectionSettings::headerLink(const QUuid &collection)
{
    return DB::settingValue(collection, kHeaderLink, QString()).toString();
}

QString CollectionSettings::helpLink(const QUuid &collection)
{
    const QString link = DB::settingValue(collection, kHelpLink, QString()).toString();
    return link.isEmpty() ? kDefaultHelpLink : link;
}

bool CollectionSettings::hasPageWithExteriorMood(const QUuid &collection, int mood)
{
    const QString key = kExteriorMoodKey.arg(mood);
    const QVariant cached = cachedValue(collection, key);
    if (!cached.isNull())
        return cached.toBool();
    const bool exists = DB::hasExteriorPageWithMood(collection, mood);
    storeValue(key, exists);
    return exists;
}

int CollectionSettings::availableTabBarPages(const QUuid &collection)
{
    const QVariant cached = cachedValue(collection, kAvailableTabBarPagesKey);
    if (!cached.isNull())
        return cached.toInt();
    int pages = PageOfColorSchemes;
    if (isNonZero(DB::settingValue(collection, kHasProductGroupsPage, QVariant())))
        pages |= PageOfProducts;
    // Textures need the shared images of the system-wide collection as well.
    if (isNonZero(DB::settingValue(DB::systemWideCollectionUuid(), kHasTexturesPage, QVariant()))
        && isNonZero(DB::settingValue(collection, kHasTexturesPage, QVariant())))
        pages |= PageOfTextures;
    if (isNonZero(DB::settingValue(collection, kHasColorVistralPage, QVariant())))
        pages |= PageOfColorVistral;
    storeValue(kAvailableTabBarPagesKey, pages);
    return pages;
}

QVector<TabBarPage> CollectionSettings::tabBarPages(const QUuid &collection)
{
    QVariant cached = cachedValue(collection, kTabBarPage);
    if (cached.isNull()) {
        const QVariantList values = DB::settingValues(collection, kTabBarPage);
        cached = allText(values) ? namedValues(values, kTabBarPages) : kAllTabBarPages;
        storeValue(kTabBarPage, cached);
    }
    QVector<TabBarPage> pages {PageOfColorSchemes};
    for (const QVariant &value : cached.toList()) {
        const int page = intOrZero(value);
        if (page != PageOfColorSchemes)
            pages.append(TabBarPage(page));
    }
    return pages;
}

QVector<SchemeKind> CollectionSettings::schemes(const QUuid &collection)
{
    QVariant cached = cachedValue(collection, kSchemes);
    if (cached.isNull()) {
        const QVariantList values = DB::settingValues(collection, kSchemes);
        cached = allText(values) ? namedValues(values, kSchemeKinds) : QVariantList();
        storeValue(kSchemes, cached);
    }
    QVector<SchemeKind> kinds;
    for (const QVariant &value : cached.toList())
        kinds.append(SchemeKind(intOrZero(value)));
    return kinds;
}

QSize CollectionSettings::colorVistralChipSize(const QUuid &collection)
{
    const QVariant cached = cachedValue(collection, kVistralChipSizeKey);
    if (!cached.isNull())
        return cached.canConvert<QSize>() ? cached.toSize() : kDefaultVistralChipSize;
    const std::optional<int> width
        = intIfNumber(DB::settingValue(collection, kVistralChipWidth, QVariant()));
    const std::optional<int> height
        = intIfNumber(DB::settingValue(collection, kVistralChipHeight, QVariant()));
    if (!width || !height)
        return kDefaultVistralChipSize;
    const QSize size(*width, *height);
    storeValue(kVistralChipSizeKey, size);
    return size;
}

QSize CollectionSettings::textureSize(const QUuid &collection, const QSize &defaultValue)
{
    const QVariant cached = cachedValue(collection, kTextureSize);
    if (!cached.isNull())
        return cached.toSize();
    QVariant value = DB::settingValue(collection, kTextureSize, QVariant());
    if (value.isNull())
        value = DB::settingValue(DB::systemWideCollectionUuid(), kTextureSize, QVariant());
    const QStringList parts = commaParts(value);
    if (parts.size() != 2)
        return defaultValue;
    const std::optional<int> width = intIfNumber(parts.first());
    const std::optional<int> height = intIfNumber(parts.last());
    if (!width || !height)
        return defaultValue;
    const QSize size(*width, *height);
    storeValue(kTextureSize, size);
    return size;
}

QVector<double> CollectionSettings::cie2000DeltaIntervals(const QUuid &collection)
{
    QVariant cached = cachedValue(collection, kDeltaIntervals);
    if (cached.isNull()) {
        QVariantList intervals;
        for (const QString &part :
             commaParts(DB::settingValue(collection, kDeltaIntervals, QVariant()))) {
            const double interval = part.toDouble();
            if (interval > 0)
                intervals.append(interval);
        }
        if (!intervals.isEmpty()) {
            cached = intervals;
            storeValue(kDeltaIntervals, cached);
        }
    }
    if (cached.isNull())
        return {kDefaultDeltaInterval};
    QVector<double> result;
    for (const QVariant &value : cached.toList())
        result.append(value.toDouble());
    return result;
}

} // namespace Corvane
