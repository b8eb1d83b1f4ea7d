// Cost of recording one value with 10^2, 10^4 and 10^6 records already in the tables: the mono table
// of the shown device and the shared table of multi mode, with the journal written as in use.
//
//   build/default/bench/bench_recording [--max N]

#include "recording/measurementjournal.h"
#include "settingssandbox.h"
#include "workspace/device_visual.h"
#include "workspace/measuringsystem.h"
#include "workspace/recordingcontroller.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTextStream>

#include <algorithm>
#include <unistd.h>

namespace {

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

double medianMicros(QList<qint64> nanos)
{
    std::sort(nanos.begin(), nanos.end());
    return nanos.isEmpty() ? 0.0 : nanos.at(nanos.size() / 2) / 1000.0;
}

template<typename F> double timeEach(int repeats, F &&step)
{
    QList<qint64> samples;
    QElapsedTimer clock;
    for (int i = 0; i < repeats; ++i) {
        clock.start();
        step();
        samples.append(clock.nsecsElapsed());
    }
    return medianMicros(samples);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption maxOption(QStringLiteral("max"), QStringLiteral("Largest table size."),
                                       QStringLiteral("n"), QStringLiteral("1000000"));
    parser.addOption(maxOption);
    parser.process(app);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    QTextStream out(stdout);
    out << "existing  record us  +repaint mono us  +repaint multi us  journal us/line  bytes/mono record  "
           "bytes/snapshot\n";
    for (int existing = 100; existing <= parser.value(maxOption).toInt(); existing *= 100) {
        SettingsSandbox sandbox;
        sandbox.writeFile(QStringLiteral("devices_config.ini"),
                          "[Devices]\nsize=1\n1\\name=a\n1\\portName=COM1\n1\\address=1\n1\\precision=3\n"
                          "1\\measuringType=7\n1\\limitMin=0\n1\\limitMax=20\n");
        MeasuringSystem window;
        window.resize(1280, 800);
        window.show();
        QApplication::processEvents();
        DeviceRecord &record = window.devices()[0];
        record.connected = record.modbusHasValue = true; // an instrument that has answered
        record.value = 12.345;

        // Fill both tables while they show nothing, then show them as a user would.
        // Verdicts are built per record as the recording does; at 10 Hz ten records share one time text.
        QString time;
        const auto timeOf = [&time](int i) {
            if (i % 10 == 0)
                time = QStringLiteral("12:%1:%2")
                           .arg(i / 600 % 60, 2, 10, QLatin1Char('0'))
                           .arg(i / 10 % 60, 2, 10, QLatin1Char('0'));
            return time;
        };
        // Filled as a journal restore does, in one batch; the views' own per-row bookkeeping is counted.
        qint64 before = residentBytes();
        window.recordings().beginBatch();
        for (int i = 0; i < existing; ++i)
            window.recordings().appendMono(0, 12.345 + i * 1e-6, timeOf(i),
                                           window.evaluateTolerance(record, 12.345));
        window.recordings().endBatch();
        const qint64 perMono = (residentBytes() - before) / existing;
        before = residentBytes();
        window.recordings().beginBatch();
        for (int i = 0; i < existing; ++i)
            window.recordings().appendSnapshot({timeOf(i), {{0, 12.345}}});
        window.recordings().endBatch();
        const qint64 perSnapshot = (residentBytes() - before) / existing;
        window.onDeviceCardClicked(0);
        QApplication::processEvents();

        const double monoAlone = timeEach(2000, [&] { window.onDeviceDataClicked(0); });
        const double mono = timeEach(500, [&] {
            window.onDeviceDataClicked(0);
            QApplication::processEvents();
        });
        window.cards().at(0)->setSyncChecked(true);
        window.findChild<QPushButton *>(QStringLiteral("Multi_Button"))->click();
        QApplication::processEvents();
        const double multi = timeEach(500, [&] {
            window.onDeviceDataClicked(0);
            QApplication::processEvents();
        });
        const QString line = MeasurementJournal::monoRecordLine(
            QStringLiteral("COM1:1"), QStringLiteral("12:00:00"), 12.345, QStringLiteral("Go"));
        const double journal = timeEach(2000, [&] { window.recording().journal().append(line); });

        out << qSetFieldWidth(8) << existing << qSetFieldWidth(11) << monoAlone << qSetFieldWidth(18) << mono
            << qSetFieldWidth(19) << multi << qSetFieldWidth(17) << journal << qSetFieldWidth(19) << perMono
            << qSetFieldWidth(16) << perSnapshot << qSetFieldWidth(0) << "\n";
        out.flush();
    }
    return 0;
}
