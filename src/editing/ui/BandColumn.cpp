#include "editing/ui/BandColumn.h"

#include "editing/ValueKind.h"
#include "editing/ui/PageKit.h"
#include "editing/ui/ParamWidgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace aec {

BandColumnLayout BandColumnLayout::Regular(const QString& prefix, const QString& labelStem,
                                           const QString& qSpinStem, int number)
{
    const QString n = QString::number(number);
    BandColumnLayout s;
    s.number = number;
    s.pointLabel = labelStem + n;
    s.bypass = prefix + QStringLiteral("BYBtn") + n;
    s.peaking = prefix + QStringLiteral("PEQBtn") + n;
    s.lowShelf = prefix + QStringLiteral("LSQBtn") + n;
    s.highShelf = prefix + QStringLiteral("HSQBtn") + n;
    s.typeList = prefix + QStringLiteral("ModeBox") + n;
    s.gainSlider = prefix + QStringLiteral("EQGainBar") + n;
    s.frequency = prefix + QStringLiteral("FreEdit") + n;
    s.gain = prefix + QStringLiteral("GainEdit") + n;
    s.q = prefix + QStringLiteral("QEdit") + n;
    s.qSpin = qSpinStem + n;
    s.typeItems = {QStringLiteral("BYPSS"), QStringLiteral("PEQ"), QStringLiteral("LSEQ"),
                   QStringLiteral("HSEQ")};
    return s;
}

BandColumnLayout BandColumnLayout::DynamicEq(int number)
{
    const QString n = QString::number(number);
    BandColumnLayout s = Regular(QStringLiteral("DEQ"), QStringLiteral("DEQPointLabel"),
                                 QStringLiteral("DEQQUpDownBtn"), number);
    s.lowShelf = QStringLiteral("DEQLEQBtn") + n;
    s.highShelf = QStringLiteral("DEQHEQBtn") + n;
    s.gainSlider = QStringLiteral("DEQGainBar") + n;
    s.typeItems[0] = QStringLiteral("BYpass");
    return s;
}

BandColumn::BandColumn(const BandColumnLayout& layout, QWidget* parent) : QWidget(parent)
{
    setFixedWidth(Width);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(2, 0, 2, 0);
    column->setSpacing(2);

    auto* point = new QLabel(QString::number(layout.number), this);
    point->setObjectName(layout.pointLabel);
    point->setAlignment(Qt::AlignCenter);
    point->setProperty("role", QStringLiteral("pointLabel"));
    column->addWidget(point);

    auto* types = new QHBoxLayout;
    types->setSpacing(1);
    const QString typeNames[] = {layout.bypass, layout.peaking, layout.lowShelf, layout.highShelf};
    const char* typeCaptions[] = {"BY", "P", "LS", "HS"};
    for (int k = 0; k < 4; ++k) {
        auto* label = new TypeLabel(QLatin1String(typeCaptions[k]), this);
        label->setObjectName(typeNames[k]);
        types->addWidget(label);
    }
    column->addLayout(types);
    column->addWidget(PageKit::Combo(this, layout.typeList, layout.typeItems, Kind::BandType));

    auto* gainSlider = PageKit::Slider(this, layout.gainSlider, 180, true);
    column->addWidget(gainSlider, 1, Qt::AlignHCenter);

    column->addWidget(PageKit::Edit(this, layout.frequency, Kind::Frequency));
    column->addWidget(PageKit::Edit(this, layout.gain, Kind::Gain));
    auto* qRow = new QHBoxLayout;
    qRow->setSpacing(1);
    qRow->addWidget(PageKit::Edit(this, layout.q, Kind::Q), 1);
    qRow->addWidget(PageKit::Spin(this, layout.qSpin));
    column->addLayout(qRow);
}

} // namespace aec
