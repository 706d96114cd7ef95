#include "widgets/BandColumn.h"

#include "widgets/Captions.h"
#include "widgets/ParamWidgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace aec {
namespace {

// The type labels' names: the dynamic EQ names its shelves LEQ and HEQ.
std::array<QString, 4> TypeLabelNames(const BandFamily& family, const QString& n)
{
    const bool dynamic = family.viewBlock == Block::DynamicEq;
    const QString& p = family.prefix;
    return {p + QStringLiteral("BYBtn") + n, p + QStringLiteral("PEQBtn") + n,
            p + (dynamic ? QStringLiteral("LEQBtn") : QStringLiteral("LSQBtn")) + n,
            p + (dynamic ? QStringLiteral("HEQBtn") : QStringLiteral("HSQBtn")) + n};
}

template <typename W> W* Named(W* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

BandColumn::BandColumn(const BandFamily& family, int band, QWidget* parent)
    : QWidget(parent), m_family(family), m_band(band)
{
    const QString n = QString::number(band + 1);
    const bool dynamic = family.viewBlock == Block::DynamicEq;
    setFixedWidth(Width);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(2, 0, 2, 0);
    column->setSpacing(2);

    pointLabel = Named(new QLabel(n, this), family.pointLabel + n);
    pointLabel->setAlignment(Qt::AlignCenter);
    pointLabel->setProperty("role", QStringLiteral("pointLabel"));
    column->addWidget(pointLabel);

    auto* types = new QHBoxLayout;
    types->setSpacing(2);
    const std::array<QString, 4> labelNames = TypeLabelNames(family, n);
    const char* captions[] = {"BY", "P", "LS", "HS"};
    for (int k = 0; k < 4; ++k) {
        typeLabels[k] = Named(new TypeLabel(QLatin1String(captions[k]), this), labelNames[k]);
        types->addWidget(typeLabels[k]);
    }
    column->addLayout(types);
    typeList =
        Named(new ParamCombo(RowItems(row(BandField::Type)), this), row(BandField::Type).name);
    typeList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    typeList->setMinimumContentsLength(4);
    column->addWidget(typeList);

    const QString sliderName =
        family.prefix + (dynamic ? QStringLiteral("GainBar") : QStringLiteral("EQGainBar")) + n;
    gainSlider =
        Named(new ParamSlider(RowTop(row(BandField::Gain)), Qt::Vertical, this), sliderName);
    column->addWidget(gainSlider, 1, Qt::AlignHCenter);

    frequency = Named(new ParamEdit(this), row(BandField::Frequency).name);
    gain = Named(new ParamEdit(this), row(BandField::Gain).name);
    column->addWidget(frequency);
    column->addWidget(gain);
    auto* qRow = new QHBoxLayout;
    qRow->setSpacing(1);
    q = Named(new ParamEdit(this), row(BandField::PeakQ).name);
    qSpin = Named(new SpinButtons(this), row(BandField::PeakQ).spin);
    qRow->addWidget(q, 1);
    qRow->addWidget(qSpin);
    column->addLayout(qRow);
}

QWidget* BuildBandHeadings(QWidget* parent, const BandColumn& sample, GroupId box)
{
    auto* headings = new QWidget(parent);
    headings->setObjectName(InfoOf(box).name + QStringLiteral("Headings"));
    headings->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* column = new QVBoxLayout(headings);
    column->setContentsMargins(0, 0, 2, 0);
    column->setSpacing(2);
    const std::array<QString, 4> names = BandHeadingLabels(box);
    const auto heading = [&](int index, BandField field, const QWidget* beside) {
        auto* label = Named(new QLabel(headings), names[std::size_t(index)]);
        SetCaptions(label, BandFieldCaption(field));
        ShowCaption(label, false);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setProperty("role", QStringLiteral("bandHeading"));
        label->setFixedHeight(beside->sizeHint().height());
        column->addWidget(label);
    };
    column->addSpacing(sample.pointLabel->sizeHint().height() + 2 +
                       sample.typeLabels[0]->sizeHint().height());
    heading(0, BandField::Type, sample.typeList);
    column->addStretch(1);
    heading(1, BandField::Frequency, sample.frequency);
    heading(2, BandField::Gain, sample.gain);
    heading(3, BandField::PeakQ, sample.q);
    return headings;
}

const ParamRow& BandColumn::row(BandField field) const
{
    const ParamRow* r =
        RowAt(MakeAddress(m_family.viewBlock, BandSlot(m_family.viewBlock, m_band, field)));
    Q_ASSERT(r);
    return *r;
}

} // namespace aec
