// The player selection, card roles, character sheet, suit choice, name
// entry, high scores and about windows, built without exec() and driven
// through their controls.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "dialogs/about_dialog.h"
#include "dialogs/card_roles_dialog.h"
#include "dialogs/character_sheet_dialog.h"
#include "dialogs/high_scores_dialog.h"
#include "dialogs/name_entry_dialog.h"
#include "dialogs/player_selection_dialog.h"
#include "dialogs/suit_choice_dialog.h"
#include "files/cp932_text.h"
#include "platform/japanese_font.h"
#include "rules/characters.h"
#include "ui_logic/character_sheet.h"
#include "ui_logic/utf8_text.h"
#include "widgets/test_sandbox.h"

using namespace zunpa;
using namespace zunpa::qt;

namespace {

template <class T>
T& Get(const QObject& parent, const QString& name) {
  T* child = parent.findChild<T*>(name);
  if (!child) qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
  return *child;
}

QLabel& LabelOf(const QObject& parent, const QString& name) {
  return Get<QLabel>(parent, name);
}

QStringList Entries(const QListWidget& list) {
  QStringList texts;
  for (int i = 0; i < list.count(); ++i)
    texts << list.item(i)->text();
  return texts;
}

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void ClickEntry(QListWidget& list, int row) {
  const QRect place = list.visualItemRect(list.item(row));
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, place.center());
  QCoreApplication::processEvents();
}

void Show(QWidget& window) {
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
}

bool HasCloseBox(const QWidget& window) {
  const Qt::WindowFlags flags = window.windowFlags();
  return !flags.testFlag(Qt::CustomizeWindowHint) || flags.testFlag(Qt::WindowCloseButtonHint);
}

// With ZUNPA_SHOTS set, the window is also saved there as a picture.
void Shoot(QWidget& window, const char* name) {
  const QString folder = qEnvironmentVariable("ZUNPA_SHOTS");
  if (!folder.isEmpty()) window.grab().save(QDir(folder).filePath(QString::fromLatin1(name) + ".png"));
}

struct SeenBox {
  bool seen = false;
  QString title, text;
};

// Answers the next message box with its first button, noting what it said.
std::shared_ptr<SeenBox> AnswerNextBox() {
  auto seen = std::make_shared<SeenBox>();
  QTimer::singleShot(0, [seen] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    *seen = {true, box->windowTitle(), box->text()};
    box->findChild<QPushButton*>("first")->click();
  });
  return seen;
}

SeatSetup DefaultSeats() {
  return {{"ｱｶﾞﾘｰﾀ", "ｳｯｶﾘﾊﾁﾍﾞｴ", "ﾙ･ﾆｭｰﾄﾗ", "Your Name"}, 2};
}

QString FortyKatakana() {
  return QString(40, QChar(0xFF71));  // ｱ: one character, three UTF-8 bytes
}

class FakeBoard : public HighScoreBoard {
 public:
  bool agrees = true;
  int clears = 0;
  std::array<HighScoreCells, 10> cells{};
  std::array<HighScoreCells, 10> Cells() const override { return cells; }
  void Clear() override {
    ++clears;
    if (agrees) cells.fill({"10000", "", "4位", "98/01/01"});
  }
};

}  // namespace

class DialogsATest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void playerSelectionOpensOnTheSeats();
  void playerSelectionClicksMoveCharacters();
  void playerSelectionClashKeepsTheDialog();
  void playerSelectionNameIsCutAndCleaned();
  void playerSelectionShowsTheCharacterSheet();
  void cardRolesRefuseTwoThenDuplicates();
  void cardRolesOpenCentredAndCancel();
  void characterSheetShowsTheRecords();
  void characterSheetDescribesTheChosenEntry();
  void suitChoiceNeedsASuit();
  void suitChoiceWithAutoDetectOpensOnTheSuggestion();
  void nameEntryReturnsTheCleanedName();
  void nameEntryClosedOtherwiseGivesNothing();
  void highScoresRefillAfterClear();
  void aboutShowsTitleVersionAndIcon();
  void entryPointsHandBackTheDialogsResults();
};

void DialogsATest::initTestCase() {
  QVERIFY(!zunpa::testing::EnterTestSandbox().isEmpty());
  UseJapaneseFont(*qobject_cast<QApplication*>(QCoreApplication::instance()));
}

