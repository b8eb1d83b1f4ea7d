#include "links/modbus/adddevicedialog.h"
#include "links/modbus/modbusframe.h"
#include "links/modbus/modbussettingsdialog.h"
#include "modalanswerer.h"
#include "modbuspeer.h"
#include "virtualports.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
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

const QString kNoAdapters = QStringLiteral("Нет сохраненных адаптеров! Добавьте адаптер через главное меню.");

template<class T> T *child(QWidget *dialog, const char *name)
{
    return dialog->findChild<T *>(QLatin1String(name));
}

QStringList comboTexts(QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

QStringList listLines(QListWidget *list)
{
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines.append(list->item(i)->text());
    return lines;
}

QByteArray withCrc(QByteArray frame)
{
    const quint16 crc = modbusCrc16(frame);
    frame.append(char(crc & 0xFF));
    frame.append(char(crc >> 8));
    return frame;
}

ModbusAdapter adapter(const QString &port, int baud)
{
    ModbusAdapter entry;
    entry.portName = port;
    entry.baudRate = baud;
    return entry;
}

DeviceRecord modbusDevice(const QString &port, int address)
{
    DeviceRecord record;
    record.type = ConnectionKind::Modbus;
    record.portName = port;
    record.address = quint8(address);
    return record;
}

// The peer's line under a stable name the catalogue lists.
struct PeerLine
{
    QTemporaryDir dir;
    ModbusPeer peer;
    VirtualPorts ports;
    QString path;

    PeerLine()
    {
        path = peer.link(dir.filePath(QStringLiteral("ttyMB0")));
        ports.add(path);
    }
};

} // namespace

class TestModbusDialogs : public QObject
{
    Q_OBJECT

private slots:
    // Adapters dialog
    void settingsOffersPresentPortsAndRates();
    void settingsAdd_data();
    void settingsAdd();
    void settingsRemoveSelected();

    // Connection dialog without an instrument
    void choosingAdapterSetsSpeeds();
    void noAdapterWarns_data();
    void noAdapterWarns();
    void resynchronise_data();
    void resynchronise();

    // Connection dialog against the peer
    void testConnection_data();
    void testConnection();
    void connectRefusesTakenAddress_data();
    void connectRefusesTakenAddress();
    void connectWritesOnlyWhatChanges_data();
    void connectWritesOnlyWhatChanges();
    void connectLogsItsSteps();
    void newAddressAnswersAfterwards();
    void connectToVanishedPort();
    void busyDialogRefusesCancelAndReentry();
};

void TestModbusDialogs::settingsOffersPresentPortsAndRates()
{
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("ttyA"));
    const QString gone = dir.filePath(QStringLiteral("ttyGone"));
    QFile(first).open(QIODevice::WriteOnly);
    VirtualPorts ports;
    ports.add(first);
    ports.add(gone); // never created: not present

    Adapters adapters{adapter(QStringLiteral("/dev/ttyUSB7"), 115200)};
    ModbusSettingsDialog dialog(adapters);

    const QStringList portNames = comboTexts(child<QComboBox>(&dialog, "portCombo"));
    QVERIFY(portNames.contains(first));
    QVERIFY(!portNames.contains(gone));

    auto *speed = child<QComboBox>(&dialog, "speedCombo");
    QCOMPARE(comboTexts(speed),
             QStringList({"1200", "2400", "4800", "9600", "19200", "38400", "56000", "57600", "76800",
                          "115200", "128000", "187500", "230400", "256000"}));
    QCOMPARE(speed->currentText(), QStringLiteral("9600"));

    QCOMPARE(listLines(child<QListWidget>(&dialog, "adapterList")),
             QStringList{QStringLiteral("Адаптер: /dev/ttyUSB7 | Скорость: 115200")});
}

