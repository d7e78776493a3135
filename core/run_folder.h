#pragma once

#include "core/result.h"

#include <QString>

#include <memory>

namespace xc {

// The private working folder of one run: <base>/xiangce/run-<process id>/, where the base is the
// user's runtime folder (XDG_RUNTIME_DIR) or, without one, the cache folder (XDG_CACHE_HOME,
// ~/.cache). Only the user may enter it. It goes, with everything in it, when the object goes;
// making one first removes the folders of runs whose process is gone (a crash, a kill).
class RunFolder {
public:
    static Result<std::unique_ptr<RunFolder>> create();
    ~RunFolder();
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;

    const QString& path() const { return m_path; }

    // The folder that holds every run's folder.
    static QString baseFolder();
    // Removes the run folders under `base` whose process is gone; answers how many went.
    static int removeAbandoned(const QString& base);

private:
    explicit RunFolder(QString path) : m_path(std::move(path)) {}
    QString m_path;
};

}  // namespace xc
