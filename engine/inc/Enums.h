#pragma once

namespace Corvane {

// Values exchanged between widgets and stored as integers in settings and payloads.

enum Mood {
    MoodNone = 0,
    MoodFresh = 1,
    MoodWarm = 2,
    MoodCalm = 3,
    MoodRich = 4,
    MoodOffwhite = 5,
    MoodNeutral = 6,
    MoodAll = 7
};

enum SchemeKind {
    SchemeNone = 0,
    Harmonic = 1,
    Contrast = 2,
    WideContrast = 3,
    Dynamic = 4,
    Dramatic = 5,
    Neutral = 6,
    TonalNeutral = 7,
    ComplementaryNeutral = 8,
    NaturalNeutral = 9
};

enum TabBarPage {
    NoPage = 0,
    PageOfColorSchemes = 1,
    PageOfProducts = 2,
    PageOfColorVistral = 4,
    PageOfTextures = 8
};

enum Direction { DirectionForward = 0, DirectionBackward = 1 };

enum PaletteFileFormat { XmlPalette = 0, PlainText = 1 };

enum DragSource { CardRoller = 1, ColorSchemer = 2, MyPalette = 3, ColorVistral = 4 };

enum CardType { CardTypeUnrecognised = 0, CardTypeNormal = 1, CardTypeDuvalin = 2 };

} // namespace Corvane
