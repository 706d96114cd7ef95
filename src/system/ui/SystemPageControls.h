#pragma once

#include <QObject>

class QLineEdit;
class QWidget;

namespace aec {

class DeviceTexts;
class LinkSession;
class MessageService;
class ParameterModel;
class Binding;

// The system page: the user or manager choice, the panel code and system password with their
// changes, the lock panel shown when the processor reports its panel locked, and the hidden access
// field that reveals the hidden EQ page.
class SystemPageControls : public QObject
{
    Q_OBJECT
public:
    // `managerPair` is the binding of the user and manager buttons.
    SystemPageControls(QWidget* window, ParameterModel& model, DeviceTexts& texts,
                       Binding* managerPair);

    void setSession(LinkSession* session) { m_session = session; }
    void setMessages(MessageService* messages) { m_messages = messages; }

    void CheckPanelCode();
    void ChangePanelCode();
    void CheckSystemPassword();
    // A key pressed in one of the three password-change edits, judged on the texts before it.
    void ChangeSystemPassword();
    void ApplyPanelLock();
    void UnlockPanel();
    void ShowAccessField();
    void CheckAccessCode();

    // The refresh's part: the user and manager choice closes until the password opens it again.
    void refresh();
    bool lockPanelVisible() const;

signals:
    // The lock panel is about to cover the window: the music page goes under it.
    void musicPageRequested();
    // The lock panel holds the window (true) or let it go.
    void lockChanged(bool locked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setLocked(bool locked);
    void placeLockPanel();
    bool online() const;
    QLineEdit* edit(const char* name) const;

    QWidget* m_window;
    ParameterModel& m_model;
    DeviceTexts& m_texts;
    LinkSession* m_session = nullptr;
    MessageService* m_messages = nullptr;
    QWidget* m_lockPanel;
};

} // namespace aec
