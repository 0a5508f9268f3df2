// The alarm timer.
#include "FrmUtilitaires.h"

void FrmUtilitaires::Prochaine_Alarme() {}
