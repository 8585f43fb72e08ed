#pragma once

#include <QObject>

// The state store over a settings file that is corrupt, unreadable or cannot be written: the
// readers give their defaults, the writers fail quietly and nothing crashes.
class BrokenSettingsFileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void corruptFile_data();
    void corruptFile();
    void unreadableFile();
    void unwritableFolder();
};
