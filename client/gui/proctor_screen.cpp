// The proctor's screen on Qt (see proctor_screen.h).
#include "client/gui/proctor_screen.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

#include "client/common/system_utils.h"
#include "client/gui/input_dlg.h"
#include "client/gui/wait_dlg.h"
#include "platform/win/paths.h"
#include "platform/win/process.h"

namespace {

std::optional<std::string> Chosen(const QString& hostPath) {
  if (hostPath.isEmpty()) return std::nullopt;
  return win::ToWindowsPath(hostPath.toStdString());
}

}  // namespace

QString QtFileFilter(std::string_view filter) {
  // Pairs of a description and its patterns; the description names the patterns already.
  const QStringList parts = QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size()))
                                .split(u'|', Qt::SkipEmptyParts);
  QStringList descriptions;
  for (qsizetype i = 0; i < parts.size(); i += 2) descriptions << parts[i];
  return descriptions.join(QStringLiteral(";;"));
}

ProctorScreen::ProctorScreen(QWidget* owner) : owner_(owner) {}

ProctorScreen::~ProctorScreen() = default;

int ProctorScreen::Message(const std::string& text, unsigned flags) {
  return win::MessageBox(text, ApplicationTitle, flags);
}

std::optional<std::string> ProctorScreen::AskText(const std::string& prompt) {
  CInputDlg input(owner_);
  input.prompt = prompt;
  if (input.DoModal() != 1) return std::nullopt;
  return input.answer;
}

std::optional<std::string> ProctorScreen::ChooseFolder(const std::string& title) {
  return Chosen(QFileDialog::getExistingDirectory(owner_, QString::fromStdString(title)));
}

std::optional<std::string> ProctorScreen::ChooseFileToOpen(const std::string& filter) {
  return Chosen(QFileDialog::getOpenFileName(owner_, {}, {}, QtFileFilter(filter)));
}

std::optional<std::string> ProctorScreen::ChooseFileToSave(const std::string& proposedName,
                                                           const std::string& filter) {
  return Chosen(QFileDialog::getSaveFileName(owner_, {}, QString::fromStdString(proposedName),
                                             QtFileFilter(filter)));
}

void ProctorScreen::ShowProgress(const std::string& text) {
  if (!wait_) wait_ = std::make_unique<CWaitDlg>(owner_);
  wait_->SetText(text);
  wait_->show();
  wait_->Refresh();
}

void ProctorScreen::SetProgressRange(int upper) {
  if (wait_) wait_->SetRange(0, upper);
}

void ProctorScreen::SetProgress(int position) {
  if (!wait_) return;
  wait_->SetPos(position);
  wait_->Refresh();
}

void ProctorScreen::CloseProgress() {
  wait_.reset();
}

void ProctorScreen::OpenFile(const std::string& path) {
  win::ShellExecute("Open", path, "", "");
}
