#pragma once

#include "core/record_layout.h"
#include "core/run_folder.h"
#include "core/workspace.h"

#include <QCommandLineParser>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace xc {
struct AlbumModel;
}

namespace xc::cli {

// Exit codes shared by every command.
inline constexpr int exitOk = 0;
inline constexpr int exitFailure = 1;
inline constexpr int exitUsage = 2;

// Sets up a command's parser with --help and --app-dir; returns false (after printing help or
// the usage error) when the command should end with `exitCode`.
bool parseCommand(QCommandLineParser& parser, const QString& command, const QString& description,
                  const QStringList& args, int& exitCode);

// The data tree of one command: the shipped data of --app-dir (or of the program) and a private
// working folder, removed with whatever the command left in it when this goes.
struct CommandWorkspace {
    std::unique_ptr<RunFolder> run;
    Workspace workspace;
};
// Nothing (after telling why on stderr) when the working folder cannot be made.
std::optional<CommandWorkspace> workspaceFrom(const QCommandLineParser& parser);

// Start-up as the desktop does it (the template catalogue, then the data tree's clean-up); what
// was left out or could not be made is told on stderr.
void startUpReporting(AlbumModel& model, const Workspace& workspace);
// The templates the catalogue left out, one line each on stderr.
void reportLeftOutTemplates(const QStringList& leftOut);

// The photos named on the command line; a folder adds its .jpg and .jpeg files in name order.
QStringList photoFilesFrom(const QStringList& arguments);

void printOut(const QString& text);  // a line on stdout, UTF-8
void printErr(const QString& text);  // a line on stderr, UTF-8
void printJson(const QJsonObject& object);  // indented JSON on stdout

template <typename Record>
QJsonObject recordToJson(const Record& record, RecordLayout<Record> layout = Record::layout())
{
    QJsonObject object;
    for (const auto& field : layout)
        object.insert(QString::fromLatin1(field.id), record.*(field.member));
    return object;
}

template <typename Record>
QString recordToLine(const Record& record, RecordLayout<Record> layout = Record::layout())
{
    QStringList values;
    for (const auto& field : layout)
        values << record.*(field.member);
    return values.join(QLatin1Char('\t'));
}

// The column identifiers of recordToLine's lines.
template <typename Record>
QString recordHeader(RecordLayout<Record> layout = Record::layout())
{
    QStringList ids;
    for (const auto& field : layout)
        ids << QString::fromLatin1(field.id);
    return ids.join(QLatin1Char('\t'));
}

}  // namespace xc::cli
