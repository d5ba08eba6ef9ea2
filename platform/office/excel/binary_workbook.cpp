// A binary workbook as a package: texts and sheet names through FreeXL (shared strings across
// their continuations, code pages), and what FreeXL leaves out (a formula's cached result,
// booleans and errors, a number's exact serial and cell format, the number formats, the active
// sheet, the date system) from a walk over the workbook stream's records.
#include "platform/office/excel/binary_workbook.h"

#include <freexl.h>
#include <iconv.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/base/text.h"
#include "platform/office/common/file_kind.h"
#include "platform/office/opc/zip_writer.h"
#include "platform/vb/strings.h"

namespace excel {
namespace {

uint16_t Get16(std::string_view data, size_t at) {
  if (at + 2 > data.size()) return 0;
  return static_cast<uint16_t>(static_cast<unsigned char>(data[at]) |
                               static_cast<unsigned char>(data[at + 1]) << 8);
}

uint32_t Get32(std::string_view data, size_t at) {
  if (at + 4 > data.size()) return 0;
  return static_cast<uint32_t>(Get16(data, at)) | static_cast<uint32_t>(Get16(data, at + 2)) << 16;
}

uint64_t Get64(std::string_view data, size_t at) {
  return static_cast<uint64_t>(Get32(data, at)) | static_cast<uint64_t>(Get32(data, at + 4)) << 32;
}

double GetDouble(std::string_view data, size_t at) {
  const uint64_t bits = Get64(data, at);
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

base::Error Damaged(std::string_view why) {
  return base::Error::Of("not a workbook: the binary workbook is damaged (", why, ")");
}

// ---- The compound file: the one stream the workbook lives in (a chain that loops or leaves the
// file ends where it does).

class CompoundFile {
 public:
  explicit CompoundFile(std::string_view file) : file_(file) {}

  // The bytes of the workbook stream ("Workbook", or "Book" of BIFF5).
  base::Result<std::string> WorkbookStream() {
    if (file_.size() < 512) return Damaged("shorter than its header");
    const uint16_t shift = Get16(file_, 0x1E);
    if (shift != 9 && shift != 12) return Damaged("sector size");
    sectorSize_ = size_t{1} << shift;
    sectors_ = file_.size() > sectorSize_
                   ? (file_.size() - sectorSize_ + sectorSize_ - 1) / sectorSize_
                   : 0;
    if (base::Status fat = ReadFat(); !fat) return fat.error();
    const std::string directory = Chain(Get32(file_, 0x30), UINT64_MAX);
    std::optional<size_t> found;
    for (const char* name : {"Workbook", "Book"}) {
      for (size_t at = 0; !found && at + 128 <= directory.size(); at += 128) {
        if (directory[at + 0x42] == 2 &&
            NameIs(std::string_view(directory).substr(at, 64), Get16(directory, at + 0x40), name))
          found = at;
      }
    }
    if (!found)
      return base::Error::Of("not a workbook: the compound file holds no workbook stream");
    const uint32_t start = Get32(directory, *found + 0x74);
    const uint64_t size = Get32(directory, *found + 0x78);  // the high half is unused in version 3
    std::string stream;
    if (size < Get32(file_, 0x38)) {
      stream = MiniChain(std::string_view(directory).substr(0, 128), start, size);
    } else {
      stream = Chain(start, size);
    }
    if (stream.size() < size) return Damaged("the workbook stream is cut short");
    stream.resize(static_cast<size_t>(size));
    return stream;
  }

 private:
  static bool NameIs(std::string_view entry, uint16_t bytes, std::string_view name) {
    if (bytes != (name.size() + 1) * 2) return false;
    for (size_t i = 0; i < name.size(); ++i) {
      const uint16_t c = Get16(entry, i * 2);
      if (c > 0x7F || base::AsciiLower(static_cast<char>(c)) != base::AsciiLower(name[i]))
        return false;
    }
    return true;
  }

  std::string_view Sector(uint32_t id) const {
    const uint64_t at = (static_cast<uint64_t>(id) + 1) * sectorSize_;
    if (id >= sectors_ || at >= file_.size()) return {};
    return file_.substr(static_cast<size_t>(at), sectorSize_);
  }

  base::Status ReadFat() {
    std::vector<uint32_t> fatSectors;
    for (size_t i = 0; i < 109; ++i) {
      const uint32_t id = Get32(file_, 0x4C + i * 4);
      if (id < sectors_) fatSectors.push_back(id);
    }
    uint32_t difat = Get32(file_, 0x44);
    for (size_t hops = 0; difat < sectors_ && hops < sectors_; ++hops) {
      const std::string_view sector = Sector(difat);
      const size_t entries = sectorSize_ / 4 - 1;
      for (size_t i = 0; i < entries; ++i) {
        const uint32_t id = Get32(sector, i * 4);
        if (id < sectors_) fatSectors.push_back(id);
      }
      difat = Get32(sector, entries * 4);
    }
    if (fatSectors.size() > sectors_) return Damaged("allocation table");
    for (uint32_t id : fatSectors) {
      const std::string_view sector = Sector(id);
      for (size_t at = 0; at + 4 <= sector.size(); at += 4) fat_.push_back(Get32(sector, at));
    }
    return base::Ok();
  }

  // The sectors of a chain from `start`, at most `limit` bytes; a loop or a bad link ends it.
  std::string Chain(uint32_t start, uint64_t limit) const {
    std::string out;
    for (uint32_t id = start, hops = 0;
         id < fat_.size() && hops <= fat_.size() && out.size() < limit; id = fat_[id], ++hops) {
      const std::string_view sector = Sector(id);
      if (sector.empty()) break;
      out.append(sector);
    }
    return out;
  }

  std::string MiniChain(std::string_view root, uint32_t start, uint64_t limit) const {
    const std::string ministream = Chain(Get32(root, 0x74), Get32(root, 0x78));
    const std::string minifatBytes = Chain(Get32(file_, 0x3C), UINT64_MAX);
    const size_t entries = minifatBytes.size() / 4;
    std::string out;
    for (uint32_t id = start, hops = 0; id < entries && hops <= entries && out.size() < limit;
         id = Get32(minifatBytes, size_t{id} * 4), ++hops) {
      const size_t at = size_t{id} * 64;
      if (at + 64 > ministream.size()) break;
      out.append(ministream, at, 64);
    }
    return out;
  }

  std::string_view file_;
  size_t sectorSize_ = 512;
  uint64_t sectors_ = 0;
  std::vector<uint32_t> fat_;
};

// ---- Text in the record stream.

void AppendLatin1(std::string_view bytes, std::string& out) {
  for (const char c : bytes) vb::AppendUtf8(static_cast<unsigned char>(c), out);
}

void AppendUtf16(std::string_view bytes, std::string& out) {
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    char32_t c = Get16(bytes, i);
    if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size()) {
      const char32_t low = Get16(bytes, i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    vb::AppendUtf8(c >= 0xD800 && c <= 0xDFFF ? U'\uFFFD' : c, out);
  }
}

// Bytes in the workbook's code page (BIFF5) as UTF-8; a byte that does not convert is "?".
std::string FromCodePage(std::string_view bytes, uint16_t codepage) {
  std::string name = codepage == 0x8000 ? "MACINTOSH" : "CP" + std::to_string(codepage);
  if (codepage == 367) name = "ASCII";
  iconv_t cd = iconv_open("UTF-8", name.c_str());
  std::string out;
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    AppendLatin1(bytes, out);
    return out;
  }
  std::string in(bytes);
  char* inPtr = in.data();
  size_t inLeft = in.size();
  char buffer[256];
  while (inLeft > 0) {
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    const size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<size_t>(outPtr - buffer));
    if (done == static_cast<size_t>(-1) && errno != E2BIG) {
      out += '?';
      ++inPtr;
      --inLeft;
    }
  }
  iconv_close(cd);
  return out;
}

// A string of `count` characters from `records[0]` at `at`, its characters going on in the
// continuation records that follow (each starting with its own flags byte), BIFF8 form: a flags
// byte (1: two bytes a character) then the characters.
std::string Biff8Chars(const std::vector<std::string_view>& records, size_t at, size_t count) {
  std::string out;
  for (size_t r = 0; r < records.size() && count > 0; ++r, at = 0) {
    const std::string_view data = records[r];
    if (at >= data.size()) break;
    const bool wide = (static_cast<unsigned char>(data[at]) & 1) != 0;
    const size_t width = wide ? 2 : 1;
    const size_t here = std::min(count, (data.size() - at - 1) / width);
    const std::string_view chars = data.substr(at + 1, here * width);
    wide ? AppendUtf16(chars, out) : AppendLatin1(chars, out);
    count -= here;
  }
  return out;
}

// ---- The records FreeXL does not hand out.

enum class RawKind : uint8_t { Number, Boolean, Error, Text };

struct RawCell {
  RawKind kind = RawKind::Number;
  uint16_t xf = 0;
  double number = 0;
  std::string text;  // a text result, or an error value's name
  bool formula = false;
};

RawCell NumberCell(uint16_t xf, double number) {
  RawCell cell;
  cell.xf = xf;
  cell.number = number;
  return cell;
}

RawCell BooleanCell(uint16_t xf, bool value) {
  RawCell cell = NumberCell(xf, value ? 1 : 0);
  cell.kind = RawKind::Boolean;
  return cell;
}

RawCell TextCell(RawKind kind, uint16_t xf, std::string text) {
  RawCell cell = NumberCell(xf, 0);
  cell.kind = kind;
  cell.text = std::move(text);
  return cell;
}

using CellKey = std::pair<uint32_t, uint16_t>;  // row, column from 0

struct SheetRecords {
  std::map<CellKey, RawCell> cells;
};

struct BookRecords {
  bool biff8 = true;
  uint16_t codepage = 1252;
  bool date1904 = false;
  int activeTab = 0;  // among all sheets
  std::vector<uint16_t> xfFormats;
  std::map<uint16_t, std::string> formats;
  std::vector<bool> sheetIsWorksheet;  // every sheet, in order
  std::vector<SheetRecords> worksheets;
  uint64_t declaredCells = 0;
};

double RkValue(uint32_t rk) {
  double value;
  if ((rk & 2) != 0) {
    value = static_cast<double>(static_cast<int32_t>(rk) >> 2);
  } else {
    const uint64_t bits = static_cast<uint64_t>(rk & 0xFFFFFFFC) << 32;
    std::memcpy(&value, &bits, sizeof value);
  }
  return (rk & 1) != 0 ? value / 100 : value;
}

std::string ErrorName(uint8_t code) {
  switch (code) {
    case 0x00:
      return "#NULL!";
    case 0x07:
      return "#DIV/0!";
    case 0x0F:
      return "#VALUE!";
    case 0x17:
      return "#REF!";
    case 0x1D:
      return "#NAME?";
    case 0x24:
      return "#NUM!";
    default:
      return "#N/A";
  }
}

class RecordWalk {
 public:
  RecordWalk(std::string_view stream, BookRecords& book) : stream_(stream), book_(book) {}

