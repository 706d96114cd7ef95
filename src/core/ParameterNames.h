#pragma once

#include "core/BilingualText.h"
#include "core/ParameterTable.h"

#include <QString>

#include <optional>

namespace aec {

// A processor address as people read it. Its stable key names the block's instance and the
// parameter ("micB.gate.attack", "music.eq.5.gain", "music.right.eq.5.gain",
// "main.right.disco.limiter.ratio"); its name has the same three parts in both languages:
// instance ("MIC B"), section ("EQ band 5" or the group) and parameter ("gain").
struct DeviceParameter
{
    ParamAddress address = 0;
    const ParamRow* row = nullptr; // the row whose control edits it, or null
    QString key;
    BilingualText instance;
    BilingualText section;
    BilingualText parameter;

    // "MIC B EQ band 5 gain", in the language.
    QString name(bool chinese, const QString& separator = QStringLiteral(" ")) const;
};

// Every processor address in blocks 0 to 30 has a description; an address outside them none.
std::optional<DeviceParameter> DescribeDeviceAddress(ParamAddress address);
// The processor address of a key, as DescribeDeviceAddress gives it.
std::optional<ParamAddress> DeviceAddressOfKey(const QString& key);
// The text of a value at a processor address: in its row's unit, or the number.
QString DeviceValueText(ParamAddress address, int value);

// The instance of a processor block: its key and caption ("micB", "MIC B").
struct BlockInstance
{
    QString key;
    BilingualText caption;
    int viewBlock = -1; // the view block whose rows describe it; -1 for none
};
BlockInstance InstanceOf(int block);

} // namespace aec