void DialogsATest::playerSelectionOpensOnTheSeats() {
  PlayerSelectionDialog dialog(nullptr, DefaultSeats(), Records{});
  Shoot(dialog, "player_selection");
  QCOMPARE(dialog.windowTitle(), "プレーヤー選択");
  QVERIFY(!HasCloseBox(dialog));
  QCOMPARE(Entries(Get<QListWidget>(dialog, "lstPL0")),
           QStringList({Q(kCharacterNames[3]), Q(kCharacterNames[4]), Q(kCharacterNames[5])}));
  QCOMPARE(Entries(Get<QListWidget>(dialog, "lstPL1")), QStringList({"ｱｶﾞﾘｰﾀ", "ｳｯｶﾘﾊﾁﾍﾞｴ", "ﾙ･ﾆｭｰﾄﾗ"}));
  QVERIFY(!Get<QPushButton>(dialog, "cmdIDOU0").isEnabled());
  QVERIFY(Get<QPushButton>(dialog, "cmdIDOU1").isEnabled());
  QVERIFY(Get<QPushButton>(dialog, "cmdOKCAN0").isDefault());
  QCOMPARE(Get<QLineEdit>(dialog, "txtNAME").text(), "Your Name");
  QVERIFY(Get<QRadioButton>(dialog, "optSEX2").isChecked());

  Show(dialog);
  QTest::keyClick(&dialog, Qt::Key_Escape);
  QCOMPARE(dialog.result(), QDialog::Rejected);
  QVERIFY(!dialog.SelectionAccepted());
}

void DialogsATest::playerSelectionClicksMoveCharacters() {
  PlayerSelectionDialog dialog(nullptr, DefaultSeats(), Records{});
  Show(dialog);
  auto& out = Get<QListWidget>(dialog, "lstPL0");
  auto& in = Get<QListWidget>(dialog, "lstPL1");
  auto& moveIn = Get<QPushButton>(dialog, "cmdIDOU0");
  auto& moveOut = Get<QPushButton>(dialog, "cmdIDOU1");
  auto& ok = Get<QPushButton>(dialog, "cmdOKCAN0");
  for (int i = 0; i < 3; ++i)
    ClickEntry(in, 0);
  QCOMPARE(in.count(), 0);
  QCOMPARE(out.count(), 6);
  QVERIFY(moveIn.isEnabled() && !moveOut.isEnabled() && !ok.isEnabled());

  ClickEntry(out, 5);  // ﾙ･ﾆｭｰﾄﾗ, moved out last
  QVERIFY(moveIn.isEnabled() && moveOut.isEnabled() && !ok.isEnabled());
  out.setCurrentRow(1);  // ｽﾞﾝﾊﾟｽｷｲ, chosen by keyboard, then "→"
  moveIn.click();
  ClickEntry(out, 0);
  QCOMPARE(Entries(in), QStringList({"ﾙ･ﾆｭｰﾄﾗ", Q(kCharacterNames[4]), Q(kCharacterNames[3])}));
  QVERIFY(!moveIn.isEnabled() && ok.isEnabled());
  ClickEntry(out, 0);  // three are in: the click does nothing
  QCOMPARE(out.count(), 3);

  ok.click();
  QCOMPARE(dialog.result(), QDialog::Accepted);
  QVERIFY(dialog.SelectionAccepted());
  QCOMPARE(Q(dialog.Seats().names[0]), "ﾙ･ﾆｭｰﾄﾗ");
  QCOMPARE(Q(dialog.Seats().names[2]), Q(kCharacterNames[3]));
  QCOMPARE(dialog.Seats().humanSex, 2);
}

void DialogsATest::playerSelectionClashKeepsTheDialog() {
  PlayerSelectionDialog dialog(nullptr, DefaultSeats(), Records{});
  Show(dialog);
  ClickEntry(Get<QListWidget>(dialog, "lstPL1"), 0);  // ｱｶﾞﾘｰﾀ out, ﾄﾘｯｸ･ｳﾒ in
  ClickEntry(Get<QListWidget>(dialog, "lstPL0"), 0);
  Get<QLineEdit>(dialog, "txtNAME").setText("ｳｯｶﾘﾊﾁﾍﾞｴ");
  const auto box = AnswerNextBox();
  Get<QPushButton>(dialog, "cmdOKCAN0").click();
  QVERIFY(box->seen);
  QCOMPARE(box->text, "この名前は使用されています。別の名前にしてください。");
  QCOMPARE(box->title, "ズンパＳ");
  QVERIFY(dialog.isVisible());

  Get<QPushButton>(dialog, "cmdOKCAN1").click();
  QVERIFY(!dialog.isVisible());
  QVERIFY(!dialog.SelectionAccepted());
  const SeatSetup& seats = dialog.Seats();
  QCOMPARE(Q(seats.names[0]), "ｳｯｶﾘﾊﾁﾍﾞｴ");
  QCOMPARE(Q(seats.names[2]), Q(kCharacterNames[3]));
  QCOMPARE(Q(seats.names[3]), "Your Name");
}

