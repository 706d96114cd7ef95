#pragma once

#include "core/BilingualText.h"

#include <QObject>
#include <QString>

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace aec {

class DiagnosticLog;
class Language;
class LinkPreferences;
class MessageService;
class ProtocolConsole;
class TForm1;
class TForm3;

// Where the link's own controls meet the link: the system page's automatic reconnect switch
// and network address, kept in the preferences; the protocol console, opened by F12 or the
// system page's button and made only when first opened; and the window's title, which names
// the port and the processor's identity so that controllers side by side are told apart.
class LinkTools : public QObject
{
    Q_OBJECT
public:
    static const BilingualText BadNetworkAddress;

    // `reconnect` false keeps the automatic reconnect off for this run, whatever the setting.
    LinkTools(TForm1& window, TForm3& link, const Language& language, DiagnosticLog& log,
              MessageService* messages, LinkPreferences& preferences, bool reconnect);
    ~LinkTools() override;

    // Shows the protocol console, making it the first time; null until then.
    void openConsole();
    ProtocolConsole* console() const { return m_console.get(); }

    // "Audio Effect Contrller - tcp://10.0.0.7:4001 - 51A3160B": what the title shows.
    static QString TitleFor(const QString& port, const QString& identity);

private:
    void reconnectToggled(bool on);
    void networkPortEdited();
    void showNetworkPortState();
    void showTitle();

    TForm1& m_window;
    TForm3& m_link;
    const Language& m_language;
    DiagnosticLog& m_log;
    MessageService* m_messages;
    LinkPreferences& m_preferences;
    std::unique_ptr<ProtocolConsole> m_console;
    QCheckBox* m_reconnect = nullptr;
    QLineEdit* m_networkPort = nullptr;
    QLabel* m_title = nullptr;
    bool m_networkPortBad = false;
    QString m_port;
    QString m_identity;
    QString m_candidateIdentity; // told by the port being tried
};

} // namespace aec
