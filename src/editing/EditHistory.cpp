#include "editing/EditHistory.h"

#include "core/ParameterNames.h"
#include "core/ParameterTable.h"

#include <QElapsedTimer>

#include <algorithm>

namespace aec {
namespace {

// One undo step: the values of its parameters before and after.
class ParameterStep : public QUndoCommand
{
public:
    enum { SeriesId = 1 };

    ParameterStep(ParameterModel& model, std::vector<ValueChange> changes, BilingualText label,
                  bool done, bool series, qint64 at)
        : m_model(model), m_changes(std::move(changes)), m_label(std::move(label)),
          m_skipRedo(done), m_series(series), m_firstAt(at), m_lastAt(at)
    {
        retext();
    }

    void redo() override
    {
        if (m_skipRedo) { // the values are in the store already
            m_skipRedo = false;
            return;
        }
        ChangeBatch batch(m_model);
        for (const ValueChange& c : m_changes)
            m_model.setDevice(c.address, c.after, m_firstOrigin, nullptr, paced());
        m_firstOrigin = Origin::Undo;
        if (applied)
            applied(true);
    }

    void undo() override
    {
        ChangeBatch batch(m_model);
        for (auto c = m_changes.rbegin(); c != m_changes.rend(); ++c)
            m_model.setDevice(c->address, c->before, Origin::Undo, nullptr, paced());
        if (applied)
            applied(false);
    }

    int id() const override { return m_series ? SeriesId : -1; }

    bool mergeWith(const QUndoCommand* command) override
    {
        const auto* next = dynamic_cast<const ParameterStep*>(command);
        if (!next || !next->m_series || next->m_firstAt - m_lastAt > EditHistory::MergeWindowMs ||
            next->m_changes.size() != m_changes.size())
            return false;
        for (std::size_t i = 0; i < m_changes.size(); ++i)
            if (next->m_changes[i].address != m_changes[i].address)
                return false;
        for (std::size_t i = 0; i < m_changes.size(); ++i)
            m_changes[i].after = next->m_changes[i].after;
        m_lastAt = next->m_lastAt;
        // A series that ends where it began leaves nothing to undo.
        setObsolete(std::all_of(m_changes.begin(), m_changes.end(),
                                [](const ValueChange& c) { return c.before == c.after; }));
        retext();
        return true;
    }

    const BilingualText& texts() const { return m_text; }

    std::function<void(bool done)> applied;
    Origin m_firstOrigin = Origin::Undo;

private:
    // A step of several values (an EQ reset, a preset, an A/B switch) goes to the processor one
    // value per acknowledgement, as an EQ reset does, rather than as a burst it may not keep up
    // with; a single value goes out at once, as the person's edit did.
    bool paced() const { return m_changes.size() > 1; }

    void retext()
    {
        m_text = StepText(m_changes, m_label);
        setText(m_text.english);
    }