void DialogsATest::playerSelectionNameIsCutAndCleaned() {
  PlayerSelectionDialog dialog(nullptr, DefaultSeats(), Records{});
  auto& name = Get<QLineEdit>(dialog, "txtNAME");
  name.clear();
  QApplication::clipboard()->setText(FortyKatakana());
  name.paste();
  QCOMPARE(name.text(), FortyKatakana().left(32));
  // The box's limit counts UTF-16 units: a character of two can be cut in
  // half at the 32nd, and the half must not stay.
  name.clear();
  QApplication::clipboard()->setText(FortyKatakana().left(31) + QString::fromUtf8("😀"));
  name.paste();
  QCOMPARE(name.text(), FortyKatakana().left(31));
  name.setText(FortyKatakana().left(32));
  Get<QRadioButton>(dialog, "optSEX0").click();
  Get<QPushButton>(dialog, "cmdOKCAN0").click();
  QCOMPARE(ui::CharacterCount(dialog.Seats().names[3]), std::size_t{32});
  QCOMPARE(dialog.Seats().humanSex, 0);

  PlayerSelectionDialog quoted(nullptr, DefaultSeats(), Records{});
  Get<QLineEdit>(quoted, "txtNAME").setText("ズン\"パ");
  Get<QPushButton>(quoted, "cmdOKCAN0").click();
  const std::string kept = quoted.Seats().names[3];
  QVERIFY(kept.find('"') == std::string::npos);
  QCOMPARE(kept, SanitizeForCp932("ズン\"パ"));
}

void DialogsATest::playerSelectionShowsTheCharacterSheet() {
  PlayerSelectionDialog dialog(nullptr, DefaultSeats(), Records{});
  Get<QLineEdit>(dialog, "txtNAME").setText("はなこ");
  QString header;
  QTimer::singleShot(0, [&header] {
    auto* sheet = qobject_cast<CharacterSheetDialog*>(QApplication::activeModalWidget());
    if (!sheet) return;
    header = LabelOf(*sheet, "lblTOP13").text();
    sheet->accept();
  });
  Get<QPushButton>(dialog, "Command1").click();
  QCOMPARE(header, "はなこ");
}

void DialogsATest::cardRolesRefuseTwoThenDuplicates() {
  CardRolesDialog dialog(nullptr, Roles{});
  Shoot(dialog, "card_roles");
  QCOMPARE(dialog.windowTitle(), "カード設定");
  std::array<QComboBox*, 3> lists{};
  for (int i = 0; i < 3; ++i) {
    lists[i] = &Get<QComboBox>(dialog, QStringLiteral("Combo1%1").arg(i));
    QVERIFY(!lists[i]->isEditable());
    QCOMPARE(lists[i]->count(), 13);
    QCOMPARE(lists[i]->itemText(12), "13");
  }
  QCOMPARE(lists[0]->currentText(), "11");
  QCOMPARE(lists[1]->currentText(), "8");
  QCOMPARE(lists[2]->currentText(), "10");
  auto& ok = Get<QPushButton>(dialog, "Command10");
  QVERIFY(ok.isDefault());
  Show(dialog);

  lists[2]->setCurrentText("2");
  lists[1]->setCurrentText("8");
  lists[0]->setCurrentText("8");
  auto box = AnswerNextBox();
  ok.click();
  QCOMPARE(box->text, "2は設定できません");
  QCOMPARE(box->title, "すいません");

  lists[2]->setCurrentText("10");
  box = AnswerNextBox();
  ok.click();
  QCOMPARE(box->text, "設定値が重複しています");
  QCOMPARE(box->title, "カード設定");
  QVERIFY(dialog.isVisible());
  QVERIFY(!dialog.Chosen());

  lists[0]->setCurrentText("13");
  ok.click();
  QCOMPARE(dialog.result(), QDialog::Accepted);
  QCOMPARE(dialog.Chosen(), std::optional(Roles{13, 8, 10}));
}

