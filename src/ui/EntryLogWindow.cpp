#include "ui/EntryLogWindow.h"

#include "log/EntryLog.h"
#include "model/Disciplines.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTableView>
#include <QVBoxLayout>

#include <utility>

namespace marvola {

namespace {

QStringList captions()
{
    return {QCoreApplication::translate("marvola::EntryLogWindow", "Time"),
        QCoreApplication::translate("marvola::EntryLogWindow", "Source"),
        QCoreApplication::translate("marvola::EntryLogWindow", "Kind"),
        QCoreApplication::translate("marvola::EntryLogWindow", "Number"),
        QCoreApplication::translate("marvola::EntryLogWindow", "Discipline"),
        QCoreApplication::translate("marvola::EntryLogWindow", "Field"),
        QCoreApplication::translate("marvola::EntryLogWindow", "Old"),
        QCoreApplication::translate("marvola::EntryLogWindow", "New")};
}

QString logWord(const char *source)
{
    return QCoreApplication::translate("marvola::EntryLogWindow", source);
}

// The log's own words (sources, kinds, field names) as the official reads them; the log file and
// `--log` keep the stored words.
const std::pair<const char *, const char *> StoredWords[] = {
    {"office", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "office")},
    {"restore", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "restored")},
    {"batch", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "batch")},
    {"competitor", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "competitor")},
    {"team", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "team")},
    {"match", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "match")},
    {"open", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "open")},
    {"save", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "save")},
    {"saving", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "saving")},
    {"Numero", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "Number")},
    {"Nimi", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "Name")},
    {"Seura", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "Club")},
    {"Maa", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "Nationality")},
    {"Osallistuu", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "Entered")},
    {"Luokka", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "Class")},
    {"Ase", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "Gun")},
    {"Malli", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "Model")},
    {"Kaliiperi", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "Caliber")},
    {"Sijoitus", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "Position")},
    {"Kana", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "Chicken")},
    {"Sika", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "Pig")},
    {"Kalkkuna", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "Turkey")},
    {"Passi", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "Ram")},
    {"Yhteensa", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "Total")},
    {"Laji", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "Discipline")},
    {"Paikka", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "Place")},
    {"Alkupvm", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "First day")},
    {"LoppuPvm", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "Last day")},
    {"KilpJohtaja", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "Match Director")},
    {"Taso", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "Level")},
    {"Ennatyskelpoinen", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "Records")},
    {"Mukana", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "Group shot")},
    {"Laukaukset", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "Shots")},
    {"ViimeNumero", QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "Last number")},
};

QString shownWord(const QString &stored)
{
    for (const auto &[word, caption] : StoredWords)
        if (stored == QLatin1String(word))
            return logWord(caption);
    static const QString station = QStringLiteral("station:");
    if (stored.startsWith(station))
        return logWord(QT_TRANSLATE_NOOP("marvola::EntryLogWindow", "station %1"))
            .arg(stored.mid(station.size()));
    // f1..f5, Kilpailija1..3 and the aggregate choices keep their names.
    return stored;
}

// The source, kind and field columns in the window's language.
class ShownWordsModel : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override
    {
        const QVariant stored = QIdentityProxyModel::data(index, role);
        if (role != Qt::DisplayRole || !isWordColumn(index.column()))
            return stored;
        return shownWord(stored.toString());
    }

private:
    static bool isWordColumn(int column)
    {
        return column == SourceColumn || column == KindColumn || column == FieldColumn;
    }
    static constexpr int SourceColumn = 1;
    static constexpr int KindColumn = 2;
    static constexpr int FieldColumn = 5;
};

QLineEdit *filterEdit(const QString &name, const QString &placeholder, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setPlaceholderText(placeholder);
    edit->setClearButtonEnabled(true);
    return edit;
}

} // namespace

EntryLogWindow::EntryLogWindow(QWidget *parent)
    : QDialog(parent)
    , m_log(std::make_unique<EntryLog>())
{
    setObjectName(QStringLiteral("entryLogWindow"));
    setWindowTitle(tr("Entry log"));
    resize(900, 560);
    m_model = new QSqlQueryModel(this);
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("entryLogView"));
    auto *shown = new ShownWordsModel(this);
    shown->setSourceModel(m_model);
    m_view->setModel(shown);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setAlternatingRowColors(true);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    m_view->setWordWrap(false);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("entryLogStatusLabel"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildFilterRow());
    layout->addWidget(m_view, 1);
    layout->addWidget(m_status);
}

EntryLogWindow::~EntryLogWindow()
{
    // The model's query goes before the connection it reads.
    m_model->clear();
}

