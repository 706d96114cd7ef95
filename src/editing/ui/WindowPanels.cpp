#include "editing/ui/WindowPanels.h"

#include "chart/ui/ResponseChart.h"
#include "editing/PageNavigation.h"
#include "editing/ui/ControlTags.h"
#include "editing/ui/PageKit.h"
#include "editing/ui/ParamWidgets.h"
#include "editing/ui/VolumeControls.h"
#include "system/CaptionTable.h"
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

QGroupBox* ButtonGroup(QWidget* parent, const char* name, const std::vector<const char*>& buttons,
                       const char* role = nullptr)
{
    auto* group = new QGroupBox(parent);
    group->setObjectName(QLatin1String(name));
    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(3);
    int tag = 0;
    for (const char* b : buttons) {
        auto* button = PageKit::Button(group, QLatin1String(b));
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
    const char* const tabs[Tab::Count] = {
        "FormMusTabBtn",  "FormDYNBtn",    "FormMICATabBtn", "FormMICBTabBtn", "FormEFFTabBtn",
        "FormMAINTabBtn", "FormSURTabBtn", "FormCENTabBtn",  "FormSUBTabBtn",  "FormHintTabBtn"};
    for (int tag = 0; tag < Tab::Count; ++tag) {
        auto* button = new QToolButton(row);
        button->setObjectName(QLatin1String(tabs[tag]));
        button->setText(CaptionOf(button->objectName()).english);
        button->setProperty("role", QStringLiteral("tab"));
        button->setFocusPolicy(Qt::NoFocus);
        SetTag(button, tag);
        layout->addWidget(button);
    }
    row->findChild<QToolButton*>(QStringLiteral("FormHintTabBtn"))->hide();

    auto* language = new QToolButton(row);
    language->setObjectName(QStringLiteral("RzToolButton11"));

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
    groups->addWidget(ButtonGroup(panel, "RzGroupBox19", {"PinDCFBtn", "PinPPBtn"}));
    groups->addWidget(ButtonGroup(panel, "CopyGrop", {"LeftBtn", "SameBtn", "RightBtn"}));
    groups->addWidget(
        ButtonGroup(panel, "SingleDiscoGrop",
                    {"AutoModeBtn", "ManulModeBtn", "SingModeBtn", "DiscoModeBtn", "CodeModeBtn"}));
    groups->addStretch();
    auto* passLabel = PageKit::Label(panel, QStringLiteral("EQPassLabel"));
    passLabel->hide();
    groups->addWidget(passLabel);
    groups->addWidget(ButtonGroup(panel, "EQPassGrop", {"EQResetBtn", "MusEQAllpassBtn"}));
    auto* unlink = PageKit::Button(panel, QStringLiteral("UnLinkBtn"));
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
    volumeLayout->addWidget(BuildVolumeChannel(volume, QStringLiteral("SysMus"),
                                               QStringLiteral("Mus"), QStringLiteral("Label2"),
                                               7429, QStringLiteral("musLabel")));
    volumeLayout->addWidget(BuildVolumeChannel(volume, QStringLiteral("SysMic"),
                                               QStringLiteral("Mic"), QStringLiteral("Label59"),
                                               7427, QStringLiteral("micLabel")));
    volumeLayout->addWidget(BuildVolumeChannel(volume, QStringLiteral("SysEff"),
                                               QStringLiteral("Eff"), QStringLiteral("Label3"),
                                               7431, QStringLiteral("EffLabel")));
    volumeLayout->addStretch();
    volumeLayout->addWidget(BuildQuickRecallGroup(volume));
    tabs->addTab(volume, QStringLiteral("Main Volume"));

    auto* limits = new QWidget(tabs);
    limits->setObjectName(QStringLiteral("AdvTabSheet2"));
    auto* limitsGrid = new QGridLayout(limits);
    const struct
    {
        const char* name;
        const char* label;
        int role;
    } rows[] = {{"SysMusStartVol", "Label102", 1}, {"SysMusMaxVol", "Label108", 2},
                {"SysMicStartVol", "Label109", 1}, {"SysMicMaxVol", "Label110", 2},
                {"SysEffStartVol", "Label111", 1}, {"SysEffMaxVol", "Label112", 2}};
    int row = 0;
    for (const auto& r : rows) {
        const QString stem = QLatin1String(r.name);
        limitsGrid->addWidget(PageKit::Label(limits, QLatin1String(r.label)), row, 0, 1, 2);
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

    auto* system = new QWidget(tabs);
    system->setObjectName(QStringLiteral("AdvTabSheet3"));
    auto* systemLayout = new QVBoxLayout(system);
    systemLayout->addWidget(BuildModeGroup(system));
    systemLayout->addWidget(BuildManagerGroup(system));
    systemLayout->addWidget(BuildPresetGroup(system), 1);
    tabs->addTab(system, QStringLiteral("System setting"));
    return tabs;
}

} // namespace aec
