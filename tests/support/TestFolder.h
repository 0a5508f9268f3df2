#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh program folder for one test: PENSOIR_DIR points at it while the object lives.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    QString path() const { return dir_.path(); }
    QString memos() const { return dir_.path() + QStringLiteral("/Mnemos"); }
    QString menus() const { return dir_.path() + QStringLiteral("/Menus"); }

private:
    QTemporaryDir dir_;
    QByteArray previous_;
};
