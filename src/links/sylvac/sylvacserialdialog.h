#pragma once

#include <QDialog>
#include <QHash>
#include <QStringList>

class QLabel;
class QPushButton;
class QSerialPort;

// Finds the port of a Sylvac instrument on its cable: listens on every free port until the instrument sends
// a value with its data button, then offers that port and the decimals the value was written with.
class SylvacSerialDialog : public QDialog
{
    Q_OBJECT

public:
    // `candidatePorts`: the ports no other instrument uses.
    explicit SylvacSerialDialog(const QStringList &candidatePorts, QWidget *parent = nullptr);
    ~SylvacSerialDialog() override;

    QString portName() const { return m_foundPort; }
    // Decimals of the identifying value; -1 before one arrived.
    int decimals() const { return m_decimals; }

    // Lets go of every port: the one found is the link's from now on.
    void done(int result) override;

public slots:
    void startListening();

private:
    void stopListening(const QString &keep = QString());
    void onData(const QString &port);

    QStringList m_candidates;
    QHash<QString, QSerialPort *> m_listeners;
    QHash<QString, QByteArray> m_buffers;
    QString m_foundPort;
    int m_decimals = -1;
    QLabel *m_status = nullptr;
    QLabel *m_detail = nullptr;
    QPushButton *m_searchAgain = nullptr;
    QPushButton *m_add = nullptr;
};
