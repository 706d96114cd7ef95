#pragma once

#include "core/BilingualText.h"

#include <QByteArrayView>

namespace aec {

// Whoever watches the link as it happens (the protocol console). The sender, the receiver and
// the session tell it every frame written, every acknowledgement and data frame received,
// every run of bytes given up in a resync, and the session's own events. With nobody watching
// each of them costs one pointer test.
class LinkTap
{
public:
    virtual ~LinkTap() = default;
    // A frame handed to the port.
    virtual void sent(QByteArrayView frame) = 0;
    // An acknowledgement or a whole data frame, before it is stored.
    virtual void received(QByteArrayView item) = 0;
    // Bytes the receiver gave up while searching for the next frame start.
    virtual void resynced(QByteArrayView dropped, const char* why) = 0;
    // An event of the session: a port tried, a link found, lost or ended.
    virtual void noted(const BilingualText& text) = 0;
};

// What has crossed the link since the program started.
struct LinkCounters
{
    qint64 framesOut = 0;
    qint64 bytesOut = 0;
    qint64 framesIn = 0; // data frames
    qint64 bytesIn = 0;  // every byte, noise included
    qint64 acknowledgements = 0;
    qint64 checksumErrors = 0;
    qint64 resyncs = 0;
    qint64 stepRepeats = 0; // transfer steps and unanswered frames sent again
    qint64 losses = 0;
    int queueDepth = 0;
};

} // namespace aec
