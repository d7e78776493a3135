#pragma once

#include <QString>

namespace xc {

// The data tree: the shipped data (template packages, the start picture, the samples, the
// template page), only ever read, and the working files of one run, under the same relative
// names. Every path is built here by joining a root with a fixed relative path; the shipped
// paths take the data folder, every other path the work folder.
class Workspace {
public:
    // Shipped data and working files in one folder (a writable copy of the tree, as tests use).
    explicit Workspace(QString appDir);
    // The shipped data read from `dataDir`, the working files written under `workDir`.
    Workspace(QString dataDir, QString workDir);

    // Where the program's shipped data is: beside the executable in the build, the install
    // prefix's share/xiangce/ in an installed copy.
    static QString installedDataDir();

    const QString& appDir() const { return m_dataDir; }   // the data folder; always ends with "/"
    const QString& workDir() const { return m_workDir; }  // always ends with "/"
    QString workRoot() const { return m_workDir + QStringLiteral("smxcwjj/"); }
    QString path(const QString& relative) const;

    // True when an absolute path lies inside the working files (used before anything is deleted).
    bool containsPath(const QString& absolutePath) const;

private:
    QString m_dataDir;
    QString m_workDir;
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
inline const QString samplePhotos = QStringLiteral("smxcwjj/samples/");
inline const QString pictures = QStringLiteral("smxcwjj/pictures/");
inline const QString templatePage = QStringLiteral("smxcwjj/web/");
}  // namespace paths

// True for the relative paths of the shipped data.
bool isShippedPath(const QString& relative);

// Template instance n works in the folder instanceFolderPrefix + n + "/", its movie named
// instanceMovieName(n) inside.
QString instanceFolderPrefix(const Workspace& workspace);  // ".../tp_wjj/tp_wjj/tp_wjj_"
QString instanceFolderPath(const Workspace& workspace, const QString& instance);
QString instanceMovieName(const QString& instance, const QString& movieExtension);  // "w_j_" + n + ext1

}  // namespace xc
