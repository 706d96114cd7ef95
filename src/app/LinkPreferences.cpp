#include "app/LinkPreferences.h"

#include "app/ApplicationInfo.h"

namespace aec {
namespace {
const QString ReconnectKey = QStringLiteral("link/autoReconnect");
const QString NetworkPortKey = QStringLiteral("link/networkPort");
} // namespace

LinkPreferences::LinkPreferences() : m_settings(ApplicationTitle(), QStringLiteral("controller")) {}

bool LinkPreferences::autoReconnect() const
{
    return m_settings.value(ReconnectKey, true).toBool();
}

void LinkPreferences::setAutoReconnect(bool on)
{
    m_settings.setValue(ReconnectKey, on);
}

QString LinkPreferences::networkPort() const
{
    return m_settings.value(NetworkPortKey).toString();
}

void LinkPreferences::setNetworkPort(const QString& port)
{
    if (port.isEmpty())
        m_settings.remove(NetworkPortKey);
    else
        m_settings.setValue(NetworkPortKey, port);
}

} // namespace aec
