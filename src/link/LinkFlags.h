#pragma once

namespace aec {

// Flags through which the receiver tells the link session that the processor answered.
struct LinkFlags
{
    // What arrived since the transfer last looked.
    enum RxEventValue { None = 0, Acknowledged = 1, DataFrame = 2 };

    // The data frame that answers the transfer's current request: any frame of the requested
    // block, or the frame at one slot of the system block. Other frames are stored all the
    // same, but they answer nothing.
    struct AwaitedReply
    {
        static constexpr int AnySlot = -1;
        int block = -1; // -1 while no reply is awaited
        int slot = AnySlot;

        bool matches(int frameBlock, int frameSlot) const
        {
            return block >= 0 && frameBlock == block && (slot == AnySlot || frameSlot == slot);
        }
    };

    int Answered = 0;    // 1 after any acknowledgement; reset when a link starts
    int ReadyToSend = 0; // 1 after any acknowledgement; cleared by the sender
    int RxEvent = None;  // set by the receiver, cleared by the transfer before each request
    // Counter of the load sequence, running one ahead of the mode name being answered, so a
    // name reply belongs at ModeNameIndex - 1.
    int ModeNameIndex = 0;
    AwaitedReply Awaited; // set by the transfer before each request
    int ReplyArrived = 0; // 1 once a frame that Awaited matches has arrived
    // Every acknowledgement counted: set against the writes sent, it tells whether an answer
    // to an earlier frame is still on its way.
    int Acknowledgements = 0;
};

} // namespace aec
