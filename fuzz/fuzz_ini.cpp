// The template parameter file (INI) reader.
#include "fuzz/fuzz_support.h"
#include "templates/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const xc::IniFile ini = xc::IniFile::parse(xc::fuzz::bytesOf(data, size));
    ini.value(QStringLiteral("moban"), QStringLiteral("xpsl"));
    return 0;
}