  base::Status Run() {
    if (Get16(stream_, 0) != 0x0809) return Damaged("no workbook record first");
    const uint16_t version = Get16(stream_, 4);
    if (version != 0x0600 && version != 0x0500)
      return base::Error::Of("not a workbook: binary workbook version ", version,
                             " is not read (BIFF5 and BIFF8 are)");
    book_.biff8 = version == 0x0600;
    // The worksheet each open substream fills: kGlobals for the workbook's own, -1 for none.
    constexpr int kGlobals = -2;
    std::vector<int> substreams;
    for (size_t at = 0; at + 4 <= stream_.size();) {
      const uint16_t id = Get16(stream_, at);
      const size_t length = Get16(stream_, at + 2);
      if (at + 4 + length > stream_.size()) break;
      const std::string_view data = stream_.substr(at + 4, length);
      const size_t next = at + 4 + length;
      if (id == 0x0809) {
        substreams.push_back(at == 0 ? kGlobals : WorksheetAt(at));
      } else if (id == 0x000A) {
        if (!substreams.empty()) substreams.pop_back();
      } else if (!substreams.empty() && substreams.back() == kGlobals) {
        if (base::Status global = Global(id, data); !global) return global;
      } else if (!substreams.empty() && substreams.back() >= 0) {
        Cell(id, data, next, book_.worksheets[static_cast<size_t>(substreams.back())]);
      }
      at = next;
    }
    return base::Ok();
  }

