#pragma once

#include <QString>

namespace xc {

// The one progress contract of long jobs: the desktop's progress windows and the command
// line's progress bar both implement it.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void setTotal(int /*steps*/) {}
    virtual void advance(int /*steps*/ = 1) {}
    virtual void setLabel(const QString& /*text*/) {}
    virtual bool isCancelled() const { return false; }
};

// For callers that want no progress.
inline Progress& noProgress()
{
    static Progress silent;
    return silent;
}

}  // namespace xc
