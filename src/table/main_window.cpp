#include "table/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

#include "dialogs/about_dialog.h"
#include "dialogs/card_roles_dialog.h"
#include "dialogs/character_sheet_dialog.h"
#include "dialogs/game_number_dialog.h"
#include "dialogs/help_window.h"
#include "files/data_files.h"
#include "files/start_up.h"
#include "platform/game_folders.h"
#include "platform/message_box.h"
#include "platform/sound_player.h"
#include "platform/user_store.h"
#include "platform/window_system.h"
#include "table/game_log_panel.h"
#include "table/qt_host.h"
#include "table/table_widget.h"
#include "table/window_growth.h"
#include "ui_logic/exit_question.h"
#include "ui_logic/game_log.h"
#include "ui_logic/game_number.h"
#include "ui_logic/menu_tree.h"
#include "ui_logic/option_menus.h"
#include "ui_logic/table_toggles.h"

namespace zunpa::qt {
namespace {

// The voices are made by the build when espeak-ng is installed.
constexpr std::string_view kSoundDownloadPage = "https://packages.debian.org/bookworm/espeak-ng";

QString ActionName(const ui::MenuItem& item) {
  QString name = QString::fromUtf8(item.name.data(), int(item.name.size()));
  return item.index >= 0 ? name + QString::number(item.index) : name;
}

QString Caption(std::string_view text) {
  return QString::fromUtf8(text.data(), int(text.size()));
}

}  // namespace

MainWindow::MainWindow(const QString& programFolder, QWidget* parent)
    : QMainWindow(parent), folder_(programFolder), sound_(std::make_unique<SoundPlayer>()) {
  setObjectName("frmMAIN");
  setWindowTitle(Caption(kProgramTitle));
  KeepDialogsFromHiding(*this);
  table_ = new TableWidget(this);
  table_->SetProgramFolder(folder_);
  setCentralWidget(table_);
  table_->setFocus();
  host_ = std::make_unique<QtHost>(*this, *table_, *sound_);
  session_ = std::make_unique<Session>(*host_, &DataFiles());
  Game& game = session_->game();
  // Every game is numbered (a plain new game takes its number from the
  // clock); the clock stays behind anything dealt without one.
  game.random.SetClockDriven(true);
  game.files.AppDir = folder_.toStdString();
  game.files.DataDir = DataFolderFor(folder_).toStdString();
  // The call-outs are spoken while a sound can be heard, and written when
  // the sound server has gone, from the next one on.
  game.files.SoundOutputPresent = sound_->HasOutput();
  connect(sound_.get(), &SoundPlayer::OutputChanged, this,
          [this](bool present) { session_->SetSoundOutputPresent(present); });
  table_->SetGame(game);
  host_->SetGame(game);
  // The title follows at once: the starter's message already comes under
  // the new number.
  host_->OnDisplayChanged([this] {
    SyncMenus();
    SyncTitle();
  });
  session_->OnBusyChanged([this](bool) { SyncMenus(); });
  yomi_ = std::make_unique<YomiWorker>(this);
  host_->OnQuestion([this](std::optional<Question> q) { WeighQuestion(q); });
  session_->OnStopped([this](StopOutcome outcome) { OnStopped(outcome); });
  session_->OnGameSaved([](std::optional<std::uint64_t> number) { KeepSavedGameNumber(number); });

  stepTimer_.setSingleShot(true);
  connect(&stepTimer_, &QTimer::timeout, this, &MainWindow::RunOneStep);
  connect(table_, &TableWidget::CardClicked, this,
          [this](int suit, int rank) { Play([&] { return session_->ClickCard(suit, rank); }); });
  connect(table_, &TableWidget::DrawPressed, this, [this] { Play([&] { return session_->PressDraw(); }); });
  connect(table_, &TableWidget::RoundCaptionDoubleClicked, this, &MainWindow::ToggleXray);
  BuildMenus();
  ConnectCommands();
  ConnectOptions();
  BuildLog();
  ConnectCardMotion();
  ConnectYomiOnQuestions();
  SyncMenus();
  SyncChecks();

  const QSize layout = table_->minimumSizeHint();
  const QScreen* screen = QApplication::primaryScreen();
  double factor = 1.5;
  if (screen) factor = std::max(1.0, std::min(factor, 0.85 * screen->availableSize().height() / layout.height()));
  resize(int(layout.width() * factor), int(layout.height() * factor) + menuBar()->sizeHint().height());
  if (LogPanelSetting()) ShowLog(true);
}

MainWindow::~MainWindow() = default;

void MainWindow::StartUp() {
  session_->StartUp();
  // The files may have made "つづき" possible, which the empty table tells.
  table_->Sync();
  table_->PreloadPictures();
  SyncChecks();
  SyncMenus();
  ScheduleStep();
}

void MainWindow::BuildMenus() {
  for (const ui::MenuItem& item : ui::WindowMenuBar()) {
    QMenu* menu = menuBar()->addMenu(Caption(item.caption));
    menu->setObjectName(ActionName(item));
    actions_.insert(ActionName(item), menu->menuAction());
    AddMenuItems(menu, item.items);
  }
}

void MainWindow::AddMenuItems(QMenu* menu, const std::vector<ui::MenuItem>& items) {
  for (const ui::MenuItem& item : items) {
    if (item.IsSeparator()) {
      menu->addSeparator()->setObjectName(ActionName(item));
      continue;
    }
    if (!item.items.empty()) {
      QMenu* sub = menu->addMenu(Caption(item.caption));
      sub->setObjectName(ActionName(item));
      actions_.insert(ActionName(item), sub->menuAction());
      AddMenuItems(sub, item.items);
      continue;
    }
    QAction* action = menu->addAction(Caption(item.caption));
    action->setObjectName(ActionName(item));
    action->setCheckable(item.checkable);
    action->setChecked(item.checked);
    action->setEnabled(item.enabled);
    if (!item.shortcut.empty()) action->setShortcut(QKeySequence(Caption(item.shortcut)));
    actions_.insert(ActionName(item), action);
    if (item.checkable) checkItems_.push_back({action, item.name, item.index});
  }
}

void MainWindow::OnTriggered(const QString& name, void (MainWindow::*handler)()) {
  connect(actions_.value(name), &QAction::triggered, this, handler);
}

void MainWindow::ConnectCommands() {
  OnTriggered("mneNEW", &MainWindow::NewGame);
  OnTriggered("mneNEWNUM", &MainWindow::NewNumberedGame);
  OnTriggered("mneCONTINUE", &MainWindow::ContinueGame);
  OnTriggered("mneSAVE", &MainWindow::SaveGame);
  OnTriggered("mneHiScore", &MainWindow::ShowHighScores);
  OnTriggered("mneEXIT", &MainWindow::AskExit);
  OnTriggered("mnuCSET", &MainWindow::EditCardRoles);
  OnTriggered("mnuCHAR", &MainWindow::ShowCharacters);
  OnTriggered("mneKEIKA", &MainWindow::ShowScoreTable);
  connect(actions_.value("mneCHART"), &QAction::triggered, this, [this] { host_->ShowScoreChart(); });
  OnTriggered("mneMOKUJI", &MainWindow::ShowHelp);
  OnTriggered("mneVER", &MainWindow::ShowAbout);
  OnTriggered("mneHINT", &MainWindow::ShowHint);
  OnTriggered("mneFURIKAERI", &MainWindow::ShowLookBack);
  auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(help, &QShortcut::activated, this, &MainWindow::ShowHelp);
}

void MainWindow::ConnectOptions() {
  for (int i = 0; i < 4; ++i) {
    connect(actions_.value("flgSOKUDO" + QString::number(i)), &QAction::triggered, this,
            [this, i] { ChangeOptions(ui::ClickSpeed(session_->game().options, i)); });
  }
  const std::pair<const char*, ui::MessageKind> kinds[] = {{"flgMsgSkip", ui::MessageKind::Skip},
                                                           {"flgMsgRev", ui::MessageKind::Reverse},
                                                           {"flgMsgNi", ui::MessageKind::DrawTwo},
                                                           {"flgMsgCS", ui::MessageKind::SuitChange}};
  for (const auto& [name, kind] : kinds) {
    connect(actions_.value(name), &QAction::triggered, this,
            [this, kind = kind] { ChangeOptions(ui::ClickMessageKind(session_->game().options, kind)); });
  }
  connect(actions_.value("flgSUBETE"), &QAction::triggered, this,
          [this] { ChangeOptions(ui::ClickAllMessages(session_->game().options)); });
  connect(actions_.value("mneSOUNDC"), &QAction::triggered, this,
          [this] { ChangeOptions(ui::ClickCardSound(session_->game().options)); });
  OnTriggered("mneSOUND", &MainWindow::ToggleSound);
  OnTriggered("mnuKEN", &MainWindow::ToggleAutoDetect);
}

void MainWindow::BuildLog() {
  log_ = std::make_unique<ui::GameLog>();
  session_->Follow(log_.get());
  logPanel_ = new GameLogPanel(this);
  logPanel_->SetSheet(session_->game().display.sheet);
  addDockWidget(Qt::RightDockWidgetArea, logPanel_);
  logPanel_->hide();
  // A hidden panel writes nothing: it takes the whole log when it opens.
  log_->OnEntry([this](const ui::LogEntry& entry) {
    if (!logPanel_->isHidden()) logPanel_->Append(entry);
  });
  log_->OnReset([this] { logPanel_->Clear(); });
  connect(actions_.value("mneLOG"), &QAction::triggered, this, &MainWindow::ShowLog);
  connect(logPanel_, &GameLogPanel::ClosedByUser, this, [this] {
    if (!mayClose_) ShowLog(false);
  });
}

void MainWindow::ShowLog(bool shown) {
  actions_.value("mneLOG")->setChecked(shown);
  KeepLogPanelSetting(shown);
  if (shown != logPanel_->isHidden()) return;
  const bool resizable = !isMaximized() && !isFullScreen() && !logPanel_->isFloating();
  if (shown) {
    const int panelWidth = logPanel_->sizeHint().width();
    logPanel_->SetEntries(log_->entries());
    logPanel_->show();
    resizeDocks({logPanel_}, {panelWidth}, Qt::Horizontal);
    logGrowth_ = logPanel_->isFloating() ? 0 : GrowBy(*this, panelWidth);
  } else {
    logPanel_->hide();
    if (resizable) resize(width() - logGrowth_, height());
    logGrowth_ = 0;
  }
}

// Card motion is the window's own choice, kept in the per-user store; the
// check mark shows what the table does.
void MainWindow::ConnectCardMotion() {
  QAction* item = actions_.value("mneMOTION");
  CardAnimator& motion = table_->cardMotion();
  motion.SetWanted(CardMotionSetting());
  item->setChecked(motion.wanted());
  connect(item, &QAction::triggered, this, [item, &motion] {
    motion.SetWanted(!motion.wanted());
    item->setChecked(motion.wanted());
    StoreCardMotionSetting(motion.wanted());
  });
}

void MainWindow::ChangeOptions(const Options& options) {
  session_->SetOptions(options);
  SyncChecks();
}

// The items show the options: a click's own toggle is overruled by them.
void MainWindow::SyncChecks() {
  const Options& options = session_->game().options;
  for (const CheckItem& item : checkItems_)
    if (const auto checked = ui::CheckMarkOf(options, item.name, item.index)) item.action->setChecked(*checked);
}

// The game-changing items are greyed while a step runs or moves wait.
void MainWindow::SyncMenus() {
  const bool free = !session_->Busy() && !session_->Stopped();
  const DisplayModel& d = session_->game().display;
  actions_.value("mneNEW")->setEnabled(free);
  actions_.value("mneNEWNUM")->setEnabled(free);
  actions_.value("mneCONTINUE")->setEnabled(free && d.continueEnabled);
  actions_.value("mneSAVE")->setEnabled(free && d.saveEnabled);
}

// The user's move starts with the cards at rest: the one a computer just
// played, or the opening card, lies face up on the pile before a click
// can come.
void MainWindow::ScheduleStep() {
  const Step step = session_->NextStep();
  if (step.kind == StepKind::None) {
    stepTimer_.stop();
    table_->LandCards();
    return;
  }
  stepTimer_.start(int(step.pauseSeconds * 1000 + 0.5));
}

void MainWindow::RunOneStep() {
  yomi_->Cancel();
  ++stepsRun_;
  session_->RunStep();
  ScheduleStep();
}

template <typename Command>
void MainWindow::Play(Command command) {
  yomi_->Cancel();
  if (command()) ScheduleStep();
  SyncMenus();
  SyncTitle();
}

void MainWindow::SyncTitle() {
  setWindowTitle(Caption(ui::WindowTitle(session_->GameNumber())));
}

// A plain new game is numbered too, from the clock: as unforeseeable as
// ever, and still replayable by its number.
void MainWindow::NewGame() {
  Play([this] { return session_->NewNumberedGame(GameNumberFromClock()); });
}

void MainWindow::NewNumberedGame() {
  if (session_->Busy() || session_->Stopped()) return;
  std::optional<std::uint64_t> number;
  Between([&] { number = RunGameNumber(this, session_->GameNumber()); });
  if (number) Play([&] { return session_->NewNumberedGame(*number); });
}

// The continued game keeps the number it was saved with, and with it the
// deals of the rounds to come; without one it takes a fresh number.
void MainWindow::ContinueGame() {
  const std::uint64_t number = SavedGameNumber().value_or(GameNumberFromClock());
  Play([&] { return session_->Continue(number); });
}

void MainWindow::SaveGame() {
  Play([this] { return session_->Save(); });
}

void MainWindow::ShowHighScores() {
  Between([this] { session_->ShowHighScores(); });
}

void MainWindow::AskExit() {
  bool confirmed = false;
  Between([&] { confirmed = ui::ExitConfirmed(ShowMessageBox(this, ui::ExitQuestion())); });
  if (confirmed) close();
}

void MainWindow::ToggleSound() {
  const ui::MenuOutcome outcome =
      ui::ClickSound(session_->game().options, session_->game().files.SoundFilesPresent, kSoundDownloadPage);
  ChangeOptions(outcome.options);
  if (outcome.message) Between([&] { ShowMessageBox(this, *outcome.message); });
}

void MainWindow::ToggleAutoDetect() {
  if (session_->Stopped()) return;
  ui::ToggleAutoDetect(session_->game());
  SyncChecks();
}

void MainWindow::ToggleXray() {
  const Message message = ui::ToggleXray(session_->game().display);
  table_->Sync();
  Between([&] { ShowMessageBox(this, message); });
}

void MainWindow::EditCardRoles() {
  std::optional<Roles> roles;
  Between([&] { roles = RunCardRoles(this, session_->game().roles); });
  if (roles) session_->SetRoles(*roles);
}

void MainWindow::ShowCharacters() {
  const Game& game = session_->game();
  Between([&] { RunCharacterSheet(this, game.records, game.seats.SeatName[3]); });
}

void MainWindow::ShowScoreTable() {
  host_->ShowScoreTable();
}

void MainWindow::ShowHelp() {
  qt::ShowHelp(this, folder_);
}

void MainWindow::ShowAbout() {
  Between([this] { RunAbout(this, folder_); });
}

// Exit and the close box: settings and records are written first. Inside
// a step the stop waits for the step to unwind; a balloon ends at once.
void MainWindow::closeEvent(QCloseEvent* event) {
  if (mayClose_) return event->accept();
  const StopOutcome outcome = session_->Stop();
  if (outcome == StopOutcome::Pending) host_->CutWaitsShort();
  if (outcome != StopOutcome::Ended) return event->ignore();
  mayClose_ = true;
  stepTimer_.stop();
  host_->CutWaitsShort();
  event->accept();
  for (QWidget* window : findChildren<QWidget*>())
    if (window->isWindow() && window->isVisible()) window->close();
  emit Closed();
}

void MainWindow::OnStopped(StopOutcome outcome) {
  if (outcome == StopOutcome::Ended) QTimer::singleShot(0, this, &QWidget::close);
  SyncMenus();
}

}  // namespace zunpa::qt
