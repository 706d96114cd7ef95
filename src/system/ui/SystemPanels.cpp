#include "system/ui/SystemPanels.h"

#include "core/ParameterTable.h"
#include "system/ModeList.h"
#include "widgets/Binder.h"
#include "widgets/ControlTags.h"
#include "widgets/PageKit.h"
#include "widgets/ParamWidgets.h"

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
    auto* group = PageKit::NamedGroup(parent, QStringLiteral("Label65"));
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->addWidget(PageKit::Label(group, QStringLiteral("Label128")), 0, 0);
    grid->addWidget(PageKit::Combo(group, QStringLiteral("SysModeBox"), ModeList::FillModeList({})),
                    0, 1);
    grid->addWidget(PageKit::Label(group, QStringLiteral("Label130")), 1, 0);
    auto* name = new QLineEdit(group);
    name->setObjectName(QStringLiteral("PresetModeEdit"));
    name->setMaxLength(ModeList::NameLength);
    grid->addWidget(name, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PageKit::Button(group, QStringLiteral("SysLoadModeBtn")));
    buttons->addWidget(PageKit::Button(group, QStringLiteral("SysSaveModeBtn")));
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* BuildPresetGroup(QWidget* parent)
{
    auto* group = PageKit::NamedGroup(parent, QStringLiteral("PresetGroup"));
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
    list->setTabKeyNavigation(false); // the arrows choose a preset; Tab leaves the list
    list->setMinimumHeight(90);
    grid->addWidget(list, 0, 0, 1, 2);
    grid->addWidget(PageKit::Label(group, QStringLiteral("Label126")), 1, 0);
    auto* file = new QLineEdit(group);
    file->setObjectName(QStringLiteral("FileEdit"));
    grid->addWidget(file, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PageKit::Button(group, QStringLiteral("RzBmpButton119")));
    buttons->addWidget(PageKit::Button(group, QStringLiteral("RzBmpButton120")));
    grid->addLayout(buttons, 2, 0, 1, 2);
    // Readable presets anywhere on disk, beside the scrambled ones of the list.
    auto* json = new QHBoxLayout;
    json->addWidget(PageKit::Button(group, QStringLiteral("PresetJsonImportBtn")));
    json->addWidget(PageKit::Button(group, QStringLiteral("PresetJsonExportBtn")));
    grid->addLayout(json, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* BuildQuickRecallGroup(QWidget* parent, Binder& binder)
{
    auto* group = PageKit::NamedGroup(parent, QStringLiteral("QuickRecallGroup"));
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setHorizontalSpacing(3);
    grid->addWidget(PageKit::Label(group, QStringLiteral("Label60")), 0, 0, 1, 6);
    for (int i = 0; i < 4; ++i) {
        auto* button = PageKit::Button(group, QStringLiteral("SysModeBtn%1").arg(i + 1));
        button->setText(QString::number(i + 1));
        binder.names().add(button, {QStringLiteral("用户模式 %1").arg(i + 1),
                                    QStringLiteral("User mode %1").arg(i + 1)});
        SetTag(button, i);
        grid->addWidget(button, 1, i);
    }
    QStringList more;
    for (int i = 5; i <= 16; ++i)
        more << QString::number(i);
    auto* list = PageKit::Combo(group, QStringLiteral("SysModeBox2"), more);
    list->setCurrentIndex(-1);
    binder.names().add(list, {QStringLiteral("更多用户模式"), QStringLiteral("More user modes")});
    grid->addWidget(list, 1, 4, 1, 2);
    grid->addWidget(PageKit::Label(group, QStringLiteral("Label10")), 2, 0, 1, 6);
    for (int i = 0; i < 6; ++i) {
        const QString name =
            i == 0 ? QStringLiteral("SysFactoryBtn") : QStringLiteral("SysFactoryBtn%1").arg(i + 1);
        auto* button = PageKit::Button(group, name);
        button->setText(QString::number(i + 1));
        binder.names().add(button, {QStringLiteral("出厂模式 %1").arg(i + 1),
                                    QStringLiteral("Factory mode %1").arg(i + 1)});
        SetTag(button, 16 + i);
        grid->addWidget(button, 3, i);
    }
    auto* note = PageKit::Label(group, QStringLiteral("Label61"));
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

// An edit beside the label that names it, for screen readers too.
void LabelledEdit(QGridLayout* grid, int row, QWidget* parent, const char* label, QLineEdit* edit,
                  int span = 1)
{
    QLabel* caption = PageKit::Label(parent, QLatin1String(label));
    caption->setBuddy(edit);
    grid->addWidget(caption, row, 0);
    grid->addWidget(edit, row, 1, 1, span);
}

// An on/off pair of buttons sharing one parameter: the first stands for 0, the second for 1.
void OptionPair(QGridLayout* grid, int row, QWidget* parent, const char* label, const char* off,
                Binder& binder)
{
    const ParamRow& parameter = *RowNamed(QLatin1String(off));
    grid->addWidget(PageKit::Label(parent, QLatin1String(label)), row, 0);
    auto* pair = new QHBoxLayout;
    auto* offButton = PageKit::Button(parent, parameter.name);
    auto* onButton = PageKit::Button(parent, parameter.second);
    pair->addWidget(offButton);
    pair->addWidget(onButton);
    binder.bind(parameter, offButton, onButton);
    grid->addLayout(pair, row, 1, 1, 2);
}

} // namespace

QWidget* BuildPanelLockGroup(QWidget* parent, Binder& binder)
{
    auto* group = PageKit::NamedGroup(parent, QStringLiteral("PanelLockGroup"));
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 6);
    OptionPair(grid, 0, group, "Label64", "SysPanelBtn1", binder);
    OptionPair(grid, 1, group, "Label62", "SysVolRunBtn1", binder);
    // The volume follow can raise the volume at once: the warning stays beside its switch.
    auto* warning = PageKit::Label(group, QStringLiteral("Label63"));
    warning->setWordWrap(true);
    warning->setProperty("role", QStringLiteral("warning"));
    grid->addWidget(warning, 2, 0, 1, 3);
    grid->addWidget(PageKit::Label(group, QStringLiteral("Label66")), 3, 0, 1, 3);
    LabelledEdit(grid, 4, group, "Label119",
                 CodeEdit(group, QStringLiteral("PassPanelLabel1"), 4, false));
    grid->addWidget(PageKit::Button(group, QStringLiteral("RzBmpButton22")), 4, 2);
    LabelledEdit(grid, 5, group, "Label120",
                 CodeEdit(group, QStringLiteral("NewPassLabel1"), 4, true, false));
    grid->addWidget(PageKit::Button(group, QStringLiteral("RzBmpButton23")), 5, 2);
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* BuildManagerGroup(QWidget* parent, Binder& binder)
{
    auto* group = PageKit::NamedGroup(parent, QStringLiteral("Label67"));
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 6);
    auto* users = new QWidget(group);
    users->setObjectName(QStringLiteral("SysUserMangerGrop"));
    auto* pair = new QHBoxLayout(users);
    pair->setContentsMargins(0, 0, 0, 0);
    const ParamRow& manager = *RowNamed(QStringLiteral("SysUserBtn"));
    auto* user = PageKit::Button(users, manager.name);
    auto* managerButton = PageKit::Button(users, manager.second);
    pair->addWidget(user);
    pair->addWidget(managerButton);
    binder.bind(manager, user, managerButton);
    grid->addWidget(users, 0, 0, 1, 3);
    LabelledEdit(grid, 1, group, "SysPassLabel",
                 CodeEdit(group, QStringLiteral("SysPassEdit"), 6, true));
    grid->addWidget(PageKit::Button(group, QStringLiteral("RzBmpButton118")), 1, 2);
    grid->addWidget(PageKit::Label(group, QStringLiteral("Label68")), 2, 0, 1, 3);
    LabelledEdit(grid, 3, group, "Label69",
                 CodeEdit(group, QStringLiteral("SysPanelLabel1"), 6, true), 2);
    LabelledEdit(grid, 4, group, "Label71",
                 CodeEdit(group, QStringLiteral("NewSysPassLabel1"), 6, true, false), 2);
    LabelledEdit(grid, 5, group, "Label125",
                 CodeEdit(group, QStringLiteral("NewSysPassLabel2"), 6, true, false), 2);
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* BuildRemoteGroup(QWidget* parent, Binder& binder)
{
    auto* group = PageKit::NamedGroup(parent, QStringLiteral("RemoteGroup"));
    auto* grid = new QGridLayout(group);
    OptionPair(grid, 0, group, "RemoteLabel", "SysRemoteBtn1", binder);
    return group;
}

QWidget* BuildSystemSheet(QWidget* parent, Binder& binder)
{
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("AdvTabSheet8_Sys"));
    auto* layout = new QGridLayout(page);
    layout->addWidget(PageKit::Label(page, QStringLiteral("DeviceIDCaption")), 0, 0);
    auto* identity = new QLabel(page);
    identity->setObjectName(QStringLiteral("DeviceIDLabel"));
    layout->addWidget(identity, 0, 1);
    layout->addWidget(BuildRemoteGroup(page, binder), 1, 0, 1, 2);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(2, 1);
    return page;
}

QWidget* BuildLockPanel(QWidget* window)
{
    auto* panel = new QGroupBox(window);
    panel->setObjectName(QStringLiteral("FirstCheckGrop"));
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(16, 14, 16, 14);
    grid->addWidget(PageKit::Label(panel, QStringLiteral("LockPanelLabel")), 0, 0, 1, 2);
    grid->addWidget(CodeEdit(panel, QStringLiteral("PanelPassWordEdit"), 6, true), 1, 0);
    grid->addWidget(PageKit::Button(panel, QStringLiteral("RzBmpButton4")), 1, 1);
    panel->adjustSize();
    panel->hide();
    return panel;
}

} // namespace aec
