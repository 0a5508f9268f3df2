#include "AlarmSound.h"

#include <canberra.h>

namespace {
const char* const SOUNDS[] = {"alarm-clock-elapsed", "bell"};
} // namespace

AlarmSound::~AlarmSound() {
    // Destroying the context cuts short a sound still playing: it lives as long as the program.
    if (context_) ca_context_destroy(context_);
}

bool AlarmSound::play() {
    if (!context_) {
        if (ca_context_create(&context_) != CA_SUCCESS) {
            context_ = nullptr;
            return false;
        }
        ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "Pensoir", CA_PROP_APPLICATION_ID,
                                "pensoir", nullptr);
    }
    for (const char* sound : SOUNDS) {
        if (ca_context_play(context_, 0, CA_PROP_EVENT_ID, sound, CA_PROP_EVENT_DESCRIPTION, "Alarme",
                            nullptr) == CA_SUCCESS)
            return true;
    }
    return false;
}
