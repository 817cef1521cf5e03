// Every dialog's texts fit where they stand, its title fits its title bar
// and the whole window fits a full HD screen; run at the usual scale and
// at 2×.
// No dialog asks for a minimise or maximise box.

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QTest>
#include <functional>
#include <memory>

#include "dialogs/about_dialog.h"
#include "dialogs/card_roles_dialog.h"
#include "dialogs/character_sheet_dialog.h"
#include "dialogs/final_result_dialog.h"
#include "dialogs/game_number_dialog.h"
#include "dialogs/help_window.h"
#include "dialogs/high_scores_dialog.h"
#include "dialogs/name_entry_dialog.h"
#include "dialogs/player_selection_dialog.h"
#include "dialogs/round_result_dialog.h"
#include "dialogs/scoring_explanation_dialog.h"
#include "dialogs/suit_choice_dialog.h"
#include "platform/japanese_font.h"
#include "platform/window_system.h"
#include "widgets/test_sandbox.h"
#include "widgets/text_fit.h"

using namespace zunpa;
using namespace zunpa::qt;
using namespace zunpa::testing;

namespace {

using Make = std::function<std::unique_ptr<QWidget>(QWidget*)>;

class FullBoard : public HighScoreBoard {
 public:
  std::array<HighScoreCells, 10> Cells() const override {
    std::array<HighScoreCells, 10> cells;
    cells.fill({"-12345", "ＡＢＣＤＥＦＧＨＩＪ", "１位", "26/12/09"});
    return cells;
  }
  void Clear() override {}
};

FinalResult LongestStandings() {
  FinalResult result;
  result.rows = {{{"１位", "ｳｯｶﾘﾊﾁﾍﾞｴ", "-12345", 0xFF00FF},
                  {"２位", "ＡＢＣＤＥＦＧＨＩＪ", "12345", 0xFFFF00},
                  {"３位", "ｽﾞﾝﾊﾟｽｷｲ", "999", 0x00FFFF},
                  {"４位", "ﾄﾘｯｸ･ｳﾒ", "250", 0x00FF00}}};
  return result;
}

RoundResult WidestRound() {
  RoundResult result;
  result.roundNo = 20;
  for (RoundResultRow& row : result.rows)
    row = {"16", "4", "-", "64", "-12345"};
  return result;
}

}  // namespace

class DialogTextsTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    QVERIFY(!zunpa::testing::EnterTestSandbox().isEmpty());
    UseJapaneseFont(*qobject_cast<QApplication*>(QCoreApplication::instance()));
  }
  void everyTextFits_data();
  void everyTextFits();
  void theHelpWindowLiesOnTheScreen();

 private:
  FullBoard board_;
};

void DialogTextsTest::everyTextFits_data() {
  QTest::addColumn<Make>("make");
  const SeatSetup seats{{"ｳｯｶﾘﾊﾁﾍﾞｴ", "ｽﾞﾝﾊﾟｽｷｲ", "ﾄﾘｯｸ･ｳﾒ", "ＡＢＣＤＥＦＧＨＩＪ"}, 2};
  QTest::newRow("frmPLSEL") << Make(
      [=](QWidget* m) { return std::make_unique<PlayerSelectionDialog>(m, seats, Records{}); });
  QTest::newRow("frmSELS") << Make([](QWidget* m) {
    return std::make_unique<SuitChoiceDialog>(m, SuitChoice{3, true});
  });
  QTest::newRow("frmTEN") << Make(
      [](QWidget* m) { return std::make_unique<RoundResultDialog>(m, WidestRound(), ScoreSheet{}); });
  QTest::newRow("frmRESULT") << Make(
      [](QWidget* m) { return std::make_unique<FinalResultDialog>(m, LongestStandings()); });
  QTest::newRow("frmHiScore") << Make([this](QWidget* m) { return std::make_unique<HighScoresDialog>(m, board_); });
  QTest::newRow("frmAbout") << Make([](QWidget* m) { return std::make_unique<AboutDialog>(m, ZUNPA_PROGRAM_DIR); });
  QTest::newRow("frmCSET") << Make([](QWidget* m) { return std::make_unique<CardRolesDialog>(m, Roles{}); });
  QTest::newRow("frmCHARA") << Make(
      [](QWidget* m) { return std::make_unique<CharacterSheetDialog>(m, Records{}, "ＡＢＣＤＥＦＧＨＩＪ"); });
  QTest::newRow("frmINPUT") << Make([](QWidget* m) {
    return std::make_unique<NameEntryDialog>(m, "ハイスコアです。名前を入力してください。", "ＡＢＣＤＥＦＧＨＩＪ");
  });
  QTest::newRow("frmNUMBER") << Make([](QWidget* m) { return std::make_unique<GameNumberDialog>(m, 999999999); });
  QTest::newRow("得点説明") << Make([](QWidget* m) { return std::make_unique<ScoringExplanationDialog>(m); });
}

void DialogTextsTest::everyTextFits() {
  QFETCH(Make, make);
  QWidget mainWindow;
  mainWindow.setGeometry(100, 80, 700, 600);
  mainWindow.show();
  const std::unique_ptr<QWidget> dialog = make(&mainWindow);
  dialog->show();
  QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
  const QStringList faults = ClippedLabels(dialog.get()) + ClippedButtons(dialog.get()) + ControlsOutside(dialog.get());
  QVERIFY2(faults.isEmpty(), qPrintable(faults.join(", ")));
  QVERIFY2(dialog->width() >= TitleWidth(dialog.get()), qPrintable(dialog->windowTitle()));
  const QRect screen = dialog->screen()->availableGeometry();
  QVERIFY2(dialog->frameGeometry().width() <= screen.width() && dialog->frameGeometry().height() <= screen.height(),
           qPrintable(QString("%1×%2").arg(dialog->frameGeometry().width()).arg(dialog->frameGeometry().height())));
  const Qt::WindowFlags flags = dialog->windowFlags();
  QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint) && !flags.testFlag(Qt::WindowMaximizeButtonHint));
}

void DialogTextsTest::theHelpWindowLiesOnTheScreen() {
  QWidget mainWindow;
  mainWindow.setGeometry(100, 80, 700, 600);
  mainWindow.show();
  ShowHelp(&mainWindow, ZUNPA_PROGRAM_DIR);
  auto* help = mainWindow.findChild<QWidget*>("HelpWindow");
  QVERIFY(help);
  QVERIFY(QTest::qWaitForWindowExposed(help));
  const QRect screen = help->screen()->availableGeometry();
  QVERIFY2(screen.contains(help->frameGeometry()), qPrintable(QString("%1,%2 %3×%4")
                                                                  .arg(help->frameGeometry().x())
                                                                  .arg(help->frameGeometry().y())
                                                                  .arg(help->frameGeometry().width())
                                                                  .arg(help->frameGeometry().height())));
}

QTEST_MAIN(DialogTextsTest)
#include "dialog_texts_test.moc"
