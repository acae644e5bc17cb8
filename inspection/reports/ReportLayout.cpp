#include "reports/ReportLayout.h"

#include "printing/RepPrintable.h"
#include "printing/ReportPage.h"

#include <algorithm>

namespace {
constexpr double LeftWidth = 105;
constexpr double RightLeft = 110;
// A caption wider than this breaks into lines rather than push the values over.
constexpr double MaxCaptionWidth = 50;
constexpr double CaptionGap = 3;

struct TColumnSpan {
    double Left, Width;
};
// By TReportColumn.
constexpr TColumnSpan Spans[] = {
    {0, TReportLayout::PageWidth}, {0, LeftWidth}, {RightLeft, TReportLayout::PageWidth - RightLeft}};

struct TRowStyle {
    int Size;
    bool Bold;
    // From the row above, in millimetres.
    double Gap;
    double Indent = 0;
};
// By TReportRowKind.
constexpr TRowStyle Styles[] = {
    {18, true, 0}, {14, true, 6}, {12, true, 3}, {10, true, 2.5}, {10, false, 1},
    {10, false, 1, 5}, {10, false, 1}, {9, false, 1.5}, {8, false, 1}, {10, false, 1.5},
};

bool IsField(const TReportRow &row) { return row.Kind == rkField || row.Kind == rkSubfield; }

TRepLabel *Label(const TReportRow &row) { return dynamic_cast<TRepLabel *>(row.Item); }

void Style(TRepLabel *label, const TRowStyle &style)
{
    label->Font()->SetSize(style.Size);
    label->Font()->SetStyle(style.Bold ? TFontStyles(fsBold) : 0);
    label->SetWordWrap(true);
}
} // namespace

TReportLayout::TReportLayout() = default;

TReportLayout::~TReportLayout() = default;

void TReportLayout::Add(const TReportRow &row)
{
    if (TRepLabel *label = Label(row))
        Style(label, Styles[row.Kind]);
    if (row.Value)
        Style(row.Value, Styles[row.Kind]);
    rows_ << row;
}

double TReportLayout::Arrange()
{
    const double valueLeft = ValueLeft();
    const QList<double> heights = NaturalHeights(valueLeft);
    double end = 0;
    const QList<TBlock> blocks = Blocks();
    for (qsizetype i = 0; i < blocks.size(); ++i) {
        const double top = i == 0 ? 0 : end + Gap(blocks[i], heights);
        end = top + Stack(blocks[i], heights, valueLeft, top, 0, true);
    }
    return end;
}

int TReportLayout::ArrangePages(double height)
{
    pieces_.clear();
    const double valueLeft = ValueLeft();
    const QList<double> heights = NaturalHeights(valueLeft);
    const QList<TBlock> blocks = Blocks();
    int page = 0;
    // The bottom of what the page holds so far; none yet at its top.
    double end = 0;
    bool empty = true;
    for (qsizetype i = 0; i < blocks.size(); ++i) {
        const TBlock &block = blocks[i];
        double gap = empty ? 0 : Gap(block, heights);
        if (!empty && end + gap + Lead(blocks, i, heights, valueLeft, height) > height) {
            ++page;
            gap = 0;
            end = 0;
        }
        const double top = end + gap;
        end = top + Stack(block, heights, valueLeft, top, page, true);
        // A value that passes the page's bottom is placed anew, over as many pages as it needs.
        if (end > height && GoesOn(block))
            end = PlaceOverPages(rows_[block.First], valueLeft, top, page, height);
        empty = false;
    }
    return page + 1;
}

double TReportLayout::ValueLeft() const
{
    double widest = 0;
    for (const TReportRow &row : rows_)
        if (IsField(row))
            widest = std::max(widest, Label(row)->TextWidth() + Styles[row.Kind].Indent);
    return std::min(widest, MaxCaptionWidth) + CaptionGap;
}

QList<double> TReportLayout::NaturalHeights(double valueLeft) const
{
    QList<double> heights;
    for (const TReportRow &row : rows_) {
        const TColumnSpan &span = Spans[row.Column];
        if (IsField(row))
            heights << std::max(Label(row)->TextHeight(valueLeft - CaptionGap - Styles[row.Kind].Indent),
                                row.Value->TextHeight(span.Width - valueLeft));
        else if (const TRepLabel *label = Label(row))
            heights << label->TextHeight(span.Width);
        else
            heights << row.Item->Height();
    }
    return heights;
}

QList<TReportLayout::TBlock> TReportLayout::Blocks() const
{
    QList<TBlock> blocks;
    for (qsizetype i = 0; i < rows_.size(); ++i)
        if (i == 0 || rows_[i].Column == rcPage || rows_[i - 1].Column == rcPage)
            blocks << TBlock{i, i + 1};
        else
            blocks.last().Last = i + 1;
    return blocks;
}

