#include "core/ParameterTable.h"

// The groups the parameter table's rows fall into: each group's box and caption, and the band
// families with the row headings of their columns.
namespace aec {
namespace {

constexpr auto& T = Bilingual;

} // namespace

const std::vector<BandFamily>& BandFamilies()
{
    static const std::vector<BandFamily> families = {
        {GroupId::MusicBands, Block::Music, QStringLiteral("Mus"),
         QStringLiteral("MusEQPointLabel"), QStringLiteral("MusQUpDownBtn"), 15},
        {GroupId::MicBands, Block::MicA, QStringLiteral("Mic"), QStringLiteral("MicEQPointLabel"),
         QStringLiteral("MIcQUpDownBtn"), 20},
        {GroupId::EchoBands, Block::EchoA, QStringLiteral("Echo"),
         QStringLiteral("EffEQPointLabel"), QStringLiteral("EchoQUpDownBtn"), 7},
        {GroupId::ReverbBands, Block::Reverb, QStringLiteral("Rvb"),
         QStringLiteral("RvbEQPointLabel"), QStringLiteral("RvbQUpDownBtn"), 7},
        {GroupId::OutputBands, Block::MainLeft, QStringLiteral("Main"),
         QStringLiteral("MainEQPointLabel"), QStringLiteral("MainQUpDownBtn"), 10},
        {GroupId::HiddenBands, Block::HiddenMusic, QStringLiteral("Hint"),
         QStringLiteral("HintEQPointLabel"), QStringLiteral("HintQUpDownBtn"), 5},
        {GroupId::DynamicEq1, Block::DynamicEq, QStringLiteral("DEQ"),
         QStringLiteral("DEQPointLabel"), QStringLiteral("DEQQUpDownBtn"), 3},
    };
    return families;
}

const BandFamily* FamilyOf(GroupId group)
{
    for (const BandFamily& family : BandFamilies())
        if (family.group == group)
            return &family;
    return nullptr;
}

const GroupInfo& InfoOf(GroupId group)
{
    static const std::vector<GroupInfo> groups = {
        {GroupId::MusicInput, QStringLiteral("MusGainGroup"), T("输入", "Input")},
        {GroupId::MusicFilters, QStringLiteral("MusFilterGroup"),
         T("变调 / 高低通", "Key / HP / LP")},
        {GroupId::MicInput, QStringLiteral("MicInputGroup"), T("输入", "Input")},
        {GroupId::MicNoiseGate, QStringLiteral("AdvGroupBox16"), T("麦克风A噪声门", "Mic A Noise")},
        {GroupId::MicLimiter, QStringLiteral("AdvGroupBox1"), T("麦克风A压限", "MIC A Limit")},
        {GroupId::EchoLevels, QStringLiteral("EchoLevelGroup"), T("效果", "Effect")},
        {GroupId::EchoFilters, QStringLiteral("EchoFilterGroup"), T("回声高低通", "Echo LHP")},
        {GroupId::ReverbLevels, QStringLiteral("RvbLevelGroup"), T("效果", "Effect")},
        {GroupId::ReverbFilters, QStringLiteral("AdvGroupBox2"), T("混响高低通", "Rvb LHP")},
        {GroupId::OutputMix, QStringLiteral("AdvGroupBox6"), T("混音", "Mix")},
        {GroupId::OutputLimiter, QStringLiteral("OutLimiteGroup"), T("主输出压限", "Limit")},
        {GroupId::OutputCrossover, QStringLiteral("OutLHPGroup"), T("主输出分频", "HP/LP")},
        {GroupId::DynamicEq1, QStringLiteral("DEQ1Grop"), T("动态均衡 1", "Dynamic EQ 1")},
        {GroupId::DynamicEq2, QStringLiteral("DEQ2Grop"), T("动态均衡 2", "Dynamic EQ 2")},
        {GroupId::DynamicEq3, QStringLiteral("DEQ3Grop"), T("动态均衡 3", "Dynamic EQ 3")},
        {GroupId::MusicBands, QStringLiteral("MusScrollBox"), T("均衡", "EQ")},
        {GroupId::MicBands, QStringLiteral("MicScrollBox"), T("均衡", "EQ")},
        {GroupId::EchoBands, QStringLiteral("EchoScrollBox"), T("均衡", "EQ")},
        {GroupId::ReverbBands, QStringLiteral("RvbScrollBox"), T("均衡", "EQ")},
        {GroupId::OutputBands, QStringLiteral("AdvGroupBox21"), T("均衡", "EQ")},
        {GroupId::HiddenBands, QStringLiteral("HintScrollBox"), T("均衡", "EQ")},
        {GroupId::SystemVolumes, QStringLiteral("SystemVolumes"), T("音量", "Volumes")},
        {GroupId::System, QStringLiteral("SystemSettings"), T("系统", "System")},
        {GroupId::Hidden, QString(), T("", "")},
    };
    for (const GroupInfo& info : groups)
        if (info.id == group)
            return info;
    return groups.back();
}

std::array<QString, 4> BandHeadingLabels(GroupId box)
{
    // Type, Hz, Gain and Q labels of the music, microphone, echo, reverb, output, hidden and
    // dynamic-EQ boxes.
    const struct
    {
        GroupId box;
        std::array<int, 4> labels;
    } headings[] = {
        {GroupId::MusicBands, {22, 23, 14, 24}},  {GroupId::MicBands, {26, 27, 25, 28}},
        {GroupId::EchoBands, {30, 32, 29, 38}},   {GroupId::ReverbBands, {41, 45, 39, 46}},
        {GroupId::OutputBands, {51, 52, 49, 53}}, {GroupId::HiddenBands, {104, 105, 103, 106}},
        {GroupId::DynamicEq1, {55, 56, 54, 57}},  {GroupId::DynamicEq2, {70, 72, 58, 73}},
        {GroupId::DynamicEq3, {75, 76, 74, 77}},
    };
    std::array<QString, 4> names;
    for (const auto& h : headings)
        if (h.box == box)
            for (std::size_t i = 0; i < 4; ++i)
                names[i] = QStringLiteral("Label%1").arg(h.labels[i]);
    return names;
}

BilingualText BandFieldCaption(BandField field)
{
    switch (field) {
    case BandField::Type:
        return T("类型", "Type");
    case BandField::Frequency:
        return T("频率", "Hz");
    case BandField::Gain:
        return T("增益", "Gain");
    case BandField::PeakQ:
    case BandField::ShelfQ:
        break;
    }
    return T("Q值", "Q");
}

} // namespace aec
