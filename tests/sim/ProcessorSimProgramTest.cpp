// processor-sim as a person or a script uses it: the device path on the first line, a real
// serial port on that path, a clean end on SIGTERM.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSerialPort>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

namespace {

QByteArray Hex(const char* text)
{
    return QByteArray::fromHex(text);
}

class ProcessorSimProgram : public ::testing::Test
{
protected:
    // Starts processor-sim and reads the line it prints first.
    void launch(const QStringList& arguments)
    {
        sim.start(QStringLiteral(PROCESSOR_SIM_PATH), arguments);
        ASSERT_TRUE(sim.waitForStarted(5000));
        QElapsedTimer clock;
        clock.start();
        while (!sim.canReadLine() && clock.elapsed() < 5000)
            sim.waitForReadyRead(100);
        path = QString::fromLocal8Bit(sim.readLine()).trimmed();
    }

    void start(const QStringList& arguments = {})
    {
        launch(arguments);
        ASSERT_TRUE(path.startsWith(QStringLiteral("/dev/")) || arguments.contains("--link"))
            << path.toStdString();
        openPort();
    }

    void openPort()
    {

        port.setPortName(path);
        ASSERT_TRUE(port.open(QIODevice::ReadWrite)) << port.errorString().toStdString();
        port.setBaudRate(QSerialPort::Baud115200);
        // A real serial line at least closes on a hang-up instead of reporting it forever.
        QObject::connect(&port, &QSerialPort::errorOccurred,
                         [this](QSerialPort::SerialPortError e) {
                             if (e == QSerialPort::ReadError || e == QSerialPort::ResourceError) {
                                 lineLost = true;
                                 port.close();
                             }
                         });
    }

    // The same over a TCP connection to the address printed.
    QByteArray exchangeTcp(QTcpSocket& socket, const QByteArray& request, qsizetype expected,
                           int timeoutMs = 3000)
    {
        socket.write(request);
        QByteArray answer;
        QElapsedTimer clock;
        clock.start();
        while (answer.size() < expected && clock.elapsed() < timeoutMs &&
               socket.state() == QAbstractSocket::ConnectedState) {
            socket.waitForReadyRead(50);
            answer += socket.readAll();
        }
        return answer;
    }

    bool connectTcp(QTcpSocket& socket)
    {
        const QUrl url(path);
        socket.connectToHost(url.host(), static_cast<quint16>(url.port()));
        return socket.waitForConnected(3000);
    }

    // Writes a request and collects the answer until `expected` bytes or the time is up.
    QByteArray exchange(const QByteArray& request, qsizetype expected, int timeoutMs = 3000)
    {
        port.write(request);
        QByteArray answer;
        QElapsedTimer clock;
        clock.start();
        while (answer.size() < expected && clock.elapsed() < timeoutMs && port.isOpen()) {
            port.waitForReadyRead(50);
            answer += port.readAll();
        }
        return answer;
    }

    void TearDown() override
    {
        port.close();
        if (sim.state() != QProcess::NotRunning) {
            sim.kill();
            sim.waitForFinished(3000);
        }
    }

    QProcess sim;
    QSerialPort port;
    QString path;
    bool lineLost = false;
};

TEST_F(ProcessorSimProgram, AnswersOverThePseudoTerminalAndEndsCleanlyOnSigterm)
{
    start();
    EXPECT_EQ(exchange(Hex("F5B106B71E3011000B"), 13), Hex("EEBB") + Hex("F5B108B71E4051A3160B1F"));
    // Block 5 has 45 values: one frame of 97 bytes.
    const QByteArray block = exchange(Hex("F5B106B01E100500D8"), 97);
    ASSERT_EQ(block.size(), 97);
    EXPECT_EQ(block.left(6), Hex("F5B15EB70500"));

    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(5000));
    EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.exitCode(), 0);
}

TEST_F(ProcessorSimProgram, ServesAgainAfterThePortIsClosedAndReopened)
{
    start();
    EXPECT_EQ(exchange(Hex("F5B106B71E30660060"), 2), Hex("EEBB"));
    port.close();
    ASSERT_TRUE(port.open(QIODevice::ReadWrite));
    EXPECT_EQ(exchange(Hex("F5B106B71E30660060"), 2), Hex("EEBB"));
}

TEST_F(ProcessorSimProgram, HangUpOptionDropsTheLine)
{
    start({QStringLiteral("--hang-up-after"), QStringLiteral("1")});
    EXPECT_EQ(exchange(Hex("F5B106B71E30660060"), 2), Hex("EEBB"));
    const QByteArray after = exchange(Hex("F5B106B71E30660060"), 2, 2000);
    EXPECT_TRUE(after.isEmpty());
    EXPECT_TRUE(lineLost);
}

