// Program entry: the application object, the main window and the two
// dialogs, then the message loop until the main window closes.
#include <exception>

#include "app/application.h"
#include "app/main_form.h"

#ifdef VELMOOR_HAVE_WIDGETS
#include "app/widgets/about_box.h"
#include "app/widgets/help_box.h"
#endif

int main(int argc, char** argv) {
  TApplication application(argc, argv);
  try {
    TMainForm form;
#ifdef VELMOOR_HAVE_WIDGETS
    // Hidden until their buttons show them; they live as long as the window.
    TAboutBox about(&form);
    AboutBox = &about;
    THelpBox help(&form);
    HelpBox = &help;
#endif
    form.show();
    TApplication::exec();
#ifdef VELMOOR_HAVE_WIDGETS
    AboutBox = nullptr;
    HelpBox = nullptr;
#endif
  } catch (const std::exception& error) {
    // An exception during start-up ends the program once it has been shown.
    TApplication::ShowException(error);
  }
  return 0;
}
