#pragma once

#include "TempDir.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <gtest/gtest.h>

// Sets (or, for a null text, removes) an environment variable until it goes out of scope.
class TScopedEnvironment {
public:
    TScopedEnvironment(const char *name, const QString &value)
        : name_(name), wasSet_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value.toLocal8Bit());
    }
    ~TScopedEnvironment()
    {
        if (wasSet_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char *name_;
    bool wasSet_;
    QByteArray old_;
};

// Each test gets a settings store of its own in a temporary folder.
class RegistryTest : public testing::Test {
protected:
    // Control returns to the event loop: the user action is over, and a store that failed in it is tried again.
    static void EndAction() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QString StoreText() const { return QString::fromUtf8(dir.Read("registry.txt")); }

    TempDir dir;
    TScopedEnvironment store{"ORMEL_REGISTRY", dir.File("registry.txt")};
};
