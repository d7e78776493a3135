#pragma once

#include <algorithm>
#include <cstddef>

namespace xc {

// The animation engine's path element codes, as its render tree stores them. MoveTo and LineTo
// take one point (two floats), CubicTo three, Close none.
enum PathElement : char { MoveTo = 0, LineTo = 1, CubicTo = 2, Close = 3 };

// The floats a path's elements use, never more than `floatBound`.
inline size_t floatsUsed(const char* elements, size_t elementCount, size_t floatBound)
{
    size_t used = 0;
    for (size_t i = 0; i < elementCount; ++i)
        used += elements[i] == CubicTo ? 6 : elements[i] == Close ? 0 : 2;
    return std::min(used, floatBound);
}

}  // namespace xc