void TestModbusDialogs::settingsAdd_data()
{
    QTest::addColumn<Adapters>("before");
    QTest::addColumn<bool>("choosePort"); // false: nothing chosen in the port list
    QTest::addColumn<QString>("speed");
    QTest::addColumn<Adapters>("after");
    QTest::addColumn<bool>("warned");

    // %PORT% stands for the virtual port the test creates.
    const QString port = QStringLiteral("%PORT%");
    const ModbusAdapter other = adapter(QStringLiteral("/dev/ttyUSB3"), 9600);

    QTest::newRow("first adapter") << Adapters{} << true << "19200" << Adapters{adapter(port, 19200)}
                                   << false;
    QTest::newRow("appended after others")
        << Adapters{other} << true << "9600" << Adapters{other, adapter(port, 9600)} << false;
    QTest::newRow("same port again is refused")
        << Adapters{adapter(port, 9600)} << true << "115200" << Adapters{adapter(port, 9600)} << true;
    QTest::newRow("no port chosen does nothing")
        << Adapters{other} << false << "9600" << Adapters{other} << false;
}

void TestModbusDialogs::settingsAdd()
{
    QFETCH(Adapters, before);
    QFETCH(bool, choosePort);
    QFETCH(QString, speed);
    QFETCH(Adapters, after);
    QFETCH(bool, warned);

    QTemporaryDir dir;
    const QString port = dir.filePath(QStringLiteral("ttyRS485"));
    QFile(port).open(QIODevice::WriteOnly);
    VirtualPorts ports;
    ports.add(port);
    for (Adapters *list : {&before, &after}) {
        for (ModbusAdapter &entry : *list)
            entry.portName.replace(QStringLiteral("%PORT%"), port);
    }

    Adapters adapters = before;
    ModbusSettingsDialog dialog(adapters);
    auto *portCombo = child<QComboBox>(&dialog, "portCombo");
    portCombo->setCurrentIndex(choosePort ? portCombo->findText(port) : -1);
    child<QComboBox>(&dialog, "speedCombo")->setCurrentText(speed);

    ModalAnswerer answerer(QMessageBox::Ok);
    child<QPushButton>(&dialog, "addButton")->click();

    QCOMPARE(adapters, after);
    QCOMPARE(answerer.answered(), warned);
    if (warned) {
        QCOMPARE(answerer.title(), QStringLiteral("Внимание"));
        QCOMPARE(answerer.text(), QStringLiteral("Этот адаптер уже добавлен в список!"));
        QCOMPARE(answerer.icon(), QMessageBox::Warning);
    }
    QStringList expectedLines;
    for (const ModbusAdapter &entry : std::as_const(after))
        expectedLines.append(
            QStringLiteral("Адаптер: %1 | Скорость: %2").arg(entry.portName).arg(entry.baudRate));
    QCOMPARE(listLines(child<QListWidget>(&dialog, "adapterList")), expectedLines);
}

void TestModbusDialogs::settingsRemoveSelected()
{
    const ModbusAdapter a = adapter(QStringLiteral("/dev/ttyUSB0"), 9600);
    const ModbusAdapter b = adapter(QStringLiteral("/dev/ttyUSB1"), 19200);
    const ModbusAdapter c = adapter(QStringLiteral("/dev/ttyUSB2"), 115200);
    Adapters adapters{a, b, c};
    ModbusSettingsDialog dialog(adapters);
    auto *list = child<QListWidget>(&dialog, "adapterList");
    auto *remove = child<QPushButton>(&dialog, "removeButton");

    remove->click(); // nothing selected
    QCOMPARE(adapters, (Adapters{a, b, c}));

    list->setCurrentRow(1);
    remove->click();
    QCOMPARE(adapters, (Adapters{a, c}));
    QCOMPARE(listLines(list), QStringList({QStringLiteral("Адаптер: /dev/ttyUSB0 | Скорость: 9600"),
                                           QStringLiteral("Адаптер: /dev/ttyUSB2 | Скорость: 115200")}));

    list->setCurrentRow(1);
    remove->click();
    list->setCurrentRow(0);
    remove->click();
    QVERIFY(adapters.isEmpty());
    remove->click(); // empty list
    QCOMPARE(list->count(), 0);

    QSignalSpy accepted(&dialog, &QDialog::accepted);
    child<QPushButton>(&dialog, "closeButton")->click();
    QCOMPARE(accepted.count(), 1);
}

