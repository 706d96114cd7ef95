#include "system/PresetDiff.h"

#include "core/ParameterNames.h"
#include "system/PresetPages.h"

#include <map>

namespace aec {

std::vector<PresetDifference> ComparePresets(const DeviceValues& before, const DeviceValues& after)
{
    std::map<ParamAddress, PresetDifference> all;
    for (const DeviceValue& v : before)
        all[v.address] = {v.address, v.value, std::nullopt};
    for (const DeviceValue& v : after) {
        PresetDifference& d = all[v.address];
        d.address = v.address;
        d.after = v.value;
    }
    std::vector<PresetDifference> differences;
    for (const auto& [address, d] : all)
        if (d.before != d.after)
            differences.push_back(d);
    return differences;
}

QString DifferenceLine(const PresetDifference& d)
{
    const auto text = [&](const std::optional<std::int32_t>& value) {
        return value ? DeviceValueText(d.address, *value) : QStringLiteral("(not set)");
    };
    QString before = text(d.before);
    QString after = text(d.after);
    // Values beyond a parameter's range read as its end: the raw numbers tell them apart.
    if (before == after) {
        before += QStringLiteral(" (%1)").arg(*d.before);
        after += QStringLiteral(" (%1)").arg(*d.after);
    }
    return ParameterKey(d.address) + QStringLiteral(": ") + before + QStringLiteral(" -> ") + after;
}

} // namespace aec
