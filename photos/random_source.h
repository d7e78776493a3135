#pragma once

#include <QtGlobal>

#include <memory>

namespace xc {

// Where random draws come from: automatic template fitting and the random refill draw an index
// uniformly from 0 … count − 1.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual int draw(int count) = 0;
};

// Reseeded from the high-resolution clock before every draw: the draws of a run cannot be
// repeated. What the desktop uses.
std::unique_ptr<RandomSource> clockRandomSource();

// One generator seeded once: the same seed gives the same draws, so a whole import can be
// repeated.
std::unique_ptr<RandomSource> seededRandomSource(quint64 seed);

}  // namespace xc
