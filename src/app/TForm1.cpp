#include "app/TForm1.h"

#include "app/ApplicationInfo.h"
#include "app/ChartCanvas.h"
#include "app/InstallLayout.h"
#include "app/SettingsSource.h"
#include "app/WindowPanels.h"
#include "app/WindowState.h"
#include "chart/ui/ChartInteraction.h"
#include "chart/ui/ChartKeyboard.h"
#include "core/DiagnosticLog.h"
#include "core/Language.h"
#include "core/ParameterModel.h"
#include "editing/EditHistory.h"
#include "editing/ui/BandHighlight.h"
#include "editing/ui/EditingWing.h"
#include "editing/ui/EqFileControls.h"
#include "editing/ui/HistoryControls.h"
#include "editing/ui/PageSwitcher.h"
#include "editing/ui/VolumeControls.h"
#include "link/DeviceFrame.h"
#include "link/DeviceTexts.h"
#include "link/ui/LinkControls.h"
#include "link/ui/TForm2.h"
#include "link/ui/TForm3.h"
#include "spectrum/ui/SpectrumDisplay.h"
#include "system/ModeList.h"
#include "system/ui/FileDialogChooser.h"
#include "system/ui/ModeControls.h"
#include "system/ui/PresetControls.h"
#include "system/ui/SystemPageControls.h"
#include "system/ui/SystemPanels.h"
#include "widgets/AccessibleNames.h"
#include "widgets/Binder.h"
#include "widgets/Captions.h"
#include "widgets/ControlTags.h"
#include "widgets/EditFocus.h"
#include "widgets/TabOrder.h"
#include "widgets/WindowStyle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWindow>

