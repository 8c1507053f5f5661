#pragma once
#include "cli/Command.h"

namespace quilmo::cli {

// show NAME: the lines of a disc's catalogue.
class ShowCommand : public Command {
 public:
  QString name() const override { return QStringLiteral("show"); }
  QString synopsis() const override { return QStringLiteral("NAME"); }
  QString summary() const override { return QStringLiteral("print the catalogue of disc NAME, one line per file"); }
  int run(Context& context, const QStringList& arguments) override;
};

}  // namespace quilmo::cli
