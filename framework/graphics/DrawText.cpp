#include "graphics/DrawText.h"

#include "graphics/Canvas.h"

#include <QFontMetrics>
#include <QList>
#include <QPainter>

namespace {
// One paragraph of the text (between line breaks) as it is shown: accelerator marks taken out, the
// positions of the characters they underline kept.
struct TParagraph {
    QString Text;
    QList<int> Underlined;
};

struct TLine {
    const TParagraph *Paragraph;
    int Start;
    int End;
};

TParagraph ShownParagraph(const QString &source, bool prefixes)
{
    if (!prefixes)
        return {source, {}};
    TParagraph paragraph;
    for (qsizetype i = 0; i < source.size(); ++i) {
        if (source[i] == u'&') {
            if (++i == source.size())
                break;
            if (source[i] != u'&')
                paragraph.Underlined << int(paragraph.Text.size());
        }
        paragraph.Text += source[i];
    }
    return paragraph;
}

QStringList SplitLineBreaks(const QString &text)
{
    QString unified = text;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    return unified.split(u'\n');
}

// Measures stretches of one line; tab stops count from the line's start.
class TLineMeasure {
public:
    TLineMeasure(const QFontMetrics &metrics, bool expandTabs)
        : metrics_(metrics), expandTabs_(expandTabs), tabWidth_(qMax(1, 8 * metrics.averageCharWidth()))
    {
    }

    int Width(const QString &text, int from, int to) const
    {
        if (!expandTabs_)
            return metrics_.horizontalAdvance(text.mid(from, to - from));
        int x = 0;
        int start = from;
        for (int i = from; i < to; ++i)
            if (text[i] == u'\t') {
                x = NextTabStop(x + metrics_.horizontalAdvance(text.mid(start, i - start)));
                start = i + 1;
            }
        return x + metrics_.horizontalAdvance(text.mid(start, to - start));
    }

    int NextTabStop(int x) const { return (x / tabWidth_ + 1) * tabWidth_; }
    bool ExpandTabs() const { return expandTabs_; }

private:
    const QFontMetrics &metrics_;
    bool expandTabs_;
    int tabWidth_;
};

// The end of the longest run from `start` on, one character at least, that fits the width; a character beyond
// the basic plane is not split.
int FittingEnd(const QString &text, int start, int width, const TLineMeasure &measure)
{
    int end = start + (text[start].isHighSurrogate() ? 2 : 1);
    for (;;) {
        const int next = end + (end < text.size() && text[end].isHighSurrogate() ? 2 : 1);
        if (next > text.size() || measure.Width(text, start, next) > width)
            return end;
        end = next;
    }
}

// Breaks a paragraph before each word that would pass the width, and a word wider than the width where it
// reaches the edge when asked to; blanks at a break are dropped.
void WrapParagraph(const TParagraph &paragraph, int width, bool breakWords, const TLineMeasure &measure,
                   QList<TLine> &lines)
{
    const QString &text = paragraph.Text;
    const int length = int(text.size());
    int pos = 0;
    for (;;) {
        const int start = pos;
        int end = pos;
        while (end < length) {
            int next = end;
            while (next < length && text[next] == u' ')
                ++next;
            while (next < length && text[next] != u' ')
                ++next;
            if (measure.Width(text, start, next) > width) {
                if (end == start && breakWords)
                    end = FittingEnd(text, start, width, measure);
                if (end > start)
                    break;
            }
            end = next;
        }
        lines << TLine{&paragraph, start, end};
        pos = end;
        while (pos < length && text[pos] == u' ')
            ++pos;
        if (pos >= length)
            return;
    }
}

void DrawLine(QPainter *painter, const TLine &line, int x, int y, const QFontMetrics &metrics,
              const TLineMeasure &measure)
{
    const QString &text = line.Paragraph->Text;
    const int baseline = y + metrics.ascent();
    if (!measure.ExpandTabs()) {
        painter->drawText(x, baseline, text.mid(line.Start, line.End - line.Start));
    } else {
        int start = line.Start;
        for (int i = line.Start; i <= line.End; ++i)
            if (i == line.End || text[i] == u'\t') {
                painter->drawText(x + measure.Width(text, line.Start, start), baseline, text.mid(start, i - start));
                start = i + 1;
            }
    }
    for (int index : line.Paragraph->Underlined)
        if (index >= line.Start && index < line.End)
            painter->fillRect(x + measure.Width(text, line.Start, index), baseline + metrics.underlinePos(),
                              metrics.horizontalAdvance(text[index]), qMax(1, metrics.lineWidth()),
                              painter->pen().color());
}

QList<TParagraph> Paragraphs(const QString &text, unsigned format)
{
    QList<TParagraph> paragraphs;
    for (const QString &source : SplitLineBreaks(text))
        paragraphs << ShownParagraph(source, !(format & DT_NOPREFIX));
    return paragraphs;
}

QList<TLine> LayOut(const QList<TParagraph> &paragraphs, int width, unsigned format, const TLineMeasure &measure)
{
    QList<TLine> lines;
    for (const TParagraph &paragraph : paragraphs) {
        if (format & DT_WORDBREAK)
            WrapParagraph(paragraph, width, format & DT_EDITCONTROL, measure, lines);
        else
            lines << TLine{&paragraph, 0, int(paragraph.Text.size())};
    }
    return lines;
}
} // namespace