namespace aec {
namespace {

// The page control FormPageItem: the wing's parameter pages, two empty sheets and the system
// sheet, at the indexes the tabs choose.
QStackedWidget* BuildPageControl(QWidget* parent, EditingWing& wing)
{
    auto* pages = new QStackedWidget(parent);
    pages->setObjectName(QStringLiteral("FormPageItem"));
    for (const Page page :
         {Page::Music, Page::Microphone, Page::Effect, Page::Output, Page::Hidden})
        pages->addWidget(wing.page(page));
    for (const char* name : {"AdvTabSheet6_Sub", "AdvTabSheet7_sur"}) {
        auto* sheet = new QWidget(pages);
        sheet->setObjectName(QLatin1String(name));
        pages->addWidget(sheet);
    }
    pages->addWidget(BuildSystemSheet(pages, wing.binder()));
    pages->addWidget(wing.page(Page::DynamicEq));
    return pages;
}

} // namespace

TForm1::TForm1(ParameterModel& model, DeviceTexts& texts, Language& language, DiagnosticLog* log,
               QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_model(model), m_texts(texts),
      m_language(language)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(ApplicationTitle());
    setAttribute(Qt::WA_StyledBackground);
    ApplyWindowFont(this);
    setStyleSheet(MainWindowStyleSheet());
    // 1. The design size, from which the window scales.
    resize(DesignWidth, DesignHeight);

    m_wing = new EditingWing(model, language, this);
    m_history = new HistoryControls(*m_wing, language, this);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(BuildTitleStrip(this, m_history->buttons()));
    m_source = new SettingsSource(*this, *findChild<QLabel*>(QStringLiteral("TitleSourceLabel")),
                                  m_wing->history(), language);
    auto* body = new QHBoxLayout;
    body->setContentsMargins(4, 0, 4, 4);
    body->setSpacing(6);
    auto* pageArea = new QVBoxLayout;
    pageArea->setSpacing(2);
    m_tabRow = BuildTabRow(this, m_wing->tabButtons());
    pageArea->addWidget(m_tabRow);
    m_pageControl = BuildPageControl(this, *m_wing);
    pageArea->addWidget(m_pageControl, 1);

    // 2 to 6. The chart panel, the response chart with its markers, image and cached
    //         background, the curve, dragging and keys on it, and the spectrum behind the curve.
    auto* chartPanel = new QWidget(this);
    chartPanel->setObjectName(QStringLiteral("AdvPanel1"));
    m_chart = new ResponseChart(chartPanel, chartPanel);
    m_curve = std::make_unique<CurveDrawer>(model, *m_chart, *m_wing);
    m_chartInteraction = std::make_unique<ChartInteraction>(model, *m_chart, *m_curve, *m_wing);
    m_chartKeyboard = std::make_unique<ChartKeyboard>(model, *m_chart, *m_curve, *m_wing, language);
    m_canvas = std::make_unique<ChartCanvas>(
        *m_chart, *m_curve, [this] { DrawBlockCurve(AllBands, m_wing->navigation().ChartBlock); });
    m_spectrum = std::make_unique<SpectrumDisplay>(*m_canvas);
    m_curve->spectrumOverlay = [this] {
        if (m_spectrum->SpectrumOn == 1)
            m_spectrum->DrawSpectrum(false);
    };
    FillChartPanel(chartPanel, m_spectrum->BuildButtons(chartPanel), m_wing->chartButtons(),
                   m_chart);
    pageArea->addWidget(chartPanel);
    body->addLayout(pageArea, 1);
    m_sidePanel = qobject_cast<QTabWidget*>(BuildSidePanel(this, *m_wing, m_wing->binder()));
    m_sidePanel->setFixedWidth(262);
    body->addWidget(m_sidePanel);
    outer->addLayout(body, 1);

    // 4. The preset folders lie beside the program (or in the user's data folder, always so
    // when the program runs installed).
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    m_presets = std::make_unique<PresetControls>(
        this, m_model,
        PresetFolder(PresetBaseFolder(QCoreApplication::applicationDirPath(), userData), userData),
        log);
    m_eqFiles = new EqFileControls(*m_wing, this);
    m_fileDialogs = std::make_unique<FileDialogChooser>(this, m_language);
    setFileChooser(m_fileDialogs.get());
    m_modes = std::make_unique<ModeControls>(this, m_model, m_texts);
    BuildLockPanel(this);
    m_system = std::make_unique<SystemPageControls>(
        this, m_model, m_texts, m_wing->binder().find(QStringLiteral("SysUserBtn")));
    m_wing->connectControls(m_pageControl);
    connectParts();
    if (log) {
        if (auto* memo = findChild<QPlainTextEdit*>(QStringLiteral("Memo2"))) {
            // The memo shows the log and keeps no more lines than it: a processor flooding
            // the line must not grow the window's memory without bound.
            memo->setMaximumBlockCount(log->capacity());
            connect(log, &DiagnosticLog::lineAppended, memo, &QPlainTextEdit::appendPlainText);
            connect(log, &DiagnosticLog::cleared, memo, &QPlainTextEdit::clear);
        }
    }
    Timer1.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, &TForm1::tick);
    // The timer sleeps while it has nothing to do; a marker touched or the spectrum switched
    // on wakes it.
    for (int i = 0; i < ResponseChart::MarkerCount; ++i)
        connect(m_chart->marker(i), &ChartMarker::pressed, this, &TForm1::wakeTimer1);
    if (auto* spectrum = findChild<QAbstractButton*>(QStringLiteral("PinPPBtn")))
        connect(spectrum, &QAbstractButton::clicked, this, &TForm1::wakeTimer1);
    connectWindowButtons();
    connectVolumeKeys();
    connectPageKeys();
    connectHistory();
    orderTabs();
    // 7. The sound capture: a missing input only clears AudioPresent.
    m_spectrum->StartCapture();
}

TForm1::~TForm1() = default;

