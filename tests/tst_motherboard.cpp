#include "modules/motherboard.h"

#include <QSignalSpy>
#include <QTest>

#include <cstring>

// The controller board's protocol: command bytes, and frames from the board however they arrive.
class TestMotherBoard : public QObject
{
    Q_OBJECT

private slots:
    void commands_data();
    void commands();
    void receivedFrames();
    void overflowNeverMixesFrames();
};

namespace {

// What the board sends: header, little-endian payload, check byte.
QByteArray boardFrame(uint8_t header, const QByteArray &payload)
{
    QByteArray frame = char(header) + payload;
    return frame + char(MotherBoard::calc_crc_(frame));
}

QByteArray doubleBytes(double value)
{
    QByteArray bytes(8, '\0');
    std::memcpy(bytes.data(), &value, 8); // little-endian machines only, as the board
    return bytes;
}

QByteArray combined(double height, double laser, uint8_t motor, quint32 step = 0x01020304)
{
    QByteArray payload(29, '\0');
    std::memcpy(payload.data(), &step, 4);
    payload.replace(4, 8, doubleBytes(laser));
    payload.replace(12, 8, doubleBytes(height));
    payload[21] = char(motor);
    return boardFrame(MotherBoard::kHeaderCombined, payload);
}

void feed(MotherBoard &board, const QByteArray &bytes)
{
    for (const char byte : bytes)
        board.AddByteToBuffer(uint8_t(byte));
}

} // namespace

void TestMotherBoard::commands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("move up") << "up" << QByteArray::fromHex("6b559d");
    QTest::newRow("speed 5") << "speed5" << QByteArray("r\x05", 2);
    QTest::newRow("display off") << "display" << QByteArray("u\x01", 2);
    QTest::newRow("touch pin on") << "pin" << QByteArray("w\x00", 2);
    QTest::newRow("laser on") << "laser" << QByteArray("p\xff", 2);
    QTest::newRow("base 20.0") << "base" << QByteArray("v\x00\x00\xa0\x41", 5);
}

void TestMotherBoard::commands()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, bytes);
    QCOMPARE(MotherBoard::calc_crc_(QByteArray("123456789")), uint8_t(0xA1));
    MotherBoard board;
    QByteArray sent;
    connect(&board, &MotherBoard::SendBufferToComport, this, [&](const uint8_t *buff, uint8_t count) {
        sent.append(reinterpret_cast<const char *>(buff), count);
    });
    if (command == "up")
        board.DevozorMoveUp();
    else if (command == "speed5")
        board.ChangeSpeed(MotherBoard::SpeedSlowApproach);
    else if (command == "display")
        board.DisableDisplay();
    else if (command == "pin")
        board.EnableisableTouchPinInterupt();
    else if (command == "laser")
        board.DevozorSendEnableLaser();
    else
        board.SendBaseSet(20.0f);
    if (bytes.size() < 3 || command == "base")
        bytes += char(MotherBoard::calc_crc_(bytes));
    QCOMPARE(sent.toHex(' '), bytes.toHex(' '));
}

// Split over batches, two in one batch, junk between them, a corrupted one: each good frame once, in order.
void TestMotherBoard::receivedFrames()
{
    MotherBoard board;
    QSignalSpy status(&board, &MotherBoard::UpdateDevozorValue);
    QSignalSpy values(&board, &MotherBoard::UpdateValue);
    QSignalSpy units(&board, &MotherBoard::UpdateUint);

    const QByteArray first = combined(25.0, 1.5, 3);
    feed(board, first.left(10));
    board.RxData();
    board.RxData();
    QCOMPARE(status.size(), 0);
    feed(board, first.mid(10));
    board.RxData();
    QCOMPARE(status.size(), 1);
    QCOMPARE(status.at(0), (QVariantList{25.0, 1.5, QVariant::fromValue(uint8_t(3)), true, 0x01020304u}));

    QByteArray bad = combined(99.0, 0.0, 0);
    bad[20] = char(bad[20] ^ 0x10);
    QByteArray badValue = boardFrame(MotherBoard::kHeaderValue, doubleBytes(5.0));
    badValue[3] = char(badValue[3] ^ 1);
    feed(board, QByteArray("\x55\x00\x7f", 3) + bad + badValue +
                    boardFrame(MotherBoard::kHeaderValueAndUnit, doubleBytes(1.25) + '\x01') +
                    combined(40.0, 0.0, 0));
    QTest::ignoreMessage(QtDebugMsg, "CRC Error in Comb Valu");
    for (int i = 0; i < 200 && board.bufferedBytes() > 0; ++i)
        board.RxData();
    QCOMPARE(status.size(), 2);
    QCOMPARE(status.at(1).at(0).toDouble(), 40.0);
    QCOMPARE(values.size(), 1);
    QCOMPARE(values.at(0).at(0).toDouble(), 1.25);
    QCOMPARE(units.size(), 1);
    QCOMPARE(board.GetCurrentBoardUint(), MotherBoard::UnitInches);
}

// More than the ring holds before anything is parsed: the oldest bytes go whole, the rest parse cleanly.
void TestMotherBoard::overflowNeverMixesFrames()
{
    MotherBoard board;
    QSignalSpy status(&board, &MotherBoard::UpdateDevozorValue);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("переповнено")));
    QByteArray burst;
    for (int i = 0; i < 20; ++i)
        burst += combined(i, 0.0, 0);
    feed(board, burst.left(8)); // a frame begun before the overflow
    board.RxData();
    feed(board, burst.mid(8));
    QCOMPARE(board.bufferedBytes(), MotherBoard::kRingSize);
    for (int i = 0; i < 100 && board.bufferedBytes() > 0; ++i)
        board.RxData();
    // The last frames fit whole and come out in order; what came before them is dropped, never completed
    // with bytes of another frame.
    QVERIFY2(status.size() >= 7, QByteArray::number(status.size()).constData());
    for (qsizetype i = 0; i < status.size(); ++i)
        QCOMPARE(status.at(i).at(0).toDouble(), double(20 - status.size() + i));

    // Overflowing again and kept full by a steady stream, parsed once per batch as the port delivers: the
    // parser catches up instead of staying on the junk at the ring's start.
    feed(board, burst + burst.left(23));
    for (int i = 0; i < 10; ++i) {
        feed(board, combined(99.0, 0.0, 0));
        board.RxData();
    }
    QCOMPARE(status.last().at(0).toDouble(), 99.0);
}

QTEST_GUILESS_MAIN(TestMotherBoard)
#include "tst_motherboard.moc"
