#include "render/ParallelRows.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace {

// Below this much work a thread costs more to start than it saves.
constexpr std::int64_t kWorkPerThread = 1 << 20;
constexpr int kMinRowsPerBand = 8;

} // namespace

void forEachRowBand(
    int rows, int threads, std::int64_t work, const std::function<void(int begin, int end)>& band)
{
    if (rows <= 0)
        return;
    const std::int64_t worth = std::min<std::int64_t>(work / kWorkPerThread, rows / kMinRowsPerBand);
    if (worth <= 1 || threads == 1) {
        band(0, rows);
        return;
    }
    // Asking the system for the core count reads a file: once is enough.
    static const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    const int count = int(std::min<std::int64_t>(threads > 0 ? threads : cores, worth));
    if (count <= 1) {
        band(0, rows);
        return;
    }
    std::vector<std::thread> helpers;
    helpers.reserve(std::size_t(count - 1));
    const auto edge = [rows, count](int i) { return int(std::int64_t(rows) * i / count); };
    for (int i = 1; i < count; ++i)
        helpers.emplace_back(band, edge(i), edge(i + 1));
    band(edge(0), edge(1));
    for (std::thread& t : helpers)
        t.join();
}
