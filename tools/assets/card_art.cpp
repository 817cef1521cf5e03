#include "card_art.h"

#include <QFontDatabase>
#include <QPainter>
#include <QTransform>

namespace zunpa::art {
namespace {

QString g_fontFamily = QStringLiteral("DejaVu Sans");

const char* kRankText[] = {"", "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

QImage Blank(int width, int height, QColor fill = Qt::transparent) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(fill);
  return image;
}

void Begin(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// Draws a suit symbol of `size` pixels centred on `centre`.
void DrawSuit(QPainter& p, int suit, QPointF centre, double size, bool upsideDown = false) {
  QTransform t;
  t.translate(centre.x(), centre.y());
  if (upsideDown) t.rotate(180);
  t.scale(size, size);
  p.fillPath(t.map(SuitSymbol(suit)), SuitColour(suit));
}

void CardOutline(QPainter& p, QColor fill, QColor edge) {
  const QRectF r(1.5, 1.5, kCardWidth - 3, kCardHeight - 3);
  p.setPen(QPen(edge, 3));
  p.setBrush(fill);
  p.drawRoundedRect(r, 4 * kScale, 4 * kScale);
}

QFont IndexFont() {
  QFont f(g_fontFamily);
  f.setBold(true);
  f.setPixelSize(15 * kScale);
  return f;
}

// Draws text centred in `box`, squeezed sideways when it is wider (the 10).
void DrawFitted(QPainter& p, const QRectF& box, const QString& text) {
  const double width = p.fontMetrics().horizontalAdvance(text);
  const double squeeze = std::min(1.0, box.width() / width);
  p.save();
  p.translate(box.center().x(), box.top());
  p.scale(squeeze, 1);
  p.drawText(QRectF(-width / 2, 0, width, box.height()), Qt::AlignHCenter | Qt::AlignTop, text);
  p.restore();
}

// Rank and suit in the top-left corner, and turned round in the bottom-right.
void DrawIndex(QPainter& p, int suit, int rank) {
  for (bool turned : {false, true}) {
    p.save();
    if (turned) {
      p.translate(kCardWidth, kCardHeight);
      p.rotate(180);
    }
    p.setPen(SuitColour(suit));
    p.setFont(IndexFont());
    DrawFitted(p, QRectF(0.8 * kScale, 0.5 * kScale, 11.4 * kScale, 16 * kScale), QString::fromLatin1(kRankText[rank]));

    DrawSuit(p, suit, QPointF(6.5 * kScale, 22 * kScale), 7 * kScale);

    p.restore();
  }
}

// Pip places in a 3 x 7 grid of the card's middle, standard layouts.
struct Pip {
  double column, row;  // column 0..2, row 0..6
};

std::vector<Pip> PipsOf(int rank) {
  switch (rank) {
    case 2:
      return {{1, 0}, {1, 6}};
    case 3:
      return {{1, 0}, {1, 3}, {1, 6}};
    case 4:
      return {{0, 0}, {2, 0}, {0, 6}, {2, 6}};
    case 5:
      return {{0, 0}, {2, 0}, {1, 3}, {0, 6}, {2, 6}};
    case 6:
      return {{0, 0}, {2, 0}, {0, 3}, {2, 3}, {0, 6}, {2, 6}};
    case 7:
      return {{0, 0}, {2, 0}, {1, 1.5}, {0, 3}, {2, 3}, {0, 6}, {2, 6}};
    case 8:
      return {{0, 0}, {2, 0}, {1, 1.5}, {0, 3}, {2, 3}, {1, 4.5}, {0, 6}, {2, 6}};
    case 9:
      return {{0, 0}, {2, 0}, {0, 2}, {2, 2}, {1, 3}, {0, 4}, {2, 4}, {0, 6}, {2, 6}};
    case 10:
      return {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}, {0, 4}, {2, 4}, {1, 5}, {0, 6}, {2, 6}};
    default:
      return {};
  }
}

void DrawPips(QPainter& p, int suit, int rank) {
  // Between the two corner indices: columns at 16, 23 and 30 of 46.
  const double left = 16 * kScale, right = 30 * kScale, top = 8 * kScale, bottom = 56 * kScale;
  const double size = (rank >= 9 ? 6.5 : 7.5) * kScale;
  for (const Pip& pip : PipsOf(rank)) {
    const QPointF at(left + (right - left) * pip.column / 2, top + (bottom - top) * pip.row / 6);
    DrawSuit(p, suit, at, size, pip.row > 3);
  }
}

// A court card: a coloured panel with a figure of its own per rank.
void DrawCourt(QPainter& p, int suit, int rank) {
  const QRectF panel(13 * kScale, 5 * kScale, 20 * kScale, 54 * kScale);
  const QColor tint = rank == 13 ? QColor(255, 226, 150) : rank == 12 ? QColor(255, 206, 222) : QColor(196, 226, 255);
  p.setPen(QPen(SuitColour(suit), 1.5 * kScale));
  p.setBrush(tint);
  p.drawRoundedRect(panel, 2 * kScale, 2 * kScale);
  const QColor gold(214, 160, 20), ink(60, 40, 30);
  const double cx = panel.center().x();
  p.setPen(QPen(ink, 0.8 * kScale));
  p.setBrush(gold);
  if (rank == 13) {  // king: a crown of five points
    QPolygonF crown;
    crown << QPointF(cx - 8 * kScale, 21 * kScale) << QPointF(cx - 8 * kScale, 11 * kScale)
          << QPointF(cx - 4 * kScale, 16 * kScale) << QPointF(cx, 9 * kScale) << QPointF(cx + 4 * kScale, 16 * kScale)
          << QPointF(cx + 8 * kScale, 11 * kScale) << QPointF(cx + 8 * kScale, 21 * kScale);
    p.drawPolygon(crown);
  } else if (rank == 12) {  // queen: a tiara with a jewel
    QPainterPath tiara;
    tiara.moveTo(cx - 8 * kScale, 21 * kScale);
    tiara.quadTo(cx, 5 * kScale, cx + 8 * kScale, 21 * kScale);
    tiara.closeSubpath();
    p.drawPath(tiara);
    p.setBrush(SuitColour(suit) == Qt::black ? QColor(40, 90, 200) : QColor(200, 30, 60));
    p.drawEllipse(QPointF(cx, 16 * kScale), 2.2 * kScale, 2.2 * kScale);
  } else {  // jack: a feathered cap
    p.drawChord(QRectF(cx - 8 * kScale, 11 * kScale, 16 * kScale, 18 * kScale), 0, 180 * 16);
    p.setBrush(QColor(250, 250, 250));
    QPainterPath feather;
    feather.moveTo(cx + 3 * kScale, 13 * kScale);
    feather.quadTo(cx + 11 * kScale, 5 * kScale, cx + 9 * kScale, 15 * kScale);
    feather.closeSubpath();
    p.drawPath(feather);
  }
  QFont f(g_fontFamily);
  f.setBold(true);
  f.setPixelSize(19 * kScale);
  p.setFont(f);
  p.setPen(SuitColour(suit));
  p.drawText(QRectF(panel.left(), 21 * kScale, panel.width(), 22 * kScale), Qt::AlignCenter,
             QString::fromLatin1(kRankText[rank]));
  DrawSuit(p, suit, QPointF(cx, 50 * kScale), 9 * kScale);
}

}  // namespace

void UseCardFont() {
  const int id =
      QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"));
  if (id >= 0) g_fontFamily = QFontDatabase::applicationFontFamilies(id).value(0, g_fontFamily);
}

QPainterPath SuitSymbol(int suit) {
  QPainterPath path;
  switch (suit) {
    case 2: {  // heart
      path.moveTo(0, 0.42);
      path.cubicTo(-0.62, -0.02, -0.52, -0.52, -0.24, -0.46);
      path.cubicTo(-0.08, -0.43, 0, -0.30, 0, -0.22);
      path.cubicTo(0, -0.30, 0.08, -0.43, 0.24, -0.46);
      path.cubicTo(0.52, -0.52, 0.62, -0.02, 0, 0.42);
      break;
    }
    case 4:  // diamond
      path.moveTo(0, -0.5);
      path.lineTo(0.36, 0);
      path.lineTo(0, 0.5);
      path.lineTo(-0.36, 0);
      path.closeSubpath();
      break;
    case 1: {  // spade: a heart upside down on a stem
      path.moveTo(0, -0.48);
      path.cubicTo(-0.6, -0.04, -0.5, 0.38, -0.2, 0.3);
      path.cubicTo(-0.08, 0.27, -0.03, 0.2, -0.02, 0.14);
      path.lineTo(-0.14, 0.48);
      path.lineTo(0.14, 0.48);
      path.lineTo(0.02, 0.14);
      path.cubicTo(0.03, 0.2, 0.08, 0.27, 0.2, 0.3);
      path.cubicTo(0.5, 0.38, 0.6, -0.04, 0, -0.48);
      break;
    }
    default: {  // club: three leaves on a stem
      path.setFillRule(Qt::WindingFill);
      path.addEllipse(QPointF(0, -0.24), 0.21, 0.21);
      path.addEllipse(QPointF(-0.23, 0.08), 0.21, 0.21);
      path.addEllipse(QPointF(0.23, 0.08), 0.21, 0.21);
      QPainterPath stem;
      stem.moveTo(-0.05, 0.0);
      stem.lineTo(-0.15, 0.48);
      stem.lineTo(0.15, 0.48);
      stem.lineTo(0.05, 0.0);
      stem.closeSubpath();
      path.addPath(stem);
      break;
    }
  }
  return path;
}

QColor SuitColour(int suit) {
  return suit == 2 || suit == 4 ? QColor(200, 16, 32) : QColor(Qt::black);
}

QImage CardFace(int suit, int rank) {
  QImage image = Blank(kCardWidth, kCardHeight);
  QPainter p(&image);
  Begin(p);
  CardOutline(p, Qt::white, QColor(120, 120, 120));
  DrawIndex(p, suit, rank);
  if (rank == 1) {
    DrawSuit(p, suit, QPointF(23 * kScale, 32 * kScale), 20 * kScale);
  } else if (rank >= 11) {
    DrawCourt(p, suit, rank);
  } else {
    DrawPips(p, suit, rank);
  }
  return image;
}

QImage CardBack() {
  QImage image = Blank(kCardWidth, kCardHeight);
  QPainter p(&image);
  Begin(p);
  CardOutline(p, Qt::white, QColor(120, 120, 120));
  const QRectF inner(4 * kScale, 4 * kScale, kCardWidth - 8 * kScale, kCardHeight - 8 * kScale);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 70, 160));
  p.drawRoundedRect(inner, 2 * kScale, 2 * kScale);
  p.setClipRect(inner);
  p.setPen(QPen(QColor(120, 170, 255), 1.2 * kScale));
  for (double d = -kCardHeight; d < kCardWidth + kCardHeight; d += 6 * kScale) {
    p.drawLine(QPointF(d, 0), QPointF(d + kCardHeight, kCardHeight));
    p.drawLine(QPointF(d, kCardHeight), QPointF(d + kCardHeight, 0));
  }
  p.setClipping(false);
  p.setPen(QPen(Qt::white, 1.5 * kScale));
  p.setBrush(QColor(30, 70, 160));
  p.drawEllipse(QPointF(kCardWidth / 2.0, kCardHeight / 2.0), 9 * kScale, 9 * kScale);
  DrawSuit(p, 1, QPointF(kCardWidth / 2.0, kCardHeight / 2.0), 11 * kScale);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, 1.5 * kScale));
  p.drawEllipse(QPointF(kCardWidth / 2.0, kCardHeight / 2.0), 9 * kScale, 9 * kScale);
  return image;
}

