#include "shell/Wiring.h"

#include <QAbstractButton>
#include <QPushButton>

#include "capture/CreationPanel.h"
#include "kit/ControlTexts.h"
#include "library/AssociationPanel.h"
#include "library/BrowsePanel.h"
#include "library/DiscInView.h"
#include "library/DiscInfoPanel.h"
#include "library/DiscLoadPanel.h"
#include "library/MaintenancePanel.h"
#include "library/ViewPanel.h"
#include "library/XFilesPanel.h"
#include "scope/SearchScopePanel.h"
#include "search/panels/FindPanel.h"
#include "search/panels/GlobalSearchPanel.h"
#include "search/panels/ReportPanel.h"
#include "search/panels/SplitLauncher.h"
#include "settings/DataPathWindow.h"
#include "settings/DefaultDrivePanel.h"
#include "settings/DrivePanel.h"
#include "settings/PriorityPanel.h"
#include "shell/Quilmo.h"
#include "widgets/CatalogueView.h"

namespace quilmo {

namespace {

using names::Command;

// "Data Path" (SoekCom(12)) opens the data-path chooser SetDPad modally.
void attachDataPath(Quilmo& window) {
  QObject::connect(window.controls().drive.dataPath, &QAbstractButton::clicked, &window,
                   [&window] {
                     panels::DataPathWindow chooser(window.values(), window.programSettings(), window.drives(),
                                                    window.dialogs(), &window);
                     chooser.exec();
                   });
}

// The view's small handlers: caret, row, F3 and F4, and the two widths.
void attachViewHandlers(Quilmo& window) {
  CatalogueView* view = window.view();
  panels::ViewPanel* handlers = panels::attachView(window);
  QObject::connect(handlers, &panels::ViewPanel::widthChosen, &window, &Quilmo::setViewWide);
  QObject::connect(view, &CatalogueView::clicked, handlers, &panels::ViewPanel::clicked);
  QObject::connect(view, &CatalogueView::doubleClicked, handlers, &panels::ViewPanel::doubleClicked);
  QObject::connect(view, &CatalogueView::selectionChanged, handlers, &panels::ViewPanel::selectionChanged);
  QObject::connect(view, &CatalogueView::functionKeyPressed, handlers, &panels::ViewPanel::functionKeyPressed);
}

// The browse area, the associations it opens, and the drive buttons that steer it.
void attachBrowsing(Quilmo& window) {
  panels::AssociationPanel* associations = panels::attachAssociations(window);
  panels::BrowsePanel* browse = panels::attachBrowsing(window, *associations);
  window.browseDrive = [browse](QChar letter) { return browse->showDrive(letter); };
  panels::DrivePanel* drive = panels::attachDrivePanel(window);
  QObject::connect(drive, &panels::DrivePanel::browseAreaRefreshRequested, browse,
                   &panels::BrowsePanel::refreshDriveInfo);
  window.onGCom(Command::RefreshDriveInfo, [drive] { drive->refreshDriveInfo(); });
  window.onGCom(Command::SetCdDvd, [drive] { drive->setCdDvd(); });
  panels::attachDefaultDrive(window);
}

// The disc list: creating a disc, loading one, what is known of the disc in view, and
// keeping the list tidy.
void attachDiscs(Quilmo& window) {
  panels::DiscLoadPanel* loader = panels::attachDiscLoad(window);
  panels::CreationPanel* creation = panels::attachCreation(window);
  QObject::connect(creation, &panels::CreationPanel::loadDiscRequested, loader, &panels::DiscLoadPanel::load);
  panels::DiscInView* inView = panels::attachDiscInView(window);
  QObject::connect(loader, &panels::DiscLoadPanel::discShown, inView, &panels::DiscInView::shown);
  QObject::connect(creation, &panels::CreationPanel::discShown, inView, &panels::DiscInView::shown);
  panels::attachDiscInfo(window, *inView);
  window.onGCom(Command::Build, [creation] { creation->build(); });
  window.onGCom(Command::Create, [creation] { creation->create(); });
  panels::attachXFiles(window);
  panels::MaintenancePanel* maintenance = panels::attachMaintenance(window);
  QObject::connect(maintenance, &panels::MaintenancePanel::openDiscRequested, loader, &panels::DiscLoadPanel::load);
  QObject::connect(maintenance, &panels::MaintenancePanel::clearViewRequested, window.view(), &CatalogueView::clear);
  QObject::connect(window.controls().discButtons.undoList, &QAbstractButton::clicked, maintenance,
                   &panels::MaintenancePanel::undoLastListChange);
}

// Find in the view, the global search with its scope panel, and the reports; the GCom
// buttons reach them through the dispatcher.
void attachSearch(Quilmo& window) {
  panels::FindPanel* find = panels::attachFind(window);
  QObject::connect(find, &panels::FindPanel::findGlobalRequested, &window, [&window] { window.GCom(Command::FindGlobal); });
  window.onGCom(Command::SearchHelp, [find] { find->toggleHelp(); });
  window.onGCom(Command::Find, [find] { find->findNew(); });
  window.onGCom(Command::FindNext, [find] { find->findNext(); });
  window.onGCom(Command::CloseFindMenu, [find] { find->closeMenu(); });
  panels::ReportPanel* reports = panels::attachReports(window);
  window.onGCom(Command::Report, [reports] { reports->showReportPanel(); });
  window.onGCom(Command::EditReport, [reports] { reports->toggleEditable(); });
  window.onGCom(Command::LoadReport, [reports] { reports->openLoader(); });
  window.onGCom(Command::SaveReport, [reports] { reports->saveFromButton(); });
  panels::SearchScopePanel* scope = panels::attachSearchScope(window);
  QObject::connect(scope, &panels::SearchScopePanel::findGlobalRequested, &window, [&window] { window.GCom(Command::FindGlobal); });
  panels::GlobalSearchPanel* global = panels::attachGlobalSearch(window);
  QObject::connect(global, &panels::GlobalSearchPanel::fileTypesWanted, scope, &panels::SearchScopePanel::inExtLys);
  QObject::connect(global, &panels::GlobalSearchPanel::findWordCleared, find, &panels::FindPanel::clearFindWord);
  QObject::connect(global, &panels::GlobalSearchPanel::saveOffered, reports, &panels::ReportPanel::offerSave);
  window.onGCom(Command::FindGlobal, [global] { global->findGlobal(); });
}

}  // namespace

void attachSubsystems(Quilmo& window) {
  panels::attachPriority(window);
  attachDataPath(window);
  attachViewHandlers(window);
  attachBrowsing(window);
  attachDiscs(window);
  attachSearch(window);
  panels::attachSplitLauncher(window);
}

}  // namespace quilmo
