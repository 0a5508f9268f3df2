#pragma once

#include <QDialog>

// The About window: the program's name and version, kept above every other window while open.
class A_propos : public QDialog {
    Q_OBJECT
public:
    explicit A_propos(QWidget* parent = nullptr);
};