// How the parts hear of each other.
void TForm1::connectParts()
{
    connect(m_wing, &EditingWing::curveRequested, this, &TForm1::DrawBlockCurve);
    connect(m_wing, &EditingWing::bandChosen, m_curve.get(), &CurveDrawer::showBand);
    // After every refresh the system page and the modes follow, then the panel lock.
    connect(m_wing, &EditingWing::refreshed, this, [this] {
        m_system->refresh();
        m_modes->refresh();
        m_system->ApplyPanelLock();
    });
    connect(m_system.get(), &SystemPageControls::musicPageRequested, this,
            [this] { m_wing->pages().FormMusTabBtnClick(Tab::Music); });
    connect(m_system.get(), &SystemPageControls::lockChanged, &m_wing->pages(),
            &PageSwitcher::setLocked);
    connect(m_presets.get(), &PresetControls::loadedOffline, m_wing,
            &EditingWing::refreshAfterLoad);
    if (auto* language = findChild<QToolButton*>(QStringLiteral("RzToolButton11")))
        connect(language, &QToolButton::clicked, this, &TForm1::LanguageButtonClick);
    // A new size: the whole block, then the selected band so its label shows again.
    connect(m_chart, &ResponseChart::resized, this, [this] {
        const int block = m_wing->navigation().ChartBlock;
        DrawBlockCurve(AllBands, block);
        DrawBlockCurve(m_wing->highlight().selectedBand(block), block);
    });
}

void TForm1::attachLink(TForm3& link, TForm2& statusDialog, const QStringList& extraPorts)
{
    m_link = &link;
    m_statusDialog = &statusDialog;
    m_extraPorts = extraPorts;
    attachSession(link.session());

    m_linkControls = new LinkControls(link.session(), m_language, m_tabRow);
    m_linkControls->LinkLabel->installEventFilter(m_system.get()); // double click: access field
    m_linkControls->ComComboBox1->hide(); // the search lists the ports itself
    m_tabRow->layout()->addWidget(m_linkControls);
    connect(m_linkControls, &LinkControls::linkButtonClicked, this, &TForm1::LinkBtnClick);
    orderTabs();
    connect(&link.session(), &LinkSession::mainWindowShowRequested, this, [this] {
        show();
        raise();
    });
}

void TForm1::attachSession(LinkSession& session)
{
    m_presets->setSession(&session);
    m_modes->setSession(&session);
    m_system->setSession(&session);
    connect(&session, &LinkSession::onlineRefreshRequested, m_wing, &EditingWing::refreshAfterLoad);
    // The store now holds the processor's own state: a history that starts over, and the mode
    // the settings came from.
    connect(&session, &LinkSession::loadedFromProcessor, this, [this] {
        m_wing->history().startOver();
        const int mode = m_model.store.at(CommandAddress::ModeRecall);
        const QStringList items = ModeList::FillModeList(m_texts.ModeNames);
        m_source->setSource(SettingsSource::ModeSource(
            mode >= 0 && mode < items.size() ? items[mode] : QString::number(mode + 1)));
    });
    connect(&session, &LinkSession::modeListRebuildRequested, this,
            [this] { m_modes->FillModeList(); });
    if (auto* identity = findChild<QLabel*>(QStringLiteral("DeviceIDLabel")))
        connect(&session.applier(), &FrameApplier::deviceIdentityChanged, identity,
                &QLabel::setText);
}

void TForm1::setMessages(MessageService* messages)
{
    m_spectrum->setMessages(messages);
    m_presets->setMessages(messages);
    m_eqFiles->setMessages(messages);
    m_modes->setMessages(messages);
    m_system->setMessages(messages);
}

void TForm1::setFileChooser(FileChooser* files)
{
    m_presets->setFiles(files);
    m_eqFiles->setFiles(files);
}

void TForm1::DrawBlockCurve(int band, int block)
{
    m_curve->DrawBlockCurve(band, block);
}

void TForm1::tick()
{
    m_chartInteraction->tick();
    m_spectrum->SpectrumTimerTick();
    if (m_spectrum->SpectrumOn != 1 && !m_curve->MarkerDragActive &&
        !m_chartInteraction->needsTicks())
        Timer1.stop();
}

void TForm1::wakeTimer1()
{
    if (m_windowShown && !Timer1.isActive())
        Timer1.start();
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_windowShown)
        FormShow();
}

