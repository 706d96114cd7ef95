#include "app/SettingsSource.h"

#include "app/ApplicationInfo.h"
#include "core/Language.h"
#include "editing/EditHistory.h"

#include <QLabel>
#include <QWidget>

namespace aec {

SettingsSource::SettingsSource(QWidget& window, QLabel& label, const EditHistory& history,
                               const Language& language)
    : QObject(&window), m_window(window), m_label(label), m_history(history), m_language(language),
      m_applicationTitle(ApplicationTitle())
{
    connect(&history.stack(), &QUndoStack::cleanChanged, this, &SettingsSource::update);
    connect(&language, &Language::changed, this, &SettingsSource::update);
    update();
}

void SettingsSource::setSource(const BilingualText& source)
{
    m_source = source;
    update();
}

void SettingsSource::setApplicationTitle(const QString& title)
{
    m_applicationTitle = title;
    update();
}

BilingualText SettingsSource::ModeSource(const QString& modeItem)
{
    return {QStringLiteral("模式 ") + modeItem, QStringLiteral("Mode ") + modeItem};
}

BilingualText SettingsSource::PresetSource(const QString& name)
{
    return {QStringLiteral("预设 ") + name, QStringLiteral("Preset ") + name};
}

void SettingsSource::update()
{
    const bool modified = !m_history.stack().isClean();
    const bool chinese = m_language.isChinese();
    const QString source = m_source.in(chinese);
    // "[*]" is where the window system shows the modified mark.
    m_window.setWindowTitle(source.isEmpty()
                                ? m_applicationTitle + QStringLiteral("[*]")
                                : source + QStringLiteral("[*] — ") + m_applicationTitle);
    m_window.setWindowModified(modified);
    QString text = source;
    if (modified)
        text += chinese ? QStringLiteral("（已修改）") : QStringLiteral(" (modified)");
    m_label.setText(text.isEmpty() ? QString() : QStringLiteral("— ") + text);
}

} // namespace aec
