#include "CollectionData.h"

namespace Corvane::Builder {

namespace {

// Replaces the value of the first item whose key equals `key` without regard to case (the
// file looks keys up that way), or appends a new item.
template<typename Item, typename Value>
void replaceOrAppend(QList<Item> &items, const QString &key, QString Item::*keyMember,
                     Value Item::*valueMember, const Value &value)
{
    for (Item &item : items) {
        if (item.*keyMember == key || (item.*keyMember).compare(key, Qt::CaseInsensitive) == 0) {
            item.*valueMember = value;
            return;
        }
    }
    Item item;
    item.*keyMember = key;
    item.*valueMember = value;
    items.append(item);
}

} // namespace

void CollectionData::setSetting(const QString &settingName, const QStringList &values)
{
    replaceOrAppend(settings, settingName, &SettingData::name, &SettingData::values, values);
}

void CollectionData::setText(const QString &key, const QString &value)
{
    replaceOrAppend(texts, key, &LocaleTextData::key, &LocaleTextData::text, value);
}

void CollectionData::setThemeItem(const QString &key, const QByteArray &data)
{
    replaceOrAppend(theme, key, &ThemeItemData::key, &ThemeItemData::data, data);
}

} // namespace Corvane::Builder
