#pragma once

#include <QStringList>
#include <QWidget>

namespace aec {

class DeviceTexts;
class Language;
class LinkControls;
class ParameterModel;
class TForm2;
class TForm3;

// The main window: a shell composing the pages, the chart and the side panel, each built by
// its own class. Owns the start-up order of its creation and first showing.
class TForm1 : public QWidget
{
    Q_OBJECT
public:
    static constexpr int DesignWidth = 1204;
    static constexpr int DesignHeight = 609;

    // Creation (FormCreate).
    TForm1(ParameterModel& model, DeviceTexts& texts, Language& language,
           QWidget* parent = nullptr);
    ~TForm1() override;

    // Hands over the serial link form and the status dialog, created after this window, and
    // the ports to list before the machine's own.
    void attachLink(TForm3& link, TForm2& statusDialog, const QStringList& extraPorts);

    bool windowShown() const { return m_windowShown; }
    LinkControls* linkControls() const { return m_linkControls; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();
    void LinkBtnClick();

    ParameterModel& m_model;
    DeviceTexts& m_texts;
    Language& m_language;
    TForm3* m_link = nullptr;
    TForm2* m_statusDialog = nullptr;
    QStringList m_extraPorts;
    LinkControls* m_linkControls = nullptr;
    QSize m_designSize;
    bool m_windowShown = false;
};

} // namespace aec
