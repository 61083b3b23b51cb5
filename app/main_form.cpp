// The main window: layout, text writes, change handlers, update cycle and
// start-up.
#include "app/main_form.h"

#include <QAbstractItemView>
#include <QColor>
#include <QFocusEvent>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QScrollArea>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/fields/input_fields.h"
#include "astro/astrproc.h"

#include "app/widgets/about_box.h"
#include "app/widgets/help_box.h"
#include "app/widgets/pictures.h"


TMainForm* MainForm = nullptr;
TAboutBox* AboutBox = nullptr;
THelpBox* HelpBox = nullptr;

std::time_t SystemClock() { return std::time(nullptr); }

namespace {

// Colours of the window's design (red, green, blue).
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kLime(0, 255, 0);
const QColor kYellow(255, 255, 0);
const QColor kBlue(0, 0, 255);
const QColor kNavy(0, 0, 128);
const QColor kMaroon(128, 0, 0);
const QColor kOlive(128, 128, 0);
const QColor kSilver(192, 192, 192);
const QColor kPurple(64, 0, 128);  // fixed cells of the line-of-position grid

// Stand-ins for families of the design that a system may lack, each of
// similar shape and width.  Without them the font matcher may settle on a
// symbol font: a display face such as Impact can come out as dingbats.
void InstallFontSubstitutes() {
  static const bool installed = [] {
    QFont::insertSubstitutions(
        QStringLiteral("Impact"),
        {QStringLiteral("Nimbus Sans Narrow"), QStringLiteral("Liberation Sans Narrow"),
         QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Century Gothic"),
        {QStringLiteral("URW Gothic"), QStringLiteral("DejaVu Sans")});
    return true;
  }();
  (void)installed;
}

enum FontStyle { kPlain = 0, kBold = 1, kItalic = 2 };

// A font of the design by family and character height in pixels.  A family
// that the system lacks is replaced by the toolkit's substitute.
QFont PixelFont(const char* family, int pixels, int style = kPlain) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(pixels);
  font.setBold((style & kBold) != 0);
  font.setItalic((style & kItalic) != 0);
  return font;
}

// Text colour for every kind of control: labels and group box titles use
// the window text, edit boxes and grids the text role, buttons their own.
void SetTextColor(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, color);
  palette.setColor(QPalette::Text, color);
  palette.setColor(QPalette::ButtonText, color);
  widget->setPalette(palette);
}

// Background colour, painted by the control itself.
void SetBackground(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, color);
  palette.setColor(QPalette::Base, color);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

QGroupBox* MakeGroupBox(QWidget* parent, const char* name, const QRect& rect,
                        const char* title, const QFont& font,
                        const QColor& color) {
  auto* box = new QGroupBox(QString::fromUtf8(title), parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(rect);
  box->setFont(font);
  SetTextColor(box, color);
  return box;
}

// A label at its top-left corner, sized to its text.  Without a font of its
// own it shows the parent's.
QLabel* MakeLabel(QWidget* parent, const char* name, int left, int top,
                  const char* text, const QFont* font, const QColor& color) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(QString::fromLatin1(name));
  if (font != nullptr) label->setFont(*font);
  SetTextColor(label, color);
  label->move(left, top);
  label->adjustSize();
  return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QRect& rect,
                    const QString& text, const QFont& font,
                    const QColor& color, const QColor& background) {
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setGeometry(rect);
  edit->setFont(font);
  SetTextColor(edit, color);
  SetBackground(edit, background);
  return edit;
}

// An output box: read-only, reached by a mouse click but not by Tab.  It
// shows its own name until the first update cycle writes it.
QLineEdit* MakeOutput(QWidget* parent, const char* name, const QRect& rect,
                      const QFont& font, const QColor& color,
                      const QColor& background) {
  QLineEdit* edit = MakeEdit(parent, name, rect, QString::fromLatin1(name),
                             font, color, background);
  edit->setReadOnly(true);
  edit->setFocusPolicy(Qt::ClickFocus);
  return edit;
}

