// The browser simulation browsim: finds the exam by the question bar's title, opens the
// candidate's network database and shows the main frame with the start pages.
#include <QApplication>
#include <clocale>

#include "browsim/frame/app.h"

int main(int argc, char** argv) {
  RegisterPseudoSchemes();
  QApplication qt(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  return RunBrowsim();
}
