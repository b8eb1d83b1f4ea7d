#include "links/hid/hidkeyboardmanager.h"
#include "platform/keyboardinputbackend.h"
#include "platform/linux/evdevkeyboardbackend.h"
#include "platform/linux/evdevkeyboards.h"

#include <QSignalSpy>
#include <QTest>

#include <linux/input.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Keystrokes a test types by hand, on keyboards it lists itself.
class FakeBackend : public KeyboardInputBackend
{
public:
    QList<KeyboardDevice> keyboards() override { return attached; }
    void setWatched(const QStringList &paths) override { watched = paths; }
    void setListeningToAll(bool on) override { listening = on; }

    void type(const QString &path, const QList<quint32> &scanCodes, bool extended = false)
    {
        for (const quint32 code : scanCodes) {
            emit keystroke(path, code, extended, false);
            emit keystroke(path, code, extended, true);
        }
    }

    QList<KeyboardDevice> attached;
    QStringList watched;
    bool listening = false;
};

const QString kGauge = QStringLiteral("evdev#VID_1209&PID_4B56#usb-3#kbd");
const QString kDesk = QStringLiteral("evdev#VID_046D&PID_C31C#usb-4#kbd");
// Set-1 codes: '1' 0x02, '2' 0x03, '3' 0x04, '4' 0x05, '.' 0x34, Enter 0x1C, Tab 0x0F.
const QList<quint32> k12dot34 = {0x02, 0x03, 0x34, 0x04, 0x05};

input_event key(quint16 code, qint32 value)
{
    input_event event = {};
    event.type = EV_KEY;
    event.code = code;
    event.value = value;
    return event;
}

input_event synReport()
{
    input_event event = {};
    event.type = EV_SYN;
    return event;
}

} // namespace

class TestHidKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void scanCodes_data();
    void scanCodes();
    void linesFromWatchedKeyboardsOnly();
    void learningCountsTheVeryKey();
    void longLinesIdleFlushAndUnplugging();
    void evdevRecordsBecomeKeystrokes();
    void keyboardPathsAndNames();
};

void TestHidKeyboard::scanCodes_data()
{
    QTest::addColumn<quint16>("evdevCode");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("character");
    // Through the evdev mapping, so that both tables are checked together.
    QTest::newRow("top row 1") << quint16(KEY_1) << int(HidKey::Character) << "1";
    QTest::newRow("top row 0") << quint16(KEY_0) << int(HidKey::Character) << "0";
    QTest::newRow("minus") << quint16(KEY_MINUS) << int(HidKey::Character) << "-";
    QTest::newRow("comma") << quint16(KEY_COMMA) << int(HidKey::Character) << ",";
    QTest::newRow("keypad 7") << quint16(KEY_KP7) << int(HidKey::Character) << "7";
    QTest::newRow("keypad 3") << quint16(KEY_KP3) << int(HidKey::Character) << "3";
    QTest::newRow("keypad 0") << quint16(KEY_KP0) << int(HidKey::Character) << "0";
    QTest::newRow("keypad point") << quint16(KEY_KPDOT) << int(HidKey::Character) << ".";
    QTest::newRow("Enter") << quint16(KEY_ENTER) << int(HidKey::Termination) << "";
    QTest::newRow("keypad Enter is extended 1C") << quint16(KEY_KPENTER) << int(HidKey::Termination) << "";
    QTest::newRow("Tab") << quint16(KEY_TAB) << int(HidKey::Termination) << "";
    QTest::newRow("Home shares keypad 7's code") << quint16(KEY_HOME) << int(HidKey::Ignored) << "";
    QTest::newRow("arrow up shares keypad 8's") << quint16(KEY_UP) << int(HidKey::Ignored) << "";
    QTest::newRow("keypad slash") << quint16(KEY_KPSLASH) << int(HidKey::Ignored) << "";
    QTest::newRow("letter A") << quint16(KEY_A) << int(HidKey::Ignored) << "";
}

void TestHidKeyboard::scanCodes()
{
    QFETCH(quint16, evdevCode);
    QFETCH(int, kind);
    QFETCH(QString, character);
    quint32 scanCode = 0;
    bool extended = false;
    QVERIFY(evdevKeyToScanCode(evdevCode, scanCode, extended));
    const HidKey key = classifyHidKey(scanCode, extended);
    QCOMPARE(int(key.kind), kind);
    QCOMPARE(key.character.isNull() ? QString() : QString(key.character), character);
    QVERIFY(!evdevKeyToScanCode(KEY_MUTE, scanCode, extended)); // maps to nothing at all
}

