#pragma once

#include "system/PresetFolder.h"

#include <QObject>
#include <QStringList>

class QLineEdit;
class QTableWidget;
class QWidget;

namespace aec {

class DiagnosticLog;
class FileChooser;
class Language;
class LinkSession;
class MessageService;
class ParameterModel;

// The preset list and its commands: save the store under the typed name, load a listed
// preset into the store and download it to the processor; export the store as a readable
// JSON preset anywhere, and import one (or a scrambled file) from anywhere the same way.
class PresetControls : public QObject
{
    Q_OBJECT
public:
    PresetControls(QWidget* window, ParameterModel& model, PresetFolder folder,
                   DiagnosticLog* log = nullptr);

    void setSession(LinkSession* session) { m_session = session; }
    void setMessages(MessageService* messages) { m_messages = messages; }
    void setFiles(FileChooser* files) { m_files = files; }

    PresetFolder& folder() { return m_folder; }
    const QStringList& PresetNames() const { return m_names; }

    void EnsurePresetFolders() { m_folder.EnsurePresetFolders(); }
    void RefreshPresetList();
    void saveClicked();
    // Saves a set under a name, asking before it replaces a listed preset; false when the
    // name is refused, the person keeps the old file or the file cannot be written.
    bool saveStore(const QString& name, const ParamStore& store);
    // The name typed in the preset name field.
    QString typedName() const;
    // Saves two sets (A and B of a comparison) as two files: the chosen name with "-A" and
    // "-B" added, in the chosen format. False when cancelled or not written.
    bool saveBoth(const ParamStore& a, const ParamStore& b);
    void loadClicked();
    void listClicked(int row);
    void exportJsonClicked();
    void importJsonClicked();

    bool windowShown = false; // the list moves the focus only once the window is shown

signals:
    // A preset was loaded while offline: the window is to show the store.
    void loadedOffline();
    // A preset replaced `before` in the store, or the store was saved as a preset.
    void presetLoaded(const QString& name, const aec::ParamStore& before);
    void presetSaved(const QString& name);

private:
    void tell(const BilingualText& text);
    // Tells of the loaded set (undo keeps `before`), then downloads it or shows it offline.
    void downloadLoaded(const QString& name, const ParamStore& before);

    ParameterModel& m_model;
    PresetFolder m_folder;
    DiagnosticLog* m_log;
    LinkSession* m_session = nullptr;
    MessageService* m_messages = nullptr;
    FileChooser* m_files = nullptr;
    QTableWidget* m_list;
    QLineEdit* m_fileEdit;
    QStringList m_names;
};

} // namespace aec
