// kovran-sim: plays the measuring bench on pseudo-terminals so that KOVRAN can be tried without hardware.

#include "bench.h"
#include "heightgaugeboardpeer.h"
#include "lasersensorpeer.h"
#include "signalwatcher.h"
#include "simlog.h"
#include "standboardpeer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

constexpr int DefaultModbusInstruments = 3;
constexpr int MaxModbusAddress = 247;
constexpr int MaxAdapters = 32;
constexpr int MaxBleInstruments = 32;
constexpr int MaxBleConnections = 8;
constexpr int MaxSilentAfterSeconds = 86400;
constexpr int MaxSylvacInstruments = 8;
constexpr int MaxCorruptEvery = 1000000;
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

// "0-25,40-300": solid stretches of the height gauge's column, from and to in mm within its travel.
bool readSolids(const QString &text, QList<QPair<double, double>> *solids, QString *error)
{
    solids->clear();
    for (const QString &item : text.split(u',')) {
        const QStringList ends = item.trimmed().split(u'-');
        bool fromOk = false;
        bool toOk = false;
        const double from = ends.value(0).trimmed().toDouble(&fromOk);
        const double to = ends.size() == 2 ? ends.value(1).trimmed().toDouble(&toOk) : 0.0;
        if (!fromOk || !toOk || from < 0.0 || to <= from || to > HeightGaugeBoardPeer::Travel) {
            *error = QStringLiteral("--height-gauge-part takes stretches FROM-TO in mm with 0 <= FROM < TO "
                                    "<= %1, separated by commas, such as \"0-25,40-300\"; not \"%2\"")
                         .arg(HeightGaugeBoardPeer::Travel)
                         .arg(item);
            return false;
        }
        solids->append({from, to});
    }
    return true;
}

int fail(int code, const QString &message)
{
    std::fputs(qPrintable(QStringLiteral("kovran-sim: %1\n").arg(message)), stderr);
    return code;
}

// "12.5" within (0, max], else an error naming the option.
bool readLength(const QCommandLineParser &parser, const QCommandLineOption &option, double max, double *value,
                QString *error)
{
    if (!parser.isSet(option))
        return true;
    bool ok = false;
    const double number = parser.value(option).toDouble(&ok);
    if (!ok || !(number > 0.0 && number <= max)) {
        *error = QStringLiteral("--%1 takes a length in mm above 0 and up to %2, not \"%3\"")
                     .arg(option.names().constFirst())
                     .arg(max)
                     .arg(parser.value(option));
        return false;
    }
    *value = number;
    return true;
}

constexpr double LaserBoreStep = 0.01;
constexpr double StandFineStep = 0.01;
constexpr double StandCoarseStep = 1.0;

// The keys of the devices on the bench.
QString keysHelp(const Bench &bench)
{
    QString help = QStringLiteral("Keys (then Enter):");
    if (bench.hasSylvac() || bench.hasKeyboard())
        help +=
            QStringLiteral(" Enter or s presses the first Sylvac's data button, s2 the second's, f toggles "
                           "its continuous sending, u its unit mm/inch, k makes the keyboard instrument "
                           "type a reading.");
    if (bench.hasLaser())
        help +=
            QStringLiteral(" b+ and b- grow and shrink the laser gauge's bore by 0.01 mm, o moves the part "
                           "off centre and back.");
    if (bench.hasStand())
        help += QStringLiteral(" + and - move the stand's scale by 0.01 mm, ] and [ by 1 mm, w starts and "
                               "stops its sweep.");
    return help + u'\n';
}

