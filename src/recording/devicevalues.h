#pragma once

#include <QList>

#include <algorithm>
#include <initializer_list>
#include <utility>

// Device index -> value for one snapshot, kept as one sorted array. A snapshot holds a handful of values
// and a shift records hundreds of thousands of snapshots, so this costs one small allocation per
// snapshot where a QMap costs two plus a tree node per value. The interface is the part of QMap's the
// recording uses.
class DeviceValues
{
    using Entry = std::pair<int, double>;

public:
    class const_iterator
    {
    public:
        explicit const_iterator(const Entry *entry = nullptr) : m_entry(entry) { }
        int key() const { return m_entry->first; }
        double value() const { return m_entry->second; }
        double operator*() const { return m_entry->second; }
        const_iterator &operator++()
        {
            ++m_entry;
            return *this;
        }
        bool operator==(const const_iterator &other) const { return m_entry == other.m_entry; }
        bool operator!=(const const_iterator &other) const { return m_entry != other.m_entry; }

    private:
        const Entry *m_entry;
    };
    using iterator = const_iterator;

    DeviceValues() = default;
    DeviceValues(std::initializer_list<Entry> entries)
    {
        for (const Entry &entry : entries)
            insert(entry.first, entry.second);
    }

    // Replaces the value of a device that already has one.
    void insert(int device, double value)
    {
        const auto it = lowerBound(device);
        if (it != m_entries.cend() && it->first == device)
            m_entries[it - m_entries.cbegin()].second = value;
        else
            m_entries.insert(it - m_entries.cbegin(), Entry(device, value));
    }

    const_iterator constFind(int device) const
    {
        const auto it = lowerBound(device);
        return it != m_entries.cend() && it->first == device ? const_iterator(&*it) : cend();
    }
    bool contains(int device) const { return constFind(device) != cend(); }
    double value(int device, double fallback = 0.0) const
    {
        const const_iterator it = constFind(device);
        return it != cend() ? it.value() : fallback;
    }

    bool isEmpty() const { return m_entries.isEmpty(); }
    qsizetype size() const { return m_entries.size(); }
    void swap(DeviceValues &other) noexcept { m_entries.swap(other.m_entries); }

    const_iterator cbegin() const { return const_iterator(m_entries.constData()); }
    const_iterator cend() const { return const_iterator(m_entries.constData() + m_entries.size()); }
    const_iterator begin() const { return cbegin(); }
    const_iterator end() const { return cend(); }

    bool operator==(const DeviceValues &other) const { return m_entries == other.m_entries; }
    bool operator!=(const DeviceValues &other) const { return !(*this == other); }

private:
    QList<Entry>::const_iterator lowerBound(int device) const
    {
        return std::lower_bound(m_entries.cbegin(), m_entries.cend(), device,
                                [](const Entry &entry, int key) { return entry.first < key; });
    }

    QList<Entry> m_entries;
};
