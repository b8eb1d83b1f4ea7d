#pragma once

#include <QList>
#include <QObject>

class DeviceRegistry;
class Device_visual;
class QVBoxLayout;
class QWidget;
struct DeviceRecord;

// The column of instrument cards: one card per device, in device-list order, with the card whose records
// the mono page shows marked. Card signals come out with the card's index at the time of the signal, so
// they stay right after moves and deletes.
class CardColumn : public QObject
{
    Q_OBJECT

public:
    CardColumn(DeviceRegistry &registry, QWidget *container, QVBoxLayout *layout, QObject *parent);

    const QList<Device_visual *> &cards() const { return m_cards; }
    int indexOf(const Device_visual *card) const;
    bool isSyncChecked(int index) const;

    // A card for the device at the end of the list, shown off line.
    void append(const DeviceRecord &record);
    void remove(int index);
    void move(int from, int to);

    void setSelected(int index);
    // Ticks every sync box when any is unticked, otherwise unticks them all.
    void toggleAllSync();
    void refreshStatus(int index);
    // Connection dots, and the values and tolerance colours of devices that are on line and have one. A
    // new value changes the digits' width and so the card's layout: done on every reading, with two adapters
    // busy that is a layout pass every few milliseconds, so the cards follow this refresh instead.
    void refreshLive();
    void refreshOwners();
    void retranslate();

signals:
    void zeroClicked(int index);
    void statisticsRequested(int index);
    void dataClicked(int index);
    void cardClicked(int index);
    void memoryDumpRequested(int index);
    void syncToggled(bool checked);
    void editRequested(Device_visual *card);
    void deleteRequested(Device_visual *card);
    void reorderRequested(Device_visual *source, Device_visual *target);

private:
    bool hasCard(int index) const;
    // Instrument cards show the letters formulas name them by: their place in the column.
    void refreshLetters();

    DeviceRegistry &m_registry;
    QWidget *m_container;
    QVBoxLayout *m_layout;
    QList<Device_visual *> m_cards;
};
