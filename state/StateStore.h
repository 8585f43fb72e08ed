#pragma once

#include "Enums.h"
#include "ItemIndex.h"

#include <QPoint>
#include <QString>
#include <QUuid>
#include <QVariant>

#include <memory>

class QSettings;

namespace Corvane {

// The per-user values that persist between runs: one reader and one writer per key over an
// INI settings file. Every access opens the file afresh, so each read sees the latest write,
// also one made by another process; only the last-used collection is cached.
//
// A default-constructed store is the user's settings file (organisation "Veltra Marnik",
// application "Tessary.SketchUp"); a store built on a file path works on that file instead,
// which lets the command line and tests run a palette without touching the user's values.
// The cache of the last-used collection is process-wide, one per settings file.
class StateStore
{
public:
    StateStore();
    explicit StateStore(const QString &iniFilePath);

    // The INI file behind this store.
    QString fileName() const;

    // Keys without a group.
    QUuid uuidOfLastUsedCollection() const;
    void setUuidOfLastUsedCollection(const QUuid &collection) const;
    qint64 hostApplicationPID() const;
    void setHostApplicationPID(qint64 pid) const;

    // Navigation state, one group per collection.
    int segmentIndex(const QUuid &collection) const;
    void setSegmentIndex(const QUuid &collection, int segment) const;
    Mood moodFilter(const QUuid &collection) const;
    void setMoodFilter(const QUuid &collection, int mood) const;
    bool exteriorColors(const QUuid &collection) const;
    void setExteriorColors(const QUuid &collection, bool exterior) const;
    bool showMto(const QUuid &collection) const;
    void setShowMto(const QUuid &collection, bool show) const;
    int pageIndex(const QUuid &collection) const;
    void setPageIndex(const QUuid &collection, int page) const;
    int rowIndex(const QUuid &collection) const;
    void setRowIndex(const QUuid &collection, int row) const;
    TabBarPage tabPageIndex(const QUuid &collection) const;
    void setTabPageIndex(const QUuid &collection, int page) const;
    SchemeKind schemeKind(const QUuid &collection) const;
    void setSchemeKind(const QUuid &collection, int kind) const;
    SchemeKind schemeNeutralSubKind(const QUuid &collection) const;
    void setSchemeNeutralSubKind(const QUuid &collection, int kind) const;
    bool colorVistralGroupOpenState(const QUuid &collection, qint64 groupId,
                                    bool defaultValue) const;
    void setColorVistralGroupOpenState(const QUuid &collection, qint64 groupId, bool open) const;

    // My Palette, one set for all collections. A cell is given as (x = column, y = row).
    DB::ItemIndex myPaletteEntry(const QPoint &cell) const;
    // Writes the index when its row id is positive, otherwise removes the cell's key.
    void setMyPaletteEntry(const QPoint &cell, const DB::ItemIndex &item) const;
    bool myPaletteSelected(const QPoint &cell) const;
    // Removes the cell's key and writes true only for a selected cell.
    void setMyPaletteSelected(const QPoint &cell, bool selected) const;
    bool myPaletteGridVisible() const;
    void setMyPaletteGridVisible(bool visible) const;
    QPoint myPaletteZoomed() const;
    PaletteFileFormat myPaletteSaveFileFormat() const;
    void setMyPaletteSaveFileFormat(int format) const;
    QString myPaletteLastSavePath() const;
    void setMyPaletteLastSavePath(const QString &path) const;
    void setMyPaletteDescription(const QString &description) const;
    int myPaletteFullBackgroundColor() const;
    void setMyPaletteFullBackgroundColor(int gray) const;

private:
    std::unique_ptr<QSettings> open() const;
    QVariant collectionValue(const QUuid &collection, const QString &key) const;
    void setCollectionValue(const QUuid &collection, const QString &key,
                            const QVariant &value) const;
    QVariant paletteValue(const QString &key) const;
    void setPaletteValue(const QString &key, const QVariant &value) const;
    void removePaletteValue(const QString &key) const;

    QString m_iniFilePath; // empty for the user's settings file
};

} // namespace Corvane
