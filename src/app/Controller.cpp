#include "app/Controller.h"

#include "app/ApplicationInfo.h"
#include "app/LinkPreferences.h"
#include "app/LinkTools.h"
#include "app/TForm1.h"
#include "link/ui/TForm2.h"
#include "link/ui/TForm3.h"
#include "sim/SimulatorHost.h"
#include "system/ui/MessageBoxService.h"

#include <QDebug>
#include <QSettings>

namespace aec {

Controller::Controller(const ControllerOptions& options, MessageService* messages)
{
    QStringList ports = options.ports;
    if (options.demo) {
        m_demo = std::make_unique<sim::SimulatorHost>();
        if (m_demo->start()) {
            ports.prepend(m_demo->portPath());
        } else {
            qWarning().noquote() << "No simulated processor:" << m_demo->errorString();
            m_demo.reset();
        }
    }

    // The windows in their order: main window, serial link form, status dialog.
    m_form1 = std::make_unique<TForm1>(m_model, m_texts, m_language, &m_log);
    if (!messages) {
        m_ownMessages = std::make_unique<MessageBoxService>(m_form1.get(), m_language);
        messages = m_ownMessages.get();
    }
    m_form1->setMessages(messages);
    m_form3 = std::make_unique<TForm3>(m_model, m_texts, *messages, m_log);
    m_form2 = std::make_unique<TForm2>(m_form3->session(), m_language);
    m_form1->attachLink(*m_form3, *m_form2, ports);
    m_preferences = std::make_unique<LinkPreferences>();
    m_linkTools = new LinkTools(*m_form1, *m_form3, m_language, m_log, messages, *m_preferences,
                                options.reconnect);
    if (options.rememberWindow) {
        // Named here rather than by an organisation name for the whole program: that would
        // also move the user's data folder, and with it the presets, one folder down.
        m_settings = std::make_unique<QSettings>(ApplicationTitle(), ApplicationTitle());
        m_form1->setStateStore(m_settings.get());
    }
}

Controller::~Controller()
{
    // The status dialog and the main window watch the link; they go first.
    m_form2.reset();
    m_form1.reset();
}

void Controller::start()
{
    m_form1->show();
}

} // namespace aec
