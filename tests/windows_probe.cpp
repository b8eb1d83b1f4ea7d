// Proves the Windows syntax check sees the Win32 API and Qt's headers the way the backends will use them.
#include <windows.h>

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QString>

namespace {

class ProbeFilter : public QAbstractNativeEventFilter
{
public:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        const MSG *msg = static_cast<const MSG *>(message);
        return eventType == "windows_generic_MSG" && msg->message == WM_INPUT;
    }
};

[[maybe_unused]] UINT probeSendInput(const QString &text)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = text.isEmpty() ? 0 : text.front().unicode();
    input.ki.dwFlags = KEYEVENTF_UNICODE;
    return SendInput(1, &input, sizeof input);
}

} // namespace