void TestModbusDialogs::choosingAdapterSetsSpeeds()
{
    const Adapters adapters{adapter(QStringLiteral("/dev/ttyUSB0"), 19200),
                            adapter(QStringLiteral("/dev/ttyUSB1"), 115200)};
    AddDeviceDialog dialog(adapters, {});
    auto *adapterCombo = child<QComboBox>(&dialog, "adapterCombo");
    auto *currentSpeed = child<QComboBox>(&dialog, "currentSpeedCombo");
    auto *newSpeed = child<QComboBox>(&dialog, "newSpeedCombo");
    QCOMPARE(comboTexts(adapterCombo), QStringList({"/dev/ttyUSB0", "/dev/ttyUSB1"}));
    QCOMPARE(comboTexts(currentSpeed), comboTexts(newSpeed));
    QCOMPARE(currentSpeed->count(), modbusBaudRates().size());
    QCOMPARE(child<QLabel>(&dialog, "statusLabel")->text(), QStringLiteral("Статус: не проверено"));

    // The first adapter is chosen from the start.
    QCOMPARE(newSpeed->currentText(), QStringLiteral("19200"));
    QCOMPARE(currentSpeed->currentText(), QStringLiteral("9600"));

    currentSpeed->setCurrentText(QStringLiteral("4800"));
    adapterCombo->setCurrentIndex(1);
    QCOMPARE(newSpeed->currentText(), QStringLiteral("115200"));
    QCOMPARE(currentSpeed->currentText(), QStringLiteral("9600"));
}

void TestModbusDialogs::noAdapterWarns_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::newRow("test connection") << QByteArray("testButton");
    QTest::newRow("connect") << QByteArray("connectButton");
}

void TestModbusDialogs::noAdapterWarns()
{
    QFETCH(QByteArray, button);
    AddDeviceDialog dialog({}, {});
    QSignalSpy ready(&dialog, &AddDeviceDialog::deviceReadyToAdd);
    QCOMPARE(child<QComboBox>(&dialog, "adapterCombo")->count(), 0);

    ModalAnswerer answerer(QMessageBox::Ok);
    child<QPushButton>(&dialog, button.constData())->click();
    QVERIFY(answerer.answered());
    QCOMPARE(answerer.title(), QStringLiteral("Ошибка"));
    QCOMPARE(answerer.text(), kNoAdapters);
    QCOMPARE(child<QLabel>(&dialog, "statusLabel")->text(), QStringLiteral("Статус: не проверено"));
    QCOMPARE(ready.count(), 0);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(child<QPushButton>(&dialog, "testButton")->isEnabled());
    QVERIFY(child<QPushButton>(&dialog, "connectButton")->isEnabled());
}

void TestModbusDialogs::resynchronise_data()
{
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<QByteArray>("left");
    QTest::addColumn<ModbusProbe::Verdict>("verdict");

    const QByteArray answer = withCrc(QByteArray::fromHex("0503020005"));
    const QByteArray badCrc = answer.left(6) + char(answer.at(6) ^ 0x40);
    const QByteArray exception = withCrc(QByteArray::fromHex("058302"));
    using V = ModbusProbe::Verdict;

    QTest::newRow("clean answer") << answer << answer << V::Answered;
    QTest::newRow("line noise first") << QByteArray::fromHex("00ff05") + answer << answer << V::Answered;
    QTest::newRow("address without function skipped")
        << QByteArray::fromHex("0506") + answer << answer << V::Answered;
    QTest::newRow("trailing bytes kept")
        << answer + QByteArray::fromHex("aa") << answer + QByteArray::fromHex("aa") << V::Answered;
    QTest::newRow("damaged checksum") << badCrc << badCrc << V::BadCrc;
    QTest::newRow("too short yet") << answer.left(6) << answer.left(6) << V::NoAnswer;
    QTest::newRow("exception answer") << exception << exception << V::NoAnswer;
    const QByteArray foreign = withCrc(QByteArray::fromHex("0603020005"));
    QTest::newRow("another instrument") << foreign << foreign.right(6) << V::NoAnswer;
    QTest::newRow("nothing") << QByteArray() << QByteArray() << V::NoAnswer;
}

