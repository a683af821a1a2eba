// The 28 printed lists: their check boxes, group boxes and the order in which they print.
#pragma once

#include "model/Disciplines.h"

#include <QString>
#include <QStringList>

#include <array>
#include <bitset>
#include <optional>

namespace marvola {

enum class ListKind { Discipline, Aggregate, Team };

struct PrintList
{
    ListKind kind;
    int which; // discipline index, Aggregate or TeamGroup
    const char *checkBox; // object name of the check box
    const char *caption; // check box caption, also the name --lists takes
    int box; // group box, an index into PrintBoxes
    int row; // place in the group box, from the top
};

constexpr int PrintListCount = 28;

// In printing order: discipline lists, aggregate lists, team lists.
extern const std::array<PrintList, PrintListCount> PrintLists;

// Captions of the print dialog's group boxes, top to bottom.
extern const std::array<const char *, 6> PrintBoxes;

// Which lists are checked, by index into PrintLists.
using PrintSelection = std::bitset<PrintListCount>;

// The lists of one group box, in the order the dialog shows them.
QList<int> listsInBox(int box);

// The caption of the list of that kind and discipline, aggregate or team group.
QString printListCaption(ListKind kind, int which);

// The captions of all lists in printing order, separated by commas.
QString allListCaptions();

// "all", or check-box captions separated by commas; on an unknown caption the error names it.
std::optional<PrintSelection> parsePrintSelection(const QString &text, QString &error);

} // namespace marvola
