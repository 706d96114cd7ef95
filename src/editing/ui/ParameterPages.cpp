#include "editing/ui/ParameterPages.h"

#include "widgets/BandBox.h"
#include "widgets/BandColumn.h"
#include "widgets/Binder.h"
#include "widgets/ControlTags.h"
#include "widgets/PageKit.h"
#include "widgets/ParamWidgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace aec {
namespace {

template <typename Layout> QWidget* Page(QWidget* parent, const char* name, Layout*& layout)
{
    auto* page = new QWidget(parent);
    page->setObjectName(QLatin1String(name));
    layout = new Layout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    return page;
}

// A row of buttons that choose among the blocks a page stands for (Tags 0, 1, 2).
void ChoiceButtons(QBoxLayout* layout, QWidget* parent, std::initializer_list<const char*> names)
{
    int tag = 0;
    for (const char* name : names) {
        auto* button = PageKit::Button(parent, QLatin1String(name));
        button->setProperty("role", QStringLiteral("groupTab"));
        SetTag(button, tag++);
        layout->addWidget(button);
    }
    layout->addStretch();
}

QWidget* EffectSheet(QWidget* parent, const char* name, GroupId levels, GroupId filters,
                     GroupId bands, Binder& binder)
{
    QHBoxLayout* layout = nullptr;
    QWidget* sheet = Page(parent, name, layout);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageKit::BuildGroup(sheet, levels, binder), 1);
    layout->addWidget(PageKit::BuildGroup(sheet, filters, binder));
    layout->addWidget(PageKit::BuildBands(sheet, bands, 7, binder));
    return sheet;
}

} // namespace

QWidget* BuildMusicPage(QWidget* parent, Binder& binder)
{
    QHBoxLayout* layout = nullptr;
    QWidget* page = Page(parent, "AdvTabSheet1_mus", layout);
    auto* left = new QVBoxLayout;
    left->addWidget(PageKit::BuildGroup(page, GroupId::MusicInput, binder));
    left->addWidget(PageKit::BuildGroup(page, GroupId::MusicFilters, binder));
    // The diagnostic memo: received checksum mismatches and loaded preset values.
    auto* memo = new QPlainTextEdit(page);
    memo->setObjectName(QStringLiteral("Memo2"));
    memo->setReadOnly(true);
    memo->hide();
    left->addWidget(memo);
    layout->addLayout(left);
    layout->addWidget(PageKit::BuildBands(page, GroupId::MusicBands, 9, binder,
                                          QStringLiteral("MusPanScrollBar")),
                      1);
    return page;
}

QWidget* BuildMicrophonePage(QWidget* parent, Binder& binder)
{
    QHBoxLayout* layout = nullptr;
    QWidget* page = Page(parent, "AdvTabSheet2_mic", layout);
    auto* left = new QGridLayout;
    left->addWidget(PageKit::BuildGroup(page, GroupId::MicInput, binder), 0, 0, 2, 1);
    left->addWidget(PageKit::BuildGroup(page, GroupId::MicNoiseGate, binder), 0, 1);
    left->addWidget(PageKit::BuildGroup(page, GroupId::MicLimiter, binder), 1, 1);
    layout->addLayout(left);
    layout->addWidget(
        PageKit::BuildBands(page, GroupId::MicBands, 8, binder, QStringLiteral("MicPanScrollBar")),
        1);
    return page;
}

QWidget* BuildEffectPage(QWidget* parent, Binder& binder)
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = Page(parent, "AdvTabSheet3_Eff", layout);
    layout->setSpacing(4);
    auto* buttons = new QHBoxLayout;
    ChoiceButtons(buttons, page, {"EchoAToolButton", "EchoBToolButton", "RvbToolButton"});
    layout->addLayout(buttons);
    auto* sub = new QStackedWidget(page);
    sub->setObjectName(QStringLiteral("EffPageControl"));
    sub->addWidget(EffectSheet(sub, "EchoSheet", GroupId::EchoLevels, GroupId::EchoFilters,
                               GroupId::EchoBands, binder));
    sub->addWidget(EffectSheet(sub, "ReverbSheet", GroupId::ReverbLevels, GroupId::ReverbFilters,
                               GroupId::ReverbBands, binder));
    layout->addWidget(sub, 1);
    return page;
}

