// The score windows, the scoring explanation, the message boxes, the help
// window and the sound wrapper, on the offscreen platform.

#include <QtTest/qtestspontaneevent.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "dialogs/final_result_dialog.h"
#include "dialogs/help_window.h"
#include "dialogs/round_result_dialog.h"
#include "dialogs/score_table_window.h"
#include "dialogs/scoring_explanation_dialog.h"
#include "flow/seat_names.h"
#include "platform/japanese_font.h"
#include "platform/message_box.h"
#include "rules/silent_host.h"
#include "widgets/test_sandbox.h"
#include "widgets/text_fit.h"

using namespace zunpa;
using namespace zunpa::qt;
using namespace zunpa::testing;

namespace {

const QString kPutInFront = QStringLiteral("手前設定");
const QString kTakeOutOfFront = QStringLiteral("手前解除");

// Runs `answer` on the modal window named `name` once it is up. Gives up
// after five seconds, closing whatever modal window is up so that no test
// hangs; `seen` tells whether the window came.
void WhenModalUp(const QString& name, std::function<void(QWidget*)> answer, bool* seen) {
  *seen = false;
  auto* poll = new QTimer;
  auto* clock = new QElapsedTimer;
  clock->start();
  QObject::connect(poll, &QTimer::timeout, [=] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && (name.isEmpty() || modal->objectName() == name)) {
      poll->stop();
      poll->deleteLater();
      delete clock;
      *seen = true;
      answer(modal);
    } else if (clock->elapsed() > 5000) {
      poll->stop();
      poll->deleteLater();
      delete clock;
      if (modal) modal->close();
    }
  });
  poll->start(10);
}

QString Text(const QWidget* parent, const QString& name) {
  const auto* label = parent->findChild<QLabel*>(name);
  return label ? label->text() : QString("<no %1>").arg(name);
}

QColor TextColour(const QWidget* parent, const QString& name) {
  const auto* label = parent->findChild<QLabel*>(name);
  return label ? label->palette().color(QPalette::WindowText) : QColor();
}

QColor Rgb(unsigned colour) {
  return QColor::fromRgb(colour);
}

// A game's sheet with its names written the way a new game writes them.
ScoreSheet SheetWithNames(const std::array<std::string, kSeats>& names) {
  SilentHost host;
  Game game(host);
  game.seats.SeatName = names;
  ShowSeatNames(game);
  return game.display.sheet;
}

RoundResult ResultOfRound(int round) {
  RoundResult result;
  result.roundNo = round;
  // Every field of every seat differs, so a value in the wrong row or
  // column shows.
  for (int i = 0; i < kSeats; ++i) {
    const std::string seat = std::to_string(i + 1);
    result.rows[i] = {"N" + seat, "C" + seat, "T" + seat, "B" + seat, "K" + seat};
  }
  return result;
}

}  // namespace

class DialogsBTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void init();
  void cleanup();

  void roundResultCaptionNamesTheRound();
  void roundResultHeadersComeFromTheSheetWithTheirColours();
  void nameOfFourCharactersLeavesSecondHeaderEmpty();
  void roundResultShowsEachFieldInItsRowAndColumn();
  void roundResultSitsOverTheMainWindowsMiddle();
  void roundResultOkIsDefaultAndEscapeCloses();
  void roundResultRunsModallyAndOpensTheExplanation();
  void roundResultTextsFitAndStayInside();

  void finalResultShowsTheRowsInOrderWithTheirColours();
  void finalResultOkIsDefaultAndEscapeCloses();

  void explanationFramesHoldTheirLinesAboveTheNote();
  void explanationOkIsDefaultAndEscapeCloses();

  void scoreTableCellsTakeTheirStyles();
  void platformColourShowsAsWindowText();
  void refreshRestylesOnlyChangedCells();
  void legendShowsTheStylesTheCellsGet();
  void scoreTableHeadersStandOnBlack();
  void scoreTableStandsBesideTheMainWindow();
  void scoreTableOpensInFrontWithoutStoredSetting();
  void scoreTableOpensBehindWhenStoredFalse();
  void garbageStoredSettingCountsAsInFront();
  void switchPressedTwiceReturnsToFirstState();
  void switchNeverWritesTheStore();
  void laterShowingKeepsPlaceAndSwitch();
  void scoreTableHasNoCloseBox();
  void scoreTableInsideTheMainWindowSaysItCannotStayInFront();
  void scoreTableTextsFitAndStayInside();

  void messageBoxButtons_data();
  void messageBoxButtons();

  void helpShowsTheHtmlFile();
  void helpSaysWhenTheFileIsMissing();
  void helpReusesItsWindow();

 private:
  void StoreTemae(const QVariant& value);
  std::unique_ptr<QWidget> mainWindow_;
};

