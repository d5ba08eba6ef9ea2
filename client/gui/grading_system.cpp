// The grading dialog's machine on this host (see grading_system.h).
#include "client/gui/grading_system.h"

#include <QApplication>
#include <QProcess>
#include <QWidget>
#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "client/proctor/candidate_transfer.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/window_list.h"
#include "platform/win/paths.h"
#include "platform/win/process.h"

namespace {

std::vector<QWidget*> OwnWindows(const std::string& title) {
  std::vector<QWidget*> found;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && w->windowTitle().toStdString() == title) found.push_back(w);
  return found;
}

}  // namespace

bool QtGradingSystem::WindowExists(const std::string& title) {
  if (!OwnWindows(title).empty()) return true;
  const std::vector<std::string> titles = ui::TopLevelWindowTitles();
  return std::find(titles.begin(), titles.end(), title) != titles.end();
}

void QtGradingSystem::CloseWindow(const std::string& title) {
  for (QWidget* w : OwnWindows(title)) {
    w->raise();
    w->close();
  }
}

std::string QtGradingSystem::ClipboardText() {
  return ui::ClipboardText();
}

void QtGradingSystem::Open(const std::string& file, const std::string& folder) {
  win::ShellExecute("Open", file, "", folder);
}

base::Status QtGradingSystem::Restart(const std::string& programFolder) {
  const std::filesystem::path folder = win::ToHostPath(programFolder);
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec))
    return base::Error::WithCode(ENOENT, "no program folder " + programFolder);
  const std::string program = programFolder + "kirv.exe";
  const std::vector<std::string> command = win::HostCommand(QuoteArgument(program));
  if (command.empty()) return base::Error::WithCode(ENOENT, "no program found to run " + program);
  QStringList arguments = {QStringLiteral("-c"), QStringLiteral("sleep 1; exec \"$@\""),
                           QStringLiteral("sh")};
  for (const std::string& a : command) arguments << QString::fromStdString(a);
  if (!QProcess::startDetached(QStringLiteral("/bin/sh"), arguments,
                               QString::fromStdString(folder.string())))
    return base::Error::Of("cannot start ", command.front());
  return base::Ok();
}
