#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/FileStamp.h"
#include "platform/StampedFile.h"

using quilmo::StampedFile;

namespace {

void write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

}  // namespace

TEST(StampedFile, ReadsTheVersionItOpenedAtAnyOffsetAndSaysWhyItOpenedNone) {
  QTemporaryDir dir;
  const QString path = dir.filePath("catalogue.rtf");
  write(path, "0123456789");
  StampedFile file(path);
  ASSERT_TRUE(file.stamp());
  EXPECT_EQ(file.stamp(), quilmo::fileStamp(path));
  char bytes[4] = {};
  ASSERT_TRUE(file.readAt(6, bytes, 4));
  EXPECT_EQ(QByteArray(bytes, 4), "6789");
  EXPECT_EQ(file.readSomeAt(8, bytes, 4), 2);
  EXPECT_EQ(file.readSomeAt(10, bytes, 4), 0);
  EXPECT_FALSE(file.readAt(8, bytes, 4));  // fewer bytes than asked for
  // Another file taking the name leaves the opened one as it was, and its stamp with it.
  write(dir.filePath("new.rtf"), "abcdefghijklmnop");
  ASSERT_TRUE(QFile::remove(path));
  ASSERT_TRUE(QFile::rename(dir.filePath("new.rtf"), path));
  ASSERT_TRUE(file.readAt(0, bytes, 4));
  EXPECT_EQ(QByteArray(bytes, 4), "0123");
  EXPECT_NE(file.stamp(), quilmo::fileStamp(path));
  const StampedFile moved = std::move(file);
  EXPECT_TRUE(moved.readAt(2, bytes, 1));
  EXPECT_FALSE(file.stamp());  // the moved-from one holds none

  const StampedFile missing(dir.filePath("gone.rtf"));
  EXPECT_TRUE(!missing.stamp() && missing.missing() && !missing.notPlain());
  QDir(dir.path()).mkdir("folder.rtf");
  const StampedFile folder(dir.filePath("folder.rtf"));
  EXPECT_TRUE(!folder.stamp() && !folder.missing() && folder.notPlain());
  // A named pipe without a writer is refused at once, not waited on.
  ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("pipe.rtf")).constData(), 0600), 0);
  const StampedFile pipe(dir.filePath("pipe.rtf"));
  EXPECT_TRUE(!pipe.stamp() && pipe.notPlain());
  if (geteuid() != 0) {  // root reads what it likes
    write(dir.filePath("locked.rtf"), "x");
    QFile::setPermissions(dir.filePath("locked.rtf"), QFileDevice::WriteOwner);
    const StampedFile locked(dir.filePath("locked.rtf"));
    EXPECT_TRUE(!locked.stamp() && !locked.missing() && !locked.notPlain() && !locked.errorString().isEmpty());
  }
}
