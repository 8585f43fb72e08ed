#include "ColorPage.h"

#include "RecordReader.h"

namespace Corvane::DB {

ColorPage::ColorPage()
{
    id = 0;
}

ColorPage::ColorPage(const QSqlRecord &record)
{
    AbstractBase::load(record);
    readInt(record, QStringLiteral("PAGE_INDEX"), pageIndex);
    readInt(record, QStringLiteral("SEGMENT"), segment);
    readNameColumns(record, names, extras);
    readFlag(record, QStringLiteral("EXTERIOR"), exterior);
    mood = readMood(record);
}

bool ColorPage::isValid() const
{
    return pageIndex > 0 && segment > 0;
}

QString ColorPage::name(int i) const
{
    return listElement(names, i);
}

void ColorPage::resetPage()
{
    pageIndex = -1;
    segment = -1;
    exterior = false;
    mood = 0;
    names.clear();
    extras.clear();
    rows.clear();
}

} // namespace Corvane::DB
