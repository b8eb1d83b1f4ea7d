#include <QTest>

class Ttstexport : public QObject
{
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(Ttstexport)
#include "tst_export.moc"
