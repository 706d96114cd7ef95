#include "editing/ui/WindowPanels.h"

#include "chart/ui/ResponseChart.h"
#include "editing/PageNavigation.h"
#include "editing/ui/Captions.h"
#include "editing/ui/ControlTags.h"
#include "editing/ui/PageKit.h"
#include "editing/ui/ParamWidgets.h"
#include "editing/ui/VolumeControls.h"
#include "system/ui/SystemPanels.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace aec {
namespace {

struct NamedCaption
{
    const char* name;
    BilingualText caption;
};

QGroupBox* ButtonGroup(QWidget* parent, const char* name, const std::vector<NamedCaption>& buttons,
                       const char* role = nullptr)
{
    auto* group = new QGroupBox(parent);
    group->setObjectName(QLatin1String(name));
    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(3);
    int tag = 0;
    for (const NamedCaption& b : buttons) {
        auto* button = PageKit::Button(group, QLatin1String(b.name), b.caption);
        SetTag(button, tag++);
        if (role)
            button->setProperty("role", QLatin1String(role));
        layout->addWidget(button);
    }
    return group;
}

} // namespace

QWidget* BuildTitleStrip(QWidget* parent)
{
    auto* strip = new QWidget(parent);
    strip->setObjectName(QStringLiteral("TitleStrip"));
    strip->setFixedHeight(25);
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(8, 0, 2, 0);
    layout->setSpacing(2);
    auto* version = new QLabel(QStringLiteral("QV316 1.3.0 En"), strip);
    version->setObjectName(QStringLiteral("RzLabel9"));
    layout->addWidget(version);
    // The hidden access field: a double click on the status line shows it.
    auto* logo = new QLabel(QStringLiteral("运行："), strip);
    logo->setObjectName(QStringLiteral("SysLogoLabel"));
    logo->hide();
    layout->addWidget(logo);
    auto* access = new QLineEdit(strip);
    access->setObjectName(QStringLiteral("SysLogoEdit"));
    access->setFixedWidth(120);
    access->hide();
    layout->addWidget(access);
    layout->addStretch();
    const struct
    {
        const char* name;
        const char* glyph;
        const char* tip;
    } buttons[] = {{"RzBmpButton2", "\u2013", "Minimise"},
                   {"RzBmpButton1", "\u25a1", "Maximise"},
                   {"RzBmpButton3", "\u00d7", "Close"}};
    for (const auto& b : buttons) {
        auto* button = new QToolButton(strip);
        button->setObjectName(QLatin1String(b.name));
        button->setText(QString::fromUtf8(b.glyph));
        button->setToolTip(QLatin1String(b.tip));
        button->setFocusPolicy(Qt::NoFocus);
        button->setProperty("role", QStringLiteral("windowButton"));
        layout->addWidget(button);
    }
    return strip;
}