 private:
  int WorksheetAt(size_t offset) const {
    for (size_t i = 0, worksheet = 0; i < sheetOffsets_.size(); ++i) {
      if (sheetOffsets_[i] == offset)
        return book_.sheetIsWorksheet[i] ? static_cast<int>(worksheet) : -1;
      if (book_.sheetIsWorksheet[i]) ++worksheet;
    }
    return -1;
  }

  base::Status Global(uint16_t id, std::string_view data) {
    switch (id) {
      case 0x002F:
        return base::Error::Of("not a workbook: the binary workbook is encrypted");
      case 0x0042:
        book_.codepage = Get16(data, 0);
        break;
      case 0x0022:
        book_.date1904 = Get16(data, 0) == 1;
        break;
      case 0x003D:
        book_.activeTab = Get16(data, 10);
        break;
      case 0x00FC:  // the shared strings, whose count the reader lays out in memory first
        if (Get32(data, 4) > stream_.size())
          return Damaged("more shared strings counted than the stream could hold");
        break;
      case 0x00E0:
        book_.xfFormats.push_back(Get16(data, 2));
        break;
      case 0x041E: {
        const uint16_t index = Get16(data, 0);
        book_.formats[index] =
            book_.biff8
                ? Biff8Chars({data}, 4, Get16(data, 2))
                : FromCodePage(
                      data.substr(std::min<size_t>(3, data.size()),
                                  static_cast<unsigned char>(data.size() > 2 ? data[2] : 0)),
                      book_.codepage);
        break;
      }
      case 0x0085: {
        sheetOffsets_.push_back(Get32(data, 0));
        const bool worksheet = data.size() > 5 && data[5] == 0;
        book_.sheetIsWorksheet.push_back(worksheet);
        if (worksheet) book_.worksheets.emplace_back();
        break;
      }
      default:
        break;
    }
    return base::Ok();
  }