void DialogsBTest::initTestCase() {
  QVERIFY(!zunpa::testing::EnterTestSandbox().isEmpty());
  UseJapaneseFont(*qobject_cast<QApplication*>(QCoreApplication::instance()));
}

void DialogsBTest::init() {
  QSettings("ZunpaS", "ZunpaS").remove("Options");
  mainWindow_ = std::make_unique<QWidget>();
  mainWindow_->setGeometry(200, 120, 800, 600);
  mainWindow_->show();
  QVERIFY(QTest::qWaitForWindowExposed(mainWindow_.get()));
}

void DialogsBTest::cleanup() {
  mainWindow_.reset();
  QSettings("ZunpaS", "ZunpaS").remove("Options");
}

void DialogsBTest::StoreTemae(const QVariant& value) {
  QSettings store("ZunpaS", "ZunpaS");
  store.setValue("Options/temae", value);
  store.sync();
}

// --- frmTEN ---------------------------------------------------------------

// The one dialog of a run, filled for another round, reads exactly as one
// made for that round.
void DialogsBTest::roundResultCaptionNamesTheRound() {
  RoundResultDialog reused(mainWindow_.get(), ResultOfRound(20), ScoreSheet());
  QCOMPARE(reused.windowTitle(), QString("第20ラウンド結果"));
  const ScoreSheet sheet = SheetWithNames({"ｱｶﾞﾘｰﾀ", "ｽﾞﾝﾊﾟｽｷｲ", "ｷ･ｵｰｸﾏﾝ", "たろうくん"});
  reused.Fill(ResultOfRound(1), sheet);
  RoundResultDialog first(mainWindow_.get(), ResultOfRound(1), sheet);
  QCOMPARE(reused.windowTitle(), QString("第1ラウンド結果"));
  for (const QLabel* label : first.findChildren<QLabel*>()) {
    const auto* other = reused.findChild<QLabel*>(label->objectName());
    QCOMPARE(other->text(), label->text());
    QCOMPARE(other->palette().color(QPalette::WindowText), label->palette().color(QPalette::WindowText));
  }
}

void DialogsBTest::roundResultHeadersComeFromTheSheetWithTheirColours() {
  const ScoreSheet sheet = SheetWithNames({"ｱｶﾞﾘｰﾀ", "ｽﾞﾝﾊﾟｽｷｲ", "ｷ･ｵｰｸﾏﾝ", "たろうくん"});
  RoundResultDialog dialog(mainWindow_.get(), ResultOfRound(3), sheet);
  for (int i = 0; i < kSeats; ++i) {
    for (const int member : {21, 0}) {
      const QString name = QString("lblHYOU%1_%2").arg(i + 1).arg(member);
      const SheetCell& cell = sheet.columns[i][member];
      QCOMPARE(Text(&dialog, name), QString::fromStdString(cell.caption));
      QCOMPARE(TextColour(&dialog, name), Rgb(cell.colour));
      const auto* label = dialog.findChild<QLabel*>(name);
      QVERIFY(label->autoFillBackground());
      QCOMPARE(label->palette().color(QPalette::Window), QColor(Qt::black));
    }
  }
  // The two halves read as the whole name, and a character gets its own
  // colour while the user keeps yellow.
  QCOMPARE(Text(&dialog, "lblHYOU4_21") + Text(&dialog, "lblHYOU4_0"), QString("たろうくん"));
  QVERIFY(TextColour(&dialog, "lblHYOU1_21") != Rgb(0xFF8080));
  QCOMPARE(TextColour(&dialog, "lblHYOU4_0"), Rgb(kYellow));
}

void DialogsBTest::nameOfFourCharactersLeavesSecondHeaderEmpty() {
  // Half-width sound marks count as characters of their own.
  const ScoreSheet sheet = SheetWithNames({"ｱｶﾞﾘｰﾀ", "ｳｯｶﾘﾊﾁﾍﾞｴ", "ﾙ･ﾆｭｰﾄﾗ", "ﾀﾞｲｽｹ"});
  RoundResultDialog dialog(mainWindow_.get(), ResultOfRound(5), sheet);
  QCOMPARE(Text(&dialog, "lblHYOU4_21"), QString("ﾀﾞｲｽ"));
  QCOMPARE(Text(&dialog, "lblHYOU4_0"), QString("ｹ"));
  const ScoreSheet four = SheetWithNames({"ｱｶﾞﾘｰﾀ", "ｳｯｶﾘﾊﾁﾍﾞｴ", "ﾙ･ﾆｭｰﾄﾗ", "ゆうしゃ"});
  RoundResultDialog fourDialog(mainWindow_.get(), ResultOfRound(5), four);
  QCOMPARE(Text(&fourDialog, "lblHYOU4_21"), QString("ゆうしゃ"));
  QVERIFY(Text(&fourDialog, "lblHYOU4_0").isEmpty());
}

