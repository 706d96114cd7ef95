#include "widgets/ParamWidgets.h"

#include <QMouseEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace aec {
namespace {

void Restyle(QWidget* widget)
{
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

} // namespace

void SetStyleState(QWidget* widget, const char* property, const QVariant& value)
{
    if (widget->property(property) == value)
        return;
    widget->setProperty(property, value);
    Restyle(widget);
}

ParamSlider::ParamSlider(int maximum, Qt::Orientation orientation, QWidget* parent)
    : QSlider(orientation, parent)
{
    setRange(0, maximum);
    setFocusPolicy(Qt::NoFocus);
    setPageStep(qMax(1, maximum / 20));
}

StatusPane::StatusPane(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
}

ParamEdit::ParamEdit(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignCenter);
    setProperty("highlighted", false);
}

void ParamEdit::setHighlighted(bool highlighted)
{
    SetStyleState(this, "highlighted", highlighted);
}

ParamCombo::ParamCombo(const QStringList& items, QWidget* parent) : QComboBox(parent)
{
    addItems(items);
    setFocusPolicy(Qt::NoFocus);
}

TwoStateButton::TwoStateButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
    setFocusPolicy(Qt::NoFocus);
    setProperty("hint", QStringLiteral("0"));
    setProperty("look", QStringLiteral("normal"));
}

void TwoStateButton::setLook(const QString& look)
{
    SetStyleState(this, "look", look);
}

TypeLabel::TypeLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    setProperty("chosen", false);
}

void TypeLabel::setChosen(bool chosen)
{
    SetStyleState(this, "chosen", chosen);
}

void TypeLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QLabel::mousePressEvent(event);
}

SpinButtons::SpinButtons(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const bool up : {true, false}) {
        auto* button = new QToolButton(this);
        button->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(16, 11);
        button->setObjectName(up ? QStringLiteral("up") : QStringLiteral("down"));
        connect(button, &QToolButton::clicked, this, [this, up] { emit stepped(up); });
        layout->addWidget(button);
    }
}

} // namespace aec