QWidget *EntryLogWindow::buildFilterRow()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_competitorFilter
        = filterEdit(QStringLiteral("competitorFilterEdit"), tr("Competitor or team number"), row);
    m_disciplineFilter = new QComboBox(row);
    m_disciplineFilter->setObjectName(QStringLiteral("disciplineFilterBox"));
    m_disciplineFilter->addItem(tr("All disciplines"), QString());
    for (int d = 0; d < LajiCount; ++d)
        m_disciplineFilter->addItem(disciplineCode(d), disciplineCode(d));
    m_sourceFilter = filterEdit(QStringLiteral("sourceFilterEdit"), tr("Source"), row);
    m_valueFilter = filterEdit(QStringLiteral("valueFilterEdit"), tr("Old or new value"), row);
    auto *refresh = new QPushButton(tr("Refresh"), row);
    refresh->setObjectName(QStringLiteral("refreshLogButton"));
    refresh->setAutoDefault(false);
    layout->addWidget(new QLabel(tr("Show"), row));
    layout->addWidget(m_competitorFilter);
    layout->addWidget(m_disciplineFilter);
    layout->addWidget(m_sourceFilter);
    layout->addWidget(m_valueFilter, 1);
    layout->addWidget(refresh);
    for (QLineEdit *edit : {m_competitorFilter, m_sourceFilter, m_valueFilter})
        connect(edit, &QLineEdit::textChanged, this, &EntryLogWindow::applyFilters);
    connect(
        m_disciplineFilter, &QComboBox::currentIndexChanged, this, &EntryLogWindow::applyFilters);
    connect(refresh, &QPushButton::clicked, this, &EntryLogWindow::applyFilters);
    return row;
}

void EntryLogWindow::showLog(const QString &logFileName)
{
    if (logFileName != m_log->fileName() || !m_log->isOpen()) {
        m_model->clear();
        m_log->close();
        QString error;
        if (!logFileName.isEmpty()
            && !m_log->open(logFileName, EntryLog::Access::ReadOnly, error)) {
            m_status->setText(error);
            return;
        }
    }
    applyFilters();
}

// Each filter uses an index that also gives the newest first, so the first page comes at once
// however long the log is; the model reads further pages as the view scrolls.
void EntryLogWindow::applyFilters()
{
    if (!m_log->isOpen()) {
        m_model->clear();
        m_status->setText(tr("No change of this match has been logged yet."));
        return;
    }
    QStringList conditions;
    QVariantList values;
    bool isNumber = false;
    const int number = m_competitorFilter->text().trimmed().toInt(&isNumber);
    if (isNumber) {
        conditions << QStringLiteral("number = ?");
        values << number;
    }
    const QString code = m_disciplineFilter->currentData().toString();
    if (!code.isEmpty()) {
        conditions << QStringLiteral("discipline = ?");
        values << code;
    }
    const QString source = m_sourceFilter->text().trimmed();
    if (!source.isEmpty()) {
        conditions << QStringLiteral("source = ?");
        values << source;
    }
    const QString value = m_valueFilter->text();
    if (!value.isEmpty()) {
        conditions << QStringLiteral("(old LIKE ? ESCAPE '\\' OR new LIKE ? ESCAPE '\\')");
        QString pattern = value;
        pattern.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
            .replace(QLatin1Char('%'), QLatin1String("\\%"))
            .replace(QLatin1Char('_'), QLatin1String("\\_"));
        pattern = QLatin1Char('%') + pattern + QLatin1Char('%');
        values << pattern << pattern;
    }
    QString sql = QStringLiteral("SELECT time, source, kind, CASE number WHEN 0 THEN '' ELSE "
                                 "number END, discipline, field, old, new FROM events");
    if (!conditions.isEmpty())
        sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    sql += QStringLiteral(" ORDER BY id DESC");

    QSqlQuery query(m_log->database());
    query.prepare(sql);
    for (const QVariant &v : values)
        query.addBindValue(v);
    query.exec();
    m_model->setQuery(std::move(query));
    if (m_model->lastError().isValid()) {
        m_status->setText(m_model->lastError().text());
        return;
    }
    for (int column = 0; column < captions().size(); ++column)
        m_model->setHeaderData(column, Qt::Horizontal, captions()[column]);
    m_view->setColumnWidth(
        0, m_view->fontMetrics().horizontalAdvance(QStringLiteral("2026-12-31 23:59:59.999")) + 16);
    m_view->setColumnWidth(3, 70);
    m_view->setColumnWidth(4, 80);
    m_status->setText(tr("Newest first; the log of %1 is read-only.")
                          .arg(QFileInfo(m_log->fileName()).fileName()));
}

} // namespace marvola
