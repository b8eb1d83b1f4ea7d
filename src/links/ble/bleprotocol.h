#pragma once

#include <QString>

// Protocol families of Bluetooth instruments (the device record's `bleProtocol`).
namespace BleProtocol {
enum : int {
    Velkor = 0,
    Sylvac = 1,
};
} // namespace BleProtocol

// "Sylvac" for the Sylvac family, "VELKOR" for every other value.
QString bleProtocolDisplayName(int protocol);
