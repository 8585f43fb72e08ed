#include "InterfaceFonts.h"

#include "CollectionRegistry.h"
#include "StatusCodes.h"
#include "ThemeResources.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace Corvane {

namespace {

const QString kPreferencesKey = QStringLiteral("list.of.preferred.font.faces");
const QString kWindowsSuffix = QStringLiteral(".windows");
constexpr int kDefaultStep = 2;
constexpr int kLastStep = 4;
constexpr int kLetterSpacing = 100;
constexpr int kStretch = 100;
// The base size when no preferred family is installed and the toolkit reports none.
constexpr int kReadableBaseSize = 9;

QList<FontPreference> builtInPreferences()
{
    return {{QStringLiteral("Myriad Pro"), 10}, {QStringLiteral("Arial"), 8}};
}

struct InterfaceFont
{
    QString family;
    int basePointSize = 0;
};

InterfaceFont &interfaceFont()
{
    static InterfaceFont font;
    return font;
}

QByteArray preferenceData()
{
    const QUuid systemWide = DB::systemWideCollectionUuid();
    QByteArray data;
    if (DB::themeData(systemWide, kPreferencesKey, data) == DB::StatusOk)
        return data;
    if (DB::themeData(systemWide, kPreferencesKey + kWindowsSuffix, data) == DB::StatusOk)
        return data;
    return QByteArray();
}

// No preferred family is installed: the toolkit's own family at a readable size, rather
// than an empty family at a size near zero.
FontPreference fallbackFont()
{
    const QFont applicationFont = QGuiApplication::font();
    const int pointSize = applicationFont.pointSize();
    return {applicationFont.family(),
            pointSize >= kReadableBaseSize ? pointSize : kReadableBaseSize};
}

int pointSizeForStep(int sizeStep)
{
    const int base = interfaceFont().basePointSize;
    if (sizeStep < 0 || sizeStep > kLastStep)
        return base;
    return base + sizeStep - kDefaultStep;
}

QFont interfaceFontAt(int sizeStep, QFont::Weight weight, bool italic)
{
    const QString family = interfaceFontFamily();
    return cachedFont(family, pointSizeForStep(sizeStep), weight, italic, kLetterSpacing, kStretch);
}

} // namespace

QList<FontPreference> parseFontPreferences(const QByteArray &data)
{
    const int end = data.indexOf('\0');
    const QString text = QString::fromUtf8(end < 0 ? data : data.left(end));
    QList<FontPreference> preferences;
    QSet<QString> families;
    bool duplicate = false;
    for (const QString &entry : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList pieces = entry.split(QLatin1Char(','), Qt::SkipEmptyParts);
        if (pieces.size() != 2)
            continue;
        bool ok = false;
        const int pointSize = pieces.at(1).toInt(&ok);
        if (pieces.at(0).isEmpty() || !ok || pointSize <= 0)
            continue;
        duplicate = duplicate || families.contains(pieces.at(0));
        families.insert(pieces.at(0));
        preferences.append({pieces.at(0), pointSize});
    }
    if (preferences.isEmpty() || duplicate)
        return builtInPreferences();
    return preferences;
}

FontPreference chooseInstalledFont(const QList<FontPreference> &preferences,
                                   const QStringList &installedFamilies)
{
    for (const FontPreference &preference : preferences) {
        const bool installed = std::any_of(
            installedFamilies.cbegin(), installedFamilies.cend(), [&](const QString &family) {
                return family.compare(preference.family, Qt::CaseInsensitive) == 0;
            });
        if (installed)
            return preference;
    }
    return FontPreference();
}

QString interfaceFontFamily()
{
    InterfaceFont &font = interfaceFont();
    if (!font.family.isEmpty())
        return font.family;
    FontPreference chosen
        = chooseInstalledFont(parseFontPreferences(preferenceData()), QFontDatabase::families());
    if (chosen.family.isEmpty())
        chosen = fallbackFont();
    font.family = chosen.family;
    font.basePointSize = chosen.pointSize;
    return font.family;
}

QFont cachedFont(const QString &family, int pointSize, int weight, bool italic, int letterSpacing,
                 int stretch)
{
    static QHash<QString, QFont> cache;
    const QString key = QStringLiteral("%1,%2,%3,%4,%5,%6")
                            .arg(family)
                            .arg(pointSize)
                            .arg(weight)
                            .arg(italic ? 1 : 0)
                            .arg(letterSpacing)
                            .arg(stretch);
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    QFont font(family, pointSize, weight, italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setLetterSpacing(QFont::PercentageSpacing, letterSpacing);
    font.setStretch(stretch);
    cache.insert(key, font);
    return font;
}

QFont normalFont(int sizeStep)
{
    return interfaceFontAt(sizeStep, QFont::Normal, false);
}

QFont italicFont(int sizeStep)
{
    return interfaceFontAt(sizeStep, QFont::Normal, true);
}

QFont boldFont(int sizeStep)
{
    return interfaceFontAt(sizeStep, QFont::Bold, false);
}

} // namespace Corvane