TEST_F(ProcessorSimProgram, AnswersOnALoopbackTcpPortAndEndsCleanlyOnSigterm)
{
    launch({QStringLiteral("--tcp"), QStringLiteral("0")});
    ASSERT_TRUE(path.startsWith(QStringLiteral("tcp://127.0.0.1:"))) << path.toStdString();
    QTcpSocket socket;
    ASSERT_TRUE(connectTcp(socket)) << socket.errorString().toStdString();
    EXPECT_EQ(exchangeTcp(socket, Hex("F5B106B71E3011000B"), 13),
              Hex("EEBB") + Hex("F5B108B71E4051A3160B1F"));

    // A second connection takes the processor over; the first is closed.
    QTcpSocket second;
    ASSERT_TRUE(connectTcp(second));
    EXPECT_EQ(exchangeTcp(second, Hex("F5B106B71E30660060"), 2), Hex("EEBB"));
    EXPECT_TRUE(socket.state() == QAbstractSocket::UnconnectedState ||
                socket.waitForDisconnected(3000));

    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(5000));
    EXPECT_EQ(sim.exitCode(), 0);
}

TEST_F(ProcessorSimProgram, HungUpTcpLineRefusesConnectionsUntilItIsReopened)
{
    launch({QStringLiteral("--tcp"), QStringLiteral("0"), QStringLiteral("--hang-up-after"),
            QStringLiteral("1"), QStringLiteral("--reopen-after"), QStringLiteral("4000")});
    QTcpSocket socket;
    ASSERT_TRUE(connectTcp(socket));
    EXPECT_EQ(exchangeTcp(socket, Hex("F5B106B71E30660060"), 2), Hex("EEBB"));
    EXPECT_TRUE(exchangeTcp(socket, Hex("F5B106B71E30660060"), 2, 300).isEmpty());
    EXPECT_TRUE(socket.state() == QAbstractSocket::UnconnectedState ||
                socket.waitForDisconnected(2000))
        << "the far end closed";

    QTcpSocket refused;
    EXPECT_FALSE(connectTcp(refused)) << "nobody listens while the line is down";

    QElapsedTimer clock;
    clock.start();
    QTcpSocket again;
    while (!connectTcp(again) && clock.elapsed() < 10000)
        QThread::msleep(100);
    ASSERT_EQ(again.state(), QAbstractSocket::ConnectedState);
    EXPECT_EQ(exchangeTcp(again, Hex("F5B106B71E30660060"), 2), Hex("EEBB"));
    EXPECT_EQ(exchangeTcp(again, Hex("F5B106B71E30660060"), 2), Hex("EEBB"))
        << "the hang-up happens once";
}

TEST_F(ProcessorSimProgram, LinkPathDisappearsWithTheLineAndPointsAtTheNewOneWhenItIsBack)
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("processor"));
    start({QStringLiteral("--link"), link, QStringLiteral("--hang-up-after"), QStringLiteral("1"),
           QStringLiteral("--reopen-after"), QStringLiteral("1000")});
    EXPECT_EQ(path, link);
    const QString first = QFileInfo(link).symLinkTarget();
    EXPECT_TRUE(first.startsWith(QStringLiteral("/dev/pts/"))) << first.toStdString();
    EXPECT_EQ(exchange(Hex("F5B106B71E30660060"), 2), Hex("EEBB"));
    EXPECT_TRUE(exchange(Hex("F5B106B71E30660060"), 2, 500).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(link));

    QElapsedTimer clock;
    clock.start();
    while (!QFileInfo::exists(link) && clock.elapsed() < 5000)
        QThread::msleep(50);
    ASSERT_TRUE(QFileInfo::exists(link));
    port.close();
    openPort();
    EXPECT_EQ(exchange(Hex("F5B106B71E30660060"), 2), Hex("EEBB"));
}

TEST_F(ProcessorSimProgram, VersionAndHelpPrintAndExitWithoutOpeningALine)
{
    sim.start(QStringLiteral(PROCESSOR_SIM_PATH), {QStringLiteral("--version")});
    ASSERT_TRUE(sim.waitForFinished(5000));
    EXPECT_EQ(sim.exitCode(), 0);
    EXPECT_EQ(sim.readAllStandardOutput().trimmed(),
              QByteArray("processor-sim " PROJECT_VERSION_TEXT));

    sim.start(QStringLiteral(PROCESSOR_SIM_PATH), {QStringLiteral("--help")});
    ASSERT_TRUE(sim.waitForFinished(5000));
    EXPECT_EQ(sim.exitCode(), 0);
    const QByteArray help = sim.readAllStandardOutput();
    EXPECT_TRUE(help.startsWith("Usage: ")) << help.toStdString();
    EXPECT_TRUE(help.contains("--version")) << help.toStdString();
    EXPECT_FALSE(help.contains("/dev/")) << help.toStdString();
}

TEST_F(ProcessorSimProgram, RefusesABadOptionWithAMessage)
{
    sim.start(QStringLiteral(PROCESSOR_SIM_PATH),
              {QStringLiteral("--drop-acks"), QStringLiteral("2")});
    ASSERT_TRUE(sim.waitForFinished(5000));
    EXPECT_EQ(sim.exitCode(), 2);
    EXPECT_TRUE(sim.readAllStandardError().contains("--drop-acks"));
}

} // namespace
