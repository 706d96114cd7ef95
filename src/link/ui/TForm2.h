#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace aec {

class Language;
class LinkSession;

// The status dialog: progress of the port search and of transfers. Always on top; closing it
// only hides it.
class TForm2 : public QDialog
{
    Q_OBJECT
public:
    TForm2(LinkSession& session, const Language& language, QWidget* parent = nullptr);

    void follow();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    LinkSession& m_session;
    const Language& m_language;
    QLabel* LinkLabel;
    QLabel* ComLabel;
    QProgressBar* RzProgressStatus1;
    QLabel* WarnLabel;
};

} // namespace aec
