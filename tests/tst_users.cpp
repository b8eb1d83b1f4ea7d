#include <QTest>

class Ttstusers : public QObject
{
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(Ttstusers)
#include "tst_users.moc"