  void Cell(uint16_t id, std::string_view data, size_t next, SheetRecords& sheet) {
    const CellKey key{Get16(data, 0), Get16(data, 2)};
    const uint16_t xf = Get16(data, 4);
    switch (id) {
      case 0x0200: {  // the sheet's declared extent, which its reader lays out in full
        const uint64_t rows = book_.biff8 ? Get32(data, 4) : Get16(data, 2);
        const uint64_t columns = book_.biff8 ? Get16(data, 10) : Get16(data, 6);
        book_.declaredCells += rows * columns;
        break;
      }
      case 0x0203:
        if (data.size() >= 14) Put(sheet, key, NumberCell(xf, GetDouble(data, 6)));
        break;
      case 0x027E:
        if (data.size() >= 10) Put(sheet, key, NumberCell(xf, RkValue(Get32(data, 6))));
        break;
      case 0x00BD:  // several RK cells of a row
        for (size_t at = 4, column = key.second; at + 6 + 2 <= data.size(); at += 6, ++column)
          Put(sheet, {key.first, static_cast<uint16_t>(column)},
              NumberCell(Get16(data, at), RkValue(Get32(data, at + 2))));
        break;
      case 0x0205:
        if (data.size() >= 8) {
          const auto value = static_cast<uint8_t>(data[6]);
          Put(sheet, key,
              data[7] != 0 ? TextCell(RawKind::Error, xf, ErrorName(value))
                           : BooleanCell(xf, value != 0));
        }
        break;
      case 0x0006:
        Formula(sheet, key, xf, data, next);
        break;
      default:
        break;
    }
  }

