#pragma once

#include "core/DeviceValue.h"
#include "core/DiagnosticLog.h"
#include "core/MessageService.h"
#include "core/ParameterModel.h"
#include "link/DeviceTexts.h"
#include "link/LinkSession.h"
#include "system/PresetDiff.h"

#include <QObject>
#include <QTimer>

#include <array>
#include <functional>

namespace aec {

class SerialLine;

// One job on a processor for a program without a window: link on one port, load the whole
// parameter set, and for an apply write a preset over it, read every block back and compare;
// then unlink. It follows the link session's timer switches with real timers, as the window's
// link holder does, and never waits on the line: finished() reports the outcome. The session's
// own limits end a silent processor; a last deadline ends anything else.
class PresetTransfer : public QObject
{
    Q_OBJECT
public:
    explicit PresetTransfer(SerialLine& line, QObject* parent = nullptr);
    ~PresetTransfer() override;

    // Reads the processor's parameters into store().
    void startDump(const QString& port);
    // Writes the values (16-bit, at addresses a preset carries) over the processor's own, reads
    // everything back and keeps what differs in differences().
    void startApply(const QString& port, const DeviceValues& values);

    // Ends the job at once (an interrupted program), unlinking an online processor.
    void abort(const QString& reason) { finish(reason); }

    // The line's bytes, and its loss (a pulled adapter).
    void receive(QByteArrayView bytes);
    void lineLost(const QString& reason);

    bool succeeded() const { return m_step == Step::Done && m_error.isEmpty(); }
    const QString& error() const { return m_error; }
    const ParamStore& store() const { return m_model.store; }
    // After an apply: every value of the file the processor does not hold, file value first
    // ("(not set)" for one it never answered).
    const std::vector<PresetDifference>& differences() const { return m_differences; }
    // The values compared: those the processor keeps (a preset's slot after each block's last
    // is stored by the program only).
    int compared() const { return m_compared; }
    // The values of the file the processor does not keep, which no transfer sends.
    int notKept() const { return m_notKept; }

    static constexpr int DeadlineSeconds = 300;

signals:
    void progress(const QString& step);
    void finished(bool ok);

private:
    enum class Step { Idle, Linking, Writing, ReadingBack, Done };
    class Messages : public MessageService
    {
    public:
        std::function<void(const BilingualText&)> failed;
        void inform(const BilingualText& text) override { failed(text); }
        bool ask(const BilingualText&) override { return false; }
    };

    void start(const QString& port);
    void online();
    void compare();
    void finish(const QString& error);
    void followTimers();
    bool held(ParamAddress address) const;

    ParameterModel m_model;
    DeviceTexts m_texts;
    DiagnosticLog m_log;
    Messages m_messages;
    SerialLine& m_line;
    LinkSession m_session;
    std::array<QTimer, 3> m_timers;
    QTimer m_deadline;
    Step m_step = Step::Idle;
    bool m_apply = false;
    bool m_answered = false;
    QString m_port;
    QString m_error;
    DeviceValues m_values;
    std::vector<PresetDifference> m_differences;
    int m_compared = 0;
    int m_notKept = 0;
};

} // namespace aec
