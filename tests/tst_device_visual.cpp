#include <QTest>

class Ttstdevicevisual : public QObject
{
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(Ttstdevicevisual)
#include "tst_device_visual.moc"
