#include "logfile.h"

#include "settingsfolder.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

LogFile::LogFile(QString path)
    : m_path(std::move(path))
{}

bool LogFile::write(QtMsgType type, const QString &message)
{
    if (!m_sizeChecked) {
        m_sizeChecked = true;
        const QFileInfo info(m_path);
        if (info.exists() && info.size() > kMaxStartSize)
            QFile::remove(m_path);
    }
    if (!m_file.isOpen()) {
        m_file.setFileName(m_path);
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
            return false;
    }
    m_file.write(formatLine(type, QDateTime::currentDateTime(), message));
    m_file.flush();
    return true;
}

QByteArray LogFile::formatLine(QtMsgType type, const QDateTime &time, const QString &message)
{
    const char *suffix = "";
    switch (type) {
    case QtDebugMsg:
    case QtInfoMsg:
        break;
    case QtWarningMsg:
        suffix = " [увага]";
        break;
    case QtCriticalMsg:
        suffix = " [помилка]";
        break;
    case QtFatalMsg:
        suffix = " [збій]";
        break;
    }
    QByteArray line = time.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")).toUtf8();
    line += suffix;
    line += ' ';
    line += message.toUtf8();
    line += '\n';
    return line;
}

QString logFilePath()
{
    return settingsFilePath(QStringLiteral("kovran.log"));
}

void logMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    Q_UNUSED(context)
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    // Resolved on the first message only: the file stays where the run started it. Never destroyed, so
    // messages sent while static objects are torn down at exit still find it.
    static LogFile *const log = new LogFile(logFilePath());
    log->write(type, message);
}
