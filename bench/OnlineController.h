#pragma once

#include "app/Controller.h"
#include "core/MessageService.h"
#include "link/LinkSession.h"
#include "link/ui/TForm3.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace aec::bench {

// Lets the program's events run for a while, as the program's own loop would.
inline void RunEventsFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The whole controller in this process, linked to processor-sim (started with the given
// options) on a pseudo-terminal; online() tells whether it came online within 30 s.
class OnlineController
{
public:
    explicit OnlineController(const QStringList& simOptions)
    {
        m_sim.start(QStringLiteral(PROCESSOR_SIM_PATH), simOptions);
        if (!m_sim.waitForStarted(5000) || !m_sim.waitForReadyRead(5000)) {
            std::printf("processor-sim did not start\n");
            return;
        }
        ControllerOptions options;
        options.ports = {QString::fromLocal8Bit(m_sim.readLine()).trimmed()};
        m_controller = std::make_unique<Controller>(options, &m_messages);
        m_controller->start();
        QElapsedTimer wait;
        wait.start();
        while (!session().isOnline() && wait.elapsed() < 30000)
            RunEventsFor(50);
        if (!session().isOnline())
            std::printf("the controller did not come online\n");
    }
    ~OnlineController()
    {
        m_controller.reset();
        m_sim.terminate();
        m_sim.waitForFinished(5000);
    }

    bool online() const { return m_controller && m_controller->link().session().isOnline(); }
    Controller& controller() { return *m_controller; }
    LinkSession& session() { return m_controller->link().session(); }

private:
    class SilentMessages : public MessageService
    {
    public:
        void inform(const BilingualText&) override {}
        bool ask(const BilingualText&) override { return true; }
    };

    QProcess m_sim;
    SilentMessages m_messages;
    std::unique_ptr<Controller> m_controller;
};

} // namespace aec::bench
