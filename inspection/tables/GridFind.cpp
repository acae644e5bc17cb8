#include "tables/GridRows.h"

#include "controls/StringGrid.h"
#include "rtl/SysUtils.h"

namespace {

// The matching works on views, so a search through many rows copies no text per row.

int WildcardPosIn(QStringView pattern, QStringView text)
{
    if (!pattern.contains(u'?'))
        return pattern.isEmpty() ? 0 : int(text.indexOf(pattern)) + 1;
    for (qsizetype k = 0; k + pattern.size() <= text.size(); ++k) {
        qsizetype j = 0;
        while (j < pattern.size() && (pattern[j] == u'?' || pattern[j] == text[k + j]))
            ++j;
        if (j == pattern.size())
            return int(k) + 1;
    }
    return 0;
}

qsizetype CutAtStarIn(QStringView &pattern)
{
    const qsizetype star = pattern.indexOf(u'*');
    if (star < 0)
        return 0;
    pattern.truncate(star);
    return star + 1;
}

// The last characters of text against segment, "?" matching any.
bool EndsWithSegment(QStringView text, QStringView segment)
{
    const qsizetype offset = text.size() - segment.size();
    for (qsizetype j = segment.size() - 1; j >= 0; --j)
        if (segment[j] != u'?' && segment[j] != text[offset + j])
            return false;
    return true;
}

// The mask walk after the exact and lone-star tests, on text and mask already in the case to compare.
bool WalkMask(QStringView text, QStringView mask)
{
    if (mask.isEmpty() || text.isEmpty())
        return false;
    qsizetype i = 0, p = 0;
    for (;;) {
        if (mask[i] == text[p] || mask[i] == u'?') {
            ++i;
            ++p;
        } else if (mask[i] == u'*') {
            QStringView segment = mask.mid(i + 1);
            const qsizetype star = CutAtStarIn(segment);
            if (star == 0)
                return segment.isEmpty() ||
                       (text.size() - p >= segment.size() && EndsWithSegment(text, segment));
            const int k = WildcardPosIn(segment, text.mid(p));
            if (k == 0)
                return false;
            p += k - 1 + segment.size();
            i += star;
        } else {
            return false;
        }
        if (p >= text.size() || i >= mask.size()) {
            if (p < text.size())
                return false;
            return i >= mask.size() || mask.back() == u'*';
        }
    }
}

QString CollapsedStars(QString mask)
{
    while (mask.contains(QStringLiteral("**")))
        mask.replace(QStringLiteral("**"), QStringLiteral("*"));
    return mask;
}

// AnsiUpperCase into a buffer that keeps its storage from one row to the next.
void UpperCaseInto(QStringView text, QString &buffer)
{
    buffer.resize(text.size());
    QChar *out = buffer.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isSurrogate()) {
            buffer = AnsiUpperCase(text.toString());
            return;
        }
        out[i] = text[i].toUpper();
    }
}

} // namespace

int WildcardPos(const QString &pattern, const QString &text) { return WildcardPosIn(pattern, text); }

int CutAtStar(QString &pattern)
{
    QStringView view(pattern);
    const qsizetype star = CutAtStarIn(view);
    pattern.truncate(view.size());
    return int(star);
}

bool MatchMask(const QString &text, const QString &mask, bool ignoreCase)
{
    if (mask == text)
        return true;
    const QString collapsed = CollapsedStars(mask);
    if (collapsed == u"*")
        return true;
    return ignoreCase ? WalkMask(AnsiUpperCase(text), AnsiUpperCase(collapsed)) : WalkMask(text, collapsed);
}

// A row is found by the mask ignoring case, else by the pattern found in the cell as typed, else by the pattern
// found in the cell ignoring case.
int FindRowInColumn(const TStringGrid *grid, int col, const QString &pattern)
{
    const QString collapsed = CollapsedStars(pattern);
    const QString upperMask = AnsiUpperCase(collapsed);
    const QString upperPattern = AnsiUpperCase(pattern);
    QString upperCell;
    for (int row = 1; row < grid->RowCount(); ++row) {
        const QStringView cell = grid->CellView(col, row);
        if (cell == pattern || collapsed == u"*")
            return row;
        UpperCaseInto(cell, upperCell);
        if (WalkMask(upperCell, upperMask) || WildcardPosIn(pattern, cell) > 0 ||
            (!upperPattern.isEmpty() && upperCell.contains(upperPattern)))
            return row;
    }
    return -1;
}
