#pragma once

#include "AbstractBase.h"

#include <QColor>
#include <QString>

namespace Corvane::DB {

// A trend colour: a row of VISTRAL_ENTRY.
class ColorVistralEntry : public AbstractBase
{
public:
    ColorVistralEntry();
    explicit ColorVistralEntry(const QSqlRecord &record);

    bool isValid() const override;

    qint64 rowId = -1;
    QString name1;
    QString name2;
    QColor color;
    int order = 0;
};

} // namespace Corvane::DB
