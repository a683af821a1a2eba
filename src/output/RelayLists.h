// The printed lists of the relays: the start lists in three orders and the cards not returned.
#pragma once

#include "output/PrintLists.h"
#include "output/ReportCanvas.h"

#include <QString>

#include <array>
#include <bitset>
#include <functional>
#include <optional>

namespace marvola {

struct Kilpailu;

enum class RelayListKind { ByRelay, ByClub, ByCompetitor, CardsNotReturned };

struct RelayPrintList
{
    RelayListKind kind;
    const char *checkBox; // object name of the check box
    const char *caption; // source text in the "RelayLists" context, also the name --lists takes
};

constexpr int RelayPrintListCount = 4;

// In printing order; they print after the result lists.
extern const std::array<RelayPrintList, RelayPrintListCount> RelayPrintLists;

// Which relay lists are checked, by index into RelayPrintLists.
using RelayListSelection = std::bitset<RelayPrintListCount>;

// What a print takes: the result lists and the relay lists.
struct ListSelection
{
    PrintSelection results;
    RelayListSelection relays;
};

// "all" (the result lists: a match without relays prints as it always has), or captions of
// either table separated by commas; on an unknown caption the error names it.
std::optional<ListSelection> parseListSelection(const QString &text, QString &error);

// The checked relay lists of the match, each starting a page after the first; the cards not
// returned are those of relays ended by nowMinute (minutes after midnight); listDone is called as
// each list is done.
void printRelayLists(ReportCanvas &canvas, const Kilpailu &match, RelayListSelection selection,
    int nowMinute, bool startsOnNewPage, const std::function<void()> &listDone = {});

} // namespace marvola