// A string grid of fixed column width and row heights, whose first row and
// first column are drawn as fixed cells; no editing, no scroll bars, no
// headers of its own.
QTableWidget* MakeGrid(QWidget* parent, const char* name, const QRect& rect,
                       const std::initializer_list<int>& rowHeights,
                       const QFont& font, const QColor& fixedColor) {
  const int rows = static_cast<int>(rowHeights.size());
  auto* grid = new QTableWidget(rows, 3, parent);
  grid->setObjectName(QString::fromLatin1(name));
  grid->setGeometry(rect);
  grid->setFont(font);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->horizontalHeader()->setMinimumSectionSize(1);
  grid->verticalHeader()->setMinimumSectionSize(1);
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  for (int column = 0; column < 3; ++column) grid->setColumnWidth(column, 118);
  int row = 0;
  for (int height : rowHeights) grid->setRowHeight(row++, height);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::NoSelection);
  grid->setFocusPolicy(Qt::ClickFocus);
  grid->setShowGrid(true);
  grid->setWordWrap(false);
  grid->setTextElideMode(Qt::ElideNone);
  SetTextColor(grid, kWhite);
  SetBackground(grid, kBlue);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < 3; ++c) {
      auto* item = new QTableWidgetItem();
      item->setFlags(Qt::ItemIsEnabled);
      item->setForeground(kWhite);
      item->setBackground((r == 0 || c == 0) ? fixedColor : kBlue);
      grid->setItem(r, c, item);
    }
  }
  return grid;
}

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TMainForm::TMainForm(TClock clock, QWidget* parent)
    : QMainWindow(parent), FClock(std::move(clock)) {
  // The update cycles inside FormCreate reach the window through MainForm.
  MainForm = this;
  InstallFontSubstitutes();
  SetDecimalSeparator(QLocale::system().decimalPoint().toStdString());
  CreateControls();
  ConnectHandlers();
  FormCreate();
}

TMainForm::~TMainForm() {
  FDestroying = true;
  if (MainForm == this) MainForm = nullptr;
}

// ---------------------------------------------------------------------------
// Layout

void TMainForm::CreateControls() {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QStringLiteral("Velmoor"));
  setFont(PixelFont("MS Sans Serif", 11));
  setGeometry(144, 87, 605, 474);
  setWindowIcon(VelmoorIcon());

  // The client area scrolls over 800 x 600; its scroll bars are switched on
  // only when the window is resized below that.
  ClientArea = new QScrollArea(this);
  ClientArea->setObjectName(QStringLiteral("ClientArea"));
  ClientArea->setFrameShape(QFrame::NoFrame);
  ClientArea->setFocusPolicy(Qt::NoFocus);
  ClientArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ClientArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ClientArea->setWidgetResizable(true);
  setCentralWidget(ClientArea);

  auto* client = new QWidget();
  client->setObjectName(QStringLiteral("ClientWidget"));
  client->setMinimumSize(800, 600);
  ClientArea->setWidget(client);

  auto* clientLayout = new QVBoxLayout(client);
  clientLayout->setContentsMargins(0, 0, 0, 0);
  clientLayout->setSpacing(0);

  Bevel1 = new QFrame(client);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Bevel1->setLineWidth(1);
  Bevel1->setFixedHeight(4);
  clientLayout->addWidget(Bevel1);

  auto* body = new QHBoxLayout();
  body->setContentsMargins(0, 0, 0, 0);
  body->setSpacing(0);
  clientLayout->addLayout(body, 1);

  GroupBox1 = MakeGroupBox(client, "GroupBox1", QRect(), "Star List",
                           PixelFont("System", 13, kBold | kItalic), kRed);
  GroupBox1->setFixedWidth(153);
  body->addWidget(GroupBox1);
  CreateStarList();

  // The black panel that holds everything else at fixed positions; only the
  // title strip Label3 follows its width.
  Panel2 = new QWidget(client);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setFont(PixelFont("Arial", 15));
  SetTextColor(Panel2, kSilver);
  SetBackground(Panel2, kBlack);
  body->addWidget(Panel2, 1);

  auto* panelLayout = new QVBoxLayout(Panel2);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  panelLayout->setSpacing(0);
  Label3 = new QLabel(QString(), Panel2);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setFont(PixelFont("Courier New", 15, kItalic));
  SetTextColor(Label3, kWhite);
  SetBackground(Label3, kMaroon);
  Label3->setFixedHeight(18);
  panelLayout->addWidget(Label3);
  panelLayout->addStretch(1);

  CreateInputGroup();
  CreateOutputGroups();
  CreateGrids();
  CreateButtons();
  SetTabOrder();
}

