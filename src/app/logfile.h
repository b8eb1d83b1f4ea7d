#pragma once

#include <QFile>
#include <QString>
#include <QtGlobal>

class QDateTime;

// The program's log: one UTF-8 line per message, appended and flushed at once. A log that grew past
// kMaxStartSize is deleted before the first line of a run, so it is trimmed at most once per run.
// Not thread-safe by itself; logMessageHandler serialises every use.
class LogFile
{
public:
    static constexpr qint64 kMaxStartSize = 2 * 1024 * 1024;

    explicit LogFile(QString path);

    // Writes one line. Returns false when the file cannot be opened; the message is then lost.
    bool write(QtMsgType type, const QString &message);

    // "yyyy-MM-dd hh:mm:ss.zzz" + suffix + " " + message + "\n"
    static QByteArray formatLine(QtMsgType type, const QDateTime &time, const QString &message);

private:
    QString m_path;
    QFile m_file;
    bool m_sizeChecked = false;
};

// kovran.log in the settings folder.
QString logFilePath();

// Installed first thing in main; may be called from any thread.
void logMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message);