  void Formula(SheetRecords& sheet, CellKey key, uint16_t xf, std::string_view data, size_t next) {
    if (data.size() < 14) return;
    RawCell cell = NumberCell(xf, GetDouble(data, 6));
    cell.formula = true;
    if (Get16(data, 12) == 0xFFFF) {
      const auto type = static_cast<uint8_t>(data[6]);
      const auto value = static_cast<uint8_t>(data[8]);
      if (type == 0) {
        cell.kind = RawKind::Text;
        cell.text = StringResult(next);
      } else if (type == 1) {
        cell = BooleanCell(xf, value != 0);
      } else if (type == 2) {
        cell = TextCell(RawKind::Error, xf, ErrorName(value));
      } else {
        cell.kind = RawKind::Text;
      }
      cell.formula = true;
    } else if (!std::isfinite(cell.number)) {
      return;
    }
    sheet.cells[key] = std::move(cell);
  }

  // The text of the string record after a formula (shared and array formula records may stand
  // between), with its continuations.
  std::string StringResult(size_t at) const {
    for (int skipped = 0; at + 4 <= stream_.size() && skipped < 3; ++skipped) {
      const uint16_t id = Get16(stream_, at);
      const size_t length = Get16(stream_, at + 2);
      if (at + 4 + length > stream_.size()) return {};
      const std::string_view data = stream_.substr(at + 4, length);
      if (id == 0x0207) {
        if (!book_.biff8)
          return FromCodePage(data.substr(std::min<size_t>(2, data.size())), book_.codepage);
        std::vector<std::string_view> records{data};
        for (size_t c = at + 4 + length; c + 4 <= stream_.size() && Get16(stream_, c) == 0x003C;) {
          const size_t l = Get16(stream_, c + 2);
          if (c + 4 + l > stream_.size()) break;
          records.push_back(stream_.substr(c + 4, l));
          c += 4 + l;
        }
        return Biff8Chars(records, 2, Get16(data, 0));
      }
      if (id != 0x04BC && id != 0x0221 && id != 0x0236) return {};
      at += 4 + length;
    }
    return {};
  }

  static void Put(SheetRecords& sheet, CellKey key, RawCell cell) {
    if (std::isfinite(cell.number)) sheet.cells[key] = std::move(cell);
  }

  std::string_view stream_;
  BookRecords& book_;
  std::vector<uint32_t> sheetOffsets_;
};

// ---- FreeXL, reading exactly the bytes it is given.

std::string FreexlMessage(int code) {
  switch (code) {
    case FREEXL_INSUFFICIENT_MEMORY:
      return "no memory";
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND:
      return "no workbook stream";
    case FREEXL_UNSUPPORTED_CHARSET:
      return "a code page it cannot convert";
    case FREEXL_INVALID_CHARACTER:
      return "text not in its code page";
    case FREEXL_CRAFTED_FILE:
      return "inconsistent records";
    default:
      return "FreeXL error " + std::to_string(code);
  }
}

// A FreeXL handle over an anonymous in-memory file holding the bytes: the reader opens a path,
// and this one names no file anyone else could change or swap.
class FreexlBook {
 public:
  static base::Result<std::unique_ptr<FreexlBook>> Open(std::string_view bytes) {
    std::unique_ptr<FreexlBook> book(new FreexlBook());
    book->fd_ = ::memfd_create("kirv-binary-workbook", MFD_CLOEXEC);
    if (book->fd_ < 0) return base::Error::Of("cannot hold the binary workbook for its reader");
    for (size_t done = 0; done < bytes.size();) {
      const ssize_t n = ::write(book->fd_, bytes.data() + done, bytes.size() - done);
      if (n <= 0) return base::Error::Of("cannot hold the binary workbook for its reader");
      done += static_cast<size_t>(n);
    }
    const std::string path = "/proc/self/fd/" + std::to_string(book->fd_);
    if (const int rc = freexl_open(path.c_str(), &book->handle_); rc != FREEXL_OK) {
      book->handle_ = nullptr;
      return base::Error::Of("not a workbook: the binary workbook cannot be read (",
                             FreexlMessage(rc), ")");
    }
    return book;
  }
  ~FreexlBook() {
    if (handle_ != nullptr) freexl_close(handle_);
    if (fd_ >= 0) ::close(fd_);
  }
  FreexlBook(const FreexlBook&) = delete;
  FreexlBook& operator=(const FreexlBook&) = delete;

