#pragma once

#include <algorithm>
#include <vector>

namespace xc::bench {

// The middle of repeated timings: steadier than the mean on a machine doing other work.
inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

}  // namespace xc::bench
