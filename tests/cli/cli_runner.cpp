#include "tests/cli/cli_runner.h"

#include "tests/support/test_tree.h"

#include <QProcess>

namespace xc::test {

CliRun runCli(const QStringList& args, int timeoutMs)
{
    QProcess process;
    process.start(builtPath("xiangce-cli"), args);
    process.waitForFinished(timeoutMs);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
}

}  // namespace xc::test
