#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace xc {

// The application title; also the name of the single-instance lock.
inline const QString applicationTitle = QStringLiteral("相册工坊");

// Holds the single-instance lock for as long as it lives. A second copy of the program finds
// the lock taken and must end at once.
class SingleInstanceGuard {
public:
    // lockFolder defaults to the user's runtime folder.
    explicit SingleInstanceGuard(const QString& lockFolder = QString());
    bool isFirstInstance() const { return m_acquired; }

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_acquired = false;
};

}  // namespace xc
