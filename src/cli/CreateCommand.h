#pragma once
#include "cli/Command.h"

namespace quilmo::cli {

// create NAME [--drive-letter L]: catalogues a drive into DIR/NAME.rtf.
class CreateCommand : public Command {
 public:
  QString name() const override { return QStringLiteral("create"); }
  QString synopsis() const override { return QStringLiteral("NAME [--drive-letter L]"); }
  QString summary() const override;
  int run(Context& context, const QStringList& arguments) override;
};

}  // namespace quilmo::cli
