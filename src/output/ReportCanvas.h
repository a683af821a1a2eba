// The page canvas the printed lists are laid out on, and the two callbacks of a report run.
#pragma once

#include "ranking/ListColumns.h" // Align

#include <QString>

#include <functional>

namespace marvola {

// Positions and widths are in inches from the page's left and top edge; y is the text baseline.
class ReportCanvas
{
public:
    virtual ~ReportCanvas() = default;

    // Font name and size in points; the line height follows the size (points / 60 inches).
    virtual void setFont(const QString &name, double points) = 0;
    virtual void setBold(bool on) = 0;
    // Moves the print position; the line counter stays.
    virtual void gotoXY(double x, double y) = 0;
    // Prints left-aligned at the print position and leaves x after the text.
    virtual void print(const QString &text) = 0;
    // x to the left edge of the printable area, y one line down, line counter plus 1, next column
    // text into the first column.
    virtual void newLine() = 0;
    virtual void clearTabs() = 0;
    virtual void addTab(double left, Align align, double width) = 0;
    // Prints into the next column, cut at its end to the column's width; an empty text still
    // takes the column.
    virtual void printTab(const QString &text) = 0;
    // Ends the page; the next begins with line counter 1 and its page header.
    virtual void newPage() = 0;
    virtual int lineNum() const = 0;
    // How many more lines fit below the print position inside the page's printable area, so a
    // row is never printed below the page.
    virtual int linesLeft() const = 0;
};

// The page header runs at the start of every page, the body once per run.
struct ReportCallbacks
{
    std::function<void(ReportCanvas &)> printHeader;
    std::function<void(ReportCanvas &)> print;
    // The document title of a PDF or HTML file; "Results" when empty.
    QString title;
};

} // namespace marvola
