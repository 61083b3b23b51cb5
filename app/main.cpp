// Program entry: the application object, the main window and the two
// dialogs, then the message loop until the main window closes.
#include <exception>

#include "app/application.h"
#include "app/main_form.h"

#include "app/widgets/about_box.h"
#include "app/widgets/help_box.h"

int main(int argc, char** argv) {
  TApplication application(argc, argv);
  try {
    TMainForm form;
    // Hidden until their buttons show them; they live as long as the window.
    TAboutBox about(&form);
    AboutBox = &about;
    THelpBox help(&form);
    HelpBox = &help;
    form.show();
    TApplication::exec();
    AboutBox = nullptr;
    HelpBox = nullptr;
  } catch (const std::exception& error) {
    // An exception during start-up ends the program once it has been shown.
    TApplication::ShowException(error);
  }
  return 0;
}
