#include "evdevkeyboardbackend.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <libudev.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int RescanDelayMs = 300;
constexpr int VirtualPollMs = 1000;

QString shortPath(const QString &path)
{
    const QStringList sections = path.split(QLatin1Char('#'));
    const QString text = sections.mid(1, 2).join(QLatin1Char('#'));
    return text.isEmpty() ? path : text;
}

QString property(udev_device *device, const char *name)
{
    return QString::fromUtf8(udev_device_get_property_value(device, name));
}

QString attribute(udev_device *device, const char *name)
{
    return QString::fromUtf8(udev_device_get_sysattr_value(device, name)).trimmed();
}

// Everything udev and sysfs say about an event node; without a udev database (a container, say) the
// kernel's own attributes still give the ids, the name and the keys.
bool nodeFacts(udev_device *device, EvdevNodeFacts &facts)
{
    const char *devnode = udev_device_get_devnode(device);
    udev_device *input = udev_device_get_parent_with_subsystem_devtype(device, "input", nullptr);
    if (!devnode || !input)
        return false;
    facts.devnode = QString::fromLocal8Bit(devnode);
    facts.bus = attribute(input, "id/bustype").toInt(nullptr, 16);
    facts.vendor = quint16(attribute(input, "id/vendor").toUShort(nullptr, 16));
    facts.product = quint16(attribute(input, "id/product").toUShort(nullptr, 16));
    facts.name = attribute(input, "name");
    facts.keyCapabilities = attribute(input, "capabilities/key").toLatin1();
    facts.interfaceNumber = property(device, "ID_USB_INTERFACE_NUM");
    facts.location = property(device, "ID_PATH");
    if (facts.location.isEmpty())
        facts.location = attribute(input, "phys");
    return true;
}

} // namespace

KeyboardInputBackend *createPlatformKeyboardBackend(QObject *parent)
{
    return new EvdevKeyboardBackend(parent);
}

EvdevKeyboardBackend::EvdevKeyboardBackend(QObject *parent)
    : KeyboardInputBackend(parent)
    , m_rescan(new QTimer(this))
    , m_virtualList(qEnvironmentVariable("KOVRAN_VIRTUAL_KEYBOARDS"))
{
    m_rescan->setSingleShot(true);
    m_rescan->setInterval(RescanDelayMs);
    connect(m_rescan, &QTimer::timeout, this, [this] {
        enumerate();
        updateReaders();
        emit keyboardsChanged();
    });

    m_udev = udev_new();
    if (m_udev) {
        // Without udevd (no /run/udev) only the kernel's own events come.
        const char *source = QFileInfo::exists(QStringLiteral("/run/udev/control")) ? "udev" : "kernel";
        m_monitor = udev_monitor_new_from_netlink(m_udev, source);
        if (m_monitor && udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "input", nullptr) >= 0 &&
            udev_monitor_enable_receiving(m_monitor) >= 0) {
            m_monitorNotifier =
                new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
            connect(m_monitorNotifier, &QSocketNotifier::activated, this, &EvdevKeyboardBackend::onUdevEvent);
        } else {
            qDebug() << "[HID] udev monitor unavailable: keyboards plugged in later need a refresh";
        }
    } else {
        qWarning() << "[HID] udev unavailable:" << std::strerror(errno);
    }
    if (!m_virtualList.isEmpty()) {
        m_virtualPoll = new QTimer(this);
        connect(m_virtualPoll, &QTimer::timeout, this, &EvdevKeyboardBackend::onVirtualPoll);
        m_virtualPoll->start(VirtualPollMs);
    }
    enumerate();
}

