// Tests only: a control library that stands in for the six grading controls under their class
// ids, written the way the real controls are (dispatch tables), whose results follow the answer
// workbook's name, so that a test paper says what each item scores:
//
//   "99.9.xls"  a Run returns 99.9; the desktop control's wingrade is 99 (a 16-bit integer)
//   "8of10.xls" the spreadsheet control adds 8 to ExcelGrade and sets ExcelAllGrade to 10
//   "fail.xls"  the grading call fails with run-time error 5
//   "inf.xls", "nan.xls" a Run returns an infinity or not a number
//
// The network-part control's Score is the number in StudentDir + "Netkt\net.net" as the C
// library reads it ("inf" and "nan" too; 0 without the file). With their debug flag set, the
// controls append a line to the debug log each real control writes: "docmark.txt" (word processor),
// "1234.txt" (spreadsheet, desktop), "slidemark.txt" (presentation) and "webmark.TXT" (web page),
// in the folder they grade.
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/com/dispatch_table.h"
#include "platform/com/library_macros.h"
#include "platform/win/paths.h"

namespace {

using com::ClassInfo;
using com::Clsid;
using com::ControlBase;
using com::DispatchTable;

// The workbook's name without folder and extension.
std::string Stem(const std::string& path) {
  std::string name = path.substr(path.find_last_of('\\') + 1);
  return name.substr(0, name.rfind('.'));
}

base::Result<double> Scripted(const std::string& answer) {
  if (Stem(answer) == "fail") return base::Error{"scripted failure", 5};
  return std::strtod(Stem(answer).c_str(), nullptr);
}

// Appends a line to the debug log `file` in `folder` (Windows form, with or without "\").
void DebugLog(std::string folder, const char* file, const std::string& line) {
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  std::ofstream(win::ToHostPath(folder + file), std::ios::app) << line << "\r\n";
}

// The three controls graded through Run(check folder, answer folder, answer name, debug).
template <const Clsid& kId, const char* kName, const char* kLog>
class RunControl : public ControlBase<RunControl<kId, kName, kLog>> {
 public:
  static constexpr ClassInfo kClass{kId, kName};
  static const DispatchTable<RunControl>& Table() {
    using T = DispatchTable<RunControl>;
    static const T table{T::Method(0x6003000E, "Run", &RunControl::Run)};
    return table;
  }
  base::Result<double> Run(std::string& check, std::string& path, std::string& name, bool& debug) {
    base::Result<double> score = Scripted(name);
    if (debug && score) DebugLog(check, kLog, std::string(kName) + " " + path + name);
    return score;
  }
};

constexpr Clsid kDocmark = Clsid::Of("{58761E9E-8E05-4AF3-B331-A1CFAD77C33E}");
constexpr Clsid kSlidemark = Clsid::Of("{BE07296E-8F7B-4CA2-9FAE-3E9B3A9C7EAB}");
constexpr char kDocmarkName[] = "docmark", kDocmarkLog[] = "docmark.txt";
constexpr char kSlidemarkName[] = "slidemark", kSlidemarkLog[] = "slidemark.txt";
using docmark = RunControl<kDocmark, kDocmarkName, kDocmarkLog>;
using slidemark = RunControl<kSlidemark, kSlidemarkName, kSlidemarkLog>;

class webmark : public ControlBase<webmark> {
 public:
  static constexpr ClassInfo kClass{Clsid::Of("{2A649FAC-358B-4E71-A64C-CA83C5C216B1}"), "webmark"};
  static const DispatchTable<webmark>& Table() {
    using T = DispatchTable<webmark>;
    static const T table{T::Method(0x60030000, "Run", &webmark::Run)};
    return table;
  }
  base::Result<double> Run(std::string& check, std::string& answerFile, bool& debug) {
    base::Result<double> score = Scripted(answerFile);
    if (debug && score)
      DebugLog(check, "webmark.TXT", "BEGIN\r\nwebmark " + answerFile + "\r\nEND");
    return score;
  }
};

class sheetmark : public ControlBase<sheetmark> {
 public:
  static constexpr ClassInfo kClass{Clsid::Of("{FBACF490-9A1C-424D-971E-5D1409C0B2C9}"),
                                    "sheetmark"};
  static const DispatchTable<sheetmark>& Table() {
    using T = DispatchTable<sheetmark>;
    static const T table{
        T::Property(0x68030000, "PathOfexl", &sheetmark::PathOfexl),
        T::Property(0x68030001, "ExcelAllGrade", &sheetmark::ExcelAllGrade),
        T::Property(0x68030002, "ExcelGrade", &sheetmark::ExcelGrade),
        T::Property(0x68030003, "ansname", &sheetmark::ansname).AfterPut(&sheetmark::Grade),
        T::Property(0x68030005, "Pathofans", &sheetmark::Pathofans),
        T::Property(0x68030008, "EDebug", &sheetmark::EDebug),
    };
    return table;
  }
  std::string PathOfexl, ansname, Pathofans;
  int16_t ExcelAllGrade = 0, ExcelGrade = 0;
  bool EDebug = true;

