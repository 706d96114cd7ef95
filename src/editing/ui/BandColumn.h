#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

namespace aec {

// The names of one band column's controls.
struct BandColumnLayout
{
    QString pointLabel, bypass, peaking, lowShelf, highShelf, typeList, gainSlider, frequency, gain,
        q, qSpin;
    QStringList typeItems;
    int number = 1; // the band's number, its point label's caption

    // A band of a page whose controls share a prefix ("Mus" gives MusModeBox1 ...), with the
    // page's point-label stem and Q spin-button stem.
    static BandColumnLayout Regular(const QString& prefix, const QString& labelStem,
                                    const QString& qSpinStem, int number);
    // A band of the dynamic EQ (DEQModeBox1, DEQBYBtn1, DEQLEQBtn1 ...).
    static BandColumnLayout DynamicEq(int number);
};

// One EQ band column: point label, the four type labels, type list, gain slider, and the
// frequency, gain and Q edits with the Q's spin buttons. Every page builds its columns here.
class BandColumn : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Width = 65;
    explicit BandColumn(const BandColumnLayout& layout, QWidget* parent = nullptr);
};

} // namespace aec
