#pragma once

#include <QHash>
#include <QStringView>

#include <algorithm>
#include <vector>

// Sequence numbers filed by a text each of them carries: a variable's name, its upper-case name or the
// part of it in front of the first point. The texts stay where they are and the index holds numbers
// only, in one flat array, so that filing the hundreds of thousands of names of a big parameter file
// costs no allocation per name. The caller says where a sequence number's text is (`key_of`), and
// keeps any chain of numbers filed under the same text itself: Insert hands back the number that it
// replaces.
class TSequenceIndex
{
public:
    void Reserve(int count)
    {
        if (count > d_count)
        {
            // Only the array grows here; the numbers already filed are placed again on the next Insert.
            d_wanted = count;
        }
    }

    // The sequence number last filed under `text`, or -1.
    template <typename TKeyOf> int Find(QStringView text, const TKeyOf& key_of) const
    {
        return d_slots.empty() ? -1 : d_slots[Slot(text, key_of)];
    }

    // Files `sequence` under its text; gives the number filed under the same text before, or -1.
    template <typename TKeyOf> int Insert(int sequence, const TKeyOf& key_of)
    {
        return File(sequence, key_of, true);
    }

    // Files `sequence` under its text unless a number is filed there already, which it gives instead;
    // -1 when `sequence` was filed.
    template <typename TKeyOf> int Find_Or_Insert(int sequence, const TKeyOf& key_of)
    {
        return File(sequence, key_of, false);
    }

private:
    static std::size_t Hash(QStringView text) { return qHash(text); }

    // The slot that holds `text`, else the free slot where it would go.
    template <typename TKeyOf> std::size_t Slot(QStringView text, const TKeyOf& key_of) const
    {
        const std::size_t mask = d_slots.size() - 1;
        std::size_t slot = Hash(text) & mask;
        while (d_slots[slot] >= 0 && key_of(d_slots[slot]) != text)
        {
            slot = (slot + 1) & mask;
        }
        return slot;
    }

    template <typename TKeyOf> int File(int sequence, const TKeyOf& key_of, bool replace)
    {
        if (static_cast<std::size_t>(std::max(d_count + 1, d_wanted)) * 2 > d_slots.size())
        {
            Grow(std::max(d_count + 1, d_wanted), key_of);
        }
        const std::size_t slot = Slot(key_of(sequence), key_of);
        const int filed = d_slots[slot];
        if (filed < 0)
        {
            ++d_count;
        }
        if (filed < 0 || replace)
        {
            d_slots[slot] = sequence;
        }
        return filed;
    }

    // At least twice as many slots as texts, a power of two.
    template <typename TKeyOf> void Grow(int count, const TKeyOf& key_of)
    {
        std::size_t size = 16;
        while (size < static_cast<std::size_t>(count) * 2)
        {
            size *= 2;
        }
        std::vector<int> old(size, -1);
        old.swap(d_slots);
        const std::size_t mask = size - 1;
        for (const int sequence : old)
        {
            if (sequence >= 0)
            {
                std::size_t slot = Hash(key_of(sequence)) & mask;
                while (d_slots[slot] >= 0)
                {
                    slot = (slot + 1) & mask;
                }
                d_slots[slot] = sequence;
            }
        }
    }

    std::vector<int> d_slots; // sequence numbers, -1 where free
    int d_count = 0;          // texts filed
    int d_wanted = 0;         // texts expected, from Reserve
};
