#pragma once

// Journal lines written straight as Windows-1251 bytes, field by field, in the layouts of the record writers:
// a rewrite of a large journal goes through no general formatter and no text of 16-bit characters.

#include "rtl/Codec1251.h"

#include <QByteArray>
#include <QString>

class TJournalLineWriter {
public:
    explicit TJournalLineWriter(QByteArray &out) : out_(out) {}

    TJournalLineWriter &Blank()
    {
        out_.append(' ');
        return *this;
    }
    // "%.<digits>x": upper-case hexadecimal digits, at least `digits` of them.
    TJournalLineWriter &Hex(quint32 value, int digits);
    // "%.<digits>d": decimal digits, at least `digits` of them, after a minus sign.
    TJournalLineWriter &Dec(qint64 value, int digits = 0);
    // "%7.4f" with "." as decimal separator.
    TJournalLineWriter &Fixed74(double value);
    // "%<width>s": blanks before the text make up the width, counted in characters as the formatter counts
    // them; the text is never cut. Characters outside the code page become '?'.
    TJournalLineWriter &Text(const QString &text, int width = 0);
    // A fixed-width text field of tuning and image lines: the text as the field holds it, then blanks to its
    // width.
    TJournalLineWriter &Field(const QString &text, qsizetype width);
    // Two upper-case hexadecimal digits a byte, high digit first.
    TJournalLineWriter &HexBytes(const quint8 *bytes, qsizetype count);

private:
    void Pad(qsizetype blanks);

    QByteArray &out_;
};

// The line a record's WriteLine writes, as the text its FormatLine returns.
template <class Record>
QString LineText(const Record &record)
{
    QByteArray line;
    record.WriteLine(line);
    return FromCp1251(line);
}
