// The registers of one match: competitors, teams, match information and the two counters.
#pragma once

#include "model/Extras.h"
#include "model/ListStatus.h"
#include "model/Records.h"
#include "model/Relays.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>

namespace marvola {

constexpr int MaxKilpailijat = 500;
constexpr int MaxJoukkueet = 100;

// Fixed slots numbered from 1; never resized or compacted. A slot is free when its name is empty.
template<typename Record, int Slots> class Register
{
public:
    static constexpr int SlotCount = Slots;

    Record &operator[](int slot) { return m_slots.at(static_cast<size_t>(slot - 1)); }
    const Record &operator[](int slot) const { return m_slots.at(static_cast<size_t>(slot - 1)); }

    // Lowest slot whose name is empty.
    std::optional<int> freeSlot() const
    {
        for (int slot = 1; slot <= Slots; ++slot)
            if ((*this)[slot].Nimi.isEmpty())
                return slot;
        return std::nullopt;
    }
    // Highest slot whose name is non-empty, or 0.
    int highestOccupied() const
    {
        for (int slot = Slots; slot >= 1; --slot)
            if (!(*this)[slot].Nimi.isEmpty())
                return slot;
        return 0;
    }
    // Lowest slot whose name equals the text exactly (case-sensitive).
    std::optional<int> slotByName(const QString &name) const
    {
        for (int slot = 1; slot <= Slots; ++slot)
            if ((*this)[slot].Nimi == name)
                return slot;
        return std::nullopt;
    }

private:
    std::array<Record, Slots> m_slots{};
};

class Kilpailijarekisteri : public Register<TKilpailija, MaxKilpailijat>
{
public:
    // Lowest slot of a named competitor with that number.
    std::optional<int> slotByNumber(std::int32_t numero) const
    {
        for (int slot = 1; slot <= SlotCount; ++slot)
            if ((*this)[slot].Numero == numero && !(*this)[slot].Nimi.isEmpty())
                return slot;
        return std::nullopt;
    }
};

class Joukkuerekisteri : public Register<TJoukkue, MaxJoukkueet>
{
};

// The match information; its texts have no length limit.
struct TKilpailunTiedot
{
    QString Seura;
    QString Paikka;
    QDate Alkupvm = QDate::currentDate();
    QDate LoppuPvm = QDate::currentDate();
    QString KilpJohtaja;
    QString Taso = QStringLiteral("Kans.");
    bool Ennatyskelpoinen = false;
    std::array<bool, GroupCount> Mukana{}; // BBPMukana, SBPMukana, ... by Group
    std::array<std::int32_t, GroupCount> Laukaukset{}; // BBPLaukaukset, ... by Group
    QString VanhaPvm;

    bool isShot(Group g) const { return Mukana[ix(g)]; }
    std::int32_t shotCount(Group g) const { return Laukaukset[ix(g)]; }
    // Records can be set at any level other than a national match.
    static bool recordsPossible(const QString &taso) { return taso != QStringLiteral("Kans."); }
};

// Everything the program knows about one match. The program holds one; a load reads into a fresh
// one and replaces the program's only when every file has been read.
struct Kilpailu
{
    Kilpailijarekisteri kilpailijat;
    Joukkuerekisteri joukkueet;
    TKilpailunTiedot tiedot;
    // Beside the match files, by competitor slot: member number, e-mail, shared gun, left hand.
    ExtrasRegister<MaxKilpailijat> extras;
    // Beside the match files too: the relays, where each entry shoots, and the lists' status
    // with the challenge window a posting gets.
    RelayPlan relayPlan;
    Assignments assignments;
    ListStatuses listStatus;
    int challengeMinutes = DefaultChallengeMinutes;
    std::int32_t ViimeNumero = 0;
    bool Muutettu = false;

    Kilpailu() { clearCompetitorRegister(); }

    // Clears the competitor register and ViimeNumero; teams and match information stay.
    void clearCompetitorRegister();

    // A new competitor in the lowest free slot with the next number; the other fields of the slot
    // keep what it held. Returns the slot; nothing, with the error and nothing changed, when the
    // register is full or no number is left.
    std::optional<int> addCompetitor(
        const QString &nimi, const QString &seura, const QString &maa, QString &error);
    // The same where the caller has its own message for a full register.
    std::optional<int> addCompetitor(const QString &nimi, const QString &seura, const QString &maa);
    // Takes the next competitor or team number (ViimeNumero + 1, a new team uses one up too);
    // nothing, with the error and ViimeNumero unchanged, when the last number was the largest.
    std::optional<std::int32_t> takeNextNumber(QString &error);
    // Empties name, club, nationality, entries and aggregate choices; everything else stays.
    void removeCompetitor(int slot);
};

} // namespace marvola
