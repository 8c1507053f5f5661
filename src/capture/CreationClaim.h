#pragma once
// While a disc is being created, its name is claimed in the data folder's safety folder,
// so a second creation of the same name, by this program or another, is refused instead
// of mixing two walks into one catalogue. The claim also leaves a marker with the name:
// a program killed during a creation leaves it behind, and the next start of the window
// finds it (cutOffCreations) and tells the user about a disc listed without a catalogue.
#include <QLockFile>
#include <QString>
#include <QStringList>

namespace quilmo::capture {

class CreationClaim {
 public:
  CreationClaim(const QString& dataPath, const QString& name);
  ~CreationClaim();  // gives the name free again
  CreationClaim(const CreationClaim&) = delete;
  CreationClaim& operator=(const CreationClaim&) = delete;

  // False, with refusal() saying why, when the name is being created already or the
  // data folder cannot be written.
  bool acquire();
  QString refusal() const { return refusal_; }

 private:
  QString dataPath_, name_, marker_;
  QLockFile lock_;
  bool held_ = false;
  QString refusal_;
};

// The names whose creation a killed program left unfinished; their markers are removed.
QStringList cutOffCreations(const QString& dataPath);

}  // namespace quilmo::capture
