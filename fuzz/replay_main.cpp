// Plain replay driver for the fuzz targets: feeds every file found under the
// folders given on the command line to LLVMFuzzerTestOneInput once.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    int count = 0;
    for (int a = 1; a < argc; ++a) {
        std::error_code ec;
        if (!fs::exists(argv[a], ec)) continue;
        std::vector<fs::path> files;
        if (fs::is_regular_file(argv[a], ec)) files.push_back(argv[a]);
        else
            for (const auto& e : fs::recursive_directory_iterator(argv[a], ec))
                if (e.is_regular_file()) files.push_back(e.path());
        for (const auto& f : files) {
            std::ifstream in(f, std::ios::binary);
            std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
            ++count;
        }
    }
    std::printf("replayed %d inputs\n", count);
    return 0;
}
