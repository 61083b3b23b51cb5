// Program entry: the application object and the main window, then the
// message loop until the main window closes.
#include <exception>

#include "app/application.h"
#include "app/main_form.h"

int main(int argc, char** argv) {
  TApplication application(argc, argv);
  try {
    TMainForm form;
    form.show();
    TApplication::exec();
  } catch (const std::exception& error) {
    // An exception during start-up ends the program once it has been shown.
    TApplication::ShowException(error);
  }
  return 0;
}
