#pragma once

#include "core/ParamAddress.h"
#include "core/ParameterTable.h"
#include "core/SelectionState.h"

#include <array>
#include <cstdint>

namespace aec {

// Whoever puts a changed parameter on the wire (the link session sends it or queues it).
class ParameterSender
{
public:
    virtual ~ParameterSender() = default;
    virtual void SendOrQueue(ParamAddress deviceAddress, std::int32_t value) = 0;
};

// The parameter store with its view, the selections that map one to the other, and the one
// entry through which every edit changes a parameter. Created once by the program; tests
// create their own.
class ParameterModel
{
public:
    ParamStore store;
    ViewValues view;
    SelectionState selection;
    std::array<std::int32_t, BlockCount> EqPassFlag{}; // 1 while a block's EQ is passed through

    void setSender(ParameterSender* sender) { m_sender = sender; }

    ParamAddress ViewToDeviceAddress(ParamAddress viewAddress) const;

    // Stores the value under the control's view address and the processor address of the
    // current selections, then hands it to the sender. Storing happens whether or not the
    // processor is linked.
    void SetParameter(ParamAddress viewAddress, std::int32_t value);

    // Stores a value at its own address, view and store alike, and hands it to the sender: for
    // the system page's settings, whose addresses are not mapped by the page selections.
    void SetDeviceParameter(ParamAddress address, std::int32_t value);

    // Refills the view from the store for the current selections.
    void RebuildViewValues();

private:
    ParameterSender* m_sender = nullptr;
};

} // namespace aec
