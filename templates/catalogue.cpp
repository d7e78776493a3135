#include "templates/catalogue.h"

#include "core/album_model.h"
#include "core/file_ops.h"
#include "core/workspace.h"
#include "templates/classification.h"
#include "templates/ini_file.h"
#include "templates/package_codec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace xc {

namespace {

const QString markerSection = QStringLiteral("l_x_w_j_s_y");
const QString markerValue = QStringLiteral("s_y_l_x");
const QString slotSection = QStringLiteral("1");

void appendPackages(const QString& folder, QStringList& out)
{
    const QDir dir(folder);
    // Byte order of the names keeps pairing deterministic and independent of the locale.
    QStringList names = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                      QDir::NoSort);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) { return a.toUtf8() < b.toUtf8(); });
    for (const QString& name : names) {
        const QString path = folder + QLatin1Char('/') + name;
        const QFileInfo info(path);
        if (info.isDir() && !info.isSymLink())
            appendPackages(path, out);
        else if (info.isFile() && (name.endsWith(QStringLiteral(".rar")) || name.endsWith(QStringLiteral(".RAR"))))
            out << path;
    }
}

}  // namespace

void CatalogueReport::leaveOut(const QString& path, const QString& reason)
{
    leftOut << QStringLiteral("%1: %2").arg(path, reason);
    leftOutFiles << path;
}

QString CatalogueReport::notice() const
{
    if (leftOut.isEmpty())
        return {};
    if (leftOutFiles.isEmpty())
        return leftOut.join(QLatin1Char('\n'));
    // The reasons are for the command line; a person needs to know which files to replace.
    constexpr qsizetype shown = 8;
    QStringList names;
    for (qsizetype i = 0; i < std::min(shown, leftOutFiles.size()); ++i)
        names << QFileInfo(leftOutFiles[i]).fileName();
    QString text = QStringLiteral("以下模板文件已损坏或不完整，未能载入：\n") + names.join(QLatin1Char('\n'));
    if (leftOutFiles.size() > shown)
        text += QStringLiteral("\n……共 %1 个文件").arg(leftOutFiles.size());
    return text + QStringLiteral("\n（位于 %1）").arg(QFileInfo(leftOutFiles.first()).absolutePath());
}

QStringList listPackages(const QString& folder)
{
    QStringList out;
    appendPackages(folder, out);
    return out;
}

Status scanAndPair(AlbumModel& model, const Workspace& workspace, CatalogueReport& report)
{
    const QString scratch = workspace.path(paths::parameterScratch);
    if (Status made = recreateFolder(workspace, scratch); !made.ok())
        return made;
    model.scanPaths.clear();
    model.scanNumbering.clear();
    model.scanParameters.clear();
    model.scanMovies.clear();

    const QStringList parameters = listPackages(workspace.path(paths::parameterPackages));
    const QStringList movies = listPackages(workspace.path(paths::moviePackages));
    model.scanPaths << parameters << movies;

    const qsizetype pairs = std::min(parameters.size(), movies.size());
    for (qsizetype a = 0; a < pairs; ++a) {
        model.scanNumbering << QStringLiteral("%1=   %2   %3").arg(a + 1).arg(2 * a).arg(2 * a + 1);
        model.scanParameters << parameters[a];
        model.scanMovies << movies[a];
    }
    for (qsizetype a = pairs; a < parameters.size(); ++a)
        report.leaveOut(parameters[a], QStringLiteral("没有与之配对的模板动画包"));
    for (qsizetype a = pairs; a < movies.size(); ++a)
        report.leaveOut(movies[a], QStringLiteral("没有与之配对的模板参数包"));
    return Status::success();
}

void readCatalogue(AlbumModel& model, const Workspace& workspace, CatalogueReport& report)
{
    model.catalogue.clear();
    for (qsizetype i = 0; i < model.scanParameters.size(); ++i) {
        const QString base = workspace.path(paths::parameterScratch) + QStringLiteral("wjj_00_j_y") + QString::number(i + 1);
        const QString iniPath = base + QStringLiteral(".ini");
        const Status decoded = decodePackage(model.scanParameters[i], base, iniPath);
        QFile iniFile(iniPath);
        const IniFile ini = decoded.ok() && iniFile.open(QIODevice::ReadOnly) ? IniFile::parse(iniFile.readAll()) : IniFile();
        iniFile.close();
        QFile::remove(iniPath);

        if (!decoded.ok()) {
            report.leaveOut(model.scanParameters[i], decoded.error());
            continue;
        }
        if (ini.value(markerSection, markerSection) != markerValue) {
            report.leaveOut(model.scanParameters[i], QStringLiteral("不是有效的模板参数文件（标记不符）"));
            continue;
        }
        TemplateRecord row;
        row.kind = ini.value(slotSection, QStringLiteral("mblx"));
        row.category = ini.value(slotSection, QStringLiteral("mbfl"));
        row.photoCount = ini.value(slotSection, QStringLiteral("xpsl"));
        row.slotWidths = ini.value(slotSection, QStringLiteral("xpkd"));
        row.slotHeights = ini.value(slotSection, QStringLiteral("xpgd"));
        row.slotOrientations = ini.value(slotSection, QStringLiteral("szhz"));
        row.slotJpgNames = ini.value(slotSection, QStringLiteral("xpjpgmc"));
        row.package = model.scanMovies[i];
        row.index = QString::number(model.catalogue.count());  // equals the row position
        row.frames = ini.value(slotSection, QStringLiteral("mbdx"));
        row.collection = ini.value(slotSection, QStringLiteral("mbxl"));
        model.catalogue.append(row);
    }
    report.usableTemplates = int(model.catalogue.count());
}

CatalogueReport buildCatalogue(AlbumModel& model, const Workspace& workspace)
{
    CatalogueReport report;
    const Status scanned = scanAndPair(model, workspace, report);
    if (!scanned.ok()) {
        report.leftOut << scanned.error();
        return report;
    }
    readCatalogue(model, workspace, report);
    sortTemplates(model);
    countSlots(model);
    return report;
}

}  // namespace xc
