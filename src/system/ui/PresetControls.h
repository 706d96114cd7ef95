#pragma once

#include "system/PresetFolder.h"

#include <QObject>
#include <QStringList>

class QLineEdit;
class QTableWidget;
class QWidget;

namespace aec {

class DiagnosticLog;
class Language;
class LinkSession;
class MessageService;
class ParameterModel;

// The preset list and its commands: save the store under the typed name, load a listed
// preset into the store and download it to the processor.
class PresetControls : public QObject
{
    Q_OBJECT
public:
    PresetControls(QWidget* window, ParameterModel& model, PresetFolder folder,
                   DiagnosticLog* log = nullptr);

    void setSession(LinkSession* session) { m_session = session; }
    void setMessages(MessageService* messages) { m_messages = messages; }

    PresetFolder& folder() { return m_folder; }
    const QStringList& PresetNames() const { return m_names; }

    void EnsurePresetFolders() { m_folder.EnsurePresetFolders(); }
    void RefreshPresetList();
    void saveClicked();
    void loadClicked();
    void listClicked(int row);

    bool windowShown = false; // the list moves the focus only once the window is shown

signals:
    // A preset was loaded while offline: the window is to show the store.
    void loadedOffline();

private:
    void tell(const BilingualText& text);

    ParameterModel& m_model;
    PresetFolder m_folder;
    DiagnosticLog* m_log;
    LinkSession* m_session = nullptr;
    MessageService* m_messages = nullptr;
    QTableWidget* m_list;
    QLineEdit* m_fileEdit;
    QStringList m_names;
};

} // namespace aec