void DialogsBTest::roundResultShowsEachFieldInItsRowAndColumn() {
  const RoundResult result = ResultOfRound(7);
  RoundResultDialog dialog(mainWindow_.get(), result, ScoreSheet());
  for (int i = 0; i < kSeats; ++i) {
    const RoundResultRow& row = result.rows[i];
    QCOMPARE(Text(&dialog, QString("lblTEN%1").arg(i)), QString::fromStdString(row.cardPoints));
    QCOMPARE(Text(&dialog, QString("lblCNG%1").arg(i)), QString::fromStdString(row.suitChanges));
    QCOMPARE(Text(&dialog, QString("lblNI%1").arg(i)), QString::fromStdString(row.twos));
    QCOMPARE(Text(&dialog, QString("lblBAI%1").arg(i)), QString::fromStdString(row.multiplier));
    QCOMPARE(Text(&dialog, QString("lblKEI%1").arg(i)), QString::fromStdString(row.points));
    // Each value stands under its seat's name header.
    const auto* header = dialog.findChild<QLabel*>(QString("lblHYOU%1_21").arg(i + 1));
    const auto* points = dialog.findChild<QLabel*>(QString("lblKEI%1").arg(i));
    QCOMPARE(points->geometry().center().x(), header->geometry().center().x());
  }
  // Each row stands beside its title, and the points below the rule.
  for (const auto& [title, value] :
       {std::pair{"label10", "lblTEN0"}, std::pair{"Label1", "lblCNG0"}, std::pair{"Label2", "lblNI0"},
        std::pair{"Label3", "lblBAI0"}, std::pair{"Label4", "lblKEI0"}})
    QCOMPARE(dialog.findChild<QLabel*>(title)->y(), dialog.findChild<QLabel*>(value)->y());
  const auto* rule = dialog.findChild<QWidget*>("Line1");
  QVERIFY(rule);
  QVERIFY(rule->y() > dialog.findChild<QLabel*>("lblBAI0")->geometry().bottom());
  QVERIFY(rule->geometry().bottom() < dialog.findChild<QLabel*>("lblKEI0")->y());
}

void DialogsBTest::roundResultSitsOverTheMainWindowsMiddle() {
  RoundResultDialog dialog(mainWindow_.get(), ResultOfRound(2), ScoreSheet());
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  const QRect main = mainWindow_->frameGeometry();
  const QRect own = dialog.frameGeometry();
  // 300 and 120 twips are 20 and 8 pixels.
  QCOMPARE(own.top(), main.top() + main.height() / 2 - 20);
  QCOMPARE(own.left(), main.left() + (main.width() - own.width()) / 2 - 8);
}

