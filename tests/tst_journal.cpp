#include <QTest>

class Ttstjournal : public QObject
{
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(Ttstjournal)
#include "tst_journal.moc"