void TMainForm::CreateStarList() {
  auto* layout = new QVBoxLayout(GroupBox1);
  layout->setContentsMargins(2, 2, 2, 2);
  StarList = new TStarCheckList(GroupBox1);
  StarList->setItemHeight(20);
  StarList->setItems({
      "Acamar",      "Achernar",    "Acrux",        "Adhara",
      "Aldebaran",   "Alioth",      "Alkaid",       "Al'Na'ir",
      "Alnilam",     "Alphard",     "Alphecca",     "Alpheratz",
      "Altair",      "Ankaa",       "Antares",      "Arcturus",
      "Atria",       "Avior",       "Bellatrix",    "Betelgeuse",
      "Canopus",     "Capella",     "Deneb",        "Denebola",
      "Diphda",      "Dubhe",       "Elnath",       "Eltanin",
      "Enif",        "Fomalhaut",   "Gacrux",       "Gienah",
      "Hadar",       "Hamal",       "Kaus Austr.",  "Kochab",
      "Markab",      "Menkar",      "Menment",      "Miaplacidus",
      "Mirfak",      "Nunki",       "Peacock",      "Pollux",
      "Procyon",     "Rasalhague",  "Regulus",      "Rigiel",
      "Rigil Kent.", "Sabik",       "Schedar",      "Shaula",
      "Sirius",      "Spica",       "Suhail",       "Vega",
      "Zubenelgeubi"});
  StarList->setObjectName(QStringLiteral("StarList"));
  StarList->setFont(PixelFont("MS Sans Serif", 13));
  SetTextColor(StarList, kBlack);
  StarList->setFocusPolicy(Qt::StrongFocus);
  layout->addWidget(StarList);
}

void TMainForm::CreateInputGroup() {
  GroupBox9 = MakeGroupBox(Panel2, "GroupBox9", QRect(8, 32, 625, 105),
                           "Input Day, Time and Position",
                           PixelFont("Impact", 15), kLime);

  const QFont dateFont = PixelFont("Nadianne", 16, kBold);
  YearInput = MakeEdit(GroupBox9, "YearInput", QRect(11, 28, 55, 27),
                       QStringLiteral(" 1998"), dateFont, kBlack, kLime);
  MonthInput = MakeEdit(GroupBox9, "MonthInput", QRect(69, 28, 36, 27),
                        QStringLiteral(" 06"), dateFont, kBlack, kLime);
  DayInput = MakeEdit(GroupBox9, "DayInput", QRect(107, 28, 36, 27),
                      QStringLiteral(" 31"), dateFont, kBlack, kLime);
  Label4 = MakeLabel(GroupBox9, "Label4", 16, 64, "GMT", nullptr, kLime);
  GMTInput = MakeEdit(GroupBox9, "GMTInput", QRect(56, 60, 88, 27),
                      QStringLiteral(" 12:23:34"), dateFont, kBlack, kLime);

  const QFont captionFont = PixelFont("Comic Sans MS", 16, kBold | kItalic);
  const QFont positionFont = PixelFont("Arial", 16, kBold | kItalic);
  Label1 = MakeLabel(GroupBox9, "Label1", 189, 28, "Latitude", &captionFont,
                     kLime);
  Latitude = MakeEdit(GroupBox9, "Latitude", QRect(171, 61, 111, 26),
                      QStringLiteral("Latitude"), positionFont, kBlack, kLime);
  Label2 = MakeLabel(GroupBox9, "Label2", 301, 27, "Longitude", &captionFont,
                     kLime);
  Longitude = MakeEdit(GroupBox9, "Longitude", QRect(291, 60, 111, 26),
                       QStringLiteral("Longitude"), positionFont, kBlack,
                       kLime);

  Memo1 = new QPlainTextEdit(GroupBox9);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setGeometry(424, 16, 185, 81);
  Memo1->setFont(PixelFont("Times New Roman", 11));
  SetTextColor(Memo1, kYellow);
  SetBackground(Memo1, kRed);
  Memo1->setReadOnly(true);
  Memo1->setFocusPolicy(Qt::ClickFocus);
  Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // A narrow inner margin, so that the five lines fit the box.
  Memo1->document()->setDocumentMargin(1);
  Memo1->setPlainText(QString::fromUtf8(
      "Input Latitude or Longitude in format \n"
      ": +/-DD.MMd \n"
      "Example: -22.347  = Lat 22\u00B034.7' S\n"
      "(minus)  Lat S\n"
      "(minus) Long W"));
}

