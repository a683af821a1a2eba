#include "ui/ResultEntryDialog.h"

#include "model/Plausibility.h"
#include "model/Registers.h"
#include "model/Text.h"
#include "ranking/Tables.h"
#include "session/MatchSession.h"
#include "ui/NameList.h"
#include "ui/Prompts.h"
#include "ui/Toolkit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
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

// Hit counts and totals: digits only, so a slip of the finger is not typed at all; nine digits
// keep every count a 32-bit number.
QLineEdit *makeNumberField(const QString &name, QWidget *parent)
{
    QLineEdit *field = makeField(name, QStringLiteral("0"), HitWidth, parent);
    static const QRegularExpression digits(QStringLiteral("[0-9]{0,9}"));
    field->setValidator(new QRegularExpressionValidator(digits, field));
    return field;
}

// A score card's barcode as the scanner types it: the competitor's number, "/", the
// discipline's code.
struct ScannedCard
{
    std::int32_t numero = 0;
    QString code;
};

std::optional<ScannedCard> scannedCard(const QString &text)
{
    static const QRegularExpression card(QStringLiteral("^\\s*([0-9]{1,9})/([A-Za-z]{1,8})\\s*$"));
    const QRegularExpressionMatch match = card.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return ScannedCard{match.captured(1).toInt(), match.captured(2).toUpper()};
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

ResultEntryDialog::ResultEntryDialog(MatchSession &session, Tulokset &tulokset, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_kilpailu(session.match())
    , m_tulokset(tulokset)
{
    setWindowTitle(tr("Add/Edit Results"));
    resize(808, 635);
    buildControls();
    watchHistoryKeys();
    // A refused entry (official results) is not in the match: the fields show what is.
    connect(&m_session, &MatchSession::refused, this, [this] {
        if (isVisible())
            showResults();
    });
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
    connect(m_nameList->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        const QString typed = m_nameList->currentText();
        if (scannedCard(typed))
            enterScannedCard(typed);
        else
            moveToFirstField();
    });
    m_kilpNumeroLabel = new QLabel(QStringLiteral("0"), this);
    m_kilpNumeroLabel->setObjectName(QStringLiteral("KilpNumeroLabel"));
    m_kilpNumero = new QLineEdit(QStringLiteral("0"), this);
    m_kilpNumero->setObjectName(QStringLiteral("KilpNumero"));
    m_kilpNumero->setVisible(false);
    auto *competitor = new QLabel(tr("Competitor"), this);
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
    m_exitButton = new QPushButton(tr("Exit"), this);
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
        grid->addWidget(
            headerLabel(QCoreApplication::translate("Disciplines", target.caption), this), line,
            column++);
    grid->addWidget(headerLabel(tr("Total"), this), line, column++);
    grid->addWidget(headerLabel(tr("Finals"), this), line, column, 1, FinaaliCount);
    ++line;
    for (const Laji d : Groups[static_cast<size_t>(ix(g))].members) {
        buildRow(d, grid, line++);
        m_screenOrder.push_back(d);
    }
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
        QLineEdit *field = makeNumberField(code + QLatin1String(target.field), this);
        row.hits[static_cast<size_t>(ix(target.target))] = field;
        grid->addWidget(field, line, column++);
        toolkit::onNewText(field, this, [this, d, t = target.target] { storeHit(d, t); });
        closeStepOnCommit(field);
        connect(field, &QLineEdit::returnPressed, this, [this, field] { moveToNextField(field); });
    }
    row.yhteensa = makeNumberField(code + QStringLiteral("Yhteensa"), this);
    QFont bold = row.yhteensa->font();
    bold.setBold(true);
    row.yhteensa->setFont(bold);
    grid->addWidget(row.yhteensa, line, column++);
    toolkit::onNewText(row.yhteensa, this, [this, d] { storeTotal(d); });
    closeStepOnCommit(row.yhteensa);
    connect(row.yhteensa, &QLineEdit::returnPressed, this,
        [this, field = row.yhteensa] { moveToNextField(field); });
    // Shoot-offs are rare: Tab passes them by, a click still reaches them.
    for (int k = 0; k < FinaaliCount; ++k) {
        QLineEdit *field
            = makeField(code + QStringLiteral("f%1").arg(k + 1), QString(), FinalWidth, this);
        field->setAlignment(Qt::AlignCenter);
        field->setFocusPolicy(Qt::ClickFocus);
        row.f[static_cast<size_t>(k)] = field;
        grid->addWidget(field, line, column++);
        toolkit::onNewText(field, this, [this, d, k] { storeFinal(d, k); });
        closeStepOnCommit(field);
    }
    row.clearFinals = new QPushButton(tr("Clear Finals"), this);
    // The BBPS button has always carried this spelling.
    row.clearFinals->setObjectName(
        (d == BBPS ? QStringLiteral("ClarFinals") : QStringLiteral("ClearFinals")) + code);
    row.clearFinals->setAutoDefault(false);
    row.clearFinals->setFocusPolicy(Qt::ClickFocus);
    grid->addWidget(row.clearFinals, line, column);
    connect(row.clearFinals, &QPushButton::clicked, this, [this, d] { clearFinals(d); });
}

