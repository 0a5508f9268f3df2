#include "TestFolder.h"

TestFolder::TestFolder() : previous_(qgetenv("PENSOIR_DIR")) {
    qputenv("PENSOIR_DIR", dir_.path().toUtf8());
}

TestFolder::~TestFolder() {
    qputenv("PENSOIR_DIR", previous_);
}
