#pragma once

#include "platform/core/ProgramFolder.h"

#include <QString>
#include <QTemporaryDir>

// A fresh program folder for one test, removed with the object; the test hands folder() to the code under
// test.
class TestFolder {
public:
    QString path() const { return dir_.path(); }
    ProgramFolder folder() const { return {dir_.path()}; }
    QString memos() const { return folder().memoFolder(); }
    QString menus() const { return folder().launcherFolder(); }

private:
    QTemporaryDir dir_;
};
