#include "CollectionSettings.h"

#include "StatusCodes.h"

namespace Corvane {

namespace DB {

QVariant settingValue(const QUuid &, const QString &, const QVariant &defaultValue)
{
    return defaultValue;
}
QVariantList settingValues(const QUuid &, const QString &)
{
    return {};
}
int loadDisplayOrders(const QUuid &)
{
    return StatusFailed;
}
namespace {
QVector<qint64> emptyOrder;
}
const QVector<qint64> &pageNameSearchOrder()
{
    return emptyOrder;
}
const QVector<qint64> &pageNameDisplayOrder()
{
    return emptyOrder;
}
const QVector<qint64> &rowNameSearchOrder()
{
    return emptyOrder;
}
const QVector<qint64> &rowNameDisplayOrder()
{
    return emptyOrder;
}
const QVector<qint64> &rowExtraDisplayOrder()
{
    return emptyOrder;
}
QString colorTooltipText(const QUuid &, qint64, bool)
{
    return QString();
}
} // namespace DB
void CollectionSettings::setCurrentCollection(const QUuid &) { }

int CollectionSettings::maxChipsOnAPage(const QUuid &)
{
    return 0;
}

CardType CollectionSettings::cardType(const QUuid &)
{
    return CardType();
}

int CollectionSettings::numOfSegments(const QUuid &)
{
    return 0;
}

double CollectionSettings::firstSegmentAngle(const QUuid &)
{
    return 0.0;
}

SegmentOrientation CollectionSettings::segmentIncrementOrientation(const QUuid &)
{
    return SegmentOrientation();
}

ModeCard CollectionSettings::modeCard(const QUuid &)
{
    return ModeCard();
}

MoodMode CollectionSettings::modeMood(const QUuid &)
{
    return MoodMode();
}

ProductGroupsMode CollectionSettings::productGroupsMode(const QUuid &)
{
    return ProductGroupsMode();
}

QString CollectionSettings::productGroupSeparator(const QUuid &)
{
    return QString();
}

bool CollectionSettings::hasExteriorFilter(const QUuid &)
{
    return false;
}

bool CollectionSettings::moodVisible(const QUuid &)
{
    return false;
}

bool CollectionSettings::hasColorSchemesPage(const QUuid &)
{
    return false;
}

bool CollectionSettings::showCollectionName(const QUuid &)
{
    return false;
}

bool CollectionSettings::showPageName(const QUuid &)
{
    return false;
}

bool CollectionSettings::showRowName(const QUuid &)
{
    return false;
}

bool CollectionSettings::showRowCode(const QUuid &)
{
    return false;
}

bool CollectionSettings::showRowAuxiliaryInfo(const QUuid &)
{
    return false;
}

bool CollectionSettings::showPageIndex(const QUuid &)
{
    return false;
}

bool CollectionSettings::showRowIndex(const QUuid &)
{
    return false;
}

bool CollectionSettings::exportColorNameAppendProductCode(const QUuid &)
{
    return false;
}

bool CollectionSettings::capsureEnabled(const QUuid &)
{
    return false;
}

QString CollectionSettings::capsureFolderToWatch(const QUuid &)
{
    return QString();
}

QString CollectionSettings::capsureFilenameToWatch(const QUuid &)
{
    return QString();
}

bool CollectionSettings::savePaletteTextFormat(const QUuid &, bool)
{
    return false;
}

QString CollectionSettings::headerLink(const QUuid &)
{
    return QString();
}

QString CollectionSettings::helpLink(const QUuid &)
{
    return QString();
}

bool CollectionSettings::hasPageWithExteriorMood(const QUuid &, int)
{
    return false;
}

int CollectionSettings::availableTabBarPages(const QUuid &)
{
    return 0;
}

QVector<TabBarPage> CollectionSettings::tabBarPages(const QUuid &)
{
    return QVector<TabBarPage>();
}

QVector<SchemeKind> CollectionSettings::schemes(const QUuid &)
{
    return QVector<SchemeKind>();
}

QSize CollectionSettings::colorVistralChipSize(const QUuid &)
{
    return QSize();
}

QSize CollectionSettings::textureSize(const QUuid &, const QSize &)
{
    return QSize();
}

QVector<double> CollectionSettings::cie2000DeltaIntervals(const QUuid &)
{
    return QVector<double>();
}

} // namespace Corvane
