#include "editing/ui/PageKit.h"

#include "editing/ValueKind.h"
#include "editing/ui/ControlTags.h"
#include "editing/ui/ParamWidgets.h"
#include "system/CaptionTable.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace aec::PageKit {
namespace {

template <typename W> W* Named(W* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

QGridLayout* ParameterGrid(QWidget* group)
{
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(5, 2, 5, 2);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);
    grid->setColumnStretch(1, 1);
    return grid;
}

ParamSlider* Slider(QWidget* parent, const QString& name, int maximum, bool vertical)
{
    auto* slider =
        Named(new ParamSlider(maximum, vertical ? Qt::Vertical : Qt::Horizontal, parent), name);
    return slider;
}

StatusPane* Pane(QWidget* parent, const QString& name, int kind)
{
    auto* pane = Named(new StatusPane(parent), name);
    SetHint(pane, QString::number(kind));
    pane->setMinimumWidth(50);
    return pane;
}

ParamEdit* Edit(QWidget* parent, const QString& name, int kind)
{
    auto* edit = Named(new ParamEdit(parent), name);
    SetHint(edit, QString::number(kind));
    return edit;
}

ParamCombo* Combo(QWidget* parent, const QString& name, const QStringList& items, int kind)
{
    auto* combo = Named(new ParamCombo(items, parent), name);
    // Long filter names must not widen the page: the open list shows them whole.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(6);
    if (kind >= 0)
        SetHint(combo, QString::number(kind));
    return combo;
}

SpinButtons* Spin(QWidget* parent, const QString& name)
{
    return Named(new SpinButtons(parent), name);
}

TwoStateButton* Button(QWidget* parent, const QString& name)
{
    return Named(new TwoStateButton(CaptionOf(name).english, parent), name);
}

QLabel* Label(QWidget* parent, const QString& name)
{
    return Named(new QLabel(CaptionOf(name).english, parent), name);
}

QGroupBox* Group(QWidget* parent, const QString& name)
{
    return Named(new QGroupBox(CaptionOf(name).english, parent), name);
}

ParamSlider* SliderRow(QGridLayout* grid, int row, const QString& stem, int maximum, int paneKind,
                       const QString& sliderSuffix, const QString& paneSuffix)
{
    QWidget* parent = grid->parentWidget();
    grid->addWidget(Label(parent, stem + QStringLiteral("Label")), row, 0);
    ParamSlider* slider = Slider(parent, stem + sliderSuffix, maximum);
    slider->setMinimumWidth(56);
    grid->addWidget(slider, row, 1);
    grid->addWidget(Pane(parent, stem + paneSuffix, paneKind), row, 2);
    return slider;
}

void FilterRows(QGridLayout* grid, int row, const QString& prefix, const QString& freqStem,
                const QString& paneStem)
{
    QWidget* parent = grid->parentWidget();
    const struct
    {
        const char* type;
        const char* pass;
        int kind;
        int maximum;
    } filters[] = {
        {"HPTypeBox", "HP", Kind::HighPassList, 361},
        {"LPTypeBox", "LP", Kind::LowPassList, 361},
    };
    for (const auto& f : filters) {
        grid->addWidget(Label(parent, prefix + QLatin1String(f.pass) + QStringLiteral("Label")),
                        row, 0);
        grid->addWidget(Combo(parent, prefix + QLatin1String(f.type), FilterTypeItems(), f.kind),
                        row, 1, 1, 2);
        ++row;
        auto* slider = Slider(parent, freqStem.arg(QLatin1String(f.pass)), f.maximum);
        slider->setMinimumWidth(56);
        grid->addWidget(slider, row, 1);
        grid->addWidget(Pane(parent, paneStem.arg(QLatin1String(f.pass)), Kind::FilterFrequency),
                        row, 2);
        ++row;
    }
}

const QStringList& FilterTypeItems()
{
    // The processor's own captions, as it names its filters.
    static const QStringList items = {
        QStringLiteral("Bypass"),           QStringLiteral("6dB 1st "),
        QStringLiteral("12dB Besse"),       QStringLiteral("12dB Butterworth"),
        QStringLiteral("12dB Link-Riley"),  QStringLiteral("18dB Bessel"),
        QStringLiteral("18dB Butterworth"), QStringLiteral("24dB Bessel"),
        QStringLiteral("24dB Butterworth"), QStringLiteral("24dB Link-Riley"),
        QStringLiteral("36dB Bessel"),      QStringLiteral("36dB Butterworth"),
        QStringLiteral("36dB Link-Riley")};
    return items;
}

} // namespace aec::PageKit