void DialogsATest::cardRolesOpenCentredAndCancel() {
  QWidget mainWindow;
  mainWindow.setGeometry(200, 100, 800, 600);
  CardRolesDialog dialog(&mainWindow, Roles{3, 5, 7});
  QVERIFY((dialog.geometry().center() - mainWindow.geometry().center()).manhattanLength() <= 2);
  QCOMPARE(Get<QComboBox>(dialog, "Combo11").currentText(), "5");
  Show(dialog);
  QTest::keyClick(&dialog, Qt::Key_Escape);
  QCOMPARE(dialog.result(), QDialog::Rejected);
  QVERIFY(!dialog.Chosen());
}

void DialogsATest::characterSheetShowsTheRecords() {
  Records records;
  records.table[0][RecRounds] = 4;
  records.table[0][RecRoundPoints] = 1;
  records.table[1][RecRounds] = 10;
  records.table[1][RecZunpaLosses] = 3;
  QWidget mainWindow;
  mainWindow.move(120, 80);
  CharacterSheetDialog dialog(&mainWindow, records, "");
  Shoot(dialog, "character_sheet");
  QCOMPARE(dialog.windowTitle(), "ｷｬﾗｸﾀｰ･ﾃﾞｰﾀ一覧");
  QCOMPARE(dialog.pos(), mainWindow.frameGeometry().topLeft());
  const auto value = [&dialog](int column, int row) {
    return LabelOf(dialog, QStringLiteral("lblPOINT%1").arg(19 * column + row)).text();
  };
  QCOMPARE(value(0, 6), "0.3");  // 1 point over 4 rounds
  QCOMPARE(value(0, 7), "0.000");
  // Played and never won: the win-type rates are 0, the loss rate is real.
  QCOMPARE(value(1, 8), "0.000");
  QCOMPARE(value(1, 9), "0.000");
  QCOMPARE(value(1, 10), "0.300");
  QCOMPARE(value(6, 0), "0");
  QCOMPARE(value(6, 12), "0");
  QCOMPARE(LabelOf(dialog, "lblTOP1").text() + LabelOf(dialog, "lblTOP2").text(), "ｱｶﾞﾘｰﾀ");
  QCOMPARE(LabelOf(dialog, "lblTOP13").text(), "You");
  QCOMPARE(Get<QComboBox>(dialog, "cboCHAR").itemText(7), "You");
  QCOMPARE(LabelOf(dialog, "lblCAP18").text(), "20R千点以上回数");
  const auto top = [&dialog](int row) { return LabelOf(dialog, QStringLiteral("lblCAP%1").arg(row)).y(); };
  QVERIFY(top(13) - top(12) > top(12) - top(11));
  QVERIFY(Get<QPushButton>(dialog, "Command1").isDefault());
  Show(dialog);
  QTest::keyClick(&dialog, Qt::Key_Escape);
  QVERIFY(!dialog.isVisible());
}

void DialogsATest::characterSheetDescribesTheChosenEntry() {
  CharacterSheetDialog dialog(nullptr, Records{}, "はなこ");
  auto& entries = Get<QComboBox>(dialog, "cboCHAR");
  QVERIFY(!entries.isEditable());
  QCOMPARE(entries.count(), ui::kSheetEntries);
  for (int entry = 0; entry < entries.count(); ++entry) {
    entries.setCurrentIndex(entry);
    const auto lines = ui::DescriptionOf(entry);
    for (int i = 0; i < ui::kDescriptionLines; ++i) {
      const QLabel& line = LabelOf(dialog, QStringLiteral("lblDEF%1").arg(i));
      QCOMPARE(line.text(), Q(lines[i]));  // blank lines replace too
      QVERIFY2(line.fontMetrics().horizontalAdvance(line.text()) <= line.width(), qPrintable(line.text()));
    }
  }
  entries.setCurrentIndex(2);
  Shoot(dialog, "character_sheet_ukkari");

  const QString longName(32, QChar(0x3042));  // あ
  CharacterSheetDialog named(nullptr, Records{}, longName.toStdString());
  const QLabel& header = LabelOf(named, "lblTOP13");
  QVERIFY(header.fontMetrics().horizontalAdvance(header.text()) <= header.width());
  QCOMPARE(header.toolTip(), longName);
  Shoot(named, "character_sheet_long_name");
}

