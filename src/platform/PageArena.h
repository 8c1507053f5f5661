#pragma once
// Memory for large buffers that are filled once and kept until the owner goes (a search's
// hit lines). It is taken from the system in chunks of 2 MiB, aligned and marked for huge
// pages where the system offers them, so filling it costs one page fault per chunk
// instead of one per 4 KiB page: on a virtual machine a fresh page can cost more than
// the work that fills it.
#include <cstddef>
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

 private:
  struct Chunk {
    char* data;
    std::size_t size;
  };
  void release();

  std::vector<Chunk> chunks_;
  std::size_t used_ = 0;  // of the last chunk
};

}  // namespace quilmo