void TMainForm::CreateOutputGroups() {
  const QFont groupFont = PixelFont("Arial", 16, kBold | kItalic);
  const QFont boxFont = PixelFont("Arial", 15);

  GroupBox2 = MakeGroupBox(Panel2, "GroupBox2", QRect(8, 146, 150, 52),
                           "Aries ", groupFont, kRed);
  const QFont ariesCaption = PixelFont("Comic Sans MS", 16);
  Label6 = MakeLabel(GroupBox2, "Label6", 7, 22, "GHA", &ariesCaption, kRed);
  GHAAries = MakeOutput(GroupBox2, "GHAAries", QRect(48, 21, 98, 26),
                        PixelFont("Arial", 15, kBold), kRed, kNavy);

  GroupBox3 = MakeGroupBox(Panel2, "GroupBox3", QRect(8, 214, 150, 123),
                           "Sun ", groupFont, kYellow);
  const QFont sunCaption = PixelFont("Comic Sans MS", 15);
  Label9 = MakeLabel(GroupBox3, "Label9", 9, 26, "GHA", &sunCaption, kYellow);
  Label8 = MakeLabel(GroupBox3, "Label8", 9, 52, "Dec.", &sunCaption, kYellow);
  Label10 = MakeLabel(GroupBox3, "Label10", 9, 85, "S.D.", &sunCaption,
                      kYellow);
  GHASlonce = MakeOutput(GroupBox3, "GHASlonce", QRect(48, 20, 98, 25),
                         boxFont, kYellow, kNavy);
  DeclSun = MakeOutput(GroupBox3, "DeclSun", QRect(48, 52, 98, 25), boxFont,
                       kYellow, kNavy);
  SemiDiam = MakeOutput(GroupBox3, "SemiDiam", QRect(48, 85, 40, 25), boxFont,
                        kYellow, kNavy);

  GroupBox4 = MakeGroupBox(Panel2, "GroupBox4", QRect(9, 348, 149, 135),
                           "Moon ", groupFont, kSilver);
  const QFont moonCaption = PixelFont("Comic Sans MS", 16);
  Label11 = MakeLabel(GroupBox4, "Label11", 9, 20, "GHA", &moonCaption,
                      kSilver);
  Label12 = MakeLabel(GroupBox4, "Label12", 9, 46, "Dec.", &moonCaption,
                      kSilver);
  Label13 = MakeLabel(GroupBox4, "Label13", 9, 78, "H.P.", &moonCaption,
                      kSilver);
  Label5 = MakeLabel(GroupBox4, "Label5", 9, 105, "S.D.", &moonCaption,
                     kSilver);
  MoonGHA = MakeOutput(GroupBox4, "MoonGHA", QRect(48, 20, 96, 25), boxFont,
                       kSilver, kNavy);
  MoonDec = MakeOutput(GroupBox4, "MoonDec", QRect(48, 48, 96, 25), boxFont,
                       kSilver, kNavy);
  MoonHP = MakeOutput(GroupBox4, "MoonHP", QRect(48, 76, 46, 25), boxFont,
                      kSilver, kNavy);
  MoonSD = MakeOutput(GroupBox4, "MoonSD", QRect(48, 104, 46, 25), boxFont,
                      kSilver, kNavy);

  const QFont dayFont = PixelFont("Arial", 15, kBold | kItalic);
  GroupBox6 = MakeGroupBox(Panel2, "GroupBox6", QRect(8, 495, 150, 51),
                           "Julian Day ", groupFont, kBlue);
  JulDay = MakeOutput(GroupBox6, "JulDay", QRect(7, 20, 137, 25), dayFont,
                      kWhite, kOlive);
  GroupBox5 = MakeGroupBox(Panel2, "GroupBox5", QRect(174, 495, 117, 51),
                           "Weekday ", groupFont, kLime);
  Weekday = MakeOutput(GroupBox5, "Weekday", QRect(7, 20, 104, 25), dayFont,
                       kLime, kOlive);
  GroupBox7 = MakeGroupBox(Panel2, "GroupBox7", QRect(307, 495, 150, 51),
                           "Equation of Time ", groupFont, kMaroon);
  EqOfTime = MakeOutput(GroupBox7, "EqOfTime", QRect(7, 20, 137, 25), boxFont,
                        kWhite, kOlive);
}

