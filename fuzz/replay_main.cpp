// Feeds saved fuzzer inputs to the fuzz target without libFuzzer, so every
// build checks the corpus and a failing input can be rerun under a debugger.
// Each argument is an input file or a folder of them.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

bool replay(const std::filesystem::path &file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "Cannot read %s\n", file.c_str());
        return false;
    }
    const std::string bytes { std::istreambuf_iterator<char>(in),
        std::istreambuf_iterator<char>() };
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path given(argv[i]);
        if (std::filesystem::is_directory(given)) {
            for (const auto &entry : std::filesystem::directory_iterator(given)) {
                if (entry.is_regular_file())
                    files.push_back(entry.path());
            }
        } else {
            files.push_back(given);
        }
    }
    // An empty or mistyped folder would otherwise pass without checking anything.
    if (files.empty()) {
        std::fprintf(stderr, "No inputs given.\n");
        return 1;
    }
    for (const std::filesystem::path &file : files) {
        if (!replay(file))
            return 1;
    }
    std::printf("Replayed %zu inputs.\n", files.size());
    return 0;
}
