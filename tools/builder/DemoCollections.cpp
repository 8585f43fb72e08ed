#include "DemoCollections.h"

#include "CollectionWriter.h"
#include "ColorRules.h"
#include "ThemeImages.h"

#include <QDir>

namespace Corvane::Builder {

namespace {

const QString kMainFile = QStringLiteral("Tessary.db");
const QString kNordicFile = QStringLiteral("TessaryNordic.db");
const QString kCaptureFolder = QStringLiteral("Capsure");
const QUuid kSystemWideUuid = QUuid::fromString(u"{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}");
constexpr int kChipsPerCard = 7;
constexpr int kSchemeChipsPerLine = 5;

// Every text the picker asks for: key, English, Norwegian.
struct Text
{
    const char *key;
    const char *english;
    const char *norwegian;
};

const Text kTexts[] = {
    {"common.cancel.button", "Cancel", "Avbryt"},
    {"color.palette.caption", "Tessary colour picker", "Tessary fargevelger"},
    {"sketchup.selectcolor.button", "Select", "Velg"},
    {"color.palette.motto", "Colour for every room", "Farge til hvert rom"},
    {"color.palette.copyright", "© Veltra Marnik", "© Veltra Marnik"},
    {"motto",
     "<html><body style=\"font-family: sans-serif\"><h2>Colour for every room</h2><p>Browse the "
     "cards, compare schemes and gather your palette.</p></body></html>",
     "<html><body style=\"font-family: sans-serif\"><h2>Farge til hvert rom</h2><p>Bla i "
     "kortene, sammenlign fargeskjemaer og samle paletten din.</p></body></html>"},
    {"license.copyright",
     "<html><body style=\"font-family: sans-serif\"><h2>Tessary</h2><p>Demo colour data made by "
     "the Tessary project. Colours on screen may differ from the painted surface.</p></body>"
     "</html>",
     "<html><body style=\"font-family: sans-serif\"><h2>Tessary</h2><p>Demofarger laget av "
     "Tessary-prosjektet. Farger på skjermen kan avvike fra den malte flaten.</p></body></html>"},
    {"mypalette.palette.load", "Load palette…", "Åpne palett…"},
    {"mypalette.palette.save", "Save palette…", "Lagre palett…"},
    {"common.filedialog.palettefile.filtername", "Palette files (*.palette)",
     "Palettfiler (*.palette)"},
    {"common.filedialog.textfile.filtername", "Text files (*.txt)", "Tekstfiler (*.txt)"},
    {"mood.filter.all.moods", "All moods", "Alle stemninger"},
    {"mood.filter.exterior.colors", "Exterior colours", "Utefarger"},
    {"do.not.show.mto", "Hide made-to-order colours", "Skjul farger på bestilling"},
    {"tiptext.mood.fresh.button", "Fresh\nClear greens and blues", "Frisk\nKlare grønne og blå"},
    {"tiptext.mood.calm.button", "Calm\nQuiet, cool colours", "Rolig\nStille, kjølige farger"},
    {"tiptext.mood.warm.button", "Warm\nSun-baked reds and yellows", "Varm\nSolvarme røde og gule"},
    {"tiptext.mood.rich.button", "Rich\nDeep, saturated colours", "Fyldig\nDype, mettede farger"},
    {"tiptext.mood.offwhite.button", "Off-whites\nSoft, tinted whites",
     "Brukket hvitt\nMyke, tonede hvite"},
    {"tiptext.mood.neutral.button", "Neutrals\nGreys and stones", "Nøytrale\nGrå og stein"},
    {"color.palette.enter.search.text", "Colour name or code", "Fargenavn eller kode"},
    {"tab.bar.textures.caption", "Textures", "Strukturer"},
    {"tab.bar.color.vistral.caption", "Trend colours", "Trendfarger"},
    {"tab.bar.products.caption", "Products", "Produkter"},
    {"tab.bar.color.schemes.caption", "Colour schemes", "Fargeskjemaer"},
    {"mypalette.note.instructions", "Describe your palette here", "Beskriv paletten din her"},
    {"mypalette.clearpalettebutton.question", "Remove every colour from My Palette?",
     "Fjerne alle farger fra Min palett?"},
    {"common.confirmation.dialog.caption", "Please confirm", "Bekreft"},
    {"common.filedialog.palettefile.defaultfilename", "My palette", "Min palett"},
    {"common.filedialog.palettefile.opendialogcaption", "Open a palette", "Åpne en palett"},
    {"common.filedialog.palettefile.savedialogcaption", "Save the palette", "Lagre paletten"},
    {"harmonizer.palette.scheme.harmonic", "Harmonic", "Harmonisk"},
    {"harmonizer.palette.scheme.contrast", "Contrast", "Kontrast"},
    {"harmonizer.palette.scheme.wide.contrast", "Wide contrast", "Bred kontrast"},
    {"harmonizer.palette.scheme.dynamic", "Dynamic", "Dynamisk"},
    {"harmonizer.palette.scheme.dramatic", "Dramatic", "Dramatisk"},
    {"harmonizer.palette.scheme.tonal.neutral", "Tonal neutral", "Tonal nøytral"},
    {"harmonizer.palette.scheme.complementary.neutral", "Complementary neutral",
     "Komplementær nøytral"},
    {"harmonizer.palette.scheme.natural.neutral", "Natural neutral", "Naturlig nøytral"},
    {"tiptext.harmonizer.palette.scheme.harmonic", "Harmonic\nNeighbours on the colour wheel",
     "Harmonisk\nNaboer på fargesirkelen"},
    {"tiptext.harmonizer.palette.scheme.contrast", "Contrast\nThe opposite side of the wheel",
     "Kontrast\nMotsatt side av sirkelen"},
    {"tiptext.harmonizer.palette.scheme.wide.contrast",
     "Wide contrast\nBoth neighbours of the opposite colour",
     "Bred kontrast\nBegge naboene til motfargen"},
    {"tiptext.harmonizer.palette.scheme.dynamic", "Dynamic\nThree vivid colours a third apart",
     "Dynamisk\nTre klare farger med en tredjedels avstand"},
    {"tiptext.harmonizer.palette.scheme.dramatic", "Dramatic\nStrong accents for a neutral",
     "Dramatisk\nSterke aksenter til en nøytral"},
    {"tiptext.harmonizer.palette.scheme.tonal.neutral", "Tonal neutral\nNeutrals of the same hue",
     "Tonal nøytral\nNøytrale i samme fargetone"},
    {"tiptext.harmonizer.palette.scheme.complementary.neutral",
     "Complementary neutral\nNeutrals of the opposite hue\nClick again for tonal neutrals",
     "Komplementær nøytral\nNøytrale i motsatt fargetone\nKlikk igjen for tonale nøytrale"},
    {"tiptext.harmonizer.palette.scheme.natural.neutral", "Natural neutral\nEarth and stone",
     "Naturlig nøytral\nJord og stein"},
    {"harmonizer.drag.drop.message", "Drag a colour into My Palette",
     "Dra en farge inn i Min palett"},
    {"textures.select.message", "Choose a texture to see the colour on it",
     "Velg en struktur for å se fargen på den"},
    {"colormatcher.dialog.caption", "Nearest colours", "Nærmeste farger"},
    {"capsure.dialog.todo", "Choose the colour you measured", "Velg fargen du målte"},
    {"capsure.dialog.caption", "Measured colour", "Målt farge"},
    {"aboutbox.caption", "About Tessary", "Om Tessary"},
    {"aboutbox.main", "Tessary colour picker", "Tessary fargevelger"},
    {"aboutbox.copyright", "© Veltra Marnik. Demo colours made by the Tessary project.",
     "© Veltra Marnik. Demofarger laget av Tessary-prosjektet."},
    {"aboutbox.version", "Version 0.1", "Versjon 0.1"},
    {"aboutbox.qt.license.button", "Qt licence", "Qt-lisens"},
    {"aboutbox.close.button", "Close", "Lukk"},
};

void addTexts(CollectionData &collection, bool norwegian)
{
    collection.language = norwegian ? QStringLiteral("nb") : QStringLiteral("en");
    for (const Text &text : kTexts)
        collection.setText(QLatin1String(text.key),
                           QString::fromUtf8(norwegian ? text.norwegian : text.english));
}

CollectionData systemWideCollection()
{
    CollectionData system;
    system.id = 0;
    system.uuid = kSystemWideUuid;
    system.systemId = QStringLiteral("VIRTUAL");
    system.name = QStringLiteral("SystemWide Collection");
    system.theme = systemThemeImages();
    system.setThemeItem(QStringLiteral("color.widget.collectionselector.text"), "236,240,244");
    system.setThemeItem(QStringLiteral("list.of.preferred.font.faces"),
                        "Liberation Sans,8;DejaVu Sans,8");
    system.setSetting(QStringLiteral("has.textures.page"), QStringLiteral("1"));
    system.setSetting(QStringLiteral("texture.size"), QStringLiteral("148,96"));
    addTexts(system, false);
    return system;
}

// Settings every selectable demo collection shares.
void addCommonSettings(CollectionData &c, const QString &cardType, int capturePriority)
{
    c.setSetting(QStringLiteral("collection.enabled"), QStringLiteral("1"));
    c.setSetting(QStringLiteral("card.type"), cardType);
    c.setSetting(QStringLiteral("num.of.segments"), QStringLiteral("12"));
    c.setSetting(QStringLiteral("first.segment.angle"), QStringLiteral("90"));
    c.setSetting(QStringLiteral("segment.increment.orientation"), QStringLiteral("CW"));
    c.setSetting(QStringLiteral("mode.mood"), QStringLiteral("MoodModeNormal"));
    c.setSetting(QStringLiteral("has.exterior.filter"), QStringLiteral("1"));
    c.setSetting(QStringLiteral("mood.visible"), QStringLiteral("1"));
    c.setSetting(QStringLiteral("has.color.schemes.page"), QStringLiteral("1"));
    c.setSetting(QStringLiteral("color.tooltip.show.collection.name"), QStringLiteral("1"));
    c.setSetting(QStringLiteral("color.tooltip.show.page.name"), QStringLiteral("1"));
    c.setSetting(QStringLiteral("color.tooltip.show.row.name"), QStringLiteral("1"));
    c.setSetting(QStringLiteral("color.tooltip.show.row.code"), QStringLiteral("1"));
    c.setSetting(QStringLiteral("color.tooltip.show.row.auxiliary.info"), QStringLiteral("1"));
    c.setSetting(QStringLiteral("color.tooltip.show.page.index"), QStringLiteral("0"));
    c.setSetting(QStringLiteral("color.tooltip.show.row.row.index"), QStringLiteral("0"));
    c.setSetting(QStringLiteral("page.name.search.order"), {"0", "1"});
    c.setSetting(QStringLiteral("page.name.display.order"), {"0", "1"});
    c.setSetting(QStringLiteral("row.name.search.order"), {"0", "1"});
    c.setSetting(QStringLiteral("row.name.display.order"), {"0", "1"});
    c.setSetting(QStringLiteral("row.extra.display.order"), {"0", "1"});
    c.setSetting(QStringLiteral("export.color.name.append.product.code"), QStringLiteral("1"));
    c.setSetting(QStringLiteral("save.palette.text.format"), QStringLiteral("0"));
    c.setSetting(QStringLiteral("cie2000.delta.intervals"), QStringLiteral("1.0,2.5,5.0"));
    c.setSetting(QStringLiteral("capsure.enabled"), QStringLiteral("1"));
    c.setSetting(QStringLiteral("capsure.priority"), QString::number(capturePriority));
    // "%PROGRAMDATA%" is the common data folder above "Veltra Marnik/Tessary/SQLite".
    c.setSetting(QStringLiteral("capsure.folder.to.watch.windows"),
                 QStringLiteral("%PROGRAMDATA%/Veltra Marnik/Tessary/SQLite/") + kCaptureFolder);
    c.setSetting(QStringLiteral("capsure.filename.to.watch"), QStringLiteral("capsure.cxf"));
    c.setSetting(QStringLiteral("header.link"), QStringLiteral("https://example.org/tessary"));
    c.setSetting(QStringLiteral("help.link"),
                 QStringLiteral("file:///%APP%/Contents/Resources/help/main.html"));
    c.setSetting(QStringLiteral("widget.color.vistral.chip.width"), QStringLiteral("64"));
    c.setSetting(QStringLiteral("widget.color.vistral.chip.height"), QStringLiteral("48"));
    c.setSetting(QStringLiteral("texture.size"), QStringLiteral("148,96"));
    c.setSetting(QStringLiteral("product.group.productname.productcode.separator:string"),
                 QStringLiteral(": "));
}

// Products by use: interior ones for every chip, exterior ones for exterior cards, gloss for
// the mid and deep shades; groups likewise.
void addProducts(CollectionData &c, bool norwegian)
{
    const auto label = [norwegian](const char *english, const char *other) {
        return QString::fromUtf8(norwegian ? other : english);
    };
    ProductData matt {label("Silk Matt Emulsion", "Silkematt veggmaling"), "SME-10", {}};
    ProductData eggshell {
        label("Kitchen & Bath Eggshell", "Kjøkken og bad halvmatt"), "KBE-25", {}};
    ProductData masonry {label("Weatherproof Masonry", "Værbestandig murmaling"), "WPM-40", {}};
    ProductData gloss {label("Wood & Metal Gloss", "Tre og metall blank"), "WMG-80", {}};
    ProductData walls {label("Interior walls", "Innevegger"), QString(), {}};
    ProductData outside {label("Exterior", "Utendørs"), QString(), {}};
    ProductData trim {label("Wood and metal", "Tre og metall"), QString(), {}};
    for (int i = 0; i < c.chips.size(); ++i) {
        const ChipData &chip = c.chips.at(i);
        matt.chips.append(i);
        walls.chips.append(i);
        if (chip.position % 2 == 1)
            eggshell.chips.append(i);
        if (chip.exterior) {
            masonry.chips.append(i);
            outside.chips.append(i);
        }
        if (chip.position >= 4) {
            gloss.chips.append(i);
            trim.chips.append(i);
        }
    }
    c.products = {matt, eggshell, masonry, gloss};
    c.productGroups = {walls, outside, trim};
}

// Trend groups: each takes chips of a few segments at a chosen depth.
void addTrendGroups(CollectionData &c)
{
    struct Trend
    {
        const char *name;
        int segments[3];
        int position;
    };
    const Trend trends[] = {{"Quiet Earth 2027", {1, 2, 3}, 4},
                            {"Coastal Light", {7, 8, 9}, 2},
                            {"Urban Botanics", {5, 6, 7}, 5},
                            {"Heritage Jewels", {10, 11, 12}, 6}};
    for (int t = 0; t < 4; ++t) {
        TrendGroupData group;
        group.name = QLatin1String(trends[t].name);
        group.defaultOpen = t == 0;
        for (int i = 0; i < c.chips.size() && group.entries.size() < 8; ++i) {
            const ChipData &chip = c.chips.at(i);
            const bool segmentMatches = std::find(std::begin(trends[t].segments),
                                                  std::end(trends[t].segments), chip.segment)
                != std::end(trends[t].segments);
            // Every fourth card of a segment, to spread the group over the segment's range.
            if (segmentMatches && chip.position == trends[t].position && chip.card % 4 == t % 4)
                group.entries.append(
                    {i, chip.names.value(0), chip.code, QColor(chip.red, chip.green, chip.blue)});
        }
        c.trendGroups.append(group);
    }
}

void addTextures(CollectionData &c, int language)
{
    for (int kind = 0; kind < textureKinds(); ++kind) {
        TextureData texture;
        texture.name = textureName(kind, language);
        texture.image = pngData(textureImage(kind, QSize(148, 96)));
        texture.baseAlpha = 0.8;
        for (const CardData &card : c.cards) {
            // Exterior surfaces only on exterior cards; plaster and linen everywhere.
            const bool outdoor = kind == 3 || kind == 5;
            if (!outdoor || card.exterior)
                texture.cards.append({card.pageIndex, kind < 2 ? 1.0 : 0.85});
        }
        c.textures.append(texture);
    }
}

CollectionData classicCollection()
{
    CollectionData c;
    c.id = 1;
    c.uuid = QUuid::fromString(u"{6A1C3E52-8D0B-4F6E-9A47-1C2D3E4F5A61}");
    c.systemId = QStringLiteral("CLASSIC");
    c.name = QStringLiteral("Tessary Classic");
    c.order = 1;
    DeckShape shape;
    shape.codePrefix = QStringLiteral("TC");
    shape.cardsPerSegment = 15;
    shape.chipCount = 12 * shape.cardsPerSegment * kChipsPerCard; // 1260 chips
    shape.vocabulary = englishGermanVocabulary();
    generateDeck(shape, c);
    addWheelSchemes(c, kSchemeChipsPerLine);
    addCommonSettings(c, QStringLiteral("normal"), 1);
    c.setSetting(QStringLiteral("mode.card"), QStringLiteral("ModeColorToColor"));
    c.setSetting(QStringLiteral("max.chips.on.a.page"), QString::number(kSchemeChipsPerLine));
    c.setSetting(QStringLiteral("schemes"),
                 {"harmonic", "contrast", "wide contrast", "dynamic", "dramatic", "neutral"});
    c.setSetting(QStringLiteral("has.product.groups.page"), QStringLiteral("1"));
    c.setSetting(QStringLiteral("has.textures.page"), QStringLiteral("1"));
    c.setSetting(QStringLiteral("has.color.vistral.page"), QStringLiteral("1"));
    c.setSetting(QStringLiteral("tab.bar.page"),
                 {"PageOfColorSchemes", "PageOfColorVistral", "PageOfTextures", "PageOfProducts"});
    c.setSetting(QStringLiteral("product.groups.mode"), QStringLiteral("GroupsWithProductTooltip"));
    addTexts(c, false);
    c.theme = collectionThemeImages(c.name, QStringLiteral("1260 colours on 180 cards"),
                                    QColor(196, 120, 72), QStringLiteral("MTO"));
    addProducts(c, false);
    addTrendGroups(c);
    addTextures(c, 0);
    return c;
}

CollectionData duvalinCollection()
{
    CollectionData c;
    c.id = 2;
    c.uuid = QUuid::fromString(u"{3F8B2D14-5C6A-4B7E-8D90-2E3F4A5B6C72}");
    c.systemId = QStringLiteral("DUVALIN");
    c.name = QStringLiteral("Tessary Duvalin");
    c.order = 2;
    DeckShape shape;
    shape.codePrefix = QStringLiteral("DV");
    shape.cardsPerSegment = 8;
    shape.chipCount = 12 * shape.cardsPerSegment * kChipsPerCard;
    shape.deepVividMadeToOrder = true;
    shape.exteriorEvery = 2;
    shape.vocabulary = englishGermanVocabulary();
    generateDeck(shape, c);
    addContrastSchemes(c);
    addCommonSettings(c, QStringLiteral("duvalin"), 2);
    c.setSetting(QStringLiteral("has.product.groups.page"), QStringLiteral("1"));
    c.setSetting(QStringLiteral("has.textures.page"), QStringLiteral("0"));
    c.setSetting(QStringLiteral("has.color.vistral.page"), QStringLiteral("0"));
    c.setSetting(QStringLiteral("tab.bar.page"), {"PageOfColorSchemes", "PageOfProducts"});
    c.setSetting(QStringLiteral("product.groups.mode"), QStringLiteral("Products"));
    addTexts(c, false);
    c.theme = collectionThemeImages(c.name, QStringLiteral("Contrast cards, mixed to order"),
                                    QColor(72, 132, 196), QStringLiteral("MTO"));
    addProducts(c, false);
    return c;
}

CollectionData nordicCollection()
{
    CollectionData c;
    c.id = 1;
    c.uuid = QUuid::fromString(u"{9D4E6F70-1A2B-4C3D-8E5F-607182930A4B}");
    c.systemId = QStringLiteral("NORDLYS");
    c.name = QStringLiteral("Nordlys");
    c.order = 3;
    DeckShape shape;
    shape.codePrefix = QStringLiteral("NL");
    shape.cardsPerSegment = 5;
    shape.chipCount = 12 * shape.cardsPerSegment * kChipsPerCard;
    shape.vocabulary = norwegianEnglishVocabulary();
    generateDeck(shape, c);
    addWheelSchemes(c, kSchemeChipsPerLine);
    addCommonSettings(c, QStringLiteral("normal"), 3);
    c.setSetting(QStringLiteral("mode.card"), QStringLiteral("ModeCardToCard"));
    c.setSetting(QStringLiteral("max.chips.on.a.page"), QString::number(kChipsPerCard));
    c.setSetting(QStringLiteral("schemes"), {"harmonic", "contrast", "wide contrast", "neutral"});
    c.setSetting(QStringLiteral("has.product.groups.page"), QStringLiteral("1"));
    c.setSetting(QStringLiteral("has.textures.page"), QStringLiteral("0"));
    c.setSetting(QStringLiteral("has.color.vistral.page"), QStringLiteral("0"));
    c.setSetting(QStringLiteral("tab.bar.page"), {"PageOfColorSchemes", "PageOfProducts"});
    c.setSetting(QStringLiteral("product.groups.mode"), QStringLiteral("Products"));
    addTexts(c, true);
    c.theme = collectionThemeImages(c.name, QStringLiteral("Farger fra nordisk lys og landskap"),
                                    QColor(96, 168, 150), QStringLiteral("BEST."));
    addProducts(c, true);
    return c;
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

} // namespace

QStringList demoFileNames()
{
    return {kMainFile, kNordicFile};
}

QString demoCaptureFolderName()
{
    return kCaptureFolder;
}

bool buildDemoFolder(const QString &folder, QString *error)
{
    const QDir root(folder);
    const QString resources = root.filePath(QStringLiteral("Contents/Resources"));
    if (!QDir().mkpath(resources) || !QDir().mkpath(root.filePath(kCaptureFolder))) {
        setError(error, QStringLiteral("%1: cannot create the folder").arg(resources));
        return false;
    }
    const QDir files(resources);
    return writeCollectionFile(files.filePath(kMainFile),
                               {systemWideCollection(), classicCollection(), duvalinCollection()},
                               error)
        && writeCollectionFile(files.filePath(kNordicFile), {nordicCollection()}, error);
}

bool buildSyntheticCollection(const QString &path, int chipCount, QString *error)
{
    if (chipCount <= 0) {
        setError(error, QStringLiteral("the number of chips must be above 0"));
        return false;
    }
    CollectionData c;
    c.id = 1;
    c.uuid = QUuid::fromString(u"{5E7A9C1B-2D3F-4A5B-9C6D-7E8F9A0B1C2D}");
    c.systemId = QStringLiteral("SYNTHETIC");
    c.name = QStringLiteral("Synthetic %1").arg(chipCount);
    DeckShape shape;
    shape.codePrefix = QStringLiteral("SY");
    shape.chipCount = chipCount;
    // Enough cards per segment for the chips, with the two neutral cards at the end.
    shape.cardsPerSegment
        = std::max(3, (chipCount + 12 * kChipsPerCard - 1) / (12 * kChipsPerCard));
    shape.vocabulary = englishGermanVocabulary();
    generateDeck(shape, c);
    addCommonSettings(c, QStringLiteral("normal"), 1);
    addTexts(c, false);
    return writeCollectionFile(path, {c}, error);
}

} // namespace Corvane::Builder
