#pragma once

#include "platform/keystrokesink.h"

// Windows: SendInput with Unicode and virtual-key keyboard events. Always available; what the system
// refuses (a higher-integrity window has the focus, for instance) is lost silently.
class SendInputKeystrokeSink : public KeystrokeSink
{
public:
    bool isAvailable() const override { return true; }
    QString unavailableReason() const override { return QString(); }
    void sendUnicodeChar(char16_t ch) override;
    void sendVirtualKey(int vk) override;
};
