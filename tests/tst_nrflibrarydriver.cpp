#include "links/dongle/nrflibrarydriver.h"

#include <QLibrary>
#include <QLibraryInfo>
#include <QMutex>
#include <QTest>
#include <QThread>

namespace {

// Built by the tests in place of Nordic's library: it logs every call and plays events from its own thread.
const QString FakeLibrary = QStringLiteral(KOVRAN_FAKE_NRF_LIBRARY);

QStringList libraryCalls()
{
    using Calls = const char *(*)();
    const auto calls = reinterpret_cast<Calls>(QLibrary::resolve(FakeLibrary, "fake_nrf_calls"));
    return QString::fromUtf8(calls()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// One line per event with the fields its kind fills.
QString describe(const Nrf::Event &event)
{
    QString line = QString::asprintf("0x%02x conn=%u", event.id, event.connHandle);
    const QByteArray peer(reinterpret_cast<const char *>(event.peer.bytes.data()), 6);
    if (peer != QByteArray(6, 0))
        line +=
            " peer=" + QString::fromLatin1(peer.toHex()) + (event.peer.randomStatic ? " random" : " public");
    if (event.rssi)
        line += QString::asprintf(" rssi=%d", event.rssi);
    if (event.scanResponse)
        line += " scan-response";
    if (!event.data.isEmpty())
        line += " data=" + QString::fromLatin1(event.data.toHex());
    if (event.gattStatus || event.errorHandle)
        line += QString::asprintf(" status=0x%x at %u", event.gattStatus, event.errorHandle);
    for (const Nrf::Service &s : event.services)
        line +=
            QString::asprintf(" service=%x/%u:%u-%u", s.uuid.uuid, s.uuid.type, s.startHandle, s.endHandle);
    for (const Nrf::Characteristic &c : event.characteristics)
        line += QString::asprintf(" char=%x/%u:%u,%u", c.uuid.uuid, c.uuid.type, c.declarationHandle,
                                  c.valueHandle);
    for (const Nrf::Descriptor &d : event.descriptors)
        line += QString::asprintf(" desc=%x/%u@%u", d.uuid.uuid, d.uuid.type, d.handle);
    if (event.handle)
        line += QString::asprintf(" handle=%u type=%u", event.handle, event.handleValueType);
    if (event.reason)
        line += QString::asprintf(" reason=0x%x", event.reason);
    return line;
}

} // namespace

class TestNrfLibraryDriver : public QObject
{
    Q_OBJECT

private slots:
    void callsReachTheLibrary()
    {
        NrfLibraryDriver driver(FakeLibrary);
        QVERIFY2(driver.isAvailable(), qPrintable(driver.unavailableReason()));
        const qsizetype earlier = libraryCalls().size();
        const NrfDriver::Adapter adapter = driver.createAdapter("/dev/ttyACM0", 1000000, 250, 1500);
        QVERIFY(adapter);
        driver.setLogSeverityFilter(adapter, 3);
        QCOMPARE(driver.open(adapter, {}, {}, {}), Nrf::Success);
        QCOMPARE(driver.configureCentralRoles(adapter, 12), Nrf::Success);
        QCOMPARE(driver.enable(adapter), Nrf::InvalidState); // the fake's stack was left running
        std::array<quint8, 16> base{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0x10, 0xAA, 14, 15};
        quint8 type = 0;
        QCOMPARE(driver.addVendorUuid(adapter, base, type), Nrf::Success);
        QCOMPARE(type, quint8(2));
        driver.startScan(adapter, Nrf::ScanParameters{});
        driver.stopScan(adapter);
        Nrf::Address peer{{0x55, 0x44, 0x33, 0x22, 0x11, 0xC0}, true};
        Nrf::ScanParameters connecting;
        connecting.timeoutSeconds = 10;
        QCOMPARE(driver.connect(adapter, peer, connecting, Nrf::ConnectionParameters{}), Nrf::Success);
        peer.randomStatic = false;
        driver.connect(adapter, peer, connecting, Nrf::ConnectionParameters{});
        driver.cancelConnect(adapter);
        driver.disconnect(adapter, 1, 0x13);
        driver.startRssi(adapter, 1);
        driver.updateConnectionParameters(adapter, 1, {6, 12, 2, 400});
        driver.updateDataLength(adapter, 1);
        driver.replyMtu(adapter, 1, 23);
        driver.discoverPrimaryServices(adapter, 1, 1, {0xAA10, 2});
        driver.discoverCharacteristics(adapter, 1, 10, 20);
        driver.discoverDescriptors(adapter, 1, 13, 20);
        driver.write(adapter, 1, true, 13, QByteArray::fromHex("0200"));
        driver.write(adapter, 1, false, 15, "SET\r");
        driver.confirmHandleValue(adapter, 1, 12);
        driver.close(adapter);
        driver.deleteAdapter(adapter);

        const QStringList expected = {
            "sd_rpc_physical_layer_create_uart /dev/ttyACM0 baud=1000000 flow=0 parity=0",
            "sd_rpc_data_link_layer_create_bt_three_wire physical retransmission=250",
            "sd_rpc_transport_layer_create link timeout=1500",
            "sd_rpc_adapter_create transport",
            "sd_rpc_log_handler_severity_filter_set adapter severity=3",
            "sd_rpc_open adapter",
            "sd_ble_cfg_set adapter id=0x40 periph=0 central=12 sec=0 ram=0",
            "sd_ble_enable adapter ram=0",
            "sd_ble_uuid_vs_add adapter base=000102030405060708090a0b10aa0e0f",
            "sd_ble_gap_scan_start adapter active=1 whitelist=0 directed=0 interval=0xa0 window=0x50 "
            "timeout=0",
            "sd_ble_gap_scan_stop adapter",
            "sd_ble_gap_connect adapter peer=0/1/5544332211c0 active=1 interval=0xa0 window=0x50 timeout=10 "
            "conn=12,48,0,500 tag=0",
            "sd_ble_gap_connect adapter peer=0/0/5544332211c0 active=1 interval=0xa0 window=0x50 timeout=10 "
            "conn=12,48,0,500 tag=0",
            "sd_ble_gap_connect_cancel adapter",
            "sd_ble_gap_disconnect adapter conn=1 reason=0x13",
            "sd_ble_gap_rssi_start adapter conn=1 threshold=0 skip=0",
            "sd_ble_gap_conn_param_update adapter conn=1 params=6,12,2,400",
            "sd_ble_gap_data_length_update adapter conn=1 params=auto limitation=none",
            "sd_ble_gatts_exchange_mtu_reply adapter conn=1 mtu=23",
            "sd_ble_gattc_primary_services_discover adapter conn=1 start=1 uuid=0xaa10 type=2",
            "sd_ble_gattc_characteristics_discover adapter conn=1 range=10-20",
            "sd_ble_gattc_descriptors_discover adapter conn=1 range=13-20",
            "sd_ble_gattc_write adapter conn=1 op=1 flags=0 handle=13 offset=0 value=0200",
            "sd_ble_gattc_write adapter conn=1 op=2 flags=0 handle=15 offset=0 value=5345540d",
            "sd_ble_gattc_hv_confirm adapter conn=1 handle=12",
            "sd_rpc_close adapter",
            "sd_rpc_adapter_delete adapter",
        };
        QCOMPARE(libraryCalls().mid(earlier), expected);
    }

    void eventsComeBackOnTheLibraryThread()
    {
        NrfLibraryDriver driver(FakeLibrary);
        const NrfDriver::Adapter adapter = driver.createAdapter("/dev/ttyACM1", 1000000, 250, 1500);
        QVERIFY(adapter);
        QMutex mutex;
        QStringList seen;
        QThread *const testThread = QThread::currentThread();
        const auto note = [&](NrfDriver::Adapter from, const QString &line) {
            QMutexLocker locker(&mutex);
            const bool right = from == adapter && QThread::currentThread() != testThread;
            seen.append(right ? line : "wrong adapter or thread: " + line);
        };
        const quint32 opened = driver.open(
            adapter,
            [&](NrfDriver::Adapter from, int code, const QString &text) {
                note(from, QString("status %1 %2").arg(code).arg(text));
            },
            [&](NrfDriver::Adapter from, const Nrf::Event &event) { note(from, describe(event)); },
            [&](NrfDriver::Adapter from, int severity, const QString &text) {
                note(from, QString("log %1 %2").arg(severity).arg(text));
            });
        QCOMPARE(opened, Nrf::Success);
        QCOMPARE(driver.close(adapter), Nrf::Success); // the fake's thread has played everything by then
        driver.deleteAdapter(adapter);

        // Not among them: a kind the link does not use and the three malformed events.
        const QStringList expected = {
            "status 6 Target Reset performed",
            "log 2 Successfully opened",
            "0x10 conn=1 peer=5544332211c0 random",
            "0x1d conn=65535 peer=010203040506 public rssi=-60 scan-response data=060943414c2d31",
            "0x30 conn=1 service=aa10/2:10-20 service=180f/1:21-65535",
            "0x32 conn=1 char=aa11/2:11,12 char=aa12/2:14,15",
            "0x33 conn=1 desc=2902/1@13",
            "0x32 conn=1 status=0x10a at 16", // a failed discovery, whatever its count claims
            "0x39 conn=1 data=0102030405 handle=12 type=2",
            "0x1c conn=1 rssi=-70",
            "0x11 conn=1 reason=0x13",
        };
        QCOMPARE(seen, expected);
    }

    void unavailable_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("named");
        QTest::newRow("missing") << "/nowhere/libnrf.so"
                                 << "/nowhere/libnrf.so";
        QTest::newRow("usual names") << QString() << "libnrf-ble-driver-sd_api_v5.so.4.1.4";
        QTest::newRow("library without the entry points")
            << QLibraryInfo::path(QLibraryInfo::LibrariesPath) + "/libQt6Core.so.6"
            << "sd_rpc_physical_layer_create_uart";
    }

    void unavailable()
    {
        QFETCH(QString, path);
        QFETCH(QString, named);
        NrfLibraryDriver driver(path);
        if (path.isEmpty() && driver.isAvailable())
            QSKIP("Nordic's library is installed here");
        QVERIFY(!driver.isAvailable());
        QVERIFY2(driver.unavailableReason().contains(named), qPrintable(driver.unavailableReason()));
        QVERIFY(driver.unavailableReason().contains("next to the kovran program"));
        QVERIFY(!driver.createAdapter("/dev/ttyACM0", 1000000, 250, 1500));
        NrfDriver::Adapter adapter = &driver; // any handle: nothing may reach a library
        // Never 8 either: the link reads that from enable() as a stack already running.
        for (const quint32 result :
             {driver.open(adapter, {}, {}, {}), driver.configureCentralRoles(adapter, 3),
              driver.enable(adapter), driver.startScan(adapter, {}), driver.write(adapter, 1, true, 2, "x"),
              driver.close(adapter)})
            QVERIFY(result != Nrf::Success && result != Nrf::InvalidState);
    }
};

QTEST_GUILESS_MAIN(TestNrfLibraryDriver)
#include "tst_nrflibrarydriver.moc"
