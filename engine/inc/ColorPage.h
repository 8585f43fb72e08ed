#pragma once

#include "AbstractBase.h"
#include "ColorEntry.h"

#include <QStringList>
#include <vector>

namespace Corvane::DB {

// One card of a collection with its chips, sorted by position on the card.
class ColorPage : public AbstractBase
{
public:
    ColorPage();
    explicit ColorPage(const QSqlRecord &record);

    bool isValid() const override;

    QString name(int i) const;
    void resetPage();

    int pageIndex = -1;
    int segment = -1;
    bool exterior = false;
    int mood = 0;
    QStringList names;
    QStringList extras;
    std::vector<ColorEntry> rows;
};

} // namespace Corvane::DB
