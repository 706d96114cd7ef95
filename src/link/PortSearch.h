#pragma once

#include "core/BilingualText.h"
#include "core/SerialLine.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

namespace aec {

// Which port the port search (Timer1, one tick a second) tries next; it opens the port, and
// the session sends the link request on it. A search the person starts tries every listed port
// once, in the list's order. The automatic reconnect goes on in rounds instead: the port the
// processor was last found on first (USB adapters and /dev/serial/by-id links come back under the
// same name), then the others, the list read again at each round so adapters plugged in late are
// found, with pauses of 1, 2, then 5 s between rounds. A port that cannot be opened for a
// reason of its own (busy, no permission) is reported once, not every round.
class PortSearch
{
public:
    static constexpr std::array<int, 3> PauseSeconds = {1, 2, 5};

    struct Trouble
    {
        QString port;
        PortFailure failure;
    };
    struct Step
    {
        enum class Kind {
            Tried,     // a port was tried (the person's search may show an empty selection)
            Exhausted, // the person's search found nothing
            Waiting,   // a pause between rounds
            RoundOver, // a round found nothing; a pause begins
        };
        Kind kind = Kind::Waiting;
        int index = -1; // the port's place in the list, -1 for none
        QString port;
        bool opened = false;
        int secondsLeft = 0;     // of the pause
        QList<Trouble> troubles; // new ones, at the end of a round
    };

    explicit PortSearch(SerialLine& port);

    // The port list (ComComboBox1) and its selected entry, -1 for none.
    void setPortNames(const QStringList& names);
    const QStringList& portNames() const { return m_names; }
    int selectedPort() const { return m_selected; }
    // Reads the machine's ports for each round; without one the list stays as it is.
    void setPortLister(std::function<QStringList()> lister) { m_lister = std::move(lister); }

    // The person's search from the first port; what was reported is reported again.
    void startPass();
    // Rounds after a pause, beginning with `lastPort` when there is one.
    void startRounds(const QString& lastPort);
    void stop() { m_rounds = false; }
    bool inRounds() const { return m_rounds; }
    Step tick();

    // The port opened last, whose processor an acknowledgement comes from.
    const QString& triedPort() const { return m_tried; }

    // The troubles in both languages, one port a line, with what the person can do.
    static BilingualText Describe(const QList<Trouble>& troubles);

private:
    Step passTick();
    Step roundTick();
    Step tryPort(const QString& name);
    void noteTrouble(const QString& name, const PortFailure& failure);
    void beginRound();

    SerialLine& m_port;
    std::function<QStringList()> m_lister;
    QStringList m_names;
    int m_selected = -1;
    int m_portIndex = 0;      // the list position to try next (PortIndex)
    int m_lastTriedPort = -1; // the list position tried last
    QString m_tried;

    bool m_rounds = false;
    QString m_lastPort;
    QStringList m_roundPorts;
    int m_roundNext = 0;
    int m_pauseIndex = 0;
    int m_secondsLeft = 0;
    QSet<QString> m_reported; // port and kind of every trouble reported
    QList<Trouble> m_troubles;
};

} // namespace aec
