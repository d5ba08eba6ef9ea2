// The control's window and result list, as Qt widgets inside the host's window.
#include "grading/hopmark/result_list_window.h"

#ifdef KIRV_HOPMARK_QT
#include <QApplication>
#include <QHeaderView>
#include <QPointer>
#include <QTreeWidget>
#include <QWidget>
#endif

namespace hopmark {

#ifdef KIRV_HOPMARK_QT

struct ResultListWindow::Widgets {
  // The host may delete its window (and so ours) before the control goes.
  QPointer<QWidget> window;
  QPointer<QTreeWidget> list;
};

std::unique_ptr<ResultListWindow> ResultListWindow::Create(const com::CreateParams& params) {
  if (!(params.style & com::kStyleVisible) || !params.parent ||
      !qobject_cast<QApplication*>(QCoreApplication::instance()))
    return nullptr;
  auto* host = static_cast<QWidget*>(params.parent);
  auto widgets = std::make_unique<Widgets>();
  widgets->window = new QWidget(host);
  widgets->window->setObjectName(QString::fromStdString(params.windowName));
  const com::Rect& r = params.rect;
  if (r.right > r.left && r.bottom > r.top)
    widgets->window->setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
  else
    widgets->window->resize(700, 400);

  auto* list = new QTreeWidget(widgets->window);
  list->setObjectName("101");
  list->setGeometry(0, 0, 680, 300);
  list->setRootIsDecorated(false);
  list->setAllColumnsShowFocus(true);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->header()->setSectionsMovable(true);
  list->setHeaderLabels({"序号", "评分动作", "参数", "对错", "分值"});
  int column = 0;
  for (int width : {40, 160, 380, 40, 40}) list->setColumnWidth(column++, width);
  widgets->list = list;
  widgets->window->show();
  return std::unique_ptr<ResultListWindow>(new ResultListWindow(std::move(widgets)));
}

ResultListWindow::ResultListWindow(std::unique_ptr<Widgets> widgets)
    : widgets_(std::move(widgets)) {}

ResultListWindow::~ResultListWindow() {
  delete widgets_->window.data();
}

void ResultListWindow::Show(const std::vector<ResultRow>& rows) {
  QTreeWidget* list = widgets_->list;
  if (!list) return;
  list->clear();
  int number = 0;
  for (const ResultRow& row : rows) {
    auto* item = new QTreeWidgetItem(list);
    item->setText(0, QString::number(number++));
    item->setText(1, QString::fromStdString(row.label));
    item->setText(2, QString::fromStdString(row.parameter));
    item->setText(3, row.satisfied ? "√" : "×");
    item->setText(4, QString::number(row.points));
  }
}

#else
// A build without widgets: the control keeps its rows and shows none.
struct ResultListWindow::Widgets {};

std::unique_ptr<ResultListWindow> ResultListWindow::Create(const com::CreateParams&) {
  return nullptr;
}
ResultListWindow::ResultListWindow(std::unique_ptr<Widgets> widgets)
    : widgets_(std::move(widgets)) {}
ResultListWindow::~ResultListWindow() = default;
void ResultListWindow::Show(const std::vector<ResultRow>&) {}
#endif

}  // namespace hopmark