void TestModbusDialogs::resynchronise()
{
    QFETCH(QByteArray, received);
    QFETCH(QByteArray, left);
    QFETCH(ModbusProbe::Verdict, verdict);
    ModbusProbe::resynchronise(received, 5);
    QCOMPARE(received.toHex(' '), left.toHex(' '));
    QCOMPARE(ModbusProbe::judgeAnswer(received, 5), verdict);
}

void TestModbusDialogs::testConnection_data()
{
    QTest::addColumn<int>("askedAddress");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<bool>("corrupt");
    QTest::addColumn<bool>("unplugged");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("style");

    const QString answered = QStringLiteral("Статус: Прибор ответил! Связь есть.");
    const QString timeout = QStringLiteral("Статус: Таймаут (нет ответа от прибора)");
    const QString green = QStringLiteral("color: green; font-weight: bold;");
    const QString red = QStringLiteral("color: red;");
    QTest::newRow("live instrument") << 17 << false << false << false << answered << green;
    QTest::newRow("silent instrument") << 17 << true << false << false << timeout << red;
    QTest::newRow("nobody at the address") << 18 << false << false << false << timeout << red;
    QTest::newRow("corrupted replies")
        << 17 << false << true << false << QStringLiteral("Статус: Ошибка CRC (неверная контрольная сумма)")
        << QStringLiteral("color: orange;");
    QTest::newRow("port vanished") << 17 << false << false << true
                                   << QStringLiteral("Статус: Ошибка открытия порта") << red;
}

void TestModbusDialogs::testConnection()
{
    QFETCH(int, askedAddress);
    QFETCH(bool, silent);
    QFETCH(bool, corrupt);
    QFETCH(bool, unplugged);
    QFETCH(QString, status);
    QFETCH(QString, style);

    PeerLine line;
    QVERIFY(line.peer.isOpen());
    line.peer.addInstrument(17);
    line.peer.setSilent(17, silent);
    line.peer.setCorruptCrc(corrupt);
    line.peer.setReplyDelayMs(30); // the answer does not come with the request
    AddDeviceDialog dialog({adapter(line.path, 9600)}, {});
    if (unplugged)
        line.peer.unlink();
    child<QSpinBox>(&dialog, "currentAddressSpin")->setValue(askedAddress);

    child<QPushButton>(&dialog, "testButton")->click();

    auto *label = child<QLabel>(&dialog, "statusLabel");
    QCOMPARE(label->text(), status);
    QCOMPARE(label->styleSheet(), style);
    QVERIFY(child<QPushButton>(&dialog, "testButton")->isEnabled());
    QVERIFY(child<QPushButton>(&dialog, "connectButton")->isEnabled());
    if (unplugged) {
        QVERIFY(line.peer.requests().isEmpty());
    } else {
        // A read of the address register, one word, from the address asked.
        const QList<QByteArray> requests = line.peer.requests();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.first().left(6).toHex(' '),
                 QByteArray::fromHex("0300000001").prepend(char(askedAddress)).toHex(' '));
    }
    QVERIFY(line.peer.writes().isEmpty());
}

void TestModbusDialogs::connectRefusesTakenAddress_data()
{
    QTest::addColumn<bool>("samePort");
    QTest::addColumn<int>("takenAddress");
    QTest::addColumn<bool>("refused");
    QTest::newRow("address taken on this port") << true << 9 << true;
    QTest::newRow("address taken on another port") << false << 9 << false;
    QTest::newRow("other address on this port") << true << 8 << false;
}

