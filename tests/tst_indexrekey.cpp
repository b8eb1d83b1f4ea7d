#include "common/indexrekey.h"

#include <QList>
#include <QMap>
#include <QTest>

// Re-keying must give exactly what moving or removing the same element in a list gives.
class TestIndexRekey : public QObject
{
    Q_OBJECT

private slots:
    void moveMatchesListMove_data();
    void moveMatchesListMove();
    void removeDropsAndShifts();
};

void TestIndexRekey::moveMatchesListMove_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("0 onto 2 of four") << 0 << 2;
    QTest::newRow("3 onto 0") << 3 << 0;
    QTest::newRow("neighbours down") << 1 << 2;
    QTest::newRow("neighbours up") << 2 << 1;
    QTest::newRow("same place") << 2 << 2;
}

void TestIndexRekey::moveMatchesListMove()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QList<QString> devices = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
    QMap<int, QString> perDevice;
    for (int i = 0; i < devices.size(); ++i)
        perDevice.insert(i, devices.at(i));
    perDevice.remove(1); // a map need not hold every index

    devices.move(from, to);
    IndexRekey::moveKey(perDevice, from, to);
    for (auto it = perDevice.cbegin(); it != perDevice.cend(); ++it)
        QCOMPARE(devices.at(it.key()), it.value());
    QCOMPARE(perDevice.size(), 3);
}

void TestIndexRekey::removeDropsAndShifts()
{
    QMap<int, QList<double>> values{{0, {1.0}}, {1, {2.0}}, {2, {3.0, 3.5}}, {5, {6.0}}};
    IndexRekey::removeKey(values, 1);
    const QMap<int, QList<double>> expected{{0, {1.0}}, {1, {3.0, 3.5}}, {4, {6.0}}};
    QCOMPARE(values, expected);

    // The selected device follows the same rule.
    QCOMPARE(IndexRekey::afterRemove(2, 2), -1);
    QCOMPARE(IndexRekey::afterRemove(3, 2), 2);
    QCOMPARE(IndexRekey::afterRemove(1, 2), 1);
    QCOMPARE(IndexRekey::afterMove(2, 0, 2), 1); // dragging 0 onto 2: the selected device 2 becomes 1
    QCOMPARE(IndexRekey::afterMove(0, 0, 2), 2);
    QCOMPARE(IndexRekey::afterMove(3, 0, 2), 3);
}

QTEST_APPLESS_MAIN(TestIndexRekey)
#include "tst_indexrekey.moc"
