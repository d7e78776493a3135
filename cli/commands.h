#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace xc::cli {

struct Command {
    QString name;
    QString summary;
    std::function<int(const QStringList& args)> run;
};

// Top-level commands.
int runTemplates(const QStringList& args);
int runInspect(const QStringList& args);
int runPlan(const QStringList& args);
int runMake(const QStringList& args);

// Sub-commands of "inspect".
int runInspectPackage(const QStringList& args);
int runInspectPhoto(const QStringList& args);
int runInspectSong(const QStringList& args);
int runInspectLrc(const QStringList& args);
int runInspectKsc(const QStringList& args);
int runInspectMovie(const QStringList& args);

QList<Command> topLevelCommands();
QList<Command> inspectCommands();

// Runs the command named by args[0] from the table, or prints the table.
int dispatch(const QString& prefix, const QList<Command>& commands, const QStringList& args);

}  // namespace xc::cli