// The first showing, in this order.
void TForm1::FormShow()
{
    // 1, 2. The controls are bound since the window was created; the default EQ goes into
    //       every band of blocks 0 to 27, nothing sent, and the window is refreshed.
    m_wing->resetAllEq();
    // 3. List the serial ports and start a link as the link button does; a failure here
    //    leaves the window offline, and the person can press the link button again.
    if (m_link) {
        m_link->listPorts(m_extraPorts);
        m_linkControls->showPorts();
        m_link->session().StartLink();
    }
    // 4, 5. The preset folders and their list.
    m_presets->EnsurePresetFolders();
    m_presets->RefreshPresetList();
    // 6. The caption language given by the language button: English at every start.
    if (auto* language = findChild<QToolButton*>(QStringLiteral("RzToolButton11")))
        SetCaptionLanguage(Tag(language));
    // 7. The music page, unless the panel lock holds the window.
    if (!m_system->lockPanelVisible())
        m_wing->pages().FormMusTabBtnClick(Tab::Music);
    // 8. The main window's timer.
    Timer1.start();
    // 9.
    m_windowShown = true;
    m_presets->windowShown = true;
    // The window as the person left it last time.
    if (m_stateStore)
        RestoreWindowState(*m_stateStore, *this);
}

int TForm1::captionLanguage() const
{
    return m_language.CaptionLanguage();
}

// The link button starts from a fresh port list, so a USB adapter plugged in again (perhaps
// under a new name) is found.
void TForm1::LinkBtnClick()
{
    if (!m_link)
        return;
    LinkSession& session = m_link->session();
    if (!session.hasLinkedLook() && !session.isOnline()) {
        m_link->listPorts(m_extraPorts);
        m_linkControls->showPorts();
    }
    session.LinkBtnClick();
}

void TForm1::SetCaptionLanguage(int language)
{
    if (m_captionsShown && language == m_language.CaptionLanguage())
        return;
    m_captionsShown = true;
    m_language.setCaptionLanguage(language);
    ShowCaptions(this, m_language.isChinese());
}

void TForm1::LanguageButtonClick()
{
    auto* button = findChild<QToolButton*>(QStringLiteral("RzToolButton11"));
    if (!button)
        return;
    SetTag(button, 1 - Tag(button));
    SetCaptionLanguage(Tag(button));
    // Texts written at run time (group captions, panes) follow in the new language.
    PageNavigation& nav = m_wing->navigation();
    nav.CurrentPage = m_wing->pages().SelectPage(nav.CurrentTab);
    m_wing->RefreshBlock(nav.CurrentPage.block);
}

void TForm1::connectWindowButtons()
{
    AccessibleNames& names = m_wing->binder().names();
    for (const auto& [button, name] :
         {std::pair{"RzBmpButton2",
                    BilingualText{QStringLiteral("最小化"), QStringLiteral("Minimise")}},
          std::pair{"RzBmpButton1",
                    BilingualText{QStringLiteral("最大化"), QStringLiteral("Maximise")}},
          std::pair{"RzBmpButton3", BilingualText{QStringLiteral("关闭"), QStringLiteral("Close")}},
          std::pair{"RzToolButton11", BilingualText{QStringLiteral("切换到英文 (English)"),
                                                    QStringLiteral("Switch to Chinese (中文)")}}})
        if (auto* widget = findChild<QWidget*>(QLatin1String(button)))
            names.add(widget, name);
    if (auto* minimise = findChild<QToolButton*>(QStringLiteral("RzBmpButton2")))
        connect(minimise, &QToolButton::clicked, this, &QWidget::showMinimized);
    if (auto* maximise = findChild<QToolButton*>(QStringLiteral("RzBmpButton1")))
        connect(maximise, &QToolButton::clicked, this,
                [this] { isMaximized() ? showNormal() : showMaximized(); });
    if (auto* close = findChild<QToolButton*>(QStringLiteral("RzBmpButton3")))
        connect(close, &QToolButton::clicked, this, &QWidget::close);
}

