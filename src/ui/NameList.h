// The competitor name lists of the entry dialogs: sorted names, an editable text, completion.
#pragma once

#include "ui/Toolkit.h"

#include <QCollator>
#include <QComboBox>
#include <QCompleter>
#include <QSignalBlocker>
#include <QStringList>

#include <algorithm>

namespace marvola::nameList {

// An editable list whose typed text offers the names that begin with it. Picking an offered name
// counts as the user's choice of that item, so the list's change handler runs with the full name.
inline void make(QComboBox *list)
{
    toolkit::makeEditable(list);
    auto *completer = new QCompleter(list->model(), list);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    list->setCompleter(completer);
}

// Replaces the names (fillCompetitorNameLists), in the order toolkit::addSorted keeps; the typed
// text stays and no handler runs.
inline void fill(QComboBox *list, const QStringList &names)
{
    QStringList sorted = names;
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseSensitive);
    std::stable_sort(sorted.begin(), sorted.end(),
        [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
    const QString shown = list->currentText();
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItems(sorted);
    if (list->currentText() != shown)
        list->setEditText(shown);
}

// Deletes the first item that reads name, if the list holds it.
inline void remove(QComboBox *list, const QString &name)
{
    const int position = list->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (position < 0)
        return;
    const QString shown = list->currentText();
    list->removeItem(position);
    if (list->currentText() != shown)
        list->setEditText(shown);
}

} // namespace marvola::nameList
