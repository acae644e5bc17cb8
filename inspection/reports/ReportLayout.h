#pragma once

#include <QList>
#include <memory>
#include <vector>

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

    TReportLayout();
    ~TReportLayout();
    TReportLayout(const TReportLayout &) = delete;
    TReportLayout &operator=(const TReportLayout &) = delete;

    // Gives the row's labels its kind's font.
    void Add(const TReportRow &row);
    // Places every row in the band from its top, in millimetres; answers the height the rows take.
    double Arrange();
    // Places the rows page after page of that height, each from the band's top: a part of the report (from its
    // heading to the next) that does not fit the rest of a page starts the next one, as does any other block of
    // rows, except the value of a field across the page, which fills the page and goes on at the top of the next
    // ones, as far as it needs. Answers the number of pages.
    int ArrangePages(double height);

private:
    // The rows of a block: one across the page, or the side-by-side ones that follow each other.
    struct TBlock {
        qsizetype First, Last;
    };

    double ValueLeft() const;
    // Per row, the height it takes when no page ends it: its texts' or its picture's.
    QList<double> NaturalHeights(double valueLeft) const;
    QList<TBlock> Blocks() const;
    // The distance of the block from the one above it.
    double Gap(const TBlock &block, const QList<double> &heights) const;
    // The rows of the block stacked from `top`, placed on the page when asked to; answers the height they take.
    double Stack(const TBlock &block, const QList<double> &heights, double valueLeft, double top, int page,
                 bool place) const;
    // The height the blocks from `first` to the one before `last` take one under the other.
    double Height(const QList<TBlock> &blocks, qsizetype first, qsizetype last, const QList<double> &heights,
                  double valueLeft) const;
    // What of the block must fit the rest of a page for it to start there.
    double Lead(const QList<TBlock> &blocks, qsizetype index, const QList<double> &heights, double valueLeft,
                double height) const;
    // Whether the block is a field across the page with a value that may go on over pages.
    bool GoesOn(const TBlock &block) const;
    // Places the field's caption and as many lines of its value as fit from `top` to the page's bottom, and the
    // rest of the value on the pages after it; moves `page` on to the last of them and answers the bottom there.
    double PlaceOverPages(const TReportRow &row, double valueLeft, double top, int &page, double height);

    QList<TReportRow> rows_;
    // The labels that carry on values over further pages, made by the last arrangement.
    std::vector<std::unique_ptr<TRepLabel>> pieces_;
};
