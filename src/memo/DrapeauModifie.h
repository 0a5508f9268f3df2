#pragma once

#include <functional>

// A memo window's Modifié: its unsaved changes. Whatever sets it, a key, a paste, a click on the options
// panel, tells the one who waits for changes (the recovery copy), so that no change goes uncopied.
class Drapeau_Modifié {
public:
    Drapeau_Modifié() = default;
    // One flag per window: a copy would take the window's listener with it.
    Drapeau_Modifié(const Drapeau_Modifié&) = delete;
    Drapeau_Modifié& operator=(const Drapeau_Modifié&) = delete;

    operator bool() const { return valeur_; }
    Drapeau_Modifié& operator=(bool valeur) {
        valeur_ = valeur;
        if (valeur && quandMis) quandMis();
        return *this;
    }

    std::function<void()> quandMis;

private:
    bool valeur_ = false;
};