void DialogsBTest::roundResultOkIsDefaultAndEscapeCloses() {
  RoundResultDialog dialog(mainWindow_.get(), ResultOfRound(2), ScoreSheet());
  auto* ok = dialog.findChild<QPushButton*>("Command1");
  QVERIFY(ok);
  QCOMPARE(ok->text(), QString("OK"));
  QVERIFY(ok->isDefault());
  QCOMPARE(dialog.findChild<QPushButton*>("cmdSETU")->text(), QString("得点説明"));
  dialog.show();
  QTest::keyClick(&dialog, Qt::Key_Escape);
  QVERIFY(!dialog.isVisible());
  dialog.show();
  QTest::keyClick(&dialog, Qt::Key_Return);
  QVERIFY(!dialog.isVisible());
  QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void DialogsBTest::roundResultRunsModallyAndOpensTheExplanation() {
  bool resultSeen = false;
  bool explanationSeen = false;
  QString explanationTitle;
  WhenModalUp(
      "frmTEN",
      [&](QWidget* roundResult) {
        WhenModalUp(
            "frmSETU",
            [&](QWidget* explanation) {
              explanationTitle = explanation->windowTitle();
              QTest::keyClick(explanation, Qt::Key_Return);
            },
            &explanationSeen);
        roundResult->findChild<QPushButton*>("cmdSETU")->click();
        // Back from the explanation, Enter still means OK.
        QTest::keyClick(roundResult, Qt::Key_Return);
      },
      &resultSeen);
  RunRoundResult(mainWindow_.get(), ResultOfRound(4), ScoreSheet());
  QVERIFY(resultSeen);
  QVERIFY(explanationSeen);
  QCOMPARE(explanationTitle, QString("得点説明"));
  QVERIFY(!QApplication::activeModalWidget());
}

void DialogsBTest::roundResultTextsFitAndStayInside() {
  RoundResult result = ResultOfRound(20);
  for (RoundResultRow& row : result.rows)
    row = {"16", "4", "-", "64", "-12345"};
  const ScoreSheet sheet = SheetWithNames({"ｳｯｶﾘﾊﾁﾍﾞｴ", "ｽﾞﾝﾊﾟｽｷｲ", "ﾄﾘｯｸ･ｳﾒ", "ＡＢＣＤＥＦＧＨ"});
  RoundResultDialog dialog(mainWindow_.get(), result, sheet);
  QCOMPARE(ClippedLabels(&dialog), QStringList());
  QCOMPARE(ControlsOutside(&dialog), QStringList());
}

// --- frmRESULT ------------------------------------------------------------

void DialogsBTest::finalResultShowsTheRowsInOrderWithTheirColours() {
  FinalResult result;
  result.rows = {{{"１位", "ｱｶﾞﾘｰﾀ", "-35", 0xFF00FF},
                  {"２位", "あなた", "12", kYellow},
                  {"２位", "ｷ･ｵｰｸﾏﾝ", "12", 0x00FFFF},
                  {"４位", "ﾄﾘｯｸ･ｳﾒ", "250", 0x00FF00}}};
  FinalResultDialog dialog(mainWindow_.get(), result);
  QCOMPARE(dialog.windowTitle(), QString("結果"));
  int previousTop = -1;
  for (int i = 0; i < 4; ++i) {
    const FinalResultRow& row = result.rows[i];
    QCOMPARE(Text(&dialog, QString("Label1_%1").arg(i)), QString::fromStdString(row.place));
    QCOMPARE(Text(&dialog, QString("lblNAME_%1").arg(i)), QString::fromStdString(row.name));
    QCOMPARE(Text(&dialog, QString("lblPOINT_%1").arg(i)), QString::fromStdString(row.points));
    QCOMPARE(TextColour(&dialog, QString("lblNAME_%1").arg(i)), Rgb(row.colour));
    const int top = dialog.findChild<QLabel*>(QString("lblNAME_%1").arg(i))->mapTo(&dialog, QPoint()).y();
    QVERIFY2(top > previousTop, "the rows go from first place down");
    previousTop = top;
  }
  QCOMPARE(ClippedLabels(&dialog), QStringList());
}

void DialogsBTest::finalResultOkIsDefaultAndEscapeCloses() {
  FinalResultDialog dialog(mainWindow_.get(), FinalResult());
  auto* ok = dialog.findChild<QPushButton*>("Command1");
  QVERIFY(ok);
  QCOMPARE(ok->text(), QString("OK"));
  QVERIFY(ok->isDefault());
  dialog.show();
  QTest::keyClick(&dialog, Qt::Key_Escape);
  QVERIFY(!dialog.isVisible());
  bool seen = false;
  WhenModalUp(
      "frmRESULT", [](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); }, &seen);
  RunFinalResult(mainWindow_.get(), FinalResult());
  QVERIFY(seen);
}

// --- frmSETU --------------------------------------------------------------

void DialogsBTest::explanationFramesHoldTheirLinesAboveTheNote() {
  ScoringExplanationDialog dialog(mainWindow_.get());
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  QCOMPARE(dialog.windowTitle(), QString("得点説明"));
  const auto* basic = dialog.findChild<QGroupBox*>("Frame1");
  const auto* other = dialog.findChild<QGroupBox*>("Frame2");
  QVERIFY(basic && other);
  QCOMPARE(basic->title(), QString("基本ポイント"));
  QCOMPARE(other->title(), QString("その他"));
  QCOMPARE(basic->findChildren<QLabel*>().size(), 4);
  QCOMPARE(other->findChildren<QLabel*>().size(), 5);
  QVERIFY(basic->geometry().bottom() < other->y());
  const auto* note = dialog.findChild<QLabel*>("Label1");
  QCOMPARE(note->text(), QString("詳しくは、ﾍﾙﾌﾟをご覧ください"));
  QVERIFY(note->y() > other->geometry().bottom());
  QCOMPARE(ClippedLabels(&dialog), QStringList());
}

void DialogsBTest::explanationOkIsDefaultAndEscapeCloses() {
  ScoringExplanationDialog dialog(mainWindow_.get());
  auto* ok = dialog.findChild<QPushButton*>("Command1");
  QVERIFY(ok && ok->isDefault());
  dialog.show();
  QTest::keyClick(&dialog, Qt::Key_Escape);
  QVERIFY(!dialog.isVisible());
}

// --- frmHYOU --------------------------------------------------------------

