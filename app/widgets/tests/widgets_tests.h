// Each group of widget tests runs through one of these, inside the one
// QApplication of widgets_tests.  They return QTest::qExec's result.
#ifndef VELMOOR_APP_WIDGETS_TESTS_WIDGETS_TESTS_H
#define VELMOOR_APP_WIDGETS_TESTS_WIDGETS_TESTS_H

int RunStarCheckListTests(int argc, char** argv);
int RunDialogTests(int argc, char** argv);
int RunPictureTests(int argc, char** argv);

#endif  // VELMOOR_APP_WIDGETS_TESTS_WIDGETS_TESTS_H
