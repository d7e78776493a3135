#pragma once

#include <QString>

namespace xc {

// The program folder (AppDir) and the data tree beside it. Every path of the data tree is built
// here by joining AppDir with a fixed relative path, so tests can work on a copy of the tree.
class Workspace {
public:
    explicit Workspace(QString appDir);

    // The folder of the running executable.
    static Workspace ofExecutable();

    const QString& appDir() const { return m_appDir; }  // always ends with "/"
    QString workRoot() const { return m_appDir + QStringLiteral("smxcwjj/"); }
    QString path(const QString& relative) const { return m_appDir + relative; }

    // True when an absolute path lies inside the data tree (used before anything is deleted).
    bool containsPath(const QString& absolutePath) const;

private:
    QString m_appDir;
};

// Fixed relative paths of the data tree.
namespace paths {
inline const QString parameterPackages = QStringLiteral("smxcwjj/wj_0_or_2/wjj_02");
inline const QString moviePackages = QStringLiteral("smxcwjj/wj_0_or_2/wjj_01");
inline const QString parameterScratch = QStringLiteral("smxcwjj/wj_0_or_2/wjj_00_j_y/");
inline const QString closingPackage = QStringLiteral("smxcwjj/wj_0_or_1/wj_1.rar");
inline const QString movieScratch = QStringLiteral("smxcwjj/wj_0_or_1/wj_1_jy/");
inline const QString templateWorkArea = QStringLiteral("smxcwjj/tp_wjj/tp_wjj/");
inline const QString templateRoot = QStringLiteral("smxcwjj/tp_wjj/");
inline const QString exchangePictures = QStringLiteral("smxcwjj/tp_wjj/pic/");
inline const QString thumbnailRoot = QStringLiteral("smxcwjj/tp_wj/");
inline const QString photoThumbnails = QStringLiteral("smxcwjj/tp_wj/tp_slt_1/");
inline const QString musicThumbnails = QStringLiteral("smxcwjj/tp_wj/tp_slt_2/");
inline const QString lyricsThumbnails = QStringLiteral("smxcwjj/tp_wj/tp_slt_3/");
inline const QString renderScratch = QStringLiteral("smxcwjj/tp_load/");
inline const QString previewRoot = QStringLiteral("smxcwjj/wj_yl_xg_1/");
inline const QString previewArea = QStringLiteral("smxcwjj/wj_yl_xg_1/wj_yl_xg_1/wj_yl_xg_1/");
inline const QString unusedArea = QStringLiteral("smxcwjj/wj_x_g_c_l_1/wj_x_g_c_l_1/wj_x_g_c_l_1/wj_x_g_c_l_1/");
inline const QString samples = QStringLiteral("yinyuegeci/");
}  // namespace paths

// Template instance n works in the folder instanceFolderPrefix + n + "/", its movie named
// instanceMovieName(n) inside.
QString instanceFolderPrefix(const Workspace& workspace);  // ".../tp_wjj/tp_wjj/tp_wjj_"
QString instanceFolderPath(const Workspace& workspace, const QString& instance);
QString instanceMovieName(const QString& instance, const QString& movieExtension);  // "w_j_" + n + ext1

}  // namespace xc