void DialogsBTest::scoreTableCellsTakeTheirStyles() {
  ScoreSheet sheet;
  SheetCell& won = sheet.Cell(1, 3);
  won = {"-40", kBlue, 0, true, 9, false};
  SheetCell& halved = sheet.Cell(2, 3);
  halved = {"25", kRed, 0, false, 8, true};
  SheetCell& doubled = sheet.Cell(4, 20);
  doubled = {"98", kGreenWin, 0, false, 10, true};
  ScoreTableWindow window(mainWindow_.get());
  window.ShowSheet(sheet);
  for (const auto& [name, cell] :
       {std::pair{"lblHYOU1_3", won}, std::pair{"lblHYOU2_3", halved}, std::pair{"lblHYOU4_20", doubled}}) {
    const auto* label = window.findChild<QLabel*>(name);
    QVERIFY2(label, name);
    QCOMPARE(label->text(), QString::fromStdString(cell.caption));
    QCOMPARE(TextColour(&window, name), Rgb(cell.colour));
    QCOMPARE(label->font().italic(), cell.italic);
    QCOMPARE(label->font().underline(), cell.underline);
    QCOMPARE(label->font().pointSizeF(), cell.size);
  }
  // A plain cell keeps the plain look.
  const auto* plain = window.findChild<QLabel*>("lblHYOU3_3");
  QCOMPARE(plain->font().pointSizeF(), 9.0);
  QVERIFY(!plain->font().italic() && !plain->font().underline());
  QCOMPARE(TextColour(&window, "lblHYOU3_3"), Rgb(kBlack));
  // The round numbers run down beside the rows they name.
  for (int round = 1; round <= 20; ++round) {
    const auto* number = window.findChild<QLabel*>(QString("lblHYOU5_%1").arg(round - 1));
    QCOMPARE(number->text(), QString::number(round));
    QCOMPARE(number->y(), window.findChild<QLabel*>(QString("lblHYOU1_%1").arg(round))->y());
  }
}

void DialogsBTest::platformColourShowsAsWindowText() {
  ScoreSheet sheet;
  sheet.Cell(3, 6) = {"17", kBlue, -2147483640, false, 9, false};
  ScoreTableWindow window(mainWindow_.get());
  window.ShowSheet(sheet);
  QCOMPARE(TextColour(&window, "lblHYOU3_6"), QApplication::palette().color(QPalette::WindowText));
}

void DialogsBTest::refreshRestylesOnlyChangedCells() {
  ScoreSheet sheet;
  sheet.Cell(1, 1) = {"-10", kBlue, 0, true, 9, false};
  sheet.Cell(2, 1) = {"20", kBlack, 0, false, 9, false};
  ScoreTableWindow window(mainWindow_.get());
  window.ShowSheet(sheet);
  auto* untouched = window.findChild<QLabel*>("lblHYOU2_1");
  untouched->setText("marked");

  // A new game clears the cells: the coloured one loses its style.
  sheet.Cell(1, 1) = SheetCell();
  window.Refresh(sheet);
  const auto* cleared = window.findChild<QLabel*>("lblHYOU1_1");
  QVERIFY(cleared->text().isEmpty());
  QVERIFY(!cleared->font().italic());
  QCOMPARE(TextColour(&window, "lblHYOU1_1"), Rgb(kBlack));
  QCOMPARE(untouched->text(), QString("marked"));
}

void DialogsBTest::legendShowsTheStylesTheCellsGet() {
  ScoreTableWindow window(mainWindow_.get());
  // The legend's colours are the very colours the settlement gives a
  // Zunpa win, a win by going out and a Zunpa loss.
  QCOMPARE(TextColour(&window, "lblEXPLAIN0"), Rgb(kBlue));
  QCOMPARE(TextColour(&window, "lblEXPLAIN1"), Rgb(kGreenWin));
  QCOMPARE(TextColour(&window, "lblEXPLAIN2"), Rgb(kRed));
  QVERIFY(window.findChild<QLabel*>("lblEXPLAIN3")->font().underline());
  QVERIFY(window.findChild<QLabel*>("lblEXPLAIN4")->font().italic());
  for (int member = 0; member < 5; ++member) {
    const auto* line = window.findChild<QLabel*>(QString("lblEXPLAIN%1").arg(member));
    QVERIFY(!line->text().isEmpty());
    QCOMPARE(line->font().italic(), member == 4);
    QCOMPARE(line->font().underline(), member == 3);
  }
}

void DialogsBTest::scoreTableHeadersStandOnBlack() {
  const ScoreSheet sheet = SheetWithNames({"ｱｶﾞﾘｰﾀ", "ｳｯｶﾘﾊﾁﾍﾞｴ", "ﾙ･ﾆｭｰﾄﾗ", "ゆうしゃ"});
  ScoreTableWindow window(mainWindow_.get());
  window.ShowSheet(sheet);
  for (int i = 0; i < kSeats; ++i) {
    for (const int member : {21, 0}) {
      const QString name = QString("lblHYOU%1_%2").arg(i + 1).arg(member);
      const auto* label = window.findChild<QLabel*>(name);
      QCOMPARE(label->text(), QString::fromStdString(sheet.columns[i][member].caption));
      QCOMPARE(TextColour(&window, name), Rgb(sheet.columns[i][member].colour));
      QVERIFY(label->autoFillBackground());
      QCOMPARE(label->palette().color(QPalette::Window), QColor(Qt::black));
    }
  }
}

