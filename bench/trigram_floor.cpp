// The least work any index of trigrams per block of lines must do: read every catalogue
// and note each trigram of its lines in capitals once per block of 32 lines, passing over
// the part of a line it shares with the block's previous line, as the index builder does.
// It writes nothing and keeps no lists, so its time bounds a full index build from below
// (bench/index.sh). One thread per core, each taking every n-th file.
//
// usage: trigram_floor CATALOGUE...   prints how many (block, trigram) pairs it met
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

namespace {

constexpr int kBlockLines = 32;
constexpr std::uint32_t kKeyMask = (1u << 18) - 1;  // three bytes of six bits, as the index keeps them

// Eight bytes at a time: lines of one folder share its path, tens of bytes.
std::size_t sharedPrefix(const char* a, std::size_t aSize, const char* b, std::size_t bSize) {
  const std::size_t n = std::min(aSize, bSize);
  std::size_t i = 0;
  for (std::uint64_t x, y; i + 8 <= n; i += 8)
    if (std::memcpy(&x, a + i, 8), std::memcpy(&y, b + i, 8), x != y) return i + std::size_t(__builtin_ctzll(x ^ y)) / 8;
  return i + std::size_t(std::mismatch(a + i, a + n, b + i).first - (a + i));
}

std::uint64_t pairsIn(const char* text, std::size_t textSize) {
  std::vector<std::uint64_t> seen((kKeyMask + 1) / 64);
  std::vector<std::uint32_t> blockKeys;
  std::uint64_t pairs = 0;
  const char* previous = nullptr;
  std::size_t previousSize = 0;
  int lines = 0;
  for (const char *line = text, *end = text + textSize; line < end;) {
    const char* feed = static_cast<const char*>(std::memchr(line, '\n', std::size_t(end - line)));
    const std::size_t size = std::size_t((feed ? feed : end) - line);
    const std::size_t shared = lines ? sharedPrefix(line, size, previous, previousSize) : 0;
    std::uint32_t key = 0;
    for (std::size_t i = shared < 2 ? 0 : shared - 2; i < size; ++i) {
      unsigned char c = static_cast<unsigned char>(line[i]);
      if (c >= 'a' && c <= 'z') c = static_cast<unsigned char>(c - 32);
      key = (key << 6 | (c & 63u)) & kKeyMask;
      std::uint64_t& word = seen[key >> 6];
      const std::uint64_t bit = std::uint64_t(1) << (key & 63);
      if (!(word & bit)) {
        word |= bit;
        blockKeys.push_back(key);
      }
    }
    previous = line;
    previousSize = size;
    if (++lines == kBlockLines) {
      for (const std::uint32_t k : blockKeys) seen[k >> 6] = 0;
      pairs += blockKeys.size();
      blockKeys.clear();
      lines = 0;
    }
    line += size + 1;
  }
  return pairs + blockKeys.size();
}

}  // namespace

int main(int argc, char** argv) {
  const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
  std::atomic<std::uint64_t> pairs{0};
  std::vector<std::thread> workers;
  for (unsigned t = 0; t < threads; ++t)
    workers.emplace_back([&, t] {
      std::vector<char> buffer;  // only grows, so no file's bytes are cleared first
      for (int f = 1 + int(t); f < argc; f += int(threads)) {
        std::FILE* file = std::fopen(argv[f], "rb");
        if (!file) continue;
        std::size_t size = 0;
        for (std::size_t got = 1; got > 0; size += got) {
          if (buffer.size() < size + (1 << 20)) buffer.resize(2 * (size + (1 << 20)));
          got = std::fread(buffer.data() + size, 1, buffer.size() - size, file);
        }
        std::fclose(file);
        pairs += pairsIn(buffer.data(), size);
      }
    });
  for (std::thread& worker : workers) worker.join();
  std::printf("%llu\n", static_cast<unsigned long long>(pairs.load()));
}