void TestModbusDialogs::connectRefusesTakenAddress()
{
    QFETCH(bool, samePort);
    QFETCH(int, takenAddress);
    QFETCH(bool, refused);

    // The adapter's port does not exist: a refusal must come before any attempt to open it.
    QTemporaryDir dir;
    const QString port = dir.filePath(QStringLiteral("ttyAbsent"));
    const QList<DeviceRecord> devices{
        modbusDevice(samePort ? port : QStringLiteral("/dev/ttyUSB9"), takenAddress)};
    AddDeviceDialog dialog({adapter(port, 9600)}, devices);
    QSignalSpy ready(&dialog, &AddDeviceDialog::deviceReadyToAdd);
    child<QSpinBox>(&dialog, "newAddressSpin")->setValue(9);

    ModalAnswerer answerer(QMessageBox::Ok);
    child<QPushButton>(&dialog, "connectButton")->click();

    QVERIFY(answerer.answered());
    QCOMPARE(answerer.title(), QStringLiteral("Ошибка"));
    QCOMPARE(answerer.text(),
             refused ? QStringLiteral("Прибор с адресом 9 уже существует на порту %1!\nПожалуйста, выберите "
                                      "другой 'Новый адрес'.")
                           .arg(port)
                     : QStringLiteral("Не удалось открыть порт."));
    QCOMPARE(ready.count(), 0);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TestModbusDialogs::connectWritesOnlyWhatChanges_data()
{
    QTest::addColumn<int>("presentAddress");
    QTest::addColumn<int>("newAddress");
    QTest::addColumn<int>("newSpeed");
    QTest::addColumn<QList<ModbusPeer::Write>>("writes");

    using W = ModbusPeer::Write;
    QTest::newRow("nothing changes") << 4 << 4 << 9600 << QList<W>{};
    QTest::newRow("new address") << 4 << 7 << 9600 << QList<W>{{4, 0x0000, 7}};
    QTest::newRow("new speed") << 4 << 4 << 19200 << QList<W>{{4, 0x0001, 4}};
    QTest::newRow("both, speed written at the new address")
        << 4 << 12 << 115200 << QList<W>{{4, 0x0000, 12}, {12, 0x0001, 9}};
}

void TestModbusDialogs::connectWritesOnlyWhatChanges()
{
    QFETCH(int, presentAddress);
    QFETCH(int, newAddress);
    QFETCH(int, newSpeed);
    QFETCH(QList<ModbusPeer::Write>, writes);

    PeerLine line;
    line.peer.addInstrument(presentAddress);
    // Another instrument on the same bus, already known to the workspace.
    line.peer.addInstrument(30);
    AddDeviceDialog dialog({adapter(line.path, newSpeed)}, {modbusDevice(line.path, 30)});
    dialog.setPauseScale(0.01);
    QSignalSpy ready(&dialog, &AddDeviceDialog::deviceReadyToAdd);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    child<QSpinBox>(&dialog, "currentAddressSpin")->setValue(presentAddress);
    child<QSpinBox>(&dialog, "newAddressSpin")->setValue(newAddress);
    QCOMPARE(child<QComboBox>(&dialog, "newSpeedCombo")->currentData().toInt(), newSpeed);

    child<QPushButton>(&dialog, "connectButton")->click();

    QCOMPARE(ready.count(), 1);
    QCOMPARE(ready.first(), QVariantList({line.path, newSpeed, newAddress}));
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(line.peer.writes(), writes);
    if (writes.isEmpty())
        QVERIFY(line.peer.requests().isEmpty());
    QVERIFY(line.peer.hasInstrument(newAddress));
    QCOMPARE(line.peer.hasInstrument(presentAddress), presentAddress == newAddress);
    QVERIFY(line.peer.hasInstrument(30));
    QCOMPARE(line.peer.registerValue(newAddress, ModbusRegister::SpeedCode), speedCodeForBaud(newSpeed));
}

void TestModbusDialogs::connectLogsItsSteps()
{
    PeerLine line;
    line.peer.addInstrument(1);
    AddDeviceDialog dialog({adapter(line.path, 115200)}, {});
    dialog.setPauseScale(0.01);
    child<QSpinBox>(&dialog, "newAddressSpin")->setValue(12);

    QTest::ignoreMessage(QtDebugMsg, "--- ШАГ 1: Смена адреса ---");
    QTest::ignoreMessage(QtDebugMsg, "Ответ на смену адреса (ожидаем 8 байт): 01 06 00 00 00 0C 89 CF");
    QTest::ignoreMessage(QtDebugMsg, "--- ШАГ 2: Смена скорости ---");
    QTest::ignoreMessage(QtDebugMsg, "Отправка на адрес: 12 Команда: 0C 06 00 01 00 09 19 11");
    QTest::ignoreMessage(QtDebugMsg, "Порт ПК переключен на новую скорость: 115200");
    child<QPushButton>(&dialog, "connectButton")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestModbusDialogs::newAddressAnswersAfterwards()
{
    PeerLine line;
    line.peer.addInstrument(1);
    const Adapters adapters{adapter(line.path, 9600)};
    {
        AddDeviceDialog dialog(adapters, {});
        dialog.setPauseScale(0.01);
        child<QSpinBox>(&dialog, "newAddressSpin")->setValue(42);
        child<QPushButton>(&dialog, "connectButton")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    const QString answered = QStringLiteral("Статус: Прибор ответил! Связь есть.");
    const QString timeout = QStringLiteral("Статус: Таймаут (нет ответа от прибора)");
    for (int address : {42, 1}) {
        AddDeviceDialog dialog(adapters, {});
        child<QSpinBox>(&dialog, "currentAddressSpin")->setValue(address);
        child<QPushButton>(&dialog, "testButton")->click();
        QCOMPARE(child<QLabel>(&dialog, "statusLabel")->text(), address == 42 ? answered : timeout);
    }
}

void TestModbusDialogs::connectToVanishedPort()
{
    PeerLine line;
    line.peer.addInstrument(1);
    AddDeviceDialog dialog({adapter(line.path, 9600)}, {});
    QSignalSpy ready(&dialog, &AddDeviceDialog::deviceReadyToAdd);
    child<QSpinBox>(&dialog, "newAddressSpin")->setValue(2);
    line.peer.unlink();

    ModalAnswerer answerer(QMessageBox::Ok);
    child<QPushButton>(&dialog, "connectButton")->click();
    QVERIFY(answerer.answered());
    QCOMPARE(answerer.title(), QStringLiteral("Ошибка"));
    QCOMPARE(answerer.text(), QStringLiteral("Не удалось открыть порт."));
    QCOMPARE(ready.count(), 0);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(child<QPushButton>(&dialog, "connectButton")->isEnabled());
    QVERIFY(line.peer.requests().isEmpty());
}

void TestModbusDialogs::busyDialogRefusesCancelAndReentry()
{
    PeerLine line;
    line.peer.addInstrument(1);
    AddDeviceDialog dialog({adapter(line.path, 19200)}, {});
    dialog.setPauseScale(0.2); // 400 ms after the speed write
    dialog.show();
    QSignalSpy ready(&dialog, &AddDeviceDialog::deviceReadyToAdd);
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    auto *connectButton = child<QPushButton>(&dialog, "connectButton");
    auto *testButton = child<QPushButton>(&dialog, "testButton");
    auto *cancelButton = child<QPushButton>(&dialog, "cancelButton");

    bool sawBusy = false;
    QTimer::singleShot(100, &dialog, [&] {
        sawBusy = dialog.isBusy() && !connectButton->isEnabled() && !testButton->isEnabled() &&
                  !cancelButton->isEnabled();
        connectButton->click();
        testButton->click();
        dialog.reject();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    connectButton->click();

    QVERIFY(sawBusy);
    QCOMPARE(rejected.count(), 0);
    QCOMPARE(ready.count(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(line.peer.writes(), (QList<ModbusPeer::Write>{{1, 0x0001, 4}}));
    QCOMPARE(line.peer.requests().size(), 1);
    QVERIFY(!dialog.isBusy());
    QVERIFY(connectButton->isEnabled());
}

QTEST_MAIN(TestModbusDialogs)
#include "tst_modbusdialogs.moc"
