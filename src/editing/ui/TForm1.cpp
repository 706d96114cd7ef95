#include "editing/ui/TForm1.h"

#include "app/ApplicationInfo.h"
#include "core/ParameterModel.h"
#include "editing/ui/BandEditing.h"
#include "editing/ui/Captions.h"
#include "editing/ui/ControlTags.h"
#include "editing/ui/PageSwitcher.h"
#include "editing/ui/ParamWidgets.h"
#include "editing/ui/ParameterPages.h"
#include "editing/ui/WindowEditor.h"
#include "editing/ui/WindowPanels.h"
#include "editing/ui/WindowRefresh.h"
#include "editing/ui/WindowStyle.h"
#include "link/DeviceTexts.h"
#include "link/DiagnosticLog.h"
#include "link/ui/LinkControls.h"
#include "link/ui/TForm2.h"
#include "link/ui/TForm3.h"
#include "system/Language.h"
#include "system/ui/ModeControls.h"
#include "system/ui/PresetControls.h"
#include "system/ui/SystemPageControls.h"
#include "system/ui/SystemPanels.h"

#include <QApplication>
#include <QCloseEvent>
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
    m_designSize = QSize(DesignWidth, DesignHeight);
    resize(m_designSize);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(BuildTitleStrip(this));
    auto* body = new QHBoxLayout;
    body->setContentsMargins(4, 0, 4, 4);
    body->setSpacing(6);
    auto* pageArea = new QVBoxLayout;
    pageArea->setSpacing(2);
    m_tabRow = BuildTabRow(this);
    pageArea->addWidget(m_tabRow);
    pageArea->addWidget(BuildPageControl(this), 1);
    // 2 to 6. The chart panel; the response chart with its markers, image and cached
    //         background is built by the chart.
    pageArea->addWidget(BuildChartPanel(this));
    body->addLayout(pageArea, 1);
    m_sidePanel = qobject_cast<QTabWidget*>(BuildSidePanel(this));
    m_sidePanel->setFixedWidth(262);
    body->addWidget(m_sidePanel);
    outer->addLayout(body, 1);

    // The placeholder edit for slots without a control of their own; never seen.
    auto* example = new ParamEdit(this);
    example->setObjectName(QStringLiteral("Example"));
    example->hide();

    m_editor = std::make_unique<WindowEditor>(m_model, m_language, this);
    // 4. The preset folders lie beside the program (or in the user's data folder).
    m_presets = std::make_unique<PresetControls>(
        this, m_model,
        PresetFolder(QCoreApplication::applicationDirPath(),
                     QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)),
        log);
    m_presets->refreshWindow = [this] { m_editor->refreshAfterLoad(); };
    m_modes = std::make_unique<ModeControls>(this, m_model, m_texts);
    BuildLockPanel(this);
    m_system = std::make_unique<SystemPageControls>(this, m_model, m_texts);
    EditorContext& ctx = m_editor->context();
    ctx.refreshSystemControls = [this] {
        m_system->refresh();
        m_modes->refresh();
    };
    ctx.applyPanelLock = [this] { m_system->ApplyPanelLock(); };
    connect(m_system.get(), &SystemPageControls::musicPageRequested, this,
            [this] { m_editor->pages().FormMusTabBtnClick(0); });
    ctx.lockPanelVisible = [this] { return m_system->lockPanelVisible(); };
    if (auto* languageButton = findChild<QToolButton*>(QStringLiteral("RzToolButton11")))
        connect(languageButton, &QToolButton::clicked, this, &TForm1::LanguageButtonClick);
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
    connect(&Timer1, &QTimer::timeout, this, [this] { m_editor->tick(); });
    connectWindowButtons();
    connectVolumeKeys();
    // 7. The spectrum buffers and the sound capture are prepared by the window editor, which
    //    owns the spectrum display; a missing input only clears AudioPresent.
}

TForm1::~TForm1() = default;

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
    connect(&link.session(), &LinkSession::mainWindowShowRequested, this, [this] {
        show();
        raise();
    });
}

void TForm1::attachSession(LinkSession& session)
{
    m_editor->context().session = &session;
    m_presets->setSession(&session);
    m_modes->setSession(&session);
    m_system->setSession(&session);
    connect(&session, &LinkSession::onlineRefreshRequested, this,
            [this] { m_editor->refreshAfterLoad(); });
    connect(&session, &LinkSession::modeListRebuildRequested, this,
            [this] { m_modes->FillModeList(); });
    if (auto* identity = findChild<QLabel*>(QStringLiteral("DeviceIDLabel")))
        connect(&session.applier(), &FrameApplier::deviceIdentityChanged, identity,
                &QLabel::setText);
}

void TForm1::setMessages(MessageService* messages)
{
    m_editor->context().messages = messages;
    m_presets->setMessages(messages);
    m_modes->setMessages(messages);
    m_system->setMessages(messages);
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
    // 1. Bind every control to its parameter, twice (the second run changes nothing).
    m_editor->bind();
    m_editor->bind();
    // 2. Default EQ in every band of blocks 0 to 27, nothing sent, and the window refreshed.
    m_editor->resetAllEq();
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
    if (!m_link || m_link->session().state().PanelLockState != 2)
        m_editor->pages().FormMusTabBtnClick(0);
    // 8. The main window's timer.
    Timer1.start();
    // 9.
    m_windowShown = true;
    m_presets->windowShown = true;
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
    PageNavigation& nav = m_editor->context().navigation;
    nav.CurrentPage = m_editor->pages().SelectPage(nav.CurrentTab);
    m_editor->refresh().RefreshBlock(nav.CurrentPage / 256);
}

void TForm1::connectWindowButtons()
{
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
        const char* slider;
        int step;
    } keys[] = {{Qt::Key_Q, "SysMusNormalVolBar", 1}, {Qt::Key_A, "SysMusNormalVolBar", -1},
                {Qt::Key_W, "SysMicNormalVolBar", 1}, {Qt::Key_S, "SysMicNormalVolBar", -1},
                {Qt::Key_E, "SysEffNormalVolBar", 1}, {Qt::Key_D, "SysEffNormalVolBar", -1}};
    for (const auto& k : keys) {
        auto* shortcut = new QShortcut(QKeySequence(k.key), this);
        const QString name = QLatin1String(k.slider);
        const int step = k.step;
        connect(shortcut, &QShortcut::activated, this, [this, name, step] {
            if (auto* slider = findChild<ParamSlider*>(name))
                slider->setValue(slider->value() + step);
        });
        connect(m_sidePanel, &QTabWidget::currentChanged, shortcut,
                [shortcut](int tab) { shortcut->setEnabled(tab == 0); });
    }
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
    if (m_editor->bands().wheel(event->angleDelta().y()))
        event->accept();
    else
        QWidget::wheelEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (m_link)
        m_link->FormCloseQuery();
    event->accept();
    QApplication::quit();
}

} // namespace aec
