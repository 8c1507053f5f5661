#include "capture/CatalogueLine.h"

#include <array>

#include "platform/NumberFormat.h"

namespace quilmo::CatalogueLine {

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

}  // namespace

std::string rootFolder(QChar letter) {
  std::string root = QString(letter.toUpper()).toStdString();
  root += ":\\";
  return root;
}

void appendName(std::string& out, std::string_view name) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(name.data());
  const size_t size = name.size();
  size_t i = 0;
  while (i < size) {
    size_t plainEnd = i;
    while (plainEnd < size && kPlain[bytes[plainEnd]]) ++plainEnd;
    out.append(name.data() + i, plainEnd - i);
    i = plainEnd;
    if (i == size) break;
    const size_t length = bytes[i] < 0x80 ? 0 : sequenceLength(bytes + i, size - i);
    if (length == 0) {
      out += '?';
      ++i;
    } else {
      out.append(name.data() + i, length);
      i += length;
    }
  }
}

void appendFolder(std::string& out, std::string_view parent, std::string_view name) {
  out += parent;
  appendName(out, name);
  out += '\\';
}

void appendFileLine(std::string& out, std::string_view folder, std::string_view name) {
  out += '"';
  out += folder;
  out += "\",\"";
  appendName(out, name);
  out += "\"\r\n";
}

QByteArray totalsLine(double files, double folders) {
  return (groupedOrEmpty(files) + QStringLiteral(" files : ") + groupedOrEmpty(folders) +
          QStringLiteral(" folders\r\n")).toUtf8();
}

}  // namespace quilmo::CatalogueLine
