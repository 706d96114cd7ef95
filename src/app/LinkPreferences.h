#pragma once

#include <QSettings>
#include <QString>

namespace aec {

// The link's settings kept between runs in the user's settings: the automatic reconnect (on
// unless the person switched it off) and the address of a processor on the network.
class LinkPreferences
{
public:
    LinkPreferences();

    bool autoReconnect() const;
    void setAutoReconnect(bool on);
    QString networkPort() const;
    void setNetworkPort(const QString& port);

private:
    QSettings m_settings;
};

} // namespace aec
