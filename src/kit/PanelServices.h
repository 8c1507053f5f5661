#pragma once
// What the main window offers the panels that bind each subsystem's engines to its
// controls. A panel binds the typed controls of controls() and calls these services; it
// never reaches into the window class itself.
#include <QColor>
#include <QFlags>
#include <QString>

#include "kit/WindowControls.h"
#include "platform/Dialogs.h"

class QWidget;

namespace quilmo {

class DriveMap;
class SettingsStore;
class Yielder;
struct ProgramValues;

namespace search {
class IndexKeeper;
}

// The message panel's buttons "Yes", "NO", "CANCEL"; those not asked for stay disabled.
enum class MsgButton { Yes = 1, No = 2, Cancel = 4 };
Q_DECLARE_FLAGS(MsgButtons, MsgButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(MsgButtons)

enum class MsgIcon { Information, Warning };

class PanelServices {
 public:
  virtual ~PanelServices() = default;

  virtual QWidget* window() = 0;  // the main window
  virtual const WindowControls& controls() const = 0;  // every control of the window, typed
  virtual ProgramValues& values() = 0;
  virtual Dialogs& dialogs() = 0;  // standard message and input boxes
  virtual Yielder& yielder() = 0;  // yields governed by PrioLevel
  virtual SettingsStore& programSettings() = 0;  // application "QUILMO 2016"
  virtual SettingsStore& discSettings() = 0;     // application "Quilmo", a section per disc
  virtual DriveMap& drives() = 0;
  // Told of every change of catalogues, so the search index follows off the UI thread.
  virtual search::IndexKeeper& indexKeeper() = 0;

  // MsG: shows the message panel and waits, yielding, until a button is pressed.
  // Returns Yes, No or Cancel, the button pressed.
  virtual Answer msG(const QString& heading, MsgButtons buttons, const QString& message, MsgIcon icon) = 0;
  virtual void restoreStatusColour() = 0;  // LaB back to the normal colour kept in its tag
  virtual void setStatus(const QString& text, const QColor& back = {}, const QColor& fore = {}) = 0;  // LaB
  virtual void setHint(const QString& text) = 0;  // the hint panel hP
  virtual void quilmoCap(const QString& text) = 0;  // caption "Quilmo [" + text + " ]"
  virtual void wagter() = 0;  // waits until the default-drive panel is continued or cancelled
};

}  // namespace quilmo
