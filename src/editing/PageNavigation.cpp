#include "editing/PageNavigation.h"

#include "core/BlockLayout.h"

namespace aec {
namespace {

BilingualText Text(const char* chinese, const char* english)
{
    return {QString::fromUtf8(chinese), QString::fromUtf8(english)};
}

} // namespace

PageRef PageNavigation::SelectPage(Tab tab)
{
    SelectionState& s = m_selection;
    int& micLink = s.LinkSelection(LinkGroup::Microphones);
    PageRef result;
    switch (tab) {
    case Tab::Music:
        result = {Block::Music, Page::Music};
        break;
    case Tab::DynamicEq:
        result = {Block::DynamicEq, Page::DynamicEq};
        break;
    case Tab::MicA:
        s.CurrentMicBlock = Block::MicA;
        if (micLink != LinkSide::Both)
            micLink = LinkSide::First;
        result = {Block::MicA, Page::Microphone};
        break;
    case Tab::MicB:
        // Linked microphones are edited through microphone A.
        if (micLink == LinkSide::Both) {
            s.CurrentMicBlock = Block::MicA;
        } else {
            s.CurrentMicBlock = Block::MicB;
            micLink = LinkSide::Second;
        }
        result = {Block::MicA, Page::Microphone};
        break;
    case Tab::Effect:
        result = {s.CurrentEffectBlock == Block::Reverb ? Block::Reverb : Block::EchoA,
                  Page::Effect};
        break;
    case Tab::Main:
        s.CurrentOutputBlock =
            (s.LinkSelection(LinkGroup::Main) < LinkSide::Second ? 6 : 9) + s.OutputMode;
        result = {Block::MainLeft, Page::Output};
        break;
    case Tab::Surround:
        s.CurrentOutputBlock =
            (s.LinkSelection(LinkGroup::Surround) < LinkSide::Second ? 12 : 15) + s.OutputMode;
        result = {Block::MainLeft, Page::Output};
        break;
    case Tab::Centre:
        s.CurrentOutputBlock = Block::Centre + s.OutputMode;
        result = {Block::MainLeft, Page::Output};
        break;
    case Tab::Sub:
        s.CurrentOutputBlock = Block::Sub + s.OutputMode;
        result = {Block::MainLeft, Page::Output};
        break;
    case Tab::Hidden:
        result = {Block::HiddenMusic, Page::Hidden};
        break;
    }
    ChartBlock = result.block;
    return result;
}

SharedControlsLayout PageNavigation::layoutFor(Tab tab) const
{
    SharedControlsLayout l;
    const bool micB = tab == Tab::MicB;
    l.micLimiter = micB ? Text("麦克风B压限", "MiC B Limit") : Text("麦克风A压限", "MiC A Limit");
    l.micNoiseGate =
        micB ? Text("麦克风B 噪声门", "MICB Noise") : Text("麦克风A 噪声门", "MICA Noise");
    l.copyAndPassEnabled =
        static_cast<int>(tab) <= static_cast<int>(Tab::Effect) || ManualOperation;
    switch (tab) {
    case Tab::Music:
        l.copyGroupVisible = true;
        l.leftButton = Text("音乐左", "Left");
        l.rightButton = Text("音乐右", "Right");
        break;
    case Tab::MicA:
    case Tab::MicB:
        l.copyGroupVisible = true;
        l.leftButton = Text("麦克A", "MIC A");
        l.rightButton = Text("麦克B", "MIC B");
        break;
    case Tab::Main:
    case Tab::Surround: {
        const bool main = tab == Tab::Main;
        l.copyGroupVisible = l.sceneGroupVisible = l.rightSideVisible = true;
        l.leftButton = main ? Text("主左", "Main L") : Text("环左", "SUR L");
        l.rightButton = main ? Text("主右", "Main R") : Text("环右", "SUR R");
        l.outputLimiter =
            main ? Text("主输出压限", "Main Limit") : Text("环绕压限", "Surround Limit");
        l.outputCrossover =
            main ? Text("主输出分频", "Main LHF") : Text("环绕分频", "Surround LHF");
        l.leftMute = Text("左静音", "L Mute");
        l.leftDelay = Text("左声道延时", "Left Delay");
        break;
    }
    case Tab::Centre:
        l.sceneGroupVisible = true;
        l.outputLimiter = Text("中置压限", "Center Limit");
        l.outputCrossover = Text("中置分频", "Center LHF");
        l.leftMute = Text("中置静音", "Cen Mute");
        l.leftDelay = Text("中置延时", "Center Delay");
        break;
    case Tab::Sub:
        l.sceneGroupVisible = true;
        l.outputLimiter = Text("超低压限", "SUB Limit");
        l.outputCrossover = Text("超低分频", "SUB LHF");
        l.leftMute = Text("超低静音", "SUB Mute");
        l.leftDelay = Text("超低延时", "SUB Delay");
        break;
    default:
        break;
    }
    return l;
}

int PageNavigation::ChooseEffect(int tag, int* subPage)
{
    const int blocks[] = {Block::EchoA, Block::EchoB, Block::Reverb};
    tag = tag < 0 || tag > 2 ? 0 : tag;
    m_selection.CurrentEffectBlock = blocks[tag];
    const int viewBlock = tag == 2 ? Block::Reverb : Block::EchoA;
    if (subPage)
        *subPage = tag == 2 ? 1 : 0;
    LastEffectButton = tag;
    CurrentPage = {viewBlock, Page::Effect};
    ChartBlock = viewBlock;
    return viewBlock;
}

void PageNavigation::ChooseHiddenSource(int tag)
{
    const int blocks[] = {Block::HiddenMusic, Block::HiddenMicA, Block::HiddenMicB};
    m_selection.CurrentHiddenBlock = blocks[tag < 0 || tag > 2 ? 0 : tag];
    CurrentPage = {Block::HiddenMusic, Page::Hidden};
    ChartBlock = Block::HiddenMusic;
}

} // namespace aec
