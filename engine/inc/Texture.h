#pragma once

#include "AbstractBase.h"

#include <QImage>
#include <QString>

namespace Corvane::DB {

// A row of the TEXTURE table with its decoded image.
class Texture : public AbstractBase
{
public:
    explicit Texture(const QSqlRecord &record);

    bool isValid() const override;
    QString name() const { return m_name; }

    qint64 collectionId = -1;
    double baseAlpha = 0.0;
    QImage image;

private:
    QString m_name;
};

} // namespace Corvane::DB
