#include "platform/PageArena.h"

#include <new>
#include <utility>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace quilmo {

namespace {

constexpr std::size_t kAlign = 64;

std::size_t roundedUp(std::size_t size, std::size_t to) { return (size + to - 1) / to * to; }

#ifdef __linux__
// A mapping of size bytes (a multiple of kChunk) that starts on a chunk boundary, so that
// each chunk can be one huge page.
char* map(std::size_t size) {
  // A small chunk (a search with few hits) is plain pages: a huge one would be cleared whole.
  if (size < PageArena::kChunk) {
    void* raw = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) throw std::bad_alloc();
    return static_cast<char*>(raw);
  }
  const std::size_t slack = PageArena::kChunk;
  void* raw = mmap(nullptr, size + slack, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) throw std::bad_alloc();
  char* const start = static_cast<char*>(raw);
  char* const aligned = reinterpret_cast<char*>(roundedUp(reinterpret_cast<std::size_t>(start), slack));
  if (aligned > start) munmap(start, std::size_t(aligned - start));
  if (char* const end = aligned + size; end < start + size + slack) munmap(end, std::size_t(start + size + slack - end));
  madvise(aligned, size, MADV_HUGEPAGE);  // a hint: without huge pages it is plain memory
  return aligned;
}
void unmap(char* data, std::size_t size) { munmap(data, size); }
#else
char* map(std::size_t size) { return static_cast<char*>(::operator new(size, std::align_val_t(kAlign))); }
void unmap(char* data, std::size_t) { ::operator delete(data, std::align_val_t(kAlign)); }
#endif

}  // namespace

void* mapHugePages(std::size_t size) { return map(roundedUp(size, PageArena::kChunk)); }
void unmapHugePages(void* data, std::size_t size) { unmap(static_cast<char*>(data), roundedUp(size, PageArena::kChunk)); }

PageArena::~PageArena() { release(); }

PageArena::PageArena(PageArena&& other) noexcept
    : chunks_(std::exchange(other.chunks_, {})), used_(std::exchange(other.used_, 0)) {}

PageArena& PageArena::operator=(PageArena&& other) noexcept {
  if (this != &other) {
    release();
    chunks_ = std::exchange(other.chunks_, {});
    used_ = std::exchange(other.used_, 0);
  }
  return *this;
}

void PageArena::release() {
  for (const Chunk& chunk : chunks_) unmap(chunk.data, chunk.size);
  chunks_.clear();
  used_ = 0;
}

char* PageArena::allocate(std::size_t size) {
  size = roundedUp(size, kAlign);
  if (chunks_.empty() || used_ + size > chunks_.back().size) {
    // A small first chunk, so that a few hits never take a whole huge page.
    const std::size_t chunkSize = chunks_.empty() && size <= kFirstChunk ? kFirstChunk : roundedUp(size, kChunk);
    chunks_.push_back({map(chunkSize), chunkSize});
    used_ = 0;
  }
  char* const at = chunks_.back().data + used_;
  used_ += size;
  return at;
}

}  // namespace quilmo
