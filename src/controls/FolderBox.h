#pragma once
// A folder box: shows one folder in its disc form ("c:\", "E:\DOCS\") and lists the
// folders below it, as the browse area's folder box does.
#include <QListWidget>

namespace quilmo {

class FolderBox : public QListWidget {
  Q_OBJECT
 public:
  explicit FolderBox(QWidget* parent = nullptr);

  QString path() const { return path_; }
  // discPath is what the user sees; nativeFolder (may be empty when the drive holds no
  // disc) is where the sub-folders are read from.
  void setPath(const QString& discPath, const QString& nativeFolder);

 Q_SIGNALS:
  void pathChanged(const QString& discPath);

 private:
  QString path_;
};

}  // namespace quilmo