QStringList TextLines(TCanvas *canvas, const QString &text, int width, unsigned format)
{
    if (text.isEmpty())
        return {};
    const QFontMetrics metrics(canvas->DeviceFont(), canvas->Device());
    const QList<TParagraph> paragraphs = Paragraphs(text, format);
    QStringList texts;
    for (const TLine &line : LayOut(paragraphs, width, format, TLineMeasure(metrics, format & DT_EXPANDTABS)))
        texts << line.Paragraph->Text.mid(line.Start, line.End - line.Start);
    return texts;
}

int DrawText(TCanvas *canvas, const QString &text, TRect &rect, unsigned format)
{
    if (text.isEmpty()) {
        if (format & DT_CALCRECT) {
            rect.Right = rect.Left;
            rect.Bottom = rect.Top;
        }
        return 0;
    }
    const QFont font = canvas->DeviceFont();
    const QFontMetrics metrics(font, canvas->Device());
    const TLineMeasure measure(metrics, format & DT_EXPANDTABS);
    const QList<TParagraph> paragraphs = Paragraphs(text, format);
    const QList<TLine> lines = LayOut(paragraphs, rect.Width(), format, measure);
    const int lineHeight = metrics.height();
    const int height = int(lines.size()) * lineHeight;

    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const TLine &line : lines)
            widest = qMax(widest, measure.Width(line.Paragraph->Text, line.Start, line.End));
        rect.Right = rect.Left + widest;
        rect.Bottom = rect.Top + height;
        return height;
    }

    TCanvas::TDrawScope painter(*canvas);
    if (!painter)
        return height;
    if (!(format & DT_NOCLIP))
        painter->setClipRect(rect.ToQRect(), Qt::IntersectClip);
    painter->setFont(font);
    painter->setPen(ColorToQColor(canvas->Font()->Color()));
    const bool opaque = canvas->Brush()->Style() == bsSolid;
    int y = rect.Top;
    for (const TLine &line : lines) {
        const int width = measure.Width(line.Paragraph->Text, line.Start, line.End);
        int x = rect.Left;
        if (format & DT_CENTER)
            x += (rect.Width() - width) / 2;
        else if (format & DT_RIGHT)
            x = rect.Right - width;
        if (opaque)
            painter->fillRect(x, y, width, lineHeight, ColorToQColor(canvas->Brush()->Color()));
        DrawLine(painter.Painter(), line, x, y, metrics, measure);
        y += lineHeight;
    }
    return height;
}
