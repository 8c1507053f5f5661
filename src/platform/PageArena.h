#pragma once
// Memory for large buffers that are filled once and kept until the owner goes (a search's
// hit lines). It is taken from the system in chunks of 2 MiB, aligned and marked for huge
// pages where the system offers them, so filling one costs one page fault instead of one
// per 4 KiB page: on a virtual machine a fresh page can cost more than the work that fills
// it. The first chunk is of 64 KiB of plain pages, for the many searches that fill no more.
#include <cstddef>
#include <new>
#include <vector>

namespace quilmo {

class PageArena {
 public:
  PageArena() = default;
  ~PageArena();
  PageArena(PageArena&& other) noexcept;
  PageArena& operator=(PageArena&& other) noexcept;
  PageArena(const PageArena&) = delete;
  PageArena& operator=(const PageArena&) = delete;

  // size bytes, 64-byte aligned, valid until the arena is destroyed. A request larger than a
  // chunk takes a chunk of its own.
  char* allocate(std::size_t size);

  static constexpr std::size_t kChunk = std::size_t(2) << 20;
  static constexpr std::size_t kFirstChunk = std::size_t(64) << 10;

 private:
  struct Chunk {
    char* data;
    std::size_t size;
  };
  void release();

  std::vector<Chunk> chunks_;
  std::size_t used_ = 0;  // of the last chunk
};

// The same memory for a large vector that is filled at once (the search index builder's
// tables): std::vector<T, HugePageAllocator<T>>. Blocks below half a chunk come from the
// ordinary heap.
void* mapHugePages(std::size_t size);
void unmapHugePages(void* data, std::size_t size);

template <typename T>
struct HugePageAllocator {
  using value_type = T;
  HugePageAllocator() = default;
  template <typename U>
  HugePageAllocator(const HugePageAllocator<U>&) {}
  static bool large(std::size_t n) { return n * sizeof(T) >= PageArena::kChunk / 2; }
  T* allocate(std::size_t n) { return static_cast<T*>(large(n) ? mapHugePages(n * sizeof(T)) : ::operator new(n * sizeof(T))); }
  void deallocate(T* p, std::size_t n) {
    if (large(n)) unmapHugePages(p, n * sizeof(T));
    else ::operator delete(p);
  }
  template <typename U>
  bool operator==(const HugePageAllocator<U>&) const { return true; }
};

}  // namespace quilmo
