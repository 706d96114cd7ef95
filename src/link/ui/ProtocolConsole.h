#pragma once

#include "link/ProtocolRecorder.h"

#include <QTimer>
#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace aec {

class Language;
class LinkSession;
class MessageService;

// The protocol console: the link as it happens, every frame both ways with its time, direction
// and meaning, resyncs and checksum failures marked, the diagnostic log's lines in place, and
// the link's counters. A thin view over a ProtocolRecorder, which it attaches while the window
// shows and detaches when it closes, so a closed console costs the link nothing. New lines
// come in batches a few times a second, so a processor flooding the line at wire speed does
// not flood the window; the memory and the view keep the newest lines up to the cap shown.
class ProtocolConsole : public QWidget
{
    Q_OBJECT
public:
    static constexpr int RefreshMs = 200;

    ProtocolConsole(LinkSession& session, DiagnosticLog& log, const Language& language,
                    MessageService* messages, int capacity = ProtocolRecorder::DefaultCapacity,
                    QWidget* parent = nullptr);
    ~ProtocolConsole() override;

    ProtocolRecorder& recorder() { return m_recorder; }
    QPlainTextEdit* view() const { return m_view; }

    void setPaused(bool paused);
    bool isPaused() const { return m_paused; }
    void setKindShown(ProtocolRecord::Kind kind, bool shown);

    // Brings the view up to the recorder: the new lines, or all again after a pause, a filter
    // or a language change. Runs on the console's timer while it shows.
    void refresh();
    // The lines the filters let through, as shown.
    QString text() const;
    // Copies the selection, or every line shown when nothing is selected.
    void copy();
    // Writes the lines shown as UTF-8 text; a failure is told with its reason and loses nothing.
    bool saveTo(const QString& path);
    void clear();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildControls();
    void showCaptions();
    void showCounters();
    QStringList linesFrom(qint64 sequence) const;
    void saveAs();

    LinkSession& m_session;
    DiagnosticLog& m_log;
    const Language& m_language;
    MessageService* m_messages;
    ProtocolRecorder m_recorder;
    QTimer m_timer;
    QPlainTextEdit* m_view = nullptr;
    QToolButton* m_pause = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_clear = nullptr;
    QLabel* m_counters = nullptr;
    QLabel* m_cap = nullptr;
    std::array<QCheckBox*, ProtocolRecord::KindCount> m_filters{};
    std::array<bool, ProtocolRecord::KindCount> m_shown{};
    qint64 m_shownUpTo = 0; // the sequence of the next record to show
    bool m_paused = false;
    bool m_stale = true; // the view must be built again from the recorder
};

} // namespace aec
