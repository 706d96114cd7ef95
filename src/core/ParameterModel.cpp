#include "core/ParameterModel.h"

#include "core/Addressing.h"

#include <QtGlobal>

namespace aec {
namespace {

// The view blocks whose rows the controls read; rows 9 and 15 are filled separately.
constexpr std::array<int, 12> ViewBlocks = {0, 1, 2, 4, 5, 6, 25, 26, 27, 28, 29, 30};

} // namespace

ParamAddress ParameterModel::ViewToDeviceAddress(ParamAddress viewAddress) const
{
    return aec::ViewToDeviceAddress(viewAddress, selection);
}

void ParameterModel::set(ParamAddress viewAddress, std::int32_t value, Origin origin,
                         const QObject* by, bool paced)
{
    // Controls only carry addresses inside the table; anything else is a programming error.
    Q_ASSERT(ValueTable::Contains(viewAddress));
    const ParamAddress device = ViewToDeviceAddress(viewAddress);
    if (!ValueTable::Contains(viewAddress) || !ValueTable::Contains(device))
        return;
    const std::int32_t previous = store.at(device);
    view.at(viewAddress) = value;
    store.at(device) = value;
    announce(viewAddress, device, value, previous, origin, by, paced);
}

void ParameterModel::setDevice(ParamAddress deviceAddress, std::int32_t value, Origin origin,
                               const QObject* by, bool paced)
{
    if (!ValueTable::Contains(deviceAddress))
        return;
    const std::int32_t previous = store.at(deviceAddress);
    store.at(deviceAddress) = value;
    const int shown = viewAddressOf(deviceAddress);
    if (shown >= 0)
        view.at(static_cast<ParamAddress>(shown)) = value;
    announce(shown, deviceAddress, value, previous, origin, by, paced);
}

void ParameterModel::announce(int shownAt, ParamAddress device, std::int32_t value,
                              std::int32_t previous, Origin origin, const QObject* by, bool paced)
{
    ParamChange change;
    change.shown = shownAt >= 0;
    change.view = change.shown ? static_cast<ParamAddress>(shownAt) : 0;
    change.device = device;
    change.value = value;
    change.previous = previous;
    change.origin = origin;
    change.by = by;
    change.paced = paced;
    emit changed(change);
}

void ParameterModel::endBatch()
{
    Q_ASSERT(m_batchDepth > 0);
    if (m_batchDepth > 0 && --m_batchDepth == 0)
        emit batchEnded();
}

void ParameterModel::fillViewBlock(const ParamStore& from, int viewBlock, ViewValues& into) const
{
    for (int slot = 0; slot < SlotCount[viewBlock]; ++slot) {
        const int deviceBlock = BlockOf(ResolveBlock(MakeAddress(viewBlock, slot), selection));
        into.at(viewBlock, slot) = from.at(deviceBlock, BankSlot(viewBlock, slot, selection));
    }
}

void ParameterModel::RebuildViewValues()
{
    m_shownAt.fill(-1);
    const auto show = [this](int viewBlock, int slot, int deviceBlock, int deviceSlot) {
        view.at(viewBlock, slot) = store.at(deviceBlock, deviceSlot);
        auto& shown = m_shownAt[static_cast<std::size_t>(MakeAddress(deviceBlock, deviceSlot))];
        if (shown < 0)
            shown = static_cast<std::int16_t>(MakeAddress(viewBlock, slot));
    };
    for (const int block : ViewBlocks) {
        for (int slot = 0; slot < SlotCount[block]; ++slot) {
            const int deviceBlock = BlockOf(ResolveBlock(MakeAddress(block, slot), selection));
            show(block, slot, deviceBlock, BankSlot(block, slot, selection));
        }
    }
    // The right-side delay and mute always show the right-side block of the current scene.
    const int mode = selection.OutputMode;
    for (const int rightBlock : {9, 15}) {
        show(rightBlock, 10, rightBlock + mode, 10);
        show(rightBlock, 11, rightBlock + mode, 11);
    }
}

int ParameterModel::viewAddressOf(ParamAddress deviceAddress) const
{
    if (deviceAddress >= m_shownAt.size())
        return -1;
    return m_shownAt[deviceAddress];
}

} // namespace aec
