// Makes a screenshot of the exam screen: a throw-away installation (settings, exam database, two
// question files, skins) with one candidate whose paper has a word-processor and a spreadsheet
// task, the question bar docked as at the start of an exam, and the screen saved as PNG. With
// --proctor, the proctor dialog instead, over candidates in every state, one of them selected.
// Run it under a display, e.g.:
//   xvfb-run -a -s "-screen 0 1366x768x24" build/default/client/gui/kirv_exam_screenshot shot.png
//   xvfb-run -a -s "-screen 0 1366x768x24" build/default/client/gui/kirv_exam_screenshot
//       --proctor proctor.png   (one line)
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "client/common/system_utils.h"
#include "client/exam/exam_session.h"
#include "client/grading/score_scrambler.h"
#include "client/gui/artwork.h"
#include "client/gui/custom_visual_manager.h"
#include "client/gui/exam_app.h"
#include "client/gui/exam_app_bar.h"
#include "client/gui/proctor_dlg.h"
#include "client/gui/qt_services.h"
#include "client/store/ado_exam_store.h"
#include "client/store/db/exam_database.h"
#include "platform/ui/leak_suppressions.h"

namespace {

const char* kWordQuestion =
    "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}"
    "{\\colortbl;\\red0\\green0\\blue128;\\red192\\green0\\blue0;}"
    "\\pard\\qc\\f0\\fs28\\b\\cf1 \\u25991?\\u23383?\\u22788?\\u29702?\\u39064?\\b0\\cf0\\par"
    "\\pard\\fs21 \\u25171?\\u24320?\\u32771?\\u29983?\\u25991?\\u20214?\\u22841? Wordkt "
    "\\u20013?\\u30340? "
    "ks1.docx\\u65292?\\u23436?\\u25104?\\u19979?\\u21015?\\u25805?\\u20316?\\u65306?\\par"
    " 1. "
    "\\u23558?\\u26631?\\u39064?\\u35774?\\u20026?\\u40657?\\u20307?\\u12289?\\b\\u20108?\\u21495?"
    "\\b0\\u12289?"
    "\\u23621?\\u20013?\\u12290?\\par"
    " 2. \\u27491?\\u25991?\\u39318?\\u34892?\\u32553?\\u36827? 2 \\u23383?\\u31526?\\u65292?"
    "\\cf2\\u34892?\\u36317?\\cf0  1.5 \\u20493?\\u12290?\\par"
    " 3. \\u25554?\\u20837?\\u19979?\\u34920?\\u65306?\\par"
    "\\trowd\\cellx1800\\cellx3600\\cellx5400\\pard\\intbl\\b \\u22995?\\u21517?\\cell "
    "\\u35821?\\u25991?\\cell "
    "\\u25968?\\u23398?\\b0\\cell\\row"
    "\\trowd\\cellx1800\\cellx3600\\cellx5400\\pard\\intbl \\u24352?\\u19977?\\cell 86\\cell "
    "92\\cell\\row"
    "\\pard\\par 4. \\u20445?\\u23384?\\u25991?\\u26723?\\u12290?\\par}";

const char* kSheetQuestion =
    "{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}"
    "\\pard\\qc\\f0\\fs28\\b \\u30005?\\u23376?\\u34920?\\u26684?\\u39064?\\b0\\par\\pard\\fs21 "
    "\\u25171?\\u24320? Excelkt \\u20013?\\u30340? ks2.xlsx\\u12290?\\par}";

bool Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Candidates of the proctor's list in place of the exam screen's: graded and sent, graded, under
// way, absent, violation, and one not begun (not listed).
void AddProctorRows(CAdoConnection& db) {
  db.Execute("delete from [Stu]");
  struct Row {
    const char *code, *name, *sex;
    int state, timeLeft;
    const char* score;
    bool scoreOk, sendOk;
  } rows[] = {
      {"26001010101", "张明", "男", 1, 0, "0-90|1-85", true, true},
      {"26001010102", "李华", "女", 1, 0, "0-80|1-70", true, false},
      {"26001010103", "王芳", "女", 1, 1320, "", false, false},
      {"26001010104", "赵强", "男", 10, 0, "", false, false},
      {"26001010105", "孙丽", "女", 100, 0, "", false, false},
      {"26001010106", "周杰", "男", 0, 0, "", false, false},
  };
  for (const Row& r : rows) {
    const std::string code = r.code;
    db.Execute(
        "insert into [Stu](examcode,Name,Sex,Room,Session,Seat,State,timeleft,Score,scoreok,"
        "sendok) values (?,?,?,?,?,?,?,?,?,?,?)",
        {SqlText(code), SqlText(r.name), SqlText(r.sex), SqlText(code.substr(7, 2)),
         SqlText(code.substr(5, 2)), SqlText(code.substr(9, 2)), SqlInt(r.state),
         SqlInt(r.timeLeft), SqlText(*r.score ? EncodeText(r.score, code) : ""),
         SqlInt(r.scoreOk ? -1 : 0), SqlInt(r.sendOk ? -1 : 0)});
  }
}

}  // namespace

