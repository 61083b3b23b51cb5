// The main window: every input field, output box and grid, the almanac state
// record, the change handlers of the input fields and the update cycle.
#ifndef VELMOOR_APP_MAIN_FORM_H
#define VELMOOR_APP_MAIN_FORM_H

#include <ctime>
#include <functional>

#include <QHash>
#include <QMainWindow>
#include <QString>

#include "app/almanac.h"
#include "app/widgets/star_check_list.h"

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QScrollArea;
class QTableWidget;
class QToolButton;
class QWidget;

// The system clock as seconds since the epoch.
std::time_t SystemClock();

class TMainForm : public QMainWindow, public TAlmanacState {
  Q_OBJECT

 public:
  // Where FormCreate takes the current instant from; the program always
  // passes the system clock.
  using TClock = std::function<std::time_t()>;

  // Builds the window and runs FormCreate.  MainForm points at the window
  // before any control exists.
  explicit TMainForm(TClock clock = SystemClock, QWidget* parent = nullptr);
  ~TMainForm() override;

  // Writes the text of an edit box from the program: nothing happens when
  // the box already shows it; otherwise the text is replaced and the box's
  // change handler, if it has one, runs once before this returns.
  void SetEditText(QLineEdit* edit, const QString& text);

  // The update cycle: recomputes and rewrites every output box and cell.
  void UpdateAlmanac();

  // Number of update cycles run since the window was created.
  int UpdateCount() const { return FUpdateCount; }

  // Creation handler: the clock instant, the input fields, the grid headers,
  // the default position and the update cycle.
  void FormCreate();

  // Change handlers of the input fields: they store the parsed value.
  void YearInputChange();
  void MonthInputChange();
  void DayInputChange();
  void GMTInputChange();
  void LatitudeChange();
  void LongitudeChange();

  // Exit handlers of the input fields: the update cycle and the field's text
  // rewritten in its canonical form.
  void YearInputExit();
  void MonthInputExit();
  void DayInputExit();
  void GMTInputExit();
  void LatitudeExit();
  void LongitudeExit();

  // A star is about to be checked or unchecked: the queue of at most three
  // stars is updated and the update cycle runs.
  void StarListChanging(int index, bool newChecked, bool* allow);

  // The About and Help buttons show their dialogs modally.
  void BitBtn1Click();
  void BitBtn2Click();

  // The scroll bars of the client area are offered only while the window is
  // narrower than 800 or lower than 600 pixels.
  void FormResize();

  // Controls, each with its own name as object name.
  QScrollArea* ClientArea = nullptr;  // the scrolled 800 x 600 client area
  QFrame* Bevel1 = nullptr;
  QGroupBox* GroupBox1 = nullptr;
  TStarCheckList* StarList = nullptr;
  QWidget* Panel2 = nullptr;
  QLabel* Label3 = nullptr;
  QGroupBox* GroupBox9 = nullptr;
  QLineEdit* YearInput = nullptr;
  QLineEdit* MonthInput = nullptr;
  QLineEdit* DayInput = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* GMTInput = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* Latitude = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* Longitude = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QGroupBox* GroupBox2 = nullptr;
  QLabel* Label6 = nullptr;
  QLineEdit* GHAAries = nullptr;
  QGroupBox* GroupBox3 = nullptr;
  QLabel* Label9 = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* Label10 = nullptr;
  QLineEdit* GHASlonce = nullptr;
  QLineEdit* DeclSun = nullptr;
  QLineEdit* SemiDiam = nullptr;
  QGroupBox* GroupBox4 = nullptr;
  QLabel* Label11 = nullptr;
  QLabel* Label12 = nullptr;
  QLabel* Label13 = nullptr;
  QLabel* Label5 = nullptr;
  QLineEdit* MoonGHA = nullptr;
  QLineEdit* MoonDec = nullptr;
  QLineEdit* MoonHP = nullptr;
  QLineEdit* MoonSD = nullptr;
  QGroupBox* GroupBox8 = nullptr;
  QTableWidget* LOPGrid = nullptr;
  QGroupBox* GroupBox10 = nullptr;
  QTableWidget* StarsOutput = nullptr;
  QGroupBox* GroupBox6 = nullptr;
  QLineEdit* JulDay = nullptr;
  QGroupBox* GroupBox5 = nullptr;
  QLineEdit* Weekday = nullptr;
  QGroupBox* GroupBox7 = nullptr;
  QLineEdit* EqOfTime = nullptr;
  QToolButton* BitBtn1 = nullptr;
  QToolButton* BitBtn2 = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  using TChangeHandler = void (TMainForm::*)();

  void CreateControls();
  void CreateStarList();
  void CreateInputGroup();
  void CreateOutputGroups();
  void CreateGrids();
  void CreateButtons();
  void SetTabOrder();
  void ConnectHandlers();

  // Text of grid cell (column, row).
  static void SetCell(QTableWidget* grid, int column, int row,
                      const QString& text);

  TClock FClock;
  int FUpdateCount = 0;
  // Running count of the star queue, copied into FSelCount by each change.
  int SelCounter = 0;
  // Set while the window is being destroyed: focus changes then run no
  // exit handler.
  bool FDestroying = false;
  QHash<QLineEdit*, TChangeHandler> FChangeHandlers;
  QHash<QObject*, TChangeHandler> FExitHandlers;
};

// The one main window, set as soon as its object exists.
extern TMainForm* MainForm;

class TAboutBox;
class THelpBox;

// The About and Help dialogs, created hidden after the main window.
extern TAboutBox* AboutBox;
extern THelpBox* HelpBox;

// The Sun and Aries step of the update cycle: stores the GHA of Aries and the
// Sun's place in MainForm's state and writes the Aries and Sun boxes.
void ShowSunAndAries();

#endif  // VELMOOR_APP_MAIN_FORM_H
