#include "editing/ui/BandEditing.h"

#include "core/MessageService.h"
#include "editing/EditorState.h"
#include "editing/ui/ControlHandlers.h"
#include "editing/ui/ControlTags.h"
#include "editing/ui/ControlValues.h"
#include "editing/ui/EditorContext.h"
#include "editing/ui/ParamWidgets.h"

#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>

namespace aec {
namespace {

bool IsBandEdit(QObject* object)
{
    auto* edit = qobject_cast<ParamEdit*>(object);
    if (!edit)
        return false;
    const int kind = Hint(edit).toInt();
    return kind >= Kind::Frequency && kind <= Kind::InputGain;
}

} // namespace

BandEditing::BandEditing(EditorContext& context) : m_ctx(context) {}

void BandEditing::connectControls()
{
    QWidget* w = m_ctx.window;
    for (ParamEdit* edit : w->findChildren<ParamEdit*>())
        if (IsBandEdit(edit))
            edit->installEventFilter(this);
    for (SpinButtons* spin : w->findChildren<SpinButtons*>())
        connect(spin, &SpinButtons::stepped, this,
                [this, spin](bool up) { spinStepped(spin, up); });
    for (ParamSlider* slider : w->findChildren<ParamSlider*>()) {
        const QString name = slider->objectName();
        if (name.contains(QLatin1String("EQGainBar")) ||
            name.startsWith(QLatin1String("DEQGainBar")))
            connect(slider, &QSlider::valueChanged, this,
                    [this, slider] { gainSliderMoved(slider); });
    }
    for (TypeLabel* label : w->findChildren<TypeLabel*>())
        connect(label, &TypeLabel::clicked, this, [this, label] { typeLabelClicked(label); });
    for (QLabel* label : w->findChildren<QLabel*>())
        if (label->property("role").toString() == QLatin1String("pointLabel"))
            label->installEventFilter(this);
}

// A band's number label selects the band through its frequency edit, as a left press on its
// marker does.
void BandEditing::pointLabelClicked(QWidget* label)
{
    static const struct
    {
        const char* label;
        const char* frequencyEdit;
    } stems[] = {{"MusEQPointLabel", "MusFreEdit"},   {"MicEQPointLabel", "MicFreEdit"},
                 {"EffEQPointLabel", "EchoFreEdit"},  {"RvbEQPointLabel", "RvbFreEdit"},
                 {"MainEQPointLabel", "MainFreEdit"}, {"HintEQPointLabel", "HintFreEdit"},
                 {"DEQPointLabel", "DEQFreEdit"}};
    const QString name = label->objectName();
    for (const auto& stem : stems) {
        if (!name.startsWith(QLatin1String(stem.label)))
            continue;
        const QString edit = QLatin1String(stem.frequencyEdit) + name.mid(int(qstrlen(stem.label)));
        if (auto* frequency = qobject_cast<ParamEdit*>(m_ctx.find(edit.toLatin1().constData())))
            if (frequency->isEnabled())
                bandEditClick(frequency);
        return;
    }
}

void BandEditing::bandEditClick(QWidget* edit)
{
    auto* primary =
        qobject_cast<ParamEdit*>(m_ctx.map.PrimaryControl(static_cast<ParamAddress>(Tag(edit))));
    if (!primary)
        return;
    m_ctx.state.WheelArmed = true;
    m_ctx.CurrentEdit = primary;
    primary->setFocus();
    m_ctx.state.LastGoodText = primary->text();
    // Showing the stored value again selects the band for the chart; nothing is stored, so a
    // value outside the edit's range stays as the processor holds it until the person edits.
    m_ctx.values->SetControlValue(primary, StepCode::None, true,
                                  m_ctx.model.view.at(static_cast<ParamAddress>(Tag(primary))));
}

void BandEditing::StepCurrentEdit(StepCode step)
{
    auto* edit = qobject_cast<ParamEdit*>(m_ctx.CurrentEdit);
    if (!edit || edit == m_ctx.map.Example)
        return;
    const QString digits = KeepNumberChars(edit->text());
    bool ok = false;
    const double number = digits.toDouble(&ok);
    if (digits.isEmpty() || !ok) {
        edit->setText(m_ctx.state.LastGoodText);
        return;
    }
    if (Hint(edit).isEmpty()) {
        if (m_ctx.messages)
            m_ctx.messages->inform({QStringLiteral("error"), QStringLiteral("error")});
        return;
    }
    const double index = ParseKindText(Hint(edit).toInt(), number);
    m_ctx.values->SetControlValue(edit, step, false, index);
    m_ctx.state.LastGoodText = edit->text();
}

void BandEditing::leaveEdit()
{
    auto* edit = qobject_cast<ParamEdit*>(m_ctx.CurrentEdit);
    if (!edit)
        return;
    if (edit->text().isEmpty()) {
        edit->setText(m_ctx.state.LastGoodText);
        return;
    }
    if (m_ctx.state.EditTyped)
        StepCurrentEdit(StepCode::None);
    m_ctx.state.EditTyped = false;
}

// Left and right move a band in frequency, up and down in gain, as on the chart.
bool BandEditing::keyPress(ParamEdit* edit, QKeyEvent* event)
{
    m_ctx.CurrentEdit = edit;
    m_ctx.state.EditTyped = true;
    const int kind = Hint(edit).toInt();
    const auto tag = static_cast<ParamAddress>(Tag(edit));
    const auto moveTo = [this](ParamAddress address) {
        if (QWidget* other = m_ctx.map.PrimaryControl(address))
            bandEditClick(other);
    };
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (kind == Kind::Frequency)
            moveTo(static_cast<ParamAddress>(tag + 1));
        StepCurrentEdit(event->key() == Qt::Key_Up ? StepCode::Up : StepCode::Down);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (kind == Kind::Gain)
            moveTo(static_cast<ParamAddress>(tag - 1));
        StepCurrentEdit(event->key() == Qt::Key_Right ? StepCode::Up : StepCode::Down);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        leaveEdit();
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return false;
    default:
        break;
    }
    const QString text = event->text();
    const bool accepted = text.size() == 1 && (text[0].isDigit() || text[0] == QLatin1Char('-') ||
                                               text[0] == QLatin1Char('.'));
    // Every other character is discarded; shortcuts and navigation keys pass.
    return !accepted && !text.isEmpty() && text[0].isPrint();
}

