// The real workspace window in a process of its own, for the crash-recovery test:
//   kovran-crash-child record   records with the 100 ms synchronous timer until it is killed
//   kovran-crash-child dump     answers the recovery question with Yes, prints the tables, exits
// The settings folder comes from KOVRAN_SETTINGS_DIR.

#include "app/logfile.h"
#include "workspace/measuringsystem.h"
#include "workspace/recordingcontroller.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTextStream>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    qInstallMessageHandler(logMessageHandler);
    const QString mode = app.arguments().value(1);
    MeasuringSystem window;
    window.show();
    QTextStream out(stdout);

    if (mode == QLatin1String("record")) {
        window.applyTimerSettings(true, 100, {});
        out << "recording" << Qt::endl;
        return app.exec();
    }
    if (mode != QLatin1String("dump"))
        return 2;

    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        box->button(QMessageBox::Yes)->click();
        QTimer::singleShot(0, &app, [&] {
            const RecordingStore &store = window.recordings();
            for (auto it = store.mono().cbegin(); it != store.mono().cend(); ++it) {
                for (int i = 0; i < it->values.size(); ++i)
                    out << "M\t" << window.recording().deviceKey(it.key()) << '\t' << it->times.at(i) << '\t'
                        << QString::number(it->values.at(i), 'g', 17) << '\n';
            }
            out << "snapshots\t" << store.snapshots().size() << Qt::endl;
            app.quit();
        });
    });
    poll.start(20);
    QTimer::singleShot(10000, &app, [&] { app.exit(3); }); // no question: nothing was recovered
    return app.exec();
}
