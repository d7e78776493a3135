#include "photos/image_resampling.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace xc {

namespace {

// A pixel 0xAARRGGBB spread over four 16-bit lanes, so one 64-bit multiply weighs all four
// channels at once. Weights are 8-bit and sum to 256 per output pixel, so a lane never exceeds
// 255 × 256 and cannot spill into its neighbour.
using Lanes = std::uint64_t;
constexpr Lanes laneMask = 0x00FF00FF00FF00FFull;
constexpr Lanes laneRounding = 0x0080008000800080ull;
constexpr int weightOne = 256;

inline Lanes spread(std::uint32_t pixel)
{
    Lanes p = pixel;
    p = (p | (p << 16)) & 0x0000FFFF0000FFFFull;
    return (p | (p << 8)) & laneMask;
}

inline std::uint32_t gather(Lanes lanes)
{
    lanes &= laneMask;
    lanes = (lanes | (lanes >> 8)) & 0x0000FFFF0000FFFFull;
    return std::uint32_t(lanes | (lanes >> 16));
}

inline Lanes normalised(Lanes sum) { return ((sum + laneRounding) >> 8) & laneMask; }

// Which source pixels make up one output pixel along an axis, and how much each counts.
struct Taps {
    int first = 0;
    std::vector<std::uint16_t> weights;
};

std::vector<Taps> axisTaps(int from, int to, int count)
{
    const double scale = double(from) / double(to);
    const double radius = std::max(1.0, scale);
    std::vector<Taps> taps(static_cast<std::size_t>(count));
    std::vector<double> raw;
    for (int i = 0; i < count; ++i) {
        const double centre = (i + 0.5) * scale;
        const int first = std::max(0, int(std::floor(centre - radius)));
        const int last = std::min(from - 1, int(std::ceil(centre + radius)));
        raw.clear();
        double total = 0;
        for (int j = first; j <= last; ++j) {
            const double w = std::max(0.0, 1.0 - std::abs((j + 0.5 - centre) / radius));
            raw.push_back(w);
            total += w;
        }
        // The pixel under the centre always weighs at least one half, so total > 0.
        Taps& t = taps[std::size_t(i)];
        t.first = first;
        int sum = 0;
        for (double w : raw) {
            t.weights.push_back(std::uint16_t(std::lround(w / total * weightOne)));
            sum += t.weights.back();
        }
        // Rounding leftovers go to the heaviest tap, so flat areas stay exactly flat.
        auto heaviest = std::max_element(t.weights.begin(), t.weights.end());
        *heaviest = std::uint16_t(*heaviest + (weightOne - sum));
    }
    return taps;
}

}  // namespace

QImage resampled(const QImage& source, QSize size, QSize visible)
{
    if (visible.isEmpty())
        visible = size;
    visible = visible.boundedTo(size);
    const QImage input = source.format() == QImage::Format_RGB32 || source.format() == QImage::Format_ARGB32_Premultiplied
                             ? source
                             : source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (input.isNull() || visible.isEmpty())
        return {};
    if (size == input.size())
        return input.copy(0, 0, visible.width(), visible.height());

    const std::vector<Taps> across = axisTaps(input.width(), size.width(), visible.width());
    const std::vector<Taps> down = axisTaps(input.height(), size.height(), visible.height());
    const int rowsNeeded = down.back().first + int(down.back().weights.size());

    // Pass 1: every needed source row, resampled across.
    const std::size_t stride = std::size_t(visible.width());
    std::vector<Lanes> acrossRows(stride * std::size_t(rowsNeeded));
    std::vector<Lanes> spreadRow(std::size_t(input.width()));
    for (int y = 0; y < rowsNeeded; ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(input.constScanLine(y));
        for (int x = 0; x < input.width(); ++x)
            spreadRow[std::size_t(x)] = spread(line[x]);
        Lanes* out = &acrossRows[stride * std::size_t(y)];
        for (std::size_t x = 0; x < stride; ++x) {
            const Taps& t = across[x];
            const Lanes* in = &spreadRow[std::size_t(t.first)];
            Lanes sum = 0;
            for (std::size_t k = 0; k < t.weights.size(); ++k)
                sum += in[k] * t.weights[k];
            out[x] = normalised(sum);
        }
    }

    // Pass 2: down the columns.
    QImage output(visible, input.format());
    std::vector<Lanes> sums(stride);
    for (int y = 0; y < visible.height(); ++y) {
        const Taps& t = down[std::size_t(y)];
        std::fill(sums.begin(), sums.end(), 0);
        for (std::size_t k = 0; k < t.weights.size(); ++k) {
            const Lanes* in = &acrossRows[stride * std::size_t(t.first + int(k))];
            const Lanes w = t.weights[k];
            for (std::size_t x = 0; x < stride; ++x)
                sums[x] += in[x] * w;
        }
        auto* line = reinterpret_cast<std::uint32_t*>(output.scanLine(y));
        for (std::size_t x = 0; x < stride; ++x)
            line[x] = gather(normalised(sums[x]));
    }
    return output;
}

}  // namespace xc
