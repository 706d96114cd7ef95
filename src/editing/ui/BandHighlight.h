#pragma once

#include <QHash>
#include <QObject>

namespace aec {

class BandColumnBinding;
class Binder;
class EditBinding;
class EditFocus;
class ParamEdit;

// Marks the band the person chose: its number label is drawn opaque and the others of its page
// transparent, the chosen edit's frame is highlighted, the page's columns scroll to bring it
// into view, and the chart is asked to show the band's values.
class BandHighlight : public QObject
{
    Q_OBJECT
public:
    BandHighlight(Binder& binder, EditFocus& focus, QObject* parent = nullptr);

    // The band last chosen on a view block's page (0 before any).
    int selectedBand(int viewBlock) const { return m_selected.value(viewBlock, 0); }

signals:
    void bandSelected(int viewBlock, int band);

private:
    void selected(EditBinding* edit);

    Binder& m_binder;
    QHash<EditBinding*, BandColumnBinding*> m_columnOf;
    QHash<int, int> m_selected;
    ParamEdit* m_highlighted = nullptr;
};

} // namespace aec
