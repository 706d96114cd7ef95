#include "app/WindowPanels.h"

#include "chart/ui/ResponseChart.h"
#include "editing/ui/EditingWing.h"
#include "system/CaptionTable.h"
#include "system/ui/LinkGroup.h"
#include "system/ui/SystemPanels.h"
#include "widgets/Captions.h"
#include "widgets/ControlTags.h"
#include "widgets/PageKit.h"
#include "widgets/ParamWidgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace aec {

QWidget* BuildTitleStrip(QWidget* parent, QWidget* historyButtons)
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
    // What the settings came from, and whether they changed since.
    auto* source = new QLabel(strip);
    source->setObjectName(QStringLiteral("TitleSourceLabel"));
    source->setProperty("role", QStringLiteral("titleSource"));
    layout->addWidget(source);
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
    historyButtons->setParent(strip);
    layout->addWidget(historyButtons);
    layout->addSpacing(16);
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
        button->setFocusPolicy(Qt::TabFocus);
        button->setProperty("role", QStringLiteral("windowButton"));
        layout->addWidget(button);
    }
    return strip;
}

QWidget* BuildTabRow(QWidget* parent, QWidget* tabButtons)
{
    auto* row = new QWidget(parent);
    row->setObjectName(QStringLiteral("RzGroupBox17"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    tabButtons->setParent(row);
    layout->addWidget(tabButtons);

    auto* language = new QToolButton(row);
    language->setObjectName(QStringLiteral("RzToolButton11"));
    SetCaptions(language, CaptionOf(language->objectName()));
    ShowCaption(language, false);
    language->setProperty("role", QStringLiteral("tab"));
    language->setFocusPolicy(Qt::TabFocus);
    SetTag(language, 0);
    layout->addWidget(language);
    layout->addStretch();
    return row;
}

void FillChartPanel(QWidget* panel, QWidget* spectrumButtons, QWidget* chartButtons,
                    ResponseChart* chart)
{
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);

    auto* groups = new QHBoxLayout;
    spectrumButtons->setParent(panel);
    groups->addWidget(spectrumButtons);
    chartButtons->setParent(panel);
    groups->addWidget(chartButtons, 1);
    auto* unlink = PageKit::Button(panel, QStringLiteral("UnLinkBtn"));
    unlink->hide();
    groups->addWidget(unlink);
    layout->addLayout(groups);

    // The plot panel, with room for the level labels at its left and the frequency labels
    // below it.
    auto* plotArea = new QHBoxLayout;
    plotArea->setContentsMargins(44, 0, 12, 16);
    chart->setMinimumHeight(200);
    plotArea->addWidget(chart);
    layout->addLayout(plotArea, 1);
}

QWidget* BuildSidePanel(QWidget* parent, EditingWing& wing, Binder& binder)
{
    auto* tabs = new QTabWidget(parent);
    tabs->setObjectName(QStringLiteral("AdvPageControl1"));

    auto* volume = new QWidget(tabs);
    volume->setObjectName(QStringLiteral("AdvTabSheet1"));
    auto* volumeLayout = new QVBoxLayout(volume);
    volumeLayout->setSpacing(6);
    wing.volumeChannels()->setParent(volume);
    volumeLayout->addWidget(wing.volumeChannels());
    volumeLayout->addWidget(BuildQuickRecallGroup(volume, binder));
    volumeLayout->addWidget(BuildLinkGroup(volume));
    volumeLayout->addStretch();
    tabs->addTab(volume, QStringLiteral("Main Volume"));

    auto* limits = new QWidget(tabs);
    limits->setObjectName(QStringLiteral("AdvTabSheet2"));
    auto* limitsLayout = new QVBoxLayout(limits);
    wing.volumeLimits()->setParent(limits);
    limitsLayout->addWidget(wing.volumeLimits());
    limitsLayout->addWidget(BuildPanelLockGroup(limits, binder));
    limitsLayout->addStretch();
    tabs->addTab(limits, QStringLiteral("Volume Set"));

    auto* system = new QWidget(tabs);
    system->setObjectName(QStringLiteral("AdvTabSheet3"));
    auto* systemLayout = new QVBoxLayout(system);
    systemLayout->addWidget(BuildModeGroup(system));
    systemLayout->addWidget(BuildManagerGroup(system, binder));
    systemLayout->addWidget(BuildPresetGroup(system), 1);
    tabs->addTab(system, QStringLiteral("System setting"));
    return tabs;
}

} // namespace aec
