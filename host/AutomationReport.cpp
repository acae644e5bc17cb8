#include "AutomationReport.h"

#include <QObject>
#include <QVariant>
#include <cstdio>

namespace {
QString Escaped(QString value)
{
    return value.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'\t', QStringLiteral("\\t"))
        .replace(u'\n', QStringLiteral("\\n"))
        .replace(u'\r', QStringLiteral("\\r"));
}
} // namespace

void Report(const QString &kind, const TFields &fields)
{
    QString line = kind;
    for (const auto &[name, value] : fields)
        line += u'\t' + name + u'=' + Escaped(value);
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

QString Flag(bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); }

QString Text(const QObject *object, const char *property)
{
    const QVariant value = object->property(property);
    return value.isValid() ? value.toString() : QString();
}
