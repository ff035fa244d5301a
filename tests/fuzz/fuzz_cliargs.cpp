// varnel-chart's arguments: the bytes, split at line ends, are parsed and answered with exit
// status 0, 1 or 2 and no crash. The print options are left out: they would write files or
// print, which is not what is fuzzed here.
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/chartcli.h"

using namespace varnel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // "--check -" reads standard input: here it is empty, never a terminal to wait on.
    static std::stringbuf empty;
    std::cin.rdbuf(&empty);
    std::vector<std::string> args;
    std::string current;
    for (std::size_t i = 0; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '\n') {
            args.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) args.push_back(current);
    if (needsPrinting(args)) return 0;
    std::ostringstream out;
    std::ostringstream err;
    const int status = runChartCommand(args, out, err);
    if (status < 0 || status > 2) std::abort();
    return 0;
}
