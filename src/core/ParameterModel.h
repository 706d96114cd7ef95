#pragma once

#include "core/ParamAddress.h"
#include "core/SelectionState.h"
#include "core/ValueTable.h"

#include <QObject>

#include <array>
#include <cstdint>

namespace aec {

// Where a change of a parameter came from. The link sends what the person, undo or a preset
// changed; values that came from the processor, and the defaults written at start, stay local.
enum class Origin : std::uint8_t { Person, Undo, Preset, Processor, Default };

inline bool IsSentToProcessor(Origin origin)
{
    return origin == Origin::Person || origin == Origin::Undo || origin == Origin::Preset;
}

// One change of one parameter, as the model announces it.
struct ParamChange
{
    ParamAddress view = 0;   // the address the control that shows it carries
    ParamAddress device = 0; // the processor's address
    bool shown = true;       // a control shows it under the current selections (view is valid)
    std::int32_t value = 0;
    std::int32_t previous = 0; // what the store held before
    Origin origin = Origin::Person;
    const QObject* by = nullptr; // the control's binding, which already shows the value
    bool paced = false;          // goes out only after the previous frame is acknowledged
};

// The parameter store with its view and the selections that map one to the other. Every change
// of a parameter goes through set() or setDevice(), which store it and announce it with its
// origin; bindings show it, the link sends it, undo records it. Whole loads (from the processor
// or a preset file) write the store and then rebuild the view. Created once by the program;
// tests create their own.
class ParameterModel : public QObject
{
    Q_OBJECT
public:
    explicit ParameterModel(QObject* parent = nullptr) : QObject(parent) { m_shownAt.fill(-1); }

    ParamStore store;
    ViewValues view;
    SelectionState selection;
    std::array<std::int32_t, BlockCount> EqPassFlag{}; // 1 while a block's EQ is passed through

    ParamAddress ViewToDeviceAddress(ParamAddress viewAddress) const;

    // Stores the value under the view address and the processor address of the current
    // selections and announces it. Storing happens whether or not the processor is linked.
    void set(ParamAddress viewAddress, std::int32_t value, Origin origin,
             const QObject* by = nullptr, bool paced = false);
    // Stores a value at its processor address (the system page's settings, undo) and announces
    // it; the view follows where a control shows that address.
    void setDevice(ParamAddress deviceAddress, std::int32_t value, Origin origin,
                   const QObject* by = nullptr, bool paced = false);
    // The person's edit of a control's parameter.
    void SetParameter(ParamAddress viewAddress, std::int32_t value)
    {
        set(viewAddress, value, Origin::Person);
    }

    // Changes made between beginBatch() and the matching endBatch() form one edit: undo takes
    // them back as one step, and views that would redraw for each change wait for batchEnded.
    void beginBatch() { ++m_batchDepth; }
    void endBatch();
    bool inBatch() const { return m_batchDepth > 0; }

    // Refills the view from the store for the current selections.
    void RebuildViewValues();
    // What a view block would show of another store under the current selections (the other
    // set of an A/B comparison).
    void fillViewBlock(const ParamStore& from, int viewBlock, ViewValues& into) const;
    // The view address that shows a processor address under the current selections, or -1.
    int viewAddressOf(ParamAddress deviceAddress) const;

signals:
    void changed(const aec::ParamChange& change);
    // The outermost batch has ended.
    void batchEnded();

private:
    void announce(int shownAt, ParamAddress device, std::int32_t value, std::int32_t previous,
                  Origin origin, const QObject* by, bool paced);

    // Device address → view address for the selections of the last rebuild; -1 where none.
    std::array<std::int16_t, BlockCount * 256> m_shownAt;
    int m_batchDepth = 0;
};

// A batch for the length of a scope.
class ChangeBatch
{
public:
    explicit ChangeBatch(ParameterModel& model) : m_model(model) { model.beginBatch(); }
    ~ChangeBatch() { m_model.endBatch(); }
    ChangeBatch(const ChangeBatch&) = delete;
    ChangeBatch& operator=(const ChangeBatch&) = delete;

private:
    ParameterModel& m_model;
};

} // namespace aec