void DialogsATest::suitChoiceNeedsASuit() {
  SuitChoiceDialog dialog(nullptr, SuitChoice{2, false});
  Shoot(dialog, "suit_choice");
  QCOMPARE(dialog.windowTitle(), "どれにしたものか・・・");
  QVERIFY(!HasCloseBox(dialog));
  QCOMPARE(Get<QRadioButton>(dialog, "optSuite3").text(), "ダイヤ");
  const QList<QRadioButton*> options = Get<QWidget>(dialog, "Frame1").findChildren<QRadioButton*>();
  const auto checked = [&options] {
    return std::count_if(options.begin(), options.end(), [](auto* o) { return o->isChecked(); });
  };
  QCOMPARE(checked(), 0);
  Show(dialog);
  QTest::keyClick(&dialog, Qt::Key_Escape);
  QVERIFY(!dialog.close());
  QVERIFY(dialog.isVisible());
  auto& ok = Get<QPushButton>(dialog, "cmdOK");
  QVERIFY(ok.isDefault());
  const auto box = AnswerNextBox();
  ok.click();
  QCOMPARE(box->text, "どれか選択してください");
  QCOMPARE(box->title, "ズンパＳ");
  QVERIFY(dialog.isVisible());

  auto& autoDetect = Get<QCheckBox>(dialog, "chkSJIDO");
  autoDetect.click();
  QVERIFY(Get<QRadioButton>(dialog, "optSuite2").isChecked());
  autoDetect.click();
  QCOMPARE(checked(), 0);
  Get<QRadioButton>(dialog, "optSuite1").click();
  ok.click();
  QVERIFY(!dialog.isVisible());
  QCOMPARE(dialog.result(), QDialog::Accepted);
  QCOMPARE(dialog.Choice()->suit, 1);
  QCOMPARE(dialog.Choice()->autoDetect, false);
}

void DialogsATest::suitChoiceWithAutoDetectOpensOnTheSuggestion() {
  SuitChoiceDialog dialog(nullptr, SuitChoice{3, true});
  QVERIFY(Get<QRadioButton>(dialog, "optSuite3").isChecked());
  QVERIFY(Get<QCheckBox>(dialog, "chkSJIDO").isChecked());
  Get<QPushButton>(dialog, "cmdOK").click();
  QCOMPARE(dialog.Choice()->suit, 3);
  QCOMPARE(dialog.Choice()->autoDetect, true);
}

void DialogsATest::nameEntryReturnsTheCleanedName() {
  const std::string message = "はなこの得点は、120で歴代3位の記録です！\nおめでとうございます。";
  NameEntryDialog dialog(nullptr, message, "はなこ");
  Shoot(dialog, "name_entry");
  QCOMPARE(dialog.windowTitle(), "記録");
  QCOMPARE(LabelOf(dialog, "lblMSG").text(), Q(message));
  QVERIFY(LabelOf(dialog, "lblMSG").geometry().bottom() < LabelOf(dialog, "Label1").y());
  auto& text = Get<QLineEdit>(dialog, "Text1");
  QCOMPARE(text.text(), "はなこ");
  QVERIFY(Get<QPushButton>(dialog, "Command1").isDefault());
  text.clear();
  QApplication::clipboard()->setText(FortyKatakana());
  text.paste();
  Get<QPushButton>(dialog, "Command1").click();
  QCOMPARE(dialog.result(), QDialog::Accepted);
  QCOMPARE(ui::CharacterCount(dialog.Name().value()), std::size_t{32});

  NameEntryDialog quoted(nullptr, "", "ズン\"パ");
  Get<QPushButton>(quoted, "Command1").click();
  QCOMPARE(quoted.Name(), std::optional(SanitizeForCp932("ズン\"パ")));
}

void DialogsATest::nameEntryClosedOtherwiseGivesNothing() {
  NameEntryDialog dialog(nullptr, "", "あなた");
  Show(dialog);
  QTest::keyClick(&dialog, Qt::Key_Escape);
  QCOMPARE(dialog.result(), QDialog::Rejected);
  QVERIFY(!dialog.Name());
}

