#pragma once

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <memory>

class QSettings;
class QStackedWidget;
class QTabWidget;

namespace aec {

class ChartCanvas;
class ChartInteraction;
class ChartKeyboard;
class CurveDrawer;
class DeviceTexts;
class DiagnosticLog;
class EditingWing;
class HistoryControls;
class SettingsSource;
class EqFileControls;
class FileChooser;
class Language;
class LinkControls;
class LinkSession;
class MessageService;
class ModeControls;
class ParameterModel;
class PresetControls;
class ResponseChart;
class SpectrumDisplay;
class SystemPageControls;
class TForm2;
class TForm3;

// The main window: a borderless shell that assembles the title strip, the tab row, the pages,
// the chart panel and the side panel from the parts that build them (the editing wing, the
// chart, the spectrum, the system page, the link controls) and connects those parts. Owns the
// start-up order of its creation and first showing.
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
    // The link session the window's presets, modes and system page go through.
    void attachSession(LinkSession& session);
    // The message boxes, created once this window exists to own them.
    void setMessages(MessageService* messages);
    // Who chooses the files of preset and EQ exports and imports; the window's file dialogs
    // unless a test answers in their place.
    void setFileChooser(FileChooser* files);

    bool windowShown() const { return m_windowShown; }
    EditingWing& wing() { return *m_wing; }
    ResponseChart& chart() { return *m_chart; }
    CurveDrawer& curve() { return *m_curve; }
    ChartInteraction& chartInteraction() { return *m_chartInteraction; }
    SpectrumDisplay& spectrum() { return *m_spectrum; }
    PresetControls& presets() { return *m_presets; }
    EqFileControls& eqFiles() { return *m_eqFiles; }
    ModeControls& modes() { return *m_modes; }
    SettingsSource& settingsSource() { return *m_source; }
    SystemPageControls& systemPage() { return *m_system; }
    LinkControls* linkControls() const { return m_linkControls; }

    // DrawBlockCurve: a band (or AllBands) of a view block on the chart.
    void DrawBlockCurve(int band, int block);
    // The main window's 10 ms tick: a pending chart drag, the spectrum.
    void tick();
    // Whether the 10 ms tick runs: only while a drag or the spectrum needs it.
    bool ticking() const { return Timer1.isActive(); }

    // Shows every caption in the language (1 Chinese, 0 English); nothing when it is already.
    void SetCaptionLanguage(int language);
    // The language button: the other language, and the page shown again in it.
    void LanguageButtonClick();
    int captionLanguage() const;
    // Where the window's size, place, side tab and language are kept between runs; the window
    // takes them when first shown and leaves them when closed. None by default.
    void setStateStore(QSettings* settings) { m_stateStore = settings; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void FormShow();
    void LinkBtnClick();
    void connectParts();
    void connectWindowButtons();
    void connectVolumeKeys();
    void connectPageKeys();
    void orderTabs();
    void wakeTimer1();
    void connectHistory();

    ParameterModel& m_model;
    DeviceTexts& m_texts;
    Language& m_language;
    EditingWing* m_wing = nullptr;
    ResponseChart* m_chart = nullptr;
    std::unique_ptr<CurveDrawer> m_curve;
    std::unique_ptr<ChartInteraction> m_chartInteraction;
    std::unique_ptr<ChartKeyboard> m_chartKeyboard;
    std::unique_ptr<ChartCanvas> m_canvas;
    std::unique_ptr<SpectrumDisplay> m_spectrum;
    std::unique_ptr<PresetControls> m_presets;
    std::unique_ptr<FileChooser> m_fileDialogs;
    EqFileControls* m_eqFiles = nullptr;
    std::unique_ptr<ModeControls> m_modes;
    std::unique_ptr<SystemPageControls> m_system;
    HistoryControls* m_history = nullptr;
    SettingsSource* m_source = nullptr;
    bool m_captionsShown = false;
    TForm3* m_link = nullptr;
    TForm2* m_statusDialog = nullptr;
    QStringList m_extraPorts;
    QWidget* m_tabRow = nullptr;
    QStackedWidget* m_pageControl = nullptr;
    QTabWidget* m_sidePanel = nullptr;
    LinkControls* m_linkControls = nullptr;
    QTimer Timer1; // 10 ms while there is work: a pending chart drag, the spectrum
    bool m_windowShown = false;
    QSettings* m_stateStore = nullptr;
};

} // namespace aec
