// sundra "CATALOGUE.rtf,DISC": writes the disc's lines into DataPath/Split-9/TYPE.rtf,
// one per-type catalogue for each file type, replacing that disc's earlier lines. A
// search index the user made follows the split files.
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include "companions/CatalogueSplitter.h"
#include "search/index/SearchIndex.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTextStream out(stdout), err(stderr);
  const QStringList args = app.arguments().mid(1);
  if (args.size() != 1) {
    err << "usage: sundra \"CATALOGUE.rtf,DISC\"" << Qt::endl;
    return 2;
  }
  const auto [catalogue, disc] = quilmo::companions::parseSplitArgument(args.first());
  if (disc.trimmed().isEmpty()) {
    err << "sundra: the argument names no disc; give the catalogue, a comma and the disc name" << Qt::endl;
    return 2;
  }
  const quilmo::companions::SplitResult result = quilmo::companions::splitCatalogue(catalogue, disc.trimmed());
  if (!result.error.isEmpty()) {
    err << "sundra: " << result.error << Qt::endl;
    return 1;
  }
  out << result.lines << " lines of " << disc << " split into " << result.types.size() << " types" << Qt::endl;
  // The split is done whether or not its parts can be indexed: a part missing only means
  // that a search reads its split file whole.
  const QString dataPath = quilmo::companions::dataFolderOf(catalogue);
  quilmo::search::SearchIndex(dataPath).update([&](const QString& split, const QString& error) {
    err << "sundra: " << QDir::toNativeSeparators(split.mid(dataPath.size())) << " cannot be indexed: " << error
        << Qt::endl;
  });
  return 0;
}
