#include "sylvacserialdialog.h"

#include "links/ble/bleprotocol.h"
#include "links/ble/blereading.h"
#include "sylvaccycle.h"
#include "sylvacserialmanager.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSerialPort>
#include <QVBoxLayout>

SylvacSerialDialog::SylvacSerialDialog(const QStringList &candidatePorts, QWidget *parent)
    : QDialog(parent)
    , m_candidates(candidatePorts)
{
    setWindowTitle(tr("Додавання приладу Sylvac (провід)"));
    setMinimumWidth(420);

    auto *layout = new QVBoxLayout(this);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("statusLabel"));
    m_status->setStyleSheet(QStringLiteral("font-size: 16px; font-weight: bold; color: #222;"));
    layout->addWidget(m_status);

    auto *hint = new QLabel(tr("Програма сама визначить, до якого порту під'єднано прилад. Переконайтеся, що "
                               "кабель у роз'ємі, а прилад увімкнений."),
                            this);
    hint->setWordWrap(true);
    hint->setStyleSheet(QStringLiteral("color: #666;"));
    layout->addWidget(hint);

    m_detail = new QLabel(this);
    m_detail->setObjectName(QStringLiteral("detailLabel"));
    m_detail->setWordWrap(true);
    m_detail->setStyleSheet(QStringLiteral("font-size: 14px; color: #444; margin-top: 8px;"));
    layout->addWidget(m_detail);
    layout->addStretch();

    auto *buttons = new QHBoxLayout;
    m_searchAgain = new QPushButton(tr("Шукати знову"), this);
    m_searchAgain->setObjectName(QStringLiteral("searchAgainButton"));
    m_add = new QPushButton(tr("Додати"), this);
    m_add->setObjectName(QStringLiteral("addButton"));
    m_add->setEnabled(false);
    auto *cancel = new QPushButton(tr("Скасувати"), this);
    buttons->addWidget(m_searchAgain);
    buttons->addStretch();
    buttons->addWidget(m_add);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(m_searchAgain, &QPushButton::clicked, this, &SylvacSerialDialog::startListening);
    connect(m_add, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    startListening();
}

SylvacSerialDialog::~SylvacSerialDialog()
{
    stopListening();
}

void SylvacSerialDialog::done(int result)
{
    stopListening();
    QDialog::done(result);
}

void SylvacSerialDialog::startListening()
{
    stopListening();
    m_foundPort.clear();
    m_decimals = -1;
    m_add->setEnabled(false);
    m_add->setDefault(false);

    if (m_candidates.isEmpty()) {
        m_status->setText(tr("Немає вільних COM-портів"));
        m_detail->setText(tr("Усі порти вже зайняті іншими приладами."));
        m_searchAgain->setEnabled(false);
        return;
    }
    QStringList opened;
    for (const QString &port : std::as_const(m_candidates)) {
        auto *serial = new QSerialPort(this);
        serial->setPortName(port);
        if (!SylvacSerialManager::openCablePort(*serial, true)) {
            qDebug().noquote() << "[Sylvac-провід] не вдалося відкрити" << port << ":"
                               << serial->errorString();
            delete serial;
            continue;
        }
        m_listeners.insert(port, serial);
        m_buffers.insert(port, QByteArray());
        connect(serial, &QSerialPort::readyRead, this, [this, port] { onData(port); });
        opened.append(port);
    }
    m_status->setText(tr("Натисніть кнопку передачі на приладі"));
    m_detail->setText(opened.isEmpty() ? tr("Не вдалося відкрити жодного порту.")
                                       : tr("Слухаю порти: %1").arg(opened.join(QLatin1String(", "))));
}

void SylvacSerialDialog::stopListening(const QString &keep)
{
    for (auto it = m_listeners.begin(); it != m_listeners.end();) {
        if (it.key() == keep) {
            ++it;
            continue;
        }
        QSerialPort *serial = it.value();
        serial->disconnect(this);
        serial->close();
        serial->deleteLater();
        m_buffers.remove(it.key());
        it = m_listeners.erase(it);
    }
}

void SylvacSerialDialog::onData(const QString &port)
{
    QSerialPort *serial = m_listeners.value(port);
    if (!serial)
        return;
    const QStringList lines = splitSylvacLines(m_buffers[port], serial->readAll());
    if (!m_foundPort.isEmpty())
        return;
    for (const QString &line : lines) {
        BleReading reading;
        if (!parseSylvacValueLine(line, reading))
            continue;
        m_foundPort = port;
        m_decimals = sylvacDecimals(line);
        const int shown = m_decimals >= 0 ? m_decimals : 3;
        m_status->setText(tr("Прилад знайдено"));
        m_detail->setText(tr("Порт %1, значення %2 (%n знак(ів) після коми)", nullptr, m_decimals)
                              .arg(port, QString::number(reading.value, 'f', shown)));
        m_add->setEnabled(true);
        m_add->setDefault(true);
        // The instrument's own port stays open to the end: it is the dialog's result.
        stopListening(port);
        return;
    }
}