    ParameterModel& m_model;
    std::vector<ValueChange> m_changes;
    BilingualText m_label;
    BilingualText m_text;
    bool m_skipRedo;
    bool m_series;
    qint64 m_firstAt;
    qint64 m_lastAt;
};

qint64 MonotonicMs()
{
    static const QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

const ParameterStep* StepAt(const QUndoStack& stack, int index)
{
    return index >= 0 && index < stack.count()
               ? dynamic_cast<const ParameterStep*>(stack.command(index))
               : nullptr;
}

} // namespace

bool IsUndoable(ParamAddress address)
{
    const int block = BlockOf(address);
    if (block < Block::System)
        return SlotOf(address) < SlotCount[std::size_t(block)];
    const ParamRow* row = block == Block::System ? RowAt(address) : nullptr;
    return row && row->group == GroupId::MusicInput;
}

std::vector<ValueChange> Differences(const ParamStore& from, const ParamStore& to)
{
    std::vector<ValueChange> changes;
    for (int block = 0; block < BlockCount; ++block)
        for (int slot = 0; slot < RowLength; ++slot) {
            const ParamAddress address = MakeAddress(block, slot);
            if (from.at(block, slot) != to.at(block, slot) && IsUndoable(address))
                changes.push_back({address, from.at(block, slot), to.at(block, slot)});
        }
    return changes;
}

BilingualText StepText(const std::vector<ValueChange>& changes, const BilingualText& label)
{
    if (changes.empty() || !label.english.isEmpty())
        return label;
    const ValueChange& first = changes.front();
    const std::optional<DeviceParameter> p = DescribeDeviceAddress(first.address);
    const auto one = [&](bool chinese) {
        const QString name = p ? p->name(chinese) : QString::number(first.address);
        return name + QStringLiteral(": ") + DeviceValueText(first.address, first.before) +
               QStringLiteral(" → ") + DeviceValueText(first.address, first.after);
    };
    BilingualText text{one(true), one(false)};
    if (changes.size() > 1) {
        const int more = int(changes.size()) - 1;
        text.chinese += QStringLiteral(" 等 %1 项").arg(more + 1);
        text.english += QStringLiteral(" and %1 more").arg(more);
    }
    return text;
}

EditHistory::EditHistory(ParameterModel& model, QObject* parent)
    : QObject(parent), m_model(model), m_now(MonotonicMs)
{
    m_stack.setUndoLimit(StepLimit);
    connect(&model, &ParameterModel::changed, this, &EditHistory::record);
    connect(&model, &ParameterModel::batchEnded, this, &EditHistory::flush);
}

EditHistory::~EditHistory() = default;

void EditHistory::record(const ParamChange& change)
{
    if (change.origin != Origin::Person || !IsUndoable(change.device))
        return;
    auto same = std::find_if(m_gathered.begin(), m_gathered.end(),
                             [&](const ValueChange& c) { return c.address == change.device; });
    if (same != m_gathered.end())
        same->after = change.value;
    else
        m_gathered.push_back({change.device, change.previous, change.value});
    m_gatheredInBatch = m_gatheredInBatch || m_model.inBatch();
    // The rest of this action (a copy onto the linked side) joins the step; it closes when the
    // event loop turns, or when the batch ends.
    if (!m_model.inBatch() && !m_flushPosted) {
        m_flushPosted = true;
        QMetaObject::invokeMethod(this, &EditHistory::flush, Qt::QueuedConnection);
    }
}

void EditHistory::flush()
{
    m_flushPosted = false;
    if (m_model.inBatch())
        return;
    std::vector<ValueChange> changes;
    changes.swap(m_gathered);
    const bool series = !m_gatheredInBatch && m_label.english.isEmpty();
    m_gatheredInBatch = false;
    const BilingualText label = std::exchange(m_label, {});
    changes.erase(std::remove_if(changes.begin(), changes.end(),
                                 [](const ValueChange& c) { return c.before == c.after; }),
                  changes.end());
    if (changes.empty())
        return;
    m_stack.push(new ParameterStep(m_model, std::move(changes), label, true, series, m_now()));
}

void EditHistory::undo()
{
    flush();
    m_stack.undo();
}

void EditHistory::redo()
{
    flush();
    m_stack.redo();
}

BilingualText EditHistory::undoText() const
{
    const ParameterStep* step = StepAt(m_stack, m_stack.index() - 1);
    return step ? step->texts() : BilingualText{};
}

BilingualText EditHistory::redoText() const
{
    const ParameterStep* step = StepAt(m_stack, m_stack.index());
    return step ? step->texts() : BilingualText{};
}

void EditHistory::recordReplaced(const ParamStore& before, const BilingualText& label)
{
    flush();
    std::vector<ValueChange> changes = Differences(before, m_model.store);
    if (!changes.empty())
        m_stack.push(new ParameterStep(m_model, std::move(changes), label, true, false, m_now()));
}

void EditHistory::applySet(const ParamStore& target, const BilingualText& label,
                           std::function<void(bool done)> applied)
{
    flush();
    std::vector<ValueChange> changes = Differences(m_model.store, target);
    if (changes.empty()) {
        if (applied)
            applied(true);
        return;
    }
    auto* step = new ParameterStep(m_model, std::move(changes), label, false, false, m_now());
    step->applied = std::move(applied);
    step->m_firstOrigin = Origin::Preset;
    m_stack.push(step);
}

void EditHistory::startOver()
{
    m_gathered.clear();
    m_gatheredInBatch = false;
    m_label = {};
    m_stack.clear();
    m_stack.setClean();
}

} // namespace aec
