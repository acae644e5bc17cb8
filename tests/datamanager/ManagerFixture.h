#pragma once

#include "DataManager.h"
#include "TempDir.h"
#include "forms/MessageBox.h"
#include "forms/ModalHook.h"

#include <QStringList>
#include <memory>

// A data manager whose journal lies in a private folder. The message boxes it shows are collected, not shown.
struct ManagerFixture {
    QStringList Messages;
    TModalHookScope AnswerMessages{[this](const TModalRequest &request) {
        Messages << request.Text;
        return IDOK;
    }};
    TempDir Dir;
    QString Journal = Dir.File("ormeldata.txt");
    std::unique_ptr<TOrmelDataManager> Manager = NewManager();

    std::unique_ptr<TOrmelDataManager> NewManager() const
    {
        std::unique_ptr<TOrmelDataManager> manager(NewObject<TOrmelDataManager>(&TOrmelDataManager::Create));
        manager->DataFileName = Journal;
        return manager;
    }
    std::unique_ptr<TOrmelDataManager> Load(const QByteArray &journal) const
    {
        Dir.Write("ormeldata.txt", journal);
        return std::unique_ptr<TOrmelDataManager>(
            NewObject<TOrmelDataManager>(&TOrmelDataManager::CreateFromFile, Journal));
    }
    QByteArray JournalBytes() const { return Dir.Read("ormeldata.txt"); }
};
