#pragma once

#include <QObject>

class VistralQueriesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void vistralGroups_data();
    void vistralGroups();
    void products_data();
    void products();
    void textures_data();
    void textures();
    void textureMap();
};