// Enter, Tab or leaving the field commits it: what is typed next is another undo step.
void ResultEntryDialog::closeStepOnCommit(QLineEdit *field)
{
    connect(field, &QLineEdit::editingFinished, this, [this] { m_session.closeStep(); });
}

void ResultEntryDialog::setCompetitorNames(const QStringList &names)
{
    nameList::fill(m_nameList, names);
}

const TKilpailija &ResultEntryDialog::shown() const
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

// A typed name shows the lowest slot of that name; a typed number that no name reads shows the
// competitor of that number. Anything else shows the last slot.
int ResultEntryDialog::slotOfTypedText(const QString &typed) const
{
    const Str25 nimi(typed);
    if (const auto slot = m_kilpailu.kilpailijat.slotByName(nimi.text()))
        return *slot;
    // A card's barcode shows its competitor while the scanner is still typing it.
    if (const std::optional<ScannedCard> card = scannedCard(typed))
        if (const auto slot = m_kilpailu.kilpailijat.slotByNumber(card->numero))
            return *slot;
    bool isNumber = false;
    const int numero = typed.trimmed().toInt(&isNumber);
    if (isNumber && numero > 0)
        if (const auto slot = m_kilpailu.kilpailijat.slotByNumber(numero))
            return *slot;
    return MaxKilpailijat;
}

void ResultEntryDialog::showNamedCompetitor()
{
    m_shownSlot = slotOfTypedText(m_nameList->currentText());
    const TKilpailija &k = shown();
    m_kilpNumero->setText(QString::number(k.Numero));
    m_shownName->setText(k.Nimi.text());
    showResults();
}

void ResultEntryDialog::showSlot(int slot)
{
    m_nameList->setEditText(m_kilpailu.kilpailijat[slot].Nimi.text());
    showNamedCompetitor();
}

void ResultEntryDialog::showCompetitor(int slot, Laji d)
{
    showSlot(slot);
    const Row &row = m_rows[static_cast<size_t>(d)];
    // The cursor goes where the official has to look: the first field that breaks a rule.
    QLineEdit *target = row.hits[0];
    const TKilpailija &k = shown();
    const QList<ResultProblem> problems
        = checkResult(k, d, m_kilpailu.tiedot.shotCount(discipline(d).group));
    if (!problems.isEmpty())
        target = inputOf(row, problems.first().field);
    target->setFocus();
    target->selectAll();
}

