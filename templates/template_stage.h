#pragma once

#include <QString>
#include <QTemporaryDir>

namespace xc {

// A temporary folder laid out as a materialised template is, for playing a movie outside an
// album: the movie and its slot pictures in a folder two levels below "pic/", which holds the
// start picture the movie reads as "../../pic/picture_0.rar".
class TemplateStage {
public:
    TemplateStage();

    bool isValid() const { return m_valid; }
    QString movieFolder() const { return m_dir.filePath(QStringLiteral("a/b/")); }
    QString pictureFolder() const { return m_dir.filePath(QStringLiteral("pic/")); }
    QString moviePath() const { return movieFolder() + QStringLiteral("w_j_1.rar"); }
    // Where a package's intermediate layer files go when it is decoded onto the stage.
    QString scratchPrefix() const { return m_dir.filePath(QStringLiteral("layer")); }

private:
    QTemporaryDir m_dir;
    bool m_valid = false;
};

}  // namespace xc
