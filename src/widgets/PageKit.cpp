#include "widgets/PageKit.h"

#include "system/CaptionTable.h"
#include "widgets/BandBox.h"
#include "widgets/BandColumn.h"
#include "widgets/Binder.h"
#include "widgets/Captions.h"
#include "widgets/ParamWidgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace aec::PageKit {
namespace {

template <typename W> W* Named(W* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

// A control that carries a caption pair shows it in the window's language; one without a pair
// keeps the text its builder gives it.
template <typename W> W* Captioned(W* widget, const BilingualText& caption)
{
    if (caption.chinese.isEmpty() && caption.english.isEmpty())
        return widget;
    SetCaptions(widget, caption);
    ShowCaption(widget, false);
    return widget;
}

} // namespace

QGridLayout* ParameterGrid(QWidget* group)
{
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(5, 2, 5, 2);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);
    grid->setColumnStretch(1, 1);
    return grid;
}

QGroupBox* Group(QWidget* parent, GroupId group)
{
    const GroupInfo& info = InfoOf(group);
    return Captioned(Named(new QGroupBox(parent), info.name), info.caption);
}

ParamSlider* Slider(QWidget* parent, const QString& name, int maximum)
{
    auto* slider = Named(new ParamSlider(maximum, Qt::Horizontal, parent), name);
    slider->setMinimumWidth(56);
    return slider;
}

StatusPane* Pane(QWidget* parent, const QString& name)
{
    auto* pane = Named(new StatusPane(parent), name);
    return pane;
}

ParamCombo* Combo(QWidget* parent, const QString& name, const QStringList& items)
{
    auto* combo = Named(new ParamCombo(items, parent), name);
    // Long filter names must not widen the page: the open list shows them whole.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(6);
    return combo;
}

TwoStateButton* Button(QWidget* parent, const QString& name)
{
    return Captioned(Named(new TwoStateButton(QString(), parent), name), CaptionOf(name));
}

QLabel* Label(QWidget* parent, const QString& name)
{
    return CaptionLabel(parent, name, CaptionOf(name));
}

QLabel* CaptionLabel(QWidget* parent, const QString& name, const BilingualText& caption)
{
    return Captioned(Named(new QLabel(parent), name), caption);
}

QGroupBox* NamedGroup(QWidget* parent, const QString& name)
{
    return Captioned(Named(new QGroupBox(parent), name), CaptionOf(name));
}

TwoStateButton* BoundButton(QWidget* parent, const ParamRow& row, Binder& binder)
{
    auto* button = Named(new TwoStateButton(QString(), parent), row.name);
    if (row.control == Control::Phase) {
        // A phase button shows its state by its face alone.
        button->setProperty("role", QStringLiteral("phase"));
        button->setFixedWidth(15);
        button->setToolTip(row.caption.english);
    } else {
        Captioned(button, row.caption);
    }
    binder.bind(row, button);
    return button;
}

int AddRows(QGridLayout* grid, GroupId group, Binder& binder, int line)
{
    QWidget* parent = grid->parentWidget();
    for (const ParamRow* row : RowsOf(group)) {
        QLabel* label =
            row->label.isEmpty() ? nullptr : CaptionLabel(parent, row->label, row->caption);
        switch (row->control) {
        case Control::Slider: {
            ParamSlider* slider = Slider(parent, row->name, RowTop(*row));
            StatusPane* pane = row->pane.isEmpty() ? nullptr : Pane(parent, row->pane);
            grid->addWidget(slider, line, 1);
            if (pane)
                grid->addWidget(pane, line, 2);
            binder.bind(*row, slider, pane);
            break;
        }
        case Control::List: {
            ParamCombo* list = Combo(parent, row->name, RowItems(*row));
            grid->addWidget(list, line, 1, 1, 2);
            binder.bind(*row, list);
            break;
        }
        case Control::Edit: {
            auto* edit = Named(new ParamEdit(parent), row->name);
            auto* spin = Named(new SpinButtons(parent), row->spin);
            grid->addWidget(edit, line, 1);
            grid->addWidget(spin, line, 2);
            binder.bind(*row, edit, spin);
            break;
        }
        case Control::Phase:
            // Beside the level on the line before.
            grid->addWidget(BoundButton(parent, *row, binder), line - 1, 3);
            continue;
        default:
            delete label;
            continue;
        }
        if (label)
            grid->addWidget(label, line, 0);
        ++line;
    }
    return line;
}

QGroupBox* BuildGroup(QWidget* parent, GroupId group, Binder& binder)
{
    QGroupBox* box = Group(parent, group);
    AddRows(ParameterGrid(box), group, binder);
    return box;
}

BandBox* BuildBands(QWidget* parent, GroupId family, int visibleColumns, Binder& binder,
                    const QString& scrollSliderName)
{
    const BandFamily* f = FamilyOf(family);
    Q_ASSERT(f);
    auto* box = new BandBox(InfoOf(family).name, scrollSliderName, visibleColumns, *f, parent);
    for (BandColumn* column : box->columns())
        binder.bindColumn(column);
    return box;
}

} // namespace aec::PageKit
