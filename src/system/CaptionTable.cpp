#include "system/CaptionTable.h"

#include <QHash>

namespace aec {

const std::vector<CaptionRow>& CaptionTable()
{
    static const std::vector<CaptionRow> table = {
        {{"FormMusTabBtn"}, {QStringLiteral("音乐"), QStringLiteral("Music")}},
        {{"FormDYNBtn"}, {QStringLiteral("动态均衡"), QStringLiteral("Dynamic EQ")}},
        {{"FormMICATabBtn"}, {QStringLiteral("麦克A"), QStringLiteral("MIC A")}},
        {{"FormMICBTabBtn"}, {QStringLiteral("麦克B"), QStringLiteral("MIC B")}},
        {{"FormEFFTabBtn"}, {QStringLiteral("效果"), QStringLiteral("Effect")}},
        {{"FormMAINTabBtn"}, {QStringLiteral("主输出"), QStringLiteral("Main")}},
        {{"FormSURTabBtn"}, {QStringLiteral("环绕"), QStringLiteral("Surround")}},
        {{"FormCENTabBtn"}, {QStringLiteral("中置"), QStringLiteral("Center")}},
        {{"FormSUBTabBtn"}, {QStringLiteral("超低音"), QStringLiteral("SUB")}},
        {{"FormHintTabBtn"}, {QStringLiteral("隐藏"), QStringLiteral("Hint")}},
        {{"RzToolButton11"}, {QStringLiteral("English"), QStringLiteral("中文")}},
        {{"EchoAToolButton"}, {QStringLiteral("回声A"), QStringLiteral("Echo A")}},
        {{"EchoBToolButton"}, {QStringLiteral("回声B"), QStringLiteral("Echo B")}},
        {{"RvbToolButton"}, {QStringLiteral("混响"), QStringLiteral("Reverb")}},
        {{"HintMusBtn"}, {QStringLiteral("音乐"), QStringLiteral("Music")}},
        {{"HintMicABtn"}, {QStringLiteral("话筒A"), QStringLiteral("MIC A")}},
        {{"HintMicBBtn"}, {QStringLiteral("话筒B"), QStringLiteral("MIC B")}},
        {{"DEQTYpeOffBtn1", "DEQTYpeOffBtn2", "DEQTYpeOffBtn3"},
         {QStringLiteral("关闭"), QStringLiteral("Off")}},
        {{"DEQTYpeBelowBtn1", "DEQTYpeBelowBtn2", "DEQTYpeBelowBtn3"},
         {QStringLiteral("低启动"), QStringLiteral("Below")}},
        {{"DEQTYpeAboveBtn1", "DEQTYpeAboveBtn2", "DEQTYpeAboveBtn3"},
         {QStringLiteral("高启动"), QStringLiteral("Above")}},
        {{"DeviceIDCaption"}, {QStringLiteral("设备编号"), QStringLiteral("Device ID")}},
        {{"RemoteGroup"}, {QStringLiteral("红外遥控管理"), QStringLiteral("")}},
        {{"RemoteLabel"}, {QStringLiteral("遥控"), QStringLiteral("Remote")}},
        {{"SysRemoteBtn1"}, {QStringLiteral("关闭"), QStringLiteral("Off")}},
        {{"SysRemoteBtn2"}, {QStringLiteral("开启"), QStringLiteral("On")}},
        {{"PinDCFBtn"}, {QStringLiteral("低触发"), QStringLiteral("Normal")}},
        {{"PinPPBtn"}, {QStringLiteral("频谱"), QStringLiteral("Spectrum")}},
        {{"LeftBtn"}, {QStringLiteral("音乐左"), QStringLiteral("Left")}},
        {{"SameBtn"}, {QStringLiteral("同步"), QStringLiteral("SYNC")}},
        {{"RightBtn"}, {QStringLiteral("音乐右"), QStringLiteral("Right")}},
        {{"AutoModeBtn"}, {QStringLiteral("自动"), QStringLiteral("Auto")}},
        {{"ManulModeBtn"}, {QStringLiteral("手动"), QStringLiteral("Manual")}},
        {{"SingModeBtn"}, {QStringLiteral("唱歌"), QStringLiteral("Sing")}},
        {{"DiscoModeBtn"}, {QStringLiteral("热舞"), QStringLiteral("Disco")}},
        {{"CodeModeBtn"}, {QStringLiteral("解码"), QStringLiteral("decode")}},
        {{"EQPassLabel"}, {QStringLiteral("EQ PASS"), QStringLiteral("EQ PASS")}},
        {{"EQResetBtn"}, {QStringLiteral("EQ重置"), QStringLiteral("EQ Reset")}},
        {{"EQImportBtn"}, {QStringLiteral("导入EQ..."), QStringLiteral("Import EQ...")}},
        {{"EQExportBtn"}, {QStringLiteral("导出EQ..."), QStringLiteral("Export EQ...")}},
        {{"MusEQAllpassBtn"}, {QStringLiteral("EQ pass"), QStringLiteral("EQ pass")}},
        {{"UnLinkBtn"}, {QStringLiteral("断开"), QStringLiteral("Unlink")}},
        {{"AdvTabSheet1"}, {QStringLiteral("主音量"), QStringLiteral("Main Volume")}},
        {{"QuickRecallGroup"}, {QStringLiteral("模式"), QStringLiteral("Modes")}},
        {{"Label60"}, {QStringLiteral("调用用户模式："), QStringLiteral("User mode setting：")}},
        {{"Label10"},
         {QStringLiteral("调用出厂模式："), QStringLiteral("Factory default setting：  ")}},
        {{"Label61"},
         {QStringLiteral("调用出厂模式时候，音量不会变化"),
          QStringLiteral("The factory pattern volume will not change")}},
        {{"AdvTabSheet2"}, {QStringLiteral("音量控制"), QStringLiteral("Volume Set")}},
        {{"PanelLockGroup"}, {QStringLiteral("面板与音量"), QStringLiteral("Panel and volume")}},
        {{"Label64"}, {QStringLiteral("面板键盘自动锁定"), QStringLiteral("Key panel lock ")}},
        {{"Label62"}, {QStringLiteral("音量跟随"), QStringLiteral("Main volume")}},
        {{"Label63"},
         {QStringLiteral("警告：音量跟随功能，如果控制不好则可能导致音量突然增大，对你的系统有破坏性的"
                         "影响，建议禁用，慎用！！！"),
          QStringLiteral("Warning: Please use carefully, overloaded signal will cause damage to "
                         "the system.")}},
        {{"SysPanelBtn1", "SysVolRunBtn1"}, {QStringLiteral("禁用"), QStringLiteral("Disable")}},
        {{"SysPanelBtn2", "SysVolRunBtn2"}, {QStringLiteral("启用"), QStringLiteral("Enable")}},
        {{"Label66"},
         {QStringLiteral("面板键盘自动锁密码修改"),
          QStringLiteral("Modify Auto Key Lock Password")}},
        {{"Label119"}, {QStringLiteral("旧密码"), QStringLiteral("Old:")}},
        {{"Label120"}, {QStringLiteral("新密码"), QStringLiteral("New:")}},
        {{"RzBmpButton22"}, {QStringLiteral("确定"), QStringLiteral("OK")}},
        {{"RzBmpButton23"}, {QStringLiteral("修改"), QStringLiteral("Modify")}},
        {{"AdvTabSheet3"}, {QStringLiteral("系统设定"), QStringLiteral("System setting")}},
        {{"Label65"}, {QStringLiteral("保存 / 调用模式"), QStringLiteral("Load/Save Mode")}},
        {{"Label128"}, {QStringLiteral("模式"), QStringLiteral("Mode")}},
        {{"Label130"}, {QStringLiteral("名称"), QStringLiteral("Name")}},
        {{"SysLoadModeBtn"}, {QStringLiteral("调用设备模式"), QStringLiteral("Load Mode")}},
        {{"SysSaveModeBtn"}, {QStringLiteral("保存设备模式"), QStringLiteral("Save Mode")}},
        {{"Label67"},
         {QStringLiteral("用户/管理员模式"), QStringLiteral("User/Manager Mode")}},
        {{"SysUserBtn"}, {QStringLiteral("用户"), QStringLiteral("User")}},
        {{"SysManagerBtn"}, {QStringLiteral("管理员"), QStringLiteral("admin")}},
        {{"SysPassLabel"}, {QStringLiteral("密码"), QStringLiteral("Password")}},
        {{"RzBmpButton118"}, {QStringLiteral("确定"), QStringLiteral("OK")}},
        {{"Label68"}, {QStringLiteral("密码修改"), QStringLiteral("Modify System Password")}},
        {{"Label69"}, {QStringLiteral("旧密码"), QStringLiteral("Old")}},
        {{"Label71"}, {QStringLiteral("新密码"), QStringLiteral("New")}},
        {{"Label125"}, {QStringLiteral("确定"), QStringLiteral("confirm")}},
        {{"PresetGroup"}, {QStringLiteral("参数文件"), QStringLiteral("Preset files")}},
        {{"Label126"}, {QStringLiteral("模式名称"), QStringLiteral("Mode Name:")}},
        {{"RzBmpButton119"}, {QStringLiteral("上传数据到设备"), QStringLiteral("Load File data")}},
        {{"RzBmpButton120"}, {QStringLiteral("保存数据到电脑"), QStringLiteral("Save Data to PC")}},
        {{"PresetJsonImportBtn"},
         {QStringLiteral("导入JSON..."), QStringLiteral("Import JSON...")}},
        {{"PresetJsonExportBtn"},
         {QStringLiteral("导出JSON..."), QStringLiteral("Export JSON...")}},
        {{"LockPanelLabel"},
         {QStringLiteral("面板已锁定，请输入密码"),
          QStringLiteral("The panel is locked: enter its code")}},
        {{"RzBmpButton4"}, {QStringLiteral("确定"), QStringLiteral("OK")}},
    };
    return table;
}

BilingualText CaptionOf(const QString& control)
{
    static const QHash<QString, BilingualText> byControl = [] {
        QHash<QString, BilingualText> map;
        for (const CaptionRow& row : CaptionTable())
            for (const QString& name : row.controls)
                map.insert(name, row.text);
        return map;
    }();
    return byControl.value(control);
}

} // namespace aec