void DialogsATest::highScoresRefillAfterClear() {
  FakeBoard board;
  board.cells[0] = {"-35", "はなこ", "1位", "24/05/06"};
  board.cells[9] = {"880", "ｷ･ｵｰｸﾏﾝに負けた", "3位", "24/05/01"};
  HighScoresDialog dialog(nullptr, board);
  Shoot(dialog, "high_scores");
  QCOMPARE(dialog.windowTitle(), "記録");
  QCOMPARE(LabelOf(dialog, "LblJUNI0").text(), "1位：");
  QCOMPARE(LabelOf(dialog, "LblJUNI9").text(), "10位：");
  QCOMPARE(LabelOf(dialog, "lblPOINT0").text(), "-35");
  QCOMPARE(LabelOf(dialog, "lblNAME9").text(), "ｷ･ｵｰｸﾏﾝに負けた");
  QVERIFY(Get<QPushButton>(dialog, "Command1").isDefault());

  board.agrees = false;
  Get<QPushButton>(dialog, "cmdCLR").click();
  QCOMPARE(LabelOf(dialog, "lblPOINT0").text(), "-35");
  board.agrees = true;
  Get<QPushButton>(dialog, "cmdCLR").click();
  QCOMPARE(board.clears, 2);
  for (int i : {0, 9}) {
    QCOMPARE(LabelOf(dialog, QStringLiteral("lblPOINT%1").arg(i)).text(), "10000");
    QCOMPARE(LabelOf(dialog, QStringLiteral("lblNAME%1").arg(i)).text(), "");
    QCOMPARE(LabelOf(dialog, QStringLiteral("LblJUNI2%1").arg(i)).text(), "4位");
    QCOMPARE(LabelOf(dialog, QStringLiteral("lblDATE%1").arg(i)).text(), "98/01/01");
  }
  Show(dialog);
  QTest::keyClick(&dialog, Qt::Key_Escape);
  QVERIFY(!dialog.isVisible());
}

void DialogsATest::aboutShowsTitleVersionAndIcon() {
  AboutDialog dialog(nullptr, ZUNPA_PROGRAM_DIR);
  Shoot(dialog, "about");
  QCOMPARE(dialog.windowTitle(), "ズンパＳのﾊﾞｰｼﾞｮﾝ情報");
  QCOMPARE(LabelOf(dialog, "lblTitle").text(), "ズンパＳ");
  QCOMPARE(LabelOf(dialog, "lblVersion").text(), "ﾊﾞｰｼﾞｮﾝ 1.0.9");
  QVERIFY(!LabelOf(dialog, "Label1").text().isEmpty());
  QVERIFY(!LabelOf(dialog, "lblDescription").text().isEmpty());
  QVERIFY(!LabelOf(dialog, "picIcon").pixmap().isNull());
  QVERIFY(Get<QPushButton>(dialog, "cmdOK").isDefault());

  const QTemporaryDir empty;
  AboutDialog withoutIcon(nullptr, empty.path());
  QVERIFY(LabelOf(withoutIcon, "picIcon").pixmap().isNull());
  Show(withoutIcon);
  QTest::keyClick(&withoutIcon, Qt::Key_Escape);
  QVERIFY(!withoutIcon.isVisible());
}

void DialogsATest::entryPointsHandBackTheDialogsResults() {
  // Within exec(): the seats chosen before a refused OK come back on Cancel.
  QTimer::singleShot(0, [] {
    QWidget& dialog = *QApplication::activeModalWidget();
    Get<QListWidget>(dialog, "lstPL1").item(0)->setSelected(true);
    Get<QPushButton>(dialog, "cmdIDOU1").click();
    Get<QListWidget>(dialog, "lstPL0").item(0)->setSelected(true);
    Get<QPushButton>(dialog, "cmdIDOU0").click();
    Get<QLineEdit>(dialog, "txtNAME").setText("ｳｯｶﾘﾊﾁﾍﾞｴ");
    AnswerNextBox();
    Get<QPushButton>(dialog, "cmdOKCAN0").click();
    Get<QPushButton>(dialog, "cmdOKCAN1").click();
  });
  SeatSetup seats = DefaultSeats();
  QVERIFY(!RunPlayerSelection(nullptr, seats, Records{}));
  QCOMPARE(Q(seats.names[0]), "ｳｯｶﾘﾊﾁﾍﾞｴ");
  QCOMPARE(Q(seats.names[3]), "Your Name");

  QTimer::singleShot(0, [] {
    QWidget& dialog = *QApplication::activeModalWidget();
    Get<QLineEdit>(dialog, "Text1").setText("たろう");
    Get<QPushButton>(dialog, "Command1").click();
  });
  QCOMPARE(RunNameEntry(nullptr, "", "あなた"), std::optional<std::string>("たろう"));

  QTimer::singleShot(0, [] {
    QWidget& dialog = *QApplication::activeModalWidget();
    Get<QRadioButton>(dialog, "optSuite0").click();
    Get<QPushButton>(dialog, "cmdOK").click();
  });
  const SuitChoice suit = RunSuitChoice(nullptr, SuitChoice{3, false});
  QCOMPARE(suit.suit, 0);
  QCOMPARE(suit.autoDetect, false);
}

QTEST_MAIN(DialogsATest)
#include "dialogs_a_test.moc"
