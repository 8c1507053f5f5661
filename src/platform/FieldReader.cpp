#include "platform/FieldReader.h"

namespace quilmo {

namespace {
constexpr QChar kBlank = u' ';
constexpr QChar kQuote = u'"';
constexpr QChar kComma = u',';
QStringView trimBlanks(QStringView s) {
  while (!s.isEmpty() && s.front() == kBlank) s = s.mid(1);
  while (!s.isEmpty() && s.back() == kBlank) s.chop(1);
  return s;
}

}  // namespace

QStringList readFields(QStringView line) {
  QStringList fields;
  qsizetype i = 0;
  const qsizetype n = line.size();
  while (true) {
    while (i < n && line[i] == kBlank) ++i;
    if (i < n && line[i] == kQuote) {
      const qsizetype close = line.indexOf(kQuote, i + 1);
      const qsizetype end = close < 0 ? n : close;
      fields.append(line.mid(i + 1, end - i - 1).toString());
      i = close < 0 ? n : close + 1;
      while (i < n && line[i] != kComma) ++i;  // text after the closing quote is dropped
    } else {
      qsizetype end = line.indexOf(kComma, i);
      if (end < 0) end = n;
      fields.append(trimBlanks(line.mid(i, end - i)).toString());
      i = end;
    }
    if (i >= n) break;
    ++i;  // past the comma: another field follows, possibly an empty one
  }
  return fields;
}

QStringList splitLines(QStringView text) {
  QStringList lines;
  qsizetype start = 0;
  while (start < text.size()) {
    qsizetype lf = text.indexOf(u'\n', start);
    const qsizetype end = lf < 0 ? text.size() : lf;
    qsizetype stop = end;
    if (stop > start && text[stop - 1] == u'\r') --stop;
    lines.append(text.mid(start, stop - start).toString());
    if (lf < 0) break;
    start = lf + 1;
  }
  return lines;
}

}  // namespace quilmo