// Beside the main window, never over it: on its right when the screen has
// room there, else on its left, level with its bottom.
void DialogsBTest::scoreTableStandsBesideTheMainWindow() {
  const QRect screen = mainWindow_->screen()->availableGeometry();
  const int room = ScoreTableWindow(mainWindow_.get()).width() + 24;
  for (const int left : {screen.left(), screen.left() + room}) {
    mainWindow_->setGeometry(left, screen.top() + 40, screen.width() - room, 400);
    QTest::qWait(20);  // the window system tells the new frame
    ScoreTableWindow window(mainWindow_.get());
    QVERIFY(window.HasRoomBesideMainWindow());
    window.ShowSheet(ScoreSheet());
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect main = mainWindow_->frameGeometry(), own = window.frameGeometry();
    QVERIFY2(!own.intersects(main), qPrintable(QString("%1,%2 %3 / %4,%5 %6")
                                                   .arg(own.left())
                                                   .arg(own.top())
                                                   .arg(own.width())
                                                   .arg(main.left())
                                                   .arg(main.top())
                                                   .arg(main.width())));
    QVERIFY(screen.contains(own));
    QCOMPARE(own.left() == main.right() + 1, left == screen.left());
  }
  // It keeps beside the main window as that grows; moved by the user, it
  // stays where it was put.
  mainWindow_->setGeometry(screen.left(), screen.top() + 40, screen.width() - 2 * room, 400);
  QTest::qWait(20);
  ScoreTableWindow window(mainWindow_.get());
  window.ShowSheet(ScoreSheet());
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  mainWindow_->resize(mainWindow_->width() + room / 2, 400);
  QTRY_COMPARE(window.frameGeometry().left(), mainWindow_->frameGeometry().right() + 1);
  window.move(window.pos() + QPoint(0, 10));
  const QPoint put = window.pos();
  mainWindow_->resize(mainWindow_->width() - room / 2, 400);
  QTest::qWait(20);
  QCOMPARE(window.pos(), put);
  // A main window as wide as the screen leaves no room.
  mainWindow_->setGeometry(screen);
  QVERIFY(!ScoreTableWindow(mainWindow_.get()).HasRoomBesideMainWindow());
}

void DialogsBTest::scoreTableOpensInFrontWithoutStoredSetting() {
  ScoreTableWindow window(mainWindow_.get());
  window.ShowSheet(ScoreSheet());
  QCOMPARE(window.findChild<QPushButton*>("cmdTEMAE")->text(), kTakeOutOfFront);
  QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  QVERIFY(window.isVisible());
}

void DialogsBTest::scoreTableOpensBehindWhenStoredFalse() {
  StoreTemae(false);
  ScoreTableWindow window(mainWindow_.get());
  window.ShowSheet(ScoreSheet());
  QCOMPARE(window.findChild<QPushButton*>("cmdTEMAE")->text(), kPutInFront);
  QVERIFY(!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  QVERIFY(window.isVisible());
}

void DialogsBTest::garbageStoredSettingCountsAsInFront() {
  StoreTemae("garbage");
  ScoreTableWindow window(mainWindow_.get());
  window.ShowSheet(ScoreSheet());
  QCOMPARE(window.findChild<QPushButton*>("cmdTEMAE")->text(), kTakeOutOfFront);
  QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void DialogsBTest::switchPressedTwiceReturnsToFirstState() {
  for (const bool storedInFront : {true, false}) {
    StoreTemae(storedInFront);
    ScoreTableWindow window(mainWindow_.get());
    window.ShowSheet(ScoreSheet());
    auto* button = window.findChild<QPushButton*>("cmdTEMAE");
    const QString firstCaption = button->text();
    QCOMPARE(firstCaption, storedInFront ? kTakeOutOfFront : kPutInFront);

    button->click();
    QCOMPARE(button->text(), storedInFront ? kPutInFront : kTakeOutOfFront);
    QCOMPARE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), !storedInFront);
    QVERIFY2(window.isVisible(), "changing the band must not leave the window hidden");

    button->click();
    QCOMPARE(button->text(), firstCaption);
    QCOMPARE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), storedInFront);
    QVERIFY(window.isVisible());
  }
}

