// Makes a screenshot of the grading dialog after a grading run: a throw-away installation in
// training mode (settings, exam database, the single-choice key, skin pictures) with one
// candidate whose paper has ten single-choice questions and a Windows-operations task whose
// grading control is not registered, graded with the start button; the dialog saved as PNG.
// Run it under a display, e.g.:
//   xvfb-run -a -s "-screen 0 1366x768x24" build/default/client/gui/kirv_grading_screenshot g.png
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "client/common/system_utils.h"
#include "client/exam/exam_session.h"
#include "client/gui/custom_visual_manager.h"
#include "client/gui/grading_system.h"
#include "client/gui/qt_services.h"
#include "client/gui/score_dlg.h"
#include "client/store/ado_exam_store.h"
#include "client/store/db/exam_database.h"
#include "platform/ui/leak_suppressions.h"
#include "platform/win/message_box.h"

namespace {

bool Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A skin picture: a colour wash with a word on it.
void WriteSkin(const QString& path, QColor colour, const QString& word) {
  QImage image(200, 260, QImage::Format_RGB32);
  QPainter p(&image);
  QLinearGradient wash(0, 0, 0, image.height());
  wash.setColorAt(0, colour.lighter(160));
  wash.setColorAt(1, colour);
  p.fillRect(image.rect(), wash);
  p.setPen(Qt::white);
  QFont font = p.font();
  font.setPixelSize(26);
  font.setBold(true);
  p.setFont(font);
  p.drawText(image.rect(), Qt::AlignCenter, word);
  p.end();
  image.save(path, "JPG");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
    return 2;
  }
  ui::KeepLeakSuppressions();  // a sanitizer build reports fontconfig's caches otherwise
  QApplication app(argc, argv);
  QTemporaryDir install;
  const QString root = install.path();
  for (const char* folder : {"/db", "/Data/Answer", "/Skins", "/exam/0101/Selkt"})
    QDir().mkpath(root + folder);
  WriteSkin(root + "/Skins/Timer.jpg", QColor(60, 60, 120), QStringLiteral("正在评分"));
  WriteSkin(root + "/Skins/ScoreOK.jpg", QColor(20, 120, 60), QStringLiteral("评分完成"));
  WriteSkin(root + "/Skins/Error.jpg", QColor(150, 30, 30), QStringLiteral("评分出错"));
  QByteArray key, record;
  const char answers[] = "BCABDACBBC";
  const char given[] = "BCADDACXBA";
  for (int i = 0; i < 10; ++i) {
    const QByteArray name = QByteArray("q") + QByteArray::number(i + 1).rightJustified(2, '0');
    key += name + ":" + answers[i] + "\r\n";
    record += name + ":" + given[i] + "\n";
  }
  Write(root + "/Data/Answer/Sel.ans", key);
  Write(root + "/exam/0101/Selkt/0101.txt", record);
  Write(root + "/KIRV.ini", "[KIRV]\r\nTraining=1\r\n");
  setenv("KIRV_PROGRAM_FOLDER", root.toLocal8Bit().constData(), 1);
  setenv("KIRV_REGISTRY", (root + "/registry.ini").toLocal8Bit().constData(), 1);
  const PathGlobals paths = InitPaths();
  if (const base::Status created = CreateExamDatabase(paths.ProgramFolder + "db\\kirv.mdb");
      !created) {
    std::fprintf(stderr, "%s\n", created.error().message.c_str());
    return 1;
  }
  ExamSession session;
  session.Start(paths);
  for (const char* sql :
       {"insert into [Stu](examcode, Papers, State) values ('0101', "
        "'0-q01,q02,q03,q04,q05,q06,q07,q08,q09,q10|1-101', 1)",
        "insert into [Module](ModuleID, Name) values (0, '单项选择题')",
        "insert into [Module](ModuleID, Name) values (1, 'Windows 操作')",
        "insert into [Paper](PaperID, ModuleID, AnsFile) values (101, 1, 'win1.xls*1')"})
    static_cast<AdoExamStore&>(session.Store()).Connection().Execute(sql);
  InstallQtServices();
  ApplyTheme(0, paths.ProgramFolder);
  win::MessageCapture boxes;  // the missing control's box is answered unseen

  QtGradingSystem system;
  CScoreDlg dialog(session, {"0101", paths.ProgramFolder + "exam\\0101\\"}, system);
  dialog.show();
  QTimer::singleShot(300, [&] { dialog.Button(1009)->click(); });
  QTimer::singleShot(1500, [&] {
    const QPixmap shot = dialog.grab();
    const bool saved = shot.save(QString::fromLocal8Bit(argv[1]), "PNG");
    std::fprintf(stderr, "%s %dx%d\n", saved ? "saved" : "not saved", shot.width(), shot.height());
    app.exit(saved ? 0 : 1);
  });
  const int rc = app.exec();
  session.Close();
  return rc;
}
