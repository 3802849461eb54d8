// A few objects made on demand and kept for reuse, found by key down a short
// list: the fonts and brushes the program asks for again and again are made
// once each. However many keys are asked for, it never holds more than
// Capacity objects: when full, the one used least recently makes room.
// The objects are owners (a Scoped handle, say), so letting one go is
// destroying it, once.
#pragma once
#include <algorithm>
#include <cstddef>
#include <utility>

template <typename Key, typename Object, size_t Capacity>
class KeptObjects {
public:
    // The object kept for `key`, or make()'s, kept from now on. When the list
    // is full the least recently used entry for which mayGo(object) holds
    // goes first; if none may go, nothing is made and the answer is nullptr.
    template <typename Make, typename MayGo>
    const Object* Find(const Key& key, Make make, MayGo mayGo)
    {
        for (size_t i = 0; i < Count; ++i)
            if (Entries[i].K == key) {
                std::rotate(Entries, Entries + i, Entries + i + 1);
                return &Entries[0].O;
            }
        if (Count == Capacity) {
            size_t last = Capacity;
            while (last > 0 && !mayGo(Entries[last - 1].O))
                --last;
            if (last == 0)
                return nullptr;
            // Let go before the next is made, so that there are never more.
            Entries[last - 1].O = Object();
            std::rotate(Entries + last - 1, Entries + last, Entries + Count);
            --Count;
        }
        // Made before it is counted: a make() that throws leaves no entry.
        Entries[Count].O = make();
        Entries[Count].K = key;
        std::rotate(Entries, Entries + Count, Entries + Count + 1);
        ++Count;
        return &Entries[0].O;
    }

    // The same where any object may go at any time.
    template <typename Make>
    const Object& Get(const Key& key, Make make)
    {
        return *Find(key, make, [](const Object&) { return true; });
    }

    size_t Size() const { return Count; }

private:
    struct Entry {
        Key K{};
        Object O;
    };
    Entry Entries[Capacity];  // the most recently used first
    size_t Count = 0;
};
