#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <chrono>
#include <random>

// One Bluetooth instrument within reach of the simulated dongles: what it advertises, its attribute table
// and what it sends. Connections, with their CCCD values, belong to the driver.
//
// Attribute table, handles from 1: generic access 0x1800 (1-5: name 0x2A00, appearance 0x2A01), generic
// attribute 0x1801 (6-9: service changed 0x2A05 and its CCCD), then the main service, then the battery
// service 0x180F (0x2A19 and CCCD). Each characteristic is a 0x2803 declaration, its value, and a CCCD
// right after the value when it can notify or indicate.
//   VELKOR: service aa10 10-16: data aa11 value 12 (read, notify), CCCD 13; command aa12 value 15 (read,
//           write, notify), CCCD 16; battery 17-20.
//   Sylvac: service 5000 (vendor) 10-18: data 5010 value 12 (read, indicate), CCCD 13; command 5012
//           value 15 (write, write without response); unit 5013 value 17 (read, notify), CCCD 18; stream
//           service 0x5000 (SIG) 19-22: 0x5020 value 21 (read, notify), CCCD 22; battery 23-26 (19-22
//           without the stream service).
//   Other:  heart rate service 0x180D 10-15: measurement 0x2A37 value 12 (notify), CCCD 13, body sensor
//           location 0x2A38 value 15; battery 16-19.
class NrfSimInstrument
{
public:
    enum class Kind { Velkor, Sylvac, SylvacWithoutStream, Other };
    enum class Role : quint8 { Other, Data, Command, Unit, Stream };
    enum Property : quint8 {
        Read = 0x02,
        WriteWithoutResponse = 0x04,
        Write = 0x08,
        Notify = 0x10,
        Indicate = 0x20,
    };

    struct Attribute
    {
        quint16 handle = 0;
        QByteArray type;       // 2 bytes, or 16 least significant first
        QByteArray value;      // declarations and fixed values
        quint8 properties = 0; // characteristic values: what their declaration allows
        Role role = Role::Other;
        quint16 groupEnd = 0; // service declarations: the service's last handle
    };

    // What a command written to the instrument makes it answer, by notification on a characteristic.
    struct Answer
    {
        Role role;
        QByteArray value;
    };

    using Address = std::array<quint8, 6>; // least significant first

    NrfSimInstrument(const Address &address, const QString &name, Kind kind, bool shortenedName, int rssi);

    // "C7:2A:10:00:00:01", most significant first.
    static bool parseAddress(const QString &text, Address *address);
    static QString addressText(const Address &address);
    static QByteArray uuid16(quint16 id);

    const Address &address() const { return m_address; }
    // As the address itself says: random static when its two top bits are set.
    bool isRandomStatic() const { return (m_address[5] & 0xC0) == 0xC0; }
    Kind kind() const { return m_kind; }
    bool isSylvac() const { return m_kind == Kind::Sylvac || m_kind == Kind::SylvacWithoutStream; }
    int rssi() const { return m_rssi; }

    QByteArray advertisingData() const;
    QByteArray scanResponseData() const;

    const QList<Attribute> &attributes() const { return m_attributes; }
    const Attribute *attribute(quint16 handle) const;
    quint16 handleOf(Role role) const; // the value handle, 0 when the table has none

    void setValue(double mm);
    void pressButton() { m_buttonPressed = true; }
    // The next VELKOR packet, with the button flag when it was pressed since the last one.
    QByteArray velkorPacket();
    QByteArray sylvacLine();
    QByteArray streamValue();
    QList<Answer> command(const QByteArray &bytes);

private:
    void buildTable();
    void addService(const QByteArray &uuid);
    void addCharacteristic(quint8 properties, const QByteArray &uuid, Role role,
                           const QByteArray &value = {});
    double reading();

    Address m_address;
    QString m_name;
    Kind m_kind;
    bool m_shortenedName;
    int m_rssi;
    QList<Attribute> m_attributes;
    int m_lastService = -1;

    bool m_drifting = true;
    double m_nominal = 0.0;
    double m_amplitude = 0.0;
    double m_noise = 0.0;
    double m_phase = 0.0;
    double m_zero = 0.0;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
    std::mt19937 m_random;
    bool m_buttonPressed = false;
    quint8 m_sequence = 0;
    QByteArray m_commandLine; // Sylvac commands arrive as text lines
};
