#pragma once

#include "editing/CompareSets.h"

#include <QObject>

class QToolButton;
class QWidget;

namespace aec {

class EditingWing;
class Language;

// The title strip's undo and redo buttons and A/B letters, and the window's undo keys (the
// platform's undo and redo keys, and Ctrl+Y), which reach the history from anywhere in the
// window, value edits included. The buttons' tooltips name the step they take.
class HistoryControls : public QObject
{
    Q_OBJECT
public:
    HistoryControls(EditingWing& wing, const Language& language, QWidget* window);

    // The buttons, for the title strip; `saveBoth` asks for the A and B sets to be saved.
    QWidget* buttons() const { return m_buttons; }

signals:
    void saveBothRequested();

private:
    void update();

    EditingWing& m_wing;
    const Language& m_language;
    QWidget* m_buttons;
    QToolButton* m_undo;
    QToolButton* m_redo;
    QToolButton* m_letters[2];
    QToolButton* m_saveBoth;
};

} // namespace aec
