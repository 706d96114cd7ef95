#include "link/ui/ProtocolConsole.h"

#include "core/Language.h"
#include "core/MessageService.h"
#include "core/WholeFile.h"
#include "link/LinkSession.h"
#include "link/ProtocolDecoder.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace aec {
namespace {

const BilingualText Title{QStringLiteral("协议监视器"), QStringLiteral("Protocol console")};
const BilingualText PauseCaption{QStringLiteral("暂停"), QStringLiteral("Pause")};
const BilingualText CopyCaption{QStringLiteral("复制"), QStringLiteral("Copy")};
const BilingualText SaveCaption{QStringLiteral("另存为文本..."), QStringLiteral("Save as text...")};
const BilingualText ClearCaption{QStringLiteral("清除"), QStringLiteral("Clear")};

} // namespace

ProtocolConsole::ProtocolConsole(LinkSession& session, DiagnosticLog& log, const Language& language,
                                 MessageService* messages, int capacity, QWidget* parent)
    : QWidget(parent, Qt::Window), m_session(session), m_log(log), m_language(language),
      m_messages(messages), m_recorder(capacity)
{
    setObjectName(QStringLiteral("ProtocolConsole"));
    m_shown.fill(true);
    buildControls();
    m_timer.setInterval(RefreshMs);
    connect(&m_timer, &QTimer::timeout, this, &ProtocolConsole::refresh);
    connect(&language, &Language::changed, this, [this] {
        showCaptions();
        m_stale = true;
        refresh();
    });
    showCaptions();
    resize(900, 520);
}

ProtocolConsole::~ProtocolConsole()
{
    m_recorder.detach();
}

void ProtocolConsole::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    m_pause = new QToolButton(this);
    m_pause->setObjectName(QStringLiteral("PauseBtn"));
    m_pause->setCheckable(true);
    connect(m_pause, &QToolButton::toggled, this, &ProtocolConsole::setPaused);
    bar->addWidget(m_pause);
    for (int i = 0; i < ProtocolRecord::KindCount; ++i) {
        auto* filter = new QCheckBox(this);
        filter->setObjectName(QStringLiteral("ShowKind%1").arg(i));
        filter->setChecked(true);
        connect(filter, &QCheckBox::toggled, this,
                [this, i](bool on) { setKindShown(static_cast<ProtocolRecord::Kind>(i), on); });
        m_filters[static_cast<std::size_t>(i)] = filter;
        bar->addWidget(filter);
    }
    bar->addStretch();
    m_copy = new QPushButton(this);
    m_copy->setObjectName(QStringLiteral("CopyBtn"));
    connect(m_copy, &QPushButton::clicked, this, &ProtocolConsole::copy);
    m_save = new QPushButton(this);
    m_save->setObjectName(QStringLiteral("SaveBtn"));
    connect(m_save, &QPushButton::clicked, this, &ProtocolConsole::saveAs);
    m_clear = new QPushButton(this);
    m_clear->setObjectName(QStringLiteral("ClearBtn"));
    connect(m_clear, &QPushButton::clicked, this, &ProtocolConsole::clear);
    for (QPushButton* button : {m_copy, m_save, m_clear})
        bar->addWidget(button);
    layout->addLayout(bar);

    m_view = new QPlainTextEdit(this);
    m_view->setObjectName(QStringLiteral("ConsoleView"));
    m_view->setReadOnly(true);
    m_view->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_view->setMaximumBlockCount(m_recorder.capacity());
    m_view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(m_view, 1);

    m_counters = new QLabel(this);
    m_counters->setObjectName(QStringLiteral("CountersLabel"));
    m_counters->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_counters);
    m_cap = new QLabel(this);
    m_cap->setObjectName(QStringLiteral("CapLabel"));
    layout->addWidget(m_cap);
}

void ProtocolConsole::showCaptions()
{
    setWindowTitle(m_language.pick(Title));
    m_view->setAccessibleName(m_language.pick(Title)); // what a screen reader reads the frames as
    m_pause->setText(m_language.pick(PauseCaption));
    m_copy->setText(m_language.pick(CopyCaption));
    m_save->setText(m_language.pick(SaveCaption));
    m_clear->setText(m_language.pick(ClearCaption));
    for (int i = 0; i < ProtocolRecord::KindCount; ++i)
        m_filters[static_cast<std::size_t>(i)]->setText(
            m_language.pick(ProtocolDecoder::KindCaption(static_cast<ProtocolRecord::Kind>(i))));
    showCounters();
}

