// The proctor dialog's opener (see proctor_hook.h).
#include "client/gui/proctor_hook.h"

#include <utility>

#include "client/gui/sys_password_dlg.h"

namespace {
ProctorOpener& Opener() {
  static ProctorOpener opener;
  return opener;
}
}  // namespace

ProctorOpener SetProctorOpener(ProctorOpener opener) {
  return std::exchange(Opener(), std::move(opener));
}

void OpenProctorDialog(QWidget* parent) {
  if (const ProctorOpener opener = Opener()) opener(parent);
}

void OpenProctorAfterPassword(CIniFile& settings, QWidget* parent) {
  CSysPasswordDlg password(settings, parent);
  if (password.DoModal() == 1) OpenProctorDialog(parent);
}