bool BandEditing::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && qobject_cast<QLabel*>(watched) &&
        !qobject_cast<ParamEdit*>(watched)) {
        pointLabelClicked(static_cast<QWidget*>(watched));
        return false;
    }
    auto* edit = qobject_cast<ParamEdit*>(watched);
    if (!edit)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        bandEditClick(edit);
        return false;
    case QEvent::KeyPress:
        return keyPress(edit, static_cast<QKeyEvent*>(event));
    case QEvent::FocusOut:
        if (m_ctx.CurrentEdit == edit)
            leaveEdit();
        return false;
    default:
        return false;
    }
}

void BandEditing::spinStepped(SpinButtons* spin, bool up)
{
    QWidget* target = m_ctx.map.PrimaryControl(static_cast<ParamAddress>(Tag(spin)));
    if (auto* edit = qobject_cast<ParamEdit*>(target)) {
        m_ctx.CurrentEdit = edit;
        edit->setFocus();
        StepCurrentEdit(up ? StepCode::Up : StepCode::Down);
    } else if (auto* slider = qobject_cast<ParamSlider*>(target)) {
        slider->setValue(slider->value() + (up ? 1 : -1));
    }
}

bool BandEditing::wheel(int delta)
{
    if (!m_ctx.state.WheelArmed || delta == 0)
        return false;
    StepCurrentEdit(delta > 0 ? StepCode::Up : StepCode::Down);
    return true;
}

void BandEditing::gainSliderMoved(ParamSlider* slider)
{
    if (m_ctx.state.SettingPosition)
        return;
    QWidget* gainEdit = m_ctx.map.PrimaryControl(static_cast<ParamAddress>(Tag(slider)));
    if (!gainEdit)
        return;
    m_ctx.CurrentEdit = gainEdit;
    m_ctx.values->SetControlValue(gainEdit, StepCode::None, false, slider->value());
}

void BandEditing::typeLabelClicked(TypeLabel* label)
{
    auto* list =
        qobject_cast<ParamCombo*>(m_ctx.map.PrimaryControl(static_cast<ParamAddress>(Tag(label))));
    if (!list)
        return;
    {
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(Hint(label).toInt());
    }
    m_ctx.handlers->MusModeBox1Change(list);
}

} // namespace aec
