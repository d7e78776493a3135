#pragma once

#include "core/workspace.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace xc::test {

// A temporary AppDir. With a copy of the built data tree when asked, so tests never touch
// the build's own tree.
class TestTree {
public:
    enum class Contents { Empty, BuiltDataTree };
    explicit TestTree(Contents contents = Contents::Empty);

    const Workspace& workspace() const { return m_workspace; }
    QString path(const QString& relative) const { return m_workspace.path(relative); }
    void writeFile(const QString& relative, const QByteArray& bytes) const;

private:
    QTemporaryDir m_dir;
    Workspace m_workspace;
};

// The source tree (for fixtures under data/ and tests/) and the built program folder.
QString sourcePath(const QString& relative);
QString builtPath(const QString& relative);

bool copyTree(const QString& from, const QString& to);

// A file's bytes; empty when it cannot be read.
QByteArray readFile(const QString& path);

}  // namespace xc::test
