#pragma once

#include <QMap>

// Devices are addressed by their position in the device list, so everything kept per device index must
// follow when a device is removed or moved. These helpers give the new index of an old one and re-key
// whole maps the same way.
namespace IndexRekey {

// The index `key` has after the element at `removed` was taken out; -1 for the removed element itself.
constexpr int afterRemove(int key, int removed)
{
    if (key == removed)
        return -1;
    return key > removed ? key - 1 : key;
}

// The index `key` has after the element at `from` was taken out and inserted again at `to`.
constexpr int afterMove(int key, int from, int to)
{
    if (key == from)
        return to;
    if (from < to && key > from && key <= to)
        return key - 1;
    if (from > to && key >= to && key < from)
        return key + 1;
    return key;
}

template<typename Map>
void removeKey(Map &map, int removed)
{
    Map rekeyed;
    for (auto it = map.begin(); it != map.end(); ++it) {
        const int key = afterRemove(it.key(), removed);
        if (key >= 0)
            rekeyed.insert(key, it.value());
    }
    map.swap(rekeyed);
}

template<typename Map>
void moveKey(Map &map, int from, int to)
{
    Map rekeyed;
    for (auto it = map.begin(); it != map.end(); ++it)
        rekeyed.insert(afterMove(it.key(), from, to), it.value());
    map.swap(rekeyed);
}

} // namespace IndexRekey
