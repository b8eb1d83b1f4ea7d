#pragma once

#include "platform/keyboardinputbackend.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

// The pure side of the Linux keyboard backend: evdev key codes as PC/AT set-1 scan codes, and how an
// input device becomes a keyboard with a stable path.

// Set-1 make code and E0 flag of an evdev key code; false for keys that have none here.
bool evdevKeyToScanCode(quint16 code, quint32 &scanCode, bool &extended);

// What udev and sysfs tell about one /dev/input/event* node.
struct EvdevNodeFacts
{
    QString devnode; // /dev/input/event5, or a virtual keyboard's file
    int bus = 0;     // BUS_USB is 3
    quint16 vendor = 0;
    quint16 product = 0;
    QString name;               // the device's product name
    QString location;           // where it is plugged in: ID_PATH, else the kernel's phys, else the node
    QString interfaceNumber;    // ID_USB_INTERFACE_NUM ("00"), when known
    QByteArray keyCapabilities; // sysfs capabilities/key: hexadecimal longs, most significant first
    bool isVirtual = false;     // named by KOVRAN_VIRTUAL_KEYBOARDS: a keyboard whatever it reports
};

// A keyboard the backend can open.
struct EvdevKeyboard
{
    KeyboardDevice device;
    QString devnode;
    bool isVirtual = false;
};

// True when the capability bitmap has the digit keys of the top row or of the keypad: what an
// instrument needs to type a number. Power buttons and mice with a few keys are no keyboards.
bool hasDigitKeys(const QByteArray &keyCapabilities);

// The keyboards among the nodes, in order. A path reads
// "evdev#VID_1A86&PID_E026&MI_00#pci-0000:00:14.0-usb-0:3:1.0#kbd": it stays the same when the device is
// replugged into the same socket and across restarts; a second keyboard node behind the same interface gets
// "&COL02" after the hardware identifier. A device that is not on USB gets "BUS_xx&VEN_xxxx&DEV_xxxx".
QList<EvdevKeyboard> keyboardsFromNodes(const QList<EvdevNodeFacts> &nodes);

// "<product>  [VID_xxxx PID_xxxx | <instance>]"; a generic name when the product is unknown.
QString keyboardDisplayName(const QString &product, const QString &path);

// KOVRAN_VIRTUAL_KEYBOARDS: "path[@VVVV:PPPP]" entries separated by ';', listed while the path exists. A
// file (a FIFO, say) fed with input_event records then types like a keyboard plugged into USB.
QList<EvdevNodeFacts> virtualKeyboardNodes(const QString &list);
