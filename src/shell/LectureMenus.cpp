// The launcher entries of the tray menu.
#include "FrmUtilitaires.h"

void FrmUtilitaires::Lecture_Menus() {}
