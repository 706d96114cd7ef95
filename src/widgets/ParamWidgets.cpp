#include "widgets/ParamWidgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

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

bool PassWindowKeysToShortcuts(QKeyEvent* event)
{
    const QString text = event->text();
    const bool letter =
        text.size() == 1 && text[0].isLetter() && !(event->modifiers() & ~Qt::ShiftModifier);
    const bool history = event->matches(QKeySequence::Undo) ||
                         event->matches(QKeySequence::Redo) ||
                         QKeySequence(event->keyCombination()) == RedoAlternative;
    if (!letter && !history)
        return false;
    event->ignore();
    return true;
}

bool FocusSink::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride &&
        PassWindowKeysToShortcuts(static_cast<QKeyEvent*>(event)))
        return true;
    return QLineEdit::event(event);
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

void StatusPane::setWidestTexts(const QStringList& texts)
{
    m_texts = texts;
    updateGeometry();
}

QSize StatusPane::minimumSizeHint() const
{
    QSize size = QLabel::minimumSizeHint();
    // The label's own margins and frame around its text, kept for the widest text.
    const int overhead = size.width() - fontMetrics().horizontalAdvance(text());
    for (const QString& candidate : m_texts)
        size.setWidth(std::max(size.width(), fontMetrics().horizontalAdvance(candidate) + overhead));
    return size;
}

QSize StatusPane::sizeHint() const
{
    return QLabel::sizeHint().expandedTo(minimumSizeHint());
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
