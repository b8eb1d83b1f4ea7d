#include "sendinputkeystrokesink.h"

#include <windows.h>

namespace {

// A press followed by its release in one call, so nothing from the real keyboard lands in between.
void sendPressAndRelease(WORD vk, WORD scan, DWORD flags)
{
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = vk;
    inputs[0].ki.wScan = scan;
    inputs[0].ki.dwFlags = flags;
    inputs[1] = inputs[0];
    inputs[1].ki.dwFlags = flags | KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

} // namespace

void SendInputKeystrokeSink::sendUnicodeChar(char16_t ch)
{
    sendPressAndRelease(0, static_cast<WORD>(ch), KEYEVENTF_UNICODE);
}

void SendInputKeystrokeSink::sendVirtualKey(int vk)
{
    sendPressAndRelease(static_cast<WORD>(vk), 0, 0);
}

std::unique_ptr<KeystrokeSink> createPlatformKeystrokeSink()
{
    return std::make_unique<SendInputKeystrokeSink>();
}
