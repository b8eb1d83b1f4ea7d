// Polls per second on one adapter against a libmodbus slave with several instruments, and the CPU the
// poll engine spends per poll (GUI thread only; the slave runs in threads of its own).
//
//   build/default/bench/bench_modbuspoll [--seconds N] [--instruments N]

#include "links/modbus/modbuspoller.h"
#include "modbuspeer.h"
#include "settingssandbox.h"
#include "virtualports.h"
#include "devices/deviceregistry.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <ctime>

namespace {

double threadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Modbus poll throughput on one adapter"));
    parser.addHelpOption();
    const QCommandLineOption seconds(QStringLiteral("seconds"), QStringLiteral("Measuring time."),
                                     QStringLiteral("s"), QStringLiteral("5"));
    const QCommandLineOption instruments(QStringLiteral("instruments"), QStringLiteral("Instruments on the bus."),
                                         QStringLiteral("n"), QStringLiteral("3"));
    parser.addOptions({seconds, instruments});
    parser.process(app);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    SettingsSandbox sandbox;
    QTemporaryDir dir;
    ModbusPeer peer;
    const QString port = peer.link(dir.filePath(QStringLiteral("ttyBench")));
    VirtualPorts ports;
    ports.add(port);

    DeviceRegistry registry;
    registry.adapters() = {{port, 115200}};
    const int count = std::max(1, parser.value(instruments).toInt());
    for (int address = 1; address <= count; ++address) {
        peer.addInstrument(address);
        peer.setValue(address, 10.0 + address);
        DeviceRecord record;
        record.type = ConnectionKind::Modbus;
        record.portName = port;
        record.address = quint8(address);
        registry.devices().append(record);
    }

    ModbusPoller poller(registry);
    poller.openAdapterPorts();
    poller.rebuildPollLists();
    QTimer watchdog; // as in the window: it must not disturb the cycle
    QObject::connect(&watchdog, &QTimer::timeout, &poller, &ModbusPoller::onPortWatchdogTick);
    if (!qEnvironmentVariableIsSet("BENCH_NO_WATCHDOG"))
        watchdog.start(1000);
    poller.sendNextCommand(port);

    // Warm-up: first contact and calibration blocks.
    QTimer::singleShot(1000, &app, &QCoreApplication::quit);
    app.exec();

    const int startRequests = peer.requestCount();
    const double startCpu = threadCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(parser.value(seconds).toInt() * 1000, &app, &QCoreApplication::quit);
    app.exec();
    const double wall = clock.elapsed() / 1000.0;
    const double cpu = threadCpuSeconds() - startCpu;
    const int polls = peer.requestCount() - startRequests;

    int online = 0;
    for (const DeviceRecord &record : registry.devices())
        online += record.connected;
    QTextStream out(stdout);
    out << "instruments:        " << count << " (" << online << " on line)\n"
        << "polls:              " << polls << " in " << wall << " s\n"
        << "polls per second:   " << polls / wall << "\n"
        << "CPU per poll:       " << (polls ? cpu / polls * 1e6 : 0.0) << " us (poll engine thread)\n";
    return online == count ? 0 : 1;
}