void ResultEntryDialog::enterScannedCard(const QString &text)
{
    const std::optional<ScannedCard> card = scannedCard(text);
    int slot = 0;
    int d = -1;
    QString problem;
    if (!card) {
        problem = tr("%1 is not a score card's code: it reads NUMBER/DISCIPLINE, as 123/BBPR.")
                      .arg(text);
    } else {
        slot = m_kilpailu.kilpailijat.slotByNumber(card->numero).value_or(0);
        d = disciplineOfCode(card->code).value_or(-1);
        if (slot == 0)
            problem = tr("No competitor has the number %1 (score card %2).")
                          .arg(card->numero)
                          .arg(text);
        else if (d < 0)
            problem = tr("%1 is no discipline (score card %2).").arg(card->code, text);
        else if (!m_kilpailu.kilpailijat[slot].Osallistuu[d])
            problem = tr("Competitor %1 does not shoot %2 (score card %3).")
                          .arg(card->numero)
                          .arg(card->code, text);
    }
    if (!problem.isEmpty()) {
        prompts().error(this, problem);
        // The next scan replaces the text.
        m_nameList->setFocus();
        m_nameList->lineEdit()->selectAll();
        return;
    }
    showSlot(slot);
    QLineEdit *first = m_rows[static_cast<size_t>(d)].hits[0];
    first->setFocus();
    first->selectAll();
}

void ResultEntryDialog::showShootOff(int slot, Laji d)
{
    showSlot(slot);
    const Row &row = m_rows[static_cast<size_t>(d)];
    QLineEdit *target = row.f[0];
    for (QLineEdit *field : row.f) {
        if (field->text().isEmpty()) {
            target = field;
            break;
        }
    }
    target->setFocus();
    target->selectAll();
}

