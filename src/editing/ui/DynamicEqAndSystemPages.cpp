#include "editing/ValueKind.h"
#include "editing/ui/BandColumn.h"
#include "editing/ui/ControlTags.h"
#include "editing/ui/PageKit.h"
#include "editing/ui/ParamWidgets.h"
#include "editing/ui/ParameterPages.h"
#include "system/ui/SystemPanels.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>

namespace aec {
namespace {

// One band of the dynamic EQ: its trigger, its EQ band column and its dynamics.
QWidget* DynamicBand(QWidget* parent, int n)
{
    const QString number = QString::number(n);
    auto* group = PageKit::Group(parent, QStringLiteral("DEQ%1Grop").arg(n));
    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(new BandColumn(BandColumnLayout::DynamicEq(n), group));

    auto* right = new QGridLayout;
    right->setVerticalSpacing(3);
    const char* const triggers[] = {"DEQTYpeOffBtn", "DEQTYpeBelowBtn", "DEQTYpeAboveBtn"};
    auto* triggerRow = new QHBoxLayout;
    int tag = 0;
    for (const auto& t : triggers) {
        auto* button = PageKit::Button(group, QLatin1String(t) + number);
        SetTag(button, tag++);
        button->setProperty("group", n);
        triggerRow->addWidget(button);
    }
    right->addLayout(triggerRow, 0, 0, 1, 3);
    auto* list = PageKit::Combo(
        group, QStringLiteral("DEQTypeBox") + number,
        {QStringLiteral("Off"), QStringLiteral("Below"), QStringLiteral("Above")}, Kind::BandType);
    list->hide(); // the trigger buttons stand for it
    right->addWidget(list, 1, 0, 1, 3);

    const struct
    {
        const char* stem;
        int maximum;
        int kind;
    } dynamics[] = {{"Level", 60, 20}, {"Attack", 19, 17}, {"Release", 7, 16}, {"Ratio", 40, 15}};
    int row = 2;
    for (const auto& d : dynamics) {
        right->addWidget(
            PageKit::Label(group,
                           QStringLiteral("DEQRms%1Label%2").arg(QLatin1String(d.stem), number)),
            row, 0);
        right->addWidget(
            PageKit::Slider(group,
                            QStringLiteral("DEQRms%1Bar%2").arg(QLatin1String(d.stem), number),
                            d.maximum),
            row, 1);
        right->addWidget(
            PageKit::Pane(
                group, QStringLiteral("DEQRms%1Pane%2").arg(QLatin1String(d.stem), number), d.kind),
            row, 2);
        ++row;
    }
    right->setRowStretch(row, 1);
    right->setColumnStretch(1, 1);
    layout->addLayout(right, 1);
    return group;
}

} // namespace

QWidget* BuildDynamicEqPage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("AdvTabSheet9_DEQ"));
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    for (int n = 1; n <= 3; ++n)
        layout->addWidget(DynamicBand(page, n), 1);
    return page;
}

QWidget* BuildSystemSheet(QWidget* parent)
{
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("AdvTabSheet8_Sys"));
    auto* layout = new QGridLayout(page);
    layout->addWidget(PageKit::Label(page, QStringLiteral("DeviceIDCaption")), 0, 0);
    auto* identity = new QLabel(page);
    identity->setObjectName(QStringLiteral("DeviceIDLabel"));
    layout->addWidget(identity, 0, 1);
    layout->addWidget(BuildRemoteGroup(page), 1, 0, 1, 2);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(2, 1);
    return page;
}

QStackedWidget* BuildPageControl(QWidget* parent)
{
    auto* pages = new QStackedWidget(parent);
    pages->setObjectName(QStringLiteral("FormPageItem"));
    pages->addWidget(BuildMusicPage(pages));
    pages->addWidget(BuildMicrophonePage(pages));
    pages->addWidget(BuildEffectPage(pages));
    pages->addWidget(BuildOutputPage(pages));
    pages->addWidget(BuildHiddenEqPage(pages));
    const char* empty[] = {"AdvTabSheet6_Sub", "AdvTabSheet7_sur"};
    for (const char* name : empty) {
        auto* sheet = new QWidget(pages);
        sheet->setObjectName(QLatin1String(name));
        pages->addWidget(sheet);
    }
    pages->addWidget(BuildSystemSheet(pages));
    pages->addWidget(BuildDynamicEqPage(pages));
    return pages;
}

} // namespace aec
