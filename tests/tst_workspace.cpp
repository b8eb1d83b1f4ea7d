#include <QTest>

class Ttstworkspace : public QObject
{
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(Ttstworkspace)
#include "tst_workspace.moc"
