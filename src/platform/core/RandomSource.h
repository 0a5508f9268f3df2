#pragma once

// Chance, as the program draws it: numbers from 0 up to 1, and whole numbers in a range.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    virtual void randomize() = 0; // a fresh sequence, seeded from the time
    virtual double rnd() = 0;     // 0 <= r < 1

    // A whole number from low to high, both included.
    int randomBetween(int low, int high) { return low + static_cast<int>(rnd() * (high - low + 1)); }
};
