#pragma once

#include "core/BilingualText.h"
#include "core/BlockLayout.h"
#include "core/ParamAddress.h"
#include "core/ValueKind.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace aec {

// How a parameter is edited on the window.
enum class Control : std::uint8_t {
    None,    // no control of its own (EQ pass, links, scenes: set by their buttons)
    Slider,  // a slider, with a value pane when it has one
    Edit,    // an edit box with spin buttons (the music input gains)
    List,    // a drop-down list
    Phase,   // a two-state phase button beside the level before it
    OnOff,   // a two-state button (mute)
    Pair,    // an off and an on button
    Band,    // a field of an EQ band column
    Trigger, // a dynamic band's three trigger buttons
};

// The groups that pages are made of; each has a box on its page with a caption.
enum class GroupId : std::uint8_t {
    MusicInput,
    MusicFilters,
    MicInput,
    MicNoiseGate,
    MicLimiter,
    EchoLevels,
    EchoFilters,
    ReverbLevels,
    ReverbFilters,
    OutputMix,
    OutputLimiter,
    OutputCrossover,
    DynamicEq1,
    DynamicEq2,
    DynamicEq3,
    MusicBands,
    MicBands,
    EchoBands,
    ReverbBands,
    OutputBands,
    HiddenBands,
    SystemVolumes,
    System, // settings of the side panel and the system page
    Hidden, // parameters without a group box (passes, links, scenes)
};

// One parameter of the processor as the window edits it: where it lives (the view address its
// control carries), how it is edited and shown, what it is called. Built once; every page,
// binding, caption, log line and export reads its parameters from here.
struct ParamRow
{
    ParamAddress address = 0;
    Control control = Control::None;
    Kind kind = Kind::Plain;
    GroupId group = GroupId::Hidden;
    QString name;          // the object name of the control that edits it
    QString pane;          // its value pane, if any
    QString label;         // the label that names it on the page, if any
    BilingualText caption; // what it is called, Chinese and English
    QString key;           // a stable readable name within its block: "gate.attack"
    int bottom = 0;        // its range, when narrower than its kind's
    int top = -1;          // -1: the kind's top
    QString spin;          // spin buttons beside an edit
    QStringList items;     // the items of a list whose kind has none of its own
    QString second;        // the second button of a pair (the first is `name`)
    int band = -1;         // band rows: the band from 0 and its field
    BandField field = BandField::Type;
    bool doubledOnSub = false; // the subwoofer shows this mix level doubled
    // The address is the processor's own whatever the page selections (the system page's
    // settings, among them the remote control in an output block).
    bool fixedAddress = false;

    int block() const { return BlockOf(address); }
    int slot() const { return SlotOf(address); }
};

// An EQ band page's family of columns.
struct BandFamily
{
    GroupId group;
    int viewBlock;
    QString prefix;     // "Mus": MusModeBox1, MusFreEdit1, ...
    QString pointLabel; // the stem of the band number labels
    QString qSpin;      // the stem of the Q edit's spin buttons
    int bands;
};
const std::vector<BandFamily>& BandFamilies();
const BandFamily* FamilyOf(GroupId group);

// Every parameter the window edits, in the order its page shows it (a band's Q edit has two
// rows).
const std::vector<ParamRow>& ParameterRows();
// The row of a view address, or null. A band's two Q slots give their own rows.
const ParamRow* RowAt(ParamAddress viewAddress);
// The first row whose control has this object name, or null.
const ParamRow* RowNamed(const QString& name);
std::vector<const ParamRow*> RowsOf(GroupId group);

// A group's box: its object name and caption.
struct GroupInfo
{
    GroupId id;
    QString name;
    BilingualText caption;
};
const GroupInfo& InfoOf(GroupId group);

// The row's range and the text of a value, limited to the range.
int RowBottom(const ParamRow& row);
int RowTop(const ParamRow& row);
int LimitToRow(const ParamRow& row, int value);
QString RowText(const ParamRow& row, int value, bool doubled = false);
// The items of a list row.
QStringList RowItems(const ParamRow& row);

// The field names of a band column, as the row headings and accessible names use them.
BilingualText BandFieldCaption(BandField field);

// The names of the row headings of a box of band columns (a family, or one dynamic-EQ group):
// type, frequency, gain, Q.
std::array<QString, 4> BandHeadingLabels(GroupId box);

} // namespace aec
