#pragma once

#include <QByteArray>
#include <QStringList>

namespace xc::test {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the built xiangce-cli with the arguments and waits for it.
CliRun runCli(const QStringList& args, int timeoutMs = 120000);

}  // namespace xc::test