  const void* handle() const { return handle_; }

 private:
  FreexlBook() = default;
  int fd_ = -1;
  const void* handle_ = nullptr;
};

struct Sheet {
  std::string name;
  std::map<CellKey, RawCell> cells;
};

// Every worksheet's name and cells: texts from FreeXL, everything else from the records.
base::Result<std::vector<Sheet>> ReadSheets(const FreexlBook& book, BookRecords& records) {
  const void* h = book.handle();
  unsigned int count = 0;
  if (freexl_get_info(h, FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK || count == 0)
    return base::Error::Of("not a workbook: it has no sheets");
  const bool matched = count == records.worksheets.size();
  std::vector<Sheet> sheets(count);
  uint64_t laidOut = 0;
  for (unsigned short i = 0; i < count; ++i) {
    Sheet& sheet = sheets[i];
    const char* name = nullptr;
    if (freexl_get_worksheet_name(h, i, &name) != FREEXL_OK || name == nullptr)
      return Damaged("a sheet without a name");
    sheet.name = name;
    if (matched) sheet.cells = std::move(records.worksheets[i].cells);
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(h, i) != FREEXL_OK ||
        freexl_worksheet_dimensions(h, &rows, &columns) != FREEXL_OK)
      return Damaged("a sheet that cannot be selected");
    laidOut += uint64_t{rows} * columns;
    if (laidOut > kBinaryWorkbookCellCap)
      return base::Error::Of("the binary workbook is too large");
    for (unsigned int r = 0; r < rows; ++r) {
      for (unsigned short c = 0; c < columns; ++c) {
        FreeXL_CellValue value;
        if (freexl_get_cell_value(h, r, c, &value) != FREEXL_OK) continue;
        const CellKey key{r, c};
        if (value.type == FREEXL_CELL_TEXT || value.type == FREEXL_CELL_SST_TEXT) {
          auto at = sheet.cells.find(key);
          if (at == sheet.cells.end() || !at->second.formula)
            sheet.cells[key] = TextCell(RawKind::Text, 0, value.value.text_value);
        } else if (value.type == FREEXL_CELL_INT || value.type == FREEXL_CELL_DOUBLE) {
          const double number =
              value.type == FREEXL_CELL_INT ? value.value.int_value : value.value.double_value;
          if (std::isfinite(number)) sheet.cells.try_emplace(key, NumberCell(0, number));
        }
        // Dates and times: the records hold the serial they were converted from.
      }
    }
  }
  if (!matched) records.activeTab = 0;
  return sheets;
}

// ---- The package.

// Text as element content: markup escaped, control characters and "_xHHHH_" look-alikes in the
// package's own escape form.
void AppendText(std::string_view text, std::string& out) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (c == '"') {
      out += "&quot;";
    } else if ((c < 0x20 && c != '\t' && c != '\n') || c == 0x7F ||
               (c == '_' && i + 1 < text.size() && text[i + 1] == 'x')) {
      out += "_x00";
      out += kHex[c >> 4];
      out += kHex[c & 15];
      out += '_';
    } else {
      out += static_cast<char>(c);
    }
  }
}

std::string CellName(uint32_t row, uint16_t column) {
  std::string letters;
  for (unsigned c = column + 1u; c > 0; c = (c - 1) / 26)
    letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
  return letters + std::to_string(row + 1);
}

std::string Number(double value) {
  char buffer[32];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return ec == std::errc() ? std::string(buffer, end) : "0";
}

// The number format Calc gives a truth value, which it saves as a number in this format.
constexpr std::string_view kTruthFormat = "\"TRUE\";\"TRUE\";\"FALSE\"";

