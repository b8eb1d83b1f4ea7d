#include "evdevkeyboards.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>

#include <linux/input-event-codes.h>

bool evdevKeyToScanCode(quint16 code, quint32 &scanCode, bool &extended)
{
    // The main block and the keypad keep their set-1 codes as evdev codes.
    if (code >= KEY_ESC && code <= KEY_KPDOT) {
        scanCode = code;
        extended = false;
        return true;
    }
    // Keys behind the E0 prefix have codes of their own.
    static const struct
    {
        quint16 code;
        quint32 scanCode;
    } extendedKeys[] = {
        {KEY_KPENTER, 0x1C},   {KEY_RIGHTCTRL, 0x1D}, {KEY_KPSLASH, 0x35}, {KEY_SYSRQ, 0x37},
        {KEY_RIGHTALT, 0x38},  {KEY_HOME, 0x47},      {KEY_UP, 0x48},      {KEY_PAGEUP, 0x49},
        {KEY_LEFT, 0x4B},      {KEY_RIGHT, 0x4D},     {KEY_END, 0x4F},     {KEY_DOWN, 0x50},
        {KEY_PAGEDOWN, 0x51},  {KEY_INSERT, 0x52},    {KEY_DELETE, 0x53},  {KEY_LEFTMETA, 0x5B},
        {KEY_RIGHTMETA, 0x5C}, {KEY_COMPOSE, 0x5D},
    };
    for (const auto &key : extendedKeys) {
        if (key.code == code) {
            scanCode = key.scanCode;
            extended = true;
            return true;
        }
    }
    if (code == KEY_F11 || code == KEY_F12) {
        scanCode = code == KEY_F11 ? 0x57 : 0x58;
        extended = false;
        return true;
    }
    return false;
}

bool hasDigitKeys(const QByteArray &keyCapabilities)
{
    // Words are unsigned longs, the last one holding codes 0..63.
    const QList<QByteArray> words = keyCapabilities.trimmed().split(' ');
    const int wordBits = int(sizeof(unsigned long) * 8);
    const auto has = [&](int code) {
        const int word = code / wordBits;
        if (word >= words.size())
            return false;
        bool ok = false;
        const qulonglong bits = words.at(words.size() - 1 - word).toULongLong(&ok, 16);
        return ok && (bits >> (code % wordBits)) & 1;
    };
    const auto hasAll = [&](std::initializer_list<int> codes) {
        for (int code : codes) {
            if (!has(code))
                return false;
        }
        return true;
    };
    return hasAll({KEY_1, KEY_2, KEY_3, KEY_4, KEY_5, KEY_6, KEY_7, KEY_8, KEY_9, KEY_0}) ||
           hasAll({KEY_KP1, KEY_KP2, KEY_KP3, KEY_KP4, KEY_KP5, KEY_KP6, KEY_KP7, KEY_KP8, KEY_KP9, KEY_KP0});
}

QList<EvdevKeyboard> keyboardsFromNodes(const QList<EvdevNodeFacts> &nodes)
{
    constexpr int BusUsb = 0x03;
    QList<EvdevKeyboard> keyboards;
    QHash<QString, int> seen; // hardware id + instance -> nodes so far
    for (const EvdevNodeFacts &node : nodes) {
        if (!node.isVirtual && !hasDigitKeys(node.keyCapabilities))
            continue;
        QString hardware;
        if (node.bus == BusUsb || node.isVirtual) {
            hardware = QStringLiteral("VID_%1&PID_%2")
                           .arg(node.vendor, 4, 16, QLatin1Char('0'))
                           .arg(node.product, 4, 16, QLatin1Char('0'))
                           .toUpper();
            if (!node.interfaceNumber.isEmpty())
                hardware += QStringLiteral("&MI_") + node.interfaceNumber;
        } else {
            hardware = QStringLiteral("BUS_%1&VEN_%2&DEV_%3")
                           .arg(node.bus, 2, 16, QLatin1Char('0'))
                           .arg(node.vendor, 4, 16, QLatin1Char('0'))
                           .arg(node.product, 4, 16, QLatin1Char('0'))
                           .toUpper();
        }
        QString instance = node.location.isEmpty() ? node.devnode : node.location;
        instance.replace(QLatin1Char('#'), QLatin1Char('_'));
        const int count = ++seen[hardware + QLatin1Char('#') + instance];
        if (count > 1)
            hardware += QStringLiteral("&COL%1").arg(count, 2, 10, QLatin1Char('0'));

        EvdevKeyboard keyboard;
        keyboard.device.path = QStringLiteral("evdev#%1#%2#kbd").arg(hardware, instance);
        keyboard.device.displayName = keyboardDisplayName(node.name, keyboard.device.path);
        keyboard.devnode = node.devnode;
        keyboard.isVirtual = node.isVirtual;
        keyboards.append(keyboard);
    }
    return keyboards;
}

QString keyboardDisplayName(const QString &product, const QString &path)
{
    static const QRegularExpression usbIds(QStringLiteral("VID_([0-9A-F]{4})&PID_([0-9A-F]{4})"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QStringList sections = path.split(QLatin1Char('#'));
    const QRegularExpressionMatch match = usbIds.match(path);
    const QString hardware =
        match.hasMatch()
            ? QStringLiteral("VID_%1 PID_%2").arg(match.captured(1).toUpper(), match.captured(2).toUpper())
            : sections.value(1);
    const QString name = product.trimmed().isEmpty()
                             ? QCoreApplication::translate("KeyboardDeviceDialog", "Клавіатура")
                             : product.trimmed();
    return QStringLiteral("%1  [%2 | %3]").arg(name, hardware, sections.value(2));
}

QList<EvdevNodeFacts> virtualKeyboardNodes(const QString &list)
{
    static const QRegularExpression ids(QStringLiteral("^(.*)@([0-9A-Fa-f]{4}):([0-9A-Fa-f]{4})$"));
    QList<EvdevNodeFacts> nodes;
    for (const QString &entry : list.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        EvdevNodeFacts node;
        node.isVirtual = true;
        node.bus = 0x03;
        const QRegularExpressionMatch match = ids.match(entry.trimmed());
        node.devnode = match.hasMatch() ? match.captured(1) : entry.trimmed();
        if (match.hasMatch()) {
            node.vendor = quint16(match.captured(2).toUShort(nullptr, 16));
            node.product = quint16(match.captured(3).toUShort(nullptr, 16));
        }
        if (node.devnode.isEmpty() || !QFileInfo::exists(node.devnode))
            continue;
        node.name = QFileInfo(node.devnode).fileName();
        node.location = node.devnode;
        nodes.append(node);
    }
    return nodes;
}
