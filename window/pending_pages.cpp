// The build, outcome and done pages are not built yet: every entry point says
// so and stops, so nothing pretends to work. This file goes away when they land.
#include <QtGlobal>

#include "window/installer_controller.h"

namespace vlmr {

void InstallerController::beginBuild() {
  qFatal("beginBuild: the build page is not built yet");
}

PageView* InstallerController::buildPageAtStage(int64_t, const QStringList&) {
  qFatal("buildPageAtStage: the build page is not built yet");
}

void InstallerController::setBuildStage(int64_t) {
  qFatal("setBuildStage: the build page is not built yet");
}

void InstallerController::appendLogLine(const QString&) {
  qFatal("appendLogLine: the build page is not built yet");
}

void InstallerController::toggleBuildLog() {
  qFatal("toggleBuildLog: the build page is not built yet");
}

void InstallerController::cancelBuild() {
  qFatal("cancelBuild: the build page is not built yet");
}

void InstallerController::buildFinished(int32_t) {
  qFatal("buildFinished: the outcome page is not built yet");
}

void InstallerController::buildFailedWithMessage(const QString&) {
  qFatal("buildFailedWithMessage: the error page is not built yet");
}

QString InstallerController::friendlyMessageFor(const QString&) {
  qFatal("friendlyMessageFor: the error page is not built yet");
}

PageView* InstallerController::errorPageTitle(const QString&, const QString&) {
  qFatal("errorPageTitle: the error page is not built yet");
}

void InstallerController::copyLogToPasteboard() {
  qFatal("copyLogToPasteboard: the error page is not built yet");
}

void InstallerController::copyLog() {
  qFatal("copyLog: the error page is not built yet");
}

void InstallerController::revealLog() {
  qFatal("revealLog: the error page is not built yet");
}

void InstallerController::chooseAnotherInstaller() {
  qFatal("chooseAnotherInstaller: the error page is not built yet");
}

PageView* InstallerController::donePageWithAppPath(const QString&, bool) {
  qFatal("donePageWithAppPath: the done page is not built yet");
}

void InstallerController::addShortcutRowTo(QWidget*, double, double, const QString&, const QString&,
                                           double) {
  qFatal("addShortcutRowTo: the done page is not built yet");
}

void InstallerController::moveToApplications() {
  qFatal("moveToApplications: the done page is not built yet");
}

void InstallerController::openApp() {
  qFatal("openApp: the done page is not built yet");
}

void InstallerController::revealInFinder() {
  qFatal("revealInFinder: the done page is not built yet");
}

}  // namespace vlmr