void ProtocolConsole::showCounters()
{
    const LinkCounters c = m_session.counters();
    const QString format =
        m_language.isChinese()
            ? QStringLiteral("发出 %1 帧 %2 字节 · 收到 %3 帧 %4 字节 · 应答 %5 · 校验错误 %6 · "
                             "重新同步 %7 · 重发 %8 · 断线 %9 · 队列 %10")
            : QStringLiteral("out %1 frames, %2 bytes · in %3 frames, %4 bytes · acknowledgements "
                             "%5 · checksum errors %6 · resyncs %7 · repeats %8 · losses %9 · "
                             "queued %10");
    m_counters->setText(format.arg(c.framesOut)
                            .arg(c.bytesOut)
                            .arg(c.framesIn)
                            .arg(c.bytesIn)
                            .arg(c.acknowledgements)
                            .arg(c.checksumErrors)
                            .arg(c.resyncs)
                            .arg(c.stepRepeats)
                            .arg(c.losses)
                            .arg(c.queueDepth));
    const QString cap = m_language.isChinese()
                            ? QStringLiteral("保留最新的 %1 行，已丢弃 %2 行")
                            : QStringLiteral("Keeps the newest %1 lines; %2 dropped");
    m_cap->setText(cap.arg(m_recorder.capacity()).arg(m_recorder.dropped()));
}

void ProtocolConsole::setPaused(bool paused)
{
    if (m_pause->isChecked() != paused)
        m_pause->setChecked(paused); // comes back here through toggled()
    m_paused = paused;
    if (!paused)
        refresh();
}

void ProtocolConsole::setKindShown(ProtocolRecord::Kind kind, bool shown)
{
    const auto index = static_cast<std::size_t>(kind);
    m_shown[index] = shown;
    if (m_filters[index]->isChecked() != shown)
        m_filters[index]->setChecked(shown);
    m_stale = true;
    refresh();
}

QStringList ProtocolConsole::linesFrom(qint64 sequence) const
{
    QStringList lines;
    const bool chinese = m_language.isChinese();
    for (qint64 i = std::max(sequence, m_recorder.firstSequence()); i < m_recorder.nextSequence();
         ++i) {
        const ProtocolRecord& record = m_recorder.at(i);
        if (m_shown[static_cast<std::size_t>(record.kind)])
            lines << ProtocolDecoder::Line(record, chinese);
    }
    return lines;
}

void ProtocolConsole::refresh()
{
    showCounters();
    if (m_paused)
        return;
    if (m_stale) {
        m_view->setPlainText(linesFrom(m_recorder.firstSequence()).join(QLatin1Char('\n')));
        m_view->moveCursor(QTextCursor::End);
        m_stale = false;
    } else if (const QStringList lines = linesFrom(m_shownUpTo); !lines.isEmpty()) {
        m_view->appendPlainText(lines.join(QLatin1Char('\n')));
    }
    m_shownUpTo = m_recorder.nextSequence();
}

QString ProtocolConsole::text() const
{
    return m_view->toPlainText();
}

void ProtocolConsole::copy()
{
    if (m_view->textCursor().hasSelection())
        m_view->copy();
    else
        QGuiApplication::clipboard()->setText(text());
}

bool ProtocolConsole::saveTo(const QString& path)
{
    QByteArray bytes = text().toUtf8();
    if (!bytes.isEmpty())
        bytes.append('\n');
    QString error;
    if (WriteWholeFile(path, bytes, &error))
        return true;
    if (m_messages)
        m_messages->inform({QStringLiteral("无法保存 %1：%2").arg(path, error),
                            QStringLiteral("Cannot save %1: %2").arg(path, error)});
    return false;
}

void ProtocolConsole::saveAs()
{
    const QString path = QFileDialog::getSaveFileName(this, m_language.pick(SaveCaption),
                                                      QStringLiteral("protocol.txt"),
                                                      QStringLiteral("Text (*.txt)"));
    if (!path.isEmpty())
        saveTo(path);
}

void ProtocolConsole::clear()
{
    m_recorder.clear();
    m_view->clear();
    m_shownUpTo = m_recorder.nextSequence();
    showCounters();
}

void ProtocolConsole::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_recorder.attach(m_session, m_log);
    m_stale = true;
    refresh();
    m_timer.start();
}

// Closed (a console window only hides), it records nothing and the link pays nothing.
void ProtocolConsole::hideEvent(QHideEvent* event)
{
    m_timer.stop();
    m_recorder.detach();
    QWidget::hideEvent(event);
}

} // namespace aec
