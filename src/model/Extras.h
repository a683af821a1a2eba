// What the match office keeps about a competitor that the four match files have no room for:
// member number, e-mail, who the competitor shares a gun with, left-handedness. Kept beside the
// set (see files/ExtrasFile.h) and changed, logged and undone like every other field.
#pragma once

#include <QString>

#include <array>

namespace marvola {

struct CompetitorExtras
{
    QString memberNumber;
    QString email;
    // Member or competitor numbers, separated by blanks or commas, as the office typed them.
    QString sharesGunWith;
    bool leftHanded = false;

    bool isEmpty() const
    {
        return memberNumber.isEmpty() && email.isEmpty() && sharesGunWith.isEmpty() && !leftHanded;
    }
    friend bool operator==(const CompetitorExtras &, const CompetitorExtras &) = default;
};

// By competitor slot, numbered from 1 like the register (Kilpailu::extras).
template<int Slots> class ExtrasRegister
{
public:
    CompetitorExtras &operator[](int slot) { return m_slots.at(static_cast<size_t>(slot - 1)); }
    const CompetitorExtras &operator[](int slot) const
    {
        return m_slots.at(static_cast<size_t>(slot - 1));
    }
    void clear() { m_slots.fill(CompetitorExtras{}); }
    bool isEmpty() const
    {
        for (const CompetitorExtras &e : m_slots)
            if (!e.isEmpty())
                return false;
        return true;
    }

private:
    std::array<CompetitorExtras, Slots> m_slots{};
};

} // namespace marvola