EvdevKeyboardBackend::~EvdevKeyboardBackend()
{
    qDeleteAll(m_readers); // releases the grabs
    m_readers.clear();
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

QList<KeyboardDevice> EvdevKeyboardBackend::keyboards()
{
    QList<KeyboardDevice> list;
    for (const EvdevKeyboard &keyboard : std::as_const(m_keyboards))
        list.append(keyboard.device);
    return list;
}

void EvdevKeyboardBackend::enumerate()
{
    QList<EvdevNodeFacts> nodes;
    if (m_udev) {
        udev_enumerate *enumeration = udev_enumerate_new(m_udev);
        udev_enumerate_add_match_subsystem(enumeration, "input");
        udev_enumerate_add_match_sysname(enumeration, "event*");
        udev_enumerate_scan_devices(enumeration);
        udev_list_entry *entry = nullptr;
        udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(enumeration))
        {
            udev_device *device = udev_device_new_from_syspath(m_udev, udev_list_entry_get_name(entry));
            EvdevNodeFacts facts;
            if (device && nodeFacts(device, facts))
                nodes.append(facts);
            if (device)
                udev_device_unref(device);
        }
        udev_enumerate_unref(enumeration);
    }
    const QList<EvdevNodeFacts> virtualNodes = virtualKeyboardNodes(m_virtualList);
    m_virtualPresent.clear();
    for (const EvdevNodeFacts &node : virtualNodes)
        m_virtualPresent.append(node.devnode);
    nodes += virtualNodes;
    m_keyboards = keyboardsFromNodes(nodes);

    // Listing needs no rights, reading does: try each real node once.
    int denied = 0;
    int real = 0;
    for (const EvdevKeyboard &keyboard : std::as_const(m_keyboards)) {
        if (keyboard.isVirtual)
            continue;
        ++real;
        const int fd =
            ::open(QFile::encodeName(keyboard.devnode).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0)
            ::close(fd);
        else if (errno == EACCES || errno == EPERM)
            ++denied;
    }
    const bool unreadable = real > 0 && denied == real;
    if (unreadable && !m_unreadable)
        qWarning() << "[HID] no keyboard can be read: the user is not in the input group";
    m_unreadable = unreadable;
}

void EvdevKeyboardBackend::onUdevEvent()
{
    // Drain the monitor; the list is read afresh once the burst is over.
    while (udev_device *device = udev_monitor_receive_device(m_monitor))
        udev_device_unref(device);
    m_rescan->start();
}

void EvdevKeyboardBackend::onVirtualPoll()
{
    QStringList present;
    for (const EvdevNodeFacts &node : virtualKeyboardNodes(m_virtualList))
        present.append(node.devnode);
    if (present != m_virtualPresent)
        m_rescan->start();
}

void EvdevKeyboardBackend::setWatched(const QStringList &paths)
{
    m_watched = QSet<QString>(paths.cbegin(), paths.cend());
    updateReaders();
}

void EvdevKeyboardBackend::setListeningToAll(bool on)
{
    if (m_listeningToAll == on)
        return;
    m_listeningToAll = on;
    updateReaders();
}

void EvdevKeyboardBackend::updateReaders()
{
    QSet<QString> present;
    for (const EvdevKeyboard &keyboard : std::as_const(m_keyboards)) {
        present.insert(keyboard.device.path);
        const bool watched = m_watched.contains(keyboard.device.path);
        if (!watched && !m_listeningToAll) {
            closeReader(keyboard.device.path);
            continue;
        }
        EvdevReader *reader = m_readers.value(keyboard.device.path);
        if (!reader && !openReader(keyboard))
            continue;
        m_readers.value(keyboard.device.path)->setGrabbed(watched);
    }
    const QStringList open = m_readers.keys();
    for (const QString &path : open) {
        if (!present.contains(path))
            closeReader(path);
    }
}

