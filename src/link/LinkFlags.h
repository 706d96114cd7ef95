#pragma once

namespace aec {

// Flags through which the receiver tells the link session that the processor answered.
struct LinkFlags
{
    // What arrived since the transfer last looked.
    enum RxEventValue {
        None = 0,
        Acknowledged = 1,
        DataFrame = 2,
        Repeat1 = 3,
        Repeat2 = 4,
        Abandon = 5
    };

    int Answered = 0;    // 1 after any acknowledgement; reset when a link starts
    int ReadyToSend = 0; // 1 after any acknowledgement; cleared by the sender
    int RxEvent = None;  // set by the receiver, advanced by the transfer timer
    // Counter of the load sequence, running one ahead of the mode name being answered, so a
    // name reply belongs at ModeNameIndex - 1.
    int ModeNameIndex = 0;
};

} // namespace aec