// While the side panel shows its first tab, Q/A, W/S and E/D step the music, microphone and
// effect volumes; on the other tabs the keys go to their edit boxes.
void TForm1::connectVolumeKeys()
{
    const struct
    {
        Qt::Key key;
        VolumeControls::Channel channel;
        int step;
    } keys[] = {
        {Qt::Key_Q, VolumeControls::Music, 1},      {Qt::Key_A, VolumeControls::Music, -1},
        {Qt::Key_W, VolumeControls::Microphone, 1}, {Qt::Key_S, VolumeControls::Microphone, -1},
        {Qt::Key_E, VolumeControls::Effect, 1},     {Qt::Key_D, VolumeControls::Effect, -1}};
    for (const auto& k : keys) {
        auto* shortcut = new QShortcut(QKeySequence(k.key), this);
        const auto channel = k.channel;
        const int step = k.step;
        connect(shortcut, &QShortcut::activated, this,
                [this, channel, step] { m_wing->volumes().stepNormal(channel, step); });
        connect(m_sidePanel, &QTabWidget::currentChanged, shortcut,
                [shortcut](int tab) { shortcut->setEnabled(tab == 0); });
    }
}

// Ctrl+Tab and Ctrl+PgDown show the next page of the tab row, Ctrl+Shift+Tab and Ctrl+PgUp the
// previous one, wherever the focus is in the window.
void TForm1::connectPageKeys()
{
    const struct
    {
        QKeySequence keys;
        int direction;
    } keys[] = {{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
                {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
                {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
                {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}};
    for (const auto& k : keys) {
        auto* shortcut = new QShortcut(k.keys, this);
        const int direction = k.direction;
        connect(shortcut, &QShortcut::activated, this, [this, direction] {
            if (!m_system->lockPanelVisible())
                m_wing->pages().stepTab(direction);
        });
    }
}

// Tab goes through the window as it reads: the title strip, the tab row with the link, the
// page, the chart panel below it, then the side panel.
void TForm1::orderTabs()
{
    ChainTabOrder({findChild<QWidget*>(QStringLiteral("TitleStrip")), m_tabRow, m_pageControl,
                   findChild<QWidget*>(QStringLiteral("AdvPanel1")), m_sidePanel});
}

// Undo takes back a loaded preset like an edit; a loaded or saved preset is what the settings
// came from. The ghost curve follows the A/B set not shown.
void TForm1::connectHistory()
{
    EditHistory& history = m_wing->history();
    connect(m_presets.get(), &PresetControls::presetLoaded, this,
            [this, &history](const QString& name, const ParamStore& before) {
                history.recordReplaced(before, {QStringLiteral("加载预设 ") + name,
                                                QStringLiteral("Load preset ") + name});
                history.markSaved();
                m_source->setSource(SettingsSource::PresetSource(name));
            });
    connect(m_presets.get(), &PresetControls::presetSaved, this,
            [this, &history](const QString& name) {
                history.markSaved();
                m_source->setSource(SettingsSource::PresetSource(name));
            });
    connect(m_history, &HistoryControls::saveBothRequested, this, [this] {
        const CompareSets& sets = m_wing->compare();
        const ParamStore* a = sets.setOf(CompareSets::Letter::A, m_model.store);
        const ParamStore* b = sets.setOf(CompareSets::Letter::B, m_model.store);
        m_presets->saveBoth(*a, b ? *b : *a);
    });
    connect(m_wing, &EditingWing::compareChanged, this, [this] {
        m_curve->setGhost(m_wing->compare().other());
        DrawBlockCurve(AllBands, m_wing->navigation().ChartBlock);
    });
}

// The borderless window moves when any empty part of it is dragged.
void TForm1::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && windowHandle())
        windowHandle()->startSystemMove();
    QWidget::mousePressEvent(event);
}

void TForm1::wheelEvent(QWheelEvent* event)
{
    if (m_wing->focus().wheel(event->angleDelta().y()))
        event->accept();
    else
        QWidget::wheelEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (m_stateStore)
        SaveWindowState(*m_stateStore, *this);
    if (m_link)
        m_link->FormCloseQuery();
    event->accept();
    QApplication::quit();
}

} // namespace aec
