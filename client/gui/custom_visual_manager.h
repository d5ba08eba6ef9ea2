// CCustomVisualManager: the exam client's own look for the question bar's tasks pane: a skin
// picture behind the pane and grey-green groups, captions, separators, frames and scroll buttons.
// ApplyTheme picks it, or one of the stock looks, from the [KIRV] Theme setting.
#pragma once

#include <QRect>
#include <QSize>
#include <optional>
#include <string>

#include "client/gui/picture_holder.h"
#include "platform/ui/visual_manager.h"

class CCustomVisualManager : public ui::VisualManager2003 {
 public:
  // Skins programFolder + "Skins\bgv.gif" and "Skins\bgh.gif" (a missing one stays empty),
  // each decoded when first drawn: start-up does not wait for pictures the rules dialog never
  // shows.
  explicit CCustomVisualManager(const std::string& programFolder);

  QString Name() const override { return QStringLiteral("Custom"); }

  void FillTasksPaneBackground(QPainter& p, const QRect& rect, ui::DockEdge edge) override;
  void DrawTasksGroupCaption(QPainter& p, const QRect& rect,
                             const ui::TasksGroupCaption& group) override;
  void FillTasksGroupInterior(QPainter& p, const QRect& rect) override;
  void DrawTasksGroupAreaBorder(QPainter& p, const QRect& rect) override;
  void DrawTask(QPainter& p, const QRect& rect, const QString& text, bool separator,
                bool highlighted) override;
  void DrawScrollButton(QPainter& p, const QRect& rect, int borderSize, bool up,
                        bool highlighted) override;
  void FillFrame(QPainter& p, const QRect& rect, const QMargins& inner) override;
  void DrawGroupTitleBand(QPainter& p, const QRect& rect, const QString& title) override;

  // Where the skin is drawn for a pane rectangle: the picture's own size centred in it; empty when
  // the skin for that edge is not loaded.
  QRect SkinRect(const QRect& rect, ui::DockEdge edge) const;
  const CPictureHolder& Skin(ui::DockEdge edge) const;

 private:
  // A skin file and its picture, loaded on first use.
  struct LazySkin {
    std::string file;
    bool loaded = false;
    CPictureHolder picture;
  };
  mutable LazySkin vertical_, horizontal_;
};

// The square of the collapse ring of a group caption, for the caption rectangle and the size of
// the menu images; none when the caption is too narrow or too low for the image.
std::optional<QRect> CollapseRingRect(const QRect& caption, const QSize& image);

// The theme number of a [KIRV] Theme value, read as the system reads numbers (leading digits;
// empty or none: 0).
int ThemeNumber(const std::string& setting);

// Makes the look of `theme` the default: 0 CCustomVisualManager, 1 XP, 2 2003, 3 VS2005; any other
// number leaves the current look. Returns the look's name now in use.
QString ApplyTheme(int theme, const std::string& programFolder);
