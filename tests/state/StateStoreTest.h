#pragma once

#include <QObject>

class StateStoreTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void userStoreLivesInConfigHome();
    void freshStoreDefaults();
    void storedValuesAreClamped_data();
    void storedValuesAreClamped();
    void writersStoreWhatReadersRead();
    void neutralSubKindWriterStoresOnlySubKinds();
    void paletteCellKeys();
    void lastUsedCollectionIsCached();
};