// The shared string table the sheets' texts go into, each distinct text once.
class SharedStrings {
 public:
  size_t Index(const std::string& text) {
    auto [at, added] = index_.try_emplace(text, index_.size());
    if (added) {
      xml_ += "<si><t xml:space=\"preserve\">";
      AppendText(text, xml_);
      xml_ += "</t></si>";
    }
    return at->second;
  }
  std::string Xml() const {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
           "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">" +
           xml_ + "</sst>";
  }

 private:
  std::unordered_map<std::string, size_t> index_;
  std::string xml_;
};

void AppendNumber(std::string& xml, uint64_t n) {
  char buffer[24];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, n);
  xml.append(buffer, ec == std::errc() ? end : buffer);
}

std::string SheetXml(const Sheet& sheet, const BookRecords& records, SharedStrings& strings) {
  const size_t styles = std::max<size_t>(records.xfFormats.size(), 1);
  auto isTruth = [&records](uint16_t xf) {
    if (xf >= records.xfFormats.size()) return false;
    auto format = records.formats.find(records.xfFormats[xf]);
    return format != records.formats.end() && format->second == kTruthFormat;
  };
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
  xml.reserve(sheet.cells.size() * 32 + 256);
  std::optional<uint32_t> row;
  for (const auto& [key, cell] : sheet.cells) {
    if (key.first > 1048575 || key.second > 16383) continue;
    if (row != key.first) {
      if (row) xml += "</row>";
      row = key.first;
      xml += "<row r=\"";
      AppendNumber(xml, key.first + 1);
      xml += "\">";
    }
    xml += "<c r=\"";
    xml += CellName(key.first, key.second);
    xml += '"';
    if (cell.xf != 0 && cell.xf < styles) {
      xml += " s=\"";
      AppendNumber(xml, cell.xf);
      xml += '"';
    }
    const RawKind kind =
        cell.kind == RawKind::Number && isTruth(cell.xf) ? RawKind::Boolean : cell.kind;
    switch (kind) {
      case RawKind::Number:
        xml += "><v>";
        xml += Number(cell.number);
        xml += "</v></c>";
        break;
      case RawKind::Boolean:
        xml += cell.number != 0 ? " t=\"b\"><v>1</v></c>" : " t=\"b\"><v>0</v></c>";
        break;
      case RawKind::Error:
        xml += " t=\"e\"><v>";
        xml += cell.text;
        xml += "</v></c>";
        break;
      case RawKind::Text:
        xml += " t=\"s\"><v>";
        AppendNumber(xml, strings.Index(cell.text));
        xml += "</v></c>";
        break;
    }
  }
  if (row) xml += "</row>";
  xml += "</sheetData></worksheet>";
  return xml;
}

std::string StylesXml(const BookRecords& records) {
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">";
  if (!records.formats.empty()) {
    xml += "<numFmts count=\"" + std::to_string(records.formats.size()) + "\">";
    for (const auto& [id, code] : records.formats) {
      xml += "<numFmt numFmtId=\"" + std::to_string(id) + "\" formatCode=\"";
      AppendText(code, xml);
      xml += "\"/>";
    }
    xml += "</numFmts>";
  }
  xml +=
      "<fonts count=\"1\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
      "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill><fill><patternFill "
      "patternType=\"gray125\"/></fill></fills><borders count=\"1\"><border/></borders>"
      "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\"/></cellStyleXfs><cellXfs>";
  for (const uint16_t format : records.xfFormats)
    xml += "<xf numFmtId=\"" + std::to_string(format) + "\" applyNumberFormat=\"1\"/>";
  if (records.xfFormats.empty()) xml += "<xf numFmtId=\"0\"/>";
  xml += "</cellXfs></styleSheet>";
  return xml;
}