void DialogsBTest::switchNeverWritesTheStore() {
  {
    ScoreTableWindow window(mainWindow_.get());
    window.ShowSheet(ScoreSheet());
    window.findChild<QPushButton*>("cmdTEMAE")->click();
  }
  QVERIFY(!QSettings("ZunpaS", "ZunpaS").contains("Options/temae"));
  // So the next start comes up as the store says, not as last pressed.
  ScoreTableWindow again(mainWindow_.get());
  again.ShowSheet(ScoreSheet());
  QCOMPARE(again.findChild<QPushButton*>("cmdTEMAE")->text(), kTakeOutOfFront);
}

void DialogsBTest::laterShowingKeepsPlaceAndSwitch() {
  ScoreTableWindow window(mainWindow_.get());
  window.ShowSheet(ScoreSheet());
  auto* button = window.findChild<QPushButton*>("cmdTEMAE");
  button->click();
  window.move(10, 10);
  window.hide();
  ScoreSheet sheet;
  sheet.Cell(1, 1).caption = "5";
  window.ShowSheet(sheet);
  QVERIFY(window.isVisible());
  QCOMPARE(window.pos(), QPoint(10, 10));
  QCOMPARE(button->text(), kPutInFront);
  QCOMPARE(Text(&window, "lblHYOU1_1"), QString("5"));
}

