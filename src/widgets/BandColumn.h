#pragma once

#include "core/ParameterTable.h"

#include <QWidget>

#include <array>

class QLabel;

namespace aec {

class ParamCombo;
class ParamEdit;
class ParamSlider;
class SpinButtons;
class TypeLabel;

// One EQ band column: the band's number, its four type labels, its type list, its gain slider,
// and its frequency, gain and Q edits with the Q's spin buttons. The controls take the names of
// the band's rows in the parameter table and the family's stems.
class BandColumn : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Width = 65;
    BandColumn(const BandFamily& family, int band, QWidget* parent = nullptr);

    const BandFamily& family() const { return m_family; }
    int band() const { return m_band; }
    // The row of a field of this band.
    const ParamRow& row(BandField field) const;

    QLabel* pointLabel = nullptr;
    std::array<TypeLabel*, 4> typeLabels{};
    ParamCombo* typeList = nullptr;
    ParamSlider* gainSlider = nullptr;
    ParamEdit* frequency = nullptr;
    ParamEdit* gain = nullptr;
    ParamEdit* q = nullptr;
    SpinButtons* qSpin = nullptr;

private:
    const BandFamily& m_family;
    int m_band;
};

// The row headings left of a box of band columns ("Type", "Hz", "Gain", "Q"), each beside the
// row of `sample` it names.
QWidget* BuildBandHeadings(QWidget* parent, const BandColumn& sample, GroupId box);

} // namespace aec
