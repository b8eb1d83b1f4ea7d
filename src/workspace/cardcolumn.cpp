#include "cardcolumn.h"

#include "device_visual.h"
#include "devices/deviceregistry.h"
#include "devices/formula.h"
#include "usermanager.h"

#include <QVBoxLayout>

CardColumn::CardColumn(DeviceRegistry &registry, QWidget *container, QVBoxLayout *layout, QObject *parent)
    : QObject(parent)
    , m_registry(registry)
    , m_container(container)
    , m_layout(layout)
{}

int CardColumn::indexOf(const Device_visual *card) const
{
    return int(m_cards.indexOf(const_cast<Device_visual *>(card)));
}

bool CardColumn::hasCard(int index) const
{
    return index >= 0 && index < m_cards.size() && index < m_registry.devices().size();
}

bool CardColumn::isSyncChecked(int index) const
{
    return index >= 0 && index < m_cards.size() && m_cards.at(index)->isSyncChecked();
}

void CardColumn::append(const DeviceRecord &record)
{
    auto *card = new Device_visual(record.name, record.type, m_container);
    card->setStatusText(Device_visual::statusTextFor(record));
    card->setZeroEnabled(record.type != ConnectionKind::HidKeyboard && record.type != ConnectionKind::Formula);
    card->setConnected(false);
    card->setPrecision(record.precision);
    card->setTolerance(0.0, record.measuringType, record.limitMin, record.limitMax);
    card->setOwner(UserManager::instance()->userName(record.userId));

    const auto withIndex = [this, card](void (CardColumn::*signal)(int)) {
        return [this, card, signal] {
            const int index = indexOf(card);
            if (index >= 0)
                emit(this->*signal)(index);
        };
    };
    connect(card, &Device_visual::zeroClicked, this, withIndex(&CardColumn::zeroClicked));
    connect(card, &Device_visual::statisticsRequested, this, withIndex(&CardColumn::statisticsRequested));
    connect(card, &Device_visual::dataClicked, this, withIndex(&CardColumn::dataClicked));
    connect(card, &Device_visual::cardClicked, this, withIndex(&CardColumn::cardClicked));
    connect(card, &Device_visual::memoryDumpRequested, this, withIndex(&CardColumn::memoryDumpRequested));
    connect(card, &Device_visual::syncToggled, this, &CardColumn::syncToggled);
    connect(card, &Device_visual::editRequested, this, &CardColumn::editRequested);
    connect(card, &Device_visual::deleteRequested, this, &CardColumn::deleteRequested);
    connect(card, &Device_visual::reorderRequested, this, &CardColumn::reorderRequested);

    m_cards.append(card);
    m_layout->addWidget(card);
    refreshLetters();
}

void CardColumn::remove(int index)
{
    if (index < 0 || index >= m_cards.size())
        return;
    Device_visual *card = m_cards.takeAt(index);
    m_layout->removeWidget(card);
    card->hide();
    card->deleteLater();
    refreshLetters();
}

void CardColumn::move(int from, int to)
{
    Device_visual *card = m_cards.at(from);
    m_cards.move(from, to);
    m_layout->removeWidget(card);
    m_layout->insertWidget(to, card);
    refreshLetters();
}

void CardColumn::refreshLetters()
{
    for (int i = 0; i < m_cards.size(); ++i) {
        Device_visual *card = m_cards.at(i);
        card->setLetter(card->kind() == ConnectionKind::Formula ? QString() : FormulaLetters::letterFor(i));
    }
}

void CardColumn::setSelected(int index)
{
    for (int i = 0; i < m_cards.size(); ++i)
        m_cards.at(i)->setSelected(i == index);
}

void CardColumn::toggleAllSync()
{
    const bool anyUnchecked = std::any_of(m_cards.cbegin(), m_cards.cend(),
                                          [](const Device_visual *card) { return !card->isSyncChecked(); });
    for (Device_visual *card : std::as_const(m_cards))
        card->setSyncChecked(anyUnchecked);
}

void CardColumn::refreshStatus(int index)
{
    if (hasCard(index))
        m_cards.at(index)->setStatusText(Device_visual::statusTextFor(m_registry.devices().at(index)));
}

void CardColumn::refreshLive()
{
    for (int i = 0; hasCard(i); ++i) {
        const DeviceRecord &record = m_registry.devices().at(i);
        m_cards.at(i)->setConnected(record.connected);
        if (record.connected && hasReading(record)) {
            m_cards.at(i)->setValue(displayValue(record));
            m_cards.at(i)->setTolerance(record.value, record.measuringType, record.limitMin, record.limitMax);
        } else if (record.connected && record.type == ConnectionKind::Formula) {
            // Every input is there, but the result is no number (a division by zero, say).
            m_cards.at(i)->setValue(Device_visual::kNoValue);
        }
    }
}

void CardColumn::refreshOwners()
{
    const UserManager *users = UserManager::instance();
    for (int i = 0; hasCard(i); ++i)
        m_cards.at(i)->setOwner(users->userName(m_registry.devices().at(i).userId));
}

void CardColumn::retranslate()
{
    for (int i = 0; i < m_cards.size(); ++i) {
        m_cards.at(i)->retranslate();
        refreshStatus(i);
    }
}
