#include "measuringsystem.h"

#include <QLabel>
#include <QVBoxLayout>

MeasuringSystem::MeasuringSystem(QWidget *parent)
    : QMainWindow(parent)
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    m_summary = new QLabel(central);
    m_summary->setAlignment(Qt::AlignCenter);
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);
    setCentralWidget(central);

    loadAdapters();
    loadDevices();
    retranslate();
}

void MeasuringSystem::retranslate()
{
    setWindowTitle(tr("KOVRAN — Вимірювальна система"));
    // Interim view until the card column and the tables are in place.
    m_summary->setText(tr("Приладів у конфігурації: %1").arg(m_registry.devices().size()) +
                       QStringLiteral("\n\n") +
                       tr("Картки приладів і таблиці вимірювань з'являться в наступній версії програми."));
}

void MeasuringSystem::loadDevices()
{
    m_registry.loadDevices();
}

void MeasuringSystem::saveDevices()
{
    m_registry.saveDevices();
}

void MeasuringSystem::loadAdapters()
{
    m_registry.loadAdapters();
}

void MeasuringSystem::saveAdapters()
{
    m_registry.saveAdapters();
}
