#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QUuid>
#include <QVector>

namespace Corvane::Builder {

// The content of one collection as the builder writes it. Chips and cards refer to each other
// by card number (the card's 1-based PAGE_INDEX) and by position in `chips`, so a collection can
// be described before any database id exists.

// One colour chip.
struct ChipData
{
    QString code;
    QStringList names; // NAME0 … NAME9
    QStringList extras; // EXTRA0 … EXTRA9
    int red = 0;
    int green = 0;
    int blue = 0;
    int card = 0; // PAGE_INDEX of its card
    int position = 0; // ROW_INDEX on the card, 1-based
    int segment = 0;
    int mood = 0; // 0 none, 1 fresh … 6 neutral
    bool exterior = false; // read from the deck; the card carries the flag
    bool isMto = false;
    bool neutral = false;
    bool white = false;
};

// One card; its chips are the chips with `card` equal to `pageIndex`.
struct CardData
{
    int pageIndex = 0;
    QString name; // unique in the collection
    QStringList names; // NAME0 … NAME9
    QStringList extras;
    int segment = 0;
    int mood = 0;
    bool exterior = false;
};

// A setting with one or several values (VALUE_INDEX 0, 1, …).
struct SettingData
{
    QString name;
    QStringList values;
};

struct LocaleTextData
{
    QString key;
    QString text;
};

// A theme item: an encoded image, a colour as "r,g,b[,a]" or a text, stored as a BLOB.
struct ThemeItemData
{
    QString key;
    QByteArray data;
};

// Scheme chips of one chip (ROW_SCHEME_MAP); chips are indexes into `chips`.
struct RowSchemeData
{
    int chip = 0;
    int scheme = 0;
    int schemeChip = 0;
    int pageOrder = 0;
    int rowOrder = 0;
};

// Scheme cards of one card (PAGE_SCHEME); cards are page indexes.
struct PageSchemeData
{
    int card = 0;
    int scheme = 0;
    int schemeCard = 0;
    int order = 0;
};

// Scheme cards of one chip (ROW_TO_PAGE_SCHEME).
struct RowPageSchemeData
{
    int chip = 0;
    int scheme = 0;
    int schemeCard = 0;
    int order = 0;
};

// A product or product group and the chips it is available in.
struct ProductData
{
    QString name;
    QString code; // empty for product groups
    QVector<int> chips;
};

struct TrendEntryData
{
    int chip = -1; // the chip it corresponds to, or -1
    QString name1;
    QString name2;
    QColor color;
};

struct TrendGroupData
{
    QString name;
    bool defaultOpen = false;
    QVector<TrendEntryData> entries; // in display order
};

// A texture and the cards it is offered for.
struct TextureData
{
    QString name;
    QByteArray image; // encoded image
    double baseAlpha = 1.0;
    QVector<QPair<int, double>> cards; // page index and alpha
};

struct CollectionData
{
    qint64 id = 1; // COLLECTION.ID inside the file; 0 is the system-wide collection
    QUuid uuid;
    QString systemId;
    QString name;
    int version = 1;
    int order = 1;
    QString language; // the LOCALE column of the texts
    QList<SettingData> settings;
    QList<LocaleTextData> texts;
    QList<ThemeItemData> theme;
    QVector<CardData> cards;
    QVector<ChipData> chips;
    QVector<RowSchemeData> rowSchemes;
    QVector<PageSchemeData> pageSchemes;
    QVector<RowPageSchemeData> rowPageSchemes;
    QVector<ProductData> products;
    QVector<ProductData> productGroups;
    QVector<TrendGroupData> trendGroups;
    QVector<TextureData> textures;

    // Replaces the values of a setting, or appends it.
    void setSetting(const QString &settingName, const QStringList &values);
    void setSetting(const QString &settingName, const QString &value)
    {
        setSetting(settingName, QStringList {value});
    }
    void setText(const QString &key, const QString &text);
    void setThemeItem(const QString &key, const QByteArray &data);
};

} // namespace Corvane::Builder
