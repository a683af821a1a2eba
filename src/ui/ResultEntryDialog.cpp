#include "ui/ResultEntryDialog.h"

#include "model/Plausibility.h"
#include "model/Registers.h"
#include "model/Text.h"
#include "ranking/Tables.h"
#include "ui/NameList.h"
#include "ui/Prompts.h"
#include "ui/Toolkit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace marvola {

namespace {

// The blocks of rows, top to bottom; each lists its group's disciplines.
constexpr std::array<Group, GroupCount> Blocks
    = {Group::BBP, Group::FP, Group::SBR, Group::BBR, Group::SBP};

constexpr int HitWidth = 52;
constexpr int FinalWidth = 34;

int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (base == 16 && u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (base == 16 && u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

bool fitsInt32(std::int64_t value)
{
    return value >= std::numeric_limits<std::int32_t>::min()
        && value <= std::numeric_limits<std::int32_t>::max();
}

std::optional<std::int32_t> sumOf(const std::array<std::int32_t, 4> &hits)
{
    std::int64_t sum = 0;
    for (const std::int32_t hit : hits) {
        sum += hit;
        if (!fitsInt32(sum))
            return std::nullopt;
    }
    return static_cast<std::int32_t>(sum);
}

QLabel *headerLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLineEdit *makeField(const QString &name, const QString &text, int width, QWidget *parent)
{
    auto *field = new QLineEdit(text, parent);
    field->setObjectName(name);
    field->setFixedWidth(width);
    field->setAlignment(Qt::AlignRight);
    return field;
}

} // namespace

std::optional<std::int32_t> textToInt(const QString &text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < n && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    } else if (i < n && (text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    }
    if (i == n)
        return std::nullopt;
    const std::int64_t limit
        = std::int64_t{std::numeric_limits<std::int32_t>::max()} + (negative ? 1 : 0);
    std::int64_t magnitude = 0;
    for (; i < n; ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

ResultEntryDialog::ResultEntryDialog(Kilpailu &kilpailu, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_kilpailu(kilpailu)
    , m_tulokset(tulokset)
{
    setWindowTitle(QStringLiteral("Add/Edit Results"));
    resize(808, 635);
    buildControls();
}

// Controls are created in Tab order: the name list, the rows left to right and top to bottom,
// then Exit.
void ResultEntryDialog::buildControls()
{
    QHBoxLayout *top = buildNameRow();
    QGridLayout *grid = buildGrid();
    QHBoxLayout *bottom = buildExitRow();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(bottom);

    for (const Row &row : m_rows)
        enableRow(row, false);
    m_nameList->setFocus();
}

QHBoxLayout *ResultEntryDialog::buildNameRow()
{
    m_nameList = new QComboBox(this);
    m_nameList->setObjectName(QStringLiteral("competitorNameList"));
    nameList::make(m_nameList);
    m_nameList->setMinimumWidth(260);
    toolkit::onNewText(m_nameList, this, [this] { showNamedCompetitor(); });
    m_kilpNumeroLabel = new QLabel(QStringLiteral("0"), this);
    m_kilpNumeroLabel->setObjectName(QStringLiteral("KilpNumeroLabel"));
    m_kilpNumero = new QLineEdit(QStringLiteral("0"), this);
    m_kilpNumero->setObjectName(QStringLiteral("KilpNumero"));
    m_kilpNumero->setVisible(false);
    auto *competitor = new QLabel(QStringLiteral("Competitor"), this);
    competitor->setBuddy(m_nameList);
    auto *top = new QHBoxLayout;
    top->addWidget(competitor);
    top->addWidget(m_nameList);
    top->addSpacing(12);
    top->addWidget(m_kilpNumeroLabel);
    top->addStretch(1);
    return top;
}

QGridLayout *ResultEntryDialog::buildGrid()
{
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    int line = 0;
    for (const Group g : Blocks)
        line = buildBlock(g, grid, line);
    // The rows keep their width; a wider window widens the margin on the right.
    grid->setColumnStretch(grid->columnCount(), 1);
    return grid;
}

QHBoxLayout *ResultEntryDialog::buildExitRow()
{
    m_shownName = new QLabel(this);
    m_shownName->setObjectName(QStringLiteral("shownName"));
    QFont bold = m_shownName->font();
    bold.setBold(true);
    m_shownName->setFont(bold);
    m_exitButton = new QPushButton(QStringLiteral("Exit"), this);
    m_exitButton->setObjectName(QStringLiteral("Exit"));
    // Enter in a field must never leave the dialog; Escape does, as Exit.
    m_exitButton->setAutoDefault(false);
    connect(m_exitButton, &QPushButton::clicked, this, &ResultEntryDialog::closeAndRefresh);
    toolkit::setCancelButton(this, m_exitButton);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(m_shownName);
    bottom->addSpacing(12);
    bottom->addWidget(m_exitButton);
    return bottom;
}

int ResultEntryDialog::buildBlock(Group g, QGridLayout *grid, int line)
{
    if (line > 0)
        grid->setRowMinimumHeight(line++, 8);
    int column = 1;
    for (const TargetInfo &target : Targets)
        grid->addWidget(headerLabel(QLatin1String(target.caption), this), line, column++);
    grid->addWidget(headerLabel(QStringLiteral("Total"), this), line, column++);
    grid->addWidget(headerLabel(QStringLiteral("Finals"), this), line, column, 1, FinaaliCount);
    ++line;
    for (const Laji d : Groups[static_cast<size_t>(ix(g))].members)
        buildRow(d, grid, line++);
    return line;
}

void ResultEntryDialog::buildRow(int d, QGridLayout *grid, int line)
{
    const QString code = disciplineCode(d);
    Row &row = m_rows[static_cast<size_t>(d)];
    row.d = d;
    grid->addWidget(new QLabel(code, this), line, 0);
    int column = 1;
    for (const TargetInfo &target : Targets) {
        QLineEdit *field
            = makeField(code + QLatin1String(target.field), QStringLiteral("0"), HitWidth, this);
        row.hits[static_cast<size_t>(ix(target.target))] = field;
        grid->addWidget(field, line, column++);
        toolkit::onNewText(field, this, [this, d, t = target.target] { storeHit(d, t); });
    }
    row.yhteensa
        = makeField(code + QStringLiteral("Yhteensa"), QStringLiteral("0"), HitWidth, this);
    QFont bold = row.yhteensa->font();
    bold.setBold(true);
    row.yhteensa->setFont(bold);
    grid->addWidget(row.yhteensa, line, column++);
    for (int k = 0; k < FinaaliCount; ++k) {
        QLineEdit *field
            = makeField(code + QStringLiteral("f%1").arg(k + 1), QString(), FinalWidth, this);
        field->setAlignment(Qt::AlignCenter);
        row.f[static_cast<size_t>(k)] = field;
        grid->addWidget(field, line, column++);
        toolkit::onNewText(field, this, [this, d, k] { storeFinal(d, k); });
    }
    row.clearFinals = new QPushButton(QStringLiteral("Clear Finals"), this);
    // The BBPS button has always carried this spelling.
    row.clearFinals->setObjectName(
        (d == BBPS ? QStringLiteral("ClarFinals") : QStringLiteral("ClearFinals")) + code);
    row.clearFinals->setAutoDefault(false);
    grid->addWidget(row.clearFinals, line, column);
    connect(row.clearFinals, &QPushButton::clicked, this, [this, d] { clearFinals(d); });
}

void ResultEntryDialog::setCompetitorNames(const QStringList &names)
{
    nameList::fill(m_nameList, names);
}

TKilpailija &ResultEntryDialog::shown()
{
    return m_kilpailu.kilpailijat[m_shownSlot];
}

void ResultEntryDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (const QScreen *screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    showFirstNumbered();
}

void ResultEntryDialog::showFirstNumbered()
{
    m_shownSlot = 1;
    for (int slot = 1; slot <= MaxKilpailijat; ++slot) {
        if (m_kilpailu.kilpailijat[slot].Numero != 0) {
            m_shownSlot = slot;
            break;
        }
    }
    const QString nimi = shown().Nimi.text();
    if (m_nameList->currentText() != nimi)
        m_nameList->setEditText(nimi);
    showResults();
    m_nameList->setFocus();
}

void ResultEntryDialog::showNamedCompetitor()
{
    // A name that matches nobody shows the last slot.
    const Str25 nimi(m_nameList->currentText());
    m_shownSlot = m_kilpailu.kilpailijat.slotByName(nimi.text()).value_or(MaxKilpailijat);
    const TKilpailija &k = shown();
    m_kilpNumero->setText(QString::number(k.Numero));
    m_shownName->setText(k.Nimi.text());
    m_kilpailu.Muutettu = true;
    showResults();
}

void ResultEntryDialog::showCompetitor(int slot, Laji d)
{
    m_nameList->setEditText(m_kilpailu.kilpailijat[slot].Nimi.text());
    showNamedCompetitor();
    QLineEdit *first = m_rows[static_cast<size_t>(d)].hits[0];
    first->setFocus();
    first->selectAll();
}

// Shows the stored values of every field. Filling a row whose hit texts change has the effect
// typing them would have: the total becomes the sum of the four stored hits. Nothing else is
// stored, and a field that held a text that is no number is simply replaced.
void ResultEntryDialog::showResults()
{
    TKilpailija &k = shown();
    m_kilpNumeroLabel->setText(QString::number(k.Numero));
    m_kilpNumero->setText(QString::number(k.Numero));

    bool textsChange = false;
    for (const Row &row : m_rows) {
        bool hitsChange = false;
        std::array<std::int32_t, 4> hits{};
        for (const TargetInfo &target : Targets) {
            const auto t = static_cast<size_t>(ix(target.target));
            hits[t] = k.hits(target.target, row.d);
            hitsChange |= row.hits[t]->text() != QString::number(hits[t]);
        }
        if (hitsChange) {
            if (const auto sum = sumOf(hits))
                k.Yhteensa[row.d] = *sum;
        }
        textsChange |= hitsChange;
        for (int i = 0; i < FinaaliCount; ++i)
            textsChange |= row.f[static_cast<size_t>(i)]->text()
                != k.f[static_cast<size_t>(i)][row.d].text();
    }

    m_filling = true;
    for (const Row &row : m_rows)
        fillRow(row);
    m_filling = false;
    if (textsChange)
        m_kilpailu.Muutettu = true;
}

void ResultEntryDialog::fillRow(const Row &row)
{
    const TKilpailija &k = shown();
    for (const TargetInfo &target : Targets)
        row.hits[static_cast<size_t>(ix(target.target))]->setText(
            QString::number(k.hits(target.target, row.d)));
    row.yhteensa->setText(QString::number(k.Yhteensa[row.d]));
    for (int i = 0; i < FinaaliCount; ++i)
        row.f[static_cast<size_t>(i)]->setText(k.f[static_cast<size_t>(i)][row.d].text());
    enableRow(row, k.Osallistuu[row.d]);
    markImplausible(row);
}

void ResultEntryDialog::markImplausible(const Row &row)
{
    const TKilpailija &k = shown();
    std::array<QStringList, 5> rules; // by ResultField
    if (k.Osallistuu[row.d]) {
        const std::int32_t shots = m_kilpailu.tiedot.shotCount(discipline(row.d).group);
        for (const ResultProblem &problem : checkResult(k, row.d, shots))
            rules[static_cast<size_t>(problem.field)] << problem.rule;
    }
    const std::array<QLineEdit *, 5> fields{
        row.hits[0], row.hits[1], row.hits[2], row.hits[3], row.yhteensa};
    for (size_t i = 0; i < fields.size(); ++i) {
        const bool implausible = !rules[i].isEmpty();
        QLineEdit *field = fields[i];
        if (field->property("implausible").toBool() == implausible
            && field->toolTip() == rules[i].join('\n'))
            continue;
        field->setProperty("implausible", implausible);
        field->setToolTip(rules[i].join('\n'));
        // A tint, not a refusal: the official may be typing the card in another order.
        field->setStyleSheet(implausible
                ? QStringLiteral("QLineEdit { background: #ffc9b0; border: 1px solid #c8502a; }")
                : QString());
    }
}

// The ten inputs of a row; its "Clear Finals" button stays enabled.
void ResultEntryDialog::enableRow(const Row &row, bool enabled)
{
    for (QLineEdit *field : row.hits)
        field->setEnabled(enabled);
    row.yhteensa->setEnabled(enabled);
    for (QLineEdit *field : row.f)
        field->setEnabled(enabled);
}

std::optional<std::int32_t> ResultEntryDialog::number(const QLineEdit *field)
{
    const auto value = textToInt(field->text());
    if (!value)
        prompts().error(
            this, QStringLiteral("''%1'' is not a valid integer value").arg(field->text()));
    return value;
}

void ResultEntryDialog::storeHit(int d, Target target)
{
    if (m_filling)
        return;
    const Row &row = m_rows[static_cast<size_t>(d)];
    TKilpailija &k = shown();
    const bool allFilled = std::none_of(
        row.hits.begin(), row.hits.end(), [](const QLineEdit *f) { return f->text().isEmpty(); });
    if (allFilled) {
        std::int64_t sum = 0;
        for (const QLineEdit *field : row.hits) {
            const auto hit = number(field);
            if (!hit)
                return;
            sum += *hit;
            if (!fitsInt32(sum)) {
                prompts().error(this, QStringLiteral("Integer overflow"));
                return;
            }
        }
        row.yhteensa->setText(QString::number(sum));
    }
    const QLineEdit *changed = row.hits[static_cast<size_t>(ix(target))];
    if (!changed->text().isEmpty()) {
        const auto hit = number(changed);
        if (!hit)
            return;
        k.hits(target, d) = *hit;
    }
    const auto total = number(row.yhteensa);
    if (!total)
        return;
    k.Yhteensa[d] = *total;
    m_kilpailu.Muutettu = true;
    markImplausible(row);
}

void ResultEntryDialog::storeFinal(int d, int k)
{
    if (m_filling)
        return;
    const QString text
        = singleLine(m_rows[static_cast<size_t>(d)].f[static_cast<size_t>(k)]->text());
    if (!text.isEmpty())
        shown().f[static_cast<size_t>(k)][d].setText(text);
    m_kilpailu.Muutettu = true;
}

void ResultEntryDialog::clearFinals(int d)
{
    const Row &row = m_rows[static_cast<size_t>(d)];
    for (int k = 0; k < FinaaliCount; ++k) {
        row.f[static_cast<size_t>(k)]->clear();
        Str2 &stored = shown().f[static_cast<size_t>(k)][d];
        if (!stored.isEmpty()) {
            stored.clear();
            m_kilpailu.Muutettu = true;
        }
    }
}

void ResultEntryDialog::closeAndRefresh()
{
    // A "p" in a standing small bore pistol shoot-off field is shown but never kept.
    const Row &sbps = m_rows[SBPS];
    for (int k = 0; k < FinaaliCount; ++k) {
        Str2 &stored = shown().f[static_cast<size_t>(k)][SBPS];
        if (sbps.f[static_cast<size_t>(k)]->text() == QLatin1String("p") && !stored.isEmpty()) {
            stored.clear();
            m_kilpailu.Muutettu = true;
        }
    }
    emit updateRequested();
    accept();
}

} // namespace marvola
