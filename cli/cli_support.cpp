#include "cli/cli_support.h"

#include "core/file_ops.h"
#include "templates/startup.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>

#include <algorithm>
#include <cstdio>

namespace xc::cli {

namespace {
const QCommandLineOption appDirOption(QStringList{"app-dir"}, "Program folder holding the data tree (default: the folder of xiangce-cli).", "DIR");
}

bool parseCommand(QCommandLineParser& parser, const QString& command, const QString& description,
                  const QStringList& args, int& exitCode)
{
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    parser.addOption(appDirOption);
    QStringList argv = args;
    argv.prepend(QStringLiteral("xiangce-cli ") + command);
    if (!parser.parse(argv)) {
        printErr(parser.errorText());
        exitCode = exitUsage;
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        printOut(parser.helpText());
        exitCode = exitOk;
        return false;
    }
    return true;
}

std::optional<CommandWorkspace> workspaceFrom(const QCommandLineParser& parser)
{
    Result<std::unique_ptr<RunFolder>> run = RunFolder::create();
    if (!run.ok()) {
        printErr(run.error());
        return std::nullopt;
    }
    const QString data = parser.isSet(appDirOption) ? parser.value(appDirOption) : Workspace::installedDataDir();
    Workspace workspace(data, run.value()->path());
    return CommandWorkspace{std::move(run.value()), std::move(workspace)};
}

void reportLeftOutTemplates(const QStringList& leftOut)
{
    for (const QString& line : leftOut)
        printErr(QStringLiteral("模板已忽略：") + line);
}

void startUpReporting(AlbumModel& model, const Workspace& workspace)
{
    const StartupReport startup = startUp(model, workspace);
    reportLeftOutTemplates(startup.catalogue.leftOut);
    for (const QString& folder : startup.foldersNotCreated)
        printErr(folderNotCreatedMessage(folder));
}

QStringList photoFilesFrom(const QStringList& arguments)
{
    QStringList files;
    for (const QString& argument : arguments) {
        const QFileInfo info(argument);
        if (!info.isDir()) {
            files << info.absoluteFilePath();
            continue;
        }
        QStringList names = QDir(argument).entryList({QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")}, QDir::Files);
        std::sort(names.begin(), names.end());
        for (const QString& name : names)
            files << QDir(info.absoluteFilePath()).filePath(name);
    }
    return files;
}

void printJson(const QJsonObject& object)
{
    printOut(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)).trimmed());
}

void printOut(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

void printErr(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fputc('\n', stderr);
}

}  // namespace xc::cli
