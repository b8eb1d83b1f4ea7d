// The load an idle bench puts on the machine: the real program with simulated Modbus instruments on
// several adapters, polling all the time, nothing recorded. Prints the program's CPU time per second of
// wall time and its memory, read from /proc.
//
//   bench_idle [--seconds 30] [--instruments 10] [--adapters 2] [--warm-up 5] [--platform offscreen]

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <unistd.h>

namespace {

// utime + stime of a process, in seconds.
double cpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1.0;
    const QByteArray text = stat.readAll();
    // Fields after the command name, which is in parentheses and may hold blanks.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1.0;
    return (fields.at(11).toDouble() + fields.at(12).toDouble()) / double(sysconf(_SC_CLK_TCK));
}

// A "Vm..." line of /proc/<pid>/status, in MiB.
double memoryMiB(qint64 pid, const QByteArray &key)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1.0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(QByteArray(key + ':')))
            return line.mid(key.size() + 1).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1.0;
}

int countLines(const QString &path, const QByteArray &needle)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return int(file.readAll().count(needle));
}

void stop(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(2000);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("CPU and memory of an idle, polling workspace."));
    parser.addHelpOption();
    const QCommandLineOption secondsOption(QStringLiteral("seconds"), QStringLiteral("Measured time."),
                                           QStringLiteral("S"), QStringLiteral("30"));
    const QCommandLineOption instrumentsOption(QStringLiteral("instruments"),
                                               QStringLiteral("Modbus instruments."), QStringLiteral("N"),
                                               QStringLiteral("10"));
    const QCommandLineOption adaptersOption(QStringLiteral("adapters"), QStringLiteral("Adapter ports."),
                                            QStringLiteral("K"), QStringLiteral("2"));
    const QCommandLineOption warmUpOption(QStringLiteral("warm-up"),
                                          QStringLiteral("Seconds before measuring."), QStringLiteral("S"),
                                          QStringLiteral("5"));
    const QCommandLineOption platformOption(QStringLiteral("platform"),
                                            QStringLiteral("Qt platform of the program."),
                                            QStringLiteral("NAME"), QStringLiteral("offscreen"));
    parser.addOptions({secondsOption, instrumentsOption, adaptersOption, warmUpOption, platformOption});
    parser.process(app);
    QTextStream out(stdout);

    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("settings"));
    QDir().mkpath(settings);
    QDir().mkpath(dir.filePath(QStringLiteral("ports")));

    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start(QStringLiteral(KOVRAN_SIM_EXECUTABLE),
              {QStringLiteral("--modbus"), parser.value(instrumentsOption), QStringLiteral("--adapters"),
               parser.value(adaptersOption), QStringLiteral("--link-dir"),
               dir.filePath(QStringLiteral("ports")), QStringLiteral("--print-env"),
               QStringLiteral("--write-config"), settings});
    QByteArray env;
    QElapsedTimer waited;
    waited.start();
    while (!env.startsWith("KOVRAN_VIRTUAL_PORTS=") && waited.elapsed() < 10000) {
        sim.waitForReadyRead(200);
        env += sim.readLine().trimmed();
    }
    if (!env.startsWith("KOVRAN_VIRTUAL_PORTS=")) {
        out << "the simulated bench did not start\n";
        stop(sim);
        return 1;
    }

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("KOVRAN_SETTINGS_DIR"), settings);
    environment.insert(QStringLiteral("KOVRAN_VIRTUAL_PORTS"),
                       QString::fromUtf8(env.mid(env.indexOf('=') + 1)));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), parser.value(platformOption));
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QStringLiteral(KOVRAN_EXECUTABLE), {});
    if (!program.waitForStarted(5000)) {
        out << "the program did not start\n";
        stop(sim);
        return 1;
    }
    const qint64 pid = program.processId();
    // Past the splash, the ports open and every instrument has answered.
    QThread::sleep(parser.value(warmUpOption).toULong());

    const double seconds = parser.value(secondsOption).toDouble();
    QElapsedTimer wall;
    const double cpuBefore = cpuSeconds(pid);
    wall.start();
    QThread::msleep(static_cast<unsigned long>(seconds * 1000));
    const double cpu = cpuSeconds(pid) - cpuBefore;
    const double elapsed = wall.elapsed() / 1000.0;
    const double rss = memoryMiB(pid, "VmRSS");
    const double peak = memoryMiB(pid, "VmHWM");
    const bool running = program.state() == QProcess::Running;
    stop(program);
    stop(sim);

    const QString log = settings + QStringLiteral("/kovran.log");
    out << "instruments " << parser.value(instrumentsOption) << " on " << parser.value(adaptersOption)
        << " adapters, " << elapsed << " s measured after " << parser.value(warmUpOption) << " s\n";
    out << "CPU: " << QString::number(100.0 * cpu / elapsed, 'f', 2) << " % of one core (" << cpu << " s)\n";
    out << "memory: " << QString::number(rss, 'f', 1) << " MiB resident, " << QString::number(peak, 'f', 1)
        << " MiB at most\n";
    out << "ports opened: " << countLines(log, "Port opened successfully")
        << ", answer time-outs: " << countLines(log, "[TIMEOUT]")
        << ", instruments off line: " << countLines(log, "Device went OFFLINE") << "\n";
    return running && cpu >= 0 ? 0 : 1;
}
