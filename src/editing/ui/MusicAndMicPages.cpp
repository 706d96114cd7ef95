#include "editing/ValueKind.h"
#include "editing/ui/BandBox.h"
#include "editing/ui/PageKit.h"
#include "editing/ui/ParamWidgets.h"
#include "editing/ui/ParameterPages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>

namespace aec {
namespace {

QWidget* InputGains(QWidget* parent)
{
    auto* group = PageKit::Group(parent, QStringLiteral("MusGainGroup"));
    auto* grid = PageKit::ParameterGrid(group);
    const struct
    {
        const char* name;
        const char* label;
    } gains[] = {{"MusGain1", "Label6"}, {"MusGain2", "Label7"}, {"MusGain3", "Label8"}};
    int row = 0;
    for (const auto& g : gains) {
        const QString stem = QLatin1String(g.name);
        grid->addWidget(PageKit::Label(group, QLatin1String(g.label)), row, 0);
        grid->addWidget(PageKit::Edit(group, stem + QStringLiteral("Edit"), Kind::InputGain), row,
                        1);
        grid->addWidget(PageKit::Spin(group, stem + QStringLiteral("UpDown")), row, 2);
        ++row;
    }
    grid->addWidget(PageKit::Label(group, QStringLiteral("Label11")), row, 0);
    grid->addWidget(PageKit::Combo(group, QStringLiteral("SysInputBox"),
                                   {QStringLiteral("Auto"), QStringLiteral("IN1"),
                                    QStringLiteral("IN2"), QStringLiteral("OPTI")},
                                   PageKit::NoKind),
                    row, 1, 1, 2);
    ++row;
    grid->addWidget(PageKit::Label(group, QStringLiteral("Label154")), row, 0);
    grid->addWidget(
        PageKit::Combo(group, QStringLiteral("SysMusInputLevelBox"),
                       {QStringLiteral("0dB"), QStringLiteral("3dB"), QStringLiteral("6dB")},
                       PageKit::NoKind),
        row, 1, 1, 2);
    return group;
}

QWidget* MusicFilters(QWidget* parent)
{
    auto* group = PageKit::Group(parent, QStringLiteral("MusFilterGroup"));
    auto* grid = PageKit::ParameterGrid(group);
    PageKit::SliderRow(grid, 0, QStringLiteral("MusPitch"), 14, 21);
    PageKit::FilterRows(grid, 1, QStringLiteral("Mus"), QStringLiteral("Mus%1FREBar"),
                        QStringLiteral("Mus%1FREPane"));
    return group;
}

} // namespace

QWidget* BuildMusicPage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("AdvTabSheet1_mus"));
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* left = new QVBoxLayout;
    left->addWidget(InputGains(page));
    left->addWidget(MusicFilters(page));
    // The diagnostic memo: received checksum mismatches and loaded preset values.
    auto* memo = new QPlainTextEdit(page);
    memo->setObjectName(QStringLiteral("Memo2"));
    memo->setReadOnly(true);
    memo->hide();
    left->addWidget(memo);
    layout->addLayout(left);
    layout->addWidget(new BandBox(
                          QStringLiteral("MusScrollBox"), QStringLiteral("MusPanScrollBar"), 9,
                          [](int n) {
                              return BandColumnLayout::Regular(QStringLiteral("Mus"),
                                                               QStringLiteral("MusEQPointLabel"),
                                                               QStringLiteral("MusQUpDownBtn"), n);
                          },
                          15, page),
                      1);
    return page;
}

QWidget* BuildMicrophonePage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("AdvTabSheet2_mic"));
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);

    auto* left = new QGridLayout;
    auto* input = PageKit::Group(page, QStringLiteral("MicInputGroup"));
    auto* inputGrid = PageKit::ParameterGrid(input);
    PageKit::SliderRow(inputGrid, 0, QStringLiteral("MicInputGain"), 40, 22);
    PageKit::SliderRow(inputGrid, 1, QStringLiteral("MicFBE"), 4, 23);
    PageKit::FilterRows(inputGrid, 2, QStringLiteral("Mic"), QStringLiteral("Mic%1FreBar"),
                        QStringLiteral("Mic%1FrePane"));
    left->addWidget(input, 0, 0, 2, 1);

    auto* gate = PageKit::Group(page, QStringLiteral("AdvGroupBox16"));
    auto* gateGrid = PageKit::ParameterGrid(gate);
    PageKit::SliderRow(gateGrid, 0, QStringLiteral("MicNoiseLevel"), 60, 24);
    PageKit::SliderRow(gateGrid, 1, QStringLiteral("MicNoiseAttack"), 19, 17);
    PageKit::SliderRow(gateGrid, 2, QStringLiteral("MicNoiseRelease"), 7, 16);
    left->addWidget(gate, 0, 1);

    auto* limiter = PageKit::Group(page, QStringLiteral("AdvGroupBox1"));
    auto* limiterGrid = PageKit::ParameterGrid(limiter);
    PageKit::SliderRow(limiterGrid, 0, QStringLiteral("MicRmsLevel"), 34, 25);
    PageKit::SliderRow(limiterGrid, 1, QStringLiteral("MicRmsAttack"), 19, 17);
    PageKit::SliderRow(limiterGrid, 2, QStringLiteral("MicRmsRelease"), 7, 16);
    PageKit::SliderRow(limiterGrid, 3, QStringLiteral("MicRmsRatio"), 40, 15);
    left->addWidget(limiter, 1, 1);
    layout->addLayout(left);

    layout->addWidget(new BandBox(
                          QStringLiteral("MicScrollBox"), QStringLiteral("MicPanScrollBar"), 8,
                          [](int n) {
                              return BandColumnLayout::Regular(QStringLiteral("Mic"),
                                                               QStringLiteral("MicEQPointLabel"),
                                                               QStringLiteral("MIcQUpDownBtn"), n);
                          },
                          20, page),
                      1);
    return page;
}

} // namespace aec
