#include "app/LinkTools.h"

#include "app/ApplicationInfo.h"
#include "app/LinkPreferences.h"
#include "app/SettingsSource.h"
#include "app/TForm1.h"
#include "core/Language.h"
#include "link/ui/ProtocolConsole.h"
#include "link/ui/TForm3.h"
#include "platform/TcpLineAdapter.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace aec {

const BilingualText LinkTools::BadNetworkAddress{
    QStringLiteral("不是网络地址：请写成 tcp://主机:端口，例如 tcp://192.168.1.50:4001"),
    QStringLiteral("Not a network address: write tcp://HOST:PORT, for example "
                   "tcp://192.168.1.50:4001")};

LinkTools::LinkTools(TForm1& window, TForm3& link, const Language& language, DiagnosticLog& log,
                     MessageService* messages, LinkPreferences& preferences, bool reconnect)
    : QObject(&window), m_window(window), m_link(link), m_language(language), m_log(log),
      m_messages(messages), m_preferences(preferences),
      m_reconnect(window.findChild<QCheckBox*>(QStringLiteral("AutoReconnectBox"))),
      m_networkPort(window.findChild<QLineEdit*>(QStringLiteral("NetworkPortEdit")))
{
    LinkSession& session = link.session();
    session.setAutoReconnect(reconnect && preferences.autoReconnect());
    if (m_reconnect) {
        m_reconnect->setChecked(session.autoReconnect());
        connect(m_reconnect, &QCheckBox::toggled, this, &LinkTools::reconnectToggled);
    }
    const QString network = preferences.networkPort();
    if (TcpLineAdapter::ParseName(network))
        link.setConfiguredPorts({network});
    if (m_networkPort) {
        m_networkPort->setText(network);
        connect(m_networkPort, &QLineEdit::editingFinished, this, &LinkTools::networkPortEdited);
    }
    connect(&language, &Language::changed, this, &LinkTools::showNetworkPortState);
    if (auto* button = window.findChild<QPushButton*>(QStringLiteral("ConsoleBtn")))
        connect(button, &QPushButton::clicked, this, &LinkTools::openConsole);
    auto* f12 = new QShortcut(QKeySequence(Qt::Key_F12), &window);
    f12->setObjectName(QStringLiteral("ConsoleShortcut"));
    f12->setContext(Qt::ApplicationShortcut);
    connect(f12, &QShortcut::activated, this, &LinkTools::openConsole);

    // The title strip of the borderless window shows the same as the task bar.
    if (auto* strip = window.findChild<QWidget*>(QStringLiteral("TitleStrip"))) {
        m_title = new QLabel(strip);
        m_title->setObjectName(QStringLiteral("LinkTitleLabel"));
        if (auto* layout = qobject_cast<QBoxLayout*>(strip->layout()))
            layout->insertWidget(1, m_title);
    }
    // A processor tells its identity when it answers the link request, before the session
    // takes its port; one that does not tell it leaves none rather than the last one's.
    connect(&session, &LinkSession::portSelected, this, [this] { m_candidateIdentity.clear(); });
    connect(&session, &LinkSession::portLinked, this, [this](const QString& port) {
        m_port = port;
        m_identity = m_candidateIdentity;
        showTitle();
    });
    connect(&session.applier(), &FrameApplier::deviceIdentityChanged, this,
            [this](const QString& identity) {
                m_candidateIdentity = identity;
                if (m_link.session().isTimerActive(LinkSession::Timer1))
                    return;
                m_identity = identity;
                showTitle();
            });
}

LinkTools::~LinkTools() = default;

void LinkTools::openConsole()
{
    if (!m_console)
        m_console =
            std::make_unique<ProtocolConsole>(m_link.session(), m_log, m_language, m_messages);
    m_console->show();
    m_console->raise();
    m_console->activateWindow();
}

QString LinkTools::TitleFor(const QString& port, const QString& identity)
{
    QStringList parts{ApplicationTitle()};
    for (const QString& part : {port, identity})
        if (!part.isEmpty())
            parts << part;
    return parts.join(QStringLiteral(" - "));
}

void LinkTools::reconnectToggled(bool on)
{
    m_preferences.setAutoReconnect(on);
    m_link.session().setAutoReconnect(on);
}

// An address that cannot be read stays in the field, marked, and is neither kept nor tried.
void LinkTools::networkPortEdited()
{
    const QString text = m_networkPort->text().trimmed();
    m_networkPortBad = !text.isEmpty() && !TcpLineAdapter::ParseName(text);
    showNetworkPortState();
    if (m_networkPortBad)
        return;
    m_preferences.setNetworkPort(text);
    m_link.setConfiguredPorts(text.isEmpty() ? QStringList() : QStringList{text});
}

void LinkTools::showNetworkPortState()
{
    if (!m_networkPort)
        return;
    m_networkPort->setStyleSheet(m_networkPortBad ? QStringLiteral("border: 1px solid red;")
                                                  : QString());
    m_networkPort->setToolTip(m_networkPortBad ? m_language.pick(BadNetworkAddress) : QString());
}

void LinkTools::showTitle()
{
    m_window.settingsSource().setApplicationTitle(TitleFor(m_port, m_identity));
    if (m_title)
        m_title->setText(QStringList{m_port, m_identity}.join(QStringLiteral("  ")).trimmed());
}

} // namespace aec
