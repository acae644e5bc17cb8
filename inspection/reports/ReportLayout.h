#pragma once

#include <QList>

class TRepLabel;
class TRepPrintable;

// Where a row of a report lies across the page: the whole width, or the left or right column. Rows of the two
// columns that follow each other stand side by side.
enum TReportColumn { rcPage, rcLeft, rcRight };

// What a row holds, which sets its font and its distance from the row above.
enum TReportRowKind {
    rkTitle,    // the report's name
    rkPart,     // the heading of a part of the report
    rkHeading,  // the heading of a group of fields
    rkSection,  // a caption over the fields that belong to it
    rkField,    // a caption and its value beside it
    rkSubfield, // a field of a section, indented
    rkText,     // a text alone
    rkBanner,   // the banner line
    rkNote,     // a small text alone
    rkPicture,  // a picture, of its own size
};

struct TReportRow {
    TReportColumn Column;
    TReportRowKind Kind;
    // The caption, the text alone or the picture.
    TRepPrintable *Item;
    // A field's value.
    TRepLabel *Value = nullptr;
};

// Lays a band's rows out down the page, each text wrapped in its own place: the fields' values start where the
// widest caption ends, every row starts under the one above it in its column, and a block of side-by-side
// columns ends under the longer of them.
class TReportLayout {
public:
    static constexpr double PageWidth = 190;

    // Gives the row's labels its kind's font.
    void Add(const TReportRow &row);
    // The value that gives up room, down to one line, when the rows would pass the height they may take.
    void SetShrinking(TRepLabel *value) { shrinking_ = value; }
    // Places every row in the band from its top, in millimetres; answers the height the rows take.
    double Arrange(double height) const;

private:
    double ValueLeft() const;
    double NaturalHeight(const TReportRow &row, double valueLeft) const;
    // The rows stacked with these heights: where each one goes when placing, and the height they take.
    double Stack(const QList<double> &heights, double valueLeft, bool place) const;

    QList<TReportRow> rows_;
    TRepLabel *shrinking_ = nullptr;
};