int main(int argc, char** argv) {
  const bool proctor = argc == 3 && std::string(argv[1]) == "--proctor";
  if (argc != 2 && !proctor) {
    std::fprintf(stderr, "usage: %s [--proctor] OUTPUT.png\n", argv[0]);
    return 2;
  }
  const QString output = QString::fromLocal8Bit(argv[argc - 1]);
  ui::KeepLeakSuppressions();  // a sanitizer build reports fontconfig's caches otherwise
  QApplication app(argc, argv);
  QTemporaryDir install;
  const QString root = install.path();
  QDir().mkpath(root + "/db");
  QDir().mkpath(root + "/Data/Paper");
  QDir().mkpath(root + "/exam/0101");
  WriteSkinFiles((root + "/Skins").toStdString());
  Write(root + "/Data/Paper/word1.rtf", kWordQuestion);
  Write(root + "/Data/Paper/excel1.rtf", kSheetQuestion);
  Write(root + "/KIRV.ini",
        "[KIRV]\r\nTitle=\r\nTheme=0\r\nServer=App\r\nServerIP=192.168.1.10\r\nPort=8888\r\n");
  setenv("KIRV_PROGRAM_FOLDER", root.toLocal8Bit().constData(), 1);
  const PathGlobals paths = InitPaths();
  if (const base::Status created = CreateExamDatabase(paths.ProgramFolder + "db\\kirv.mdb");
      !created) {
    std::fprintf(stderr, "%s\n", created.error().message.c_str());
    return 1;
  }
  ExamSession session;
  session.Start(paths);
  for (const char* sql :
       {"insert into [Stu](examcode, TimeLeft, Papers, State) values ('0101', 2700, '2-1|3-2', 1)",
        "insert into [Module](ModuleID, Name) values (2, '文字处理')",
        "insert into [Module](ModuleID, Name) values (3, '电子表格')",
        "insert into [Paper](PaperID, ModuleID, PaperFile) values (1, 2, 'word1.rtf')",
        "insert into [Paper](PaperID, ModuleID, PaperFile) values (2, 3, 'excel1.rtf')"})
    static_cast<AdoExamStore&>(session.Store()).Connection().Execute(sql);
  session.BeginExam({"0101", "未知", paths.ProgramFolder + "exam\\0101\\", 2700, "2-1|3-2"});
  InstallQtServices();
  ApplyTheme(0, paths.ProgramFolder);

  if (proctor) {
    AddProctorRows(static_cast<AdoExamStore&>(session.Store()).Connection());
    CProctorDlg dialog(session, nullptr);
    dialog.show();
    dialog.List()->selectRow(1);
    QTimer::singleShot(1500, [&] {
      const QPixmap shot = dialog.grab();
      const bool saved = shot.save(output, "PNG");
      std::fprintf(stderr, "%s %dx%d\n", saved ? "saved" : "not saved", shot.width(),
                   shot.height());
      app.exit(saved ? 0 : 1);
    });
    const int rc = app.exec();
    session.Close();
    return rc;
  }

  const QSize screen = QGuiApplication::primaryScreen()->size();
  auto bar = CExamAppBar::CreateForExam(session, screen.width(), screen.height(),
                                        ExamWindowTitle(session.Candidate()));
  bar->TasksPane()->StartCountdown();
  QTimer::singleShot(2500, [&] {
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
    const bool saved = shot.save(output, "PNG");
    std::fprintf(stderr, "%s %dx%d\n", saved ? "saved" : "not saved", shot.width(), shot.height());
    app.exit(saved ? 0 : 1);
  });
  const int rc = app.exec();
  bar.reset();
  session.Close();
  return rc;
}
