#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace aec {

class Language;
class LinkSession;

// The link's part of the main window: the status line LinkLabel, the link button LinkBtn and
// the port list ComComboBox1, all following the link session.
class LinkControls : public QWidget
{
    Q_OBJECT
public:
    LinkControls(LinkSession& session, const Language& language, QWidget* parent = nullptr);

    QLabel* LinkLabel;
    QPushButton* LinkBtn;
    QComboBox* ComComboBox1;

    // Lists the session's ports in ComComboBox1.
    void showPorts();

signals:
    // The link button was pressed; the owner refreshes the port list and toggles the link.
    void linkButtonClicked();

private:
    void followStatus();
    void followLinkButton();

    LinkSession& m_session;
    const Language& m_language;
};

} // namespace aec
