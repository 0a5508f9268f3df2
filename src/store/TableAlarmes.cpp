#include "TableAlarmes.h"

int Table_Alarmes::ajouter(const Ligne_Alarme& ligne) {
    if (estPleine()) return 0;
    ++Nb_Alarmes;
    (*this)[Nb_Alarmes] = ligne;
    return Nb_Alarmes;
}

void Table_Alarmes::vider() {
    Nb_Alarmes = 0;
    Alarme_Index = 0;
}
