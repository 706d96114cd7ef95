#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace aec {

// The master side of a pseudo-terminal in raw mode. A serial port opens the slave side by its
// path and talks to whoever holds the master, such as the simulated processor. Only Unix
// systems have one; elsewhere open() fails with a message.
class PseudoTerminal : public QObject
{
    Q_OBJECT
public:
    explicit PseudoTerminal(QObject* parent = nullptr);
    ~PseudoTerminal() override;

    bool open();
    bool isOpen() const;
    QString slavePath() const { return m_slavePath; }
    QString errorString() const { return m_error; }

    // Bytes for the slave side; dropped when nobody reads them and the buffer is full.
    void write(QByteArrayView bytes);

    // Closes the master: the serial port on the slave side sees the line hang up.
    void hangUp();

signals:
    void bytesReceived(const QByteArray& bytes);

private:
    void readAvailable();

    int m_master = -1;
    int m_slaveHold = -1;
    QSocketNotifier* m_notifier = nullptr;
    QString m_slavePath;
    QString m_error;
};

} // namespace aec
