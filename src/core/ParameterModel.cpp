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

void ParameterModel::SetParameter(ParamAddress viewAddress, std::int32_t value)
{
    // Controls only carry addresses inside the table; anything else is a programming error.
    Q_ASSERT(ParameterTable::Contains(viewAddress));
    const ParamAddress device = ViewToDeviceAddress(viewAddress);
    if (!ParameterTable::Contains(viewAddress) || !ParameterTable::Contains(device))
        return;
    view.at(viewAddress) = value;
    store.at(device) = value;
    if (m_sender)
        m_sender->SendOrQueue(device, value);
}

void ParameterModel::SetDeviceParameter(ParamAddress address, std::int32_t value)
{
    if (!ParameterTable::Contains(address))
        return;
    view.at(address) = value;
    store.at(address) = value;
    if (m_sender)
        m_sender->SendOrQueue(address, value);
}

void ParameterModel::RebuildViewValues()
{
    for (const int block : ViewBlocks) {
        for (int slot = 0; slot < SlotCount[block]; ++slot) {
            const int deviceBlock = BlockOf(ResolveBlock(MakeAddress(block, slot), selection));
            view.at(block, slot) = store.at(deviceBlock, BankSlot(block, slot, selection));
        }
    }
    // The right-side delay and mute always show the right-side block of the current scene.
    const int mode = selection.OutputMode;
    for (const int rightBlock : {9, 15}) {
        view.at(rightBlock, 10) = store.at(rightBlock + mode, 10);
        view.at(rightBlock, 11) = store.at(rightBlock + mode, 11);
    }
}

} // namespace aec
