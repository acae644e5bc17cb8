#pragma once

#include <QString>
#include <QTemporaryDir>

// A private folder for one test; removed with everything in it when the test ends.
class TempDir {
public:
    TempDir();
    QString Path() const { return dir_.path(); }
    QString File(const QString &name) const { return dir_.filePath(name); }
    void Write(const QString &name, const QByteArray &bytes) const;
    QByteArray Read(const QString &name) const;

private:
    QTemporaryDir dir_;
};
