// Tests of the custom look, the theme choice, the picture holder and the Qt services.
#include "client/gui/custom_visual_manager.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include "client/gui/artwork.h"
#include "client/gui/qt_services.h"
#include "client/gui/testing/exam_screen_fixture.h"
#include "platform/ui/window_list.h"
#include "platform/vb/interaction.h"
#include "platform/win/message_box.h"
#include "platform/win/testing/test_folder.h"

namespace {

TEST(CollapseRing, PlacedAtTheCaptionEndWhenItFits) {
  struct Case {
    QRect caption;
    QSize image;
    std::optional<QRect> ring;
  } cases[] = {
      // (l,t,r,b) = (0,0,200,24): o = 12, x = 200 - 5 - 12 = 183, y = 24 - 5 - 12 = 7, centre (187,
      // 11).
      {QRect(0, 0, 200, 24), QSize(9, 9), QRect(QPoint(181, 5), QPoint(194, 18))},
      {QRect(10, 30, 100, 20), QSize(9, 9), QRect(QPoint(93, 33), QPoint(106, 46))},
      {QRect(0, 0, 8, 24), QSize(9, 9), std::nullopt},   // too narrow
      {QRect(0, 0, 200, 4), QSize(9, 9), std::nullopt},  // too low
  };
  for (const Case& c : cases)
    EXPECT_EQ(CollapseRingRect(c.caption, c.image), c.ring) << c.caption.width();
}

class LookTest : public ExamScreenFixture {};

TEST_F(LookTest, SkinByDockEdgeCentredInThePane) {
  MakeInstallation();
  ASSERT_TRUE(WriteSkinFiles((host_ / "Skins").string()));
  CCustomVisualManager look(ProgramFolder());
  const QSize vertical = look.Skin(ui::DockEdge::Left).GetSize();
  const QSize horizontal = look.Skin(ui::DockEdge::Top).GetSize();
  ASSERT_FALSE(vertical.isEmpty());
  EXPECT_GT(vertical.height(), vertical.width());
  EXPECT_GT(horizontal.width(), horizontal.height());
  EXPECT_EQ(look.Skin(ui::DockEdge::Right).GetSize(), vertical);
  EXPECT_EQ(look.Skin(ui::DockEdge::Float).GetSize(), vertical);
  EXPECT_EQ(look.Skin(ui::DockEdge::Bottom).GetSize(), horizontal);
  const QRect pane(0, 0, 420, 768);
  const QRect drawn = look.SkinRect(pane, ui::DockEdge::Left);
  EXPECT_EQ(drawn.size(), vertical);
  EXPECT_EQ(drawn.center().x(), pane.center().x());

  // Painting the pane shows the skin's colour in its middle.
  QImage canvas(420, 768, QImage::Format_RGB32);
  canvas.fill(Qt::black);
  QPainter p(&canvas);
  look.FillTasksPaneBackground(p, canvas.rect(), ui::DockEdge::Left);
  p.end();
  EXPECT_NE(canvas.pixel(210, 384), qRgb(0, 0, 0));
}

// Without skin files the pane keeps the library's own background.
TEST_F(LookTest, MissingSkinLeavesTheBackgroundAlone) {
  MakeInstallation();
  CCustomVisualManager look(ProgramFolder());
  EXPECT_TRUE(look.Skin(ui::DockEdge::Left).IsEmpty());
  EXPECT_TRUE(look.SkinRect(QRect(0, 0, 100, 100), ui::DockEdge::Left).isEmpty());
  QImage canvas(100, 100, QImage::Format_RGB32);
  canvas.fill(Qt::black);
  QPainter p(&canvas);
  look.FillTasksPaneBackground(p, canvas.rect(), ui::DockEdge::Top);
  p.end();
  EXPECT_EQ(QColor(canvas.pixel(50, 50)), ui::VisualManager2003().paneBackground);
}

TEST_F(LookTest, ThemeSettingPicksTheLook) {
  MakeInstallation();
  struct Case {
    std::string setting;
    const char* look;
  } cases[] = {
      {"", "Custom"},    {"1", "XP"},     {"2", "2003"},
      {"3", "VS2005"},   {"0", "Custom"}, {"7", "Custom"},  // unknown: the look stays as it was
      {"abc", "Custom"}, {"2x", "2003"},  {"4294967297", "2003"},  // no wrap to 1
      {" 3", "VS2005"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ApplyTheme(ThemeNumber(c.setting), ProgramFolder()), c.look) << c.setting;
  ui::VisualManager::SetDefault(nullptr);
}

TEST_F(LookTest, PictureHolderLoadsKeepsAndRenders) {
  MakeInstallation();
  ASSERT_TRUE(WriteSkinFiles((host_ / "Skins").string()));
  CPictureHolder holder;
  EXPECT_EQ(holder.GetSize(), QSize(0, 0));
  QImage canvas(10, 10, QImage::Format_RGB32);
  canvas.fill(Qt::black);
  {
    QPainter p(&canvas);
    holder.Render(p, 0, 0, 0, 0);  // empty: draws nothing
  }
  EXPECT_EQ(canvas.pixel(5, 5), qRgb(0, 0, 0));
  ASSERT_TRUE(holder.LoadPictureFile(ProgramFolder() + "Skins\\bgv.gif"));
  const QSize loaded = holder.GetSize();
  EXPECT_FALSE(loaded.isEmpty());
  EXPECT_FALSE(holder.LoadPictureFile(ProgramFolder() + "Skins\\none.gif"));
  EXPECT_EQ(holder.GetSize(), loaded);  // the previous picture stays
  {
    QPainter p(&canvas);
    holder.Render(p, 0, 0, 10, 10);
  }
  EXPECT_NE(canvas.pixel(5, 5), qRgb(0, 0, 0));
  std::ofstream(host_ / "junk.gif") << "not a picture";
  EXPECT_TRUE(holder.LoadPictureFile(ProgramFolder() + "junk.gif"));
  EXPECT_TRUE(holder.IsEmpty());
}

TEST(QtServices, PumpRunsPendingEventsAndWindowsArePublished) {
  ui::TestApp();
  win::testing::ScopedTempFolder tmp("qt_services_");
  const std::filesystem::path folder = tmp.Path() / "windows";
  win::testing::ScopedEnv listEnv("KIRV_WINDOW_LIST", folder);
  InstallQtServices();
  bool ran = false;
  QTimer::singleShot(0, [&] { ran = true; });
  vb::PumpMessages();
  EXPECT_TRUE(ran);
  QWidget window;
  window.setWindowTitle(QString::fromUtf8("■-未知-C:\\x\\"));
  EXPECT_EQ(ui::TopLevelWindowTitles(), std::vector<std::string>{"■-未知-C:\\x\\"});
  win::SetMessageSink(nullptr);
}

}  // namespace
