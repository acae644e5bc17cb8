#pragma once

#include "TempDir.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <optional>

class QProcess;

// One line of the program's report: its kind and its fields.
struct TRecord {
    QString Kind;
    QMap<QString, QString> Fields;
    QString operator[](const QString &field) const { return Fields.value(field); }
};

// What one run of the program reported and left behind.
struct TRunResult {
    int ExitCode = -1;
    QList<TRecord> Records;
    QStringList PluginLog;
    QString Errors;

    QList<TRecord> Of(const QString &kind) const;
    // The first record of the kind whose field has the value; none when there is none.
    std::optional<TRecord> Find(const QString &kind, const QString &field, const QString &value) const;
    // One field of every record of the kind, in report order.
    QStringList Column(const QString &kind, const QString &field) const;
    // The captions of the menu bar's entries, left to right.
    QStringList MenuBar() const;
};

// A program folder of its own in a temporary folder: rostrel, the libraries a test asks for, a settings store
// and a plug-in log beside them. Runs the program there, headless, under a script.
class THostSession {
public:
    // Library files by name: "korvath.so" and "lumbra.so" from the program folder of the build, the others from
    // the test plug-ins' folder.
    explicit THostSession(std::initializer_list<QString> libraries = {});

    QString Folder() const { return dir_.Path(); }
    QString File(const QString &name) const { return dir_.File(name); }
    void Write(const QString &name, const QByteArray &bytes) const { dir_.Write(name, bytes); }
    QByteArray Read(const QString &name) const { return dir_.Read(name); }

    // The settings of the store that the program of this folder uses, under the program's key or a key below it
    // ("LUMBRA\\FieldsSettings").
    void SetString(const QString &name, const QString &value, const QString &key = {}) const;
    void SetInteger(const QString &name, int value, const QString &key = {}) const;
    std::optional<QString> String(const QString &name, const QString &key = {}) const;
    std::optional<int> Integer(const QString &name, const QString &key = {}) const;

    // Starts the program with the script's lines (fields separated by TABs) and waits until it ends.
    TRunResult Run(const QStringList &script) const;
    // Runs it the same way, but each rewrite of the journal waits just before it replaces the journal, and so does
    // each failed append before it takes its bytes back and the script at each Pause() line, until `atPause` has
    // run there; `atPause` may change the journal or the settings, run another program, or end this one.
    TRunResult Run(const QStringList &script, const std::function<void(QProcess &program)> &atPause) const;
    // The script line that waits for the test's `atPause`.
    QString Pause() const;

private:
    TempDir dir_;
};

// A script line from its fields.
QString Line(std::initializer_list<QString> fields);
// The script line that answers the next modal window: its result, then the actions.
QString Answer(std::initializer_list<QString> fields);
