// The libFuzzer entry points of one fuzz target; the build names its entry in
// QUORVEX_FUZZ_ENTRY.
#include "FuzzEntries.h"

#include <QApplication>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Widgets need an application; it lives until the process ends.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quorvex-fuzz";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::QUORVEX_FUZZ_ENTRY(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
