// What the reader lists (links, loops, pipes, raw name bytes, locked folders) is proven
// through the scanner in ScannerTest; here only a path that is no folder.
#include <gtest/gtest.h>

#include "platform/FolderReader.h"
#include "support/TempWorld.h"

using namespace quilmo;
using quilmo::test::TempWorld;

TEST(FolderReader, FolderThatCannotBeOpenedYieldsNothing) {
  TempWorld world;
  world.writeFile(world.root() + "plain.txt", "not a folder");
  for (const QString& path : {world.root() + "missing/", world.root() + "plain.txt"}) {
    FolderReader reader(path.toStdString());
    FolderEntry entry;
    EXPECT_FALSE(reader.isOpen()) << path.toStdString();
    EXPECT_FALSE(reader.next(entry)) << path.toStdString();
  }
}
