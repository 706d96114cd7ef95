#include "editing/ui/TForm1.h"

#include "app/ApplicationInfo.h"
#include "core/ParameterModel.h"
#include "link/ui/LinkControls.h"
#include "link/ui/TForm2.h"
#include "link/ui/TForm3.h"
#include "system/Language.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace aec {

TForm1::TForm1(ParameterModel& model, DeviceTexts& texts, Language& language, QWidget* parent)
    : QWidget(parent), m_model(model), m_texts(texts), m_language(language)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(ApplicationTitle());
    resize(DesignWidth, DesignHeight);
    // 1. The design size, from which resizing scales.
    m_designSize = QSize(DesignWidth, DesignHeight);
    // 2 to 6. Double buffering is Qt's own; the chart markers, image and background come
    //         with the response chart.
    // 7. Spectrum buffers and sound capture come with the spectrum analyser.
}

TForm1::~TForm1() = default;

void TForm1::attachLink(TForm3& link, TForm2& statusDialog, const QStringList& extraPorts)
{
    m_link = &link;
    m_statusDialog = &statusDialog;
    m_extraPorts = extraPorts;

    m_linkControls = new LinkControls(link.session(), m_language, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_linkControls, 0, Qt::AlignRight);
    layout->addStretch();
    connect(m_linkControls, &LinkControls::linkButtonClicked, this, &TForm1::LinkBtnClick);
    connect(&link.session(), &LinkSession::mainWindowShowRequested, this, [this] {
        show();
        raise();
    });
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
    // 1. BuildControlMap, twice, and 2. the all-blocks EQ reset: come with the pages.
    // 3. List the serial ports and start a link as the link button does; a failure here
    //    leaves the window offline, and the person can press the link button again.
    if (m_link) {
        m_link->listPorts(m_extraPorts);
        m_linkControls->showPorts();
        m_link->session().StartLink();
    }
    // 4, 5. Preset folders and list: come with the presets.
    // 6. The caption language: English at every start until the captions come.
    m_language.setCaptionLanguage(0);
    // 7. The music page, 8. the main window's timer: come with the pages and the chart.
    // 9.
    m_windowShown = true;
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

void TForm1::closeEvent(QCloseEvent* event)
{
    if (m_link)
        m_link->FormCloseQuery();
    event->accept();
    QApplication::quit();
}

} // namespace aec
