#include "hidkeyboardmanager.h"

#include "platform/keyboardinputbackend.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTimer>

HidKey classifyHidKey(quint32 scanCode, bool extended)
{
    HidKey key;
    if (scanCode == 0x1C) { // Enter, and keypad Enter behind E0
        key.kind = HidKey::Termination;
        return key;
    }
    if (extended)
        return key;
    char c = 0;
    if (scanCode >= 0x02 && scanCode <= 0x0A)
        c = char('1' + (scanCode - 0x02));
    else if (scanCode == 0x0F) {
        key.kind = HidKey::Termination;
        return key;
    } else {
        switch (scanCode) {
        case 0x0B:
            c = '0';
            break;
        case 0x0C:
            c = '-';
            break;
        case 0x33:
            c = ',';
            break;
        case 0x34:
            c = '.';
            break;
        case 0x47:
            c = '7';
            break;
        case 0x48:
            c = '8';
            break;
        case 0x49:
            c = '9';
            break;
        case 0x4A:
            c = '-';
            break;
        case 0x4B:
            c = '4';
            break;
        case 0x4C:
            c = '5';
            break;
        case 0x4D:
            c = '6';
            break;
        case 0x4F:
            c = '1';
            break;
        case 0x50:
            c = '2';
            break;
        case 0x51:
            c = '3';
            break;
        case 0x52:
            c = '0';
            break;
        case 0x53:
            c = '.';
            break;
        default:
            break;
        }
    }
    if (c) {
        key.kind = HidKey::Character;
        key.character = QLatin1Char(c);
    }
    return key;
}

QString hidShortPath(const QString &path)
{
    const QString text = path.split(QLatin1Char('#')).mid(1, 2).join(QLatin1Char('#'));
    return text.isEmpty() ? path : text;
}

HidKeyboardManager *HidKeyboardManager::instance()
{
    static HidKeyboardManager *manager = [] {
        auto *created = new HidKeyboardManager(createPlatformKeyboardBackend(nullptr));
        created->setParent(QCoreApplication::instance());
        return created;
    }();
    return manager;
}

HidKeyboardManager::HidKeyboardManager(KeyboardInputBackend *backend, QObject *parent)
    : QObject(parent)
    , m_backend(backend)
    , m_flushTimer(new QTimer(this))
{
    backend->setParent(this);
    connect(backend, &KeyboardInputBackend::keystroke, this, &HidKeyboardManager::onKeystroke);
    connect(backend, &KeyboardInputBackend::keyboardsChanged, this, &HidKeyboardManager::onKeyboardsChanged);
    connect(m_flushTimer, &QTimer::timeout, this, &HidKeyboardManager::flushIdleLines);
    m_flushTimer->start(kFlushIntervalMs);
}

QList<QPair<QString, QString>> HidKeyboardManager::keyboards() const
{
    QList<QPair<QString, QString>> list;
    for (const KeyboardDevice &keyboard : m_backend->keyboards())
        list.append({keyboard.path, keyboard.displayName});
    return list;
}

bool HidKeyboardManager::keyboardsUnreadable() const
{
    return m_backend->keyboardsUnreadable();
}

void HidKeyboardManager::setWatchedDevices(const QStringList &paths)
{
    const QSet<QString> watched(paths.cbegin(), paths.cend());
    if (watched != m_watched) {
        for (auto it = m_buffers.begin(); it != m_buffers.end();) {
            if (watched.contains(it.key()))
                ++it;
            else
                it = m_buffers.erase(it);
        }
        m_watched = watched;
    }
    // Also when nothing changed: the backend retries keyboards it could not open.
    m_backend->setWatched(QStringList(m_watched.cbegin(), m_watched.cend()));
}

QStringList HidKeyboardManager::watchedDevices() const
{
    return QStringList(m_watched.cbegin(), m_watched.cend());
}

void HidKeyboardManager::startLearning()
{
    m_learning = true;
    m_backend->setListeningToAll(true);
}

void HidKeyboardManager::stopLearning()
{
    m_learning = false;
    m_backend->setListeningToAll(false);
}

void HidKeyboardManager::onKeystroke(const QString &path, quint32 scanCode, bool extended, bool keyUp)
{
    if (m_learning && !keyUp) {
        stopLearning();
        qDebug().noquote() << "[HID] навчання: спрацювала" << hidShortPath(path);
        emit keyboardActivity(path);
    }
    // Tested after learning: a receiver that watches the keyboard at once makes this very key count.
    if (keyUp || !m_watched.contains(path))
        return;
    handleKey(path, scanCode, extended);
}

void HidKeyboardManager::handleKey(const QString &path, quint32 scanCode, bool extended)
{
    const HidKey key = classifyHidKey(scanCode, extended);
    const QString prefix = QStringLiteral("[HID] %1: scanCode=0x%2%3 -> ")
                               .arg(hidShortPath(path))
                               .arg(scanCode, 2, 16, QLatin1Char('0'))
                               .arg(extended ? QStringLiteral(" (extended)") : QString());
    switch (key.kind) {
    case HidKey::Character:
        qDebug().noquote() << prefix + QStringLiteral("'%1'").arg(key.character);
        break;
    case HidKey::Termination:
        qDebug().noquote() << prefix + QStringLiteral("termination");
        break;
    case HidKey::Ignored:
        qDebug().noquote() << prefix + QStringLiteral("ignored (не змаплено)");
        return;
    }

    PendingLine &pending = m_buffers[path];
    pending.lastKey.start();
    if (key.kind == HidKey::Character) {
        if (pending.text.size() < kMaxLineLength)
            pending.text += key.character;
        return;
    }
    if (pending.text.isEmpty())
        return;
    const QString line = std::exchange(pending.text, QString());
    qDebug().noquote() << QStringLiteral("[HID] %1: line ready -> '%2'").arg(hidShortPath(path), line);
    // Receivers run after the keystroke is dealt with, on a later turn of the event loop.
    QMetaObject::invokeMethod(
        this, [this, path, line] { emit lineReceived(path, line); }, Qt::QueuedConnection);
}

void HidKeyboardManager::flushIdleLines()
{
    QList<QPair<QString, QString>> ready;
    for (auto it = m_buffers.begin(); it != m_buffers.end(); ++it) {
        PendingLine &pending = it.value();
        if (!pending.text.isEmpty() && pending.lastKey.isValid() && pending.lastKey.elapsed() >= kIdleFlushMs)
            ready.append({it.key(), std::exchange(pending.text, QString())});
    }
    for (const auto &line : std::as_const(ready)) {
        qDebug().noquote()
            << QStringLiteral("[HID] %1: line ready -> '%2'").arg(hidShortPath(line.first), line.second);
        emit lineReceived(line.first, line.second);
    }
}

void HidKeyboardManager::onKeyboardsChanged()
{
    // A keyboard pulled out mid-line: what it typed so far is no reading.
    QSet<QString> present;
    for (const KeyboardDevice &keyboard : m_backend->keyboards())
        present.insert(keyboard.path);
    for (auto it = m_buffers.begin(); it != m_buffers.end();) {
        if (present.contains(it.key())) {
            ++it;
            continue;
        }
        if (!it->text.isEmpty())
            qDebug().noquote() << QStringLiteral("[HID] %1: клавіатура зникла посеред рядка, відкидаю '%2'")
                                      .arg(hidShortPath(it.key()), it->text);
        it = m_buffers.erase(it);
    }
    emit keyboardsChanged();
}
