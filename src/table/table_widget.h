#pragma once
// frmMAIN's table: every card picture, marker and caption of the display
// model, drawn through one twips-to-pixel transform. The draw button, the
// captions and the x-ray lists are real widgets placed the same way.

#include <QRegion>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "rules/game.h"
#include "table/card_animator.h"
#include "table/picture_cache.h"
#include "table/table_transform.h"
#include "ui_logic/key_focus.h"
#include "ui_logic/table_dirt.h"
#include "ui_logic/table_items.h"
#include "ui_logic/yomi_hint.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace zunpa::qt {

class Balloon;

class TableWidget : public QWidget {
  Q_OBJECT
 public:
  explicit TableWidget(QWidget* parent = nullptr);
  // The table shown; nothing is drawn before it is set.
  void SetGame(const Game& game);

  void SetProgramFolder(const QString& folder);
  // Reads every picture of the table, so that no paint of a game waits on
  // the disk.
  void PreloadPictures();
  // The model changed: captions are copied now, the pictures repaint once
  // the events run (many changes, one paint).
  void Sync();
  // Before a sound, a balloon or a dialog: the cards on their way arrive,
  // and what changed is painted at once.
  void ShowLanded();
  // The cards on their way arrive; the paint follows with the events.
  void LandCards();

  const TableTransform& transform() const { return transform_; }
  QSize tableTwips() const;
  QPushButton* drawButton() const { return drawButton_; }
  int paints() const { return paints_; }
  int scalings() const { return pictures_.scalings(); }
  // Cards slide to their new places; the main window's option turns it off.
  CardAnimator& cardMotion() { return motion_; }
  // A call-out written over the table, its top left at a point of the
  // table in twips; it keeps that point as the table is resized.
  void ShowBalloon(const QString& text, QPoint twips);
  void HideBalloon();
  Balloon* balloon() const { return balloon_; }
  const CardAnimator& cardMotion() const { return motion_; }

  // Keyboard play: the stop the focus ring is on (shown once a key moved
  // it), and the hint's mark until the table changes.
  std::optional<ui::FocusStop> focusStop() const { return focus_; }
  bool focusShown() const { return focusShown_ && focus_.has_value(); }
  void ShowHint(std::optional<ui::FocusStop> hint);
  std::optional<ui::FocusStop> hint() const { return hint_; }
  // 読み's hint: its choice ringed, and each choice's worth beside it.
  void ShowYomiHint(const ui::YomiHint& hint);
  const std::vector<ui::WorthTag>& worthTags() const { return worthTags_; }
  // 読み's weighing of the question being asked; empty hides it.
  void ShowAdviceLine(const QString& text);
  QLabel* adviceLine() const { return adviceLine_; }

  // What a screen reader is told of the pictures.
  // Built when a reader first asks after a change, not on every Sync.
  const std::vector<ui::TableItem>& items() const;
  QString DescriptionOfItem(int item) const;
  int FocusedItem() const;

  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;

 signals:
  void CardClicked(int suit, int rank);
  void DrawPressed();
  void RoundCaptionDoubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct PlacedLabel {
    QLabel* label;
    QRect twips;
    double points;
  };
  QLabel* AddLabel(const QString& name, QRect twips, double points, Qt::Alignment alignment);
  void BuildSeatPanels();
  void BuildCentre();
  void SyncSeatPanels();
  void SyncCentre();
  void SyncLists();
  void PlaceWidgets();
  void RepaintCards(std::optional<ui::TwipsRect> area);
  void UpdateDirtyParts();
  void Dirty(const QRect& area);
  void PaintPictures(class QPainter& painter);
  void PaintMarkers(QPainter& painter);
  void PaintPicture(QPainter& painter, const QString& file, int left, int top, int width, int height);
  QRect RingTarget(const ui::FocusStop& stop) const;
  void PaintRing(QPainter& painter, const ui::FocusStop& stop, const QColor& colour, int width, int pad);
  void PaintHint(QPainter& painter, const ui::FocusStop& hint);
  void PaintWorthTags(QPainter& painter);
  QRect TagBox(const ui::FocusStop& stop, QSize size, int row) const;
  void SyncFocus();
  void MoveFocus(int step);
  void PressFocused();
  void TellFocus();

  const Game* game_ = nullptr;
  PictureCache pictures_;
  CardAnimator motion_;
  TableTransform transform_;
  std::vector<PlacedLabel> labels_;
  std::array<QLabel*, kSeats> names_{}, standings_{}, totals_{}, lastPoints_{}, zunpaRecords_{}, wins_{};
  std::array<std::optional<SeatPanel>, kSeats> shownPanels_;
  QLabel* roundCaption_ = nullptr;
  QLabel* stockCounter_ = nullptr;
  QLabel* handTotal_ = nullptr;
  QLabel* startHint_ = nullptr;
  QLabel* adviceLine_ = nullptr;
  QPushButton* drawButton_ = nullptr;
  Balloon* balloon_ = nullptr;
  QPoint balloonTwips_;
  std::array<QListWidget*, 7> lists_{};
  mutable std::optional<std::vector<ui::TableItem>> items_;
  std::vector<ui::FocusStop> stops_;
  std::optional<ui::FocusStop> focus_;
  bool focusShown_ = false;
  std::optional<ui::FocusStop> hint_;
  std::vector<ui::WorthTag> worthTags_;
  bool xray_ = false;
  // Dirtied and not yet painted.
  QRegion pending_;
  // The part of the table being painted.
  QRegion dirty_;
  // What the table painted last, to tell which part a change dirtied.
  std::optional<ui::PaintedTable> painted_;
  int paints_ = 0;
};

}  // namespace zunpa::qt
