#include "ui/PrintDialog.h"

#include "model/Registers.h"
#include "output/ResultReport.h"
#include "ranking/Tables.h"
#include "ui/Toolkit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace marvola {

namespace {
constexpr int BoxColumns = 3;
}

TTulostus::TTulostus(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_kilpailu(kilpailu)
    , m_tulokset(tulokset)
{
    setWindowTitle(QStringLiteral("Print"));
    setObjectName(QStringLiteral("Tulostus"));
    RvSystem1.addRenderer(RvRenderPDF1);
    RvSystem1.addRenderer(RvRenderHTML1);

    auto *boxes = new QGridLayout;
    for (int b = 0; b < static_cast<int>(PrintBoxes.size()); ++b) {
        auto *box = new QGroupBox(QString::fromLatin1(PrintBoxes[static_cast<size_t>(b)]), this);
        auto *column = new QVBoxLayout(box);
        for (int i : listsInBox(b)) {
            const PrintList &list = PrintLists[static_cast<size_t>(i)];
            auto *check = new QCheckBox(QString::fromLatin1(list.caption), box);
            check->setObjectName(QLatin1String(list.checkBox));
            column->addWidget(check);
            m_boxes[static_cast<size_t>(i)] = check;
        }
        column->addStretch();
        boxes->addWidget(box, b / BoxColumns, b % BoxColumns);
    }

    auto *buttons = new QHBoxLayout;
    QPushButton *selectAll = addButton("ValitsekaikkiButton1", QStringLiteral("Select All"));
    QPushButton *clear = addButton("PoistavalinnatButton1", QStringLiteral("Clear selection"));
    QPushButton *print = addButton("TulostaButton1", QStringLiteral("Print"));
    QPushButton *close = addButton("LopetaButton2", QStringLiteral("Close"));
    for (QPushButton *button : {selectAll, clear})
        buttons->addWidget(button);
    buttons->addStretch();
    for (QPushButton *button : {print, close})
        buttons->addWidget(button);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addLayout(buttons);

    connect(selectAll, &QPushButton::clicked, this, [this] { ValitsekaikkiButton1Click(); });
    connect(clear, &QPushButton::clicked, this, [this] { PoistavalinnatButton1Click(); });
    connect(print, &QPushButton::clicked, this, [this] { TulostaButton1Click(); });
    connect(close, &QPushButton::clicked, this, [this] { LopetaButton2Click(); });
    toolkit::setCancelButton(this, close);
}

QPushButton *TTulostus::addButton(const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

PrintSelection TTulostus::selection() const
{
    PrintSelection selection;
    for (size_t i = 0; i < m_boxes.size(); ++i)
        selection.set(i, m_boxes[i]->isChecked());
    return selection;
}

void TTulostus::setAll(bool checked)
{
    for (QCheckBox *box : m_boxes)
        box->setChecked(checked);
}

void TTulostus::ValitsekaikkiButton1Click()
{
    setAll(true);
}

void TTulostus::PoistavalinnatButton1Click()
{
    setAll(false);
}

void TTulostus::TulostaButton1Click()
{
    ResultReport report(m_kilpailu.tiedot, m_tulokset, selection());
    RvSystem1.execute(this, report);
}

void TTulostus::LopetaButton2Click()
{
    close();
}

} // namespace marvola
