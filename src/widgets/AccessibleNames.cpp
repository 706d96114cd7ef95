#include "widgets/AccessibleNames.h"

#include "core/ParameterModel.h"
#include "core/ParameterNames.h"
#include "widgets/Binding.h"
#include "widgets/ParamWidgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QSlider>

namespace aec {
namespace {

const char* const StemProperty = "accessibleStem";
const char* const ValueTextProperty = "accessibleValueText";

// The blocks whose controls show on every page: the right-side delay and mute, the system
// volumes and the system items.
bool AlwaysShown(int block)
{
    return block == 9 || block == 15 || block == Block::SystemVolume || block == Block::System;
}

QString ParameterName(const ParameterModel& model, const Binding& binding, bool chinese)
{
    const ParamAddress device =
        binding.fixedAddress() ? binding.address() : model.ViewToDeviceAddress(binding.address());
    if (const std::optional<DeviceParameter> p = DescribeDeviceAddress(device))
        return p->name(chinese, QStringLiteral(", "));
    return binding.row().caption.in(chinese).trimmed();
}

QString OwnText(const QWidget* widget)
{
    return widget->property("text").toString().trimmed();
}

// A slider whose value reads as its pane shows it.
class ParamSliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit ParamSliderAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value) {
            const QString shown = widget()->property(ValueTextProperty).toString();
            return shown.isEmpty() ? QString::number(slider()->value()) : shown;
        }
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return slider()->value(); }
    void setCurrentValue(const QVariant& value) override { slider()->setValue(value.toInt()); }
    QVariant maximumValue() const override { return slider()->maximum(); }
    QVariant minimumValue() const override { return slider()->minimum(); }
    QVariant minimumStepSize() const override { return slider()->singleStep(); }

private:
    QSlider* slider() const { return static_cast<QSlider*>(widget()); }
};

// A two-state button is a toggle: "pressed" (or a phase button's state 1) is on.
class TwoStateAccessible : public QAccessibleWidget
{
public:
    explicit TwoStateAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Button)
    {
        addControllingSignal(QStringLiteral("clicked()"));
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return OwnText(widget());
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = static_cast<TwoStateButton*>(widget())->isOn();
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            static_cast<TwoStateButton*>(widget())->click();
    }
};

// A list read by its parameter's name, its choice as the value (on Linux a plain combo box is
// named by its current text, which tells neither the parameter nor one list from another).
class ParamComboAccessible : public QAccessibleWidget
{
public:
    explicit ParamComboAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value ||
            (t == QAccessible::Name && widget()->accessibleName().isEmpty()))
            return combo()->currentText();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction())
            combo()->showPopup();
    }

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("aec::ParamSlider"))
        return new ParamSliderAccessible(widget);
    if (className == QLatin1String("aec::TwoStateButton"))
        return new TwoStateAccessible(widget);
    if (className == QLatin1String("aec::ParamCombo"))
        return new ParamComboAccessible(widget);
    return nullptr;
}

} // namespace

void AccessibleNames::add(QWidget* widget, const Binding* binding, Piece piece)
{
    if (widget)
        m_entries.push_back({widget, binding, piece, {}});
}

void AccessibleNames::add(QWidget* widget, const BilingualText& name)
{
    if (widget)
        m_entries.push_back({widget, nullptr, Piece::Control, name});
}

void AccessibleNames::nameControls(const ParameterModel& model, bool chinese, int viewBlock) const
{
    for (const Entry& e : m_entries) {
        if (!e.widget)
            continue;
        if (!e.binding) {
            e.widget->setAccessibleName(e.fixed.in(chinese));
            continue;
        }
        const int block = BlockOf(e.binding->address());
        if (viewBlock != AllBlocks && !e.binding->fixedAddress() && block != viewBlock &&
            !AlwaysShown(block))
            continue;
        const QString name = ParameterName(model, *e.binding, chinese);
        switch (e.piece) {
        case Piece::Control:
            e.widget->setAccessibleName(name);
            break;
        case Piece::Pane:
            e.widget->setProperty(StemProperty, name);
            ShowPaneValue(e.widget, OwnText(e.widget));
            break;
        case Piece::Increase:
            e.widget->setAccessibleName(
                name + (chinese ? QStringLiteral("，增大") : QStringLiteral(", up")));
            break;
        case Piece::Decrease:
            e.widget->setAccessibleName(
                name + (chinese ? QStringLiteral("，减小") : QStringLiteral(", down")));
            break;
        case Piece::Option:
            e.widget->setAccessibleName(name + QStringLiteral(": ") + OwnText(e.widget));
            break;
        }
    }
}

void ShowPaneValue(QWidget* pane, const QString& text)
{
    const QString stem = pane->property(StemProperty).toString();
    if (!stem.isEmpty())
        pane->setAccessibleName(stem + QStringLiteral(": ") + text);
}

void ShowSliderValue(QWidget* slider, const QString& text)
{
    if (slider->property(ValueTextProperty).toString() == text)
        return;
    slider->setProperty(ValueTextProperty, text);
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(slider, text);
        QAccessible::updateAccessibility(&event);
    }
}

void InstallAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace aec
