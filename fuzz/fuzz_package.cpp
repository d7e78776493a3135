// The template package decoder: a package file decoded through its layers into the final file.
#include "fuzz/fuzz_support.h"
#include "templates/package_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString package = xc::fuzz::writeScratch(QStringLiteral("package.rar"), data, size);
    xc::decodeLayer(xc::fuzz::bytesOf(data, size));
    xc::decodePackage(package, xc::fuzz::scratchFile(QStringLiteral("layer_")), xc::fuzz::scratchFile(QStringLiteral("decoded")));
    return 0;
}
