// Bindings between controls and the model: a control's own edit is not shown back to it, every
// other control of the parameter shows it, and showing never writes into the model.
#include "core/ParameterModel.h"
#include "core/ParameterTable.h"
#include "widgets/BindingHub.h"
#include "widgets/ListBinding.h"
#include "widgets/ParamWidgets.h"
#include "widgets/SliderBinding.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>

namespace aec {
namespace {

class Bindings : public ::testing::Test
{
protected:
    Bindings()
    {
        QObject::connect(&model, &ParameterModel::changed,
                         [this](const ParamChange& change) { changes.push_back(change); });
    }

    // A slider with its pane for a row, taken into the hub.
    SliderBinding* sliderFor(const char* name)
    {
        auto* slider = new ParamSlider(1, Qt::Horizontal, &parent);
        auto* pane = new QLabel(&parent);
        auto* binding = new SliderBinding(slider, pane, *RowNamed(QLatin1String(name)), model);
        hub.add(binding);
        QObject::connect(binding, &SliderBinding::valueShown,
                         [this, binding](std::int32_t) { ++shownBy[binding]; });
        return binding;
    }

    QWidget parent;
    ParameterModel model;
    BindingHub hub{model};
    std::vector<ParamChange> changes;
    std::map<const Binding*, int> shownBy;
};

TEST_F(Bindings, AnEditIsTheControlsOwnAndEveryOtherControlOfTheParameterShowsIt)
{
    SliderBinding* first = sliderFor("EchoRepeatBar");
    SliderBinding* second = sliderFor("EchoRepeatBar");
    SliderBinding* other = sliderFor("EchoTimeBar");
    EXPECT_EQ(first->slider()->maximum(), 90) << "the slider's range is the parameter's";

    first->slider()->setValue(45);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].origin, Origin::Person);
    EXPECT_EQ(changes[0].by, first);
    EXPECT_EQ(model.store.at(4, 6), 45);
    EXPECT_EQ(second->slider()->value(), 45);
    EXPECT_EQ(second->pane()->text(), QStringLiteral("45%"));
    EXPECT_EQ(shownBy[first], 1) << "shown once, by its own move; its echo is not shown again";
    EXPECT_EQ(shownBy[other], 0);

    // A value from elsewhere is shown without going back into the model.
    model.set(MakeAddress(4, 6), 90, Origin::Processor);
    EXPECT_EQ(first->slider()->value(), 90);
    EXPECT_EQ(changes.size(), 2u);
}

TEST_F(Bindings, ShowingLimitsTheControlButLeavesTheStoreAsItIs)
{
    SliderBinding* repeat = sliderFor("EchoRepeatBar");
    model.store.at(4, 6) = 95;
    model.RebuildViewValues();
    hub.showAll();
    EXPECT_EQ(repeat->slider()->value(), 90) << "the slider stops at its top";
    EXPECT_EQ(repeat->pane()->text(), QStringLiteral("95%")) << "the pane shows the value held";
    EXPECT_EQ(model.store.at(4, 6), 95);
    EXPECT_TRUE(changes.empty());

    auto* list = new QComboBox(&parent);
    list->addItems(RowItems(*RowNamed(QStringLiteral("SysInputBox"))));
    auto* input = new ListBinding(list, *RowNamed(QStringLiteral("SysInputBox")), model);
    hub.add(input);
    model.store.at(30, 20) = 7;
    model.RebuildViewValues();
    hub.showAll();
    EXPECT_EQ(list->currentIndex(), 3) << "shown as the last item";
    EXPECT_EQ(model.store.at(30, 20), 7);
    EXPECT_TRUE(changes.empty());
}

} // namespace
} // namespace aec
