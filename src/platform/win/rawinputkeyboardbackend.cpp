#include "rawinputkeyboardbackend.h"

#include <QCoreApplication>
#include <QDebug>
#include <QRegularExpression>
#include <QWidget>

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <vector>

namespace {

constexpr USHORT kGenericDesktopPage = 0x01;
constexpr USHORT kKeyboardUsage = 0x06;
// The keyboard message for a raw keystroke follows it closely; an older record is a message that never came.
constexpr qint64 kSwallowWindowMs = 150;

bool isStale(const QElapsedTimer &age)
{
    return age.elapsed() > kSwallowWindowMs;
}

QString readDeviceName(HANDLE device)
{
    UINT size = 0;
    if (GetRawInputDeviceInfoW(device, RIDI_DEVICENAME, nullptr, &size) != 0 || size == 0)
        return QString();
    std::vector<wchar_t> name(size + 1, L'\0');
    if (GetRawInputDeviceInfoW(device, RIDI_DEVICENAME, name.data(), &size) == static_cast<UINT>(-1))
        return QString();
    return QString::fromWCharArray(name.data());
}

using HidDGetProductString = BOOLEAN(WINAPI *)(HANDLE, PVOID, ULONG);

// hid.dll is loaded on first use rather than linked, so a system without it still starts.
HidDGetProductString hidGetProductString()
{
    static const HidDGetProductString function = []() -> HidDGetProductString {
        HMODULE library = LoadLibraryW(L"hid.dll");
        if (!library)
            return nullptr;
        return reinterpret_cast<HidDGetProductString>(
            reinterpret_cast<void *>(GetProcAddress(library, "HidD_GetProductString")));
    }();
    return function;
}

QString productName(const QString &path)
{
    const QString fallback = QCoreApplication::translate("KeyboardDeviceDialog", "Клавіатура");
    const HidDGetProductString getProductString = hidGetProductString();
    if (!getProductString)
        return fallback;
    HANDLE device = CreateFileW(reinterpret_cast<const wchar_t *>(path.utf16()), 0,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (device == INVALID_HANDLE_VALUE)
        return fallback;
    wchar_t buffer[128] = {};
    const bool ok = getProductString(device, buffer, sizeof buffer);
    CloseHandle(device);
    if (!ok)
        return fallback;
    const QString product =
        QString::fromWCharArray(buffer, int(wcsnlen(buffer, std::size(buffer)))).trimmed();
    return product.isEmpty() ? fallback : product;
}

QString displayName(const QString &path)
{
    static const QRegularExpression ids(QStringLiteral("VID_([0-9A-F]{4})&PID_([0-9A-F]{4})"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = ids.match(path);
    const QString hardware =
        match.hasMatch()
            ? QStringLiteral("VID_%1 PID_%2").arg(match.captured(1).toUpper(), match.captured(2).toUpper())
            : path.section(QLatin1Char('#'), 1, 1);
    return QStringLiteral("%1  [%2 | %3]")
        .arg(productName(path), hardware, path.section(QLatin1Char('#'), 2, 2));
}

} // namespace

RawInputKeyboardBackend::RawInputKeyboardBackend(QObject *parent)
    : KeyboardInputBackend(parent)
    , m_sink(new QWidget)
{
    // Never shown; it only needs a window handle for raw input to be delivered to.
    m_sink->setAttribute(Qt::WA_NativeWindow);

    RAWINPUTDEVICE device = {};
    device.usUsagePage = kGenericDesktopPage;
    device.usUsage = kKeyboardUsage;
    // INPUTSINK: keys arrive while another program has the focus too; DEVNOTIFY: plug and unplug messages.
    device.dwFlags = RIDEV_INPUTSINK | RIDEV_DEVNOTIFY;
    device.hwndTarget = reinterpret_cast<HWND>(m_sink->winId());
    if (!RegisterRawInputDevices(&device, 1, sizeof device))
        qWarning() << "[HID] RegisterRawInputDevices failed, error" << GetLastError();

    if (QCoreApplication *app = QCoreApplication::instance())
        app->installNativeEventFilter(this);
}

RawInputKeyboardBackend::~RawInputKeyboardBackend()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeNativeEventFilter(this);

    RAWINPUTDEVICE device = {};
    device.usUsagePage = kGenericDesktopPage;
    device.usUsage = kKeyboardUsage;
    device.dwFlags = RIDEV_REMOVE;
    device.hwndTarget = nullptr;
    RegisterRawInputDevices(&device, 1, sizeof device);

    delete m_sink;
}

QList<KeyboardDevice> RawInputKeyboardBackend::keyboards()
{
    QList<KeyboardDevice> result;
    UINT count = 0;
    if (GetRawInputDeviceList(nullptr, &count, sizeof(RAWINPUTDEVICELIST)) != 0 || count == 0)
        return result;
    std::vector<RAWINPUTDEVICELIST> devices(count);
    const UINT listed = GetRawInputDeviceList(devices.data(), &count, sizeof(RAWINPUTDEVICELIST));
    if (listed == static_cast<UINT>(-1))
        return result;

    for (UINT i = 0; i < listed; ++i) {
        if (devices[i].dwType != RIM_TYPEKEYBOARD)
            continue;
        const QString path = readDeviceName(devices[i].hDevice);
        if (path.isEmpty())
            continue;
        result.append(KeyboardDevice{path, displayName(path)});
    }
    return result;
}

void RawInputKeyboardBackend::setWatched(const QStringList &paths)
{
    const QSet<QString> watched(paths.cbegin(), paths.cend());
    if (watched != m_watched)
        m_watched = watched;
}

void RawInputKeyboardBackend::setListeningToAll(bool on)
{
    // Nothing to switch: the sink already receives every keyboard.
    m_listeningToAll = on;
}

bool RawInputKeyboardBackend::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result)
{
    const MSG *msg = static_cast<const MSG *>(message);
    if (eventType != "windows_generic_MSG" || msg->message < WM_INPUT_DEVICE_CHANGE ||
        msg->message > WM_SYSKEYUP)
        return false;

    switch (msg->message) {
    case WM_INPUT_DEVICE_CHANGE:
        // A handle may be reused by the next device plugged in.
        m_deviceNames.clear();
        emit keyboardsChanged();
        return false;
    case WM_INPUT:
        handleRawInput(reinterpret_cast<void *>(msg->lParam));
        // DefWindowProc still has to see WM_INPUT to release the packet.
        return false;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
        if (swallowKeyMessage(msg->message, msg->lParam)) {
            *result = 0;
            return true;
        }
        return false;
    default:
        return false;
    }
}

std::optional<RawInputKeyboardBackend::Keystroke> RawInputKeyboardBackend::readKeystroke(void *rawInput)
{
    const HRAWINPUT handle = static_cast<HRAWINPUT>(rawInput);
    UINT size = 0;
    if (GetRawInputData(handle, RID_INPUT, nullptr, &size, sizeof(RAWINPUTHEADER)) != 0 || size == 0)
        return std::nullopt;
    // At least a whole RAWINPUT, so a short packet of another kind cannot be read past its end.
    std::vector<BYTE> buffer(std::max<size_t>(size, sizeof(RAWINPUT)), 0);
    if (GetRawInputData(handle, RID_INPUT, buffer.data(), &size, sizeof(RAWINPUTHEADER)) != size)
        return std::nullopt;

    const RAWINPUT *input = reinterpret_cast<const RAWINPUT *>(buffer.data());
    if (input->header.dwType != RIM_TYPEKEYBOARD || !input->header.hDevice)
        return std::nullopt;
    const RAWKEYBOARD &key = input->data.keyboard;
    // 0xFF is the keyboard overrun code and 0 comes with injected or unmapped keys: neither is a key.
    if (key.MakeCode == 0 || key.MakeCode == 0xFF)
        return std::nullopt;

    const QString path = cachedDeviceName(input->header.hDevice);
    if (path.isEmpty())
        return std::nullopt;
    return Keystroke{path, key.MakeCode, (key.Flags & RI_KEY_E0) != 0, (key.Flags & RI_KEY_BREAK) != 0};
}

void RawInputKeyboardBackend::handleRawInput(void *rawInput)
{
    const std::optional<Keystroke> key = readKeystroke(rawInput);
    if (!key) {
        if (m_listeningToAll)
            qDebug() << "[HID] WM_INPUT прийшов, але не вдалося розпізнати як натискання клавіатури";
        return;
    }

    // Reported first: a receiver may start watching this keyboard right now, and this key must count.
    emit keystroke(key->path, key->scanCode, key->extended, key->keyUp);

    if (!m_watched.contains(key->path))
        return;
    for (int i = m_recentKeys.size() - 1; i >= 0; --i) {
        if (isStale(m_recentKeys.at(i).age))
            m_recentKeys.removeAt(i);
    }
    RecentKey recent{key->scanCode, key->extended, key->keyUp, QElapsedTimer()};
    recent.age.start();
    m_recentKeys.append(recent);
}

bool RawInputKeyboardBackend::swallowKeyMessage(unsigned int message, qintptr lParam)
{
    if (m_recentKeys.isEmpty())
        return false;
    const quint32 scanCode = (quint64(lParam) >> 16) & 0xFF;
    const bool extended = (quint64(lParam) >> 24) & 1;
    const bool keyUp = message == WM_KEYUP || message == WM_SYSKEYUP;
    for (int i = 0; i < m_recentKeys.size(); ++i) {
        const RecentKey &recent = m_recentKeys.at(i);
        if (!isStale(recent.age) && recent.scanCode == scanCode && recent.extended == extended &&
            recent.keyUp == keyUp) {
            m_recentKeys.removeAt(i);
            return true;
        }
    }
    return false;
}

QString RawInputKeyboardBackend::cachedDeviceName(void *device)
{
    const auto cached = m_deviceNames.constFind(device);
    if (cached != m_deviceNames.constEnd())
        return cached.value();
    const QString name = readDeviceName(static_cast<HANDLE>(device));
    if (!name.isEmpty())
        m_deviceNames.insert(device, name);
    return name;
}

KeyboardInputBackend *createPlatformKeyboardBackend(QObject *parent)
{
    return new RawInputKeyboardBackend(parent);
}
