#pragma once

#include "core/ParamAddress.h"

#include <cstdint>
#include <vector>

namespace aec {

// One value at a processor address: what a preset carries, what an import changes.
struct DeviceValue
{
    ParamAddress address = 0;
    std::int32_t value = 0;

    friend bool operator==(const DeviceValue& a, const DeviceValue& b)
    {
        return a.address == b.address && a.value == b.value;
    }
};

using DeviceValues = std::vector<DeviceValue>;

} // namespace aec
