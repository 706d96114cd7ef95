#pragma once

#include "core/ParamAddress.h"

#include <QObject>

class QLineEdit;
class QWidget;

namespace aec {

class DeviceTexts;
class LinkSession;
class MessageService;
class ParameterModel;
class TwoStateButton;

// The system page: the on/off pairs (panel lock, volume limits, user or manager, remote
// control), the input lists, the panel code and system password with their changes, the lock
// panel shown when the processor reports its panel locked, and the hidden access field that
// reveals the hidden EQ page.
class SystemPageControls : public QObject
{
    Q_OBJECT
public:
    SystemPageControls(QWidget* window, ParameterModel& model, DeviceTexts& texts);

    void setSession(LinkSession* session) { m_session = session; }
    void setMessages(MessageService* messages) { m_messages = messages; }

    void OptionPairClick(TwoStateButton* sender);
    void ComboParameterChange(QWidget* list);
    void CheckPanelCode();
    void ChangePanelCode();
    void CheckSystemPassword();
    // A key pressed in one of the three password-change edits, judged on the texts before it.
    void ChangeSystemPassword();
    void ApplyPanelLock();
    void UnlockPanel();
    void ShowAccessField();
    void CheckAccessCode();

    // The refresh's part: the pairs show their stored values.
    void refresh();
    bool lockPanelVisible() const;

signals:
    // The lock panel is about to cover the window: the music page goes under it.
    void musicPageRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // An on/off pair shows `value` without storing it.
    void showPair(TwoStateButton* off, TwoStateButton* on, ParamAddress address, int value);
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
