#pragma once

#include "FakePlatform.h"
#include "TestFolder.h"

#include "memo/Mnemo.h"

#include <QList>
#include <QPointer>

#include <memory>

// What a memo window needs around it in a test: a fresh program folder, the strict fake platform and the
// memo context, remade for each test function; the windows a test made are deleted after it, before the
// context they point to.
class BancMnemo {
protected:
    void préparerBanc() {
        dossier_ = std::make_unique<TestFolder>();
        plateforme_ = std::make_unique<FakePlatform>();
        contexte_ = std::make_unique<Contexte_Mnémo>(*plateforme_, dossier_->folder());
    }

    void rangerBanc() {
        for (const QPointer<Mnemo>& f : fenêtres_)
            delete f.data();
        fenêtres_.clear();
        contexte_.reset();
        plateforme_.reset();
        dossier_.reset();
    }

    std::unique_ptr<TestFolder> dossier_;
    std::unique_ptr<FakePlatform> plateforme_;
    std::unique_ptr<Contexte_Mnémo> contexte_;
    QList<QPointer<Mnemo>> fenêtres_;
};
