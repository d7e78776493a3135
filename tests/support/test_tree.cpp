#include "tests/support/test_tree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace xc::test {

TestTree::TestTree(Contents contents) : m_workspace(m_dir.path())
{
    if (contents == Contents::BuiltDataTree) {
        copyTree(builtPath("smxcwjj"), path("smxcwjj"));
        copyTree(builtPath("yinyuegeci"), path("yinyuegeci"));
    }
}

void TestTree::writeFile(const QString& relative, const QByteArray& bytes) const
{
    const QString target = path(relative);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile file(target);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString sourcePath(const QString& relative) { return QStringLiteral(XC_SOURCE_DIR "/") + relative; }
QString builtPath(const QString& relative) { return QStringLiteral(XC_BIN_DIR "/") + relative; }

bool copyTree(const QString& from, const QString& to)
{
    QDir source(from);
    if (!source.exists() || !QDir().mkpath(to))
        return false;
    bool ok = true;
    for (const QFileInfo& entry : source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        ok = (entry.isDir() ? copyTree(entry.absoluteFilePath(), target)
                            : QFile::copy(entry.absoluteFilePath(), target)) && ok;
    }
    return ok;
}

}  // namespace xc::test