QWidget* BuildTabRow(QWidget* parent)
{
    auto* row = new QWidget(parent);
    row->setObjectName(QStringLiteral("RzGroupBox17"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    const NamedCaption tabs[Tab::Count] = {{"FormMusTabBtn", PageKit::Text("音乐", "Music")},
                                           {"FormDYNBtn", PageKit::Text("动态均衡", "Dynamic EQ")},
                                           {"FormMICATabBtn", PageKit::Text("麦克A", "MIC A")},
                                           {"FormMICBTabBtn", PageKit::Text("麦克B", "MIC B")},
                                           {"FormEFFTabBtn", PageKit::Text("效果", "Effect")},
                                           {"FormMAINTabBtn", PageKit::Text("主输出", "Main")},
                                           {"FormSURTabBtn", PageKit::Text("环绕", "Surround")},
                                           {"FormCENTabBtn", PageKit::Text("中置", "Center")},
                                           {"FormSUBTabBtn", PageKit::Text("超低音", "SUB")},
                                           {"FormHintTabBtn", PageKit::Text("隐藏", "Hint")}};
    for (int tag = 0; tag < Tab::Count; ++tag) {
        auto* button = new QToolButton(row);
        button->setObjectName(QLatin1String(tabs[tag].name));
        SetCaptions(button, tabs[tag].caption);
        button->setText(tabs[tag].caption.english);
        button->setProperty("role", QStringLiteral("tab"));
        button->setFocusPolicy(Qt::NoFocus);
        SetTag(button, tag);
        layout->addWidget(button);
    }
    row->findChild<QToolButton*>(QStringLiteral("FormHintTabBtn"))->hide();

    auto* language = new QToolButton(row);
    language->setObjectName(QStringLiteral("RzToolButton11"));
    SetCaptions(language, PageKit::Text("English", "中文"));
    language->setText(QStringLiteral("中文"));
    language->setProperty("role", QStringLiteral("tab"));
    language->setFocusPolicy(Qt::NoFocus);
    SetTag(language, 0);
    layout->addWidget(language);
    layout->addStretch();

    // Takes the keyboard focus away from the page's edit boxes; never seen.
    auto* focusSink = new QLineEdit(row);
    focusSink->setObjectName(QStringLiteral("Examplexx"));
    focusSink->setFixedSize(1, 1);
    focusSink->move(-10, -10);
    return row;
}

QWidget* BuildChartPanel(QWidget* parent)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(QStringLiteral("AdvPanel1"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);

    auto* groups = new QHBoxLayout;
    groups->addWidget(ButtonGroup(panel, "RzGroupBox19",
                                  {{"PinDCFBtn", PageKit::Text("低触发", "Normal")},
                                   {"PinPPBtn", PageKit::Text("频谱", "Spectrum")}}));
    groups->addWidget(ButtonGroup(panel, "CopyGrop",
                                  {{"LeftBtn", PageKit::Text("音乐左", "Left")},
                                   {"SameBtn", PageKit::Text("同步", "SYNC")},
                                   {"RightBtn", PageKit::Text("音乐右", "Right")}}));
    groups->addWidget(ButtonGroup(panel, "SingleDiscoGrop",
                                  {{"AutoModeBtn", PageKit::Text("自动", "Auto")},
                                   {"ManulModeBtn", PageKit::Text("手动", "Manual")},
                                   {"SingModeBtn", PageKit::Text("唱歌", "Sing")},
                                   {"DiscoModeBtn", PageKit::Text("热舞", "Disco")},
                                   {"CodeModeBtn", PageKit::Text("解码", "decode")}}));
    groups->addStretch();
    auto* passLabel =
        PageKit::Label(panel, QStringLiteral("EQPassLabel"), PageKit::Text("EQ PASS", "EQ PASS"));
    passLabel->hide();
    groups->addWidget(passLabel);
    groups->addWidget(ButtonGroup(panel, "EQPassGrop",
                                  {{"EQResetBtn", PageKit::Text("EQ重置", "EQ Reset")},
                                   {"MusEQAllpassBtn", PageKit::Text("EQ pass", "EQ pass")}}));
    auto* unlink =
        PageKit::Button(panel, QStringLiteral("UnLinkBtn"), PageKit::Text("断开", "Unlink"));
    unlink->hide();
    groups->addWidget(unlink);
    layout->addLayout(groups);

    // The plot panel, with room for the level labels at its left and the frequency labels
    // below it.
    auto* plotArea = new QHBoxLayout;
    plotArea->setContentsMargins(44, 0, 12, 16);
    auto* chart = new ResponseChart(panel, panel);
    chart->setMinimumHeight(200);
    plotArea->addWidget(chart);
    layout->addLayout(plotArea, 1);
    return panel;
}

QWidget* BuildSidePanel(QWidget* parent)
{
    auto* tabs = new QTabWidget(parent);
    tabs->setObjectName(QStringLiteral("AdvPageControl1"));

    auto* volume = new QWidget(tabs);
    volume->setObjectName(QStringLiteral("AdvTabSheet1"));
    auto* volumeLayout = new QVBoxLayout(volume);
    volumeLayout->setSpacing(6);
    volumeLayout->addWidget(BuildVolumeChannel(
        volume, QStringLiteral("SysMus"), QStringLiteral("Mus"),
        PageKit::Text("音乐音量", "Music Vol"), 7429, QStringLiteral("musLabel")));
    volumeLayout->addWidget(
        BuildVolumeChannel(volume, QStringLiteral("SysMic"), QStringLiteral("Mic"),
                           PageKit::Text("话筒音量", "Mic Vol"), 7427, QStringLiteral("micLabel")));
    volumeLayout->addWidget(BuildVolumeChannel(
        volume, QStringLiteral("SysEff"), QStringLiteral("Eff"),
        PageKit::Text("效果音量", "Effect Vol"), 7431, QStringLiteral("EffLabel")));
    volumeLayout->addStretch();
    volumeLayout->addWidget(BuildQuickRecallGroup(volume));
    tabs->addTab(volume, QStringLiteral("Main Volume"));
    SetCaptions(volume, PageKit::Text("主音量", "Main Volume"));

    auto* limits = new QWidget(tabs);
    limits->setObjectName(QStringLiteral("AdvTabSheet2"));
    auto* limitsGrid = new QGridLayout(limits);
    const struct
    {
        const char* name;
        BilingualText caption;
        int role;
    } rows[] = {{"SysMusStartVol", PageKit::Text("音乐起始音量", "Initial music volume"), 1},
                {"SysMusMaxVol", PageKit::Text("音乐最大音量", "Max music volume "), 2},
                {"SysMicStartVol", PageKit::Text("话筒起始音量", "Initial mic volume"), 1},
                {"SysMicMaxVol", PageKit::Text("话筒最大音量", "Max mic volume "), 2},
                {"SysEffStartVol", PageKit::Text("效果起始音量", "Initial effect volume"), 1},
                {"SysEffMaxVol", PageKit::Text("效果最大音量", "Max effect volume "), 2}};
    int row = 0;
    for (const auto& r : rows) {
        const QString stem = QLatin1String(r.name);
        limitsGrid->addWidget(PageKit::Label(limits, {}, r.caption), row, 0, 1, 2);
        auto* slider = PageKit::Slider(limits, stem + QStringLiteral("Bar"), 84);
        SetHint(slider, QString::number(r.role));
        limitsGrid->addWidget(slider, row + 1, 0);
        auto* pane = PageKit::Pane(limits, stem + QStringLiteral("Pane"), 0);
        pane->setText(QStringLiteral("0"));
        limitsGrid->addWidget(pane, row + 1, 1);
        row += 2;
    }
    limitsGrid->addWidget(BuildPanelLockGroup(limits), row, 0, 1, 2);
    limitsGrid->setRowStretch(row + 1, 1);
    tabs->addTab(limits, QStringLiteral("Volume Set"));
    SetCaptions(limits, PageKit::Text("音量控制", "Volume Set"));

    auto* system = new QWidget(tabs);
    system->setObjectName(QStringLiteral("AdvTabSheet3"));
    auto* systemLayout = new QVBoxLayout(system);
    systemLayout->addWidget(BuildModeGroup(system));
    systemLayout->addWidget(BuildManagerGroup(system));
    systemLayout->addWidget(BuildPresetGroup(system), 1);
    tabs->addTab(system, QStringLiteral("System setting"));
    SetCaptions(system, PageKit::Text("系统设定", "System setting"));
    return tabs;
}

} // namespace aec
