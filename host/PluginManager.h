#pragma once

#include "PluginContract.h"
#include "classes/Component.h"
#include "classes/Events.h"
#include "classes/Strings.h"
#include "dynlib/DynLib.h"

#include <QList>
#include <QString>

class TMenuItem;

// One bound plug-in.
class TPluginInfo : public TObject {
public:
    // The library's file name as listed, without folder: the name failures are reported under.
    QString FileName;
    HMODULE ModuleHandle = nullptr;
    // The library was in the process before the manager looked; the manager never frees such a library.
    bool WasLoaded = false;
    std::int32_t Order = 0;
    TRegisterPluginProc RegisterPlugin = nullptr;
    TGetMainNameProc GetMainName = nullptr;
    TGetItemNameProc GetItemName = nullptr;
    TGetItemBitmapProc GetItemBitmap = nullptr;
    TGetItemCommandProc GetItemCommand = nullptr;
    TGetItemHintProc GetItemHint = nullptr;
    // Null when the plug-in does not export it.
    TOnDataUpdateProc OnDataUpdate = nullptr;
    TGetPluginOrderProc GetPluginOrder = nullptr;
    // The plug-in's top-level menu item, once the main window has made one.
    TMenuItem *MenuItem = nullptr;
};

// Inside the handler of a failure raised by a plug-in entry: the text the user reads, naming the plug-in and the
// error, held in the host's own memory so that it outlives the library. Whatever was raised, exception or not.
QString PluginFailure(const QString &fileName);

// Sender, the file name as listed, its 1-based place among all the library files listed, their number.
using TPlugInLoadEvent = TMethod<TObject *, const QString &, int, int>;

// Finds the libraries in the program's folder that export RegisterPlugin, loads and binds them, and keeps them
// ordered by their order key: the decimal order, or a blank for a negative one, compared as text, so a
// negative order comes first and "10" goes before "2"; among equal keys the one listed later comes first.
// A library that is not a regular file is never opened (a pipe would stop the start), and one whose
// GetPluginOrder fails is reported and released; the others load all the same.
// Frees the libraries it loaded itself, last in the list first.
class TmlPluginManager : public TComponent {
    Q_OBJECT
    Q_PROPERTY(int Count READ Count)
    Q_PROPERTY(TStringList *PlugIns READ PlugIns)

public:
    explicit TmlPluginManager(TComponent *owner);
    ~TmlPluginManager() override;

    // Loads the plug-ins, unless the component is being designed.
    void Loaded() override;
    void LoadPlugins();
    void UnloadPlugins();

    int Count() const { return plugIns_->Count(); }
    // The order keys, each with its TPluginInfo; the list owns the infos.
    TStringList *PlugIns() const { return plugIns_; }
    TPluginInfo *PlugIn(int index) const { return static_cast<TPluginInfo *>(plugIns_->Objects(index)); }
    // One slot per library file of the last load, in listing order; null where the file is not a plug-in.
    const QList<TPluginInfo *> &Infos() const { return infos_; }

    const TPlugInLoadEvent &OnLoadPlugIn() const { return onLoadPlugIn_; }
    void SetOnLoadPlugIn(const TPlugInLoadEvent &event) { onLoadPlugIn_ = event; }
    const TNotifyEvent &OnLoadComplete() const { return onLoadComplete_; }
    void SetOnLoadComplete(const TNotifyEvent &event) { onLoadComplete_ = event; }

    // The folder listed for plug-ins, with its trailing delimiter; the program's folder unless a test
    // points it elsewhere.
    const QString &Folder() const { return folder_; }
    void SetFolder(const QString &folder);

private:
    QStringList ListLibraries() const;
    TPluginInfo *Bind(const QString &name, QString &failure);

    TNotifyEvent onLoadComplete_;
    TPlugInLoadEvent onLoadPlugIn_;
    TStringList *plugIns_;
    QList<TPluginInfo *> infos_;
    QString folder_;
};
