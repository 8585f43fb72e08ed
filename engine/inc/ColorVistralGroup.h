#pragma once

#include "AbstractBase.h"
#include "ColorVistralEntry.h"

#include <QList>
#include <QString>

namespace Corvane::DB {

// A trend-colour group: a row of VISTRAL_GROUP with its entries sorted by order.
class ColorVistralGroup : public AbstractBase
{
public:
    explicit ColorVistralGroup(const QSqlRecord &record);

    bool isValid() const override;

    QString name;
    bool defaultOpen = false;
    int order = 0;
    QList<ColorVistralEntry> entries;
};

} // namespace Corvane::DB
