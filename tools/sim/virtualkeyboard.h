#pragma once

#include "driftingvalue.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

// A keyboard instrument: a USB keyboard whose data button types the reading, "12.345" and Enter. It is a
// uinput device where /dev/uinput can be written; elsewhere it types into a FIFO, as a stream of the
// input_event records an evdev node would give, which the program reads like one.
class VirtualKeyboard : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 VendorId = 0x1209;
    static constexpr quint16 ProductId = 0x4B56;
    static constexpr const char *Name = "VELKOR KBD Caliper";
    static constexpr int KeyGapMs = 4; // between a key's press and release, and the next key

    explicit VirtualKeyboard(QObject *parent = nullptr);
    ~VirtualKeyboard() override;

    // Creates the uinput device, or unless `forceFifo` only where that fails, the FIFO `fifoPath`;
    // `fallback` then tells why. False when neither works.
    bool start(const QString &fifoPath, bool forceFifo, QString *fallback, QString *error);
    // Empty for a uinput device.
    QString fifoPath() const { return m_fifoPath; }
    QString description() const;
    static QString usbIds(); // "1209:4B56"

    // Types the next reading; every third one on the keypad, ended with keypad Enter.
    void typeReading();

private:
    struct Event
    {
        quint16 type;
        quint16 code;
        qint32 value;
    };

    bool openUinput(QString *reason);
    void typeNext();
    void emitEvents(const QList<Event> &events);

    int m_uinput = -1;
    QString m_fifoPath;
    QTimer m_keyTimer;
    QList<QList<Event>> m_pending; // one press or release with its SYN_REPORT each, KeyGapMs apart
    DriftingValue m_reading;
    int m_count = 0;
};
