#include "virtualkeyboard.h"

#include "simlog.h"

#include <QFile>
#include <QLocale>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/input.h>
#include <linux/uinput.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

namespace {

const char *const UinputPath = "/dev/uinput";
constexpr int KeypadEvery = 3;

const int TopRowDigits[] = {KEY_0, KEY_1, KEY_2, KEY_3, KEY_4, KEY_5, KEY_6, KEY_7, KEY_8, KEY_9};
const int KeypadDigits[] = {KEY_KP0, KEY_KP1, KEY_KP2, KEY_KP3, KEY_KP4,
                            KEY_KP5, KEY_KP6, KEY_KP7, KEY_KP8, KEY_KP9};
const int OtherKeys[] = {KEY_MINUS, KEY_DOT,   KEY_COMMA,   KEY_ENTER,
                         KEY_TAB,   KEY_KPDOT, KEY_KPMINUS, KEY_KPENTER};

// 0 for a character the instrument never types.
int keyFor(char c, bool keypad)
{
    if (c >= '0' && c <= '9')
        return (keypad ? KeypadDigits : TopRowDigits)[c - '0'];
    switch (c) {
    case '.':
        return keypad ? KEY_KPDOT : KEY_DOT;
    case '-':
        return keypad ? KEY_KPMINUS : KEY_MINUS;
    case ',':
        return KEY_COMMA;
    case '\n':
        return keypad ? KEY_KPENTER : KEY_ENTER;
    case '\t':
        return KEY_TAB;
    default:
        return 0;
    }
}

QString systemError(const QString &what)
{
    return QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(strerror(errno)));
}

} // namespace

VirtualKeyboard::VirtualKeyboard(QObject *parent)
    : QObject(parent)
    , m_reading(25.0, 0.05, 0.002, 20.0, 0x4B56u)
{
    m_keyTimer.setInterval(KeyGapMs);
    m_keyTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_keyTimer, &QTimer::timeout, this, &VirtualKeyboard::typeNext);
}

VirtualKeyboard::~VirtualKeyboard()
{
    if (m_uinput >= 0) {
        ::ioctl(m_uinput, UI_DEV_DESTROY);
        ::close(m_uinput);
    }
    if (!m_fifoPath.isEmpty())
        QFile::remove(m_fifoPath);
}

bool VirtualKeyboard::start(const QString &fifoPath, bool forceFifo, QString *fallback, QString *error)
{
    QString reason;
    if (!forceFifo && openUinput(&reason))
        return true;
    if (!forceFifo)
        *fallback = reason + QStringLiteral(" - the virtual keyboard types into a FIFO instead");

    const QByteArray path = QFile::encodeName(fifoPath);
    struct stat existing = {};
    if (::lstat(path.constData(), &existing) == 0) {
        if (!S_ISFIFO(existing.st_mode)) {
            *error = QStringLiteral("cannot create %1 (a file that is not a FIFO is never replaced)")
                         .arg(fifoPath);
            return false;
        }
        ::unlink(path.constData()); // left by an earlier run
    }
    if (::mkfifo(path.constData(), 0600) != 0) {
        *error = systemError(QStringLiteral("cannot create %1").arg(fifoPath));
        return false;
    }
    m_fifoPath = fifoPath;
    return true;
}

bool VirtualKeyboard::openUinput(QString *reason)
{
    m_uinput = ::open(UinputPath, O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (m_uinput < 0) {
        *reason = systemError(QLatin1String(UinputPath));
        return false;
    }
    bool ok = ::ioctl(m_uinput, UI_SET_EVBIT, EV_KEY) == 0;
    for (const int *keys : {TopRowDigits, KeypadDigits}) {
        for (int i = 0; i < 10; ++i)
            ok = ok && ::ioctl(m_uinput, UI_SET_KEYBIT, keys[i]) == 0;
    }
    for (int key : OtherKeys)
        ok = ok && ::ioctl(m_uinput, UI_SET_KEYBIT, key) == 0;

    input_id id = {};
    id.bustype = BUS_USB;
    id.vendor = VendorId;
    id.product = ProductId;
    id.version = 1;
    if (ok) {
        uinput_setup setup = {};
        setup.id = id;
        std::strncpy(setup.name, Name, UINPUT_MAX_NAME_SIZE - 1);
        if (::ioctl(m_uinput, UI_DEV_SETUP, &setup) != 0) {
            // Kernels before 4.5 take the description written instead.
            uinput_user_dev device = {};
            device.id = id;
            std::strncpy(device.name, Name, UINPUT_MAX_NAME_SIZE - 1);
            ok = ::write(m_uinput, &device, sizeof device) == ssize_t(sizeof device);
        }
    }
    if (ok && ::ioctl(m_uinput, UI_DEV_CREATE) == 0)
        return true;
    *reason = systemError(QStringLiteral("%1: cannot create a device").arg(QLatin1String(UinputPath)));
    ::close(m_uinput);
    m_uinput = -1;
    return false;
}

QString VirtualKeyboard::usbIds()
{
    return QStringLiteral("%1:%2")
        .arg(VendorId, 4, 16, QLatin1Char('0'))
        .arg(ProductId, 4, 16, QLatin1Char('0'))
        .toUpper();
}

QString VirtualKeyboard::description() const
{
    if (m_uinput >= 0)
        return QStringLiteral("%1 (USB %2), a uinput keyboard").arg(QLatin1String(Name), usbIds());
    return QStringLiteral("%1 (USB %2), typing into the FIFO %3")
        .arg(QLatin1String(Name), usbIds(), m_fifoPath);
}

void VirtualKeyboard::typeReading()
{
    const bool keypad = ++m_count % KeypadEvery == 0;
    const QString text = QLocale::c().toString(m_reading.sample(), 'f', 3);
    SimLog::note(QStringLiteral("%1 types %2%3")
                     .arg(QLatin1String(Name), text, keypad ? QStringLiteral(" on the keypad") : QString()));
    const QByteArray keys = text.toLatin1() + '\n';
    for (const char c : keys) {
        const auto key = quint16(keyFor(c, keypad));
        m_pending.append({{EV_KEY, key, 1}, {EV_SYN, SYN_REPORT, 0}});
        m_pending.append({{EV_KEY, key, 0}, {EV_SYN, SYN_REPORT, 0}});
    }
    if (!m_keyTimer.isActive())
        m_keyTimer.start();
}

void VirtualKeyboard::typeNext()
{
    if (m_pending.isEmpty()) {
        m_keyTimer.stop();
        return;
    }
    emitEvents(m_pending.takeFirst());
}

void VirtualKeyboard::emitEvents(const QList<Event> &events)
{
    timeval now = {};
    ::gettimeofday(&now, nullptr);
    QByteArray records;
    for (const Event &e : events) {
        input_event record = {};
        record.input_event_sec = now.tv_sec;
        record.input_event_usec = now.tv_usec;
        record.type = e.type;
        record.code = e.code;
        record.value = e.value;
        records.append(reinterpret_cast<const char *>(&record), sizeof record);
    }
    if (m_uinput >= 0) {
        [[maybe_unused]] const ssize_t ignored =
            ::write(m_uinput, records.constData(), size_t(records.size()));
        return;
    }
    // Opened for each write, as a reader may come and go; a write this small to a pipe goes in whole or
    // not at all.
    const int fd = ::open(QFile::encodeName(m_fifoPath).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        SimLog::trace(systemError(m_fifoPath) + QStringLiteral(" - nobody reads, the keystroke is lost"));
        return;
    }
    [[maybe_unused]] const ssize_t ignored = ::write(fd, records.constData(), size_t(records.size()));
    ::close(fd);
}
