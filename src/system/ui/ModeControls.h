#pragma once

#include <QObject>

class QComboBox;
class QLineEdit;
class QWidget;

namespace aec {

class DeviceTexts;
class LinkSession;
class MessageService;
class ParameterModel;
class TwoStateButton;

// The processor's stored modes: the list with the name edit, recall and store, and the
// quick-recall buttons of the main volume tab.
class ModeControls : public QObject
{
    Q_OBJECT
public:
    ModeControls(QWidget* window, ParameterModel& model, DeviceTexts& texts);

    void setSession(LinkSession* session) { m_session = session; }
    void setMessages(MessageService* messages) { m_messages = messages; }

    // Rebuilds the list from the mode names, keeping the selected entry.
    void FillModeList();
    void ShowSelectedModeName();
    void RecallSelectedMode();
    void StoreSelectedMode();
    void quickRecall(int index, bool onlineOnly);
    // The refresh's part: the list, the name and the recall buttons follow the current mode.
    void refresh();

private:
    int currentMode() const;

    ParameterModel& m_model;
    DeviceTexts& m_texts;
    LinkSession* m_session = nullptr;
    MessageService* m_messages = nullptr;
    QWidget* m_window;
    QComboBox* m_list;
    QComboBox* m_moreList;
    QLineEdit* m_name;
};

} // namespace aec
