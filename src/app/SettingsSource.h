#pragma once

#include "core/BilingualText.h"

#include <QObject>

class QLabel;
class QWidget;

namespace aec {

class EditHistory;
class Language;

// What the settings on show came from (a mode of the processor, a preset file) and whether
// they have changed since: the window's title carries both (its modified mark), and the title
// strip's label says them in the caption language. Undoing back to the loaded or saved state
// clears the mark.
class SettingsSource : public QObject
{
    Q_OBJECT
public:
    SettingsSource(QWidget& window, QLabel& label, const EditHistory& history,
                   const Language& language);

    void setSource(const BilingualText& source);
    const BilingualText& source() const { return m_source; }
    // The title's end after the source: the program's name, and the link's port and processor
    // once there is one (the link sets it; this keeps the source in front of it).
    void setApplicationTitle(const QString& title);

    static BilingualText ModeSource(const QString& modeItem);
    static BilingualText PresetSource(const QString& name);

private:
    void update();

    QWidget& m_window;
    QLabel& m_label;
    const EditHistory& m_history;
    const Language& m_language;
    BilingualText m_source;
    QString m_applicationTitle;
};

} // namespace aec
