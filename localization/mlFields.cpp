#include "mlFields.h"

int FieldPosition(int n, const QString &s, const QString &delimiters)
{
    const auto isDelimiter = [&](qsizetype i) { return delimiters.contains(s[i]); };
    qsizetype p = 0; // 0-based here, 1-based in the result
    int field = 0;
    while (p < s.size() && field != n) {
        if (isDelimiter(p))
            ++p;
        if (p < s.size())
            ++field;
        if (field != n) {
            while (p < s.size() && !isDelimiter(p))
                ++p;
        } else {
            return int(p + 1);
        }
    }
    return 0;
}

QString ExtractField(int n, const QString &s, const QString &delimiters)
{
    const int position = FieldPosition(n, s, delimiters);
    if (position == 0)
        return QString();
    qsizetype end = position - 1;
    while (end < s.size() && !delimiters.contains(s[end]))
        ++end;
    return s.mid(position - 1, end - (position - 1));
}

QString ReplaceText(const QString &s, const QString &oldText, const QString &newText, bool all)
{
    if (oldText.isEmpty())
        return s;
    QString result;
    qsizetype from = 0;
    qsizetype found = s.indexOf(oldText, from);
    while (found >= 0) {
        result += QStringView(s).mid(from, found - from);
        result += newText;
        from = found + oldText.size();
        if (!all)
            break;
        found = s.indexOf(oldText, from);
    }
    result += QStringView(s).mid(from);
    return result;
}
