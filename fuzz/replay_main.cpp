// Runs a fuzz target once on every file named, or in a folder named, without libFuzzer: how the
// corpus is checked in the ordinary and sanitized test runs.
#include "fuzz/fuzz_target.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

void replay(const std::filesystem::path& path)
{
    std::fprintf(stderr, "%s\n", path.string().c_str());
    std::ifstream file(path, std::ios::binary);
    fuzz::require(file.is_open(), "the input can be read");
    const std::vector<char> bytes {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::filesystem::path> files;
    for (int arg = 1; arg < argc; ++arg) {
        const std::filesystem::path path(argv[arg]);
        if (std::filesystem::is_directory(path))
            std::copy(std::filesystem::directory_iterator(path), std::filesystem::directory_iterator(),
                std::back_inserter(files));
        else
            files.push_back(path);
    }
    fuzz::require(!files.empty(), "inputs to replay");
    for (const std::filesystem::path& file : files)
        replay(file);
    return 0;
}