void TMainForm::CreateGrids() {
  GroupBox8 = MakeGroupBox(Panel2, "GroupBox8", QRect(174, 147, 372, 190),
                           "Line Of Position ",
                           PixelFont("Arial", 16, kBold | kItalic), kWhite);
  LOPGrid = MakeGrid(GroupBox8, "LOPGrid", QRect(6, 25, 360, 155),
                     {24, 25, 24, 24, 24, 24},
                     PixelFont("Century Gothic", 15, kBold), kPurple);

  GroupBox10 = MakeGroupBox(Panel2, "GroupBox10", QRect(174, 348, 373, 135),
                            "Stars Ephemeries",
                            PixelFont("System", 15, kBold), kSilver);
  StarsOutput = MakeGrid(GroupBox10, "StarsOutput", QRect(7, 24, 362, 101),
                         {24, 24, 24, 24}, PixelFont("Arial", 15, kItalic),
                         kNavy);
}

void TMainForm::CreateButtons() {
  const QFont buttonFont = PixelFont("Arial", 15, kItalic);
  auto makeButton = [&](const char* name, const QRect& rect,
                        const char* caption) {
    auto* button = new QToolButton(Panel2);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(rect);
    button->setText(QString::fromLatin1(caption));
    button->setFont(buttonFont);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFocusPolicy(Qt::StrongFocus);
    SetTextColor(button, kBlack);
    return button;
  };
  BitBtn1 = makeButton("BitBtn1", QRect(558, 153, 63, 186), "About");
  BitBtn2 = makeButton("BitBtn2", QRect(560, 356, 63, 129), "Help");
  BitBtn1->setIcon(AboutButtonIcon());
  BitBtn1->setIconSize(QSize(16, 16));
  BitBtn2->setIcon(HelpButtonIcon());
  BitBtn2->setIconSize(QSize(30, 41));
}

void TMainForm::SetTabOrder() {
  QWidget* const order[] = {StarList,  BitBtn1,  YearInput,
                            MonthInput, DayInput, GMTInput,
                            Latitude,  Longitude, BitBtn2};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
    QWidget::setTabOrder(order[i], order[i + 1]);
  }
}

// Typing runs a field's change handler through textEdited, which program
// writes do not emit; SetEditText runs the same handler for them.
void TMainForm::ConnectHandlers() {
  const std::pair<QLineEdit*, TChangeHandler> handlers[] = {
      {YearInput, &TMainForm::YearInputChange},
      {MonthInput, &TMainForm::MonthInputChange},
      {DayInput, &TMainForm::DayInputChange},
      {GMTInput, &TMainForm::GMTInputChange},
      {Latitude, &TMainForm::LatitudeChange},
      {Longitude, &TMainForm::LongitudeChange},
  };
  for (const auto& [edit, handler] : handlers) {
    FChangeHandlers.insert(edit, handler);
    const TChangeHandler run = handler;
    connect(edit, &QLineEdit::textEdited, this, [this, run] { (this->*run)(); });
  }

  // Leaving a field is seen as its focus-out event.
  const std::pair<QLineEdit*, TChangeHandler> exits[] = {
      {YearInput, &TMainForm::YearInputExit},
      {MonthInput, &TMainForm::MonthInputExit},
      {DayInput, &TMainForm::DayInputExit},
      {GMTInput, &TMainForm::GMTInputExit},
      {Latitude, &TMainForm::LatitudeExit},
      {Longitude, &TMainForm::LongitudeExit},
  };
  for (const auto& [edit, handler] : exits) {
    FExitHandlers.insert(edit, handler);
    edit->installEventFilter(this);
  }

  connect(StarList, &TStarCheckList::changing, this,
          &TMainForm::StarListChanging);
  connect(BitBtn1, &QToolButton::clicked, this, &TMainForm::BitBtn1Click);
  connect(BitBtn2, &QToolButton::clicked, this, &TMainForm::BitBtn2Click);
}

