#pragma once

#include <QObject>

class QSocketNotifier;

namespace aec {

// Turns SIGINT and SIGTERM into a Qt signal on the event loop, so the program can close its
// windows (and unlink) the way a person closing them would. Does nothing where the system
// has no such signals.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested(int signalNumber);

private:
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace aec
