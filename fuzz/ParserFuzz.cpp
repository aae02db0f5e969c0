// libFuzzer target: arbitrary bytes through the perception parser into the
// world model, seeded with the recorded server messages (see ./run). Any
// crash, hang, out-of-bounds access or undefined behaviour is a finding.

#include <cstddef>
#include <cstdint>
#include <iostream>
#include <streambuf>
#include <string>

#include "WorldModel/Parser.h"
#include "WorldModel/WorldModel.h"

namespace {

struct NullBuffer : std::streambuf
{
    int overflow(int c) override { return traits_type::not_eof(c); }
};

Parser& parser()
{
    static NullBuffer silent;
    static const bool quiet = [] {
        std::cout.rdbuf(&silent);
        std::cerr.rdbuf(&silent);
        WorldModel::instance()->setNum(1);
        return true;
    }();
    (void)quiet;
    static Parser instance;
    return instance;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    parser().doParse(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
