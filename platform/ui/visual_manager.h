// Visual managers: the look of the tasks pane, its groups, tasks, frames and scroll buttons, as
// Qt painting. One manager is the default that every pane paints with; a program may replace it
// with a look of its own derived from one of the stock looks (XP, 2003, VS2005).
#pragma once

#include <QColor>
#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>
#include <memory>

class QPainter;

namespace ui {

// The screen edge a bar is docked at; Float when it is not docked.
enum class DockEdge { Left = 0, Top = 1, Right = 2, Bottom = 3, Float = 4 };

// What a group caption is drawn from.
struct TasksGroupCaption {
  QString name;
  bool canCollapse = false;
  bool collapsed = false;
  bool highlighted = false;
  QColor textColor;     // invalid: the manager's caption text colour
  QColor textColorHot;  // while highlighted; invalid: textColor
};

class VisualManager {
 public:
  virtual ~VisualManager() = default;

  // The manager windows paint with (the 2003 look until another is set).
  static VisualManager& Default();
  // Makes `manager` the default; a null pointer restores the 2003 look.
  static void SetDefault(std::unique_ptr<VisualManager> manager);

  virtual QString Name() const = 0;

  // The pane's background behind its groups; `edge` is where the pane's bar is docked.
  virtual void FillTasksPaneBackground(QPainter& p, const QRect& rect, DockEdge edge);
  virtual void DrawTasksGroupCaption(QPainter& p, const QRect& rect,
                                     const TasksGroupCaption& group);
  virtual void FillTasksGroupInterior(QPainter& p, const QRect& rect);
  virtual void DrawTasksGroupAreaBorder(QPainter& p, const QRect& rect);
  // One task line; a separator task has no text.
  virtual void DrawTask(QPainter& p, const QRect& rect, const QString& text, bool separator,
                        bool highlighted);
  virtual void DrawScrollButton(QPainter& p, const QRect& rect, int borderSize, bool up,
                                bool highlighted);
  // The band between `rect` and `rect` shrunk by `inner`.
  virtual void FillFrame(QPainter& p, const QRect& rect, const QMargins& inner);
  virtual void DrawGroupTitleBand(QPainter& p, const QRect& rect, const QString& title);

  // The size of the small black menu images (arrows) the looks draw.
  virtual QSize MenuImageSize() const { return {9, 9}; }

  // Colours a look may change while it draws.
  QColor captionStart, captionEnd;  // group caption gradient
  QColor captionText;               // group caption text when the group sets none
  QColor sharedText;                // text of tasks and captions
  QColor paneBackground, groupBackground, groupBorder;
};

// The library's stock looks.
class VisualManagerXP : public VisualManager {
 public:
  VisualManagerXP();
  QString Name() const override { return QStringLiteral("XP"); }
};

class VisualManager2003 : public VisualManager {
 public:
  VisualManager2003();
  QString Name() const override { return QStringLiteral("2003"); }
};

class VisualManagerVS2005 : public VisualManager {
 public:
  VisualManagerVS2005();
  QString Name() const override { return QStringLiteral("VS2005"); }
};

// Fills `rect` with a linear gradient from `from` to `to`, left to right or top to bottom.
void FillGradient(QPainter& p, const QRect& rect, const QColor& from, const QColor& to,
                  Qt::Orientation direction);

// Fills the band between `rect` and `rect` shrunk by `inner`, and outlines `rect`.
void FillFrameBand(QPainter& p, const QRect& rect, const QMargins& inner, const QColor& fill,
                   const QColor& outline);

// Draws one of the small black menu arrows centred in `rect`.
void DrawMenuArrow(QPainter& p, const QRect& rect, bool up, const QColor& color = Qt::black);

}  // namespace ui
