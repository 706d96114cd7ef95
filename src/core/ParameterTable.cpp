#include "core/ParameterTable.h"

#include <QHash>

#include <array>

#include <algorithm>

namespace aec {
namespace {

constexpr auto& T = Bilingual;

// Builders of the rows, one per control kind; names are the controls' object names.
ParamRow Slider(int block, int slot, GroupId group, const char* name, const char* pane,
                const char* label, Kind kind, const char* key, BilingualText caption)
{
    ParamRow r;
    r.address = MakeAddress(block, slot);
    r.control = Control::Slider;
    r.kind = kind;
    r.group = group;
    r.name = QLatin1String(name);
    r.pane = QLatin1String(pane);
    r.label = QLatin1String(label);
    r.caption = std::move(caption);
    r.key = QLatin1String(key);
    return r;
}

ParamRow WithTop(ParamRow r, int top)
{
    r.top = top;
    return r;
}

ParamRow Doubled(ParamRow r)
{
    r.doubledOnSub = true;
    return r;
}

ParamRow Of(Control control, int block, int slot, GroupId group, const char* name,
            const char* label, Kind kind, const char* key, BilingualText caption)
{
    ParamRow r = Slider(block, slot, group, name, "", label, kind, key, std::move(caption));
    r.control = control;
    return r;
}

// The phase of a level: named after the level, so that each reads apart from the others.
ParamRow Phase(int block, int slot, GroupId group, const char* name, const char* key,
               const BilingualText& level)
{
    return Of(Control::Phase, block, slot, group, name, "", Kind::OnOff, key,
              {level.chinese.trimmed() + QStringLiteral("相位"),
               level.english.trimmed() + QStringLiteral(" phase")});
}

ParamRow Unbound(int block, int slot, const char* key, BilingualText caption,
                 Kind kind = Kind::OnOff)
{
    return Of(Control::None, block, slot, GroupId::Hidden, "", "", kind, key, std::move(caption));
}

ParamRow Pair(int block, int slot, const char* off, const char* on, const char* key,
              BilingualText caption)
{
    ParamRow r = Of(Control::Pair, block, slot, GroupId::System, off, "", Kind::OnOff, key,
                    std::move(caption));
    r.second = QLatin1String(on);
    r.fixedAddress = true;
    return r;
}

ParamRow List(int block, int slot, GroupId group, const char* name, const char* label, Kind kind,
              const char* key, BilingualText caption, QStringList items = {})
{
    ParamRow r = Of(Control::List, block, slot, group, name, label, kind, key, std::move(caption));
    r.items = std::move(items);
    return r;
}

// A high- and low-pass filter: type list and frequency slider, four consecutive slots, each
// with its label (high-pass type, high-pass frequency, low-pass type, low-pass frequency).
void Filters(std::vector<ParamRow>& rows, int block, int firstSlot, GroupId group,
             const QString& prefix, const QString& frequencyStem, std::array<int, 4> labels)
{
    const struct
    {
        const char* pass;
        const char* key;
        BilingualText typeCaption;
        BilingualText frequencyCaption;
    } filters[] = {{"HP", "highpass", T("高通", "HPF"), T("高通", "HP")},
                   {"LP", "lowpass", T("低通", "LPF"), T("低通", "LP")}};
    int slot = firstSlot;
    int label = 0;
    for (const auto& f : filters) {
        const QString pass = QLatin1String(f.pass);
        ParamRow type = List(block, slot++, group, "", "", Kind::FilterType, "", f.typeCaption);
        type.name = prefix + pass + QStringLiteral("TypeBox");
        type.label = QStringLiteral("Label%1").arg(labels[std::size_t(label++)]);
        type.key = QLatin1String(f.key) + QStringLiteral(".type");
        rows.push_back(type);
        ParamRow frequency =
            Slider(block, slot++, group, "", "", "", Kind::FilterFrequency, "", f.frequencyCaption);
        frequency.name = frequencyStem.arg(pass) + QStringLiteral("Bar");
        frequency.pane = frequencyStem.arg(pass) + QStringLiteral("Pane");
        frequency.label = QStringLiteral("Label%1").arg(labels[std::size_t(label++)]);
        frequency.key = QLatin1String(f.key) + QStringLiteral(".frequency");
        rows.push_back(frequency);
    }
}

void MusicRows(std::vector<ParamRow>& rows)
{
    const GroupId input = GroupId::MusicInput;
    const struct
    {
        const char* stem;
        const char* label;
        const char* key;
        BilingualText caption;
    } gains[] = {{"MusGain1", "Label6", "input1.gain", T("输入1音量", "In1 Vol")},
                 {"MusGain2", "Label7", "input2.gain", T("输入2音量", "In2 Vol")},
                 {"MusGain3", "Label8", "optical.gain", T("光纤音量", "OPTI Vol")}};
    int slot = 0;
    for (const auto& g : gains) {
        ParamRow r =
            Of(Control::Edit, 0, slot++, input, "", g.label, Kind::InputGain, g.key, g.caption);
        r.name = QLatin1String(g.stem) + QStringLiteral("Edit");
        r.spin = QLatin1String(g.stem) + QStringLiteral("UpDown");
        rows.push_back(r);
    }
    rows.push_back(Slider(0, 3, GroupId::MusicFilters, "MusPitchBar", "MusPitchPane", "Label9",
                          Kind::Pitch, "pitch", T("变调", "Key control")));
    Filters(rows, 0, 4, GroupId::MusicFilters, QStringLiteral("Mus"), QStringLiteral("Mus%1FRE"),
            {36, 33, 37, 34});
    rows.push_back(Unbound(0, 8, "link", T("音乐左右同步", "Music link")));
    rows.push_back(Unbound(0, 9, "eq.pass", T("EQ直通", "EQ pass")));
    rows.push_back(Unbound(0, 160, "operation", T("自动/手动", "Auto/Manual")));
    rows.push_back(Unbound(0, 161, "scene", T("场景", "Scene"), Kind::Choice));
    rows.push_back(Unbound(0, 162, "main.link", T("主输出左右同步", "Main link")));
    rows.push_back(Unbound(0, 163, "surround.link", T("环绕左右同步", "Surround link")));
}

void MicrophoneRows(std::vector<ParamRow>& rows)
{
    const GroupId input = GroupId::MicInput;
    const GroupId gate = GroupId::MicNoiseGate;
    const GroupId limiter = GroupId::MicLimiter;
    rows.push_back(Slider(2, 0, input, "MicInputGainBar", "MicInputGainPane", "Label12",
                          Kind::MicInputGain, "input.gain", T("模拟增益", "Analog Gain")));
    rows.push_back(Slider(2, 1, input, "MicFBEBar", "MicFBEPane", "Label155", Kind::Feedback,
                          "feedback", T("啸叫抑制", "Feedback")));
    rows.push_back(Slider(2, 2, gate, "MicNoiseLevelBar", "MicNoiseLevelPane", "Label145",
                          Kind::GateLevel, "gate.threshold", T("启动电平", "Threshold")));
    rows.push_back(Slider(2, 3, gate, "MicNoiseAttackBar", "MicNoiseAttackPane", "Label146",
                          Kind::Attack, "gate.attack", T("启动时间", "Attack Time")));
    rows.push_back(Slider(2, 4, gate, "MicNoiseReleaseBar", "MicNoiseReleasePane", "Label153",
                          Kind::Release, "gate.release", T("释放时间", "Release Time")));
    rows.push_back(Slider(2, 5, limiter, "MicRmsLevelBar", "MicRmsLevelPane", "Label117",
                          Kind::MicLimitLevel, "limiter.level", T("压限启动电平", "Limit Level")));
    rows.push_back(Slider(2, 6, limiter, "MicRmsAttackBar", "MicRmsAttackPane", "Label118",
                          Kind::Attack, "limiter.attack", T("压限启动时间", "Attack Time")));
    rows.push_back(Slider(2, 7, limiter, "MicRmsReleaseBar", "MicRmsReleasePane", "Label121",
                          Kind::Release, "limiter.release", T("压限释放时间", "Release Time")));
    rows.push_back(Slider(2, 8, limiter, "MicRmsRatioBar", "MicRmsRatioPane", "Label122",
                          Kind::Ratio, "limiter.ratio", T("压缩比例", "Ratio")));
    Filters(rows, 2, 9, input, QStringLiteral("Mic"), QStringLiteral("Mic%1Fre"), {17, 15, 20, 16});
    rows.push_back(Unbound(2, 13, "link", T("话筒同步", "Microphone link")));
    rows.push_back(Unbound(2, 14, "eq.pass", T("EQ直通", "EQ pass")));
}

void EffectRows(std::vector<ParamRow>& rows)
{
    const GroupId echo = GroupId::EchoLevels;
    rows.push_back(Slider(4, 0, echo, "EchoEffLevelBar", "EchoEffLevelPane", "Label78",
                          Kind::Percent, "effect.level", T("回声音量", "Echo Effect Vol")));
    rows.push_back(Phase(4, 1, echo, "EchoEffPhaseBtn", "effect.phase", rows.back().caption));
    rows.push_back(Slider(4, 2, echo, "EchoDirectLevelBar", "EchoDirectLevelPane", "Label79",
                          Kind::Percent, "direct.level", T("回声直达声", "Echo Direct Vol")));
    rows.push_back(Phase(4, 3, echo, "EchoDirectPhaseBtn", "direct.phase", rows.back().caption));
    rows.push_back(Slider(4, 4, echo, "EchoPreDelayBar", "EchoPreDelayPane", "Label80",
                          Kind::PreDelay, "predelay", T("回声预延时", "Echo Pre-Delay")));
    rows.push_back(Slider(4, 5, echo, "EchoTimeBar", "EchoTimePane", "Label81", Kind::DoubleMs,
                          "delay", T("回声延时", "Echo Delay")));
    rows.push_back(WithTop(Slider(4, 6, echo, "EchoRepeatBar", "EchoRepeatPane", "Label82",
                                  Kind::Percent, "repeat", T("回声重复比率", "Echo Repeat")),
                           90));
    rows.push_back(
        WithTop(Slider(4, 7, echo, "EchoRPreDelayBar", "EchoRPreDelayPane", "Label83",
                       Kind::Percent, "right.predelay", T("右通道预延时", "Right Pre-delay")),
                50));
    rows.push_back(Slider(4, 8, echo, "EchoRTimeBar", "EchoRTimePane", "Label84",
                          Kind::OffsetPercent, "right.delay", T("右通道延时", "Right delay")));
    Filters(rows, 4, 9, GroupId::EchoFilters, QStringLiteral("Echo"), QStringLiteral("Echo%1Fre"),
            {48, 13, 50, 42});
    rows.push_back(Unbound(4, 13, "eq.pass", T("EQ直通", "EQ pass")));

    const GroupId reverb = GroupId::ReverbLevels;
    rows.push_back(Slider(5, 0, reverb, "RvbEffLevelBar", "RvbEffLevelPane", "Label85",
                          Kind::Percent, "effect.level", T("混响音量", "Rvb Effect Vol")));
    rows.push_back(Phase(5, 1, reverb, "RvbEffPhaseBtn", "effect.phase", rows.back().caption));
    rows.push_back(Slider(5, 2, reverb, "RvbDirectLevelBar", "RvbDirectLevelPane", "Label86",
                          Kind::Percent, "direct.level", T("混响直达声", "Rvb Direct Vol")));
    rows.push_back(Phase(5, 3, reverb, "RvbDirectPhaseBtn", "direct.phase", rows.back().caption));
    rows.push_back(WithTop(Slider(5, 4, reverb, "RvbPreDelayBar", "RvbPreDelayPane", "Label87",
                                  Kind::DoubleMs, "predelay", T("混响预延时", "Rvb PreDelay")),
                           100));
    rows.push_back(Slider(5, 5, reverb, "RvbTimeBar", "RvbTimePane", "Label88", Kind::ReverbTime,
                          "time", T("混响时间", "Rvb Time")));
    Filters(rows, 5, 6, GroupId::ReverbFilters, QStringLiteral("Rvb"), QStringLiteral("Rvb%1Fre"),
            {35, 5, 40, 21});
    rows.push_back(Unbound(5, 10, "eq.pass", T("EQ直通", "EQ pass")));
}

void OutputRows(std::vector<ParamRow>& rows)
{
    const GroupId mix = GroupId::OutputMix;
    const struct
    {
        const char* stem;
        const char* key;
        int label;
        BilingualText caption;
    } levels[] = {{"MainMus", "music", 89, T("音乐电平", "Music Level")},
                  {"MainMic", "mic", 90, T("麦克风电平", "Mic Level")},
                  {"MainEchoA", "echoA", 91, T("回声A效果电平", "EchoA Level")},
                  {"MainEchoB", "echoB", 92, T("回声B效果电平", "EchoB Level")},
                  {"MainRvb", "reverb", 93, T("混响效果电平", "Rvb Effect Vol")}};
    int slot = 0;
    for (const auto& l : levels) {
        const QString stem = QLatin1String(l.stem);
        ParamRow level = Slider(6, slot++, mix, "", "", "", Kind::MixLevel, "", l.caption);
        level.name = stem + QStringLiteral("LevelBar");
        level.pane = stem + QStringLiteral("LevelPane");
        level.label = QStringLiteral("Label%1").arg(l.label);
        level.key = QLatin1String(l.key) + QStringLiteral(".level");
        rows.push_back(level.key == QLatin1String("music.level") ? Doubled(level) : level);
        ParamRow phase = Phase(6, slot++, mix, "", "", l.caption);
        phase.name = stem + QStringLiteral("PhaseBtn");
        phase.key = QLatin1String(l.key) + QStringLiteral(".phase");
        rows.push_back(phase);
    }
    rows.push_back(Slider(6, 10, mix, "MainLdelayBar", "MainLdelayPane", "OutLDelayLabel",
                          Kind::Delay, "delay", T("左通道延时 ", "Left Delay")));
    rows.push_back(Of(Control::OnOff, 6, 11, mix, "MainLmuteBtn", "", Kind::OnOff, "mute",
                      T("左静音", "L Mute")));
    const GroupId limiter = GroupId::OutputLimiter;
    rows.push_back(Slider(6, 12, limiter, "MainRmsLevelBar", "MainRmsLevelPane", "Label107",
                          Kind::OutputLimitLevel, "limiter.level",
                          T("压限启动电平", "Limit Level")));
    rows.push_back(Slider(6, 13, limiter, "MainRmsAttackBar", "MainRmsAttackPane", "Label113",
                          Kind::Attack, "limiter.attack", T("压限启动时间", "Attack Time")));
    rows.push_back(Slider(6, 14, limiter, "MainRmsReleaseBar", "MainRmsReleasePane", "Label114",
                          Kind::Release, "limiter.release", T("压限释放时间", "Release Time")));
    rows.push_back(Slider(6, 15, limiter, "MainRmsRatioBar", "MainRmsRatioPane", "Label115",
                          Kind::Ratio, "limiter.ratio", T("压缩比例", "Ratio")));
    Filters(rows, 6, 16, GroupId::OutputCrossover, QStringLiteral("Main"),
            QStringLiteral("MainMus%1Fre"), {19, 4, 31, 18});
    rows.push_back(Unbound(6, 20, "eq.pass", T("EQ直通", "EQ pass")));
    // The right side's delay and mute: rows 9 and 15 stand for the right block of the main or
    // surround family shown.
    rows.push_back(Slider(9, 10, mix, "MainRdelayBar", "MainRdelayPane", "Label157", Kind::Delay,
                          "delay", T("右通道延时 ", "Right Delay")));
    rows.push_back(Of(Control::OnOff, 9, 11, mix, "MainRmuteBtn", "", Kind::OnOff, "mute",
                      T("右静音", "R Mute")));
}

void DynamicEqRows(std::vector<ParamRow>& rows)
{
    rows.push_back(Unbound(1, 0, "link", T("动态均衡同步", "Dynamic EQ link")));
    const GroupId groups[] = {GroupId::DynamicEq1, GroupId::DynamicEq2, GroupId::DynamicEq3};
    const struct
    {
        const char* stem;
        Kind kind;
        const char* key;
        std::array<int, 3> labels;
        BilingualText caption;
    } dynamics[] = {
        {"Level",
         Kind::DynamicThreshold,
         "threshold",
         {123, 134, 138},
         T("压限启动电平", "Limit Level")},
        {"Attack", Kind::Attack, "attack", {124, 135, 139}, T("压限启动时间", "Attack Time")},
        {"Release", Kind::Release, "release", {129, 136, 140}, T("压限释放时间", "Release Time")},
        {"Ratio", Kind::Ratio, "ratio", {133, 137, 141}, T("压缩比例", "Ratio")}};
    for (int band = 0; band < 3; ++band) {
        const QString n = QString::number(band + 1);
        const int base = 10 * band;
        ParamRow trigger = Of(Control::Trigger, 1, base + 1, groups[band], "", "", Kind::Trigger,
                              "", T("动态均衡工作类型", "DEQ Work Type"));
        trigger.name = QStringLiteral("DEQTypeBox") + n;
        trigger.label = QStringLiteral("Label%1").arg(142 + band);
        trigger.key = QStringLiteral("band.%1.trigger").arg(n);
        trigger.band = band;
        rows.push_back(trigger);
        int offset = 7;
        for (const auto& d : dynamics) {
            const QString stem = QStringLiteral("DEQRms") + QLatin1String(d.stem);
            ParamRow r =
                Slider(1, base + offset++, groups[band], "", "", "", d.kind, "", d.caption);
            r.name = stem + QStringLiteral("Bar") + n;
            r.pane = stem + QStringLiteral("Pane") + n;
            r.label = QStringLiteral("Label%1").arg(d.labels[std::size_t(band)]);
            r.key = QStringLiteral("band.%1.%2").arg(n, QLatin1String(d.key));
            r.band = band;
            rows.push_back(r);
        }
    }
}

void SystemRows(std::vector<ParamRow>& rows)
{
    const struct
    {
        int slot;
        const char* stem;
        const char* label;
        const char* key;
        BilingualText caption;
    } volumes[] = {
        {0, "SysMicNormalVol", "Label59", "mic.normal", T("话筒音量", "Mic Vol")},
        {1, "SysMusNormalVol", "Label2", "music.normal", T("音乐音量", "Music Vol")},
        {2, "SysEffNormalVol", "Label3", "effect.normal", T("效果音量", "Effect Vol")},
        {3, "SysMicStartVol", "Label109", "mic.start", T("话筒起始音量", "Initial mic volume")},
        {4, "SysMicMaxVol", "Label110", "mic.max", T("话筒最大音量", "Max mic volume ")},
        {5, "SysMusStartVol", "Label102", "music.start", T("音乐起始音量", "Initial music volume")},
        {6, "SysMusMaxVol", "Label108", "music.max", T("音乐最大音量", "Max music volume ")},
        {7, "SysEffStartVol", "Label111", "effect.start",
         T("效果起始音量", "Initial effect volume")},
        {8, "SysEffMaxVol", "Label112", "effect.max", T("效果最大音量", "Max effect volume ")},
    };
    for (const auto& v : volumes) {
        const QString stem = QLatin1String(v.stem);
        ParamRow r = Slider(Block::SystemVolume, v.slot, GroupId::SystemVolumes, "", "", v.label,
                            Kind::Volume, v.key, v.caption);
        r.name = stem + QStringLiteral("Bar");
        r.pane = stem + QStringLiteral("Pane");
        rows.push_back(r);
    }
    rows.push_back(Pair(Block::SystemVolume, 9, "SysVolRunBtn1", "SysVolRunBtn2", "follow",
                        T("音量跟随", "Main volume")));
    rows.push_back(Unbound(Block::System, 2, "mode", T("模式", "Mode"), Kind::Choice));
    rows.push_back(List(Block::System, 20, GroupId::MusicInput, "SysInputBox", "Label11",
                        Kind::Choice, "music.input", T("输入选择", "Input"),
                        {QStringLiteral("Auto"), QStringLiteral("IN1"), QStringLiteral("IN2"),
                         QStringLiteral("OPTI")}));
    rows.push_back(List(Block::System, 3, GroupId::MusicInput, "SysMusInputLevelBox", "Label154",
                        Kind::Choice, "music.input.level", T("输入电平", "Input Level"),
                        {QStringLiteral("0dB"), QStringLiteral("3dB"), QStringLiteral("6dB")}));
    rows.push_back(Pair(Block::System, 4, "SysPanelBtn1", "SysPanelBtn2", "panel.lock",
                        T("面板键盘自动锁定", "Key panel lock ")));
    rows.push_back(Pair(Block::System, 8, "SysUserBtn", "SysManagerBtn", "manager",
                        T("用户/管理员模式", "User/Manager Mode")));
}

// The five rows of every band column of a family; the Q edit serves fields 3 and 4.
void BandRows(std::vector<ParamRow>& rows, const BandFamily& family)
{
    const bool dynamic = family.viewBlock == Block::DynamicEq;
    const char* fieldKeys[] = {"type", "frequency", "gain", "q", "shelf-q"};
    for (int band = 0; band < family.bands; ++band) {
        const QString n = QString::number(band + 1);
        for (int f = 0; f < 5; ++f) {
            const auto field = static_cast<BandField>(f);
            ParamRow r;
            r.address = MakeAddress(family.viewBlock, BandSlot(family.viewBlock, band, field));
            r.control = Control::Band;
            // Each dynamic band has a group box of its own.
            r.group = dynamic ? static_cast<GroupId>(static_cast<int>(GroupId::DynamicEq1) + band)
                              : family.group;
            r.band = band;
            r.field = field;
            r.caption = BandFieldCaption(field);
            r.key = (dynamic ? QStringLiteral("band.") : QStringLiteral("eq.")) + n +
                    QLatin1Char('.') + QLatin1String(fieldKeys[f]);
            switch (field) {
            case BandField::Type:
                r.kind = Kind::BandType;
                r.name = family.prefix + QStringLiteral("ModeBox") + n;
                if (dynamic)
                    r.items = QStringList{QStringLiteral("BYpass"), QStringLiteral("PEQ"),
                                          QStringLiteral("LSEQ"), QStringLiteral("HSEQ")};
                break;
            case BandField::Frequency:
                r.kind = Kind::Frequency;
                r.name = family.prefix + QStringLiteral("FreEdit") + n;
                break;
            case BandField::Gain:
                r.kind = Kind::Gain;
                r.name = family.prefix + QStringLiteral("GainEdit") + n;
                // The dynamic EQ cuts no deeper than -12 dB.
                r.bottom = dynamic ? 60 : 0;
                break;
            case BandField::PeakQ:
            case BandField::ShelfQ:
                r.kind = Kind::Q;
                r.name = family.prefix + QStringLiteral("QEdit") + n;
                r.spin = family.qSpin + n;
                // A shelving band's Q goes up to "1.60" only.
                r.top = field == BandField::ShelfQ ? 24 : -1;
                break;
            }
            rows.push_back(r);
        }
    }
}

std::vector<ParamRow> BuildRows()
{
    std::vector<ParamRow> rows;
    MusicRows(rows);
    DynamicEqRows(rows);
    MicrophoneRows(rows);
    EffectRows(rows);
    OutputRows(rows);
    rows.push_back(Unbound(Block::HiddenMusic, 0, "eq.pass", T("EQ直通", "EQ pass")));
    rows.push_back(Pair(9, 17, "SysRemoteBtn1", "SysRemoteBtn2", "remote", T("遥控", "Remote")));
    SystemRows(rows);
    for (const BandFamily& family : BandFamilies())
        BandRows(rows, family);
    return rows;
}

} // namespace

const std::vector<ParamRow>& ParameterRows()
{
    static const std::vector<ParamRow> rows = BuildRows();
    return rows;
}

const ParamRow* RowAt(ParamAddress viewAddress)
{
    static const QHash<ParamAddress, const ParamRow*> byAddress = [] {
        QHash<ParamAddress, const ParamRow*> map;
        for (const ParamRow& row : ParameterRows())
            map.insert(row.address, &row);
        return map;
    }();
    return byAddress.value(viewAddress);
}

const ParamRow* RowNamed(const QString& name)
{
    static const QHash<QString, const ParamRow*> byName = [] {
        QHash<QString, const ParamRow*> map;
        for (const ParamRow& row : ParameterRows())
            if (!row.name.isEmpty() && !map.contains(row.name))
                map.insert(row.name, &row);
        return map;
    }();
    return byName.value(name);
}

std::vector<const ParamRow*> RowsOf(GroupId group)
{
    std::vector<const ParamRow*> rows;
    for (const ParamRow& row : ParameterRows())
        if (row.group == group)
            rows.push_back(&row);
    return rows;
}

int RowBottom(const ParamRow& row)
{
    return row.bottom;
}

int RowTop(const ParamRow& row)
{
    if (row.control == Control::List && !row.items.isEmpty())
        return int(row.items.size()) - 1;
    return row.top >= 0 ? row.top : KindTop(row.kind);
}

int LimitToRow(const ParamRow& row, int value)
{
    return std::clamp(value, RowBottom(row), RowTop(row));
}

QString RowText(const ParamRow& row, int value, bool doubled)
{
    // A stored value is shown within the kind's range (and above the row's floor); only an edit
    // is held to the row's narrower range.
    const int shown =
        std::clamp(value, RowBottom(row), std::max(RowBottom(row), KindTop(row.kind)));
    if (!row.items.isEmpty())
        return row.items[std::clamp(shown, 0, int(row.items.size()) - 1)];
    return KindText(row.kind, shown, doubled ? 2 : 1);
}

QStringList RowItems(const ParamRow& row)
{
    if (!row.items.isEmpty())
        return row.items;
    QStringList items;
    for (int step = 0; step <= KindTop(row.kind); ++step)
        items << KindText(row.kind, step);
    return items;
}

} // namespace aec
