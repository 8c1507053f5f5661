#pragma once
#include "cli/Command.h"

namespace quilmo::cli {

// list: the disc list, one name per line, as the disc-list file holds it.
class ListCommand : public Command {
 public:
  QString name() const override { return QStringLiteral("list"); }
  QString synopsis() const override { return {}; }
  QString summary() const override { return QStringLiteral("print the disc list, one name per line"); }
  int run(Context& context, const QStringList& arguments) override;
};

}  // namespace quilmo::cli
