// The question bar's toolbar (see exam_toolbar.h).
#include "client/gui/exam_toolbar.h"

#include <QLabel>
#include <QLayout>
#include <QProxyStyle>
#include <QToolButton>

#include "client/gui/artwork.h"

namespace {

// Tool buttons with only a thin frame around icon and text, so that all seven fit a bar docked
// at the side of the screen.
class CompactButtonStyle : public QProxyStyle {
 public:
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override {
    if (type == CT_ToolButton) return size + QSize(6, 4);
    return QProxyStyle::sizeFromContents(type, option, size, widget);
  }
};

}  // namespace

const ToolbarButtonEntry kExamToolbarButtons[7] = {
    {kCmdOpenFolder, "打开试题目录\n打开试题目录", true},
    {kCmdBrowser, "浏览器\n浏览器", true},
    {kCmdMail, "邮件\n邮件", true},
    {kCmdAutoHide, "将题签窗口自动贴边隐藏，鼠标晃到侧边自动出现\n贴边", true},
    {kCmdFontLarger, "放大字体\n放大题签字体", false},
    {kCmdFontSmaller, "缩小字体\n缩小题签字体", false},
    {kCmdExit, "退出练习系统\n退出", true},
};

CExamToolBar::CExamToolBar(QWidget* parent) : QToolBar(parent) {
  setWindowTitle(QString::fromUtf8("工具栏:"));
  setMovable(false);
  setFloatable(false);
  setIconSize(QSize(16, 16));
  setContextMenuPolicy(Qt::PreventContextMenu);
  layout()->setSpacing(0);
  auto* compact = new CompactButtonStyle;
  compact->setParent(this);
  QFont small = font();
  small.setPixelSize(12);
  for (int i = 0; i < 7; ++i) {
    const ToolbarButtonEntry& entry = kExamToolbarButtons[i];
    const QString command = QString::fromUtf8(entry.command);
    const QString shortText = command.section('\n', 1);
    QAction* action = addAction(ToolbarIcon(i), shortText);
    action->setToolTip(shortText);
    action->setStatusTip(command.section('\n', 0, 0));
    action->setData(entry.id);
    if (auto* button = qobject_cast<QToolButton*>(widgetForAction(action))) {
      button->setToolButtonStyle(entry.showText ? Qt::ToolButtonTextBesideIcon
                                                : Qt::ToolButtonIconOnly);
      button->setStyle(compact);
      button->setFont(small);
    }
    const int id = entry.id;
    QObject::connect(action, &QAction::triggered, this, [this, id] {
      if (handler_) handler_(id);
    });
    buttons_.append(action);
  }
}

QAction* CExamToolBar::Button(int index) const {
  return index >= 0 && index < buttons_.size() ? buttons_[index] : nullptr;
}

void CExamToolBar::SetButtonText(int index, const QString& text) {
  if (QAction* action = Button(index)) {
    action->setText(text);
    action->setToolTip(text);
  }
}

CToolbarLabel::CToolbarLabel(int id, const QString& text, QObject* parent)
    : QWidgetAction(parent), id_(id) {
  if (!text.isEmpty()) setText(text);
  setData(id);
}

QWidget* CToolbarLabel::createWidget(QWidget* parent) {
  auto* label = new QLabel(text(), parent);
  // Disabled or not, the label reads the same.
  QPalette palette = label->palette();
  for (auto role : {QPalette::WindowText, QPalette::Text})
    palette.setColor(QPalette::Disabled, role, palette.color(QPalette::Active, role));
  label->setPalette(palette);
  label->setMargin(2);
  return label;
}
