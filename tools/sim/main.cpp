// kovran-sim: plays the measuring bench on pseudo-terminals so that KOVRAN can be tried without hardware.

#include "bench.h"
#include "signalwatcher.h"
#include "simlog.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <csignal>
#include <cstdio>

namespace {

constexpr int DefaultModbusInstruments = 3;
constexpr int MaxModbusAddress = 247;
constexpr int MaxAdapters = 32;
constexpr int MaxBleInstruments = 32;
constexpr int MaxBleConnections = 8;
constexpr int MaxSilentAfterSeconds = 86400;
constexpr int UsageError = 2;
constexpr int StartError = 1;

bool readCount(const QCommandLineParser &parser, const QCommandLineOption &option, int min, int max,
               int *value, QString *error)
{
    if (!parser.isSet(option))
        return true;
    bool ok = false;
    const int number = parser.value(option).toInt(&ok);
    if (!ok || number < min || number > max) {
        *error = QStringLiteral("--%1 takes a whole number from %2 to %3, not \"%4\"")
                     .arg(option.names().constFirst())
                     .arg(min)
                     .arg(max)
                     .arg(parser.value(option));
        return false;
    }
    *value = number;
    return true;
}

int fail(int code, const QString &message)
{
    std::fputs(qPrintable(QStringLiteral("kovran-sim: %1\n").arg(message)), stderr);
    return code;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kovran-sim"));
    // A script reading our first line may go away; that must not kill the bench.
    std::signal(SIGPIPE, SIG_IGN);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulated KOVRAN measuring bench: Modbus RTU instruments and a BLED112 Bluetooth "
                       "dongle on pseudo-terminals, and the port of an nRF dongle.\n"
                       "Runs until interrupted (Ctrl+C or SIGTERM), then removes its port links."));
    parser.addHelpOption();
    const QCommandLineOption modbusOption(
        QStringLiteral("modbus"),
        QStringLiteral("Simulate <N> Modbus RTU instruments with addresses 1..N (default %1 when no other "
                       "device is asked for). Kinds repeat: linear, linear, dynamometer, angle meter.")
            .arg(DefaultModbusInstruments),
        QStringLiteral("N"));
    const QCommandLineOption adaptersOption(
        QStringLiteral("adapters"),
        QStringLiteral("Spread the Modbus instruments over <K> adapter ports (default 1)."),
        QStringLiteral("K"));
    const QCommandLineOption bledOption(
        QStringLiteral("bled112"),
        QStringLiteral(
            "Simulate a BLED112 dongle (<link-dir>/ttyBLED0) with <N> Bluetooth instruments within "
            "reach: VELKOR calipers and indicators, the third a Sylvac, plus a device of unknown "
            "kind. SIGUSR1 drops a connection."),
        QStringLiteral("N"));
    const QCommandLineOption bledLimitOption(
        QStringLiteral("bled112-limit"),
        QStringLiteral("The dongle refuses connections beyond <K> (default %1), while still reporting %1.")
            .arg(MaxBleConnections),
        QStringLiteral("K"));
    const QCommandLineOption bledSilentOption(
        QStringLiteral("bled112-silent-after"),
        QStringLiteral("The dongle stops answering <S> seconds after the start."), QStringLiteral("S"));
    const QCommandLineOption nrfOption(
        QStringLiteral("nrf"),
        QStringLiteral("Name an nRF dongle port (<link-dir>/ttyNRF0, USB ids 1915:521F). Its SoftDevice and "
                       "instruments are simulated inside KOVRAN, started with KOVRAN_NRF_DRIVER=simulated; "
                       "--write-config gives the program its VELKOR IND-10."));
    const QCommandLineOption linkDirOption(
        QStringLiteral("link-dir"),
        QStringLiteral("Create the stable port names <DIR>/ttyKOVRAN0, ttyKOVRAN1, ... (default: a fresh "
                       "temporary folder)."),
        QStringLiteral("DIR"));
    const QCommandLineOption printEnvOption(
        QStringLiteral("print-env"),
        QStringLiteral(
            "Print only the line KOVRAN_VIRTUAL_PORTS=<port>[;<port>...] once the ports are ready."));
    const QCommandLineOption writeConfigOption(
        QStringLiteral("write-config"),
        QStringLiteral("Also write com_adapters.ini and devices_config.ini for KOVRAN into <DIR>."),
        QStringLiteral("DIR"));
    const QCommandLineOption verboseOption(QStringLiteral("verbose"),
                                           QStringLiteral("Log every request and answer in hex on stderr."));
    parser.addOptions({modbusOption, adaptersOption, bledOption, bledLimitOption, bledSilentOption, nrfOption,
                       linkDirOption, printEnvOption, writeConfigOption, verboseOption});
    parser.process(app);

    if (!parser.positionalArguments().isEmpty())
        return fail(UsageError,
                    QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));

    Bench::Options options;
    QString error;
    // The Modbus default only applies when no kind of device is asked for.
    const bool deviceAskedFor =
        parser.isSet(modbusOption) || parser.isSet(bledOption) || parser.isSet(nrfOption);
    options.modbusInstruments = deviceAskedFor ? 0 : DefaultModbusInstruments;
    if (!readCount(parser, modbusOption, 0, MaxModbusAddress, &options.modbusInstruments, &error) ||
        !readCount(parser, adaptersOption, 1, MaxAdapters, &options.modbusAdapters, &error) ||
        !readCount(parser, bledOption, 0, MaxBleInstruments, &options.bled112Instruments, &error) ||
        !readCount(parser, bledLimitOption, 0, MaxBleConnections, &options.bled112Limit, &error) ||
        !readCount(parser, bledSilentOption, 0, MaxSilentAfterSeconds, &options.bled112SilentAfterSeconds,
                   &error))
        return fail(UsageError, error);
    if ((parser.isSet(bledLimitOption) || parser.isSet(bledSilentOption)) && !parser.isSet(bledOption))
        return fail(UsageError, QStringLiteral("--bled112-limit and --bled112-silent-after need --bled112"));
    if (options.modbusInstruments == 0 && !parser.isSet(adaptersOption))
        options.modbusAdapters = 0;
    options.nrf = parser.isSet(nrfOption);
    if (options.modbusAdapters == 0 && options.bled112Instruments < 0 && !options.nrf)
        return fail(UsageError, QStringLiteral("nothing to simulate"));
    options.linkDir = parser.value(linkDirOption);
    options.verbose = parser.isSet(verboseOption);
    SimLog::setVerbose(options.verbose);

    SignalWatcher signalWatcher;
    if (!signalWatcher.isWatching())
        return fail(StartError, QStringLiteral("cannot watch for SIGINT/SIGTERM"));
    QObject::connect(&signalWatcher, &SignalWatcher::stopRequested, &app, [](int signalNumber) {
        SimLog::trace(QStringLiteral("signal %1, stopping").arg(signalNumber));
        QCoreApplication::quit();
    });

    Bench bench;
    if (options.bled112Instruments >= 0) {
        signalWatcher.watchUserSignal();
        QObject::connect(&signalWatcher, &SignalWatcher::userSignal, &bench, &Bench::dropBled112Connection);
    }
    if (!bench.start(options, &error))
        return fail(StartError, error);
    if (parser.isSet(writeConfigOption) &&
        !bench.writeKovranSettings(parser.value(writeConfigOption), &error))
        return fail(StartError, error);

    QTextStream out(stdout);
    if (parser.isSet(printEnvOption)) {
        out << bench.virtualPortsLine() << Qt::endl;
    } else {
        out << bench.summary();
        if (parser.isSet(writeConfigOption))
            out << "KOVRAN settings written to " << parser.value(writeConfigOption) << '\n';
        out << bench.virtualPortsLine() << '\n' << "Stop with Ctrl+C." << Qt::endl;
    }
    std::fflush(stdout);

    return app.exec();
}