QWidget* BuildOutputPage(QWidget* parent, Binder& binder)
{
    QHBoxLayout* layout = nullptr;
    QWidget* page = Page(parent, "AdvTabSheet4_Main", layout);
    QGroupBox* mix = PageKit::Group(page, GroupId::OutputMix);
    QGridLayout* grid = PageKit::ParameterGrid(mix);
    const int line = PageKit::AddRows(grid, GroupId::OutputMix, binder);
    // The mutes of the left (or only) and right channel share the group's last line.
    auto* mutes = new QHBoxLayout;
    mutes->addStretch();
    for (const char* name : {"MainLmuteBtn", "MainRmuteBtn"})
        mutes->addWidget(PageKit::BoundButton(mix, *RowNamed(QLatin1String(name)), binder));
    mutes->addStretch();
    grid->addLayout(mutes, line, 0, 1, 4);
    layout->addWidget(mix, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(PageKit::BuildGroup(page, GroupId::OutputLimiter, binder));
    right->addWidget(PageKit::BuildGroup(page, GroupId::OutputCrossover, binder));
    layout->addLayout(right, 1);

    QGroupBox* bands = PageKit::Group(page, GroupId::OutputBands);
    auto* bandsLayout = new QVBoxLayout(bands);
    bandsLayout->setContentsMargins(2, 2, 2, 2);
    bandsLayout->addWidget(PageKit::BuildBands(bands, GroupId::OutputBands, 5, binder,
                                               QStringLiteral("MainPanScrollBar")));
    layout->addWidget(bands);
    return page;
}

QWidget* BuildHiddenEqPage(QWidget* parent, Binder& binder)
{
    QHBoxLayout* layout = nullptr;
    QWidget* page = Page(parent, "AdvTabSheet5_Center", layout);
    auto* sources = new QVBoxLayout;
    ChoiceButtons(sources, page, {"HintMusBtn", "HintMicABtn", "HintMicBBtn"});
    layout->addLayout(sources);
    layout->addWidget(PageKit::BuildBands(page, GroupId::HiddenBands, 5, binder), 1);
    return page;
}

QWidget* BuildDynamicEqPage(QWidget* parent, Binder& binder)
{
    QHBoxLayout* layout = nullptr;
    QWidget* page = Page(parent, "AdvTabSheet9_DEQ", layout);
    const BandFamily& family = *FamilyOf(GroupId::DynamicEq1);
    const char* triggers[] = {"DEQTYpeOffBtn", "DEQTYpeBelowBtn", "DEQTYpeAboveBtn"};
    for (int band = 0; band < 3; ++band) {
        const auto id = static_cast<GroupId>(static_cast<int>(GroupId::DynamicEq1) + band);
        const QString n = QString::number(band + 1);
        QGroupBox* group = PageKit::Group(page, id);
        auto* columnLayout = new QHBoxLayout(group);
        columnLayout->setContentsMargins(4, 2, 4, 2);
        auto* column = new BandColumn(family, band, group);
        binder.bindColumn(column);
        columnLayout->addWidget(BuildBandHeadings(group, *column, id));
        columnLayout->addWidget(column);

        // The trigger: three buttons standing for a hidden list, above the band's dynamics.
        auto* right = new QGridLayout;
        right->setVerticalSpacing(3);
        const ParamRow& trigger = *RowNamed(QStringLiteral("DEQTypeBox") + n);
        right->addWidget(PageKit::CaptionLabel(group, trigger.label, trigger.caption), 0, 0, 1, 3);
        auto* triggerRow = new QHBoxLayout;
        std::array<QWidget*, 3> buttons{};
        for (int k = 0; k < 3; ++k) {
            buttons[std::size_t(k)] = PageKit::Button(group, QLatin1String(triggers[k]) + n);
            SetTag(buttons[std::size_t(k)], k);
            triggerRow->addWidget(buttons[std::size_t(k)]);
        }
        right->addLayout(triggerRow, 1, 0, 1, 3);
        auto* list = PageKit::Combo(group, trigger.name, RowItems(trigger));
        list->hide();
        right->addWidget(list, 2, 0, 1, 3);
        binder.bind(trigger, list, nullptr, buttons);
        columnLayout->addLayout(right, 1);
        right->setRowStretch(PageKit::AddRows(right, id, binder, 3), 1);
        right->setColumnStretch(1, 1);
        layout->addWidget(group, 1);
    }
    return page;
}

} // namespace aec