QImage SuitMarker(int suit) {
  QImage image = Blank(kCardWidth, kCardHeight);
  QPainter p(&image);
  Begin(p);
  const QColor edge = suit == 2 || suit == 4 ? QColor(200, 16, 32) : QColor(20, 20, 20);
  p.setPen(QPen(edge, 3 * kScale));
  p.setBrush(QColor(255, 248, 196));
  p.drawRoundedRect(QRectF(1.5 * kScale, 1.5 * kScale, kCardWidth - 3 * kScale, kCardHeight - 3 * kScale), 6 * kScale,
                    6 * kScale);
  // A ring round the suit: a declared suit, not a card.
  p.setPen(QPen(edge, 2 * kScale, Qt::DashLine));
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(kCardWidth / 2.0, kCardHeight / 2.0), 19 * kScale, 19 * kScale);
  DrawSuit(p, suit, QPointF(kCardWidth / 2.0, kCardHeight / 2.0), 28 * kScale);
  return image;
}

QImage Arrow(bool up) {
  QImage image = Blank(kArrowSize, kArrowSize);
  QPainter p(&image);
  Begin(p);
  QPolygonF arrow;
  arrow << QPointF(36, 8) << QPointF(60, 8) << QPointF(60, 52) << QPointF(84, 52) << QPointF(48, 90) << QPointF(12, 52)
        << QPointF(36, 52);
  if (up) arrow = QTransform().translate(0, kArrowSize).scale(1, -1).map(arrow);
  p.setPen(QPen(QColor(10, 80, 20), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(up ? QColor(250, 150, 30) : QColor(60, 190, 80));
  p.drawPolygon(arrow);
  return image;
}

QImage ProgramIcon() {
  QImage image = Blank(kIconSize, kIconSize);
  QPainter p(&image);
  Begin(p);
  const int suits[] = {1, 2, 3, 4};
  for (int i = 0; i < 4; ++i) {
    p.save();
    p.translate(128, 230);
    p.rotate(-36 + 24 * i);
    p.setPen(QPen(QColor(90, 90, 90), 4));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(-52, -200, 104, 150), 12, 12);
    DrawSuit(p, suits[i], QPointF(0, -150), 60);
    p.restore();
  }
  p.setPen(QPen(QColor(120, 60, 0), 5));
  p.setBrush(QColor(255, 200, 40));
  p.drawEllipse(QPointF(128, 176), 46, 46);
  QFont f(g_fontFamily);
  f.setBold(true);
  f.setPixelSize(58);
  p.setFont(f);
  p.setPen(QColor(120, 40, 0));
  p.drawText(QRectF(82, 130, 92, 92), Qt::AlignCenter, QStringLiteral("Z"));
  return image;
}

}  // namespace zunpa::art
