#pragma once

#include "driftingvalue.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// What a Bluetooth LE instrument is, as far as its attribute table goes.
enum class BleKind {
    Velkor,               // binary packets by notification, commands written with response
    Sylvac,               // text lines by indication, stream values by notification, unit characteristic
    SylvacWithoutStream,  // the same without the stream service: values only on the button
    NoDataCharacteristic, // main service without its data characteristic, as an instrument in another mode
};

// One instrument within reach of a dongle: what it advertises, its attribute table and what it sends. It
// knows nothing of connections; the dongle keeps those, with their CCCD values.
//
// Attribute table, handles from 1 in this order: generic access (0x1800: name 0x2A00, appearance 0x2A01),
// generic attribute (0x1801: service changed 0x2A05 with CCCD), the main service with the data
// characteristic and its CCCD (missing for NoDataCharacteristic) and the command characteristic; Sylvac
// adds the unit characteristic with CCCD and, unless without stream, the stream service 0x5000 with 0x5020
// and CCCD; last the battery service 0x180F with 0x2A19 and CCCD. Each characteristic is a 0x2803
// declaration followed by its value. VELKOR data is handle 12, its CCCD 13, the command 15.
class BleInstrument
{
public:
    enum class Role {
        Other,
        Data,
        DataCccd,
        Command,
        Unit,
        UnitCccd,
        Stream,
        StreamCccd,
        Battery,
        Cccd, // any other CCCD
    };

    struct Attribute
    {
        quint16 handle;
        QByteArray uuid; // as find information reports it: 2 bytes, or 16 in reversed order
        Role role;
        QByteArray value; // fixed values; the instrument fills in the others when read
    };

    // The result of a write to the command characteristic.
    struct CommandEffect
    {
        QString change;      // for a person watching; empty when nothing worth telling
        QByteArray unitLine; // a unit answer to notify on the unit characteristic
    };

    // `address` as "AA:BB:CC:DD:EE:01". Starts with a reading drifting around a nominal of its own.
    BleInstrument(const QString &address, const QString &name, BleKind kind, int rssi);

    static bool isValidAddress(const QString &address);

    QString address() const { return m_address; }
    QByteArray addressBytes() const; // least significant first, as on air
    // Random static when the two top bits are set, else public, as the address itself says.
    quint8 addressType() const;
    QString name() const { return m_name; }
    BleKind kind() const { return m_kind; }
    bool isSylvac() const { return m_kind == BleKind::Sylvac || m_kind == BleKind::SylvacWithoutStream; }
    int rssi() const { return m_rssi; }
    QString description(); // samples the reading

    // Advertising data, and the scan response with the name when it has one.
    QByteArray advertisingData() const;
    QByteArray scanResponseData() const;

    const QList<Attribute> &attributes() const { return m_attributes; }
    const Attribute *attribute(quint16 handle) const;
    quint16 handleOf(Role role) const; // 0 when the table has none
    QByteArray readValue(const Attribute &attribute) const;

    void setValue(double mm);
    void pressButton() { m_buttonPressed = true; }
    bool buttonPending() const { return m_buttonPressed; }
    void setCalibrationDate(const QDate &date) { m_calibrationDate = date; }

    // The next VELKOR packet, with the button flag when it was pressed since the last one.
    QByteArray velkorPacket();
    // The data line the button produces (Sylvac), or empty when it was not pressed.
    QByteArray takeButtonLine();
    QByteArray streamValue();

    CommandEffect command(const QByteArray &bytes);

private:
    void buildTable();
    void addService(const QByteArray &uuid);
    void addCharacteristic(quint8 properties, const QByteArray &uuid, Role role, const QByteArray &value,
                           Role cccdRole);
    double reading();

    QString m_address;
    QString m_name;
    BleKind m_kind;
    int m_rssi;
    QList<Attribute> m_attributes;
    std::optional<DriftingValue> m_drift;
    double m_steady = 0.0;
    double m_zero = 0.0;
    bool m_buttonPressed = false;
    quint8 m_sequence = 0;
    QDate m_calibrationDate{2024, 3, 15};
    QByteArray m_commandValue; // the answer to the last query
    QByteArray m_lastData;
    QByteArray m_lastStream;
    QByteArray m_unitValue;
    QByteArray m_commandLine; // Sylvac commands arrive as text lines
};
