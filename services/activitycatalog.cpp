#include "services/activitycatalog.h"

#include <algorithm>
#include <array>

namespace abacolo {

std::span<const ActivityEntry> activityCatalog()
{
    static constexpr std::array<ActivityEntry, 18> catalog{{
        {u"counting", u"数一数"},
        {u"addition", u"加法训练"},
        {u"subtraction", u"减法练习"},
        {u"sheet", u"算一算"},
        {u"ordering", u"排一排"},
        {u"colouring", u"颜色配对"},
        {u"shapes", u"物体几何形状"},
        {u"finding_errors", u"找错误"},
        {u"multiples", u"倍数的认识"},
        {u"comparing", u"比较数字"},
        {u"clock", u"认识时间"},
        {u"memory", u"智力游戏"},
        {u"bar_graphs", u"统计图"},
        {u"paths", u"判断路径"},
        {u"directions", u"魔法数字"},
        {u"balance", u"等量建立"},
        {u"half", u"一半"},
        {u"times_tables", u"乘法口诀"},
    }};
    return catalog;
}

int activityRank(const QString &key)
{
    const std::span<const ActivityEntry> catalog = activityCatalog();
    const auto it = std::find_if(catalog.begin(), catalog.end(),
                                 [&](const ActivityEntry &entry) { return entry.key == key; });
    return int(it - catalog.begin());
}

QString activityName(const QString &key)
{
    const std::span<const ActivityEntry> catalog = activityCatalog();
    const int rank = activityRank(key);
    return rank < int(catalog.size()) ? catalog[size_t(rank)].name.toString() : key;
}

} // namespace abacolo
