#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// The fuzz target linked beside this driver; LLVMFuzzerInitialize is optional
// there, as it is for libFuzzer.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

namespace fs = std::filesystem;

// Every file directly in the given folders or named itself, in name order so
// a failing run is repeatable.
std::vector<fs::path> inputsIn(const std::vector<std::string>& places)
{
    std::vector<fs::path> inputs;
    for (const std::string& place : places) {
        if (fs::is_directory(place)) {
            std::vector<fs::path> found;
            for (const fs::directory_entry& entry : fs::directory_iterator(place))
                if (entry.is_regular_file())
                    found.push_back(entry.path());
            std::sort(found.begin(), found.end());
            inputs.insert(inputs.end(), found.begin(), found.end());
        } else if (fs::is_regular_file(place)) {
            inputs.emplace_back(place);
        }
    }
    return inputs;
}

} // namespace

// Feeds each seed once to the fuzz target, without libFuzzer: a fault
// aborts the program, as it would the fuzzer. A run that finds no seeds
// fails too, since a missing corpus would otherwise pass unnoticed.
int main(int argc, char** argv)
{
    const std::vector<std::string> places(argv + 1, argv + argc);
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    const std::vector<fs::path> inputs = inputsIn(places);
    if (inputs.empty()) {
        std::fputs("replay: no seeds found\n", stderr);
        return 1;
    }
    for (const fs::path& input : inputs) {
        std::ifstream file(input, std::ios::binary);
        const std::vector<char> bytes { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
        std::fprintf(stderr, "replay: %s (%zu bytes)\n", input.c_str(), bytes.size());
        // An empty vector's data() may be null; libFuzzer hands over a valid pointer.
        static const std::uint8_t none = 0;
        const auto* data = bytes.empty() ? &none : reinterpret_cast<const std::uint8_t*>(bytes.data());
        LLVMFuzzerTestOneInput(data, bytes.size());
    }
    std::fprintf(stderr, "replay: %zu seeds passed\n", inputs.size());
    return 0;
}
