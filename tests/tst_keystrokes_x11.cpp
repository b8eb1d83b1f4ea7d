#include <QTest>

class Ttstkeystrokesx11 : public QObject
{
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(Ttstkeystrokesx11)
#include "tst_keystrokes_x11.moc"
