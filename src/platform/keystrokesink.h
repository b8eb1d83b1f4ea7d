#pragma once

#include <QString>

#include <memory>

// Types into whatever program has the keyboard focus. One backend per operating system is compiled in;
// tests put a recording sink in its place (setKeystrokeSink).
class KeystrokeSink
{
public:
    virtual ~KeystrokeSink() = default;

    // False when this session offers no way to send keys to other programs (no X display, for instance).
    virtual bool isAvailable() const = 0;
    // Why typing is not possible, translated, in plain words for the user; empty while available.
    virtual QString unavailableReason() const = 0;

    // One press and release of a UTF-16 code unit (a surrogate pair arrives as two calls).
    virtual void sendUnicodeChar(char16_t ch) = 0;
    // One press and release of a Windows virtual key: 9 Tab, 13 Return.
    virtual void sendVirtualKey(int vk) = 0;
};

// Windows virtual-key codes the program sends.
namespace VirtualKey {
constexpr int Tab = 9;
constexpr int Return = 13;
} // namespace VirtualKey

// The sink of the backend compiled into this build.
std::unique_ptr<KeystrokeSink> createPlatformKeystrokeSink();
