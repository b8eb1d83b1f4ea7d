#include "modbusbus.h"

#include "modbusslave.h"
#include "pseudoterminal.h"
#include "rtuframe.h"
#include "simlog.h"

using namespace RtuFrame;

namespace {
constexpr int MinFrameLength = 4; // address, function, CRC
constexpr int MaxFrameLength = 256;
} // namespace

ModbusBus::ModbusBus(PseudoTerminal *terminal, const QString &name, QObject *parent)
    : QObject(parent)
    , m_terminal(terminal)
    , m_name(name)
{
    m_gapTimer.setSingleShot(true);
    m_gapTimer.setInterval(FrameGapMs);
    connect(&m_gapTimer, &QTimer::timeout, this, [this] {
        if (m_buffer.isEmpty())
            return;
        SimLog::trace(QStringLiteral("%1 dropped incomplete frame %2").arg(m_name, hex(m_buffer)));
        m_buffer.clear();
    });
    connect(terminal, &PseudoTerminal::bytesReceived, this, &ModbusBus::onBytes);
}

void ModbusBus::addSlave(ModbusSlave *slave)
{
    slave->setParent(this);
    m_slaves.append(slave);
    connect(slave, &ModbusSlave::changed, this, [this, slave](const QString &what) {
        SimLog::note(QStringLiteral("%1 [%2] %3").arg(m_name).arg(slave->address()).arg(what));
        warnAboutSharedAddresses();
    });
}

void ModbusBus::onBytes(const QByteArray &bytes)
{
    m_buffer.append(bytes);
    takeFrames();
    if (m_buffer.isEmpty())
        m_gapTimer.stop();
    else
        m_gapTimer.start();
}

void ModbusBus::takeFrames()
{
    while (m_buffer.size() >= MinFrameLength) {
        const int length = validFrameLength(m_buffer);
        if (length > 0) {
            const QByteArray frame = m_buffer.left(length);
            m_buffer.remove(0, length);
            handleFrame(frame);
            continue;
        }
        // Nothing valid starts here (yet). When a whole frame starts further on, what comes before it is
        // noise or a damaged frame; otherwise wait, and the gap timer ends a wait that goes nowhere.
        int skip = 0;
        for (int offset = 1; offset + MinFrameLength <= m_buffer.size() && skip == 0; ++offset) {
            const QByteArray rest = m_buffer.mid(offset);
            if (requestLength(rest) > 0 && validFrameLength(rest) > 0)
                skip = offset;
        }
        if (skip == 0 && m_buffer.size() > 2 * MaxFrameLength)
            skip = int(m_buffer.size());
        if (skip == 0)
            return;
        SimLog::trace(QStringLiteral("%1 dropped %2 (no valid frame)").arg(m_name, hex(m_buffer.left(skip))));
        m_buffer.remove(0, skip);
    }
}

int ModbusBus::validFrameLength(const QByteArray &bytes)
{
    const int length = requestLength(bytes);
    if (length > 0)
        return bytes.size() >= length && hasValidCrc(bytes.left(length)) ? length : 0;
    if (length == 0)
        return 0;
    // A function we do not know the layout of: the shortest prefix with a valid CRC is taken as the frame.
    const int longest = qMin(int(bytes.size()), MaxFrameLength);
    for (int n = MinFrameLength; n <= longest; ++n) {
        if (hasValidCrc(bytes.left(n)))
            return n;
    }
    return 0;
}

void ModbusBus::handleFrame(const QByteArray &frame)
{
    const quint8 address = quint8(frame[0]);
    SimLog::trace(QStringLiteral("%1 <- %2").arg(m_name, hex(frame)));

    if (address == BroadcastAddress) {
        // Only writes make sense as broadcasts; nobody answers them.
        if (quint8(frame[1]) == WriteSingleRegister && frame.size() == 8) {
            for (ModbusSlave *slave : qAsConst(m_slaves))
                slave->writeSingleRegister(wordAt(frame, 2), wordAt(frame, 4));
        }
        return;
    }

    for (ModbusSlave *slave : qAsConst(m_slaves)) {
        if (slave->address() != address)
            continue;
        const QByteArray reply = answer(slave, frame);
        SimLog::trace(QStringLiteral("%1 -> %2").arg(m_name, hex(reply)));
        if (!m_terminal->write(reply))
            SimLog::note(QStringLiteral("%1 answer lost: nobody is reading the port").arg(m_name));
        return; // the first slave with the address speaks; a second one would only garble the line
    }
}

QByteArray ModbusBus::answer(ModbusSlave *slave, const QByteArray &frame)
{
    const quint8 address = quint8(frame[0]);
    const quint8 function = quint8(frame[1]);
    switch (function) {
    case ReadHoldingRegisters: {
        QVector<quint16> words;
        const Exception code = slave->readHoldingRegisters(wordAt(frame, 2), wordAt(frame, 4), &words);
        return code == NoException ? readResponse(address, words)
                                   : exceptionResponse(address, function, code);
    }
    case WriteSingleRegister: {
        // The echo is the request itself, so after an address change it still carries the old address.
        const Exception code = slave->writeSingleRegister(wordAt(frame, 2), wordAt(frame, 4));
        return code == NoException ? frame : exceptionResponse(address, function, code);
    }
    default:
        return exceptionResponse(address, function, IllegalFunction);
    }
}

void ModbusBus::warnAboutSharedAddresses()
{
    for (int i = 0; i < m_slaves.size(); ++i) {
        for (int j = i + 1; j < m_slaves.size(); ++j) {
            if (m_slaves[i]->address() == m_slaves[j]->address())
                SimLog::note(
                    QStringLiteral("%1 warning: two instruments now share address %2; only the first "
                                   "will answer")
                        .arg(m_name)
                        .arg(m_slaves[i]->address()));
        }
    }
}
