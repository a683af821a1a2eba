// Pieces shared by the new and edit competitor dialogs: the club and nationality lists, the
// hint under the name, and the upkeep of the competitor name lists of the two entry dialogs.
#pragma once

#include "files/ExtrasFile.h"
#include "model/Registers.h"
#include "model/Text.h"
#include "ui/ChoiceLists.h"
#include "ui/CompetitorEntryDialog.h"
#include "ui/NameList.h"
#include "ui/ResultEntryDialog.h"
#include "ui/Toolkit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace marvola::competitorForm {

// A free-text list whose items are suggestions, offered as the text is typed.
inline QComboBox *suggestionList(const char *name, const QStringList &items, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    toolkit::makeEditable(list);
    list->addItems(items);
    auto *completer = new QCompleter(items, list);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    list->setCompleter(completer);
    list->setEditText(QString());
    return list;
}

inline QComboBox *clubList(const char *name, QWidget *parent)
{
    return suggestionList(name, clubChoices(), parent);
}

inline QComboBox *nationalityList(const char *name, QWidget *parent)
{
    return suggestionList(name, nationalityChoices(), parent);
}

// Name, club and nationality show the lengths of their record fields.
inline void limitLengths(QLineEdit *nimi, QComboBox *seura, QComboBox *maa)
{
    toolkit::limitLength(nimi, Str25::Capacity);
    toolkit::limitLength(seura, Str10::Capacity);
    toolkit::limitLength(maa, Str3::Capacity);
}

inline QLabel *hint(QWidget *parent)
{
    auto *label = new QLabel(
        QCoreApplication::translate("marvola::CompetitorForm", "Muodossa: Sukunimi Etunimi"),
        parent);
    QFont small = label->font();
    small.setItalic(true);
    label->setFont(small);
    return label;
}

inline QPushButton *button(const char *name, const QString &caption, QWidget *parent)
{
    auto *pushButton = new QPushButton(caption, parent);
    pushButton->setObjectName(QLatin1String(name));
    // Only the dialog's default button answers Enter, wherever the focus is.
    pushButton->setAutoDefault(false);
    return pushButton;
}

// OK (the default button, answering Enter) and Cancel (pressed by Escape) at the right of a row
// under the form; the dialog connects their clicks.
struct OkCancel
{
    QPushButton *ok;
    QPushButton *cancel;
    QHBoxLayout *row;
};

inline OkCancel okCancel(QDialog *dialog, QLayout *form)
{
    OkCancel buttons{button("OK", QStringLiteral("OK"), dialog),
        button("cancelButton", QCoreApplication::translate("marvola::CompetitorForm", "Cancel"),
            dialog),
        new QHBoxLayout};
    buttons.ok->setDefault(true);
    toolkit::setCancelButton(dialog, buttons.cancel);
    buttons.row->addStretch(1);
    buttons.row->addWidget(buttons.ok);
    buttons.row->addWidget(buttons.cancel);
    auto *layout = new QVBoxLayout(dialog);
    layout->addLayout(form);
    layout->addLayout(buttons.row);
    return buttons;
}

// The competitor's fields kept beside the match files, under name, club and nationality.
struct ExtrasFields
{
    QLineEdit *memberNumber = nullptr;
    QLineEdit *email = nullptr;
    QLineEdit *sharesGunWith = nullptr;
    QCheckBox *leftHanded = nullptr;

    void addTo(QFormLayout *form, QWidget *parent)
    {
        const auto line = [parent](const char *name, qsizetype capacity) {
            auto *edit = new QLineEdit(parent);
            edit->setObjectName(QLatin1String(name));
            edit->setMaxLength(int(capacity));
            return edit;
        };
        memberNumber = line("memberNumber", MaxMemberNumberLength);
        email = line("email", MaxEmailLength);
        sharesGunWith = line("sharesGunWith", MaxSharesGunWithLength);
        sharesGunWith->setToolTip(QCoreApplication::translate("marvola::CompetitorForm",
            "Member or competitor numbers of those who shoot the same gun"));
        leftHanded = new QCheckBox(
            QCoreApplication::translate("marvola::CompetitorForm", "Left-handed"), parent);
        leftHanded->setObjectName(QStringLiteral("leftHanded"));
        form->addRow(
            QCoreApplication::translate("marvola::CompetitorForm", "Member number"), memberNumber);
        form->addRow(QCoreApplication::translate("marvola::CompetitorForm", "E-mail"), email);
        form->addRow(QCoreApplication::translate("marvola::CompetitorForm", "Shares gun with"),
            sharesGunWith);
        form->addRow(QString(), leftHanded);
    }
    void fill(const CompetitorExtras &extras)
    {
        memberNumber->setText(extras.memberNumber);
        email->setText(extras.email);
        sharesGunWith->setText(extras.sharesGunWith);
        leftHanded->setChecked(extras.leftHanded);
    }
    void clear() { fill(CompetitorExtras{}); }
    CompetitorExtras value() const
    {
        return {singleLine(memberNumber->text()).trimmed(), singleLine(email->text()).trimmed(),
            singleLine(sharesGunWith->text()).trimmed(), leftHanded->isChecked()};
    }
    // Empty, or one address: something, "@", a domain with a dot, no blanks. Mail to a mistyped
    // address never arrives, so it is caught while the competitor stands at the desk.
    bool emailValid() const
    {
        static const QRegularExpression address(QStringLiteral("^[^@\\s]+@[^@\\s]+\\.[^@\\s]+$"));
        const QString text = value().email;
        return text.isEmpty() || address.match(text).hasMatch();
    }
};

inline QString emailInvalid()
{
    return QCoreApplication::translate(
        "marvola::CompetitorForm", "The e-mail address is not valid.");
}

// A non-empty name that an occupied slot already holds.
inline bool nameTaken(const Kilpailijarekisteri &rekisteri, const QString &nimi)
{
    return !nimi.isEmpty() && rekisteri.slotByName(nimi).has_value();
}

inline void addName(
    CompetitorEntryDialog *competitorEntry, ResultEntryDialog *resultEntry, const QString &nimi)
{
    if (competitorEntry)
        toolkit::addSorted(competitorEntry->nameList(), nimi);
    if (resultEntry)
        toolkit::addSorted(resultEntry->nameList(), nimi);
}

inline void removeName(
    CompetitorEntryDialog *competitorEntry, ResultEntryDialog *resultEntry, const QString &nimi)
{
    if (competitorEntry)
        nameList::remove(competitorEntry->nameList(), nimi);
    if (resultEntry)
        nameList::remove(resultEntry->nameList(), nimi);
}

} // namespace marvola::competitorForm
