// The version scan of a 100 MB file whose block sits at its end, beside a
// plain sequential read of the same file in the same run.
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "version/VersionInfo.h"

namespace {

const std::string& BigFile()
{
    static const std::string path = [] {
        std::ifstream in(TONIK_EXECUTABLE, std::ios::binary);
        const std::vector<char> executable((std::istreambuf_iterator<char>(in)), {});
        std::string name = "/tmp/tonik-scan-XXXXXX";
        const int fd = mkstemp(name.data());
        std::vector<char> filler(1 << 20, '\x5A');
        for (int i = 0; i < 100; ++i)
            (void)!write(fd, filler.data(), filler.size());
        (void)!write(fd, executable.data(), executable.size());  // its block comes last
        close(fd);
        return name;
    }();
    return path;
}

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return 0;
}

void BM_VersionScan(benchmark::State& state)
{
    const long before = ResidentKilobytes();
    for (auto _ : state) {
        tonik::VersionInfo info;
        if (!info.LoadFromFile(BigFile().c_str()))
            state.SkipWithError("no version block found");
    }
    state.counters["peak rss growth kB"] = double(ResidentKilobytes() - before);
    state.SetBytesProcessed(int64_t(state.iterations()) * (100 << 20));
}

void BM_BaselinePlainRead(benchmark::State& state)
{
    std::vector<char> buffer(65536);
    for (auto _ : state) {
        const int fd = open(BigFile().c_str(), O_RDONLY);
        while (read(fd, buffer.data(), buffer.size()) > 0) {
        }
        close(fd);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * (100 << 20));
}

BENCHMARK(BM_BaselinePlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VersionScan)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::remove(BigFile().c_str());
    return 0;
}
