#pragma once

#include "WidgetDeck.h"

#include <QObject>

#include <memory>

class TabPagesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void schemerLayout();
    void chipLines_data();
    void chipLines();
    void colorToColor_data();
    void colorToColor();
    void neutralSubKind_data();
    void neutralSubKind();
    void schemerShortcutNumbers();
    void schemeOfNearestColor();
    void shortcutUsesShownCollection();
    void trendGroupFlow();
    void trendOpenStateSurvivesReload();
    void textureTint_data();
    void textureTint();
    void textureTiles();
    void texturesFollowCardChange();
    void products_data();
    void products();
    void productKeys_data();
    void productKeys();
    void duvalinProposals_data();
    void duvalinProposals();
    void duvalinToolTips_data();
    void duvalinToolTips();
    void showTabPage_data();
    void showTabPage();

private:
    qint64 rowId(const QUuid &collection, int pageIndex, int rowIndex) const;
    void addSetting(qint64 collectionId, const QString &name, const QVariant &value,
                    int index = 0) const;
    void addTexture(qint64 pageId, const QString &name) const;
    void addSchemeRow(qint64 collectionId, qint64 rowId, int scheme, qint64 schemeRowId,
                      int pageOrder, int rowOrder) const;

    std::unique_ptr<Corvane::Test::WidgetDeck> m_deck;
};