void TestHidKeyboard::linesFromWatchedKeyboardsOnly()
{
    auto *backend = new FakeBackend;
    HidKeyboardManager manager(backend);
    QSignalSpy lines(&manager, &HidKeyboardManager::lineReceived);
    manager.setWatchedDevices({kGauge});
    QCOMPARE(backend->watched, QStringList{kGauge});

    backend->type(kDesk, k12dot34 + QList<quint32>{0x1C});
    backend->type(kGauge, {0x1C}); // a termination with nothing pending emits nothing
    backend->type(kGauge, k12dot34);
    backend->type(kGauge, {0x48}, true); // an arrow key in the middle is ignored
    backend->type(kGauge, {0x1C}, true); // keypad Enter
    backend->type(kGauge, {0x0B, 0x0F}); // "0" and Tab
    QTRY_COMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0), (QVariantList{kGauge, QStringLiteral("12.34")}));
    QCOMPARE(lines.at(1), (QVariantList{kGauge, QStringLiteral("0")}));

    // Leaving the watched set drops the half-typed line.
    backend->type(kGauge, {0x02, 0x03});
    manager.setWatchedDevices({});
    manager.setWatchedDevices({kGauge});
    backend->type(kGauge, {0x04, 0x1C});
    QTRY_COMPARE(lines.size(), 3);
    QCOMPARE(lines.at(2).at(1).toString(), QStringLiteral("3"));
}

void TestHidKeyboard::learningCountsTheVeryKey()
{
    auto *backend = new FakeBackend;
    HidKeyboardManager manager(backend);
    QSignalSpy lines(&manager, &HidKeyboardManager::lineReceived);
    // The chooser watches the keyboard as soon as it is identified.
    connect(&manager, &HidKeyboardManager::keyboardActivity, &manager,
            [&](const QString &path) { manager.setWatchedDevices({path}); });
    QSignalSpy activity(&manager, &HidKeyboardManager::keyboardActivity);
    manager.startLearning();
    QVERIFY(backend->listening);
    backend->type(kGauge, k12dot34 + QList<quint32>{0x1C});
    QCOMPARE(activity.size(), 1); // one shot
    QVERIFY(!manager.isLearning() && !backend->listening);
    QTRY_COMPARE(lines.size(), 1);
    QCOMPARE(lines.at(0).at(1).toString(), QStringLiteral("12.34"));
}

void TestHidKeyboard::longLinesIdleFlushAndUnplugging()
{
    auto *backend = new FakeBackend;
    backend->attached = {{kGauge, QStringLiteral("Gauge")}};
    HidKeyboardManager manager(backend);
    QSignalSpy lines(&manager, &HidKeyboardManager::lineReceived);
    manager.setWatchedDevices({kGauge});

    backend->type(kGauge, QList<quint32>(100, 0x02) + QList<quint32>{0x1C});
    QTRY_COMPARE(lines.size(), 1);
    QCOMPARE(lines.at(0).at(1).toString(), QString(HidKeyboardManager::kMaxLineLength, QLatin1Char('1')));

    // No terminator: the line comes after a short silence.
    QElapsedTimer clock;
    clock.start();
    backend->type(kGauge, {0x05, 0x06});
    QVERIFY(lines.wait(1000));
    QVERIFY(clock.elapsed() >= HidKeyboardManager::kIdleFlushMs);
    QCOMPARE(lines.at(1).at(1).toString(), QStringLiteral("45"));

    // Pulled out mid-line: the digits so far are no reading.
    backend->type(kGauge, {0x02, 0x34});
    backend->attached.clear();
    emit backend->keyboardsChanged();
    QTest::qWait(2 * HidKeyboardManager::kIdleFlushMs);
    QCOMPARE(lines.size(), 2);
}

