// Where the game finds its program folder, and where its data files go: a
// program folder that takes writes keeps them; an installed, read-only one
// sends them to the user's data folder.

#include "platform/game_folders.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "table/main_window.h"
#include "widgets/program_folder.h"
#include "widgets/test_sandbox.h"

using zunpa::qt::DataFolderFor;
using zunpa::qt::FolderTakesWrites;
using zunpa::qt::ProgramFolderBeside;

namespace {

bool MakeFile(const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  return file.open(QIODevice::WriteOnly);
}

}  // namespace

class GameFoldersTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {
    QVERIFY(!zunpa::testing::EnterTestSandbox().isEmpty());
    QCoreApplication::setApplicationName("ZunpaS");  // as the game calls itself
  }
  void theRuleAsksTheProgramFolderOnly();
  void aRealWriteDecidesWhetherAFolderTakesWrites();
  void aReadOnlyProgramFolderSendsTheDataFilesToTheUsersFolder();
  void theInstalledProgramFolderIsFoundBesideTheExecutable();
  void theWindowKeepsTheDataFilesInAWritableProgramFolder();
};

void GameFoldersTest::theRuleAsksTheProgramFolderOnly() {
  QTemporaryDir home;
  const QString user = home.filePath("share/ZunpaS");
  QStringList asked;
  const auto writable = [&](const QString& folder) {
    asked << folder;
    return true;
  };
  QCOMPARE(DataFolderFor("/opt/game", writable, user), QString("/opt/game"));
  QCOMPARE(asked, QStringList{"/opt/game"});
  QVERIFY(!QFileInfo::exists(user));  // nothing made when it is not needed

  const auto readOnly = [](const QString&) { return false; };
  QCOMPARE(DataFolderFor("/opt/game", readOnly, user), user);
  QVERIFY(QFileInfo(user).isDir());                            // made on the first run
  QCOMPARE(DataFolderFor("/opt/game", readOnly, user), user);  // and found again
}

void GameFoldersTest::aRealWriteDecidesWhetherAFolderTakesWrites() {
  QTemporaryDir dir;
  QVERIFY(FolderTakesWrites(dir.path()));
  QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden), QStringList{});

  QVERIFY(!FolderTakesWrites(dir.filePath("missing")));
  QVERIFY(MakeFile(dir.filePath("plain")));
  QVERIFY(!FolderTakesWrites(dir.filePath("plain")));  // a file is no folder, even for root

  QVERIFY(QDir(dir.path()).mkdir("locked"));
  QFile::setPermissions(dir.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner);
  QFile trial(dir.filePath("locked/trial"));
  const bool bitsBind = !trial.open(QIODevice::WriteOnly);
  trial.remove();
  QCOMPARE(FolderTakesWrites(dir.filePath("locked")), !bitsBind);
  QFile::setPermissions(dir.filePath("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void GameFoldersTest::aReadOnlyProgramFolderSendsTheDataFilesToTheUsersFolder() {
  QTemporaryDir dir;
  QVERIFY(MakeFile(dir.filePath("not-a-folder")));
  const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QDir(user).removeRecursively();
  QCOMPARE(DataFolderFor(dir.filePath("not-a-folder")), user);
  QVERIFY(QFileInfo(user).isDir());
  QVERIFY(user.endsWith("/ZunpaS"));
  QDir(user).removeRecursively();
}

void GameFoldersTest::theInstalledProgramFolderIsFoundBesideTheExecutable() {
  QTemporaryDir prefix;
  const QString bin = prefix.filePath("bin");
  QVERIFY(QDir().mkpath(bin));
  QCOMPARE(ProgramFolderBeside(bin), bin);  // the build folder: pictures beside the program
  QVERIFY(QDir().mkpath(prefix.filePath("share/zunpas")));
  QCOMPARE(ProgramFolderBeside(bin), bin);  // an empty share folder is no program folder
  QVERIFY(MakeFile(prefix.filePath("share/zunpas/ura.bmp")));
  QCOMPARE(ProgramFolderBeside(bin), prefix.filePath("share/zunpas"));
}

void GameFoldersTest::theWindowKeepsTheDataFilesInAWritableProgramFolder() {
  QTemporaryDir dir;
  const QString folder = zunpa::testing::MakeProgramFolder(dir);
  zunpa::qt::MainWindow window(folder);
  const zunpa::FilesState& files = window.session().game().files;
  QCOMPARE(QString::fromStdString(files.AppDir), folder);
  QCOMPARE(QString::fromStdString(files.DataFolder()), folder);
}

QTEST_MAIN(GameFoldersTest)
#include "game_folders_test.moc"
