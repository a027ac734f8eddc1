#include "garage/Parallel.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace rivet {

namespace {

// Below this much work per thread, starting one costs more than it saves.
constexpr std::size_t kLeastPerThread = 64;
constexpr unsigned kMostThreads = 4;

} // namespace

void forEachInParallel(std::size_t count, const std::function<void(std::size_t)>& work)
{
    const std::size_t wanted = std::min<std::size_t>(
        {std::max(1u, std::thread::hardware_concurrency()), kMostThreads, count / kLeastPerThread + 1});
    std::atomic<std::size_t> next {0};
    std::exception_ptr failure;
    std::mutex failureLock;
    const auto run = [&] {
        for (std::size_t i = next++; i < count; i = next++) {
            try {
                work(i);
            } catch (...) {
                const std::lock_guard<std::mutex> lock(failureLock);
                if (!failure) {
                    failure = std::current_exception();
                }
            }
        }
    };
    std::vector<std::thread> helpers;
    for (std::size_t t = 1; t < wanted; ++t) {
        helpers.emplace_back(run);
    }
    run();
    for (std::thread& helper : helpers) {
        helper.join();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

} // namespace rivet
