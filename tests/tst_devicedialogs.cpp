#include <QTest>

class Ttstdevicedialogs : public QObject
{
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(Ttstdevicedialogs)
#include "tst_devicedialogs.moc"
