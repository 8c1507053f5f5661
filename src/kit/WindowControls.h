#pragma once
// The window's controls as typed members, one struct per group of the window. A group
// (src/shell/groups) fills its struct as it builds the controls; a panel binds the members
// it needs (PanelServices::controls()). Each member bears the name of its entry in
// ControlTexts.h, where its objectName, caption and hint are written.
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTextBrowser;
class QTextEdit;
class QWidget;

namespace quilmo {

class CatalogueView;
class XCommandLUP;

struct DiscNameControls {
  QLabel* label;
  QLabel* back;
  QComboBox* discList;  // TeX
  XCommandLUP* nextDisc;
  QLabel* discCount;
};

struct DiscButtonControls {
  QPushButton* create;
  QPushButton* rename;
  QPushButton* open;
  QPushButton* deleteDisc;
  QPushButton* deleteMany;
  QPushButton* undoList;
  QGroupBox* fixFrame;
  QPushButton* fix;
  QLabel* updateXFiles;
  QLabel* split;
};

struct ModeControls {
  QRadioButton* manual;
  QRadioButton* automatic;
};

struct PriorityControls {
  QPushButton* opener;
  QGroupBox* frame;
  QPushButton* close;
  std::array<QPushButton*, 3> levels;
};

struct ViewBarControls {
  QPushButton* wide;
  QPushButton* narrow;
  QLabel* rowLabel;
  QLabel* row;
  QLabel* folders;
  QLabel* files;
  CatalogueView* view;  // RtB
};

struct StatusControls {
  QLabel* line;  // LaB
  QLabel* hint;  // hP
  QLabel* loading;
  QLabel* creating;
  QLabel* reading;
  QLabel* setDriveWarning;
};

struct DriveControls {
  QPushButton* defaultLabel;
  QPushButton* defaultDrive;
  QPushButton* refresh;
  QPushButton* setCdDvd;
  QPushButton* dataPath;
  QGroupBox* quickFrame;
  std::array<QPushButton*, 4> quickDrives;
  QPushButton* ready;
  QGroupBox* choiceFrame;
  QLabel* instructions;
  QListWidget* letters;
  QPushButton* proceed;
  QPushButton* cancel;
};

struct FileListControls {
  QComboBox* drives;
  QListWidget* folders;
  QListWidget* rawFiles;
  QListWidget* files;  // FiL
  QPushButton* goTo;
};

struct FindControls {
  QComboBox* words;  // FTex
  QPushButton* focusWords;
  QPushButton* clearWords;
  QPushButton* findFirst;
  QPushButton* findNext;
  QPushButton* findGlobal;
  QPushButton* help;
  QLabel* found;
  QListWidget* queue;
  QListWidget* reported;
  QGroupBox* menu;
  std::array<QPushButton*, 3> menuButtons;
  QPushButton* closeMenu;
  QGroupBox* helpFrame;
  QLabel* helpText;
  QGroupBox* counterFrame;
  QLabel* examined;
  QListWidget* findings;
  // The buttons that find in the loaded view, enabled only while it holds a catalogue.
  std::array<QPushButton*, 4> viewFinders() const { return {findFirst, findNext, menuButtons[0], menuButtons[1]}; }
};

struct ReportControls {
  QPushButton* report;
  QPushButton* editable;
  QGroupBox* frame;
  QPushButton* load;
  QPushButton* save;
  QGroupBox* loader;
  QListWidget* saved;
  QTextEdit* text;
  QListWidget* folder;
  QListWidget* files;
  QPushButton* loadChosen;
  QPushButton* closeLoader;
};

struct SearchSettingControls {
  QCheckBox* caseSensitive;
  QCheckBox* completeWord;
};

struct ScopeControls {
  QGroupBox* frame;
  QListWidget* discs;
  QPushButton* selectAll;
  QPushButton* selectNone;
  QComboBox* selections;
  QPushButton* deleteSelection;
  QPushButton* rememberSelection;
  QPushButton* setSelection;
  QLabel* typesLabel;
  QListWidget* types;
  QLineEdit* newType;
  QPushButton* addType;
  QLineEdit* length;
  QPushButton* searchTypes;
  QPushButton* saveTypes;
  QPushButton* clearTypes;
  QPushButton* deleteTypes;
  QComboBox* sets;
  QPushButton* category;
  QPushButton* listChanged;
  QCheckBox* caseSensitive;
  QCheckBox* wordOnly;
  QCheckBox* removeDoubles;
  QCheckBox* showFindings;
  QPushButton* start;
  QPushButton* cancel;
  QListWidget* searchWords;
  QListWidget* setWords;
};

struct MaintenanceControls {
  QGroupBox* deleteFrame;
  QListWidget* deleteList;
  QPushButton* deleteSelected;
  QPushButton* closeDelete;
  QGroupBox* updateFrame;
  QListWidget* oldFiles;
  QLabel* noOldFiles;  // shown instead of the empty list
  QPushButton* update;
  QPushButton* closeUpdate;
};

struct AssociationControls {
  QGroupBox* frame;
  QTextBrowser* howText;
  QLabel* hintLine;
  QListWidget* hints;
  QListWidget* links;
  QListWidget* extensions;
  QLineEdit* line;
  QPushButton* newLink;
  QPushButton* edited;
  QPushButton* remove;
  QPushButton* ok;
  QPushButton* select;
  QGroupBox* picker;
  QComboBox* pickerDrive;
  QListWidget* pickerFolder;
  QListWidget* pickerFiles;
  QLineEdit* pastePath;
};

struct WindowControls {
  DiscNameControls discName;
  DiscButtonControls discButtons;
  ModeControls mode;
  PriorityControls priority;
  ViewBarControls viewBar;
  StatusControls status;
  DriveControls drive;
  FileListControls fileList;
  FindControls find;
  ReportControls reports;
  SearchSettingControls searchSettings;
  ScopeControls scope;
  MaintenanceControls maintenance;
  AssociationControls associations;
};

}  // namespace quilmo