void onKey(Bench &bench, const QString &line)
{
    const QString key = line.trimmed().toLower();
    bool ok = false;
    if (key == QLatin1String("b+") || key == QLatin1String("b-"))
        bench.growLaserBore(key.endsWith(u'+') ? LaserBoreStep : -LaserBoreStep);
    else if (key == QLatin1String("o"))
        bench.toggleLaserOffset();
    else if (key == QLatin1String("+") || key == QLatin1String("-"))
        bench.moveStand(key == QLatin1String("+") ? StandFineStep : -StandFineStep);
    else if (key == QLatin1String("]") || key == QLatin1String("["))
        bench.moveStand(key == QLatin1String("]") ? StandCoarseStep : -StandCoarseStep);
    else if (key == QLatin1String("w"))
        bench.toggleStandSweep();
    else if (key.isEmpty() || key == QLatin1String("s"))
        bench.pressSylvacButton(0);
    else if (key.startsWith(u's') && key.mid(1).toInt(&ok) > 0 && ok)
        bench.pressSylvacButton(key.mid(1).toInt() - 1);
    else if (key == QLatin1String("f"))
        bench.toggleSylvacContinuous();
    else if (key == QLatin1String("u"))
        bench.toggleSylvacUnit();
    else if (key == QLatin1String("k"))
        bench.typeReading();
    else
        SimLog::note(keysHelp(bench).trimmed());
}

