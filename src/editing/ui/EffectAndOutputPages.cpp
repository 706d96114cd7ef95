#include "editing/ValueKind.h"
#include "editing/ui/BandBox.h"
#include "editing/ui/ControlTags.h"
#include "editing/ui/PageKit.h"
#include "editing/ui/ParamWidgets.h"
#include "editing/ui/ParameterPages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>

namespace aec {
namespace {

// A slider row of the effect and output pages; with a phase button at its right end when
// `phase` names one.
struct LevelRow
{
    const char* stem;
    int maximum;
    int paneKind;
    const char* phase = nullptr;
};

void AddRows(QGridLayout* grid, int firstRow, const std::vector<LevelRow>& rows,
             const QString& prefix)
{
    int row = firstRow;
    for (const LevelRow& r : rows) {
        PageKit::SliderRow(grid, row, prefix + QLatin1String(r.stem), r.maximum, r.paneKind);
        if (r.phase) {
            auto* phase = PageKit::Button(grid->parentWidget(), prefix + QLatin1String(r.phase));
            phase->setProperty("role", QStringLiteral("phase"));
            phase->setFixedWidth(15);
            phase->setToolTip(QStringLiteral("Phase"));
            grid->addWidget(phase, row, 3);
        }
        ++row;
    }
}

QWidget* EffectSubPage(QWidget* parent, const QString& prefix, const std::vector<LevelRow>& rows,
                       const QString& labelStem, const QString& sheetName)
{
    auto* sheet = new QWidget(parent);
    sheet->setObjectName(sheetName);
    auto* layout = new QHBoxLayout(sheet);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* levels = PageKit::Group(sheet, prefix + QStringLiteral("LevelGroup"));
    AddRows(PageKit::ParameterGrid(levels), 0, rows, prefix);
    layout->addWidget(levels, 1);
    auto* filters = PageKit::Group(sheet, prefix + QStringLiteral("FilterGroup"));
    PageKit::FilterRows(PageKit::ParameterGrid(filters), 0, prefix,
                        prefix + QStringLiteral("%1FreBar"), prefix + QStringLiteral("%1FrePane"));
    layout->addWidget(filters);
    layout->addWidget(new BandBox(
        prefix + QStringLiteral("ScrollBox"), {}, 7,
        [prefix, labelStem](int n) {
            return BandColumnLayout::Regular(prefix, labelStem,
                                             prefix + QStringLiteral("QUpDownBtn"), n);
        },
        7, sheet));
    return sheet;
}

} // namespace

QWidget* BuildEffectPage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("AdvTabSheet3_Eff"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);

