#pragma once

#include "sim/FaultPlan.h"
#include "sim/ProcessorMemory.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <random>

namespace aec::sim {

// A processor that answers the controller's frames as the real unit does: it acknowledges
// writes, answers block, name, code and system-item requests with checksummed data frames,
// and keeps what is written in its memory. It does no I/O: bytes come in through receive()
// and leave through transmitted(), so a test can wire it to anything.
class SimulatedProcessor : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxValuesPerFrame = 125;

    explicit SimulatedProcessor(FaultPlan faults = {}, QObject* parent = nullptr);

    ProcessorMemory& memory() { return m_memory; }
    const ProcessorMemory& memory() const { return m_memory; }

    // Bytes from the controller, in any chunks.
    void receive(QByteArrayView bytes);
    // Puts bytes on the line between answers, as noise on the line would.
    void transmitNoise(const QByteArray& bytes);
    // The line is up again (after a hang-up, or a new connection): half-received bytes are
    // forgotten and the controller has to link again. A hang-up fault happens only once.
    void restoreLine();

    int framesReceived() const { return m_framesReceived; }
    int badChecksumsReceived() const { return m_badChecksums; }
    bool isLinked() const { return m_linked; }

signals:
    void transmitted(const QByteArray& bytes);
    // The line is hung up (a fault): the host closes its end.
    void hangUpRequested();

private:
    void handleFrame(const QByteArray& frame);
    void handleWrite(int address, QByteArrayView data);
    void handleRead(int address, QByteArrayView data);
    void sendAcknowledgement();
    void sendData(int block, int slot, QByteArrayView data);
    void sendValue(int address, std::uint16_t value);
    void emitAnswer(QByteArray bytes);
    void flood();
    bool chance(double share);
    QByteArray garbage();

    ProcessorMemory m_memory;
    FaultPlan m_faults;
    std::mt19937 m_random;
    QByteArray m_pending;
    int m_framesReceived = 0;
    int m_badChecksums = 0;
    bool m_linked = false;
    bool m_hungUp = false;
    QTimer* m_floodTimer = nullptr;
    QElapsedTimer m_floodClock;
    double m_floodCredit = 0; // bytes the flood may still send in this tick
    int m_floodItem = 0;
};

} // namespace aec::sim
