#include "photos/random_source.h"

#include <QRandomGenerator>

#include <chrono>

namespace xc {

namespace {

QRandomGenerator generatorFor(quint64 seed)
{
    const quint32 words[2] = {quint32(seed), quint32(seed >> 32)};
    return QRandomGenerator(words, 2);
}

class ClockRandomSource final : public RandomSource {
public:
    int draw(int count) override
    {
        const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        return generatorFor(quint64(ticks)).bounded(count);
    }
};

class SeededRandomSource final : public RandomSource {
public:
    explicit SeededRandomSource(quint64 seed) : m_generator(generatorFor(seed)) {}
    int draw(int count) override { return m_generator.bounded(count); }

private:
    QRandomGenerator m_generator;
};

}  // namespace

std::unique_ptr<RandomSource> clockRandomSource() { return std::make_unique<ClockRandomSource>(); }

std::unique_ptr<RandomSource> seededRandomSource(quint64 seed) { return std::make_unique<SeededRandomSource>(seed); }

}  // namespace xc
