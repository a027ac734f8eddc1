#pragma once

#include <cstddef>
#include <functional>

namespace rivet {

// Runs work(0) .. work(count - 1) on the calling thread and up to three more, each index
// once, in no particular order, and returns when all are done. The first exception a piece
// of work throws is thrown again here once the others have finished.
void forEachInParallel(std::size_t count, const std::function<void(std::size_t)>& work);

} // namespace rivet
