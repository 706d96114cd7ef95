#pragma once

#include "core/BilingualText.h"
#include "core/BlockLayout.h"
#include "core/ParamAddress.h"
#include "core/SelectionState.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace aec {

struct ParamRow;

// The band type codes of the processor.
namespace BandType {
constexpr int Bypass = 0;
constexpr int Peaking = 1;
constexpr int LowShelf = 2;
constexpr int HighShelf = 3;
} // namespace BandType

// The EQ bands of one page as the processor holds them: which block (and bank) they live in,
// how many there are, and the table rows that give each field's range and text. The processor
// addresses come from the same mapping the window's controls go through.
class EqTarget
{
public:
    // The bands a page shows under these selections (`viewBlock` is the chart's block).
    // Nothing for a view block without bands.
    static std::optional<EqTarget> ForView(int viewBlock, const SelectionState& selection);
    // The bands of a named page: a block's key ("music", "micB", "main.right.disco",
    // "hiddenMicA"), with `side` "right" for the second bank of the music and dynamic EQ
    // ("music.right" and "dynamicEq.bank2" name those too). Nothing, and `error` set, else.
    static std::optional<EqTarget> ForPage(const QString& page, const QString& side,
                                           QString* error);
    // Every page name ForPage takes without a side.
    static QStringList PageNames();

    QString key() const { return m_key; } // "music.right"
    const BilingualText& title() const { return m_title; }
    int bands() const { return m_bands; }
    ParamAddress address(int band, BandField field) const;
    const ParamRow& row(int band, BandField field) const;
    // The value of a band a reset leaves: peaking, 0 dB, the page's default frequency.
    int flatValue(int band, BandField field) const;

private:
    EqTarget() = default;

    int m_viewBlock = 0;
    SelectionState m_selection;
    int m_bands = 0;
    QString m_key;
    BilingualText m_title;
};

} // namespace aec
