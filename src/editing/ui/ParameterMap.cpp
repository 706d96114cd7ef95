#include "editing/ui/ParameterMap.h"

#include "core/BlockLayout.h"

#include <QByteArray>

#include <deque>
#include <string>

namespace aec {
namespace {

// Names built at run time (band controls) live here for the whole run.
const char* Keep(std::string name)
{
    static std::deque<std::string> names;
    names.push_back(std::move(name));
    return names.back().c_str();
}

const char* Name(const char* prefix, const char* stem, int n)
{
    return Keep(std::string(prefix) + stem + std::to_string(n));
}

// The slots that are not EQ bands.
const std::vector<ParameterBinding> ScalarBindings = {
    // Music input (block 0).
    {0, 0, "MusGain1Edit", "", {"MusGain1UpDown", "", "", ""}},
    {0, 1, "MusGain2Edit", "", {"MusGain2UpDown", "", "", ""}},
    {0, 2, "MusGain3Edit", "", {"MusGain3UpDown", "", "", ""}},
    {0, 3, "MusPitchBar", "MusPitchPane"},
    {0, 4, "MusHPTypeBox"},
    {0, 5, "MusHPFREBar", "MusHPFREPane"},
    {0, 6, "MusLPTypeBox"},
    {0, 7, "MusLPFREBar", "MusLPFREPane"},
    {0, 8, "MusEQAllpassBtn"},
    {0, 9, ""},
    {0, 162, ""},
    {0, 163, ""},
    // Dynamic EQ (block 1): slot 0 is the bank link; its bands come with the band rule.
    {1, 0, ""},
    // Microphones (bound in row 2 for both).
    {2, 0, "MicInputGainBar", "MicInputGainPane"},
    {2, 1, "MicFBEBar", "MicFBEPane"},
    {2, 2, "MicNoiseLevelBar", "MicNoiseLevelPane"},
    {2, 3, "MicNoiseAttackBar", "MicNoiseAttackPane"},
    {2, 4, "MicNoiseReleaseBar", "MicNoiseReleasePane"},
    {2, 5, "MicRmsLevelBar", "MicRmsLevelPane"},
    {2, 6, "MicRmsAttackBar", "MicRmsAttackPane"},
    {2, 7, "MicRmsReleaseBar", "MicRmsReleasePane"},
    {2, 8, "MicRmsRatioBar", "MicRmsRatioPane"},
    {2, 9, "MicHPTypeBox"},
    {2, 10, "MicHPFreBar", "MicHPFrePane"},
    {2, 11, "MicLPTypeBox"},
    {2, 12, "MicLPFreBar", "MicLPFrePane"},
    {2, 13, ""},
    {2, 14, ""},
    // Echo A and B (bound in row 4).
    {4, 0, "EchoEffLevelBar", "EchoEffLevelPane"},
    {4, 1, "EchoEffPhaseBtn"},
    {4, 2, "EchoDirectLevelBar", "EchoDirectLevelPane"},
    {4, 3, "EchoDirectPhaseBtn"},
    {4, 4, "EchoPreDelayBar", "EchoPreDelayPane"},
    {4, 5, "EchoTimeBar", "EchoTimePane"},
    {4, 6, "EchoRepeatBar", "EchoRepeatPane"},
    {4, 7, "EchoRPreDelayBar", "EchoRPreDelayPane"},
    {4, 8, "EchoRTimeBar", "EchoRTimePane"},
    {4, 9, "EchoHPTypeBox"},
    {4, 10, "EchoHPFreBar", "EchoHPFrePane"},
    {4, 11, "EchoLPTypeBox"},
    {4, 12, "EchoLPFreBar", "EchoLPFrePane"},
    {4, 13, ""},
    // Reverb.
    {5, 0, "RvbEffLevelBar", "RvbEffLevelPane"},
    {5, 1, "RvbEffPhaseBtn"},
    {5, 2, "RvbDirectLevelBar", "RvbDirectLevelPane"},
    {5, 3, "RvbDirectPhaseBtn"},
    {5, 4, "RvbPreDelayBar", "RvbPreDelayPane"},
    {5, 5, "RvbTimeBar", "RvbTimePane"},
    {5, 6, "RvbHPTypeBox"},
    {5, 7, "RvbHPFreBar", "RvbHPFrePane"},
    {5, 8, "RvbLPTypeBox"},
    {5, 9, "RvbLPFreBar", "RvbLPFrePane"},
    {5, 10, ""},
    // Outputs (bound in row 6; the right-side delay and mute also in rows 9 and 15).
    {6, 0, "MainMusLevelBar", "MainMusLevelPane"},
    {6, 1, "MainMusPhaseBtn"},
    {6, 2, "MainMicLevelBar", "MainMicLevelPane"},
    {6, 3, "MainMicPhaseBtn"},
    {6, 4, "MainEchoALevelBar", "MainEchoALevelPane"},
    {6, 5, "MainEchoAPhaseBtn"},
    {6, 6, "MainEchoBLevelBar", "MainEchoBLevelPane"},
    {6, 7, "MainEchoBPhaseBtn"},
    {6, 8, "MainRvbLevelBar", "MainRvbLevelPane"},
    {6, 9, "MainRvbPhaseBtn"},
    {6, 10, "MainLdelayBar", "MainLdelayPane"},
    {6, 11, "MainLmuteBtn"},
    {6, 12, "MainRmsLevelBar", "MainRmsLevelPane"},
    {6, 13, "MainRmsAttackBar", "MainRmsAttackPane"},
    {6, 14, "MainRmsReleaseBar", "MainRmsReleasePane"},
    {6, 15, "MainRmsRatioBar", "MainRmsRatioPane"},
    {6, 16, "MainHPTypeBox"},
    {6, 17, "MainMusHPFreBar", "MainMusHPFrePane"},
    {6, 18, "MainLPTypeBox"},
    {6, 19, "MainMusLPFreBar", "MainMusLPFrePane"},
    {6, 20, ""},
    {9, 10, "MainRdelayBar", "MainRdelayPane"},
    {9, 11, "MainRmuteBtn"},
    {15, 10, "MainRdelayBar", "MainRdelayPane"},
    {15, 11, "MainRmuteBtn"},
    // Hidden EQs (bound in row 25): slot 0 is the EQ pass.
    {25, 0, ""},
    // System volumes.
    {29, 0, "SysMicNormalVolBar", "SysMicNormalVolPane"},
    {29, 1, "SysMusNormalVolBar", "SysMusNormalVolPane"},
    {29, 2, "SysEffNormalVolBar", "SysEffNormalVolPane"},
    {29, 3, "SysMicStartVolBar", "SysMicStartVolPane"},
    {29, 4, "SysMicMaxVolBar", "SysMicMaxVolPane"},
    {29, 5, "SysMusStartVolBar", "SysMusStartVolPane"},
    {29, 6, "SysMusMaxVolBar", "SysMusMaxVolPane"},
    {29, 7, "SysEffStartVolBar", "SysEffStartVolPane"},
    {29, 8, "SysEffMaxVolBar", "SysEffMaxVolPane"},
    // System.
    {30, 2, "SysModeBox"},
    {30, 3, "SysMusInputLevelBox"},
    {30, 20, "SysInputBox"},
};

void AddBandBindings(std::vector<ParameterBinding>& out, const BandColumnNames& page)
{
    const char* p = page.prefix;
    for (int band = 0; band < page.bands; ++band) {
        const int n = band + 1;
        const auto slot = [&](BandField f) { return BandSlot(page.block, band, f); };
        const char* qEdit = Name(p, "QEdit", n);
        out.push_back({page.block,
                       slot(BandField::Type),
                       Name(p, "ModeBox", n),
                       "",
                       {Name(p, "BYBtn", n), Name(p, "PEQBtn", n), Name(p, "LSQBtn", n),
                        Name(p, "HSQBtn", n)}});
        out.push_back({page.block, slot(BandField::Frequency), Name(p, "FreEdit", n)});
        out.push_back({page.block,
                       slot(BandField::Gain),
                       Name(p, "GainEdit", n),
                       "",
                       {Name(p, "EQGainBar", n), "", "", ""}});
        out.push_back({page.block,
                       slot(BandField::PeakQ),
                       qEdit,
                       "",
                       {Name(page.qSpinStem, "", n), "", "", ""}});
        out.push_back({page.block, slot(BandField::ShelfQ), qEdit});
    }
}

// The dynamic EQ's bands are ten slots wide, with a trigger list and the band's dynamics.
void AddDynamicEqBindings(std::vector<ParameterBinding>& out)
{
    for (int n = 1; n <= 3; ++n) {
        const int base = 10 * (n - 1);
        out.push_back({1,
                       base + 1,
                       Name("DEQTypeBox", "", n),
                       "",
                       {Name("DEQTYpeOffBtn", "", n), Name("DEQTYpeBelowBtn", "", n),
                        Name("DEQTYpeAboveBtn", "", n), ""}});
        out.push_back({1,
                       base + 2,
                       Name("DEQModeBox", "", n),
                       "",
                       {Name("DEQBYBtn", "", n), Name("DEQPEQBtn", "", n), Name("DEQLEQBtn", "", n),
                        Name("DEQHEQBtn", "", n)}});
        out.push_back({1, base + 3, Name("DEQFreEdit", "", n)});
        out.push_back(
            {1, base + 4, Name("DEQGainEdit", "", n), "", {Name("DEQGainBar", "", n), "", "", ""}});
        out.push_back(
            {1, base + 5, Name("DEQQEdit", "", n), "", {Name("DEQQUpDownBtn", "", n), "", "", ""}});
        out.push_back({1, base + 6, Name("DEQQEdit", "", n)});
        const char* stems[] = {"Level", "Attack", "Release", "Ratio"};
        for (int k = 0; k < 4; ++k)
            out.push_back({1, base + 7 + k,
                           Name((std::string("DEQRms") + stems[k] + "Bar").c_str(), "", n),
                           Name((std::string("DEQRms") + stems[k] + "Pane").c_str(), "", n)});
    }
}

std::vector<ParameterBinding> BuildMap()
{
    std::vector<ParameterBinding> map = ScalarBindings;
    for (const BandColumnNames& page : BandColumnPages())
        AddBandBindings(map, page);
    AddDynamicEqBindings(map);
    std::stable_sort(map.begin(), map.end(), [](const auto& a, const auto& b) {
        return a.block != b.block ? a.block < b.block : a.slot < b.slot;
    });
    return map;
}

} // namespace

const std::vector<BandColumnNames>& BandColumnPages()
{
    static const std::vector<BandColumnNames> pages = {
        {Block::Music, "Mus", "MusQUpDownBtn", 15},
        {Block::MicA, "Mic", "MIcQUpDownBtn", 20},
        {Block::EchoA, "Echo", "EchoQUpDownBtn", 7},
        {Block::Reverb, "Rvb", "RvbQUpDownBtn", 7},
        {Block::MainLeft, "Main", "MainQUpDownBtn", 10},
        {Block::HiddenMusic, "Hint", "HintQUpDownBtn", 5},
    };
    return pages;
}

const std::vector<ParameterBinding>& ParameterMap()
{
    static const std::vector<ParameterBinding> map = BuildMap();
    return map;
}

} // namespace aec
