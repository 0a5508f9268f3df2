// Reading the memo folder: listing, opening and the alarm table rebuild.
#include "FrmUtilitaires.h"

void FrmUtilitaires::Lecture_Mnémos(bool, bool, bool) {}
