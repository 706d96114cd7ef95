#pragma once

#include "core/BilingualText.h"
#include "core/ParameterModel.h"

#include <QObject>
#include <QUndoStack>

#include <functional>
#include <vector>

namespace aec {

// One parameter of a step, with what it held before and after.
struct ValueChange
{
    ParamAddress address = 0; // the processor's address
    std::int32_t before = 0;
    std::int32_t after = 0;
};

// The parameters undo takes back: the processor's parameter blocks and the music input's
// choices. Mode commands, the panel lock and the access level are actions, not settings.
bool IsUndoable(ParamAddress address);
// Every undoable parameter whose value differs between two stores.
std::vector<ValueChange> Differences(const ParamStore& from, const ParamStore& to);
// How a step reads: its label when it has one ("EQ reset: Music"), else its parameter's change
// ("Music EQ band 5 gain: 2.0dB → 4.0dB"), followed by "and 3 more" when there are several.
BilingualText StepText(const std::vector<ValueChange>& changes, const BilingualText& label = {});

// The person's edits as undoable steps on a QUndoStack. Every change the person makes is
// recorded with its old value; the changes of one action (an edit and its copy onto the
// linked side, all changes of a model batch) form one step, and a series of steps of the same
// parameters less than a second apart (wheel turns, spin clicks) merges into one. Undo and
// redo write the values back as changes of origin Undo, which the link sends like any edit.
class EditHistory : public QObject
{
    Q_OBJECT
public:
    static constexpr int MergeWindowMs = 1000;
    static constexpr int StepLimit = 2000;

    explicit EditHistory(ParameterModel& model, QObject* parent = nullptr);
    ~EditHistory() override;

    QUndoStack& stack() { return m_stack; }
    const QUndoStack& stack() const { return m_stack; }

    // Closes the step being gathered now rather than when the event loop next turns.
    void flush();
    void undo();
    void redo();
    // The texts of the steps undo and redo would take, empty when there is none.
    BilingualText undoText() const;
    BilingualText redoText() const;

    // A whole-set change already written into the store (a preset load), as one step from the
    // store it replaced.
    void recordReplaced(const ParamStore& before, const BilingualText& label);
    // Writes a whole set as one step: only the parameters that differ change, as edits that
    // the link queues (an A/B switch). `applied` runs after the step is done (true) or undone.
    void applySet(const ParamStore& target, const BilingualText& label,
                  std::function<void(bool done)> applied = {});

    // After a load from the processor the store holds its state: nothing to undo, and the
    // settings are unmodified.
    void startOver();
    // Names the step being gathered ("EQ reset: Music") instead of its first parameter.
    void labelStep(const BilingualText& label) { m_label = label; }
    // The settings as they are now are the ones saved or loaded.
    void markSaved()
    {
        flush();
        m_stack.setClean();
    }

    // For tests: the milliseconds clock that decides whether steps form a series.
    void setClock(std::function<qint64()> now) { m_now = std::move(now); }

private:
    void record(const ParamChange& change);

    ParameterModel& m_model;
    QUndoStack m_stack;
    std::vector<ValueChange> m_gathered; // the step being gathered
    bool m_gatheredInBatch = false;      // a batch is one action, never part of a series
    BilingualText m_label;
    bool m_flushPosted = false;
    std::function<qint64()> m_now;
};

} // namespace aec
