#include "ReceiverFuzzHarness.h"

#include "core/DiagnosticLog.h"
#include "link/FrameApplier.h"
#include "link/FrameReceiver.h"

#include <QtGlobal>

#include <cstdlib>

namespace aec::fuzz {
namespace {

struct ReceiverUnderTest
{
    ParamStore store;
    DeviceTexts texts;
    LinkFlags flags;
    DiagnosticLog log{64};
    FrameApplier applier{store, texts, flags, log};
    FrameReceiver receiver{flags, applier, log};
};

void Check(bool condition, const char* what)
{
    if (!condition)
        qFatal("receiver invariant broken: %s", what);
}

} // namespace

void FeedReceiver(const std::uint8_t* data, std::size_t size)
{
    static ReceiverUnderTest r;
    if (size < 2)
        return;
    // A small generator of chunk sizes from 1 to 300, seeded by the first byte.
    std::uint32_t state = data[0] * 2654435761u + 1;
    r.flags.ModeNameIndex = data[1] % 25;
    const char* bytes = reinterpret_cast<const char*>(data + 2);
    std::size_t remaining = size - 2;
    while (remaining > 0) {
        state = state * 1103515245u + 12345u;
        const std::size_t chunk = std::min<std::size_t>(remaining, (state >> 16) % 300 + 1);
        r.receiver.receive(QByteArrayView(bytes, static_cast<qsizetype>(chunk)));
        bytes += chunk;
        remaining -= chunk;

        // A held frame is never longer than the largest frame (length byte 255) and the first
        // bytes of a header begun at its last byte.
        Check(r.receiver.pendingSize() <= 258 + 2, "pending bytes beyond one frame");
        Check(r.flags.RxEvent >= 0 && r.flags.RxEvent <= 2, "receive event out of range");
        // Now and then the line falls quiet for a tenth of a second: nothing stays held.
        if ((state >> 8) % 8 == 0) {
            r.receiver.lineTick(100);
            r.receiver.lineTick(100);
            Check(r.receiver.pendingSize() == 0, "bytes held after the line went quiet");
        }
    }
    for (const QString& name : r.texts.ModeNames)
        Check(name.size() <= 20, "mode name longer than 20");
    Check(r.texts.DeviceIdentity.isEmpty() || r.texts.DeviceIdentity.size() == 8,
          "identity not eight digits");
    for (int block = 0; block < BlockCount; ++block)
        for (int slot = 0; slot < RowLength; ++slot)
            Check(r.store.at(block, slot) >= 0 && r.store.at(block, slot) <= 0xFFFF,
                  "stored value outside 16 bits");
}

} // namespace aec::fuzz
