#include "links/modbus/adddevicedialog.h"
#include "links/modbus/modbussettingsdialog.h"
#include "modalanswerer.h"
#include "modbuspeer.h"
#include "virtualports.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(ModbusProbe::Verdict)
Q_DECLARE_METATYPE(ModbusAdapter)
Q_DECLARE_METATYPE(ModbusPeer::Write)

namespace {

using Adapters = QList<ModbusAdapter>;

template<class T> T *child(QWidget *dialog, const char *name)
{
    return dialog->findChild<T *>(QLatin1String(name));
}

DeviceRecord modbusDevice(const QString &port, int address)
{
    DeviceRecord record;
    record.portName = port;
    record.address = quint8(address);
    return record;
}

// The peer's line under a stable name.
struct PeerLine
{
    QTemporaryDir dir;
    ModbusPeer peer;
    QString path = peer.link(dir.filePath(QStringLiteral("ttyMB0")));
};

} // namespace

class TestModbusDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(QFile(m_port).open(QIODevice::WriteOnly));
        m_ports.add(m_port);
    }

    void settingsAddAndRemove_data()
    {
        QTest::addColumn<Adapters>("adapters"); // before
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<int>("row"); // the list row selected; -1 also leaves the port list without a choice
        QTest::addColumn<Adapters>("after");
        QTest::addColumn<bool>("warned");

        // The speed chosen is 19200.
        const ModbusAdapter port{m_port, 9600};
        const ModbusAdapter a{QStringLiteral("/dev/ttyUSB3"), 9600};
        const ModbusAdapter b{QStringLiteral("/dev/ttyUSB4"), 115200};
        const QByteArray add("addButton");
        const QByteArray remove("removeButton");
        QTest::newRow("add appends") << Adapters{a} << add << 0 << Adapters{a, {port.portName, 19200}}
                                     << false;
        QTest::newRow("add of a listed port is refused")
            << Adapters{port} << add << 0 << Adapters{port} << true;
        QTest::newRow("add without a port does nothing") << Adapters{a} << add << -1 << Adapters{a} << false;
        QTest::newRow("remove the selected")
            << Adapters{a, port, b} << remove << 1 << Adapters{a, b} << false;
        QTest::newRow("remove without selection")
            << Adapters{a, b} << remove << -1 << Adapters{a, b} << false;
    }

    void settingsAddAndRemove()
    {
        QFETCH(Adapters, adapters);
        QFETCH(QByteArray, button);
        QFETCH(int, row);
        QFETCH(Adapters, after);
        QFETCH(bool, warned);

        ModbusSettingsDialog dialog(adapters);
        auto *portCombo = child<QComboBox>(&dialog, "portCombo");
        portCombo->setCurrentIndex(row >= 0 ? portCombo->findText(m_port) : -1);
        child<QComboBox>(&dialog, "speedCombo")->setCurrentText(QStringLiteral("19200"));
        auto *list = child<QListWidget>(&dialog, "adapterList");
        list->setCurrentRow(row);

        ModalAnswerer answerer(QMessageBox::Ok);
        child<QPushButton>(&dialog, button.constData())->click();

        QCOMPARE(adapters, after);
        QCOMPARE(answerer.answered(), warned);
        QCOMPARE(list->count(), after.size());
        QVERIFY(list->item(after.size() - 1)->text().contains(after.last().portName));
    }

    void resynchronise_data()
    {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<QByteArray>("left");
        QTest::addColumn<ModbusProbe::Verdict>("verdict");

        // Address 5 answers one word, 0x0005.
        const QByteArray answer = QByteArray::fromHex("05030200058987");
        const QByteArray badCrc = QByteArray::fromHex("050302000589c7");
        const QByteArray foreign = QByteArray::fromHex("0603020005cd87");
        using V = ModbusProbe::Verdict;

        QTest::newRow("line noise first") << QByteArray::fromHex("00ff05") + answer << answer << V::Answered;
        QTest::newRow("address without function skipped")
            << QByteArray::fromHex("0506") + answer << answer << V::Answered;
        QTest::newRow("damaged checksum") << badCrc << badCrc << V::BadCrc;
        QTest::newRow("another instrument") << foreign << foreign.right(6) << V::NoAnswer;
    }

    void resynchronise()
    {
        QFETCH(QByteArray, received);
        QFETCH(QByteArray, left);
        QFETCH(ModbusProbe::Verdict, verdict);
        ModbusProbe::resynchronise(received, 5);
        QCOMPARE(received.toHex(' '), left.toHex(' '));
        QCOMPARE(ModbusProbe::judgeAnswer(received, 5), verdict);
    }

    // Testing the connection, and connecting refused before the port is opened.
    void whatTheUserIsTold_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QByteArray>("fault");   // of the line, or no adapter stored at all
        QTest::addColumn<QString>("storedPort"); // where a stored device is ("line": the adapter's port)
        QTest::addColumn<int>("storedAddress");
        QTest::addColumn<QString>("told"); // in a message box or on the status line
        QTest::addColumn<bool>("asked"); // the address register of address 17 was read, and nothing else sent

        const QByteArray test("testButton");
        const QByteArray connect("connectButton");
        const QString noAdapter =
            QStringLiteral("Нет сохраненных адаптеров! Добавьте адаптер через главное меню.");
        const QString openFailed = QStringLiteral("Не удалось открыть порт.");
        QTest::newRow("test: live instrument")
            << test << QByteArray() << "" << 0 << "Статус: Прибор ответил! Связь есть." << true;
        QTest::newRow("test: silent instrument")
            << test << QByteArray("silent") << "" << 0 << "Статус: Таймаут (нет ответа от прибора)" << true;
        QTest::newRow("test: corrupted replies") << test << QByteArray("crc") << "" << 0
                                                 << "Статус: Ошибка CRC (неверная контрольная сумма)" << true;
        QTest::newRow("test: port vanished")
            << test << QByteArray("unplugged") << "" << 0 << "Статус: Ошибка открытия порта" << false;
        QTest::newRow("test without adapter")
            << test << QByteArray("no adapter") << "" << 0 << noAdapter << false;
        QTest::newRow("connect without adapter")
            << connect << QByteArray("no adapter") << "" << 0 << noAdapter << false;
        QTest::newRow("connect: address taken on this port")
            << connect << QByteArray("unplugged") << "line" << 17
            << "Прибор с адресом 17 уже существует на порту $PORT!\nПожалуйста, выберите другой 'Новый "
               "адрес'."
            << false;
        QTest::newRow("connect: address taken on another port")
            << connect << QByteArray("unplugged") << "/dev/ttyUSB9" << 17 << openFailed << false;
        QTest::newRow("connect: other address on this port")
            << connect << QByteArray("unplugged") << "line" << 18 << openFailed << false;
    }

    void whatTheUserIsTold()
    {
        QFETCH(QByteArray, button);
        QFETCH(QByteArray, fault);
        QFETCH(QString, storedPort);
        QFETCH(int, storedAddress);
        QFETCH(QString, told);
        QFETCH(bool, asked);

        PeerLine line;
        line.peer.addInstrument(17);
        line.peer.setSilent(17, fault == "silent");
        line.peer.setCorruptCrc(fault == "crc");
        line.peer.setReplyDelayMs(30); // the answer does not come with the request
        AddDeviceDialog dialog(
            fault == "no adapter" ? Adapters{} : Adapters{{line.path, 9600}},
            {modbusDevice(storedPort == QLatin1String("line") ? line.path : storedPort, storedAddress)});
        if (fault == "unplugged")
            line.peer.unlink();
        child<QSpinBox>(&dialog, "currentAddressSpin")->setValue(17);
        child<QSpinBox>(&dialog, "newAddressSpin")->setValue(17);
        QSignalSpy ready(&dialog, &AddDeviceDialog::deviceReadyToAdd);

        ModalAnswerer answerer(QMessageBox::Ok);
        child<QPushButton>(&dialog, button.constData())->click();

        QCOMPARE(answerer.answered() ? answerer.text() : child<QLabel>(&dialog, "statusLabel")->text(),
                 told.replace(QLatin1String("$PORT"), line.path));
        QCOMPARE(ready.count(), 0);
        QVERIFY(child<QPushButton>(&dialog, button.constData())->isEnabled());
        QCOMPARE(line.peer.requests(),
                 asked ? QList{QByteArray::fromHex("110300000001869a")} : QList<QByteArray>{});
    }

    void connectWritesOnlyWhatChanges_data()
    {
        QTest::addColumn<int>("newAddress");
        QTest::addColumn<int>("newSpeed");
        QTest::addColumn<QList<ModbusPeer::Write>>("writes");

        // The instrument answers at 4 and runs at 9600.
        using W = ModbusPeer::Write;
        QTest::newRow("nothing changes") << 4 << 9600 << QList<W>{};
        QTest::newRow("new address") << 7 << 9600 << QList<W>{{4, 0x0000, 7}};
        QTest::newRow("new speed") << 4 << 19200 << QList<W>{{4, 0x0001, 4}};
        QTest::newRow("both, speed written at the new address")
            << 12 << 115200 << QList<W>{{4, 0x0000, 12}, {12, 0x0001, 9}};
    }

    void connectWritesOnlyWhatChanges()
    {
        QFETCH(int, newAddress);
        QFETCH(int, newSpeed);
        QFETCH(QList<ModbusPeer::Write>, writes);

        PeerLine line;
        line.peer.addInstrument(4);
        // Another instrument on the same bus, already known to the workspace.
        line.peer.addInstrument(30);
        AddDeviceDialog dialog(
            {ModbusAdapter{QStringLiteral("/dev/ttyUSB0"), 1200}, ModbusAdapter{line.path, newSpeed}},
            {modbusDevice(line.path, 30)});
        dialog.setPauseScale(0.2); // 400 ms after a speed write
        dialog.show();
        // Choosing the adapter puts the current speed back to the factory 9600 and offers the adapter's speed
        // as the new one.
        child<QComboBox>(&dialog, "currentSpeedCombo")->setCurrentText(QStringLiteral("4800"));
        child<QComboBox>(&dialog, "adapterCombo")->setCurrentIndex(1);
        child<QSpinBox>(&dialog, "currentAddressSpin")->setValue(4);
        child<QSpinBox>(&dialog, "newAddressSpin")->setValue(newAddress);
        QSignalSpy ready(&dialog, &AddDeviceDialog::deviceReadyToAdd);
        QSignalSpy rejected(&dialog, &QDialog::rejected);

        // While the dialog works, the user presses everything again; all of it is refused.
        auto *connectButton = child<QPushButton>(&dialog, "connectButton");
        bool sawBusy = false;
        QTimer::singleShot(100, &dialog, [&] {
            sawBusy = dialog.isBusy() && !connectButton->isEnabled() &&
                      !child<QPushButton>(&dialog, "testButton")->isEnabled() &&
                      !child<QPushButton>(&dialog, "cancelButton")->isEnabled();
            connectButton->click();
            child<QPushButton>(&dialog, "testButton")->click();
            dialog.reject();
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        connectButton->click();

        QCOMPARE(ready.count(), 1);
        QCOMPARE(ready.first(), QVariantList({line.path, newSpeed, newAddress}));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(rejected.count(), 0);
        QCOMPARE(line.peer.writes(), writes);
        QCOMPARE(line.peer.requests().size(), writes.size());
        if (newSpeed != 9600)
            QVERIFY(sawBusy);
    }

private:
    QTemporaryDir m_dir;
    VirtualPorts m_ports;
    const QString m_port = m_dir.filePath(QStringLiteral("ttyRS485")); // listed by the catalogue
};

QTEST_MAIN(TestModbusDialogs)
#include "tst_modbusdialogs.moc"
