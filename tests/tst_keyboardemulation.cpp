#include <QTest>

class Ttstkeyboardemulation : public QObject
{
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(Ttstkeyboardemulation)
#include "tst_keyboardemulation.moc"
