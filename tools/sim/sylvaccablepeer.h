#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>

// A Sylvac instrument on its data cable (4800 baud 7E1, which a pseudo-terminal accepts and ignores), for the
// simulated bench and for the tests of the program's cable link. One instrument on the master side of its
// own pty; the program opens slavePath() (or link()).
//
// It speaks ASCII lines, each line it sends ending with CR alone:
// - a command ends with CR; LF and white space around it do not count, and more than 64 bytes without a CR
//   are thrown away;
// - "UNI??" (the unit query "UNI?" followed by the value query "?") is answered with the unit line ("MM" or
//   "IN") and then the value line; "SET" makes the reading the zero reference and is answered with the new
//   value line; anything else gets no answer. Answers leave AnswerDelayMs after the CR;
// - a value line is a sign and the reading relative to the zero reference: mm with 3 decimals ("+12.345"),
//   inch with 4 ("+0.4860"). The data button and continuous sending send the same line unasked.
//
// It runs on the thread it lives on, from that thread's event loop. Methods are not thread-safe.
class SylvacCablePeer : public QObject
{
    Q_OBJECT

public:
    static constexpr int AnswerDelayMs = 20;
    static constexpr int ContinuousIntervalMs = 100;
    static constexpr int LineLimit = 64;
    // Lines nobody has read for this long are dropped before the next one goes out: a program opening the
    // port later must not find readings from long ago, which a real cable would have lost.
    static constexpr int StaleMs = 1000;

    explicit SylvacCablePeer(QObject *parent = nullptr);
    ~SylvacCablePeer() override;

    bool isOpen() const;
    QString slavePath() const;

    // Same contract as Bled112Peer::link(): an older symlink there is replaced, any other file is left alone
    // (and an empty name returned). Unlinked, the instrument is unplugged: it hears and answers nothing and
    // sends nothing unasked.
    QString link(const QString &linkPath);
    void unlink();
    QString linkPath() const;

    // A steady reading at the probe; until then it drifts slowly around `nominal` (default 12.5 mm).
    void setValue(double mm);
    void drift(double nominal);
    void setInch(bool inch);
    bool isInch() const;
    // The data button: one value line now.
    void pressButton();
    // A value line every ContinuousIntervalMs.
    void setContinuous(bool on);
    bool isContinuous() const;
    void sendRaw(const QByteArray &bytes);

    // Command lines heard while plugged in, without their CR; the latest ones only.
    QList<QByteArray> commands() const;
    void clearLog();
    // "Sylvac S_Cal cable, reading 12.345 mm"
    QString description() const;

signals:
    void commandReceived(const QByteArray &line);
    void lineSent(const QByteArray &line); // without its CR
    // Something a person watching wants to know: "button", "zero set at ...", "unit inch", ...
    void changed(const QString &what);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
