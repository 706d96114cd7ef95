#pragma once

#include "core/ParameterModel.h"

#include <QObject>

namespace aec {

class BandColumn;
class BindingHub;
class EditBinding;
class EditFocus;
class ListBinding;

// Binds a band column to its band: the type list and its labels, the frequency and gain edits
// with the gain slider, and the Q edit, which shows the peaking Q while the band is bypassed or
// peaking and the shelving Q while it is a shelf.
class BandColumnBinding : public QObject
{
    Q_OBJECT
public:
    BandColumnBinding(BandColumn* column, ParameterModel& model, BindingHub& hub, EditFocus& focus);

    BandColumn* column() const { return m_column; }
    ListBinding* type() const { return m_type; }
    EditBinding* frequency() const { return m_frequency; }
    EditBinding* gain() const { return m_gain; }
    EditBinding* q() const { return m_q; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showType(int type);

    BandColumn* m_column;
    BindingHub& m_hub;
    EditFocus& m_focus;
    ListBinding* m_type;
    EditBinding* m_frequency;
    EditBinding* m_gain;
    EditBinding* m_q;
};

} // namespace aec
