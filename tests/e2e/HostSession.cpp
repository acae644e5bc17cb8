#include "HostSession.h"

#include "registry/Registry.h"
#include "rtl/Exceptions.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {
const QString SettingsKey = QStringLiteral("Software\\Kelmar\\OrmelSW");

// Points this process's settings store at the session's while it lives.
class TStoreScope {
public:
    explicit TStoreScope(const QString &path) : previous_(qgetenv("ORMEL_REGISTRY"))
    {
        qputenv("ORMEL_REGISTRY", path.toLocal8Bit());
    }
    ~TStoreScope() { qputenv("ORMEL_REGISTRY", previous_); }
    TStoreScope(const TStoreScope &) = delete;
    TStoreScope &operator=(const TStoreScope &) = delete;

private:
    QByteArray previous_;
};

QString KeyPath(const QString &key) { return key.isEmpty() ? SettingsKey : SettingsKey + u'\\' + key; }

QString Unescaped(const QString &value)
{
    QString result;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\' || i + 1 == value.size()) {
            result += value[i];
            continue;
        }
        const QChar next = value[++i];
        result += next == u't' ? QChar(u'\t') : next == u'n' ? QChar(u'\n') : next == u'r' ? QChar(u'\r') : next;
    }
    return result;
}

TRecord ParseRecord(const QString &line)
{
    const QStringList parts = line.split(u'\t');
    TRecord record{parts.value(0), {}};
    for (const QString &part : parts.mid(1)) {
        const qsizetype equals = part.indexOf(u'=');
        record.Fields.insert(part.left(equals), Unescaped(part.mid(equals + 1)));
    }
    return record;
}
} // namespace

QString Line(std::initializer_list<QString> fields) { return QStringList(fields).join(u'\t'); }

QString Answer(std::initializer_list<QString> fields)
{
    QStringList line{"answer"};
    line.append(QStringList(fields));
    return line.join(u'\t');
}

QList<TRecord> TRunResult::Of(const QString &kind) const
{
    QList<TRecord> result;
    for (const TRecord &record : Records)
        if (record.Kind == kind)
            result.append(record);
    return result;
}

std::optional<TRecord> TRunResult::Find(const QString &kind, const QString &field, const QString &value) const
{
    for (const TRecord &record : Records)
        if (record.Kind == kind && record[field] == value)
            return record;
    return std::nullopt;
}

QStringList TRunResult::Column(const QString &kind, const QString &field) const
{
    QStringList result;
    for (const TRecord &record : Of(kind))
        result.append(record[field]);
    return result;
}

QStringList TRunResult::MenuBar() const
{
    QStringList result;
    for (const TRecord &record : Of(QStringLiteral("menu")))
        if (!record["path"].contains(u'.'))
            result.append(record["caption"]);
    return result;
}

THostSession::THostSession(std::initializer_list<QString> libraries)
{
    const auto copy = [this](const QString &from, const QString &name) {
        if (!QFile::copy(from + u'/' + name, dir_.File(name)))
            ADD_FAILURE() << "cannot copy " << qPrintable(from + u'/' + name);
    };
    copy(QStringLiteral(ORMEL_BIN_DIR), QStringLiteral("rostrel"));
    for (const QString &library : libraries)
        copy(library == QLatin1String("korvath.so") || library == QLatin1String("lumbra.so")
                 ? QStringLiteral(ORMEL_BIN_DIR)
                 : QStringLiteral(ORMEL_TEST_PLUGIN_DIR),
             library);
}

void THostSession::SetString(const QString &name, const QString &value, const QString &key) const
{
    TStoreScope store(File(QStringLiteral("registry.txt")));
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(KeyPath(key), true));
    registry.WriteString(name, value);
}

void THostSession::SetInteger(const QString &name, int value, const QString &key) const
{
    TStoreScope store(File(QStringLiteral("registry.txt")));
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(KeyPath(key), true));
    registry.WriteInteger(name, value);
}

std::optional<QString> THostSession::String(const QString &name, const QString &key) const
{
    TStoreScope store(File(QStringLiteral("registry.txt")));
    TRegistry registry;
    if (!registry.OpenKey(KeyPath(key), false) || !registry.ValueExists(name))
        return std::nullopt;
    return registry.ReadString(name);
}

std::optional<int> THostSession::Integer(const QString &name, const QString &key) const
{
    TStoreScope store(File(QStringLiteral("registry.txt")));
    TRegistry registry;
    if (!registry.OpenKey(KeyPath(key), false) || !registry.ValueExists(name))
        return std::nullopt;
    try {
        return registry.ReadInteger(name);
    } catch (const ERegistryException &) {
        return std::nullopt;
    }
}

TRunResult THostSession::Run(const QStringList &script) const { return Run(script, {}); }

QString THostSession::Pause() const { return Line({"pause", File(QStringLiteral("pause"))}); }

TRunResult THostSession::Run(const QStringList &script, const std::function<void(QProcess &program)> &atPause) const
{
    Write(QStringLiteral("script.txt"), (script.join(u'\n') + u'\n').toUtf8());
    QFile::remove(File(QStringLiteral("plugins.log")));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("ORMEL_REGISTRY"), File(QStringLiteral("registry.txt")));
    // Whatever else the program or Qt keeps (the file dialog's last folder) stays in the session's folder too.
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), Folder());
    environment.insert(QStringLiteral("ORMEL_AUTOMATION"), File(QStringLiteral("script.txt")));
    environment.insert(QStringLiteral("ORMEL_TEST_PLUGIN_LOG"), File(QStringLiteral("plugins.log")));
    environment.insert(QStringLiteral("ORMEL_TEST_DATA_LINE"), File(QStringLiteral("line.txt")));
    const QString pause = File(QStringLiteral("pause"));
    if (atPause)
        environment.insert(QStringLiteral("ORMEL_TEST_JOURNAL_PAUSE"), pause);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(Folder());
    program.start(File(QStringLiteral("rostrel")), {});
    // The program makes the pause file where it waits, and goes on once it is gone.
    const QDeadlineTimer deadline(60000);
    while (atPause && program.state() != QProcess::NotRunning && !deadline.hasExpired()) {
        if (QFile::exists(pause)) {
            atPause(program);
            QFile::remove(pause);
        }
        program.waitForFinished(10);
    }
    TRunResult result;
    const bool ended = program.state() == QProcess::NotRunning ? program.error() != QProcess::FailedToStart
                                                                : program.waitForFinished(60000);
    if (!ended) {
        program.kill();
        program.waitForFinished();
        ADD_FAILURE() << "rostrel did not end";
    }
    result.ExitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
    for (const QString &line : QString::fromUtf8(program.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts))
        result.Records.append(ParseRecord(line));
    result.Errors = QString::fromUtf8(program.readAllStandardError());
    // In a build with sanitizers (tools/sanitize.sh) the program's memory faults and undefined behaviour, its
    // plug-ins' included, land here whatever the test looks at.
    static const QRegularExpression sanitizerReport(QStringLiteral("ERROR: \\w+Sanitizer|runtime error: "));
    if (result.Errors.contains(sanitizerReport))
        ADD_FAILURE() << qPrintable(result.Errors);
    QFile log(File(QStringLiteral("plugins.log")));
    if (log.open(QIODevice::ReadOnly))
        result.PluginLog = QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
    return result;
}
