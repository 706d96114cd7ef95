#include "system/ui/SystemPanels.h"

#include "editing/ui/Captions.h"
#include "editing/ui/ControlTags.h"
#include "editing/ui/PageKit.h"
#include "editing/ui/ParamWidgets.h"
#include "system/ModeList.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTableWidget>

namespace aec {
QWidget* BuildModeGroup(QWidget* parent)
{
    auto* group = PageKit::Group(parent, QStringLiteral("ModeGroup"),
                                 PageKit::Text("保存 / 调用模式", "Load/Save Mode"));
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->addWidget(PageKit::Label(group, {}, PageKit::Text("模式", "Mode")), 0, 0);
    grid->addWidget(PageKit::Combo(group, QStringLiteral("SysModeBox"), ModeList::FillModeList({}),
                                   PageKit::NoKind),
                    0, 1);
    grid->addWidget(PageKit::Label(group, {}, PageKit::Text("名称", "Name")), 1, 0);
    auto* name = new QLineEdit(group);
    name->setObjectName(QStringLiteral("PresetModeEdit"));
    name->setMaxLength(ModeList::NameLength);
    grid->addWidget(name, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PageKit::Button(group, QStringLiteral("SysLoadModeBtn"),
                                       PageKit::Text("调用设备模式", "Load Mode")));
    buttons->addWidget(PageKit::Button(group, QStringLiteral("SysSaveModeBtn"),
                                       PageKit::Text("保存设备模式", "Save Mode")));
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* BuildPresetGroup(QWidget* parent)
{
    auto* group = PageKit::Group(parent, QStringLiteral("PresetGroup"),
                                 PageKit::Text("参数文件", "Preset files"));
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 6);
    auto* list = new QTableWidget(0, 2, group);
    list->setObjectName(QStringLiteral("ValueListEditor1"));
    list->setHorizontalHeaderLabels({QStringLiteral("NO."), QStringLiteral("File Name")});
    list->horizontalHeader()->setStretchLastSection(true);
    list->verticalHeader()->hide();
    list->setColumnWidth(0, 40);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setMinimumHeight(90);
    grid->addWidget(list, 0, 0, 1, 2);
    grid->addWidget(
        PageKit::Label(group, QStringLiteral("Label126"), PageKit::Text("模式名称", "Mode Name:")),
        1, 0);
    auto* file = new QLineEdit(group);
    file->setObjectName(QStringLiteral("FileEdit"));
    grid->addWidget(file, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PageKit::Button(group, QStringLiteral("RzBmpButton119"),
                                       PageKit::Text("上传数据到设备", "Load File data")));
    buttons->addWidget(PageKit::Button(group, QStringLiteral("RzBmpButton120"),
                                       PageKit::Text("保存数据到电脑", "Save Data to PC")));
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* BuildQuickRecallGroup(QWidget* parent)
{
    auto* group =
        PageKit::Group(parent, QStringLiteral("QuickRecallGroup"), PageKit::Text("模式", "Modes"));
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setHorizontalSpacing(3);
    grid->addWidget(PageKit::Label(group, QStringLiteral("Label60"),
                                   PageKit::Text("调用用户模式：", "User mode setting：")),
                    0, 0, 1, 6);
    for (int i = 0; i < 4; ++i) {
        auto* button = PageKit::Button(group, QStringLiteral("SysModeBtn%1").arg(i + 1));
        button->setText(QString::number(i + 1));
        SetTag(button, i);
        grid->addWidget(button, 1, i);
    }
    QStringList more;
    for (int i = 5; i <= 16; ++i)
        more << QString::number(i);
    auto* list = PageKit::Combo(group, QStringLiteral("SysModeBox2"), more, PageKit::NoKind);
    list->setCurrentIndex(-1);
    grid->addWidget(list, 1, 4, 1, 2);
    grid->addWidget(PageKit::Label(group, QStringLiteral("Label10"),
                                   PageKit::Text("调用出厂模式：", "Factory default setting：  ")),
                    2, 0, 1, 6);
    for (int i = 0; i < 6; ++i) {
        const QString name =
            i == 0 ? QStringLiteral("SysFactoryBtn") : QStringLiteral("SysFactoryBtn%1").arg(i + 1);
        auto* button = PageKit::Button(group, name);
        button->setText(QString::number(i + 1));
        SetTag(button, 16 + i);
        grid->addWidget(button, 3, i);
    }
    auto* note = PageKit::Label(group, QStringLiteral("Label61"),
                                PageKit::Text("调用出厂模式时候，音量不会变化",
                                              "The factory pattern volume will not change"));
    note->setWordWrap(true);
    grid->addWidget(note, 4, 0, 1, 6);
    return group;
}

namespace {

// A code or password edit: digits only, at most `length`, masked where the codes are secret.
QLineEdit* CodeEdit(QWidget* parent, const QString& name, int length, bool masked,
                    bool enabled = true)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(length);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    if (masked)
        edit->setEchoMode(QLineEdit::Password);
    edit->setEnabled(enabled);
    return edit;
}

// An on/off pair of buttons sharing one address: the first stands for 0, the second for 1.
void OptionPair(QGridLayout* grid, int row, QWidget* parent, const BilingualText& caption,
                const char* off, const char* on, int address, const BilingualText& offCaption,
                const BilingualText& onCaption)
{
    grid->addWidget(PageKit::Label(parent, {}, caption), row, 0);
    auto* pair = new QHBoxLayout;
    int value = 0;
    for (const auto& [name, text] : {std::pair{off, offCaption}, std::pair{on, onCaption}}) {
        auto* button = PageKit::Button(parent, QLatin1String(name), text);
        SetTag(button, address);
        SetHint(button, QString::number(value++));
        pair->addWidget(button);
    }
    grid->addLayout(pair, row, 1, 1, 2);
}

} // namespace

QWidget* BuildPanelLockGroup(QWidget* parent)
{
    auto* group = PageKit::Group(parent, QStringLiteral("PanelLockGroup"),
                                 PageKit::Text("面板与音量", "Panel and volume"));
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 6);
    const BilingualText disable = PageKit::Text("禁用", "Disable");
    const BilingualText enable = PageKit::Text("启用", "Enable");
    OptionPair(grid, 0, group, PageKit::Text("面板键盘自动锁定", "Key panel lock "), "SysPanelBtn1",
               "SysPanelBtn2", 7684, disable, enable);
    OptionPair(grid, 1, group, PageKit::Text("音量跟随", "Main volume"), "SysVolRunBtn1",
               "SysVolRunBtn2", 7433, disable, enable);
    grid->addWidget(
        PageKit::Label(group, QStringLiteral("Label66"),
                       PageKit::Text("面板键盘自动锁密码修改", "Modify Auto Key Lock Password")),
        2, 0, 1, 3);
    grid->addWidget(
        PageKit::Label(group, QStringLiteral("Label119"), PageKit::Text("旧密码", "Old:")), 3, 0);
    grid->addWidget(CodeEdit(group, QStringLiteral("PassPanelLabel1"), 4, false), 3, 1);
    grid->addWidget(
        PageKit::Button(group, QStringLiteral("RzBmpButton22"), PageKit::Text("确定", "OK")), 3, 2);
    grid->addWidget(
        PageKit::Label(group, QStringLiteral("Label120"), PageKit::Text("新密码", "New:")), 4, 0);
    grid->addWidget(CodeEdit(group, QStringLiteral("NewPassLabel1"), 4, true, false), 4, 1);
    grid->addWidget(
        PageKit::Button(group, QStringLiteral("RzBmpButton23"), PageKit::Text("修改", "Modify")), 4,
        2);
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* BuildManagerGroup(QWidget* parent)
{
    auto* group = PageKit::Group(parent, QStringLiteral("ManagerGroup"),
                                 PageKit::Text("用户/管理员模式", "User/Manager Mode"));
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 6);
    auto* users = new QWidget(group);
    users->setObjectName(QStringLiteral("SysUserMangerGrop"));
    auto* pair = new QHBoxLayout(users);
    pair->setContentsMargins(0, 0, 0, 0);
    int value = 0;
    for (const auto& [name, caption] :
         {std::pair{"SysUserBtn", PageKit::Text("用户", "User")},
          std::pair{"SysManagerBtn", PageKit::Text("管理员", "admin")}}) {
        auto* button = PageKit::Button(users, QLatin1String(name), caption);
        SetTag(button, 7688);
        SetHint(button, QString::number(value++));
        pair->addWidget(button);
    }
    grid->addWidget(users, 0, 0, 1, 3);
    grid->addWidget(PageKit::Label(group, {}, PageKit::Text("密码", "Password")), 1, 0);
    grid->addWidget(CodeEdit(group, QStringLiteral("SysPassEdit"), 6, true), 1, 1);
    grid->addWidget(
        PageKit::Button(group, QStringLiteral("RzBmpButton118"), PageKit::Text("确定", "OK")), 1,
        2);
    grid->addWidget(PageKit::Label(group, QStringLiteral("Label68"),
                                   PageKit::Text("密码修改", "Modify System Password")),
                    2, 0, 1, 3);
    grid->addWidget(
        PageKit::Label(group, QStringLiteral("Label69"), PageKit::Text("旧密码", "Old")), 3, 0);
    grid->addWidget(CodeEdit(group, QStringLiteral("SysPanelLabel1"), 6, true), 3, 1, 1, 2);
    grid->addWidget(
        PageKit::Label(group, QStringLiteral("Label71"), PageKit::Text("新密码", "New")), 4, 0);
    grid->addWidget(CodeEdit(group, QStringLiteral("NewSysPassLabel1"), 6, true, false), 4, 1, 1,
                    2);
    grid->addWidget(
        PageKit::Label(group, QStringLiteral("Label125"), PageKit::Text("确定", "confirm")), 5, 0);
    grid->addWidget(CodeEdit(group, QStringLiteral("NewSysPassLabel2"), 6, true, false), 5, 1, 1,
                    2);
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* BuildRemoteGroup(QWidget* parent)
{
    auto* group =
        PageKit::Group(parent, QStringLiteral("RemoteGroup"), PageKit::Text("红外遥控管理", ""));
    auto* grid = new QGridLayout(group);
    OptionPair(grid, 0, group, PageKit::Text("遥控", "Remote"), "SysRemoteBtn1", "SysRemoteBtn2",
               2321, PageKit::Text("关闭", "Off"), PageKit::Text("开启", "On"));
    return group;
}

QWidget* BuildLockPanel(QWidget* window)
{
    auto* panel = new QGroupBox(window);
    panel->setObjectName(QStringLiteral("FirstCheckGrop"));
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(16, 14, 16, 14);
    grid->addWidget(PageKit::Label(panel, {},
                                   PageKit::Text("面板已锁定，请输入密码",
                                                 "The panel is locked: enter its code")),
                    0, 0, 1, 2);
    grid->addWidget(CodeEdit(panel, QStringLiteral("PanelPassWordEdit"), 6, true), 1, 0);
    grid->addWidget(
        PageKit::Button(panel, QStringLiteral("RzBmpButton4"), PageKit::Text("确定", "OK")), 1, 1);
    panel->adjustSize();
    panel->hide();
    return panel;
}

} // namespace aec
