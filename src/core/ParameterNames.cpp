#include "core/ParameterNames.h"

#include "core/ValueTable.h"

#include <QHash>

namespace aec {
namespace {

constexpr auto& T = Bilingual;

const BilingualText Scenes[] = {T("唱歌", "Sing"), T("热舞", "Disco"), T("解码", "Decode")};
const char* const SceneKeys[] = {"sing", "disco", "decode"};

// The music right bank and the dynamic EQ's second bank sit behind the first.
constexpr int MusicRightBank = 75;
constexpr int DynamicSecondBank = 30;

BilingualText BandSection(const ParamRow& row)
{
    const int n = row.band + 1;
    if (row.block() == Block::DynamicEq)
        return {QStringLiteral("动态均衡第%1段").arg(n),
                QStringLiteral("Dynamic EQ band %1").arg(n)};
    return {QStringLiteral("均衡第%1段").arg(n), QStringLiteral("EQ band %1").arg(n)};
}

BilingualText FieldName(BandField field)
{
    switch (field) {
    case BandField::Type:
        return T("类型", "type");
    case BandField::Frequency:
        return T("频率", "frequency");
    case BandField::Gain:
        return T("增益", "gain");
    case BandField::PeakQ:
        return T("Q值", "Q");
    case BandField::ShelfQ:
        break;
    }
    return T("搁架Q值", "shelf Q");
}

} // namespace

BlockInstance InstanceOf(int block)
{
    if (block >= Block::MainLeft && block <= Block::Sub + 2) {
        const int family = (block - Block::MainLeft) / 3;
        const int scene = (block - Block::MainLeft) % 3;
        const struct
        {
            const char* key;
            BilingualText caption;
        } families[] = {{"main.left", T("主输出左", "Main L")},
                        {"main.right", T("主输出右", "Main R")},
                        {"surround.left", T("环绕左", "Surround L")},
                        {"surround.right", T("环绕右", "Surround R")},
                        {"centre", T("中置", "Center")},
                        {"sub", T("超低音", "SUB")}};
        const auto& f = families[family];
        return {QLatin1String(f.key) + QLatin1Char('.') + QLatin1String(SceneKeys[scene]),
                {f.caption.chinese + Scenes[scene].chinese,
                 f.caption.english + QLatin1Char(' ') + Scenes[scene].english},
                Block::MainLeft};
    }
    switch (block) {
    case Block::Music:
        return {QStringLiteral("music"), T("音乐", "Music"), Block::Music};
    case Block::DynamicEq:
        return {QStringLiteral("dynamicEq"), T("动态均衡", "Dynamic EQ"), Block::DynamicEq};
    case Block::MicA:
        return {QStringLiteral("micA"), T("麦克A", "MIC A"), Block::MicA};
    case Block::MicB:
        return {QStringLiteral("micB"), T("麦克B", "MIC B"), Block::MicA};
    case Block::EchoA:
        return {QStringLiteral("echoA"), T("回声A", "Echo A"), Block::EchoA};
    case Block::EchoB:
        return {QStringLiteral("echoB"), T("回声B", "Echo B"), Block::EchoA};
    case Block::Reverb:
        return {QStringLiteral("reverb"), T("混响", "Reverb"), Block::Reverb};
    case Block::HiddenMusic:
        return {QStringLiteral("hiddenMusic"), T("隐藏音乐", "Hidden Music"), Block::HiddenMusic};
    case Block::HiddenMicA:
        return {QStringLiteral("hiddenMicA"), T("隐藏话筒A", "Hidden MIC A"), Block::HiddenMusic};
    case Block::HiddenMicB:
        return {QStringLiteral("hiddenMicB"), T("隐藏话筒B", "Hidden MIC B"), Block::HiddenMusic};
    case Block::SystemVolume:
        return {QStringLiteral("volumes"), T("音量", "Volumes"), Block::SystemVolume};
    case Block::System:
        return {QStringLiteral("system"), T("系统", "System"), Block::System};
    default:
        return {QStringLiteral("block%1").arg(block),
                {QStringLiteral("区块%1").arg(block), QStringLiteral("Block %1").arg(block)},
                -1};
    }
}

QString DeviceParameter::name(bool chinese, const QString& separator) const
{
    QStringList parts;
    for (const BilingualText* part : {&instance, &section, &parameter})
        if (!part->in(chinese).trimmed().isEmpty())
            parts << part->in(chinese).trimmed();
    return parts.join(separator);
}

std::optional<DeviceParameter> DescribeDeviceAddress(ParamAddress address)
{
    const int block = BlockOf(address);
    const int slot = SlotOf(address);
    if (!ValueTable::Contains(address))
        return std::nullopt;
    DeviceParameter p;
    p.address = address;
    const BlockInstance instance = InstanceOf(block);
    p.instance = instance.caption;
    QString prefix = instance.key;
    int viewSlot = slot;
    if (block == Block::Music && slot >= 10 + MusicRightBank && slot < 10 + 2 * MusicRightBank) {
        viewSlot = slot - MusicRightBank;
        prefix += QStringLiteral(".right");
        p.instance = {p.instance.chinese + QStringLiteral("右"),
                      p.instance.english + QStringLiteral(" right")};
    } else if (block == Block::DynamicEq && slot > DynamicSecondBank) {
        viewSlot = slot - DynamicSecondBank;
        prefix += QStringLiteral(".bank2");
        p.instance = {p.instance.chinese + QStringLiteral("第二组"),
                      p.instance.english + QStringLiteral(" bank 2")};
    }
    if (instance.viewBlock >= 0)
        p.row = RowAt(MakeAddress(instance.viewBlock, viewSlot));
    if (!p.row) {
        p.key = prefix + QStringLiteral(".slot%1").arg(slot);
        p.parameter = {QStringLiteral("参数%1").arg(slot), QStringLiteral("slot %1").arg(slot)};
        return p;
    }
    p.key = prefix + QLatin1Char('.') + p.row->key;
    if (p.row->control == Control::Band) {
        p.section = BandSection(*p.row);
        p.parameter = FieldName(p.row->field);
    } else {
        if (p.row->group != GroupId::Hidden && p.row->group != GroupId::System)
            p.section = InfoOf(p.row->group).caption;
        if (p.row->band >= 0)
            p.section = BandSection(*p.row);
        p.parameter = p.row->caption;
    }
    return p;
}

std::optional<ParamAddress> DeviceAddressOfKey(const QString& key)
{
    static const QHash<QString, ParamAddress> byKey = [] {
        QHash<QString, ParamAddress> map;
        for (int block = 0; block < BlockCount; ++block)
            for (int slot = 0; slot < RowLength; ++slot)
                if (const auto p = DescribeDeviceAddress(MakeAddress(block, slot)))
                    map.insert(p->key, p->address);
        return map;
    }();
    const auto it = byKey.constFind(key);
    if (it == byKey.cend())
        return std::nullopt;
    return *it;
}

QString DeviceValueText(ParamAddress address, int value)
{
    const auto p = DescribeDeviceAddress(address);
    if (!p || !p->row || p->row->kind == Kind::Plain)
        return QString::number(value);
    const bool doubled =
        p->row->doubledOnSub && BlockOf(address) >= Block::Sub && BlockOf(address) < Block::Sub + 3;
    return RowText(*p->row, value, doubled);
}

} // namespace aec
