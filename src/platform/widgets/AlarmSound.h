#pragma once

struct ca_context;

// The desktop's alarm sound, from its sound theme through libcanberra: "alarm-clock-elapsed", or "bell"
// where the theme has no alarm sound. The sound plays on while the program goes on.
class AlarmSound {
public:
    AlarmSound() = default;
    ~AlarmSound();
    AlarmSound(const AlarmSound&) = delete;
    AlarmSound& operator=(const AlarmSound&) = delete;

    // False when no sound could be started (no sound server or device, no theme installed).
    bool play();

private:
    ca_context* context_ = nullptr;
};