void DialogsBTest::scoreTableHasNoCloseBox() {
  ScoreTableWindow window(mainWindow_.get());
  window.ShowSheet(ScoreSheet());
  QVERIFY(window.isWindow());
  QCOMPARE(window.windowTitle(), QString("得点表"));
  QVERIFY(window.windowFlags().testFlag(Qt::CustomizeWindowHint));
  QVERIFY(!window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
  // The window system's close request (Alt+F4) is refused; notify()
  // delivers it as the system would, marked spontaneous.
  QCloseEvent request;
  QSpontaneKeyEvent::setSpontaneous(&request);
  QApplication::instance()->notify(&window, &request);
  QVERIFY(!request.isAccepted());
  QVERIFY(window.isVisible());
  // The program's own close, at its end, goes through.
  QVERIFY(window.close());
}

void DialogsBTest::scoreTableInsideTheMainWindowSaysItCannotStayInFront() {
  ScoreTableWindow table(mainWindow_.get(), ScoreTableWindow::InsideMainWindow);
  table.ShowSheet(ScoreSheet());
  QVERIFY(!table.windowFlags().testFlag(Qt::Tool));
  QVERIFY(!table.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  auto* button = table.findChild<QPushButton*>("cmdTEMAE");
  QVERIFY(!button->isEnabled());
  QVERIFY2(button->toolTip().contains("手前に固定できません"), qPrintable(button->toolTip()));
  QCOMPARE(button->accessibleDescription(), button->toolTip());
}

void DialogsBTest::scoreTableTextsFitAndStayInside() {
  ScoreSheet sheet = SheetWithNames({"ｳｯｶﾘﾊﾁﾍﾞｴ", "ｽﾞﾝﾊﾟｽｷｲ", "ﾄﾘｯｸ･ｳﾒ", "ゆうしゃ"});
  for (int seat = 1; seat <= kSeats; ++seat)
    for (int round = 1; round <= 20; ++round)
      sheet.Cell(seat, round) = {"-1234", kBlack, 0, false, round % 2 ? 10.0 : 9.0, round % 2 == 1};
  ScoreTableWindow window(mainWindow_.get());
  window.ShowSheet(sheet);
  QCOMPARE(ClippedLabels(&window), QStringList());
  QCOMPARE(ControlsOutside(&window), QStringList());
}

// --- message boxes --------------------------------------------------------

void DialogsBTest::messageBoxButtons_data() {
  QTest::addColumn<int>("buttons");
  QTest::addColumn<QStringList>("captions");
  QTest::addColumn<bool>("pressFirst");
  QTest::addColumn<int>("answer");
  QTest::newRow("OK, Esc") << int(Buttons::Ok) << QStringList{"OK"} << false << int(Answer::Ok);
  QTest::newRow("OK/Cancel, OK") << int(Buttons::OkCancel) << QStringList{"OK", "キャンセル"} << true
                                 << int(Answer::Ok);
  QTest::newRow("OK/Cancel, Esc") << int(Buttons::OkCancel) << QStringList{"OK", "キャンセル"} << false
                                  << int(Answer::Cancel);
  QTest::newRow("Yes/No, Yes") << int(Buttons::YesNo) << QStringList{"はい(&Y)", "いいえ(&N)"} << true
                               << int(Answer::Yes);
  QTest::newRow("Yes/No, Esc") << int(Buttons::YesNo) << QStringList{"はい(&Y)", "いいえ(&N)"} << false
                               << int(Answer::No);
}

void DialogsBTest::messageBoxButtons() {
  QFETCH(int, buttons);
  QFETCH(QStringList, captions);
  QFETCH(bool, pressFirst);
  QFETCH(int, answer);
  const Message message{"クリアしますか？", "ハイスコアの初期化", static_cast<Buttons>(buttons), Icon::Question};
  QStringList shown;
  QString title, text, defaultCaption, escapeCaption;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  bool seen = false;
  WhenModalUp(
      QString(),
      [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
          modal->close();
          return;
        }
        for (const QAbstractButton* button : box->buttons())
          shown << button->text();
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        defaultCaption = box->defaultButton() ? box->defaultButton()->text() : QString();
        escapeCaption = box->escapeButton() ? box->escapeButton()->text() : QString();
        if (pressFirst)
          QTest::keyClick(box, Qt::Key_Return);
        else
          QTest::keyClick(box, Qt::Key_Escape);
      },
      &seen);
  const Answer answered = ShowMessageBox(mainWindow_.get(), message);
  QVERIFY(seen);
  // The first button is the default, the last one answers Esc.
  QCOMPARE(defaultCaption, captions.first());
  QCOMPARE(escapeCaption, captions.last());
  std::sort(shown.begin(), shown.end());
  std::sort(captions.begin(), captions.end());
  QCOMPARE(shown, captions);
  QCOMPARE(title, QString("ハイスコアの初期化"));
  QCOMPARE(text, QString("クリアしますか？"));
  QCOMPARE(icon, QMessageBox::Question);
  QCOMPARE(int(answered), answer);
}

// --- help -----------------------------------------------------------------

namespace {

QTextBrowser* HelpWindow() {
  QTextBrowser* found = nullptr;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->objectName() == "HelpWindow") found = qobject_cast<QTextBrowser*>(window);
  return found;
}

int HelpWindows() {
  const QWidgetList windows = QApplication::topLevelWidgets();
  return static_cast<int>(
      std::count_if(windows.begin(), windows.end(), [](QWidget* w) { return w->objectName() == "HelpWindow"; }));
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

}  // namespace

void DialogsBTest::helpShowsTheHtmlFile() {
  QTemporaryDir folder;
  WriteFile(folder.filePath("Zunpas.hlp"),
            "<html><head><meta charset=\"utf-8\"><title>t</title></head>"
            "<body><h1>遊びかた</h1><p>ｽﾞﾝﾊﾟ marker-4711</p></body></html>");
  ShowHelp(nullptr, folder.path());
  QTextBrowser* help = HelpWindow();
  QVERIFY(help);
  QVERIFY(help->isVisible());
  QCOMPARE(help->windowTitle(), QString("ズンパＳ ﾍﾙﾌﾟ"));
  const QString shown = help->toPlainText();
  QVERIFY2(shown.contains("遊びかた") && shown.contains("ｽﾞﾝﾊﾟ marker-4711"), qPrintable(shown));
  QVERIFY2(!shown.contains("<h1>"), "the file is HTML, not text");

  // The manual the build puts beside the program reads as well.
  ShowHelp(nullptr, ZUNPA_PROGRAM_DIR);
  QVERIFY(!help->documentTitle().isEmpty());
  QVERIFY(!help->toPlainText().contains("見つかりません"));
  // Menu names read as on the menu, without the accelerator's "&".
  QVERIFY(help->toPlainText().contains("ｹﾞｰﾑ(G)"));
  QVERIFY(!help->toPlainText().contains("(&"));
}

void DialogsBTest::helpSaysWhenTheFileIsMissing() {
  QTemporaryDir folder;
  ShowHelp(nullptr, folder.path());
  QTextBrowser* help = HelpWindow();
  QVERIFY(help && help->isVisible());
  const QString shown = help->toPlainText();
  QVERIFY2(shown.contains("Zunpas.hlp") && shown.contains("見つかりません"), qPrintable(shown));

  // Once the file is there, the next call shows it.
  WriteFile(folder.filePath("Zunpas.hlp"), "<p>marker-0815</p>");
  ShowHelp(nullptr, folder.path());
  QVERIFY2(help->toPlainText().contains("marker-0815"), qPrintable(help->toPlainText()));
  QFile::remove(folder.filePath("Zunpas.hlp"));
  ShowHelp(nullptr, folder.path());
  QVERIFY(help->toPlainText().contains("見つかりません"));
}

void DialogsBTest::helpReusesItsWindow() {
  ShowHelp(nullptr, ZUNPA_PROGRAM_DIR);
  QTextBrowser* first = HelpWindow();
  first->hide();
  ShowHelp(nullptr, ZUNPA_PROGRAM_DIR);
  QCOMPARE(HelpWindows(), 1);
  QCOMPARE(HelpWindow(), first);
  QVERIFY(first->isVisible());
  QVERIFY(!first->isModal());
}

QTEST_MAIN(DialogsBTest)
#include "dialogs_b_test.moc"