  base::Status Grade() {
    const std::string stem = Stem(ansname);
    if (stem == "fail") return base::Error{"scripted failure", 5};
    std::istringstream in(stem);
    int awarded = 0, full = 0;
    char o = 0, f = 0;
    in >> awarded >> o >> f >> full;
    ExcelGrade = static_cast<int16_t>(ExcelGrade + awarded);
    ExcelAllGrade = static_cast<int16_t>(full);
    if (EDebug) DebugLog(PathOfexl, "1234.txt", "sheetmark " + Pathofans + ansname);
    return base::Ok();
  }
};

class winUC : public ControlBase<winUC> {
 public:
  static constexpr ClassInfo kClass{Clsid::Of("{5C95237B-21CB-41B6-AAC6-0D27DB405911}"), "winUC"};
  static const DispatchTable<winUC>& Table() {
    using T = DispatchTable<winUC>;
    static const T table{
        T::Property(0x68030000, "Debugok", &winUC::Debugok),
        T::Property(0x68030001, "wingrade", &winUC::wingrade),
        T::Property(0x68030002, "Answername", &winUC::Answername).AfterPut(&winUC::Grade),
        T::Property(0x68030003, "Pathofanswer", &winUC::Pathofanswer),
        T::Property(0x68030004, "Pathofstu", &winUC::Pathofstu),
    };
    return table;
  }
  bool Debugok = false;
  int16_t wingrade = 0;
  std::string Answername, Pathofanswer, Pathofstu;

  base::Status Grade() {
    base::Result<double> score = Scripted(Answername);
    if (!score) return score.error();
    wingrade = static_cast<int16_t>(*score);
    if (Debugok) DebugLog(Pathofstu, "1234.txt", "winUC " + Pathofanswer + Answername);
    return base::Ok();
  }
};

class CHopmarkCtrl : public ControlBase<CHopmarkCtrl> {
 public:
  static constexpr ClassInfo kClass{Clsid::Of("{E0EA6E57-AA68-43DF-9DBB-8AA575445545}"),
                                    "CHopmarkCtrl"};
  static const DispatchTable<CHopmarkCtrl>& Table() {
    using T = DispatchTable<CHopmarkCtrl>;
    static const T table{
        T::Property(2, "Score", &CHopmarkCtrl::Score),
        T::Property(4, "StudentDir", &CHopmarkCtrl::StudentDir),
        T::Method(6, "Go", &CHopmarkCtrl::Go),
    };
    return table;
  }
  double Score = 0;
  std::string StudentDir;

  void Go() {
    std::string text;
    std::ifstream(win::ToHostPath(StudentDir + "Netkt\\net.net")) >> text;
    Score = std::strtod(text.c_str(), nullptr);
  }
};

}  // namespace

KIRV_COM_LIBRARY(docmark, slidemark, webmark, sheetmark, winUC, CHopmarkCtrl)
