#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

// The controller board's end of its USB serial line, as the height gauge's and the measuring stand's
// simulated boards share it: a pseudo-terminal with a link name (unlinking pulls the cable), the commands
// assembled from what the program writes — a ping byte, or a command letter, its argument and the check
// byte; an unfinished command older than FrameTimeoutMs is dropped — and frames sent with their check
// byte. What the program leaves unread for StaleMs is flushed, as the board's small buffer would lose it.
class BoardLine : public QObject
{
    Q_OBJECT

public:
    static constexpr int FrameTimeoutMs = 100;
    static constexpr int StaleMs = 1000;

    // `owner` names the board in the pseudo-terminal's error messages.
    BoardLine(const char *owner, QObject *parent);
    ~BoardLine() override;

    // The board's CRC-8 (polynomial 0x8C, reflected) over `bytes`.
    static quint8 checkByte(const QByteArray &bytes);

    bool open();
    void close();
    bool isOpen() const;
    bool isPlugged() const;
    QString slavePath() const;
    QString link(const QString &linkPath);
    void unlink();
    QString linkPath() const;

    // Sends `frame` and its check byte (inverted when `spoil`), and returns what went out; nothing while
    // unplugged.
    QByteArray send(QByteArray frame, bool spoil = false);

signals:
    void commandReceived(const QByteArray &frame); // with a right check byte, or a ping
    void changed(const QString &what);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
