#include "xdokeystrokesink.h"

#include <QDebug>

#include <algorithm>
#include <dlfcn.h>

// Xlib's macros (Bool, Status, None...) clash with Qt's headers: include it last.
extern "C" {
#include <xdo.h>
}

namespace {

// Spare keycodes taken for characters the keyboard map lacks; the low ones are left to other tools
// (xdotool takes the lowest empty keycode).
constexpr int kMaxSpareKeys = 10;

// libX11 and libXtst are loaded with libxdo, but only libxdo is linked; their few functions the spare-key
// remap needs are looked up at run time.
void *loadLibrary(const char *name)
{
    return dlopen(name, RTLD_NOW);
}

template<typename Function> bool resolve(void *library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

unsigned long keysymFor(char32_t codePoint)
{
    // Latin-1 keysyms equal their code points; every other character has a Unicode keysym.
    return codePoint <= 0xff ? codePoint : (0x01000000UL | codePoint);
}

} // namespace

struct XdoKeystrokeSink::XFunctions
{
    void *x11 = nullptr;
    void *xtst = nullptr;
    decltype(&::XDisplayKeycodes) displayKeycodes = nullptr;
    decltype(&::XGetKeyboardMapping) getKeyboardMapping = nullptr;
    decltype(&::XChangeKeyboardMapping) changeKeyboardMapping = nullptr;
    decltype(&::XFree) free = nullptr;
    decltype(&::XFlush) flush = nullptr;
    decltype(&::XSync) sync = nullptr;
    Bool (*queryXTest)(Display *, int *, int *, int *, int *) = nullptr;
    int (*fakeKeyEvent)(Display *, unsigned int, Bool, unsigned long) = nullptr;

    bool hasXTest(Display *display) const
    {
        int eventBase = 0, errorBase = 0, major = 0, minor = 0;
        return queryXTest(display, &eventBase, &errorBase, &major, &minor);
    }

    bool load()
    {
        x11 = loadLibrary("libX11.so.6");
        xtst = loadLibrary("libXtst.so.6");
        return x11 && xtst && resolve(x11, "XDisplayKeycodes", displayKeycodes) &&
               resolve(x11, "XGetKeyboardMapping", getKeyboardMapping) &&
               resolve(x11, "XChangeKeyboardMapping", changeKeyboardMapping) && resolve(x11, "XFree", free) &&
               resolve(x11, "XFlush", flush) && resolve(x11, "XSync", sync) &&
               resolve(xtst, "XTestQueryExtension", queryXTest) &&
               resolve(xtst, "XTestFakeKeyEvent", fakeKeyEvent);
    }