double TReportLayout::Gap(const TBlock &block, const QList<double> &heights) const
{
    // A row with nothing to show keeps no room either.
    return heights[block.First] > 0 ? Styles[rows_[block.First].Kind].Gap : 0;
}

double TReportLayout::Stack(const TBlock &block, const QList<double> &heights, double valueLeft, double top,
                            int page, bool place) const
{
    // The bottom of each column of the block so far.
    double bottoms[std::size(Spans)] = {};
    bool started[std::size(Spans)] = {};
    double end = top;
    for (qsizetype i = block.First; i < block.Last; ++i) {
        const TReportRow &row = rows_[i];
        const TRowStyle &style = Styles[row.Kind];
        const double gap = heights[i] > 0 ? style.Gap : 0;
        const double y = started[row.Column] ? bottoms[row.Column] + gap : top;
        if (place) {
            const TColumnSpan &span = Spans[row.Column];
            if (IsField(row)) {
                row.Item->SetBounds(span.Left + style.Indent, y, valueLeft - CaptionGap - style.Indent, heights[i]);
                row.Value->SetBounds(span.Left + valueLeft, y, span.Width - valueLeft, heights[i]);
                row.Value->SetFirstLine(0);
                row.Value->SetPageIndex(page);
            } else if (Label(row)) {
                row.Item->SetBounds(span.Left, y, span.Width, heights[i]);
            } else {
                row.Item->SetBounds(span.Left, y, row.Item->Width(), row.Item->Height());
            }
            row.Item->SetPageIndex(page);
        }
        bottoms[row.Column] = y + heights[i];
        started[row.Column] = true;
        end = std::max(end, bottoms[row.Column]);
    }
    return end - top;
}

double TReportLayout::Height(const QList<TBlock> &blocks, qsizetype first, qsizetype last,
                             const QList<double> &heights, double valueLeft) const
{
    double height = 0;
    for (qsizetype i = first; i < last; ++i)
        height += (i > first ? Gap(blocks[i], heights) : 0) + Stack(blocks[i], heights, valueLeft, 0, 0, false);
    return height;
}

double TReportLayout::Lead(const QList<TBlock> &blocks, qsizetype index, const QList<double> &heights,
                           double valueLeft, double height) const
{
    const TBlock &block = blocks[index];
    if (rows_[block.First].Kind == rkPart) {
        qsizetype end = index + 1;
        while (end < blocks.size() && rows_[blocks[end].First].Kind != rkPart)
            ++end;
        const double part = Height(blocks, index, end, heights, valueLeft);
        if (part <= height)
            return part;
    }
    if (GoesOn(block)) {
        const TReportRow &row = rows_[block.First];
        const QList<double> lines = row.Value->LineBottoms(Spans[row.Column].Width - valueLeft);
        const double caption = Label(row)->TextHeight(valueLeft - CaptionGap - Styles[row.Kind].Indent);
        return std::max(caption, lines.value(0));
    }
    return Stack(block, heights, valueLeft, 0, 0, false);
}

bool TReportLayout::GoesOn(const TBlock &block) const
{
    const TReportRow &row = rows_[block.First];
    return block.Last == block.First + 1 && row.Column == rcPage && IsField(row) && !row.Value->Caption().isEmpty();
}

double TReportLayout::PlaceOverPages(const TReportRow &row, double valueLeft, double top, int &page, double height)
{
    const TRowStyle &style = Styles[row.Kind];
    const TColumnSpan &span = Spans[row.Column];
    const double captionWidth = valueLeft - CaptionGap - style.Indent;
    const double captionHeight = Label(row)->TextHeight(captionWidth);
    row.Item->SetBounds(span.Left + style.Indent, top, captionWidth, captionHeight);
    row.Item->SetPageIndex(page);
    const int captionPage = page;

    const double width = span.Width - valueLeft;
    const QList<double> bottoms = row.Value->LineBottoms(width);
    TRepLabel *piece = row.Value;
    qsizetype first = 0;
    double start = 0, y = top;
    for (;;) {
        // One line at least, so that a line higher than a page still moves on.
        qsizetype last = first + 1;
        while (last < bottoms.size() && bottoms[last] - start <= height - y)
            ++last;
        const double pieceHeight = bottoms[last - 1] - start;
        piece->SetFirstLine(int(first));
        piece->SetBounds(span.Left + valueLeft, y, width, pieceHeight);
        piece->SetPageIndex(page);
        if (last >= bottoms.size())
            return page == captionPage ? std::max(y + pieceHeight, top + captionHeight) : y + pieceHeight;
        first = last;
        start = bottoms[last - 1];
        y = 0;
        ++page;
        pieces_.push_back(std::make_unique<TRepLabel>(nullptr));
        piece = pieces_.back().get();
        piece->SetFont(row.Value->Font());
        piece->SetWordWrap(true);
        piece->SetCaption(row.Value->Caption());
        piece->SetBand(row.Value->Band());
    }
}