void TestHidKeyboard::evdevRecordsBecomeKeystrokes()
{
    int fds[2];
    QCOMPARE(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0, fds), 0);
    auto *reader = new EvdevReader(fds[0], kGauge, this);
    reader->setGrabbed(true); // not an input device: reading goes on without the grab
    QSignalSpy keys(reader, &EvdevReader::keystroke);
    QSignalSpy gone(reader, &EvdevReader::gone);

    const input_event events[] = {key(KEY_KP1, 1), synReport(),      key(KEY_KP1, 2),     key(KEY_KP1, 0),
                                  synReport(),     key(KEY_MUTE, 1), key(KEY_KPENTER, 1), synReport()};
    const QByteArray bytes(reinterpret_cast<const char *>(events), sizeof events);
    // A record split over two reads is put together again.
    QCOMPARE(::write(fds[1], bytes.constData(), 30), 30);
    QTest::qWait(20);
    QCOMPARE(::write(fds[1], bytes.constData() + 30, bytes.size() - 30), bytes.size() - 30);
    QTRY_COMPARE(keys.size(), 3);
    QCOMPARE(keys.at(0), (QVariantList{kGauge, 0x4Fu, false, false})); // repeat skipped, release kept
    QCOMPARE(keys.at(1), (QVariantList{kGauge, 0x4Fu, false, true}));
    QCOMPARE(keys.at(2), (QVariantList{kGauge, 0x1Cu, true, false}));

    ::close(fds[1]); // unplugged
    QTRY_COMPARE(gone.size(), 1);
    delete reader;
}

void TestHidKeyboard::keyboardPathsAndNames()
{
    // capabilities/key of a full keyboard (from a 64-bit machine) and of a power button.
    const QByteArray keyboardKeys =
        "120013 0 0 0 0 0 0 0 1000000 0 402000000 3803078f800d001 feffffdfffefffff "
        "fffffffffffffffe";
    QVERIFY(hasDigitKeys(keyboardKeys));
    QVERIFY(!hasDigitKeys("100000 0 0 0"));
    QVERIFY(!hasDigitKeys(""));

    EvdevNodeFacts usb;
    usb.devnode = QStringLiteral("/dev/input/event7");
    usb.bus = 3;
    usb.vendor = 0x1a86;
    usb.product = 0xe026;
    usb.name = QStringLiteral("  USB Keyboard ");
    usb.location = QStringLiteral("pci-0000:00:14.0-usb-0:3:1.0");
    usb.interfaceNumber = QStringLiteral("00");
    usb.keyCapabilities = keyboardKeys;
    EvdevNodeFacts second = usb; // another keyboard node behind the same interface
    second.devnode = QStringLiteral("/dev/input/event8");
    EvdevNodeFacts laptop = usb;
    laptop.bus = 0x11;
    laptop.vendor = 1;
    laptop.product = 1;
    laptop.name.clear();
    laptop.location = QStringLiteral("isa0060/serio0#x");
    laptop.interfaceNumber.clear();
    EvdevNodeFacts button = usb;
    button.keyCapabilities = "100000 0 0 0";

    const QList<EvdevKeyboard> keyboards = keyboardsFromNodes({usb, button, second, laptop});
    QCOMPARE(keyboards.size(), 3);
    QCOMPARE(keyboards.at(0).device.path,
             QStringLiteral("evdev#VID_1A86&PID_E026&MI_00#pci-0000:00:14.0-usb-0:3:1.0#kbd"));
    QCOMPARE(keyboards.at(0).device.displayName,
             QStringLiteral("USB Keyboard  [VID_1A86 PID_E026 | pci-0000:00:14.0-usb-0:3:1.0]"));
    QCOMPARE(keyboards.at(1).device.path,
             QStringLiteral("evdev#VID_1A86&PID_E026&MI_00&COL02#pci-0000:00:14.0-usb-0:3:1.0#kbd"));
    QCOMPARE(keyboards.at(1).devnode, second.devnode);
    QCOMPARE(keyboards.at(2).device.path,
             QStringLiteral("evdev#BUS_11&VEN_0001&DEV_0001#isa0060/serio0_x#kbd"));
    QCOMPARE(keyboards.at(2).device.displayName,
             QStringLiteral("Клавіатура  [BUS_11&VEN_0001&DEV_0001 | isa0060/serio0_x]"));
    QCOMPARE(hidShortPath(keyboards.at(0).device.path),
             QStringLiteral("VID_1A86&PID_E026&MI_00#pci-0000:00:14.0-usb-0:3:1.0"));
}

QTEST_MAIN(TestHidKeyboard)
#include "tst_hidkeyboard.moc"
