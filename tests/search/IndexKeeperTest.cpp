// The keeper that brings a library's search index up to date off the window's thread:
// no change asked for is lost, whether it comes while an update runs or just before the
// keeper ends, and a library without an index gets none.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "search/IndexKeeper.h"
#include "search/index/SearchIndex.h"
#include "support/TempWorld.h"

using namespace quilmo::search;

namespace {

constexpr int kDiscs = 6;

// Writes the catalogue of disc `disc` with `lines` lines, so each change also changes its size.
void writeCatalogue(const quilmo::test::TempWorld& world, const QString& dataPath, int disc, int lines) {
  QByteArray text;
  for (int line = 0; line < lines; ++line) text += "\"E:\\\",\"file " + QByteArray::number(line) + ".txt\"\r\n";
  world.writeFile(dataPath + QStringLiteral("D%1.rtf").arg(disc), text);
}

QString library(const quilmo::test::TempWorld& world, const QString& name) {
  const QString dataPath = world.folder(name);
  QByteArray list;
  for (int disc = 0; disc < kDiscs; ++disc) {
    list += "D" + QByteArray::number(disc) + "\r\n";
    writeCatalogue(world, dataPath, disc, 1);
  }
  world.writeFile(dataPath + "QM.tex", list);
  return dataPath;
}

QStringList notUpToDate(const QString& dataPath) {
  const SearchIndex index(dataPath);
  QStringList stale;
  for (const QString& catalogue : SearchIndex::catalogues(dataPath))
    if (index.stateOf(catalogue) != PartState::Fresh) stale += QFileInfo(catalogue).fileName();
  return stale;
}

}  // namespace

TEST(IndexKeeper, NoChangeIsLostWhetherItComesDuringAnUpdateOrAsTheKeeperEnds) {
  const quilmo::test::TempWorld world;
  const QString indexed = library(world, "indexed"), plain = library(world, "plain");
  SearchIndex(indexed).build(false);
  ASSERT_EQ(notUpToDate(indexed), QStringList());
  {
    IndexKeeper keeper;
    // Asked for at once, one after the other: most arrive while an earlier update runs.
    for (int change = 0; change < 4 * kDiscs; ++change) {
      writeCatalogue(world, indexed, change % kDiscs, 2 + change);
      keeper.request(indexed);
      keeper.request(plain);
    }
    keeper.waitUntilIdle();
    EXPECT_EQ(notUpToDate(indexed), QStringList());
    EXPECT_FALSE(QFileInfo::exists(plain + ".quilmo/index"));

    // A disc gone and one changed, asked for as the keeper is destroyed.
    world.writeFile(indexed + "QM.tex", "D1\r\nD2\r\nD3\r\nD4\r\nD5\r\n");
    QFile::remove(indexed + "D0.rtf");
    writeCatalogue(world, indexed, 1, 100);
    keeper.request(indexed);
  }
  EXPECT_EQ(notUpToDate(indexed), QStringList());
  EXPECT_FALSE(QFileInfo::exists(indexed + ".quilmo/index/D0.qix"));
  EXPECT_TRUE(QFileInfo::exists(indexed + ".quilmo/index/D1.qix"));
}
