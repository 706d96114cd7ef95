// Every caption pair of the window's design is shown by its control, in both languages. The pairs
// are the design's own, written here as data; the few the window shows differently on purpose
// are listed with their reason.
#include "editing/ui/MainWindowFixture.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTabWidget>

namespace aec::test {
namespace {

struct Pair
{
    const char* control;
    const char* chinese;
    const char* english;
};

// The design's caption pairs ("\n" a line break inside the text).
const Pair DesignPairs[] = {
    {"Label9", "变调", "  Key \ncontrol"},
    {"Label8", "光纤音量", "OPTI Vol"},
    {"Label7", "输入2音量", "In2 Vol"},
    {"Label6", "输入1音量", "In1 Vol"},
    {"Label37", "低通", "LPF"},
    {"Label36", "高通", "HPF"},
    {"Label17", "高通", "HPF"},
    {"Label48", "高通", "HPF"},
    {"Label35", "高通", "HPF"},
    {"Label19", "高通", "HPF"},
    {"Label34", " 低通", "LP"},
    {"Label16", " 低通", "LP"},
    {"Label42", " 低通", "LP"},
    {"Label21", " 低通", "LP"},
    {"Label18", " 低通", "LP"},
    {"Label33", "高通", "HP"},
    {"Label15", "高通", "HP"},
    {"Label13", "高通", "HP"},
    {"Label5", "高通", "HP"},
    {"Label4", "高通", "HP"},
    {"Label12", "模拟增益", "Analog Gain"},
    {"Label11", "输入选择", "Input"},
    {"Label14", "增益", "Gain"},
    {"Label25", "增益", "Gain"},
    {"Label29", "增益", "Gain"},
    {"Label39", "增益", "Gain"},
    {"Label49", "增益", "Gain"},
    {"Label103", "增益", "Gain"},
    {"Label54", "增益", "Gain"},
    {"Label58", "增益", "Gain"},
    {"Label74", "增益", "Gain"},
    {"Label22", "类型", "Type"},
    {"Label26", "类型", "Type"},
    {"Label30", "类型", "Type"},
    {"Label41", "类型", "Type"},
    {"Label51", "类型", "Type"},
    {"Label104", "类型", "Type"},
    {"Label55", "类型", "Type"},
    {"Label70", "类型", "Type"},
    {"Label75", "类型", "Type"},
    {"Label23", "频率", "Hz"},
    {"Label27", "频率", "Hz"},
    {"Label32", "频率", "Hz"},
    {"Label45", "频率", "Hz"},
    {"Label52", "频率", "Hz"},
    {"Label105", "频率", "Hz"},
    {"Label56", "频率", "Hz"},
    {"Label72", "频率", "Hz"},
    {"Label76", "频率", "Hz"},
    {"Label24", "Q值", "Q"},
    {"Label28", "Q值", "Q"},
    {"Label38", "Q值", "Q"},
    {"Label46", "Q值", "Q"},
    {"Label53", "Q值", "Q"},
    {"Label106", "Q值", "Q"},
    {"Label57", "Q值", "Q"},
    {"Label73", "Q值", "Q"},
    {"Label77", "Q值", "Q"},
    {"Label154", "输入电平", "Input Level"},
    {"Label155", "啸叫抑制", "Feedback"},
    {"AdvGroupBox1", "麦克风A压限", "MIC A Limit"},
    {"Label117", "压限启动电平", "Limit Level"},
    {"Label107", "压限启动电平", "Limit Level"},
    {"Label123", "压限启动电平", "Limit Level"},
    {"Label134", "压限启动电平", "Limit Level"},
    {"Label138", "压限启动电平", "Limit Level"},
    {"Label118", "压限启动时间", "Attack Time"},
    {"Label113", "压限启动时间", "Attack Time"},
    {"Label124", "压限启动时间", "Attack Time"},
    {"Label135", "压限启动时间", "Attack Time"},
    {"Label139", "压限启动时间", "Attack Time"},
    {"Label121", "压限释放时间", "Release Time"},
    {"Label114", "压限释放时间", "Release Time"},
    {"Label129", "压限释放时间", "Release Time"},
    {"Label136", "压限释放时间", "Release Time"},
    {"Label140", "压限释放时间", "Release Time"},
    {"Label122", "压缩比例", "Ratio"},
    {"Label115", "压缩比例", "Ratio"},
    {"Label133", "压缩比例", "Ratio"},
    {"Label137", "压缩比例", "Ratio"},
    {"Label141", "压缩比例", "Ratio"},
    {"Label20", " 低通", "LPF"},
    {"Label50", " 低通", "LPF"},
    {"Label40", " 低通", "LPF"},
    {"Label31", " 低通", "LPF"},
    {"AdvGroupBox16", "麦克风A噪声门", "Mic A Noise"},
    {"Label145", "启动电平", "Threshold\n"},
    {"Label146", "启动时间", "Attack Time"},
    {"Label153", "释放时间", "Release Time"},
    {"Label78", "回声音量", "Echo Effect Vol"},
    {"Label79", "回声直达声", "Echo Direct Vol"},
    {"Label80", "回声预延时", "Echo Pre-Delay"},
    {"Label81", "回声延时", "Echo Delay"},
    {"Label82", "回声重复比率", "Echo Repeat"},
    {"Label83", "右通道预延时", "Right Pre-delay"},
    {"Label84", "右通道延时", "Right delay"},
    {"Label85", "混响音量", "Echo Effect Vol"},
    {"Label86", "混响直达声", "Rvb Direct Vol"},
    {"Label87", "混响预延时", "Rvb PreDelay"},
    {"Label88", "混响时间", "Rvb Time"},
    {"AdvGroupBox2", "混响高低通", "Rvb LHP "},
    {"RvbToolButton", "混响", "Reverb"},
    {"EchoAToolButton", "回声A", "Echo A"},
    {"EchoBToolButton", "回声B", "Echo B"},
    {"OutLDelayLabel", "左通道延时 ", "Left Delay"},
    {"Label157", "右通道延时 ", "Right Delay"},
    {"OutLimiteGroup", "主输出压限", "Limit"},
    {"Label89", "音乐电平", "Music Level"},
    {"Label90", "麦克风电平", "Mic Level"},
    {"Label91", "回声A效果电平", "EchoA Level"},
    {"Label92", "回声B效果电平", "EchoB Level"},
    {"Label93", "混响效果电平", "Rvb Effect Vol"},
    {"OutLHPGroup", "主输出分频", "HP/LP"},
    {"HintMicBBtn", "话筒B", "中文"},
    {"HintMusBtn", "音乐", "中文"},
    {"HintMicABtn", "话筒A", "中文"},
    {"Label142", "动态均衡工作类型", "DEQ Work Type"},
    {"Label143", "动态均衡工作类型", "DEQ Work Type"},
    {"Label144", "动态均衡工作类型", "DEQ Work Type"},
    {"EQPassLabel", "EQ PASS", "EQ PASS"},
    {"FormMusTabBtn", "音乐", "Music"},
    {"FormDYNBtn", "动态均衡", "Dynamic EQ"},
    {"FormMICATabBtn", "麦克A", "MIC A"},
    {"FormMICBTabBtn", "麦克B", "MIC B"},
    {"FormEFFTabBtn", "效果", "Effect"},
    {"FormMAINTabBtn", "主输出", "Main"},
    {"FormSURTabBtn", "环绕", "Surround"},
    {"FormCENTabBtn", "中置", "Center"},
    {"FormSUBTabBtn", "超低音", "SUB"},
    {"FormHintTabBtn", "隐藏", "Hint"},
    {"RzToolButton11", "English", "中文"},
    {"AdvTabSheet1", "主音量", "Main Volume"},
    {"Label2", "音乐音量", "Music Vol"},
    {"Label59", "话筒音量", "Mic Vol"},
    {"Label3", "效果音量", "Effect Vol"},
    {"musLabel", "0", "Music Vol"},
    {"micLabel", "0", "Music Vol"},
    {"EffLabel", "0", "Music Vol"},
    {"Label10", "调用出厂模式：", "Factory default setting：  "},
    {"Label61", "调用出厂模式时候，音量不会变化", "The factory pattern volume will not change\n"},
    {"Label60", "调用用户模式：", "User mode setting："},
    {"Label62", "音量跟随", "Main volume"},
    {"Label63", "警告：音量跟随功能，如果控制不好则\n可能导致音量突然增大，对你的系统有\n破坏性的影响，建议禁用，慎用！！！", "Warning:Please use carefully,\noverloaded signal will cause \ndamage to the system."},
    {"AdvTabSheet2", "音量控制", "Volume Set"},
    {"Label64", "面板键盘自动锁定", "Key panel lock "},
    {"Label112", "效果最大音量", "Max effect volume "},
    {"Label111", "效果起始音量", "Initial effect volume"},
    {"Label110", "话筒最大音量", "Max mic volume "},
    {"Label109", "话筒起始音量", "Initial mic volume"},
    {"Label108", "音乐最大音量", "Max music volume "},
    {"Label102", "音乐起始音量", "Initial music volume"},
    {"Label66", "面板键盘自动锁密码修改", "Modify Auto Key Lock Password"},
    {"Label119", "旧密码", "Old:"},
    {"Label120", "新密码", "New:"},
    {"AdvTabSheet3", "系统设定", "System setting"},
    {"Label67", "用户/管理员模式", "User/Manager Mode"},
    {"Label65", "保存 / 调用模式", "Load/Save Mode"},
    {"Label128", "模式", "Mode"},
    {"Label130", "名称", "Name"},
    {"Label148", "用户", "User"},
    {"Label149", "管理员", "admin"},
    {"Label68", "密码修改", "Modify System Password"},
    {"Label69", "旧密码", "Old"},
    {"Label71", "新密码", "New"},
    {"Label125", "确定", "confirm"},
    {"Label126", "模式名称", "Mode Name:"},
    {"PinPPBtn", "频谱", "Spectrum"},
    {"PinDCFBtn", "低触发", "Normal"},
    {"SameBtn", "同步", "SYNC"},
    {"EQResetBtn", "EQ重置", "EQ Reset"},
    {"ManulModeBtn", "手动", "Manual"},
    {"AutoModeBtn", "自动", "Auto"},
    {"SingModeBtn", "唱歌", "Sing"},
    {"DiscoModeBtn", "热舞", "Disco"},
    {"CodeModeBtn", "解码", "decode"},
    {"SysLoadModeBtn", "调用设备模式", "Load Mode"},
    {"SysSaveModeBtn", "保存设备模式", "Save Mode"},
    {"RzBmpButton118", "确定", "OK"},
    {"RzBmpButton24", "单模式参数", "Alone Mode File"},
    {"RzBmpButton25", "整机参数", "All Mode File"},
    {"RzBmpButton119", "上传数据到设备", "Load File data"},
    {"RzBmpButton120", "保存数据到电脑", "Save Data to PC"},
    {"SysPanelBtn2", "启用", "Enable"},
    {"SysVolRunBtn2", "启用", "Enable"},
    {"SysPanelBtn1", "禁用", "Disable"},
    {"SysVolRunBtn1", "禁用", "Disable"},
    {"RzBmpButton22", "确定", "OK"},
    {"RzBmpButton23", "修改", "Modify"},
    {"MainRmuteBtn", "右静音", "R Mute"},
    {"DEQTYpeOffBtn1", "关闭", "Off"},
    {"DEQTYpeOffBtn2", "关闭", "Off"},
    {"DEQTYpeOffBtn3", "关闭", "Off"},
    {"DEQTYpeBelowBtn1", "低启动", "Below"},
    {"DEQTYpeBelowBtn2", "低启动", "Below"},
    {"DEQTYpeBelowBtn3", "低启动", "Below"},
    {"DEQTYpeAboveBtn1", "高启动", "Above"},
    {"DEQTYpeAboveBtn2", "高启动", "Above"},
    {"DEQTYpeAboveBtn3", "高启动", "Above"},
};

// Shown differently on purpose.
const Pair Departures[] = {
    // The design's English texts of the hidden EQ's source buttons read "中文".
    {"HintMusBtn", "音乐", "Music"},
    {"HintMicABtn", "话筒A", "MIC A"},
    {"HintMicBBtn", "话筒B", "MIC B"},
    // The reverb's level is not the echo's.
    {"Label85", "混响音量", "Rvb Effect Vol"},
    // The line break and spaces fitted a fixed-size label; the label now sizes to its text.
    {"Label9", "变调", "Key control"},
};
// The design's labels whose text the window shows on the control beside them.
const std::pair<const char*, const char*> Aliases[] = {{"Label148", "SysUserBtn"},
                                                       {"Label149", "SysManagerBtn"}};
// Value labels: their text is a volume, written while a handle is dragged.
const char* const ValueLabels[] = {"musLabel", "micLabel", "EffLabel"};
// Buttons still to come with the whole-unit preset files.
const char* const NotYetBuilt[] = {"RzBmpButton24", "RzBmpButton25"};

// What a person sees: blanks at either end are layout, and so are the line breaks and spaces
// of a text that wraps to its label's width.
QString Seen(QString text, bool wrapped)
{
    if (wrapped)
        text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text.trimmed();
}

class CaptionPairs : public MainWindowFixture
{
protected:
    QString shown(const char* name, bool* wrapped)
    {
        for (const auto& [design, ours] : Aliases)
            if (qstrcmp(design, name) == 0)
                name = ours;
        QWidget* w = window.findChild<QWidget*>(QLatin1String(name));
        if (!w) {
            ADD_FAILURE() << "no control " << name;
            return {};
        }
        *wrapped = false;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            *wrapped = label->wordWrap();
            return label->text();
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            return button->text();
        if (auto* group = qobject_cast<QGroupBox*>(w))
            return group->title();
        // A tab sheet shows its caption on its tab.
        for (QTabWidget* tabs : window.findChildren<QTabWidget*>())
            if (const int index = tabs->indexOf(w); index >= 0)
                return tabs->tabText(index);
        ADD_FAILURE() << name << " shows no caption";
        return {};
    }
};

TEST_F(CaptionPairs, EveryDesignPairIsShownInBothLanguages)
{
    for (const bool chinese : {true, false}) {
        window.SetCaptionLanguage(chinese ? 1 : 0);
        for (const Pair& pair : DesignPairs) {
            if (std::count_if(std::begin(ValueLabels), std::end(ValueLabels),
                              [&](const char* v) { return qstrcmp(v, pair.control) == 0; }) ||
                std::count_if(std::begin(NotYetBuilt), std::end(NotYetBuilt),
                              [&](const char* v) { return qstrcmp(v, pair.control) == 0; }))
                continue;
            Pair expected = pair;
            for (const Pair& departure : Departures)
                if (qstrcmp(departure.control, pair.control) == 0)
                    expected = departure;
            SCOPED_TRACE(std::string(pair.control) + (chinese ? " in Chinese" : " in English"));
            bool wrapped = false;
            const QString text = shown(pair.control, &wrapped);
            const QString want = QString::fromUtf8(chinese ? expected.chinese : expected.english);
            EXPECT_EQ(Seen(text, wrapped), Seen(want, wrapped));
        }
    }
}

} // namespace
} // namespace aec::test
