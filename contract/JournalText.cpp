#include "JournalText.h"

#include "rtl/Codec1251.h"

QString OneLine(const QString &text)
{
    if (!text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString line;
    line.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue;
        line += (c == u'\r' || c == u'\n') ? QChar(u' ') : c;
    }
    return line;
}

QByteArray FieldBytes(const QString &text, qsizetype width) { return ToCp1251(OneLine(text)).left(width); }
