#include "capture/ScanListWriter.h"

#include "capture/CatalogueLine.h"

namespace quilmo::capture {

ScanListWriter::ScanListWriter(const QString& path) : file_(path, kBufferSize) {}

void ScanListWriter::fileLine(std::string_view folder, std::string_view name) {
  CatalogueLine::appendFileLine(file_.buffer(), folder, name);
  file_.spill();
}

void ScanListWriter::totals(double files, double folders) {
  const QByteArray line = CatalogueLine::totalsLine(files, folders);
  file_.buffer().append(line.constData(), line.size());
}

}  // namespace quilmo::capture
