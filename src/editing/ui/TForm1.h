#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <memory>

class QTabWidget;

namespace aec {

class DeviceTexts;
class Language;
class DiagnosticLog;
class LinkControls;
class LinkSession;
class MessageService;
class ModeControls;
class PresetControls;
class SystemPageControls;
class ParameterModel;
class TForm2;
class TForm3;
class WindowEditor;

// The main window: a borderless shell composing the title strip, the tab row, the pages, the
// chart panel and the side panel, each built by its own code, with the editing behaviour in
// WindowEditor. Owns the start-up order of its creation and first showing.
class TForm1 : public QWidget
{
    Q_OBJECT
public:
    static constexpr int DesignWidth = 1204;
    static constexpr int DesignHeight = 609;

    // Creation (FormCreate).
    TForm1(ParameterModel& model, DeviceTexts& texts, Language& language,
           DiagnosticLog* log = nullptr, QWidget* parent = nullptr);
    ~TForm1() override;

    // Hands over the serial link form and the status dialog, created after this window, and
    // the ports to list before the machine's own.
    void attachLink(TForm3& link, TForm2& statusDialog, const QStringList& extraPorts);
    // The link session the window's edits, presets and modes go through.
    void attachSession(LinkSession& session);
    // The message boxes, created once this window exists to own them.
    void setMessages(MessageService* messages);

    bool windowShown() const { return m_windowShown; }
    LinkControls* linkControls() const { return m_linkControls; }
    WindowEditor& editor() { return *m_editor; }
    PresetControls& presets() { return *m_presets; }
    SystemPageControls& systemPage() { return *m_system; }

    // Shows every caption in the language (1 Chinese, 0 English); nothing when it is already.
    void SetCaptionLanguage(int language);
    // The language button: the other language, and the page shown again in it.
    void LanguageButtonClick();
    ModeControls& modes() { return *m_modes; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void FormShow();
    void LinkBtnClick();
    void connectWindowButtons();
    void connectVolumeKeys();

    ParameterModel& m_model;
    DeviceTexts& m_texts;
    Language& m_language;
    std::unique_ptr<WindowEditor> m_editor;
    std::unique_ptr<PresetControls> m_presets;
    std::unique_ptr<ModeControls> m_modes;
    std::unique_ptr<SystemPageControls> m_system;
    bool m_captionsShown = false;
    TForm3* m_link = nullptr;
    TForm2* m_statusDialog = nullptr;
    QStringList m_extraPorts;
    QWidget* m_tabRow = nullptr;
    QTabWidget* m_sidePanel = nullptr;
    LinkControls* m_linkControls = nullptr;
    QSize m_designSize;
    QTimer Timer1; // 10 ms: a pending chart drag, the curve after an edit, the spectrum
    bool m_windowShown = false;
};

} // namespace aec
