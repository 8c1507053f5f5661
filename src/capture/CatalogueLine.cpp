#include "capture/CatalogueLine.h"

#include <algorithm>
#include <array>

#include "platform/NumberFormat.h"

namespace quilmo::capture::CatalogueLine {

namespace {

// Bytes copied as they are: ASCII except the four a line cannot hold.
constexpr std::array<bool, 256> kPlain = [] {
  std::array<bool, 256> plain{};
  for (int c = 0; c < 0x80; ++c) plain[c] = true;
  for (const char c : {'"', '\r', '\n', '\\'}) plain[static_cast<unsigned char>(c)] = false;
  return plain;
}();

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the well-formed UTF-8 sequence starting at text[0] (lead byte 0x80 or above),
// or 0 when it is not one: overlong forms, surrogates and values above U+10FFFF included.
size_t sequenceLength(const unsigned char* text, size_t available) {
  const unsigned char lead = text[0];
  size_t length;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (available < length || text[1] < low || text[1] > high) return 0;
  for (size_t i = 2; i < length; ++i)
    if (!isContinuation(text[i])) return 0;
  return length;
}

// Writes name as a line can hold it from `to` on and returns the end. The result is never
// longer than the name: each replaced character or byte becomes one "?".
char* writeName(std::string_view name, char* to) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(name.data());
  const size_t size = name.size();
  size_t i = 0;
  while (i < size) {
    size_t plainEnd = i;
    while (plainEnd < size && kPlain[bytes[plainEnd]]) ++plainEnd;
    to = std::copy(name.data() + i, name.data() + plainEnd, to);
    i = plainEnd;
    if (i == size) break;
    const size_t length = bytes[i] < 0x80 ? 0 : sequenceLength(bytes + i, size - i);
    if (length == 0) {
      *to++ = '?';
      ++i;
    } else {
      to = std::copy_n(name.data() + i, length, to);
      i += length;
    }
  }
  return to;
}

}  // namespace

std::string rootFolder(QChar letter) {
  std::string root = QString(letter.toUpper()).toStdString();
  root += ":\\";
  return root;
}

void appendName(std::string& out, std::string_view name) {
  const size_t start = out.size();
  out.resize(start + name.size());
  out.resize(writeName(name, out.data() + start) - out.data());
}

void appendFolder(std::string& out, std::string_view parent, std::string_view name) {
  out += parent;
  appendName(out, name);
  out += '\\';
}

// Written straight into the buffer: this runs once for every file of a disc.
void appendFileLine(std::string& out, std::string_view folder, std::string_view name) {
  const size_t start = out.size();
  out.resize(start + folder.size() + name.size() + 7);
  char* to = out.data() + start;
  *to++ = '"';
  to = std::copy(folder.begin(), folder.end(), to);
  to = std::copy_n("\",\"", 3, to);
  to = writeName(name, to);
  to = std::copy_n("\"\r\n", 3, to);
  out.resize(to - out.data());
}

QByteArray totalsLine(double files, double folders) {
  return (groupedOrEmpty(files) + QStringLiteral(" files : ") + groupedOrEmpty(folders) +
          QStringLiteral(" folders\r\n")).toUtf8();
}

}  // namespace quilmo::capture::CatalogueLine
