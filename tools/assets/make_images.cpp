// Writes the table's pictures into the program folder.
// Usage: zunpa-images FOLDER            the 57 card pictures, arrows and icons
//        zunpa-images --web FOLDER      the same as PNG for the web page
//        zunpa-images --contact-sheet FILE.png   all 57 at 100 % and 200 %

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "card_art.h"

namespace {

using namespace zunpa::art;

const char* kSuitLetters[] = {"", "s", "h", "c", "d"};
const char* kMarkerNames[] = {"", "Stemp.bmp", "Htemp.bmp", "Ctemp.bmp", "Dtemp.bmp"};

// Card pictures are opaque: the table behind them is green felt.
QImage OnTable(const QImage& picture) {
  QImage out(picture.size(), QImage::Format_RGB32);
  out.fill(QColor(0, 110, 50));
  QPainter p(&out);
  p.drawImage(0, 0, picture);
  return out;
}

struct Named {
  QString name;
  QImage image;
};

std::vector<Named> CardPictures() {
  std::vector<Named> out;
  for (int suit = 1; suit <= 4; ++suit)
    for (int rank = 1; rank <= 13; ++rank)
      out.push_back({QString("%1%2.bmp").arg(kSuitLetters[suit]).arg(rank), OnTable(CardFace(suit, rank))});
  out.push_back({"ura.bmp", OnTable(CardBack())});
  for (int suit = 1; suit <= 4; ++suit)
    out.push_back({kMarkerNames[suit], OnTable(SuitMarker(suit))});
  return out;
}

// The desktop's menu wants the icon at each of its sizes; smaller ones are
// scaled down from the full drawing.
bool WriteDesktopIcons(const QString& folder) {
  const QImage icon = ProgramIcon();
  bool ok = true;
  for (int size : {16, 32, 48, 64, 128, 256}) {
    const QImage scaled = icon.scaledToWidth(size, Qt::SmoothTransformation);  // the drawing is square
    ok = scaled.save(QString("%1/zunpas-%2.png").arg(folder).arg(size), "PNG") && ok;
  }
  return ok;
}

bool WriteFolder(const QString& folder) {
  bool ok = true;
  for (const Named& n : CardPictures())
    ok = n.image.save(folder + "/" + n.name, "BMP") && ok;
  ok = Arrow(false).save(folder + "/ArrowDn.ICO", "ICO") && ok;
  ok = Arrow(true).save(folder + "/ArrowUp.ICO", "ICO") && ok;
  ok = ProgramIcon().save(folder + "/zunpas.ico", "ICO") && ok;
  ok = ProgramIcon().save(folder + "/zunpas.png", "PNG") && ok;
  return WriteDesktopIcons(folder) && ok;
}

// The web page's pictures: the same drawings as PNG under pictures/, and
// the program's icon at the sizes a web app's manifest names.
bool WriteWebFolder(const QString& folder) {
  bool ok = QDir().mkpath(folder + "/pictures") && QDir().mkpath(folder + "/icons");
  for (const Named& n : CardPictures())
    ok = n.image.save(folder + "/pictures/" + QString(n.name).replace(".bmp", ".png"), "PNG", 9) && ok;
  ok = Arrow(false).save(folder + "/pictures/ArrowDn.png", "PNG", 9) && ok;
  ok = Arrow(true).save(folder + "/pictures/ArrowUp.png", "PNG", 9) && ok;
  const QImage icon = ProgramIcon();
  for (int size : {64, 192, 512})
    ok = icon.scaledToWidth(size, Qt::SmoothTransformation)
             .save(QString("%1/icons/icon-%2.png").arg(folder).arg(size), "PNG", 9) &&
         ok;
  return ok;
}

// Thirteen to a row, each suit a row, then the back and the markers; first
// at 100 %, then at 200 %.
bool WriteContactSheet(const QString& file) {
  const std::vector<Named> pictures = CardPictures();
  const int gap = 6, perRow = 13;
  const int rows = 5;
  const int w1 = 46, h1 = 64, w2 = 92, h2 = 128;
  const int width = gap + perRow * (w2 + gap);
  const int height = gap + rows * (h1 + gap) + gap * 3 + rows * (h2 + gap);
  QImage sheet(width, height, QImage::Format_RGB32);
  sheet.fill(QColor(0, 110, 50));
  QPainter p(&sheet);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  auto place = [&](int index, int top, int w, int h) {
    const int row = index < 52 ? index / 13 : 4, column = index < 52 ? index % 13 : index - 52;
    p.drawImage(QRect(gap + column * (w + gap), top + gap + row * (h + gap), w, h),
                pictures[static_cast<std::size_t>(index)].image);
  };
  for (int i = 0; i < static_cast<int>(pictures.size()); ++i) {
    place(i, 0, w1, h1);
    place(i, gap + rows * (h1 + gap) + gap * 2, w2, h2);
  }
  p.drawImage(QRect(width - 2 * (48 + gap), gap + 4 * (h1 + gap), 48, 48), Arrow(false));
  p.drawImage(QRect(width - (48 + gap), gap + 4 * (h1 + gap), 48, 48), Arrow(true));
  p.end();
  return sheet.save(file, "PNG");
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  UseCardFont();
  const QStringList args = app.arguments();
  if (args.size() == 3 && args[1] == "--web") return WriteWebFolder(args[2]) ? 0 : 1;
  if (args.size() == 3 && args[1] == "--contact-sheet") return WriteContactSheet(args[2]) ? 0 : 1;
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: zunpa-images FOLDER | --web FOLDER | --contact-sheet FILE.png\n");
    return 2;
  }
  return WriteFolder(args[1]) ? 0 : 1;
}
