#include "system/PresetPages.h"

#include "core/BlockLayout.h"
#include "core/ParameterNames.h"
#include "system/PresetFormat.h"

#include <map>

namespace aec {
namespace {

// Echo B lives behind the outputs in the processor but beside echo A on the window.
int PageRank(int block)
{
    return block == Block::EchoB ? 2 * Block::EchoA + 1 : 2 * block;
}

} // namespace

QString ParameterKey(ParamAddress address)
{
    const auto parameter = DescribeDeviceAddress(address);
    return parameter ? parameter->key : QString::number(address);
}

std::vector<PresetPage> GroupByPage(const DeviceValues& values)
{
    std::map<int, PresetPage> pages;
    for (const DeviceValue& v : PresetFormat::Canonical(values)) {
        const int block = BlockOf(v.address);
        PresetPage& page = pages[PageRank(block)];
        if (page.key.isEmpty()) {
            const BlockInstance instance = InstanceOf(block);
            page.key = instance.key;
            page.title = instance.caption;
        }
        page.values.push_back(v);
    }
    std::vector<PresetPage> ordered;
    ordered.reserve(pages.size());
    for (auto& [rank, page] : pages)
        ordered.push_back(std::move(page));
    return ordered;
}

} // namespace aec
