#pragma once

#include "app/ControllerOptions.h"
#include "core/DiagnosticLog.h"
#include "core/Language.h"
#include "core/ParameterModel.h"
#include "link/DeviceTexts.h"

#include <QObject>

#include <memory>

class QSettings;

namespace aec {

class LinkPreferences;
class LinkTools;
class MessageService;
class TForm1;
class TForm2;
class TForm3;
namespace sim {
class SimulatorHost;
}

// The whole program: the tables that live for the run, the three windows in their order of
// creation, and the simulated processor of the demo. main() makes one; so do end-to-end tests.
class Controller : public QObject
{
    Q_OBJECT
public:
    // `messages` answers the program's message boxes; null shows them to a person.
    explicit Controller(const ControllerOptions& options, MessageService* messages = nullptr);
    ~Controller() override;

    // Shows the main window, which starts the link.
    void start();

    ParameterModel& model() { return m_model; }
    DeviceTexts& texts() { return m_texts; }
    DiagnosticLog& log() { return m_log; }
    Language& language() { return m_language; }
    TForm1& mainWindow() { return *m_form1; }
    TForm2& statusDialog() { return *m_form2; }
    TForm3& link() { return *m_form3; }
    LinkTools& linkTools() { return *m_linkTools; }
    sim::SimulatorHost* demoProcessor() { return m_demo.get(); }

private:
    ParameterModel m_model;
    DeviceTexts m_texts;
    DiagnosticLog m_log;
    Language m_language;
    std::unique_ptr<sim::SimulatorHost> m_demo;
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<MessageService> m_ownMessages;
    std::unique_ptr<TForm3> m_form3;
    std::unique_ptr<TForm2> m_form2;
    std::unique_ptr<LinkPreferences> m_preferences;
    LinkTools* m_linkTools = nullptr; // owned by the main window
    std::unique_ptr<QSettings> m_settings;
};

} // namespace aec
