#pragma once

#include "platform/keystrokesink.h"

#include <QCoreApplication>
#include <QList>

#include <memory>

struct xdo;

// X11: keys go to the focused window through libxdo and the XTest extension. Keys the keyboard map
// lacks are put on spare (empty) keycodes and stay there while the sink lives, so a receiver that reads
// its events late still finds them; xdo's own temporary remap is undone before a slow receiver (our own
// GUI thread included) looks up the key, and the character is lost.
class XdoKeystrokeSink : public KeystrokeSink
{
    Q_DECLARE_TR_FUNCTIONS(XdoKeystrokeSink)

public:
    // Opens the display named by DISPLAY.
    XdoKeystrokeSink();
    ~XdoKeystrokeSink() override;
    XdoKeystrokeSink(const XdoKeystrokeSink &) = delete;
    XdoKeystrokeSink &operator=(const XdoKeystrokeSink &) = delete;

    bool isAvailable() const override { return m_xdo != nullptr; }
    // In the language of the moment: the sink lives longer than a language choice.
    QString unavailableReason() const override;
    void sendUnicodeChar(char16_t ch) override;
    void sendVirtualKey(int vk) override;

private:
    struct XFunctions;
    enum class Failure { Nothing, Wayland, NoDisplay, NoLibraries, NoConnection, NoXTest };
    struct SpareKey
    {
        unsigned char keycode = 0;
        unsigned long keysym = 0; // 0 while free
        quint64 lastUse = 0;
    };

    void open();
    void typeCodePoint(char32_t codePoint);
    void typeOnSpareKey(unsigned long keysym);
    int spareKeyFor(unsigned long keysym);
    void findSpareKeys();
    void releaseSpareKeys();
    void flush() const;

    xdo *m_xdo = nullptr;
    std::unique_ptr<XFunctions> m_x;
    Failure m_failure = Failure::Nothing;
    QString m_display;
    char16_t m_highSurrogate = 0;
    QList<SpareKey> m_spareKeys;
    quint64 m_useCounter = 0;
};