bool EvdevKeyboardBackend::openReader(const EvdevKeyboard &keyboard)
{
    const QString &path = keyboard.device.path;
    // A virtual keyboard's FIFO is opened for writing too, so that it never reads as ended between two
    // writers.
    const int flags = (keyboard.isVirtual ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC;
    const int fd = ::open(QFile::encodeName(keyboard.devnode).constData(), flags);
    if (fd < 0) {
        if (!m_reportedFailures.contains(path)) {
            qWarning().noquote() << "[HID]" << shortPath(path) << "cannot open" << keyboard.devnode << ":"
                                 << std::strerror(errno);
            m_reportedFailures.insert(path);
        }
        return false;
    }
    m_reportedFailures.remove(path);
    if (keyboard.isVirtual) {
        // A keyboard reports only what is typed after it was opened.
        char discard[512];
        while (::read(fd, discard, sizeof discard) > 0) {
        }
    }
    auto *reader = new EvdevReader(fd, path, this);
    connect(reader, &EvdevReader::keystroke, this, &KeyboardInputBackend::keystroke);
    connect(reader, &EvdevReader::gone, this, [this](const QString &gonePath) {
        qDebug().noquote() << "[HID]" << shortPath(gonePath) << "клавіатура зникла";
        closeReader(gonePath);
        // Gone whatever udev still lists, and said at once: its half-typed line must not be taken for a
        // reading by the idle flush meanwhile.
        m_keyboards.erase(std::remove_if(m_keyboards.begin(), m_keyboards.end(),
                                         [&](const EvdevKeyboard &k) { return k.device.path == gonePath; }),
                          m_keyboards.end());
        emit keyboardsChanged();
        m_rescan->start();
    });
    m_readers.insert(path, reader);
    qDebug().noquote() << "[HID]" << shortPath(path) << "читаю" << keyboard.devnode;
    return true;
}

void EvdevKeyboardBackend::closeReader(const QString &path)
{
    EvdevReader *reader = m_readers.take(path);
    if (!reader)
        return;
    reader->setGrabbed(false);
    // It may be in the middle of reading: silence it now, delete it later.
    reader->stop();
    reader->disconnect();
    reader->deleteLater();
}

// ---------------------------------------------------------------------------------------------------------

EvdevReader::EvdevReader(int fd, const QString &path, QObject *parent)
    : QObject(parent)
    , m_fd(fd)
    , m_path(path)
    , m_notifier(new QSocketNotifier(fd, QSocketNotifier::Read, this))
{
    connect(m_notifier, &QSocketNotifier::activated, this, &EvdevReader::readEvents);
}

EvdevReader::~EvdevReader()
{
    m_notifier->setEnabled(false);
    if (m_grabbed)
        ::ioctl(m_fd, EVIOCGRAB, 0);
    ::close(m_fd);
}

void EvdevReader::stop()
{
    m_notifier->setEnabled(false);
}

void EvdevReader::setGrabbed(bool grabbed)
{
    m_wantGrab = grabbed;
    applyGrab();
}

bool EvdevReader::keysHeld() const
{
    unsigned char keys[KEY_MAX / 8 + 1] = {};
    if (::ioctl(m_fd, EVIOCGKEY(sizeof keys), keys) < 0)
        return false; // not an evdev node: nothing to wait for
    for (const unsigned char byte : keys) {
        if (byte)
            return true;
    }
    return false;
}

void EvdevReader::applyGrab()
{
    if (m_wantGrab == m_grabbed || (m_wantGrab && keysHeld()))
        return;
    if (::ioctl(m_fd, EVIOCGRAB, m_wantGrab ? 1 : 0) == 0 || !m_wantGrab) {
        m_grabbed = m_wantGrab;
        return;
    }
    if (!m_grabFailureLogged) {
        qDebug().noquote() << "[HID]" << shortPath(m_path)
                           << "не вдалося захопити клавіатуру:" << std::strerror(errno);
        m_grabFailureLogged = true;
    }
    // Nothing better to be had: read it as it is, and do not try again with every key.
    m_grabbed = true;
}

void EvdevReader::readEvents()
{
    QPointer<EvdevReader> self(this);
    char buffer[64 * sizeof(input_event)];
    for (;;) {
        const ssize_t count = ::read(m_fd, buffer, sizeof buffer);
        if (count < 0 && (errno == EAGAIN || errno == EINTR))
            break;
        if (count <= 0) {
            // ENODEV: unplugged.
            m_notifier->setEnabled(false);
            emit gone(m_path);
            return;
        }
        m_partial.append(buffer, count);
        qsizetype offset = 0;
        for (; offset + qsizetype(sizeof(input_event)) <= m_partial.size(); offset += sizeof(input_event)) {
            input_event event;
            std::memcpy(&event, m_partial.constData() + offset, sizeof event);
            // Auto-repeat (2) is nothing new.
            if (event.type != EV_KEY || event.value > 1)
                continue;
            quint32 scanCode = 0;
            bool extended = false;
            if (!evdevKeyToScanCode(event.code, scanCode, extended)) {
                if (event.value == 1)
                    qDebug().noquote() << "[HID]" << shortPath(m_path) << "key code" << event.code
                                       << "-> ignored (не змаплено)";
                continue;
            }
            emit keystroke(m_path, scanCode, extended, event.value == 0);
            if (!self || !m_notifier->isEnabled())
                return;
        }
        m_partial.remove(0, offset);
    }
    applyGrab();
}
