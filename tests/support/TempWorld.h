#pragma once
// A throw-away world for one test: a data folder, a program folder, a home folder and a
// settings store of its own, so no test reads or writes the user's real files.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace quilmo::test {

class TempWorld {
 public:
  TempWorld();
  ~TempWorld();

  QString root() const { return dir_.path() + u'/'; }
  QString dataPath() const { return root() + QStringLiteral("data/"); }
  QString appFolder() const { return root() + QStringLiteral("app/"); }
  QString home() const { return root() + QStringLiteral("home/"); }

  // A folder below root(), made when missing; returned with a trailing slash.
  QString folder(const QString& relative) const;
  void writeFile(const QString& path, const QByteArray& bytes) const;
  static QByteArray readFile(const QString& path);

 private:
  QTemporaryDir dir_;
  QByteArray oldConfig_, oldHome_;
};

}  // namespace quilmo::test
