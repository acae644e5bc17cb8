#pragma once

#include "classes/Component.h"
#include "registry/RootKeys.h"

#include <QString>

class TForm;

enum TMyHKeyType {
    mlHKEY_CURRENT_USER,
    mlHKEY_CLASSES_ROOT,
    mlHKEY_LOCAL_MACHINE,
    mlHKEY_USERS,
    mlHKEY_CURRENT_CONFIG,
    mlHKEY_DYN_DATA,
};

// Keeps its form's window state, and for a normal window its bounds, under RootKey\SubKey: restored once the
// form has been read, saved when the form is destroyed. Values: "State" ("Normal", "Minimized", "Maximized"),
// "Top", "Left", "Height", "Width".
class TmlFormStorage : public TComponent {
    Q_OBJECT
    Q_PROPERTY(bool Active READ Active WRITE SetActive)
    Q_PROPERTY(TMyHKeyType RegRootKey READ RegRootKey WRITE SetRegRootKey)
    Q_PROPERTY(QString SubKey READ SubKey WRITE SetSubKey)

public:
    // The owner must be a form (EInvalidCast otherwise).
    explicit TmlFormStorage(TComponent *owner);
    ~TmlFormStorage() override;

    bool Active() const { return active_; }
    void SetActive(bool active) { active_ = active; }
    TMyHKeyType RegRootKey() const { return regRootKey_; }
    void SetRegRootKey(TMyHKeyType rootKey);
    HKEY RootKey() const { return rootKey_; }
    const QString &SubKey() const { return subKey_; }
    void SetSubKey(const QString &subKey) { subKey_ = subKey; }

    // Restores the stored state; a stored state that cannot be read whole leaves the form as it was read.
    void Loaded() override;
    void SaveFormState();

private:
    void RestoreFormState();
    bool Working() const;

    bool active_ = true;
    QString subKey_;
    TMyHKeyType regRootKey_ = mlHKEY_CURRENT_USER;
    HKEY rootKey_ = HKEY_CURRENT_USER;
    TForm *form_ = nullptr;
};
