#include "StateStore.h"

#include "ModuleValues.h"

#include <QHash>
#include <QSettings>

namespace Corvane {

namespace {

const QString kLastUsedCollectionKey = QStringLiteral("UuidOfLastUsedCollection");
const QString kHostPidKey = QStringLiteral("HostApplicationPID");
const QString kSegmentIndexKey = QStringLiteral("SegmentIndex");
const QString kMoodFilterKey = QStringLiteral("MoodFilter");
const QString kExteriorColorsKey = QStringLiteral("ExteriorColors");
const QString kShowMtoKey = QStringLiteral("ShowMto");
const QString kPageIndexKey = QStringLiteral("PageIndex");
const QString kRowIndexKey = QStringLiteral("RowIndex");
const QString kTabPageIndexKey = QStringLiteral("TabPageIndex");
const QString kSchemeKindKey = QStringLiteral("SchemeKind");
const QString kSchemeNeutralSubKindKey = QStringLiteral("SchemeNeutralSubKind");
const QString kVistralGroupKey = QStringLiteral("ColorVistralGroup_%1_OpenState");

const QString kPaletteGroup = QStringLiteral("MyPalette");
const QString kCellKey = QStringLiteral("(%1,%2)");
const QString kEntrySuffix = QStringLiteral(".Entry");
const QString kSelectedSuffix = QStringLiteral(".Selected");
const QString kGridVisibleKey = QStringLiteral("MyPaletteGridVisible");
const QString kZoomedKey = QStringLiteral("MyPaletteZoomed");
const QString kSaveFileFormatKey = QStringLiteral("MyPaletteSaveFileFormat");
const QString kLastSavePathKey = QStringLiteral("MyPaletteLastSavePath");
const QString kDescriptionKey = QStringLiteral("MyPaletteDescription");
const QString kFullBackgroundKey = QStringLiteral("MyPaletteFullBackgroundColor");

constexpr int kDefaultSegmentIndex = 1;
constexpr int kDefaultPageIndex = 1;
constexpr int kDefaultRowIndex = 1;
constexpr int kDefaultFullBackground = 176;
const QPoint kDefaultZoomed(-1, -1);

// The last-used collection of each settings file (keyed by the store's path, empty for the
// user's file); null until first read or written.
QHash<QString, QUuid> &lastUsedCollectionCache()
{
    static QHash<QString, QUuid> cache;
    return cache;
}

// An absent value, or one of a type that does not convert, gives the default; a text that
// is no number gives 0.
int toInt(const QVariant &value, int defaultValue)
{
    if (!value.isValid() || !value.canConvert<int>())
        return defaultValue;
    return value.toInt();
}

// Texts are "true" or "false" as written, or numbers (non-zero is true); other text is false.
bool toBool(const QVariant &value, bool defaultValue)
{
    if (!value.isValid() || !value.canConvert<bool>())
        return defaultValue;
    if (value.typeId() != QMetaType::QString)
        return value.toBool();
    const QString text = value.toString().trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    return text.toLongLong() != 0;
}

// `value` when it is one of `allowed`, else `fallback`.
int oneOf(int value, std::initializer_list<int> allowed, int fallback)
{
    for (int candidate : allowed) {
        if (value == candidate)
            return value;
    }
    return fallback;
}

QString cellKey(const QPoint &cell, const QString &suffix)
{
    return kCellKey.arg(cell.y()).arg(cell.x()) + suffix;
}

} // namespace

StateStore::StateStore() = default;

StateStore::StateStore(const QString &iniFilePath) : m_iniFilePath(iniFilePath) { }

QString StateStore::fileName() const
{
    return open()->fileName();
}

std::unique_ptr<QSettings> StateStore::open() const
{
    if (!m_iniFilePath.isEmpty())
        return std::make_unique<QSettings>(m_iniFilePath, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       organizationName(), settingsApplicationName());
}

QUuid StateStore::uuidOfLastUsedCollection() const
{
    QUuid &cached = lastUsedCollectionCache()[m_iniFilePath];
    if (cached.isNull()) {
        const std::unique_ptr<QSettings> settings = open();
        if (settings->contains(kLastUsedCollectionKey))
            cached = QUuid::fromString(settings->value(kLastUsedCollectionKey).toString());
    }
    return cached;
}

void StateStore::setUuidOfLastUsedCollection(const QUuid &collection) const
{
    open()->setValue(kLastUsedCollectionKey, collection.toString());
    lastUsedCollectionCache()[m_iniFilePath] = collection;
}

qint64 StateStore::hostApplicationPID() const
{
    const QVariant value = open()->value(kHostPidKey);
    if (!value.isValid() || !value.canConvert<qlonglong>())
        return 0;
    return value.toLongLong();
}

void StateStore::setHostApplicationPID(qint64 pid) const
{
    open()->setValue(kHostPidKey, pid);
}

QVariant StateStore::collectionValue(const QUuid &collection, const QString &key) const
{
    const std::unique_ptr<QSettings> settings = open();
    settings->beginGroup(collection.toString());
    return settings->value(key);
}

void StateStore::setCollectionValue(const QUuid &collection, const QString &key,
                                    const QVariant &value) const
{
    const std::unique_ptr<QSettings> settings = open();
    settings->beginGroup(collection.toString());
    settings->setValue(key, value);
}

int StateStore::segmentIndex(const QUuid &collection) const
{
    return toInt(collectionValue(collection, kSegmentIndexKey), kDefaultSegmentIndex);
}

void StateStore::setSegmentIndex(const QUuid &collection, int segment) const
{
    setCollectionValue(collection, kSegmentIndexKey, segment);
}

Mood StateStore::moodFilter(const QUuid &collection) const
{
    const int mood = toInt(collectionValue(collection, kMoodFilterKey), MoodAll);
    return mood >= MoodFresh && mood <= MoodAll ? Mood(mood) : MoodAll;
}

void StateStore::setMoodFilter(const QUuid &collection, int mood) const
{
    setCollectionValue(collection, kMoodFilterKey, mood);
}

bool StateStore::exteriorColors(const QUuid &collection) const
{
    return toBool(collectionValue(collection, kExteriorColorsKey), false);
}

void StateStore::setExteriorColors(const QUuid &collection, bool exterior) const
{
    setCollectionValue(collection, kExteriorColorsKey, exterior);
}

bool StateStore::showMto(const QUuid &collection) const
{
    return toBool(collectionValue(collection, kShowMtoKey), false);
}

void StateStore::setShowMto(const QUuid &collection, bool show) const
{
    setCollectionValue(collection, kShowMtoKey, show);
}

int StateStore::pageIndex(const QUuid &collection) const
{
    return toInt(collectionValue(collection, kPageIndexKey), kDefaultPageIndex);
}

void StateStore::setPageIndex(const QUuid &collection, int page) const
{
    setCollectionValue(collection, kPageIndexKey, page);
}

int StateStore::rowIndex(const QUuid &collection) const
{
    return toInt(collectionValue(collection, kRowIndexKey), kDefaultRowIndex);
}

void StateStore::setRowIndex(const QUuid &collection, int row) const
{
    setCollectionValue(collection, kRowIndexKey, row);
}

TabBarPage StateStore::tabPageIndex(const QUuid &collection) const
{
    const int page = toInt(collectionValue(collection, kTabPageIndexKey), NoPage);
    return TabBarPage(oneOf(
        page, {PageOfColorSchemes, PageOfProducts, PageOfColorVistral, PageOfTextures}, NoPage));
}

void StateStore::setTabPageIndex(const QUuid &collection, int page) const
{
    setCollectionValue(collection, kTabPageIndexKey, page);
}

SchemeKind StateStore::schemeKind(const QUuid &collection) const
{
    const int kind = toInt(collectionValue(collection, kSchemeKindKey), SchemeNone);
    return kind >= Harmonic && kind <= NaturalNeutral ? SchemeKind(kind) : SchemeNone;
}

void StateStore::setSchemeKind(const QUuid &collection, int kind) const
{
    setCollectionValue(collection, kSchemeKindKey, kind);
}

SchemeKind StateStore::schemeNeutralSubKind(const QUuid &collection) const
{
    const int kind = toInt(collectionValue(collection, kSchemeNeutralSubKindKey), TonalNeutral);
    return SchemeKind(oneOf(kind, {ComplementaryNeutral, NaturalNeutral}, TonalNeutral));
}

void StateStore::setSchemeNeutralSubKind(const QUuid &collection, int kind) const
{
    setCollectionValue(
        collection, kSchemeNeutralSubKindKey,
        oneOf(kind, {TonalNeutral, ComplementaryNeutral, NaturalNeutral}, TonalNeutral));
}

bool StateStore::colorVistralGroupOpenState(const QUuid &collection, qint64 groupId,
                                            bool defaultValue) const
{
    return toBool(collectionValue(collection, kVistralGroupKey.arg(groupId)), defaultValue);
}

void StateStore::setColorVistralGroupOpenState(const QUuid &collection, qint64 groupId,
                                               bool open) const
{
    setCollectionValue(collection, kVistralGroupKey.arg(groupId), open);
}

QVariant StateStore::paletteValue(const QString &key) const
{
    const std::unique_ptr<QSettings> settings = open();
    settings->beginGroup(kPaletteGroup);
    return settings->value(key);
}

void StateStore::setPaletteValue(const QString &key, const QVariant &value) const
{
    const std::unique_ptr<QSettings> settings = open();
    settings->beginGroup(kPaletteGroup);
    settings->setValue(key, value);
}

void StateStore::removePaletteValue(const QString &key) const
{
    const std::unique_ptr<QSettings> settings = open();
    settings->beginGroup(kPaletteGroup);
    settings->remove(key);
}

DB::ItemIndex StateStore::myPaletteEntry(const QPoint &cell) const
{
    return DB::ItemIndex::fromText(paletteValue(cellKey(cell, kEntrySuffix)).toString());
}

void StateStore::setMyPaletteEntry(const QPoint &cell, const DB::ItemIndex &item) const
{
    const QString key = cellKey(cell, kEntrySuffix);
    if (item.rowId > 0)
        setPaletteValue(key, item.toText());
    else
        removePaletteValue(key);
}

bool StateStore::myPaletteSelected(const QPoint &cell) const
{
    return toBool(paletteValue(cellKey(cell, kSelectedSuffix)), false);
}

void StateStore::setMyPaletteSelected(const QPoint &cell, bool selected) const
{
    const std::unique_ptr<QSettings> settings = open();
    settings->beginGroup(kPaletteGroup);
    const QString key = cellKey(cell, kSelectedSuffix);
    settings->remove(key);
    if (selected)
        settings->setValue(key, true);
}

bool StateStore::myPaletteGridVisible() const
{
    return toBool(paletteValue(kGridVisibleKey), true);
}

void StateStore::setMyPaletteGridVisible(bool visible) const
{
    setPaletteValue(kGridVisibleKey, visible);
}

QPoint StateStore::myPaletteZoomed() const
{
    const QVariant value = paletteValue(kZoomedKey);
    return value.typeId() == QMetaType::QPoint ? value.toPoint() : kDefaultZoomed;
}

PaletteFileFormat StateStore::myPaletteSaveFileFormat() const
{
    return toInt(paletteValue(kSaveFileFormatKey), XmlPalette) == PlainText ? PlainText
                                                                            : XmlPalette;
}

void StateStore::setMyPaletteSaveFileFormat(int format) const
{
    setPaletteValue(kSaveFileFormatKey, format);
}

QString StateStore::myPaletteLastSavePath() const
{
    return paletteValue(kLastSavePathKey).toString();
}

void StateStore::setMyPaletteLastSavePath(const QString &path) const
{
    setPaletteValue(kLastSavePathKey, path);
}

void StateStore::setMyPaletteDescription(const QString &description) const
{
    setPaletteValue(kDescriptionKey, description);
}

int StateStore::myPaletteFullBackgroundColor() const
{
    return toInt(paletteValue(kFullBackgroundKey), kDefaultFullBackground);
}

void StateStore::setMyPaletteFullBackgroundColor(int gray) const
{
    setPaletteValue(kFullBackgroundKey, gray);
}

} // namespace Corvane