    ~XFunctions()
    {
        if (xtst)
            dlclose(xtst);
        if (x11)
            dlclose(x11);
    }
};

XdoKeystrokeSink::XdoKeystrokeSink()
{
    open();
    if (!m_xdo)
        qDebug() << "[INFO] keystroke output unavailable:" << unavailableReason();
}

XdoKeystrokeSink::~XdoKeystrokeSink()
{
    if (!m_xdo)
        return;
    releaseSpareKeys();
    xdo_free(m_xdo);
}

void XdoKeystrokeSink::open()
{
    m_display = QString::fromLocal8Bit(qgetenv("DISPLAY"));
    const bool wayland = !qgetenv("WAYLAND_DISPLAY").isEmpty();
    if (m_display.isEmpty()) {
        m_failure = wayland ? Failure::Wayland : Failure::NoDisplay;
        return;
    }
    auto functions = std::make_unique<XFunctions>();
    if (!functions->load()) {
        m_failure = Failure::NoLibraries;
        return;
    }
    xdo_t *handle = xdo_new(nullptr);
    if (!handle) {
        m_failure = wayland ? Failure::Wayland : Failure::NoConnection;
        return;
    }
    // xdo's own feature flag stays unset in some releases even with XTest present: ask the server.
    if (!functions->hasXTest(handle->xdpy)) {
        xdo_free(handle);
        m_failure = Failure::NoXTest;
        return;
    }
    m_xdo = handle;
    m_x = std::move(functions);
}

QString XdoKeystrokeSink::unavailableReason() const
{
    switch (m_failure) {
    case Failure::Nothing:
        break;
    case Failure::Wayland:
        return tr("Сеанс Wayland без XWayland: значення не можна набирати в інші "
                  "програми. Увійдіть у сеанс X11 (Xorg) або увімкніть XWayland.");
    case Failure::NoDisplay:
        return tr("Немає X-дисплея (змінна DISPLAY не задана), тому значення не можна "
                  "набирати в інші програми.");
    case Failure::NoLibraries:
        return tr("Не знайдено бібліотек X11 (libX11, libXtst), тому значення не можна набирати в інші "
                  "програми.");
    case Failure::NoConnection:
        return tr("Не вдалося під'єднатися до X-дисплея %1, тому значення не можна набирати "
                  "в інші програми.")
            .arg(m_display);
    case Failure::NoXTest:
        return tr("X-сервер %1 не підтримує розширення XTest, тому значення не можна набирати в інші "
                  "програми.")
            .arg(m_display);
    }
    return QString();
}

void XdoKeystrokeSink::sendUnicodeChar(char16_t ch)
{
    if (!m_xdo)
        return;
    // X knows no surrogates: a pair becomes one character, a lone half is dropped.
    if (QChar::isHighSurrogate(ch)) {
        m_highSurrogate = ch;
        return;
    }
    const char16_t high = m_highSurrogate;
    m_highSurrogate = 0;
    if (QChar::isLowSurrogate(ch)) {
        if (high)
            typeCodePoint(QChar::surrogateToUcs4(high, ch));
        return;
    }
    typeCodePoint(ch);
}

void XdoKeystrokeSink::sendVirtualKey(int vk)
{
    if (!m_xdo)
        return;
    m_highSurrogate = 0;
    const char *sequence = nullptr;
    switch (vk) {
    case 8:
        sequence = "BackSpace";
        break;
    case VirtualKey::Tab:
        sequence = "Tab";
        break;
    case VirtualKey::Return:
        sequence = "Return";
        break;
    case 27:
        sequence = "Escape";
        break;
    default:
        qDebug() << "[INFO] no X11 key for virtual key" << vk;
        return;
    }
    xdo_send_keysequence_window(m_xdo, CURRENTWINDOW, sequence, 0);
    flush();
}

void XdoKeystrokeSink::typeCodePoint(char32_t codePoint)
{
    if (codePoint == '\t') {
        sendVirtualKey(VirtualKey::Tab);
    } else if (codePoint == '\r' || codePoint == '\n') {
        sendVirtualKey(VirtualKey::Return);
    } else if (codePoint < 0x20 || (codePoint >= 0x7f && codePoint < 0xa0)) {
        return; // other control characters have no key
    } else if (codePoint < 0x7f) {
        // xdo finds the key, group and Shift state for ASCII on the user's own layout.
        const char text[2] = {static_cast<char>(codePoint), '\0'};
        xdo_enter_text_window(m_xdo, CURRENTWINDOW, text, 0);
        flush();
    } else {
        typeOnSpareKey(keysymFor(codePoint));
    }
}

void XdoKeystrokeSink::typeOnSpareKey(unsigned long keysym)
{
    const int index = spareKeyFor(keysym);
    if (index < 0) {
        qDebug() << "[INFO] no spare keycode left for keysym" << Qt::hex << keysym;
        return;
    }
    Display *display = m_xdo->xdpy;
    const unsigned int keycode = m_spareKeys.at(index).keycode;
    m_x->fakeKeyEvent(display, keycode, True, CurrentTime);
    m_x->fakeKeyEvent(display, keycode, False, CurrentTime);
    flush();
}

int XdoKeystrokeSink::spareKeyFor(unsigned long keysym)
{
    findSpareKeys();
    for (int i = 0; i < m_spareKeys.size(); ++i) {
        if (m_spareKeys.at(i).keysym == keysym) {
            m_spareKeys[i].lastUse = ++m_useCounter;
            return i;
        }
    }
    if (m_spareKeys.isEmpty())
        return -1;
    // A free key, or else the one whose character was typed longest ago.
    const auto oldest =
        std::min_element(m_spareKeys.begin(), m_spareKeys.end(),
                         [](const SpareKey &a, const SpareKey &b) { return a.lastUse < b.lastUse; });
    KeySym symbols[2] = {keysym, keysym}; // both shift levels: Shift and Caps Lock change nothing
    m_x->changeKeyboardMapping(m_xdo->xdpy, oldest->keycode, 2, symbols, 1);
    oldest->keysym = keysym;
    oldest->lastUse = ++m_useCounter;
    return static_cast<int>(oldest - m_spareKeys.begin());
}

// Drops keys somebody else has mapped since (a new layout, another tool) and tops the list up with
// empty keycodes, highest first.
void XdoKeystrokeSink::findSpareKeys()
{
    Display *display = m_xdo->xdpy;
    int low = 0;
    int high = 0;
    m_x->displayKeycodes(display, &low, &high);
    int perKeycode = 0;
    KeySym *map = m_x->getKeyboardMapping(display, static_cast<KeyCode>(low), high - low + 1, &perKeycode);
    if (!map)
        return;
    const auto symbolsOf = [&](int keycode) { return map + (keycode - low) * perKeycode; };
    const auto isEmpty = [&](int keycode) {
        const KeySym *symbols = symbolsOf(keycode);
        return std::all_of(symbols, symbols + perKeycode, [](KeySym s) { return s == NoSymbol; });
    };

    m_spareKeys.erase(std::remove_if(m_spareKeys.begin(), m_spareKeys.end(),
                                     [&](const SpareKey &key) {
                                         if (key.keycode < low || key.keycode > high)
                                             return true;
                                         return key.keysym == 0 ? !isEmpty(key.keycode)
                                                                : symbolsOf(key.keycode)[0] != key.keysym;
                                     }),
                      m_spareKeys.end());
    for (int keycode = high; keycode >= low && m_spareKeys.size() < kMaxSpareKeys; --keycode) {
        const bool taken = std::any_of(m_spareKeys.cbegin(), m_spareKeys.cend(),
                                       [keycode](const SpareKey &key) { return key.keycode == keycode; });
        if (!taken && isEmpty(keycode))
            m_spareKeys.append({static_cast<unsigned char>(keycode), 0, 0});
    }
    m_x->free(map);
}

void XdoKeystrokeSink::releaseSpareKeys()
{
    if (m_spareKeys.isEmpty())
        return;
    findSpareKeys(); // never clear a key that is no longer ours
    KeySym nothing = NoSymbol;
    for (const SpareKey &key : std::as_const(m_spareKeys)) {
        if (key.keysym != 0)
            m_x->changeKeyboardMapping(m_xdo->xdpy, key.keycode, 1, &nothing, 1);
    }
    m_x->sync(m_xdo->xdpy, False);
}

void XdoKeystrokeSink::flush() const
{
    m_x->flush(m_xdo->xdpy);
}

std::unique_ptr<KeystrokeSink> createPlatformKeystrokeSink()
{
    return std::make_unique<XdoKeystrokeSink>();
}
