#include "recordingkeystrokesink.h"

#include "recording/keyboardemulation.h"

RecordingKeystrokeSink::RecordingKeystrokeSink(bool available, const QString &reason)
    : m_available(available)
    , m_reason(reason)
{}

RecordingKeystrokeSink *RecordingKeystrokeSink::install(bool available, const QString &reason)
{
    auto sink = std::make_unique<RecordingKeystrokeSink>(available, reason);
    RecordingKeystrokeSink *raw = sink.get();
    setKeystrokeSink(std::move(sink));
    return raw;
}

void RecordingKeystrokeSink::sendUnicodeChar(char16_t ch)
{
    m_keys.append(QString(QChar(ch)));
}

void RecordingKeystrokeSink::sendVirtualKey(int vk)
{
    switch (vk) {
    case VirtualKey::Tab:
        m_keys.append(QStringLiteral("<Tab>"));
        break;
    case VirtualKey::Return:
        m_keys.append(QStringLiteral("<Enter>"));
        break;
    default:
        m_keys.append(QStringLiteral("<VK %1>").arg(vk));
        break;
    }
}
