#pragma once

#include "AbstractBase.h"

#include <QColor>
#include <QString>
#include <QStringList>

namespace Corvane::DB {

// One colour chip: a row of the "ROW" table.
class ColorEntry : public AbstractBase
{
public:
    ColorEntry();
    explicit ColorEntry(const QSqlRecord &record);

    bool isValid() const override;
    void clear() override;
    int load(const QSqlRecord &record) override;

    QColor color() const;
    QString code() const { return m_code; }
    void setCode(const QString &code) { m_code = code; }
    QString name(int i) const;
    QString extra(int i) const;

    qint64 collectionId = -1;
    qint64 pageId = -1;
    int rowIndex = -1;
    int pageOrder = -1;
    int segment = -1;
    int red = -1;
    int green = -1;
    int blue = -1;
    double l = 0.0;
    double a = 0.0;
    double b = 0.0;
    bool isMto = false;
    bool neutral = false;
    bool white = false;
    int mood = 0;
    int schemePos = -1;
    int nschemePos = -1;
    QStringList names;
    QStringList extras;

private:
    QString m_code;
};

// Orders a card's chips by their position on the card.
bool rowIndexLess(const ColorEntry &left, const ColorEntry &right);

} // namespace Corvane::DB