// A field is left when the focus moves to another control of the window;
// the window losing activation or a field's own context menu is no exit.
bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut && !FDestroying) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    const auto handler = FExitHandlers.constFind(watched);
    if (handler != FExitHandlers.constEnd() &&
        reason != Qt::ActiveWindowFocusReason &&
        reason != Qt::PopupFocusReason) {
      (this->*handler.value())();
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// Text writes

void TMainForm::SetEditText(QLineEdit* edit, const QString& text) {
  if (edit->text() == text) return;
  edit->setText(text);
  const auto handler = FChangeHandlers.constFind(edit);
  if (handler != FChangeHandlers.constEnd()) (this->*handler.value())();
}

void TMainForm::SetCell(QTableWidget* grid, int column, int row,
                        const QString& text) {
  grid->item(row, column)->setText(text);
}

// ---------------------------------------------------------------------------
// Change handlers

void TMainForm::YearInputChange() {
  FYear = ParseYearText(YearInput->text().toStdString());
}

void TMainForm::MonthInputChange() {
  FMonth = ParseMonthText(MonthInput->text().toStdString());
}

void TMainForm::DayInputChange() {
  FDay = ParseDayText(DayInput->text().toStdString(), FMonth, FYear);
}

void TMainForm::GMTInputChange() {
  ParseGMTText(GMTInput->text().toStdString(), FHour, FMinute, FSecond);
  UpdateAlmanac();
}

void TMainForm::LatitudeChange() {
  FLatitude = ParsePositionText(Latitude->text().toStdString(),
                                PositionAxis::kLatitude, DecimalSeparator());
}

void TMainForm::LongitudeChange() {
  FLongitude = ParsePositionText(Longitude->text().toStdString(),
                                 PositionAxis::kLongitude, DecimalSeparator());
}

// ---------------------------------------------------------------------------
// Exit handlers

// The three date fields share one exit: the cycle first, since it may roll
// the date over, then the date as it now stands.
void TMainForm::YearInputExit() {
  UpdateAlmanac();
  SetEditText(DayInput, FromStd(TwoDigitFieldText(FDay)));
  SetEditText(MonthInput, FromStd(TwoDigitFieldText(FMonth)));
  SetEditText(YearInput, FromStd(YearFieldText(FYear)));
}

void TMainForm::MonthInputExit() { YearInputExit(); }

void TMainForm::DayInputExit() { YearInputExit(); }

void TMainForm::GMTInputExit() {
  SetEditText(GMTInput, FromStd(GMTFieldText(FHour, FMinute, FSecond)));
  UpdateAlmanac();
}

void TMainForm::LatitudeExit() {
  SetEditText(Latitude,
              FromStd(PositionFieldText(FLatitude, PositionAxis::kLatitude)));
  UpdateAlmanac();
}

void TMainForm::LongitudeExit() {
  SetEditText(Longitude,
              FromStd(PositionFieldText(FLongitude, PositionAxis::kLongitude)));
  UpdateAlmanac();
}

// ---------------------------------------------------------------------------
// Star selection

void TMainForm::StarListChanging(int /*index*/, bool newChecked,
                                 bool* /*allow*/) {
  // The item being toggled is the list's current item.
  const int k = StarList->currentIndex();
  if (newChecked) {
    FSelStars[SelCounter] = k;
    ++SelCounter;
    if (SelCounter > 3) {
      // A fourth star: the oldest one is unchecked and leaves the queue.
      StarList->setCheckedSilently(FSelStars[0], false);
      FSelStars[0] = FSelStars[1];
      FSelStars[1] = FSelStars[2];
      FSelStars[2] = FSelStars[3];
      FSelStars[3] = 0;
      SelCounter = 3;
    }
  } else {
    --SelCounter;
    // Remove k; the later stars move up and the freed slots hold 0.
    for (int i = 0; i < 3; ++i) {
      if (FSelStars[i] == k) {
        for (int j = i; j < 3; ++j) FSelStars[j] = FSelStars[j + 1];
      }
    }
  }
  FSelCount = SelCounter;
  UpdateAlmanac();
}

// ---------------------------------------------------------------------------
// Dialogs and resizing

void TMainForm::BitBtn1Click() {
  if (AboutBox != nullptr) AboutBox->exec();
}

void TMainForm::BitBtn2Click() {
  if (HelpBox != nullptr) HelpBox->exec();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FormResize();
}

// A bar that is offered appears when the 800 x 600 client range does not fit.
void TMainForm::FormResize() {
  const QRect outer = frameGeometry();
  ClientArea->setHorizontalScrollBarPolicy(
      outer.width() < 800 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  ClientArea->setVerticalScrollBarPolicy(
      outer.height() < 600 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

// ---------------------------------------------------------------------------
// Update cycle

void ShowSunAndAries() {
  const TSunAriesTexts t = SunAndAriesStep(*MainForm);
  MainForm->SetEditText(MainForm->GHAAries, FromStd(t.ghaAries));
  MainForm->SetEditText(MainForm->GHASlonce, FromStd(t.ghaSun));
  MainForm->SetEditText(MainForm->DeclSun, FromStd(t.declSun));
  MainForm->SetEditText(MainForm->SemiDiam, FromStd(t.semiDiam));
}

void TMainForm::UpdateAlmanac() {
  ++FUpdateCount;

  // Blank the star rows of both grids.
  const QString blank = QString::fromLatin1(kBlankCell);
  for (int row = 1; row <= 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      SetCell(StarsOutput, column, row, blank);
      SetCell(LOPGrid, column, row + 2, blank);
    }
  }

  ShowSunAndAries();

  // The selected stars, oldest first.
  for (int i = 0; i < FSelCount && i < 3; ++i) {
    const TStarRowTexts star = StarStep(*this, i);
    const QString name = FromStd(star.name);
    SetCell(StarsOutput, 0, i + 1, name);
    SetCell(LOPGrid, 0, i + 3, name);
    SetCell(StarsOutput, 1, i + 1, FromStd(star.sha));
    SetCell(StarsOutput, 2, i + 1, FromStd(star.declination));
    SetCell(LOPGrid, 1, i + 3, FromStd(star.altitude));
    SetCell(LOPGrid, 2, i + 3, FromStd(star.azimuth));
  }

  const TMoonTexts moon = MoonStep(*this);
  SetEditText(MoonGHA, FromStd(moon.gha));
  SetEditText(MoonDec, FromStd(moon.declination));
  SetEditText(MoonSD, FromStd(moon.semiDiameter));
  SetEditText(MoonHP, FromStd(moon.parallax));

  const TDateTexts date = DateStep(*this);
  SetEditText(JulDay, FromStd(date.julianDay));
  SetEditText(Weekday, FromStd(date.weekday));
  SetEditText(EqOfTime, FromStd(date.eqOfTime));

  const TLineOfPositionTexts sun = LineOfPositionStep(*this, FSunGHA, FSunDec);
  SetCell(LOPGrid, 1, 1, FromStd(sun.altitude));
  SetCell(LOPGrid, 2, 1, FromStd(sun.azimuth));
  const TLineOfPositionTexts moonLine =
      LineOfPositionStep(*this, FMoonGHA, FMoonDec);
  SetCell(LOPGrid, 1, 2, FromStd(moonLine.altitude));
  SetCell(LOPGrid, 2, 2, FromStd(moonLine.azimuth));
}

// ---------------------------------------------------------------------------
// Start-up

void TMainForm::FormCreate() {
  setWindowState(windowState() | Qt::WindowMaximized);

  // The clock broken down as UTC, whatever the time zone.
  const std::time_t now = FClock();
  std::tm utc{};
  gmtime_r(&now, &utc);
  const int year = utc.tm_year + 1900;
  const int month = utc.tm_mon + 1;
  FYear = year;
  FMonth = month;
  FDay = utc.tm_mday;
  FHour = utc.tm_hour;
  FMinute = utc.tm_min;
  FSecond = utc.tm_sec;

  // Each write runs its field's change handler; the GMT handler runs the
  // first update cycle.
  SetEditText(YearInput, FromStd(YearFieldText(year)));
  SetEditText(MonthInput, FromStd(TwoDigitFieldText(month)));
  SetEditText(DayInput, FromStd(TwoDigitFieldText(utc.tm_mday)));
  SetEditText(GMTInput,
              FromStd(StartupGMTText(utc.tm_hour, utc.tm_min, utc.tm_sec)));

  SetCell(StarsOutput, 0, 0, QStringLiteral("Star Name"));
  SetCell(StarsOutput, 1, 0, QStringLiteral(" SHA "));
  SetCell(StarsOutput, 2, 0, QStringLiteral(" Decl. "));
  SetCell(LOPGrid, 0, 0, QStringLiteral("Celestial Body"));
  SetCell(LOPGrid, 1, 0, QStringLiteral("  Altitude"));
  SetCell(LOPGrid, 2, 0, QStringLiteral("  Azimuth"));
  SetCell(LOPGrid, 0, 1, QStringLiteral("  SUN "));
  SetCell(LOPGrid, 0, 2, QStringLiteral("  MOON "));

  // The default position reaches the state only through the field texts.
  FLatitude = 0;
  FLongitude = 0;
  SetEditText(Latitude, QString::fromUtf8("  53\u00B0 30.0' N"));
  SetEditText(Longitude, QString::fromUtf8(" 014\u00B0 30.0' E"));

  UpdateAlmanac();
}
