#pragma once

#include "core/ParameterModel.h"

#include <QHash>
#include <QList>
#include <QObject>

namespace aec {

class Binding;

// Hands every change the model announces to the bindings of its parameter, except the one that
// made it, and shows the model's values in every binding of a block when the view is rebuilt.
class BindingHub : public QObject
{
    Q_OBJECT
public:
    explicit BindingHub(ParameterModel& model, QObject* parent = nullptr);

    // Takes a binding in; it leaves by itself when destroyed.
    void add(Binding* binding);
    // The binding stands for another address from now on.
    void retarget(Binding* binding, ParamAddress address);

    // Every binding of a view block (or of all) shows the model's value.
    void showBlock(int viewBlock);
    void showAll();
    // The bindings of fixed addresses (the system page's switches) show the store.
    void showFixed();

    const QList<Binding*>& bindings() const { return m_all; }
    QList<Binding*> bindingsAt(ParamAddress address) const;

private:
    void changed(const ParamChange& change);
    void remove(QObject* binding);
    static std::uint32_t keyOf(const Binding* binding);

    ParameterModel& m_model;
    QList<Binding*> m_all;
    // Bindings by view address, and those of fixed addresses by the processor's address (their
    // keys have bit 16 set).
    QMultiHash<std::uint32_t, Binding*> m_byKey;
};

} // namespace aec
