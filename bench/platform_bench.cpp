#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "platform/host_path.h"
#include "platform/ini_file.h"
#include "platform/text_list.h"

namespace {

std::string TempFile(const char* name) {
    return vx::ToSystemPath(std::filesystem::temp_directory_path() / name);
}

// An ini file of 200 sections with 100 keys each, looked up key by key.
void BM_IniFileLookups(benchmark::State& state) {
    vx::TextList text;
    for (int s = 0; s < 200; ++s) {
        text.Add("[Section" + std::to_string(s) + "]");
        for (int k = 0; k < 100; ++k) {
            text.Add("Key" + std::to_string(k) + "=" + std::to_string(s * k));
        }
    }
    const std::string path = TempFile("vx_bench.ini");
    text.SaveToFile(path);
    for (auto _ : state) {
        vx::IniFile ini(path);
        long sum = 0;
        for (int s = 0; s < 200; ++s) {
            for (int k = 0; k < 100; ++k) {
                sum += static_cast<long>(
                    ini.ReadString("section" + std::to_string(s), "KEY" + std::to_string(k), "")
                        .size());
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    vx::RemoveFile(path);
}
BENCHMARK(BM_IniFileLookups)->Unit(benchmark::kMillisecond);

void BM_TextListLoad(benchmark::State& state) {
    vx::TextList text;
    for (int i = 0; i < 100000; ++i) {
        text.Add("S" + std::to_string(i) + "E1 WW10 : S1E2 WW20 M1");
    }
    const std::string path = TempFile("vx_bench.txt");
    text.SaveToFile(path);
    for (auto _ : state) {
        vx::TextList loaded;
        loaded.LoadFromFile(path);
        benchmark::DoNotOptimize(loaded.Count());
    }
    vx::RemoveFile(path);
}
BENCHMARK(BM_TextListLoad)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
