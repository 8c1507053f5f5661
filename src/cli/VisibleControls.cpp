#include "cli/VisibleControls.h"

namespace quilmo::cli {

QByteArray withVisibleControls(QByteArrayView utf8) {
  static constexpr char kHex[] = "0123456789abcdef";
  QByteArray shown;
  shown.reserve(utf8.size());
  for (qsizetype i = 0; i < utf8.size(); ++i) {
    uchar code = uchar(utf8[i]);
    const bool c1 = code == 0xc2 && i + 1 < utf8.size() && uchar(utf8[i + 1]) >= 0x80 && uchar(utf8[i + 1]) <= 0x9f;
    if (c1) {
      code = uchar(utf8[++i]);  // U+0080-U+009F is C2 80-9F in UTF-8
    } else if ((code >= 0x20 && code != 0x7f) || code == '\t') {
      shown += char(code);
      continue;
    }
    shown += "\\x";
    shown += kHex[code >> 4];
    shown += kHex[code & 15];
  }
  return shown;
}

QString visibleText(const QString& text) { return QString::fromUtf8(withVisibleControls(text.toUtf8())); }

}  // namespace quilmo::cli
