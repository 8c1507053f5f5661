#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "library/DiscNote.h"
#include "support/FileSizeLimit.h"
#include "support/TempWorld.h"

using namespace quilmo::library;
using quilmo::test::TempWorld;

TEST(DiscNote, IsOneLineOfPlainTextWrittenWholeOrNotAtAll) {
  const TempWorld world;
  const QString data = world.dataPath(), catalogue = data + "Disc.rtf", note = data + ".quilmo/notes/Disc.note";
  QString why;
  EXPECT_TRUE(!writeNote(data, catalogue, "box 3", &why) && why.contains("is missing")) << why.toStdString();
  world.writeFile(catalogue, "\"E:\\\",\"a.txt\"\r\n");
  ASSERT_TRUE(writeNote(data, catalogue, "  box 3, top shelf  "));
  EXPECT_EQ(TempWorld::readFile(note), "box 3, top shelf\n");
  for (const QString refused : {"two\nlines", "a\ttab", "red \x1b[31m"})
    EXPECT_TRUE(!writeNote(data, catalogue, refused, &why) && why.contains("control characters")) << why.toStdString();
  {
    const quilmo::test::FileSizeLimit full(4096);  // room for the lock, not for the note
    EXPECT_TRUE(!writeNote(data, catalogue, QString(5000, u'n'), &why) && why.contains("too large for the disk"))
        << why.toStdString();
  }
  EXPECT_EQ(readNote(catalogue), "box 3, top shelf");
  EXPECT_EQ(QDir(data + ".quilmo/notes").entryList(QDir::Files | QDir::Hidden), QStringList{"Disc.note"})
      << "no temporary file left";
  EXPECT_TRUE(writeNote(data, catalogue, " ") && !QFile::exists(note));
}
