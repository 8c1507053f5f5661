#pragma once
#include "cli/Command.h"

namespace quilmo::cli {

// search: the global search over the disc list (or over Split-9 per file type), printing
// the hit lines and writing the quick report.
class SearchCommand : public Command {
 public:
  QString name() const override { return QStringLiteral("search"); }
  QString synopsis() const override {
    return QStringLiteral("[--disc NAME]... [--type EXT]... [--case] [--word] [--names] WORDS");
  }
  QString summary() const override {
    return QStringLiteral("find WORDS (joined by |) in the catalogues and write the quick report");
  }
  int run(Context& context, const QStringList& arguments) override;
};

}  // namespace quilmo::cli
