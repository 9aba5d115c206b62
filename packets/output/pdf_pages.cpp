#include "packets/output/pdf_pages.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

namespace packets::output {

namespace {

using pdf::kCourierAdvance;

constexpr double kInch = 72;
constexpr double kLineSpacing = 1.2;  // leading as a share of the font size, at most
constexpr double kAscent = 0.75;      // first baseline below the top, as a share of the size

struct Size {
  double width, height;
};

Size PaperSize(Paper paper) {
  return paper == Paper::kA4 ? Size{595.28, 841.89} : Size{612, 792};
}

using Lines = std::vector<std::string_view>;

/// The lines of `text`, split at CR LF; a final CR LF starts no line.
Lines LineViews(std::string_view text) {
  Lines lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

/// The pages of a page-layout packet: split at every form feed; one at
/// the very end starts no page.
std::vector<Lines> PageViews(std::string_view packet) {
  std::vector<Lines> pages;
  std::size_t start = 0;
  while (start < packet.size()) {
    const std::size_t ff = packet.find('\f', start);
    pages.push_back(
        LineViews(packet.substr(start, ff == std::string_view::npos ? ff : ff - start)));
    if (ff == std::string_view::npos) break;
    start = ff + 1;
  }
  return pages;
}

int Widest(const Lines& lines) {
  std::size_t w = 0;
  for (const std::string_view l : lines) w = std::max(w, l.size());
  return static_cast<int>(w);
}

/// A page of `lines` from the top left corner inside `margin`, the font
/// fitted to `columns` characters and `rows` lines.
pdf::Page TextPage(const Lines& lines, Size paper, double margin, int columns, int rows,
                   double largest) {
  pdf::Page page;
  page.width = paper.width;
  page.height = paper.height;
  const double width = paper.width - 2 * margin, height = paper.height - 2 * margin;
  page.font_size = FitFontSize(columns, rows, width, height, largest);
  // In hundredths of a point, as the file writes it, so that every line
  // below the first moves by the same amount.
  const double leading =
      std::floor(std::min(kLineSpacing * page.font_size, height / std::max(rows, 1)) * 100) / 100;
  double y = paper.height - margin - kAscent * page.font_size;
  std::size_t chars = 0;
  for (const std::string_view line : lines) chars += line.size();
  page.chars.reserve(chars);
  page.texts.reserve(lines.size());
  for (const std::string_view line : lines) {
    // Empty lines only move down; the text read back keeps them.
    page.Add(margin, y, line);
    y -= leading;
  }
  return page;
}

// ---------------------------------------------------------------- pages

std::vector<pdf::Page> PageLayout(std::string_view packet, int lpp, Paper paper) {
  const std::vector<Lines> pages = PageViews(packet);
  int columns = 78, rows = std::max(lpp, 1);
  for (const Lines& lines : pages) {
    columns = std::max(columns, Widest(lines));
    rows = std::max(rows, static_cast<int>(lines.size()));
  }
  std::vector<pdf::Page> out;
  out.reserve(pages.size());
  for (const Lines& lines : pages) {
    out.push_back(TextPage(lines, PaperSize(paper), kInch / 2, columns, rows, 12));
  }
  return out;
}

// ---------------------------------------------------------------- cards

constexpr int kCardLines = 18;
constexpr Size kCard{5 * kInch, 3 * kInch};
constexpr int kCardColumns = 46;  // the card heading and continuation lines

std::vector<pdf::Page> CardLayout(std::string_view packet) {
  const Lines lines = LineViews(packet);
  // One size for every card of the packet, so that the cards of a quiz
  // look alike.
  const int columns = std::max(kCardColumns, Widest(lines));
  std::vector<pdf::Page> out;
  for (std::size_t first = 0; first < lines.size(); first += kCardLines) {
    const Lines card(lines.begin() + static_cast<long>(first),
                     lines.begin() + static_cast<long>(std::min(lines.size(), first + kCardLines)));
    out.push_back(TextPage(card, kCard, kInch / 4, columns, kCardLines, 10));
  }
  return out;
}

// ---------------------------------------------------------------- tab tables

constexpr double kTabFont = 9;
constexpr double kTabLeading = 1.15 * kTabFont;
constexpr double kCellPad = kTabLeading / 4;  // above and below a cell's lines
constexpr int kColumns = 5;

/// One quiz of the tab layout: its heading lines, the table's heading row
/// and its rows, each cell by cell.
struct TabQuiz {
  std::vector<std::string> titles;
  std::array<std::string, kColumns> heading{"Number", "Type", "Question", "Answer", "Verse"};
  std::vector<std::array<std::string, kColumns>> rows;
};

std::vector<std::string> SplitAtTabs(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    fields.emplace_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

/// A question line's cells: number and type first, the reference always
/// in Verse, the text between in Question and (past its TAB) Answer.
std::array<std::string, kColumns> Cells(std::string_view line) {
  const std::vector<std::string> f = SplitAtTabs(line);
  std::array<std::string, kColumns> cells;
  if (f.size() < 3) {
    cells[2] = std::string(line);
    return cells;
  }
  cells[0] = f[0];
  cells[1] = f[1];
  cells[4] = f.back();
  if (f.size() >= 4) cells[2] = f[2];
  for (std::size_t i = 3; i + 1 < f.size(); ++i) {
    cells[3] += (i > 3 ? " " : "") + f[i];
  }
  return cells;
}

/// The quizzes of a tab-layout packet, each ended by its "<pb>" line.
std::vector<TabQuiz> TabQuizzes(std::string_view packet) {
  std::vector<TabQuiz> quizzes;
  bool open = false, in_table = false;
  for (const std::string_view line : LineViews(packet)) {
    if (!open) {
      quizzes.emplace_back();
      open = true;
      in_table = false;
    }
    TabQuiz& q = quizzes.back();
    if (line == "<pb>") {
      open = false;
    } else if (in_table) {
      q.rows.push_back(Cells(line));
    } else if (line.starts_with("Number\t")) {
      const std::vector<std::string> f = SplitAtTabs(line);
      for (std::size_t i = 0; i < f.size() && i < kColumns; ++i) q.heading[i] = f[i];
      in_table = true;
    } else if (!line.empty()) {
      std::string title;
      for (const std::string& f : SplitAtTabs(line)) {
        if (!f.empty()) title += (title.empty() ? "" : "    ") + f;
      }
      q.titles.push_back(title);
    }
  }
  return quizzes;
}

/// Columns of the table in characters: Number, Type and Verse as wide as
/// their widest text, Question and Answer sharing what is left.
std::array<int, kColumns> ColumnWidths(int characters) {
  std::array<int, kColumns> w{6, 5, 0, 0, 9};  // a type code has at most 5
  const int rest = std::max(characters - (w[0] + w[1] + w[4]) - 2 * kColumns, 2 * 10);
  w[2] = (rest + 1) / 2;
  w[3] = rest / 2;
  return w;
}

class TableWriter {
 public:
  TableWriter(Paper paper, std::vector<pdf::Page>& out) : paper_(PaperSize(paper)), out_(out) {
    const double cw = kCourierAdvance * kTabFont;
    const int characters = static_cast<int>((paper_.width - kInch) / cw);
    widths_ = ColumnWidths(characters);
    double x = kInch / 2;
    for (int c = 0; c < kColumns; ++c) {
      edges_[static_cast<std::size_t>(c)] = x;
      x += (widths_[static_cast<std::size_t>(c)] + 2) * cw;
    }
    edges_[kColumns] = x;
  }

  void Quiz(const TabQuiz& q) {
    titles_ = q.titles;
    heading_ = q.heading;
    NewPage(false);
    for (const auto& row : q.rows) {
      std::vector<std::vector<std::string>> cells = Wrapped(row);
      if (cursor_ - Height(cells) < kInch / 2 && cursor_ < table_top_ - HeadingHeight()) {
        EndTable();
        NewPage(true);
      }
      Row(cells);
    }
    EndTable();
  }

 private:
  std::vector<std::vector<std::string>> Wrapped(const std::array<std::string, kColumns>& row) {
    std::vector<std::vector<std::string>> cells;
    for (int c = 0; c < kColumns; ++c) {
      cells.push_back(
          WrapCell(row[static_cast<std::size_t>(c)], widths_[static_cast<std::size_t>(c)]));
    }
    return cells;
  }
  static double Height(const std::vector<std::vector<std::string>>& cells) {
    std::size_t lines = 1;
    for (const auto& c : cells) lines = std::max(lines, c.size());
    return static_cast<double>(lines) * kTabLeading + 2 * kCellPad;
  }
  double HeadingHeight() { return Height(Wrapped(heading_)); }

  /// A new page: the quiz's heading lines (marked as continued on a
  /// continued page), then the table's heading row.
  void NewPage(bool continued) {
    pdf::Page page;
    page.width = paper_.width;
    page.height = paper_.height;
    page.font_size = kTabFont;
    out_.push_back(std::move(page));
    double y = paper_.height - kInch / 2 - kAscent * kTabFont;
    for (std::size_t i = 0; i < titles_.size(); ++i) {
      const std::string text = titles_[i] + (continued && i == 0 ? "    (continued)" : "");
      out_.back().Add(kInch / 2, y, text);
      y -= kTabLeading;
    }
    table_top_ = cursor_ = y - kTabLeading / 2;
    out_.back().rules.push_back({edges_[0], cursor_, edges_[kColumns], cursor_});
    Row(Wrapped(heading_));
  }

  void Row(const std::vector<std::vector<std::string>>& cells) {
    const double cw = kCourierAdvance * kTabFont;
    for (std::size_t c = 0; c < cells.size(); ++c) {
      double y = cursor_ - kCellPad - kAscent * kTabFont;
      for (const std::string& line : cells[c]) {
        out_.back().Add(edges_[c] + cw, y, line);
        y -= kTabLeading;
      }
    }
    cursor_ -= Height(cells);
    out_.back().rules.push_back({edges_[0], cursor_, edges_[kColumns], cursor_});
  }

  void EndTable() {
    for (const double x : edges_) out_.back().rules.push_back({x, table_top_, x, cursor_});
  }

  Size paper_;
  std::vector<pdf::Page>& out_;
  std::array<int, kColumns> widths_{};
  std::array<double, kColumns + 1> edges_{};
  std::vector<std::string> titles_;
  std::array<std::string, kColumns> heading_;
  double table_top_ = 0, cursor_ = 0;
};

std::vector<pdf::Page> TabLayout(std::string_view packet, Paper paper) {
  std::vector<pdf::Page> out;
  TableWriter writer(paper, out);
  for (const TabQuiz& q : TabQuizzes(packet)) writer.Quiz(q);
  return out;
}

}  // namespace

std::vector<std::string> SplitAtLineEnds(std::string_view text) {
  const Lines views = LineViews(text);
  return std::vector<std::string>(views.begin(), views.end());
}

std::vector<std::vector<std::string>> PacketPageLines(std::string_view packet) {
  std::vector<std::vector<std::string>> pages;
  for (const Lines& lines : PageViews(packet)) pages.emplace_back(lines.begin(), lines.end());
  return pages;
}

double FitFontSize(int columns, int lines, double width, double height, double largest) {
  const double by_width = width / (kCourierAdvance * std::max(columns, 1));
  const double by_height = height / std::max(lines, 1);
  return std::min({largest, by_width, by_height});
}

std::vector<std::string> WrapCell(std::string_view text, int width) {
  std::string rest(text);
  std::replace(rest.begin(), rest.end(), '\t', ' ');
  const std::size_t w = static_cast<std::size_t>(std::max(width, 1));
  std::vector<std::string> lines;
  while (rest.size() > w) {
    const std::size_t blank = rest.rfind(' ', w);
    const bool at_blank = blank != std::string::npos && blank > 0;
    std::string line = rest.substr(0, at_blank ? blank : w);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    rest.erase(0, at_blank ? blank + 1 : w);
    lines.push_back(std::move(line));
  }
  while (!rest.empty() && rest.back() == ' ') rest.pop_back();
  if (!rest.empty() || lines.empty()) lines.push_back(std::move(rest));
  return lines;
}

std::vector<pdf::Page> PacketPages(std::string_view packet, char out, int lpp, Paper paper) {
  switch (out) {
    case 'P':
    case 'p':
      return PageLayout(packet, lpp, paper);
    case 'C':
    case 'c':
      return CardLayout(packet);
    default:
      return TabLayout(packet, paper);
  }
}

std::string PacketPdf(std::string_view packet, char out, int lpp, Paper paper) {
  return pdf::PdfBytes(PacketPages(packet, out, lpp, paper));
}

}  // namespace packets::output