    auto* buttons = new QHBoxLayout;
    const char* const effects[] = {"EchoAToolButton", "EchoBToolButton", "RvbToolButton"};
    int tag = 0;
    for (const auto& e : effects) {
        auto* button = PageKit::Button(page, QLatin1String(e));
        button->setProperty("role", QStringLiteral("groupTab"));
        SetTag(button, tag++);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    layout->addLayout(buttons);

    auto* sub = new QStackedWidget(page);
    sub->setObjectName(QStringLiteral("EffPageControl"));
    sub->addWidget(EffectSubPage(sub, QStringLiteral("Echo"),
                                 {{"EffLevel", 100, 8, "EffPhaseBtn"},
                                  {"DirectLevel", 100, 8, "DirectPhaseBtn"},
                                  {"PreDelay", 250, 26},
                                  {"Time", 250, 11},
                                  {"Repeat", 90, 8},
                                  {"RPreDelay", 50, 8},
                                  {"RTime", 100, 10}},
                                 QStringLiteral("EffEQPointLabel"), QStringLiteral("EchoSheet")));
    sub->addWidget(EffectSubPage(sub, QStringLiteral("Rvb"),
                                 {{"EffLevel", 100, 8, "EffPhaseBtn"},
                                  {"DirectLevel", 100, 8, "DirectPhaseBtn"},
                                  {"PreDelay", 100, 11},
                                  {"Time", 80, 12}},
                                 QStringLiteral("RvbEQPointLabel"), QStringLiteral("ReverbSheet")));
    layout->addWidget(sub, 1);
    return page;
}

QWidget* BuildOutputPage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("AdvTabSheet4_Main"));
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);

    auto* mix = PageKit::Group(page, QStringLiteral("AdvGroupBox6"));
    auto* mixGrid = PageKit::ParameterGrid(mix);
    AddRows(mixGrid, 0,
            {{"MusLevel", 200, 9, "MusPhaseBtn"},
             {"MicLevel", 200, 9, "MicPhaseBtn"},
             {"EchoALevel", 200, 9, "EchoAPhaseBtn"},
             {"EchoBLevel", 200, 9, "EchoBPhaseBtn"},
             {"RvbLevel", 200, 9, "RvbPhaseBtn"}},
            QStringLiteral("Main"));

    // Delay and mute of the left (or only) channel and of the right channel.
    auto* delayLabel = PageKit::Label(mix, QStringLiteral("OutLDelayLabel"));
    mixGrid->addWidget(delayLabel, 5, 0);
    mixGrid->addWidget(PageKit::Slider(mix, QStringLiteral("MainLdelayBar"), 500), 5, 1);
    mixGrid->addWidget(PageKit::Pane(mix, QStringLiteral("MainLdelayPane"), 18), 5, 2);
    mixGrid->addWidget(PageKit::Label(mix, QStringLiteral("Label157")), 6, 0);
    mixGrid->addWidget(PageKit::Slider(mix, QStringLiteral("MainRdelayBar"), 500), 6, 1);
    mixGrid->addWidget(PageKit::Pane(mix, QStringLiteral("MainRdelayPane"), 18), 6, 2);
    auto* mutes = new QHBoxLayout;
    mutes->addStretch();
    mutes->addWidget(PageKit::Button(mix, QStringLiteral("MainLmuteBtn")));
    mutes->addWidget(PageKit::Button(mix, QStringLiteral("MainRmuteBtn")));
    mutes->addStretch();
    mixGrid->addLayout(mutes, 7, 0, 1, 4);
    layout->addWidget(mix, 1);

    auto* right = new QVBoxLayout;
    auto* limiter = PageKit::Group(page, QStringLiteral("OutLimiteGroup"));
    auto* limiterGrid = PageKit::ParameterGrid(limiter);
    PageKit::SliderRow(limiterGrid, 0, QStringLiteral("MainRmsLevel"), 34, 14);
    PageKit::SliderRow(limiterGrid, 1, QStringLiteral("MainRmsAttack"), 19, 17);
    PageKit::SliderRow(limiterGrid, 2, QStringLiteral("MainRmsRelease"), 7, 16);
    PageKit::SliderRow(limiterGrid, 3, QStringLiteral("MainRmsRatio"), 40, 15);
    right->addWidget(limiter);
    auto* crossover = PageKit::Group(page, QStringLiteral("OutLHPGroup"));
    PageKit::FilterRows(PageKit::ParameterGrid(crossover), 0, QStringLiteral("Main"),
                        QStringLiteral("MainMus%1FreBar"), QStringLiteral("MainMus%1FrePane"));
    right->addWidget(crossover);
    layout->addLayout(right, 1);

    auto* bands = PageKit::Group(page, QStringLiteral("AdvGroupBox21"));
    auto* bandsLayout = new QVBoxLayout(bands);
    bandsLayout->setContentsMargins(2, 2, 2, 2);
    bandsLayout->addWidget(new BandBox(
        QStringLiteral("MainScrollBox"), QStringLiteral("MainPanScrollBar"), 5,
        [](int n) {
            return BandColumnLayout::Regular(QStringLiteral("Main"),
                                             QStringLiteral("MainEQPointLabel"),
                                             QStringLiteral("MainQUpDownBtn"), n);
        },
        10, bands));
    layout->addWidget(bands);
    return page;
}

QWidget* BuildHiddenEqPage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("AdvTabSheet5_Center"));
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* sources = new QVBoxLayout;
    const char* const buttons[] = {"HintMusBtn", "HintMicABtn", "HintMicBBtn"};
    int tag = 0;
    for (const auto& b : buttons) {
        auto* button = PageKit::Button(page, QLatin1String(b));
        button->setProperty("role", QStringLiteral("groupTab"));
        SetTag(button, tag++);
        sources->addWidget(button);
    }
    sources->addStretch();
    layout->addLayout(sources);
    layout->addWidget(new BandBox(
        QStringLiteral("HintScrollBox"), {}, 5,
        [](int n) {
            return BandColumnLayout::Regular(QStringLiteral("Hint"),
                                             QStringLiteral("HintEQPointLabel"),
                                             QStringLiteral("HintQUpDownBtn"), n);
        },
        5, page));
    layout->addStretch();
    return page;
}

} // namespace aec
