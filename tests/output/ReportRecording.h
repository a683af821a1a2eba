// Runs the printed report on a recording canvas and finds what was printed where.
#pragma once

#include "model/Registers.h"
#include "output/ReportEngine.h"
#include "output/ResultReport.h"
#include "ranking/Tables.h"
#include "support/QtPrinters.h"

#include <QTextStream>

#include <initializer_list>
#include <memory>

namespace marvola::testing {

// 8:05:03 on 9 December 2026.
inline QDateTime reportTime()
{
    return QDateTime(QDate(2026, 12, 9), QTime(8, 5, 3));
}

// One printed text and the page (from 1) it is on.
struct Printed
{
    int page = 0;
    ReportText text;
};

class Recording
{
public:
    explicit Recording(ReportDocument document)
        : m_document(std::move(document))
    { }

    const ReportDocument &document() const { return m_document; }
    int pageCount() const { return static_cast<int>(m_document.pages.size()); }
    const QList<ReportText> &page(int number) const
    {
        return m_document.pages.at(number - 1).texts;
    }

    // Every printing of exactly this text, in printing order.
    QList<Printed> find(const QString &text) const
    {
        QList<Printed> found;
        for (int p = 0; p < pageCount(); ++p)
            for (const ReportText &t : m_document.pages.at(p).texts)
                if (t.text == text)
                    found << Printed{p + 1, t};
        return found;
    }
    Printed only(const QString &text) const
    {
        const QList<Printed> found = find(text);
        return found.size() == 1 ? found.first() : Printed{};
    }
    // The texts of one line of a page, left to right as printed.
    QStringList line(int pageNumber, int lineNumber) const
    {
        QStringList texts;
        for (const ReportText &t : page(pageNumber))
            if (t.line == lineNumber)
                texts << t.text;
        return texts;
    }

private:
    ReportDocument m_document;
};

inline PrintSelection selectLists(std::initializer_list<const char *> captions)
{
    QString error;
    QStringList names;
    for (const char *caption : captions)
        names << QString::fromUtf8(caption);
    return *parsePrintSelection(names.join(QLatin1Char(',')), error);
}

inline Recording recordReport(const TKilpailunTiedot &tiedot, Tulokset &tulokset,
    PrintSelection selection, const PageGeometry &geometry = PageGeometry::a4())
{
    ResultReport report(tiedot, tulokset, selection, &reportTime);
    QtTextMeasurer measurer;
    return Recording(generateReport(geometry, measurer, report.callbacks()));
}

// A readable, exact account of a document: one line per printed text.
inline QString dumpDocument(const ReportDocument &document)
{
    QString out;
    QTextStream s(&out);
    s << "paper " << document.geometry.size.width() << " x " << document.geometry.size.height()
      << "\n";
    for (int p = 0; p < document.pages.size(); ++p) {
        s << "page " << p + 1 << "\n";
        for (const ReportText &t : document.pages.at(p).texts)
            s << "  line " << t.line << " x " << QString::number(t.x, 'f', 3) << " y "
              << QString::number(t.y, 'f', 3) << " " << t.font.name << " " << t.font.points
              << (t.font.bold ? " bold" : "") << " |" << t.text << "|\n";
    }
    return out;
}

inline std::unique_ptr<Tulokset> emptyTables()
{
    return std::make_unique<Tulokset>();
}

} // namespace marvola::testing
