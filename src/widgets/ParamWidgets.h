#pragma once

#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVariant>
#include <QWidget>

class QKeyEvent;
class QToolButton;

namespace aec {

// Sets a property that the style sheet reads (such as "selected" or "look") and restyles.
void SetStyleState(QWidget* widget, const char* property, const QVariant& value);

// Redo's second key on every platform, beside the platform's own redo keys.
inline const QKeySequence RedoAlternative{Qt::CTRL | Qt::Key_Y};

// An edit that takes numbers only lets the window's shortcuts have letter keys (the volume
// keys) and the undo and redo keys (the window's history, not the edit's): their shortcut
// override is left unaccepted. True when the event was such a key.
bool PassWindowKeysToShortcuts(QKeyEvent* event);

// Takes the keyboard focus away from the pages' edit boxes without taking letters from the
// window's shortcuts.
class FocusSink : public QLineEdit
{
    Q_OBJECT
public:
    explicit FocusSink(QWidget* parent = nullptr) : QLineEdit(parent) { setReadOnly(true); }

protected:
    bool event(QEvent* event) override;
};

// The control families of the main window, one class each, so that handlers tell them apart
// with qobject_cast as the window's design tells track bars, panes, lists and buttons apart.

// A track bar; its position is the parameter's index.
class ParamSlider : public QSlider
{
    Q_OBJECT
public:
    explicit ParamSlider(int maximum, Qt::Orientation orientation = Qt::Horizontal,
                         QWidget* parent = nullptr);
};

// A read-only status pane beside a slider, showing the value in its unit. It asks for the room
// of the widest text it can show, so no value is ever cut off.
class StatusPane : public QLabel
{
    Q_OBJECT
public:
    explicit StatusPane(QWidget* parent = nullptr);
    void setWidestTexts(const QStringList& texts);
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

private:
    QStringList m_texts;
};

// An edit box for a band's frequency, gain or Q, or an input gain. Its frame colour marks the
// highlighted band.
class ParamEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit ParamEdit(QWidget* parent = nullptr);
    void setHighlighted(bool highlighted);
};

// A drop-down list: a band's type, a filter type, or another choice.
class ParamCombo : public QComboBox
{
    Q_OBJECT
public:
    explicit ParamCombo(const QStringList& items, QWidget* parent = nullptr);
};

// A two-state (bitmap) button: phase, mute, EQ pass, trigger, mode, scene and link buttons.
// Its look follows the state "look": "pressed", "greyed", "staydown", "normal", or for a
// phase button "phase0"/"phase1".
class TwoStateButton : public QPushButton
{
    Q_OBJECT
public:
    explicit TwoStateButton(const QString& caption = {}, QWidget* parent = nullptr);
    void setLook(const QString& look);
    // A layout never squeezes a button below the room its caption needs.
    QSize minimumSizeHint() const override { return sizeHint(); }
    QString look() const { return property("look").toString(); }
};

// One of a band's four type labels ("BY", "P", "LS", "HS"); clicking it chooses the type.
class TypeLabel : public QLabel
{
    Q_OBJECT
public:
    explicit TypeLabel(const QString& caption, QWidget* parent = nullptr);
    void setChosen(bool chosen);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// An up/down pair of spin buttons beside an edit box.
class SpinButtons : public QWidget
{
    Q_OBJECT
public:
    explicit SpinButtons(QWidget* parent = nullptr);

signals:
    void stepped(bool up);
};

} // namespace aec