// Lines typed at the terminal, read as they come without ever blocking the bench.
void readKeys(Bench &bench)
{
    auto *notifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, &bench);
    auto buffer = std::make_shared<QByteArray>();
    QObject::connect(notifier, &QSocketNotifier::activated, &bench, [&bench, notifier, buffer] {
        char chunk[256];
        const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (n <= 0) {
            notifier->setEnabled(false); // end of input: no more keys
            return;
        }
        buffer->append(chunk, n);
        qsizetype end;
        while ((end = buffer->indexOf('\n')) >= 0) {
            const QString line = QString::fromLocal8Bit(buffer->left(end));
            buffer->remove(0, end + 1);
            onKey(bench, line);
        }
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kovran-sim"));
    // A script reading our first line may go away; that must not kill the bench.
    std::signal(SIGPIPE, SIG_IGN);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulated KOVRAN measuring bench: Modbus RTU instruments, a BLED112 Bluetooth dongle, "
        "Sylvac data cables, the board of a motorised height gauge, the two sensors of a laser bore gauge "
        "and "
        "the board of a measuring stand on pseudo-terminals, "
        "the port of an nRF dongle and a keyboard instrument.\n"
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
    const QCommandLineOption sylvacOption(
        QStringLiteral("sylvac"),
        QStringLiteral("Simulate <N> Sylvac instruments (1 to %1), each on its data cable "
                       "(<link-dir>/ttySYLVAC0, ...; 4800 baud 7E1). Their data buttons are pressed now and "
                       "then; SIGUSR2 presses the first one's.")
            .arg(MaxSylvacInstruments),
        QStringLiteral("N"));
    const QCommandLineOption keyboardOption(
        QStringLiteral("keyboard"),
        QStringLiteral("Simulate a USB keyboard instrument (VELKOR KBD Caliper, 1209:4B56) typing a reading "
                       "every 10-20 s: a uinput device, or where /dev/uinput cannot be written (or with "
                       "--keyboard-fifo) the FIFO <link-dir>/VELKOR-KBD-Caliper carrying input events, "
                       "named in a KOVRAN_VIRTUAL_KEYBOARDS line. Never written with --write-config."));
    const QCommandLineOption heightGaugeOption(
        QStringLiteral("height-gauge"),
        QStringLiteral(
            "Simulate the controller board of a motorised height gauge (<link-dir>/ttyHEIGHT0, USB "
            "ids ABCD:1234, 115200 baud): a carriage with a laser probe and a touch pin, starting "
            "at 30 mm in the bore of a part between its faces at 25 and 40 mm. It sends its "
            "status 50 times a second."));
    const QCommandLineOption heightGaugeCorruptOption(
        QStringLiteral("height-gauge-corrupt"),
        QStringLiteral("Every <N>th frame the height gauge board sends has a wrong check byte (needs "
                       "--height-gauge)."),
        QStringLiteral("N"));
    const QCommandLineOption heightGaugePartOption(
        QStringLiteral("height-gauge-part"),
        QStringLiteral("The part under the height gauge as solid stretches of the column in mm, FROM-TO "
                       "separated by commas (needs --height-gauge; default \"0-25,40-300\": a face at 25, a "
                       "bore, a face at 40)."),
        QStringLiteral("LIST"));
    const QCommandLineOption laserOption(
        QStringLiteral("laser"),
        QStringLiteral(
            "Simulate the two laser distance sensors of a laser bore gauge, Modbus RTU addresses 1 "
            "and 2 on one line (<link-dir>/ttyLASER0, 115200 baud), facing each other across the "
            "bore of a part in a fixture of base %1 mm; each reads (base - bore) / 2, drifting a "
            "little.")
            .arg(LaserSensorPeer::DefaultBaseLength));
    const QCommandLineOption laserBoreOption(
        QStringLiteral("laser-bore"),
        QStringLiteral("The bore of the part between the laser sensors in mm (needs --laser; default %1).")
            .arg(LaserSensorPeer::DefaultBore),
        QStringLiteral("D"));
    const QCommandLineOption standOption(
        QStringLiteral("stand"),
        QStringLiteral(
            "Simulate the controller board of a measuring stand (<link-dir>/ttySTAND0, USB ids "
            "ABCD:1234 like the height gauge's, so not with --height-gauge): a digital scale whose "
            "reading goes out %1 times a second.")
            .arg(1000 / StandBoardPeer::ValueIntervalMs));
    QCommandLineOption keyboardFifoOption(QStringLiteral("keyboard-fifo"),
                                          QStringLiteral("The keyboard instrument types into its FIFO."));
    keyboardFifoOption.setFlags(QCommandLineOption::HiddenFromHelp);
    const QCommandLineOption linkDirOption(
        QStringLiteral("link-dir"),
        QStringLiteral("Create the stable port names <DIR>/ttyKOVRAN0, ttyKOVRAN1, ... (default: a fresh "
                       "temporary folder)."),
        QStringLiteral("DIR"));
    const QCommandLineOption printEnvOption(
        QStringLiteral("print-env"),
        QStringLiteral(
            "Print only the line KOVRAN_VIRTUAL_PORTS=<port>[;<port>...] once the ports are ready, and the "
            "KOVRAN_VIRTUAL_KEYBOARDS line after it when there is one."));
    const QCommandLineOption writeConfigOption(
        QStringLiteral("write-config"),
        QStringLiteral("Also write com_adapters.ini and devices_config.ini for KOVRAN into <DIR>, with "
                       "--height-gauge setting_devozor.ini naming the board's port and with --laser "
                       "setting_laser.ini naming the sensors'."),
        QStringLiteral("DIR"));
    const QCommandLineOption verboseOption(QStringLiteral("verbose"),
                                           QStringLiteral("Log every request and answer in hex on stderr."));
    parser.addOptions({modbusOption, adaptersOption, bledOption, bledLimitOption, bledSilentOption, nrfOption,
                       sylvacOption, heightGaugeOption, heightGaugeCorruptOption, heightGaugePartOption,
                       laserOption, laserBoreOption, standOption, keyboardOption, keyboardFifoOption,
                       linkDirOption, printEnvOption, writeConfigOption, verboseOption});
    parser.process(app);

    if (!parser.positionalArguments().isEmpty())
        return fail(UsageError,
                    QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));

    Bench::Options options;
    QString error;
    // The Modbus default only applies when no kind of device is asked for.
    const bool deviceAskedFor =
        parser.isSet(modbusOption) || parser.isSet(bledOption) || parser.isSet(nrfOption) ||
        parser.isSet(sylvacOption) || parser.isSet(heightGaugeOption) || parser.isSet(laserOption) ||
        parser.isSet(standOption) || parser.isSet(keyboardOption) || parser.isSet(keyboardFifoOption);
    options.modbusInstruments = deviceAskedFor ? 0 : DefaultModbusInstruments;
    if (!readCount(parser, modbusOption, 0, MaxModbusAddress, &options.modbusInstruments, &error) ||
        !readCount(parser, adaptersOption, 1, MaxAdapters, &options.modbusAdapters, &error) ||
        !readCount(parser, bledOption, 0, MaxBleInstruments, &options.bled112Instruments, &error) ||
        !readCount(parser, bledLimitOption, 0, MaxBleConnections, &options.bled112Limit, &error) ||
        !readCount(parser, bledSilentOption, 0, MaxSilentAfterSeconds, &options.bled112SilentAfterSeconds,
                   &error) ||
        !readCount(parser, sylvacOption, 1, MaxSylvacInstruments, &options.sylvacInstruments, &error) ||
        !readCount(parser, heightGaugeCorruptOption, 1, MaxCorruptEvery, &options.heightGaugeCorruptEvery,
                   &error) ||
        (parser.isSet(heightGaugePartOption) &&
         !readSolids(parser.value(heightGaugePartOption), &options.heightGaugeSolids, &error)) ||
        !readLength(parser, laserBoreOption, LaserSensorPeer::DefaultBaseLength, &options.laserBore, &error))
        return fail(UsageError, error);
    if ((parser.isSet(bledLimitOption) || parser.isSet(bledSilentOption)) && !parser.isSet(bledOption))
        return fail(UsageError, QStringLiteral("--bled112-limit and --bled112-silent-after need --bled112"));
    if ((parser.isSet(heightGaugeCorruptOption) || parser.isSet(heightGaugePartOption)) &&
        !parser.isSet(heightGaugeOption))
        return fail(UsageError,
                    QStringLiteral("--height-gauge-corrupt and --height-gauge-part need --height-gauge"));
    if (parser.isSet(laserBoreOption) && !parser.isSet(laserOption))
        return fail(UsageError, QStringLiteral("--laser-bore needs --laser"));
    if (parser.isSet(standOption) && parser.isSet(heightGaugeOption))
        return fail(UsageError, QStringLiteral("--stand and --height-gauge cannot be used together: both "
                                               "boards have the USB ids ABCD:1234, and KOVRAN would take "
                                               "whichever it finds first"));
    options.heightGauge = parser.isSet(heightGaugeOption);
    options.laser = parser.isSet(laserOption);
    options.stand = parser.isSet(standOption);
    if (options.modbusInstruments == 0 && !parser.isSet(adaptersOption))
        options.modbusAdapters = 0;
    options.nrf = parser.isSet(nrfOption);
    options.keyboardFifo = parser.isSet(keyboardFifoOption);
    options.keyboard = parser.isSet(keyboardOption) || options.keyboardFifo;
    if (options.modbusAdapters == 0 && options.bled112Instruments < 0 && !options.nrf &&
        options.sylvacInstruments == 0 && !options.heightGauge && !options.laser && !options.stand &&
        !options.keyboard)
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
    if (options.sylvacInstruments > 0) {
        signalWatcher.watchSecondUserSignal();
        QObject::connect(&signalWatcher, &SignalWatcher::secondUserSignal, &bench,
                         [&bench] { bench.pressSylvacButton(0); });
    }
    if (!bench.start(options, &error))
        return fail(StartError, error);
    for (const QString &warning : bench.warnings())
        std::fputs(qPrintable(QStringLiteral("kovran-sim: %1\n").arg(warning)), stderr);
    if (parser.isSet(writeConfigOption) &&
        !bench.writeKovranSettings(parser.value(writeConfigOption), &error))
        return fail(StartError, error);

    const bool keys = ::isatty(STDIN_FILENO) &&
                      (bench.hasSylvac() || bench.hasKeyboard() || bench.hasLaser() || bench.hasStand());
    if (keys)
        readKeys(bench);

    // Both lines in one write: a script that has found the first finds the second too.
    QString env = bench.virtualPortsLine() + u'\n';
    if (!bench.virtualKeyboardsLine().isEmpty())
        env += bench.virtualKeyboardsLine() + u'\n';
    QTextStream out(stdout);
    if (parser.isSet(printEnvOption)) {
        out << env << Qt::flush;
    } else {
        out << bench.summary();
        if (keys)
            out << keysHelp(bench);
        if (parser.isSet(writeConfigOption))
            out << "KOVRAN settings written to " << parser.value(writeConfigOption) << '\n';
        out << env << "Stop with Ctrl+C." << Qt::endl;
    }
    std::fflush(stdout);

    return app.exec();
}
