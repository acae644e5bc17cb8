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

void TReportLayout::Add(const TReportRow &row)
{
    if (TRepLabel *label = Label(row))
        Style(label, Styles[row.Kind]);
    if (row.Value)
        Style(row.Value, Styles[row.Kind]);
    rows_ << row;
}

double TReportLayout::Arrange(double height) const
{
    const double valueLeft = ValueLeft();
    QList<double> heights;
    for (const TReportRow &row : rows_)
        heights << NaturalHeight(row, valueLeft);
    const double over = Stack(heights, valueLeft, false) - height;
    if (over > 0 && shrinking_)
        for (qsizetype i = 0; i < rows_.size(); ++i)
            if (rows_[i].Value == shrinking_ || rows_[i].Item == shrinking_)
                heights[i] = std::max(heights[i] - over, shrinking_->LineHeight());
    return Stack(heights, valueLeft, true);
}

double TReportLayout::ValueLeft() const
{
    double widest = 0;
    for (const TReportRow &row : rows_)
        if (IsField(row))
            widest = std::max(widest, Label(row)->TextWidth() + Styles[row.Kind].Indent);
    return std::min(widest, MaxCaptionWidth) + CaptionGap;
}

double TReportLayout::NaturalHeight(const TReportRow &row, double valueLeft) const
{
    const TColumnSpan &span = Spans[row.Column];
    if (IsField(row))
        return std::max(Label(row)->TextHeight(valueLeft - CaptionGap - Styles[row.Kind].Indent),
                        row.Value->TextHeight(span.Width - valueLeft));
    if (const TRepLabel *label = Label(row))
        return label->TextHeight(span.Width);
    return row.Item->Height();
}

double TReportLayout::Stack(const QList<double> &heights, double valueLeft, bool place) const
{
    // The bottom of everything so far; the top of the current block and the bottom of each of its columns.
    double end = 0, top = 0;
    double bottoms[std::size(Spans)] = {};
    bool started[std::size(Spans)] = {};
    bool sideBySide = false;
    for (qsizetype i = 0; i < rows_.size(); ++i) {
        const TReportRow &row = rows_[i];
        const TRowStyle &style = Styles[row.Kind];
        // A row with nothing to show keeps no room either.
        const double gap = heights[i] > 0 ? style.Gap : 0;
        if (row.Column == rcPage || !sideBySide) {
            top = i == 0 ? 0 : end + gap;
            std::fill(std::begin(started), std::end(started), false);
            sideBySide = row.Column != rcPage;
        }
        const double y = started[row.Column] ? bottoms[row.Column] + gap : top;
        if (place) {
            const TColumnSpan &span = Spans[row.Column];
            if (IsField(row)) {
                row.Item->SetBounds(span.Left + style.Indent, y, valueLeft - CaptionGap - style.Indent, heights[i]);
                row.Value->SetBounds(span.Left + valueLeft, y, span.Width - valueLeft, heights[i]);
            } else if (Label(row)) {
                row.Item->SetBounds(span.Left, y, span.Width, heights[i]);
            } else {
                row.Item->SetBounds(span.Left, y, row.Item->Width(), row.Item->Height());
            }
        }
        bottoms[row.Column] = y + heights[i];
        started[row.Column] = true;
        end = std::max(end, bottoms[row.Column]);
    }
    return end;
}
