#include "cli/cli_support.h"
#include "cli/commands.h"

#include "templates/package_codec.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace xc::cli {

int runInspectPackage(const QStringList& args)
{
    QCommandLineParser parser;
    const QCommandLineOption output(QStringList{"o", "output"}, QStringLiteral("Write the payload to OUT (default: standard output)."),
                                    QStringLiteral("OUT"));
    parser.addOption(output);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The package file."));
    int code = exitOk;
    if (!parseCommand(parser, QStringLiteral("inspect package"), QStringLiteral("Decodes one template package (23 layers)."), args, code))
        return code;
    if (parser.positionalArguments().size() != 1) {
        printErr(QStringLiteral("inspect package: exactly one FILE is needed"));
        return exitUsage;
    }

    // The decoder writes its intermediate layers as files, as the data tree does.
    QTemporaryDir scratch;
    const QString payloadPath = parser.isSet(output) ? parser.value(output) : scratch.filePath(QStringLiteral("payload"));
    const Status decoded = decodePackage(parser.positionalArguments().first(), scratch.filePath(QStringLiteral("layer")), payloadPath);
    if (!decoded.ok()) {
        printErr(decoded.error());
        return exitFailure;
    }
    if (!parser.isSet(output)) {
        QFile payload(payloadPath);
        if (!payload.open(QIODevice::ReadOnly)) {
            printErr(QStringLiteral("cannot read the decoded payload"));
            return exitFailure;
        }
        const QByteArray bytes = payload.readAll();
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    }
    return exitOk;
}

}  // namespace xc::cli
