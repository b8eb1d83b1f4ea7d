#include <QTest>

class Ttstrecording : public QObject
{
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(Ttstrecording)
#include "tst_recording.moc"
