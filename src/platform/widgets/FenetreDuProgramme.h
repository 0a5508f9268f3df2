#pragma once

#include <QWidget>

// Marks the program's own windows: the memo windows, the main window, the icon chooser and the input
// dialog. A window class says so by deriving from this as well, so that the mark follows the class
// whatever its name. Activating one of these counts as leaving a memo window; a message box, an input box
// or a common dialog does not.
class FenetreDuProgramme {
protected:
    virtual ~FenetreDuProgramme() = default;
};

inline bool estFenêtreDuProgramme(const QWidget* fenêtre) {
    return dynamic_cast<const FenetreDuProgramme*>(fenêtre) != nullptr;
}