base::Result<std::string> WritePackage(const std::vector<Sheet>& sheets,
                                       const BookRecords& records) {
  static constexpr std::string_view kRelationships =
      "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
  std::string types =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
      "<Default Extension=\"rels\" "
      "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
      "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
      "<Override PartName=\"/xl/workbook.xml\" "
      "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
      "<Override PartName=\"/xl/styles.xml\" "
      "ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
      "<Override PartName=\"/xl/sharedStrings.xml\" "
      "ContentType=\"application/"
      "vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml\"/>";
  std::string workbook =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" xmlns:r=\"" +
      std::string(kRelationships) + "\">";
  if (records.date1904) workbook += "<workbookPr date1904=\"1\"/>";
  // The active sheet among all sheets, as the worksheet it is among the worksheets written.
  int activeTab = 0;
  if (records.activeTab >= 0 &&
      static_cast<size_t>(records.activeTab) < records.sheetIsWorksheet.size() &&
      records.sheetIsWorksheet[static_cast<size_t>(records.activeTab)]) {
    for (int i = 0; i < records.activeTab; ++i)
      activeTab += records.sheetIsWorksheet[static_cast<size_t>(i)] ? 1 : 0;
  }
  workbook += "<bookViews><workbookView activeTab=\"" + std::to_string(activeTab) +
              "\"/></bookViews><sheets>";
  std::string rels =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
      "<Relationship Id=\"rStyles\" Type=\"" +
      std::string(kRelationships) +
      "/styles\" Target=\"styles.xml\"/><Relationship Id=\"rStrings\" " + "Type=\"" +
      std::string(kRelationships) + "/sharedStrings\" Target=\"sharedStrings.xml\"/>";
  opc::ZipWriter zip;
  SharedStrings strings;
  for (size_t i = 0; i < sheets.size(); ++i) {
    const std::string n = std::to_string(i + 1);
    types += "<Override PartName=\"/xl/worksheets/sheet" + n +
             ".xml\" ContentType=\"application/"
             "vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>";
    workbook += "<sheet name=\"";
    AppendText(sheets[i].name, workbook);
    workbook += "\" sheetId=\"" + n + "\" r:id=\"rId" + n + "\"/>";
    rels += "<Relationship Id=\"rId" + n + "\" Type=\"" + std::string(kRelationships) +
            "/worksheet\" Target=\"worksheets/sheet" + n + ".xml\"/>";
    if (base::Status added = zip.AddStored("xl/worksheets/sheet" + n + ".xml",
                                           SheetXml(sheets[i], records, strings));
        !added)
      return added.error();
  }
  types += "</Types>";
  workbook += "</sheets></workbook>";
  rels += "</Relationships>";
  const std::string packageRels =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
      "<Relationship Id=\"rId1\" Type=\"" +
      std::string(kRelationships) +
      "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>";
  for (const auto& [name, part] :
       std::vector<std::pair<std::string, std::string>>{{"[Content_Types].xml", types},
                                                        {"_rels/.rels", packageRels},
                                                        {"xl/workbook.xml", workbook},
                                                        {"xl/_rels/workbook.xml.rels", rels},
                                                        {"xl/styles.xml", StylesXml(records)},
                                                        {"xl/sharedStrings.xml", strings.Xml()}}) {
    if (base::Status added = zip.AddStored(name, part); !added) return added.error();
  }
  return zip.Finish();
}

}  // namespace

base::Result<std::string> PackageFromBinaryWorkbook(std::string_view bytes) {
  if (!office::IsCompoundFile(bytes))
    return base::Error::Of("not a workbook: no compound file signature");
  base::Result<std::string> stream = CompoundFile(bytes).WorkbookStream();
  if (!stream) return stream.error();
  BookRecords records;
  if (base::Status walked = RecordWalk(*stream, records).Run(); !walked) return walked.error();
  if (records.declaredCells > kBinaryWorkbookCellCap)
    return base::Error::Of("the binary workbook is too large (", records.declaredCells,
                           " cells declared)");
  base::Result<std::unique_ptr<FreexlBook>> book = FreexlBook::Open(bytes);
  if (!book) return book.error();
  base::Result<std::vector<Sheet>> sheets = ReadSheets(**book, records);
  if (!sheets) return sheets.error();
  return WritePackage(*sheets, records);
}

}  // namespace excel
