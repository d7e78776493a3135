// Packs a payload file into a template package: xiangce-pack PAYLOAD PACKAGE
#include "templates/package_codec.h"

#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: xiangce-pack PAYLOAD PACKAGE\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "xiangce-pack: cannot read %s\n", argv[1]);
        return 1;
    }
    const QByteArray package = xc::encodePackage(in.readAll());
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(package) != package.size()) {
        std::fprintf(stderr, "xiangce-pack: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