// Shows the stored values of every field. Showing stores nothing: the register is as it was.
void ResultEntryDialog::showResults()
{
    const TKilpailija &k = shown();
    m_kilpNumeroLabel->setText(QString::number(k.Numero));
    m_kilpNumero->setText(QString::number(k.Numero));
    m_filling = true;
    for (const Row &row : m_rows)
        fillRow(row);
    m_filling = false;
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

QLineEdit *ResultEntryDialog::inputOf(const Row &row, ResultField field)
{
    switch (field) {
    case ResultField::Kana: return row.hits[static_cast<size_t>(ix(Target::Kana))];
    case ResultField::Sika: return row.hits[static_cast<size_t>(ix(Target::Sika))];
    case ResultField::Kalkkuna: return row.hits[static_cast<size_t>(ix(Target::Kalkkuna))];
    case ResultField::Passi: return row.hits[static_cast<size_t>(ix(Target::Passi))];
    case ResultField::Yhteensa: break;
    }
    return row.yhteensa;
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
    for (const ResultField kind : {ResultField::Kana, ResultField::Sika, ResultField::Kalkkuna,
             ResultField::Passi, ResultField::Yhteensa}) {
        const QStringList &broken = rules[static_cast<size_t>(kind)];
        const bool implausible = !broken.isEmpty();
        QLineEdit *field = inputOf(row, kind);
        if (field->property("implausible").toBool() == implausible
            && field->toolTip() == broken.join('\n'))
            continue;
        field->setProperty("implausible", implausible);
        field->setToolTip(broken.join('\n'));
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

// The validator lets only digits in, so the text is a number or empty; empty counts as 0.
std::int32_t ResultEntryDialog::number(const QLineEdit *field)
{
    return textToInt(field->text()).value_or(0);
}

// One entry of the official: its edits join the field's undo step until the field is committed
// (Enter, Tab, leaving it), so "10" typed at any pace is one step.
void ResultEntryDialog::storeEntry(
    int d, const QString &field, const std::function<void(TKilpailija &)> &write)
{
    const int slot = m_shownSlot;
    const EditOrigin origin{QStringLiteral("office"),
        QStringLiteral("%1/%2/%3").arg(slot).arg(disciplineCode(d), field)};
    if (!m_session.edit([slot, &write](Kilpailu &k) { write(k.kilpailijat[slot]); }, origin)
             .isEmpty())
        emit resultStored();
}

void ResultEntryDialog::storeFinalValue(int d, int k, const QString &entry)
{
    storeEntry(
        d, QStringLiteral("f%1").arg(k + 1), [d, k, typed = Str2(entry)](TKilpailija &stored) {
            stored.f[static_cast<size_t>(k)][d] = typed;
        });
}

// A hit change makes the total the sum of the row's hits, the emptied field counting 0.
void ResultEntryDialog::storeHit(int d, Target target)
{
    if (m_filling)
        return;
    const Row &row = m_rows[static_cast<size_t>(d)];
    const TKilpailija &k = shown();
    std::array<std::int32_t, 4> hits{};
    for (const TargetInfo &info : Targets)
        hits[static_cast<size_t>(ix(info.target))] = k.hits(info.target, d);
    const std::int32_t typed = number(row.hits[static_cast<size_t>(ix(target))]);
    hits[static_cast<size_t>(ix(target))] = typed;
    const auto sum = sumOf(hits);
    if (!sum) {
        prompts().error(this, tr("Integer overflow"));
        return;
    }
    storeEntry(d, QLatin1String(Targets[static_cast<size_t>(ix(target))].field),
        [d, target, typed, sum](TKilpailija &k) {
            k.hits(target, d) = typed;
            k.Yhteensa[d] = *sum;
        });
    m_filling = true;
    row.yhteensa->setText(QString::number(*sum));
    m_filling = false;
    markImplausible(row);
}

// A typed total is kept as typed (a card may carry the total alone); the marks show when it
// disagrees with the hits.
void ResultEntryDialog::storeTotal(int d)
{
    if (m_filling)
        return;
    const Row &row = m_rows[static_cast<size_t>(d)];
    storeEntry(d, QStringLiteral("Yhteensa"),
        [d, total = number(row.yhteensa)](TKilpailija &k) { k.Yhteensa[d] = total; });
    markImplausible(row);
}

void ResultEntryDialog::storeFinal(int d, int k)
{
    if (m_filling)
        return;
    const QString text
        = singleLine(m_rows[static_cast<size_t>(d)].f[static_cast<size_t>(k)]->text());
    // Emptying a field keeps the entry: only "Clear Finals" removes entries.
    if (!text.isEmpty())
        storeFinalValue(d, k, text);
}

void ResultEntryDialog::clearFinals(int d)
{
    const Row &row = m_rows[static_cast<size_t>(d)];
    m_filling = true;
    for (QLineEdit *field : row.f)
        field->clear();
    m_filling = false;
    // The button's entries go as one step.
    m_session.closeStep();
    const int slot = m_shownSlot;
    const auto cleared = m_session.edit([slot, d](Kilpailu &k) {
        for (PerLaji<Str2> &entries : k.kilpailijat[slot].f)
            entries[d] = Str2();
    });
    if (!cleared.isEmpty())
        emit resultStored();
}

// Enter walks the row's hit fields and total, then the next entered discipline, and after the
// last one goes back to the competitor choice.
void ResultEntryDialog::moveToNextField(const QLineEdit *from)
{
    QWidget *next = nullptr;
    bool passed = from == nullptr;
    for (const int d : m_screenOrder) {
        const Row &row = m_rows[static_cast<size_t>(d)];
        const std::array<QLineEdit *, 5> inputs{
            row.hits[0], row.hits[1], row.hits[2], row.hits[3], row.yhteensa};
        for (QLineEdit *input : inputs) {
            if (passed && input->isEnabled()) {
                next = input;
                break;
            }
            passed |= input == from;
        }
        if (next)
            break;
    }
    if (!next) {
        m_nameList->setFocus(Qt::ShortcutFocusReason);
        m_nameList->lineEdit()->selectAll();
        return;
    }
    next->setFocus(Qt::TabFocusReason);
    static_cast<QLineEdit *>(next)->selectAll();
}

// Enter on the competitor choice goes to the first field of the first entered discipline.
void ResultEntryDialog::moveToFirstField()
{
    moveToNextField(nullptr);
}

void ResultEntryDialog::done(int result)
{
    // Every way out (Exit, Escape, the close box) leaves the register as Exit does, and the
    // rankings rebuilt from it.
    const Row &sbps = m_rows[SBPS];
    for (int k = 0; k < FinaaliCount; ++k) {
        // A "p" in a standing small bore pistol shoot-off field is shown but never kept.
        if (sbps.f[static_cast<size_t>(k)]->text() == QLatin1String("p"))
            storeFinalValue(SBPS, k, QString());
    }
    emit updateRequested();
    QDialog::done(result);
}

namespace {

enum class HistoryKey { None, Undo, Redo };

HistoryKey historyKey(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return HistoryKey::None;
    const auto *key = static_cast<const QKeyEvent *>(event);
    if (key->key() != Qt::Key_Z)
        return HistoryKey::None;
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier)
        return HistoryKey::Undo;
    if (modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
        return HistoryKey::Redo;
    return HistoryKey::None;
}

} // namespace

void ResultEntryDialog::watchHistoryKeys()
{
    installEventFilter(this);
    for (QWidget *child : findChildren<QWidget *>())
        child->installEventFilter(this);
}

bool ResultEntryDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (catchCardInHitField(watched, event))
        return true;
    const HistoryKey key = historyKey(event);
    if (key == HistoryKey::None)
        return QDialog::eventFilter(watched, event);
    // Claiming the shortcut keeps a line edit from taking the key as its own undo.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    undoEntry(key == HistoryKey::Redo);
    return true;
}

// A scanner types a card's text far faster than a hand: keys this close together, digits then
// "/", are a card scanned with the cursor in the wrong field.
constexpr qint64 ScannerKeyGapMs = 60;

bool ResultEntryDialog::catchCardInHitField(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *field = qobject_cast<QLineEdit *>(watched);
    const bool hitField = field && std::any_of(m_rows.begin(), m_rows.end(), [&](const Row &row) {
        return std::find(row.hits.begin(), row.hits.end(), field) != row.hits.end();
    });
    const QString text = static_cast<QKeyEvent *>(event)->text();
    if (!hitField || text.size() != 1)
        return false;
    const bool burst = m_burst.field == field && m_burst.lastKey.isValid()
        && m_burst.lastKey.elapsed() <= ScannerKeyGapMs;
    if (text.front().isDigit()) {
        if (!burst)
            m_burst = {field, field->text(), {}, {}};
        m_burst.digits += text;
        m_burst.lastKey.start();
        return false;
    }
    if (text != QLatin1String("/") || !burst || m_burst.digits.isEmpty())
        return false;
    const KeyBurst scanned = m_burst;
    m_burst = {};
    // The scanner's digits were stored as the field's open entry step: that step is taken back
    // whole, and what a hand had typed into the field before them is stored again.
    if (field->text() != scanned.textBefore && m_session.undo()) {
        emit resultStored();
        showResults();
    }
    if (field->text() != scanned.textBefore)
        field->setText(scanned.textBefore);
    m_session.closeStep();
    m_nameList->setFocus();
    m_nameList->setEditText(scanned.digits + text);
    showNamedCompetitor();
    return true;
}

void ResultEntryDialog::undoEntry(bool redo)
{
    const auto step = redo ? m_session.redo() : m_session.undo();
    if (!step)
        return;
    emit resultStored();
    if (step->slot < 1)
        return;
    int d = 0;
    for (int i = 0; i < LajiCount; ++i)
        if (disciplineCode(i) == step->discipline)
            d = i;
    showCompetitor(step->slot, static_cast<Laji>(d));
}

void ResultEntryDialog::closeAndRefresh()
{
    accept();
}

} // namespace marvola
