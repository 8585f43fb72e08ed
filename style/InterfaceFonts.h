#pragma once

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

namespace Corvane {

// One entry of the preferred font list: a family with the base point size that suits it.
struct FontPreference
{
    QString family;
    int pointSize = 0;

    bool operator==(const FontPreference &other) const
    {
        return family == other.family && pointSize == other.pointSize;
    }
};

// The interface fonts at size step 0 to 4 (base - 2 to base + 2 points; other steps: base).
QFont normalFont(int sizeStep = 2);
QFont italicFont(int sizeStep = 2);
QFont boldFont(int sizeStep = 2);

// The chosen interface family; chosen from the theme's preference list on first use.
QString interfaceFontFamily();

// The font for these values, made once and kept for the life of the process.
QFont cachedFont(const QString &family, int pointSize, int weight, bool italic, int letterSpacing,
                 int stretch);

// "Family,size;Family,size" as stored in the theme. Malformed entries are dropped; a list
// with no valid entry or a family named twice gives the built-in list.
QList<FontPreference> parseFontPreferences(const QByteArray &data);

// The first preference whose family is installed (compared ignoring case), or an empty
// preference when none is.
FontPreference chooseInstalledFont(const QList<FontPreference> &preferences,
                                   const QStringList &installedFamilies);

} // namespace Corvane
