#include "widgets/BindingHub.h"

#include "widgets/Binding.h"

namespace aec {
namespace {

constexpr std::uint32_t FixedKey = 1u << 16;

} // namespace

BindingHub::BindingHub(ParameterModel& model, QObject* parent) : QObject(parent), m_model(model)
{
    connect(&model, &ParameterModel::changed, this, &BindingHub::changed);
}

std::uint32_t BindingHub::keyOf(const Binding* binding)
{
    return binding->address() | (binding->fixedAddress() ? FixedKey : 0u);
}

void BindingHub::add(Binding* binding)
{
    m_all.append(binding);
    m_byKey.insert(keyOf(binding), binding);
    connect(binding, &QObject::destroyed, this, &BindingHub::remove);
}

void BindingHub::retarget(Binding* binding, ParamAddress address)
{
    m_byKey.remove(keyOf(binding), binding);
    binding->setAddress(address);
    m_byKey.insert(keyOf(binding), binding);
}

void BindingHub::remove(QObject* object)
{
    // Only the QObject part is left of a destroyed binding: find it by pointer.
    for (auto it = m_byKey.begin(); it != m_byKey.end();) {
        if (static_cast<QObject*>(it.value()) == object)
            it = m_byKey.erase(it);
        else
            ++it;
    }
    m_all.removeIf([object](Binding* b) { return static_cast<QObject*>(b) == object; });
}

void BindingHub::changed(const ParamChange& change)
{
    // Showing may retarget another binding (a band's Q edit follows its type), which changes
    // the table: the bindings to notify are taken out of it before any is shown.
    const auto notify = [&](std::uint32_t key) {
        const QList<Binding*> bindings = m_byKey.values(key);
        for (Binding* binding : bindings)
            if (binding != change.by)
                binding->show(change.value);
    };
    if (change.shown)
        notify(change.view);
    notify(change.device | FixedKey);
}

void BindingHub::showBlock(int viewBlock)
{
    for (Binding* binding : std::as_const(m_all))
        if (!binding->fixedAddress() && BlockOf(binding->address()) == viewBlock)
            binding->showStored();
}

void BindingHub::showFixed()
{
    for (Binding* binding : std::as_const(m_all))
        if (binding->fixedAddress())
            binding->showStored();
}

void BindingHub::showAll()
{
    for (Binding* binding : std::as_const(m_all))
        binding->showStored();
}

QList<Binding*> BindingHub::bindingsAt(ParamAddress address) const
{
    return m_byKey.values(address);
}

} // namespace aec
