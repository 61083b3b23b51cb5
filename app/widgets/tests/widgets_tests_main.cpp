#include <QApplication>

#include "app/widgets/tests/widgets_tests.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failures = 0;
  failures += RunStarCheckListTests(argc, argv);
  failures += RunDialogTests(argc, argv);
  failures += RunPictureTests(argc, argv);
  return failures == 0 ? 0 : 1;
}
